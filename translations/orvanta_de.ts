<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FailureReport</name>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>Its drive has no trash.</source>
        <translation>Sein Laufwerk hat keinen Papierkorb.</translation>
    </message>
    <message>
        <source>The trash holds too many files of this name.</source>
        <translation>Der Papierkorb enthält zu viele Dateien dieses Namens.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Es ist keine Datei.</translation>
    </message>
    <message>
        <source>It was copied, but the copy could not be flushed to disk (%1); the original was kept.</source>
        <translation>Sie wurde kopiert, aber die Kopie konnte nicht auf die Platte geschrieben werden (%1); das Original wurde behalten.</translation>
    </message>
    <message>
        <source>It was copied, but the original could not be removed (%1).</source>
        <translation>Sie wurde kopiert, aber das Original konnte nicht entfernt werden (%1).</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine normale Datei.</translation>
    </message>
</context>
<context>
    <name>FilePaste</name>
    <message>
        <source>Are you sure u want to move this %1 files?</source>
        <translation>Wollen Sie diese %1 Dateien wirklich verschieben?</translation>
    </message>
    <message>
        <source>This file could not be moved to %1:</source>
        <translation>Diese Datei konnte nicht nach %1 verschoben werden:</translation>
    </message>
    <message>
        <source>These files could not be moved to %1:</source>
        <translation>Diese Dateien konnten nicht nach %1 verschoben werden:</translation>
    </message>
    <message>
        <source>This file could not be copied to %1:</source>
        <translation>Diese Datei konnte nicht nach %1 kopiert werden:</translation>
    </message>
    <message>
        <source>These files could not be copied to %1:</source>
        <translation>Diese Dateien konnten nicht nach %1 kopiert werden:</translation>
    </message>
    <message>
        <source>%1 could not be moved to the trash to make room: %2</source>
        <translation>%1 konnte nicht in den Papierkorb verschoben werden, um Platz zu schaffen: %2</translation>
    </message>
    <message>
        <source>A file of this name appeared in the folder meanwhile.</source>
        <translation>Inzwischen ist im Ordner eine Datei dieses Namens aufgetaucht.</translation>
    </message>
    <message>
        <source>A file of this name is already in %1, or is pasted twice:</source>
        <translation>Eine Datei dieses Namens ist bereits in %1 oder wird zweimal eingefügt:</translation>
    </message>
    <message>
        <source>Files of these %2 names are already in %1, or are pasted twice:</source>
        <translation>Dateien dieser %2 Namen sind bereits in %1 oder werden zweimal eingefügt:</translation>
    </message>
    <message>
        <source>

Replace: the files there go to the trash.
Keep both: the pasted files take free names, such as &quot;%1&quot;.
Skip: these files are not pasted.</source>
        <translation>

Ersetzen: Die Dateien dort kommen in den Papierkorb.
Beide behalten: Die eingefügten Dateien erhalten freie Namen, etwa &quot;%1&quot;.
Überspringen: Diese Dateien werden nicht eingefügt.</translation>
    </message>
</context>
<context>
    <name>FileProperties</name>
    <message>
        <source>%1  KB  (%2) Bytes.</source>
        <translation>%1  KB  (%2) Bytes.</translation>
    </message>
</context>
<context>
    <name>GifTurn</name>
    <message>
        <source>The GIF picture cannot be read: %1</source>
        <translation>Das GIF-Bild kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Cannot open the help file %1:
%2</source>
        <translation>Die Hilfedatei %1 kann nicht geöffnet werden:
%2</translation>
    </message>
</context>
<context>
    <name>ListFileReader</name>
    <message>
        <source>The list file %1 is too large: it would hold more than %2 pictures. It was not opened.</source>
        <translation>Die Listendatei %1 ist zu groß: Sie würde mehr als %2 Bilder enthalten. Sie wurde nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>ListFileWriter</name>
    <message>
        <source>The list could not be saved to %1.
%2
The file was not changed.</source>
        <translation>Die Liste konnte nicht in %1 gespeichert werden.
%2
Die Datei wurde nicht verändert.</translation>
    </message>
</context>
<context>
    <name>OpenFolderCommands</name>
    <message>
        <source>Click the empty &apos;Image Box&apos; to display the first picture.</source>
        <translation>Klicken Sie auf den leeren Bildrahmen, um das erste Bild anzuzeigen.</translation>
    </message>
    <message>
        <source>That was the last picture in this list.</source>
        <translation>Das war das letzte Bild dieser Liste.</translation>
    </message>
    <message>
        <source>Click anywhere to show next picture</source>
        <translation>Klicken Sie irgendwohin, um das nächste Bild anzuzeigen</translation>
    </message>
    <message>
        <source>this folder has no picture files</source>
        <translation>Dieser Ordner enthält keine Bilddateien</translation>
    </message>
</context>
<context>
    <name>PictureFacts</name>
    <message>
        <source>%1 bits a pixel (palette)</source>
        <translation>%1 Bit pro Pixel (Palette)</translation>
    </message>
    <message>
        <source>%1 bits (grey)</source>
        <translation>%1 Bit (Graustufen)</translation>
    </message>
    <message>
        <source>%1 bits (alpha)</source>
        <translation>%1 Bit (Alpha)</translation>
    </message>
    <message>
        <source>%1 bits a channel</source>
        <translation>%1 Bit pro Kanal</translation>
    </message>
    <message>
        <source>%1 bits a pixel</source>
        <translation>%1 Bit pro Pixel</translation>
    </message>
    <message>
        <source>Picture size:</source>
        <translation>Bildgröße:</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Bit depth:</source>
        <translation>Farbtiefe:</translation>
    </message>
    <message>
        <source>Colour profile:</source>
        <translation>Farbprofil:</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Einzelbilder:</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Kamera:</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Objektiv:</translation>
    </message>
    <message>
        <source>Taken:</source>
        <translation>Aufgenommen:</translation>
    </message>
    <message>
        <source>Exposure time:</source>
        <translation>Belichtungszeit:</translation>
    </message>
    <message>
        <source>F-number:</source>
        <translation>Blendenzahl:</translation>
    </message>
    <message>
        <source>ISO:</source>
        <translation>ISO:</translation>
    </message>
    <message>
        <source>Focal length:</source>
        <translation>Brennweite:</translation>
    </message>
    <message>
        <source>GPS position:</source>
        <translation>GPS-Position:</translation>
    </message>
</context>
<context>
    <name>PictureFileTypes</name>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>Metadateien</translation>
    </message>
    <message>
        <source>GIF Files</source>
        <translation>GIF-Dateien</translation>
    </message>
    <message>
        <source>JPEG files</source>
        <translation>JPEG-Dateien</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>PNG files</source>
        <translation>PNG-Dateien</translation>
    </message>
    <message>
        <source>WebP files</source>
        <translation>WebP-Dateien</translation>
    </message>
    <message>
        <source>TIFF files</source>
        <translation>TIFF-Dateien</translation>
    </message>
    <message>
        <source>AVIF files</source>
        <translation>AVIF-Dateien</translation>
    </message>
    <message>
        <source>HEIF files</source>
        <translation>HEIF-Dateien</translation>
    </message>
    <message>
        <source>JPEG XL files</source>
        <translation>JPEG-XL-Dateien</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>SVG-Zeichnungen</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>All picture files</source>
        <translation>Alle Bilddateien</translation>
    </message>
</context>
<context>
    <name>QtMessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>&amp;Beide behalten</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
</context>
<context>
    <name>RenameRules</name>
    <message>
        <source>A file name must be entered</source>
        <translation>Bitte geben Sie einen Dateinamen ein</translation>
    </message>
    <message>
        <source>Invalid file name. no &apos;.&apos; are allowed within a file name</source>
        <translation>Ungültiger Dateiname. Ein Dateiname darf keinen &apos;.&apos; enthalten</translation>
    </message>
    <message>
        <source>control characters</source>
        <translation>Steuerzeichen</translation>
    </message>
    <message>
        <source>Invalid file name. A file name cannot contain %1</source>
        <translation>Ungültiger Dateiname. Ein Dateiname darf kein %1 enthalten</translation>
    </message>
    <message>
        <source>Invalid file name. The name is too long</source>
        <translation>Ungültiger Dateiname. Der Name ist zu lang</translation>
    </message>
</context>
<context>
    <name>SecondListFiles</name>
    <message>
        <source>pic. list(*.pvl)|*.pvl</source>
        <translation>Bilderliste (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>pic. list (*.pvl)|*.pvl</source>
        <translation>Bilderliste (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>unable to load file</source>
        <translation>Datei kann nicht geladen werden: </translation>
    </message>
    <message>
        <source>This list is empty.</source>
        <translation>Diese Liste ist leer.</translation>
    </message>
    <message>
        <source>Cancel saving file</source>
        <translation>Speichern abgebrochen: </translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>It is larger than a settings file can be.</source>
        <translation>Sie ist größer, als eine Einstellungsdatei sein kann.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be saved.
%2</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read.
%2</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden.
%2</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read.
%2
It is left as it is; the program goes on with the initial settings and does not save changes to them.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden.
%2
Sie bleibt unverändert; das Programm arbeitet mit den Anfangseinstellungen weiter und speichert keine Änderungen daran.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written.
%2
The program goes on with the initial settings; changes to them are not kept after it ends.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden.
%2
Das Programm arbeitet mit den Anfangseinstellungen weiter; Änderungen daran gehen beim Beenden verloren.</translation>
    </message>
</context>
<context>
    <name>ShellDelete</name>
    <message>
        <source>This file cannot be moved to the trash: its drive has no trash.

%1

Delete it for good? It cannot be restored.</source>
        <translation>Diese Datei kann nicht in den Papierkorb verschoben werden: Ihr Laufwerk hat keinen Papierkorb.

%1

Endgültig löschen? Sie kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>These %1 files cannot be moved to the trash: their drive has no trash.

%2

Delete them for good? They cannot be restored.</source>
        <translation>Diese %1 Dateien können nicht in den Papierkorb verschoben werden: Ihr Laufwerk hat keinen Papierkorb.

%2

Endgültig löschen? Sie können nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Delete this file for good? It cannot be restored.</source>
        <translation>Diese Datei endgültig löschen? Sie kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Delete these %1 files for good? They cannot be restored.</source>
        <translation>Diese %1 Dateien endgültig löschen? Sie können nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Move this file to the trash?</source>
        <translation>Diese Datei in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Move these %1 files to the trash?</source>
        <translation>Diese %1 Dateien in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>This file could not be deleted:</source>
        <translation>Diese Datei konnte nicht gelöscht werden:</translation>
    </message>
    <message>
        <source>These files could not be deleted:</source>
        <translation>Diese Dateien konnten nicht gelöscht werden:</translation>
    </message>
    <message>
        <source>This file could not be moved to the trash:</source>
        <translation>Diese Datei konnte nicht in den Papierkorb verschoben werden:</translation>
    </message>
    <message>
        <source>These files could not be moved to the trash:</source>
        <translation>Diese Dateien konnten nicht in den Papierkorb verschoben werden:</translation>
    </message>
</context>
<context>
    <name>TurnSave</name>
    <message>
        <source>Turns are saved only into JPEG, PNG, BMP, TIFF and still GIF pictures.</source>
        <translation>Drehungen werden nur in JPEG-, PNG-, BMP-, TIFF- und unbewegten GIF-Bildern gespeichert.</translation>
    </message>
</context>
<context>
    <name>orv::AboutBox</name>
    <message>
        <source>About Orvanta.</source>
        <translation>Über Orvanta</translation>
    </message>
    <message>
        <source>Orvanta&apos;s icon</source>
        <translation>Symbol von Orvanta</translation>
    </message>
    <message>
        <source>Orvanta shows your pictures one at a time, fitted, stretched or zoomed, plays them as a slideshow and keeps them in lists you can save.</source>
        <translation>Orvanta zeigt Ihre Bilder einzeln an – eingepasst, gestreckt oder vergrößert –, spielt sie als Diaschau ab und verwaltet sie in Listen, die Sie speichern können.</translation>
    </message>
    <message>
        <source>Warning: this program comes with no warranty of any kind.</source>
        <translation>Achtung: Für dieses Programm wird keinerlei Gewährleistung übernommen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>orv::BoxTools</name>
    <message>
        <source>Zoom is not allowed while displaying a picture in &apos;Stretch&apos; or &apos;Fit to box&apos; mode !!</source>
        <translation>Zoomen ist nicht möglich, während ein Bild im Modus „Strecken“ oder „An Rahmen anpassen“ angezeigt wird!</translation>
    </message>
</context>
<context>
    <name>orv::DesktopCommands</name>
    <message>
        <source>This file cannot be found, so its folder cannot be shown:
</source>
        <translation>Diese Datei wurde nicht gefunden, daher kann ihr Ordner nicht angezeigt werden:
</translation>
    </message>
    <message>
        <source>No file manager could be started to show this file:
</source>
        <translation>Es konnte keine Dateiverwaltung gestartet werden, um diese Datei anzuzeigen:
</translation>
    </message>
</context>
<context>
    <name>orv::DisplayEngine</name>
    <message>
        <source>Click anywhere to hide this picture.</source>
        <translation>Klicken Sie irgendwohin, um dieses Bild auszublenden.</translation>
    </message>
    <message>
        <source>That was the last picture in this list.</source>
        <translation>Das war das letzte Bild dieser Liste.</translation>
    </message>
    <message>
        <source>Specified picture file cannot be accessed!!</source>
        <translation>Auf die angegebene Bilddatei kann nicht zugegriffen werden!</translation>
    </message>
    <message>
        <source>Click anywhere to show back the picture.</source>
        <translation>Klicken Sie irgendwohin, um das Bild wieder anzuzeigen.</translation>
    </message>
    <message>
        <source>The pictures&apos; list is empty.(No pictures to display.)</source>
        <translation>Die Bilderliste ist leer. (Keine Bilder zum Anzeigen.)</translation>
    </message>
</context>
<context>
    <name>orv::FileCommands</name>
    <message>
        <source>No files selected to delete.</source>
        <translation>Keine Dateien zum Löschen ausgewählt.</translation>
    </message>
    <message>
        <source>One file must be chosen to be renamed.</source>
        <translation>Zum Umbenennen muss genau eine Datei gewählt sein.</translation>
    </message>
    <message>
        <source>Cannot rename the file to </source>
        <translation>Die Datei kann nicht umbenannt werden in </translation>
    </message>
    <message>
        <source>.This file already exists</source>
        <translation>. Diese Datei existiert bereits</translation>
    </message>
    <message>
        <source>This file could not be renamed:</source>
        <translation>Diese Datei konnte nicht umbenannt werden:</translation>
    </message>
    <message>
        <source>This file cannot be found, so its properties cannot be shown:
</source>
        <translation>Diese Datei wurde nicht gefunden, daher können ihre Eigenschaften nicht angezeigt werden:
</translation>
    </message>
</context>
<context>
    <name>orv::FilePropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Full Path:</source>
        <translation>Vollständiger Pfad:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Created/Modified on:</source>
        <translation>Erstellt/geändert am:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>orv::FolderChooser</name>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>This folder cannot be read:
</source>
        <translation>Dieser Ordner kann nicht gelesen werden:
</translation>
    </message>
    <message>
        <source>Drive is not ready!!</source>
        <translation>Das Laufwerk ist nicht bereit!</translation>
    </message>
</context>
<context>
    <name>orv::Form1</name>
    <message>
        <source>pic.&apos;s list</source>
        <translation>Bilderliste</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Liste öffnen</translation>
    </message>
    <message>
        <source>Current pic.&apos;s count in the list</source>
        <translation>Nummer des aktuellen Bildes in der Liste</translation>
    </message>
    <message>
        <source>Welcome. Open or make a pictures list to start.</source>
        <translation>Willkommen. Öffnen oder erstellen Sie eine Bilderliste, um zu beginnen.</translation>
    </message>
    <message>
        <source>Bad command line argument</source>
        <translation>Ungültiges Befehlszeilenargument</translation>
    </message>
    <message>
        <source>You are going to end your session with ME!!</source>
        <translation>Sie sind dabei, Ihre Sitzung mit MIR zu beenden!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Pic. &amp;File(s)</source>
        <translation>Bild&amp;datei(en)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Pic. Folde&amp;r</source>
        <translation>Bild&amp;ordner</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Neue Liste</translation>
    </message>
    <message>
        <source>&amp;Save list</source>
        <translation>Liste &amp;speichern</translation>
    </message>
    <message>
        <source>Save list &amp;As</source>
        <translation>Liste speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Delete file</source>
        <translation>Datei &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Rename file</source>
        <translation>Datei u&amp;mbenennen</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>Auswahl u&amp;mkehren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächstes</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <translation>&amp;Vorheriges</translation>
    </message>
    <message>
        <source>Fit to &amp;Box</source>
        <translation>An &amp;Rahmen anpassen</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>&amp;Strecken</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Run slide show</source>
        <translation>&amp;Diaschau starten</translation>
    </message>
    <message>
        <source>Slide show &amp;options</source>
        <translation>Diaschau-&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>Nach &amp;Namen</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Zufällig mischen</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>&amp;Anpassen</translation>
    </message>
    <message>
        <source>&amp;Open lisl manager</source>
        <translation>Listen&amp;verwaltung öffnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>Hilfe&amp;themen</translation>
    </message>
    <message>
        <source>&amp;What&apos;s this?</source>
        <translation>&amp;Was ist das?</translation>
    </message>
    <message>
        <source>Bug report</source>
        <translation>Fehler melden</translation>
    </message>
    <message>
        <source>&amp;About Orvanta...</source>
        <translation>Ü&amp;ber Orvanta...</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Open lisl manger</source>
        <translation>Listen&amp;verwaltung öffnen</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>By date &amp;taken</source>
        <translation>Nach Aufnahme&amp;datum</translation>
    </message>
    <message>
        <source>Sort the list by the date each photo was taken</source>
        <translation>Die Liste nach dem Aufnahmedatum der Fotos sortieren</translation>
    </message>
    <message>
        <source>By date &amp;modified</source>
        <translation>Nach &amp;Änderungsdatum</translation>
    </message>
    <message>
        <source>Sort the list by the date each file was last changed</source>
        <translation>Die Liste nach dem Datum der letzten Änderung jeder Datei sortieren</translation>
    </message>
    <message>
        <source>By si&amp;ze</source>
        <translation>Nach &amp;Größe</translation>
    </message>
    <message>
        <source>Sort the list by file size, smallest first</source>
        <translation>Die Liste nach Dateigröße sortieren, die kleinste zuerst</translation>
    </message>
    <message>
        <source>By t&amp;ype</source>
        <translation>Nach &amp;Typ</translation>
    </message>
    <message>
        <source>Sort the list by file type (the name&apos;s extension)</source>
        <translation>Die Liste nach Dateityp sortieren (der Erweiterung des Namens)</translation>
    </message>
    <message>
        <source>Rotate &amp;left</source>
        <translation>Nach &amp;links drehen</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn to the left</source>
        <translation>Das Bild um eine Vierteldrehung nach links drehen</translation>
    </message>
    <message>
        <source>Rotate &amp;right</source>
        <translation>Nach &amp;rechts drehen</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn to the right</source>
        <translation>Das Bild um eine Vierteldrehung nach rechts drehen</translation>
    </message>
    <message>
        <source>Flip &amp;horizontally</source>
        <translation>&amp;Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Das Bild von links nach rechts spiegeln</translation>
    </message>
    <message>
        <source>Flip &amp;vertically</source>
        <translation>&amp;Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Mirror the picture top to bottom</source>
        <translation>Das Bild von oben nach unten spiegeln</translation>
    </message>
    <message>
        <source>Save &amp;turned picture</source>
        <translation>&amp;Gedrehtes Bild speichern</translation>
    </message>
    <message>
        <source>Write the picture&apos;s turn into its file, without loss</source>
        <translation>Die Drehung des Bildes verlustfrei in seine Datei schreiben</translation>
    </message>
</context>
<context>
    <name>orv::HelpWindow</name>
    <message>
        <source>Orvanta Help</source>
        <translation>Orvanta-Hilfe</translation>
    </message>
</context>
<context>
    <name>orv::ImageBoxView</name>
    <message>
        <source>The picture.</source>
        <translation>Das Bild.</translation>
    </message>
    <message>
        <source>The picture box.</source>
        <translation>Der Bildrahmen.</translation>
    </message>
</context>
<context>
    <name>orv::ListFileCommands</name>
    <message>
        <source>pic. list(*.pvl)|*.pvl</source>
        <translation>Bilderliste (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>pic. list (*.pvl)|*.pvl</source>
        <translation>Bilderliste (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>This list no longer exists</source>
        <translation>Diese Liste existiert nicht mehr</translation>
    </message>
    <message>
        <source>unable to load file</source>
        <translation>Datei kann nicht geladen werden: </translation>
    </message>
    <message>
        <source>Click the picture box to show first pic.</source>
        <translation>Klicken Sie auf den Bildrahmen, um das erste Bild anzuzeigen.</translation>
    </message>
    <message>
        <source>This list is empty.</source>
        <translation>Diese Liste ist leer.</translation>
    </message>
    <message>
        <source>Cancel saving file</source>
        <translation>Speichern abgebrochen: </translation>
    </message>
</context>
<context>
    <name>orv::ListForm</name>
    <message>
        <source>Orvanta (List Manager)</source>
        <translation>Orvanta (Listenverwaltung)</translation>
    </message>
    <message>
        <source>Main list</source>
        <translation>Hauptliste</translation>
    </message>
    <message>
        <source>Second list</source>
        <translation>Zweite Liste</translation>
    </message>
    <message>
        <source>Second list folders</source>
        <translation>Ordner der zweiten Liste</translation>
    </message>
    <message>
        <source>Move selected files up</source>
        <translation>Ausgewählte Dateien nach oben verschieben</translation>
    </message>
    <message>
        <source>Move selected files down.</source>
        <translation>Ausgewählte Dateien nach unten verschieben.</translation>
    </message>
    <message>
        <source>Exit and LOSE any unsaved changes??</source>
        <translation>Beenden und alle ungespeicherten Änderungen VERWERFEN?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;New list</source>
        <translation>&amp;Neue Liste öffnen</translation>
    </message>
    <message>
        <source>Open &amp;another list</source>
        <translation>&amp;Andere Liste öffnen</translation>
    </message>
    <message>
        <source>Save &amp;main list</source>
        <translation>&amp;Hauptliste speichern</translation>
    </message>
    <message>
        <source>Save main list &amp;as</source>
        <translation>Hauptliste speichern &amp;unter</translation>
    </message>
    <message>
        <source>Save secon&amp;d list</source>
        <translation>&amp;Zweite Liste speichern</translation>
    </message>
    <message>
        <source>Save seco&amp;nd list as</source>
        <translation>Zweite Liste speichern u&amp;nter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>To &amp;main list</source>
        <translation>In die &amp;Hauptliste</translation>
    </message>
    <message>
        <source>To &amp;second list</source>
        <translation>In die &amp;zweite Liste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>Nach &amp;Namen</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Zufällig mischen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>Auswahl u&amp;mkehren</translation>
    </message>
    <message>
        <source>&amp;Copy           </source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Copy          </source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>orv::MainToolbar</name>
    <message>
        <source>Delete(Pic. File)</source>
        <translation>Löschen (Bilddatei)</translation>
    </message>
    <message>
        <source>Show prev. picture</source>
        <translation>Vorheriges Bild anzeigen</translation>
    </message>
    <message>
        <source>Show next picture</source>
        <translation>Nächstes Bild anzeigen</translation>
    </message>
    <message>
        <source>Elongate image box</source>
        <translation>Bildrahmen verlängern</translation>
    </message>
    <message>
        <source>De-elongate image box</source>
        <translation>Bildrahmen verkürzen</translation>
    </message>
    <message>
        <source>Widen image box</source>
        <translation>Bildrahmen verbreitern</translation>
    </message>
    <message>
        <source>De-widen image box</source>
        <translation>Bildrahmen verschmälern</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out.(press shift to restore original size)</source>
        <translation>Verkleinern (mit Umschalt zurück zur Originalgröße)</translation>
    </message>
    <message>
        <source>Fit pic. into box(keep in ratios)</source>
        <translation>Bild in den Rahmen einpassen (Seitenverhältnis bleibt)</translation>
    </message>
    <message>
        <source>Stretch pic. to box size(disregard ratios)</source>
        <translation>Bild auf Rahmengröße strecken (Seitenverhältnis egal)</translation>
    </message>
    <message>
        <source>Set box size to full screen</source>
        <translation>Rahmen auf Bildschirmgröße setzen</translation>
    </message>
    <message>
        <source>Run slide show</source>
        <translation>Diaschau starten</translation>
    </message>
    <message>
        <source>List Manager</source>
        <translation>Listenverwaltung</translation>
    </message>
    <message>
        <source>&quot;What&apos;s this&quot; help</source>
        <translation>„Was ist das?“-Hilfe</translation>
    </message>
</context>
<context>
    <name>orv::OpenFolderDialog</name>
    <message>
        <source>Open pic. folder</source>
        <translation>Bildordner öffnen</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>&amp;Add </source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add above files to list </source>
        <translation>Obige Dateien zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Replace </source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Replaces list contents with above files</source>
        <translation>Ersetzt den Inhalt der Liste durch die obigen Dateien</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>orv::PasteToDialog</name>
    <message>
        <source>Paste to folder</source>
        <translation>In Ordner einfügen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>orv::RenameDialog</name>
    <message>
        <source>Rename file</source>
        <translation>Datei umbenennen</translation>
    </message>
    <message>
        <source>Enter the new file name without any extension</source>
        <translation>Geben Sie den neuen Dateinamen ohne Erweiterung ein</translation>
    </message>
</context>
<context>
    <name>orv::SlideForm</name>
    <message>
        <source>Orvanta (Slide show)</source>
        <translation>Orvanta (Diaschau)</translation>
    </message>
    <message>
        <source>The slide show picture.</source>
        <translation>Das Diaschau-Bild.</translation>
    </message>
    <message>
        <source>Show prev. pic.</source>
        <translation>Vorheriges Bild zeigen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Show next pic.</source>
        <translation>Nächstes Bild zeigen</translation>
    </message>
    <message>
        <source>Specified picture file cannot be accessed!!</source>
        <translation>Auf die angegebene Bilddatei kann nicht zugegriffen werden!</translation>
    </message>
</context>
<context>
    <name>orv::SlideOp</name>
    <message>
        <source>SlideShow Options</source>
        <translation>Diaschau-Optionen</translation>
    </message>
    <message>
        <source>Slideshow timer duration.         (Enter a time in sec. from 1 to 15)</source>
        <translation>Dauer pro Bild. (Geben Sie eine Zeit von 1 bis 15 Sekunden ein)</translation>
    </message>
    <message>
        <source> Resolusion Type</source>
        <translation> Auflösungsart</translation>
    </message>
    <message>
        <source>Auto-resolution (best results)</source>
        <translation>Automatische Auflösung (beste Ergebnisse)</translation>
    </message>
    <message>
        <source>The size of the image will be automatically chosen</source>
        <translation>Die Größe des Bildes wird automatisch gewählt</translation>
    </message>
    <message>
        <source>Fit to current box size</source>
        <translation>An aktuelle Rahmengröße anpassen</translation>
    </message>
    <message>
        <source>The pic. will be fit into a box of the size of the current image box</source>
        <translation>Das Bild wird in einen Rahmen von der Größe des aktuellen Bildrahmens eingepasst</translation>
    </message>
    <message>
        <source>True Size (not recommended)</source>
        <translation>Originalgröße (nicht empfohlen)</translation>
    </message>
    <message>
        <source>Use actual pic. size. Can go out of screen size</source>
        <translation>Tatsächliche Bildgröße verwenden. Kann über den Bildschirm hinausragen</translation>
    </message>
    <message>
        <source>Show splash screen</source>
        <translation>Begrüßungsbildschirm anzeigen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>orv::SlideOptions</name>
    <message>
        <source>The &apos;Orvanta.ini&apos; file is missing or corrupted. This file is important to run this program. Press ok and this file will be reinstalled but some of your settings will be reset to its initial values. You press cancel to try solving this problem manually</source>
        <translation>Die Datei &apos;Orvanta.ini&apos; fehlt oder ist beschädigt. Diese Datei ist für den Betrieb des Programms wichtig. Klicken Sie auf OK, um die Datei neu anzulegen; dabei werden einige Ihrer Einstellungen auf ihre Anfangswerte zurückgesetzt. Klicken Sie auf Abbrechen, um das Problem selbst zu lösen</translation>
    </message>
    <message>
        <source>Invalid slideshow timer duration. (Expected a value between 1 &amp; 15)</source>
        <translation>Ungültige Dauer pro Bild. (Erwartet wird ein Wert zwischen 1 und 15)</translation>
    </message>
</context>
<context>
    <name>orv::SortCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reading the pictures&apos; dates and sizes...</source>
        <translation>Datum und Größe der Bilder werden gelesen...</translation>
    </message>
</context>
<context>
    <name>orv::StartupSplash</name>
    <message>
        <source>For %1</source>
        <translation>Für %1</translation>
    </message>
</context>
<context>
    <name>orv::TurnCommands</name>
    <message>
        <source>This picture&apos;s width or height is not a multiple of its %1 x %2 pixel blocks, so it cannot be turned without loss as it is.

Turn it without loss and cut the partial blocks off its edge (%3 x %4 pixels remain)?</source>
        <translation>Breite oder Höhe dieses Bildes ist kein Vielfaches seiner Blöcke von %1 x %2 Pixeln, daher kann es so, wie es ist, nicht verlustfrei gedreht werden.

Es verlustfrei drehen und die angeschnittenen Blöcke am Rand abschneiden (es bleiben %3 x %4 Pixel)?</translation>
    </message>
    <message>
        <source>The turned picture could not be saved; the file is as it was:
%1

%2</source>
        <translation>Das gedrehte Bild konnte nicht gespeichert werden; die Datei ist unverändert:
%1

%2</translation>
    </message>
</context>
<context>
    <name>orv::WelcomeScreen</name>
    <message>
        <source>Click any where or press spacebar to hide/show pictures.</source>
        <translation>Klicken Sie irgendwohin oder drücken Sie die Leertaste, um Bilder aus- oder einzublenden.</translation>
    </message>
    <message>
        <source>Press escape to return to the main window.</source>
        <translation>Drücken Sie Esc, um zum Hauptfenster zurückzukehren.</translation>
    </message>
    <message>
        <source>Press down arrow to pause the show.</source>
        <translation>Drücken Sie die Pfeiltaste nach unten, um die Schau anzuhalten.</translation>
    </message>
    <message>
        <source>Press right arrow to escape this picture to yhe next one.</source>
        <translation>Drücken Sie die Pfeiltaste nach rechts, um zum nächsten Bild zu springen.</translation>
    </message>
    <message>
        <source>Press left arrow to return to previous picture.</source>
        <translation>Drücken Sie die Pfeiltaste nach links, um zum vorherigen Bild zurückzukehren.</translation>
    </message>
    <message>
        <source>Slide show logo</source>
        <translation>Diaschau-Logo</translation>
    </message>
    <message>
        <source> Welcome to the</source>
        <translation> Willkommen bei der</translation>
    </message>
    <message>
        <source>SLIDESHOW</source>
        <translation>DIASCHAU</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again</source>
        <translation>Diesen Bildschirm nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
