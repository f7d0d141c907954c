<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FailureReport</name>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>Its drive has no trash.</source>
        <translation>Son lecteur n&apos;a pas de corbeille.</translation>
    </message>
    <message>
        <source>The trash holds too many files of this name.</source>
        <translation>La corbeille contient trop de fichiers de ce nom.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>It was copied, but the copy could not be flushed to disk (%1); the original was kept.</source>
        <translation>Il a été copié, mais la copie n&apos;a pas pu être écrite sur le disque (%1) ; l&apos;original a été conservé.</translation>
    </message>
    <message>
        <source>It was copied, but the original could not be removed (%1).</source>
        <translation>Il a été copié, mais l&apos;original n&apos;a pas pu être supprimé (%1).</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>FilePaste</name>
    <message>
        <source>Are you sure u want to move this %1 files?</source>
        <translation>Voulez-vous vraiment déplacer ces %1 fichiers ?</translation>
    </message>
    <message>
        <source>This file could not be moved to %1:</source>
        <translation>Ce fichier n&apos;a pas pu être déplacé vers %1 :</translation>
    </message>
    <message>
        <source>These files could not be moved to %1:</source>
        <translation>Ces fichiers n&apos;ont pas pu être déplacés vers %1 :</translation>
    </message>
    <message>
        <source>This file could not be copied to %1:</source>
        <translation>Ce fichier n&apos;a pas pu être copié vers %1 :</translation>
    </message>
    <message>
        <source>These files could not be copied to %1:</source>
        <translation>Ces fichiers n&apos;ont pas pu être copiés vers %1 :</translation>
    </message>
    <message>
        <source>%1 could not be moved to the trash to make room: %2</source>
        <translation>%1 n&apos;a pas pu être mis à la corbeille pour faire de la place : %2</translation>
    </message>
    <message>
        <source>A file of this name appeared in the folder meanwhile.</source>
        <translation>Un fichier de ce nom est apparu entre-temps dans le dossier.</translation>
    </message>
    <message>
        <source>A file of this name is already in %1, or is pasted twice:</source>
        <translation>Un fichier de ce nom se trouve déjà dans %1, ou est collé deux fois :</translation>
    </message>
    <message>
        <source>Files of these %2 names are already in %1, or are pasted twice:</source>
        <translation>Des fichiers de ces %2 noms se trouvent déjà dans %1, ou sont collés deux fois :</translation>
    </message>
    <message>
        <source>

Replace: the files there go to the trash.
Keep both: the pasted files take free names, such as &quot;%1&quot;.
Skip: these files are not pasted.</source>
        <translation>

Remplacer : les fichiers déjà présents vont à la corbeille.
Garder les deux : les fichiers collés prennent des noms libres, comme &quot;%1&quot;.
Ignorer : ces fichiers ne sont pas collés.</translation>
    </message>
</context>
<context>
    <name>FileProperties</name>
    <message>
        <source>%1  KB  (%2) Bytes.</source>
        <translation>%1  Ko  (%2) octets.</translation>
    </message>
</context>
<context>
    <name>GifTurn</name>
    <message>
        <source>The GIF picture cannot be read: %1</source>
        <translation>Impossible de lire l&apos;image GIF : %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Cannot open the help file %1:
%2</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide %1 :
%2</translation>
    </message>
</context>
<context>
    <name>ListFileReader</name>
    <message>
        <source>The list file %1 is too large: it would hold more than %2 pictures. It was not opened.</source>
        <translation>Le fichier de liste %1 est trop volumineux : il contiendrait plus de %2 images. Il n&apos;a pas été ouvert.</translation>
    </message>
</context>
<context>
    <name>ListFileWriter</name>
    <message>
        <source>The list could not be saved to %1.
%2
The file was not changed.</source>
        <translation>La liste n&apos;a pas pu être enregistrée dans %1.
%2
Le fichier n&apos;a pas été modifié.</translation>
    </message>
</context>
<context>
    <name>OpenFolderCommands</name>
    <message>
        <source>Click the empty &apos;Image Box&apos; to display the first picture.</source>
        <translation>Cliquez sur le cadre d&apos;image vide pour afficher la première image.</translation>
    </message>
    <message>
        <source>That was the last picture in this list.</source>
        <translation>C&apos;était la dernière image de cette liste.</translation>
    </message>
    <message>
        <source>Click anywhere to show next picture</source>
        <translation>Cliquez n&apos;importe où pour afficher l&apos;image suivante</translation>
    </message>
    <message>
        <source>this folder has no picture files</source>
        <translation>ce dossier ne contient aucun fichier image</translation>
    </message>
</context>
<context>
    <name>PictureFacts</name>
    <message>
        <source>%1 bits a pixel (palette)</source>
        <translation>%1 bits par pixel (palette)</translation>
    </message>
    <message>
        <source>%1 bits (grey)</source>
        <translation>%1 bits (niveaux de gris)</translation>
    </message>
    <message>
        <source>%1 bits (alpha)</source>
        <translation>%1 bits (alpha)</translation>
    </message>
    <message>
        <source>%1 bits a channel</source>
        <translation>%1 bits par canal</translation>
    </message>
    <message>
        <source>%1 bits a pixel</source>
        <translation>%1 bits par pixel</translation>
    </message>
    <message>
        <source>Picture size:</source>
        <translation>Taille de l&apos;image :</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Bit depth:</source>
        <translation>Profondeur de couleur :</translation>
    </message>
    <message>
        <source>Colour profile:</source>
        <translation>Profil de couleur :</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Images animées :</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Appareil photo :</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Objectif :</translation>
    </message>
    <message>
        <source>Taken:</source>
        <translation>Prise le :</translation>
    </message>
    <message>
        <source>Exposure time:</source>
        <translation>Temps d&apos;exposition :</translation>
    </message>
    <message>
        <source>F-number:</source>
        <translation>Ouverture :</translation>
    </message>
    <message>
        <source>ISO:</source>
        <translation>ISO :</translation>
    </message>
    <message>
        <source>Focal length:</source>
        <translation>Focale :</translation>
    </message>
    <message>
        <source>GPS position:</source>
        <translation>Position GPS :</translation>
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
        <translation>Métafichiers</translation>
    </message>
    <message>
        <source>GIF Files</source>
        <translation>Fichiers GIF</translation>
    </message>
    <message>
        <source>JPEG files</source>
        <translation>Fichiers JPEG</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>PNG files</source>
        <translation>Fichiers PNG</translation>
    </message>
    <message>
        <source>WebP files</source>
        <translation>Fichiers WebP</translation>
    </message>
    <message>
        <source>TIFF files</source>
        <translation>Fichiers TIFF</translation>
    </message>
    <message>
        <source>AVIF files</source>
        <translation>Fichiers AVIF</translation>
    </message>
    <message>
        <source>HEIF files</source>
        <translation>Fichiers HEIF</translation>
    </message>
    <message>
        <source>JPEG XL files</source>
        <translation>Fichiers JPEG XL</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>Dessins SVG</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>All picture files</source>
        <translation>Tous les fichiers image</translation>
    </message>
</context>
<context>
    <name>QtMessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>&amp;Garder les deux</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
</context>
<context>
    <name>RenameRules</name>
    <message>
        <source>A file name must be entered</source>
        <translation>Un nom de fichier doit être saisi</translation>
    </message>
    <message>
        <source>Invalid file name. no &apos;.&apos; are allowed within a file name</source>
        <translation>Nom de fichier non valide. Un nom de fichier ne peut pas contenir de &apos;.&apos;</translation>
    </message>
    <message>
        <source>control characters</source>
        <translation>des caractères de contrôle</translation>
    </message>
    <message>
        <source>Invalid file name. A file name cannot contain %1</source>
        <translation>Nom de fichier non valide. Un nom de fichier ne peut pas contenir %1</translation>
    </message>
    <message>
        <source>Invalid file name. The name is too long</source>
        <translation>Nom de fichier non valide. Le nom est trop long</translation>
    </message>
</context>
<context>
    <name>SecondListFiles</name>
    <message>
        <source>pic. list(*.pvl)|*.pvl</source>
        <translation>liste d&apos;images (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>pic. list (*.pvl)|*.pvl</source>
        <translation>liste d&apos;images (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>unable to load file</source>
        <translation>impossible de charger le fichier </translation>
    </message>
    <message>
        <source>This list is empty.</source>
        <translation>Cette liste est vide.</translation>
    </message>
    <message>
        <source>Cancel saving file</source>
        <translation>Enregistrement annulé : </translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>It is larger than a settings file can be.</source>
        <translation>Il est plus grand qu&apos;un fichier de paramètres ne peut l&apos;être.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be saved.
%2</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être enregistré.
%2</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read.
%2</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être lu.
%2</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read.
%2
It is left as it is; the program goes on with the initial settings and does not save changes to them.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être lu.
%2
Il est laissé tel quel ; le programme continue avec les paramètres initiaux et n&apos;enregistre pas leurs modifications.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written.
%2
The program goes on with the initial settings; changes to them are not kept after it ends.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être écrit.
%2
Le programme continue avec les paramètres initiaux ; leurs modifications ne seront pas conservées après sa fermeture.</translation>
    </message>
</context>
<context>
    <name>ShellDelete</name>
    <message>
        <source>This file cannot be moved to the trash: its drive has no trash.

%1

Delete it for good? It cannot be restored.</source>
        <translation>Ce fichier ne peut pas être mis à la corbeille : son lecteur n&apos;a pas de corbeille.

%1

Le supprimer définitivement ? Il ne pourra pas être restauré.</translation>
    </message>
    <message>
        <source>These %1 files cannot be moved to the trash: their drive has no trash.

%2

Delete them for good? They cannot be restored.</source>
        <translation>Ces %1 fichiers ne peuvent pas être mis à la corbeille : leur lecteur n&apos;a pas de corbeille.

%2

Les supprimer définitivement ? Ils ne pourront pas être restaurés.</translation>
    </message>
    <message>
        <source>Delete this file for good? It cannot be restored.</source>
        <translation>Supprimer définitivement ce fichier ? Il ne pourra pas être restauré.</translation>
    </message>
    <message>
        <source>Delete these %1 files for good? They cannot be restored.</source>
        <translation>Supprimer définitivement ces %1 fichiers ? Ils ne pourront pas être restaurés.</translation>
    </message>
    <message>
        <source>Move this file to the trash?</source>
        <translation>Mettre ce fichier à la corbeille ?</translation>
    </message>
    <message>
        <source>Move these %1 files to the trash?</source>
        <translation>Mettre ces %1 fichiers à la corbeille ?</translation>
    </message>
    <message>
        <source>This file could not be deleted:</source>
        <translation>Ce fichier n&apos;a pas pu être supprimé :</translation>
    </message>
    <message>
        <source>These files could not be deleted:</source>
        <translation>Ces fichiers n&apos;ont pas pu être supprimés :</translation>
    </message>
    <message>
        <source>This file could not be moved to the trash:</source>
        <translation>Ce fichier n&apos;a pas pu être mis à la corbeille :</translation>
    </message>
    <message>
        <source>These files could not be moved to the trash:</source>
        <translation>Ces fichiers n&apos;ont pas pu être mis à la corbeille :</translation>
    </message>
</context>
<context>
    <name>TurnSave</name>
    <message>
        <source>Turns are saved only into JPEG, PNG, BMP, TIFF and still GIF pictures.</source>
        <translation>Les rotations ne s&apos;enregistrent que dans les images JPEG, PNG, BMP, TIFF et GIF non animées.</translation>
    </message>
</context>
<context>
    <name>orv::AboutBox</name>
    <message>
        <source>About Orvanta.</source>
        <translation>À propos d&apos;Orvanta</translation>
    </message>
    <message>
        <source>Orvanta&apos;s icon</source>
        <translation>Icône d&apos;Orvanta</translation>
    </message>
    <message>
        <source>Orvanta shows your pictures one at a time, fitted, stretched or zoomed, plays them as a slideshow and keeps them in lists you can save.</source>
        <translation>Orvanta affiche vos images une par une, ajustées, étirées ou agrandies, les présente en diaporama et les range dans des listes que vous pouvez enregistrer.</translation>
    </message>
    <message>
        <source>Warning: this program comes with no warranty of any kind.</source>
        <translation>Avertissement : ce programme est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>orv::BoxTools</name>
    <message>
        <source>Zoom is not allowed while displaying a picture in &apos;Stretch&apos; or &apos;Fit to box&apos; mode !!</source>
        <translation>Le zoom n&apos;est pas possible lorsqu&apos;une image est affichée en mode « Étirer » ou « Ajuster au cadre » !</translation>
    </message>
</context>
<context>
    <name>orv::DesktopCommands</name>
    <message>
        <source>This file cannot be found, so its folder cannot be shown:
</source>
        <translation>Ce fichier est introuvable, son dossier ne peut donc pas être affiché :
</translation>
    </message>
    <message>
        <source>No file manager could be started to show this file:
</source>
        <translation>Aucun gestionnaire de fichiers n&apos;a pu être lancé pour afficher ce fichier :
</translation>
    </message>
</context>
<context>
    <name>orv::DisplayEngine</name>
    <message>
        <source>Click anywhere to hide this picture.</source>
        <translation>Cliquez n&apos;importe où pour masquer cette image.</translation>
    </message>
    <message>
        <source>That was the last picture in this list.</source>
        <translation>C&apos;était la dernière image de cette liste.</translation>
    </message>
    <message>
        <source>Specified picture file cannot be accessed!!</source>
        <translation>Impossible d&apos;accéder au fichier image indiqué !</translation>
    </message>
    <message>
        <source>Click anywhere to show back the picture.</source>
        <translation>Cliquez n&apos;importe où pour afficher à nouveau l&apos;image.</translation>
    </message>
    <message>
        <source>The pictures&apos; list is empty.(No pictures to display.)</source>
        <translation>La liste d&apos;images est vide. (Aucune image à afficher.)</translation>
    </message>
</context>
<context>
    <name>orv::FileCommands</name>
    <message>
        <source>No files selected to delete.</source>
        <translation>Aucun fichier sélectionné à supprimer.</translation>
    </message>
    <message>
        <source>One file must be chosen to be renamed.</source>
        <translation>Un seul fichier doit être choisi pour être renommé.</translation>
    </message>
    <message>
        <source>Cannot rename the file to </source>
        <translation>Impossible de renommer le fichier en </translation>
    </message>
    <message>
        <source>.This file already exists</source>
        <translation>. Ce fichier existe déjà</translation>
    </message>
    <message>
        <source>This file could not be renamed:</source>
        <translation>Ce fichier n&apos;a pas pu être renommé :</translation>
    </message>
    <message>
        <source>This file cannot be found, so its properties cannot be shown:
</source>
        <translation>Ce fichier est introuvable, ses propriétés ne peuvent donc pas être affichées :
</translation>
    </message>
</context>
<context>
    <name>orv::FilePropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Full Path:</source>
        <translation>Chemin complet :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Created/Modified on:</source>
        <translation>Créé/modifié le :</translation>
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
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>This folder cannot be read:
</source>
        <translation>Ce dossier ne peut pas être lu :
</translation>
    </message>
    <message>
        <source>Drive is not ready!!</source>
        <translation>Le lecteur n&apos;est pas prêt !</translation>
    </message>
</context>
<context>
    <name>orv::Form1</name>
    <message>
        <source>pic.&apos;s list</source>
        <translation>liste des images</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Ouvrir la liste</translation>
    </message>
    <message>
        <source>Current pic.&apos;s count in the list</source>
        <translation>Numéro de l&apos;image courante dans la liste</translation>
    </message>
    <message>
        <source>Welcome. Open or make a pictures list to start.</source>
        <translation>Bienvenue. Ouvrez ou créez une liste d&apos;images pour commencer.</translation>
    </message>
    <message>
        <source>Bad command line argument</source>
        <translation>Argument de ligne de commande incorrect</translation>
    </message>
    <message>
        <source>You are going to end your session with ME!!</source>
        <translation>Vous êtes sur le point de terminer votre session avec MOI !</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Pic. &amp;File(s)</source>
        <translation>&amp;Fichier(s) image</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Pic. Folde&amp;r</source>
        <translation>&amp;Dossier d&apos;images</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nouvelle liste</translation>
    </message>
    <message>
        <source>&amp;Save list</source>
        <translation>&amp;Enregistrer la liste</translation>
    </message>
    <message>
        <source>Save list &amp;As</source>
        <translation>Enregistrer la liste &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Delete file</source>
        <translation>Su&amp;pprimer le fichier</translation>
    </message>
    <message>
        <source>&amp;Rename file</source>
        <translation>&amp;Renommer le fichier</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>Propri&amp;étés</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Tout sé&amp;lectionner</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Inverser la sélection</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>Fit to &amp;Box</source>
        <translation>&amp;Ajuster au cadre</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>É&amp;tirer</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Plein &amp;écran</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Run slide show</source>
        <translation>Lancer le &amp;diaporama</translation>
    </message>
    <message>
        <source>Slide show &amp;options</source>
        <translation>&amp;Options du diaporama</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>Par &amp;nom</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Mélanger</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>&amp;Personnaliser</translation>
    </message>
    <message>
        <source>&amp;Open lisl manager</source>
        <translation>&amp;Ouvrir le gestionnaire de listes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;What&apos;s this?</source>
        <translation>&amp;Qu&apos;est-ce que c&apos;est ?</translation>
    </message>
    <message>
        <source>Bug report</source>
        <translation>Signaler un bogue</translation>
    </message>
    <message>
        <source>&amp;About Orvanta...</source>
        <translation>À &amp;propos d&apos;Orvanta...</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Open lisl manger</source>
        <translation>&amp;Ouvrir le gestionnaire de listes</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>By date &amp;taken</source>
        <translation>Par date de prise de &amp;vue</translation>
    </message>
    <message>
        <source>Sort the list by the date each photo was taken</source>
        <translation>Trier la liste selon la date de prise de vue de chaque photo</translation>
    </message>
    <message>
        <source>By date &amp;modified</source>
        <translation>Par date de m&amp;odification</translation>
    </message>
    <message>
        <source>Sort the list by the date each file was last changed</source>
        <translation>Trier la liste selon la date de dernière modification de chaque fichier</translation>
    </message>
    <message>
        <source>By si&amp;ze</source>
        <translation>Par &amp;taille</translation>
    </message>
    <message>
        <source>Sort the list by file size, smallest first</source>
        <translation>Trier la liste selon la taille des fichiers, le plus petit d&apos;abord</translation>
    </message>
    <message>
        <source>By t&amp;ype</source>
        <translation>Par t&amp;ype</translation>
    </message>
    <message>
        <source>Sort the list by file type (the name&apos;s extension)</source>
        <translation>Trier la liste selon le type de fichier (l&apos;extension du nom)</translation>
    </message>
    <message>
        <source>Rotate &amp;left</source>
        <translation>Faire pivoter à &amp;gauche</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn to the left</source>
        <translation>Faire pivoter l&apos;image d&apos;un quart de tour vers la gauche</translation>
    </message>
    <message>
        <source>Rotate &amp;right</source>
        <translation>Faire pivoter à &amp;droite</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn to the right</source>
        <translation>Faire pivoter l&apos;image d&apos;un quart de tour vers la droite</translation>
    </message>
    <message>
        <source>Flip &amp;horizontally</source>
        <translation>Retourner &amp;horizontalement</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Inverser l&apos;image de gauche à droite</translation>
    </message>
    <message>
        <source>Flip &amp;vertically</source>
        <translation>Retourner &amp;verticalement</translation>
    </message>
    <message>
        <source>Mirror the picture top to bottom</source>
        <translation>Inverser l&apos;image de haut en bas</translation>
    </message>
    <message>
        <source>Save &amp;turned picture</source>
        <translation>Enregistrer l&apos;image &amp;pivotée</translation>
    </message>
    <message>
        <source>Write the picture&apos;s turn into its file, without loss</source>
        <translation>Écrire la rotation de l&apos;image dans son fichier, sans perte</translation>
    </message>
</context>
<context>
    <name>orv::HelpWindow</name>
    <message>
        <source>Orvanta Help</source>
        <translation>Aide d&apos;Orvanta</translation>
    </message>
</context>
<context>
    <name>orv::ImageBoxView</name>
    <message>
        <source>The picture.</source>
        <translation>L&apos;image.</translation>
    </message>
    <message>
        <source>The picture box.</source>
        <translation>Le cadre d&apos;image.</translation>
    </message>
</context>
<context>
    <name>orv::ListFileCommands</name>
    <message>
        <source>pic. list(*.pvl)|*.pvl</source>
        <translation>liste d&apos;images (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>pic. list (*.pvl)|*.pvl</source>
        <translation>liste d&apos;images (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>This list no longer exists</source>
        <translation>Cette liste n&apos;existe plus</translation>
    </message>
    <message>
        <source>unable to load file</source>
        <translation>impossible de charger le fichier </translation>
    </message>
    <message>
        <source>Click the picture box to show first pic.</source>
        <translation>Cliquez sur le cadre d&apos;image pour afficher la première image.</translation>
    </message>
    <message>
        <source>This list is empty.</source>
        <translation>Cette liste est vide.</translation>
    </message>
    <message>
        <source>Cancel saving file</source>
        <translation>Enregistrement annulé : </translation>
    </message>
</context>
<context>
    <name>orv::ListForm</name>
    <message>
        <source>Orvanta (List Manager)</source>
        <translation>Orvanta (gestionnaire de listes)</translation>
    </message>
    <message>
        <source>Main list</source>
        <translation>Liste principale</translation>
    </message>
    <message>
        <source>Second list</source>
        <translation>Deuxième liste</translation>
    </message>
    <message>
        <source>Second list folders</source>
        <translation>Dossiers de la deuxième liste</translation>
    </message>
    <message>
        <source>Move selected files up</source>
        <translation>Monter les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Move selected files down.</source>
        <translation>Descendre les fichiers sélectionnés.</translation>
    </message>
    <message>
        <source>Exit and LOSE any unsaved changes??</source>
        <translation>Quitter et PERDRE toutes les modifications non enregistrées ?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;New list</source>
        <translation>Ouvrir une &amp;nouvelle liste</translation>
    </message>
    <message>
        <source>Open &amp;another list</source>
        <translation>Ouvrir une &amp;autre liste</translation>
    </message>
    <message>
        <source>Save &amp;main list</source>
        <translation>Enregistrer la liste &amp;principale</translation>
    </message>
    <message>
        <source>Save main list &amp;as</source>
        <translation>Enregistrer la liste principale &amp;sous</translation>
    </message>
    <message>
        <source>Save secon&amp;d list</source>
        <translation>Enregistrer la &amp;deuxième liste</translation>
    </message>
    <message>
        <source>Save seco&amp;nd list as</source>
        <translation>Enregistrer la deuxième liste so&amp;us</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>To &amp;main list</source>
        <translation>Dans la liste &amp;principale</translation>
    </message>
    <message>
        <source>To &amp;second list</source>
        <translation>Dans la &amp;deuxième liste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>Par &amp;nom</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Mélanger</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Vers le h&amp;aut</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Tout sé&amp;lectionner</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Inverser la sélection</translation>
    </message>
    <message>
        <source>&amp;Copy           </source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Copy          </source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>orv::MainToolbar</name>
    <message>
        <source>Delete(Pic. File)</source>
        <translation>Supprimer (fichier image)</translation>
    </message>
    <message>
        <source>Show prev. picture</source>
        <translation>Afficher l&apos;image précédente</translation>
    </message>
    <message>
        <source>Show next picture</source>
        <translation>Afficher l&apos;image suivante</translation>
    </message>
    <message>
        <source>Elongate image box</source>
        <translation>Allonger le cadre d&apos;image</translation>
    </message>
    <message>
        <source>De-elongate image box</source>
        <translation>Raccourcir le cadre d&apos;image</translation>
    </message>
    <message>
        <source>Widen image box</source>
        <translation>Élargir le cadre d&apos;image</translation>
    </message>
    <message>
        <source>De-widen image box</source>
        <translation>Rétrécir le cadre d&apos;image</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out.(press shift to restore original size)</source>
        <translation>Zoom arrière (Maj pour revenir à la taille d&apos;origine)</translation>
    </message>
    <message>
        <source>Fit pic. into box(keep in ratios)</source>
        <translation>Ajuster l&apos;image au cadre (proportions conservées)</translation>
    </message>
    <message>
        <source>Stretch pic. to box size(disregard ratios)</source>
        <translation>Étirer l&apos;image à la taille du cadre (proportions ignorées)</translation>
    </message>
    <message>
        <source>Set box size to full screen</source>
        <translation>Cadre en plein écran</translation>
    </message>
    <message>
        <source>Run slide show</source>
        <translation>Lancer le diaporama</translation>
    </message>
    <message>
        <source>List Manager</source>
        <translation>Gestionnaire de listes</translation>
    </message>
    <message>
        <source>&quot;What&apos;s this&quot; help</source>
        <translation>Aide « Qu&apos;est-ce que c&apos;est ? »</translation>
    </message>
</context>
<context>
    <name>orv::OpenFolderDialog</name>
    <message>
        <source>Open pic. folder</source>
        <translation>Ouvrir un dossier d&apos;images</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>&amp;Add </source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add above files to list </source>
        <translation>Ajouter les fichiers ci-dessus à la liste</translation>
    </message>
    <message>
        <source>&amp;Replace </source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Replaces list contents with above files</source>
        <translation>Remplace le contenu de la liste par les fichiers ci-dessus</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>orv::PasteToDialog</name>
    <message>
        <source>Paste to folder</source>
        <translation>Coller dans le dossier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
</context>
<context>
    <name>orv::RenameDialog</name>
    <message>
        <source>Rename file</source>
        <translation>Renommer le fichier</translation>
    </message>
    <message>
        <source>Enter the new file name without any extension</source>
        <translation>Saisissez le nouveau nom de fichier sans extension</translation>
    </message>
</context>
<context>
    <name>orv::SlideForm</name>
    <message>
        <source>Orvanta (Slide show)</source>
        <translation>Orvanta (diaporama)</translation>
    </message>
    <message>
        <source>The slide show picture.</source>
        <translation>L&apos;image du diaporama.</translation>
    </message>
    <message>
        <source>Show prev. pic.</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Show next pic.</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Specified picture file cannot be accessed!!</source>
        <translation>Impossible d&apos;accéder au fichier image indiqué !</translation>
    </message>
</context>
<context>
    <name>orv::SlideOp</name>
    <message>
        <source>SlideShow Options</source>
        <translation>Options du diaporama</translation>
    </message>
    <message>
        <source>Slideshow timer duration.         (Enter a time in sec. from 1 to 15)</source>
        <translation>Durée d&apos;affichage de chaque image. (Saisissez une durée de 1 à 15 secondes)</translation>
    </message>
    <message>
        <source> Resolusion Type</source>
        <translation> Type de résolution</translation>
    </message>
    <message>
        <source>Auto-resolution (best results)</source>
        <translation>Résolution automatique (meilleurs résultats)</translation>
    </message>
    <message>
        <source>The size of the image will be automatically chosen</source>
        <translation>La taille de l&apos;image sera choisie automatiquement</translation>
    </message>
    <message>
        <source>Fit to current box size</source>
        <translation>Ajuster à la taille actuelle du cadre</translation>
    </message>
    <message>
        <source>The pic. will be fit into a box of the size of the current image box</source>
        <translation>L&apos;image sera ajustée dans un cadre de la taille du cadre d&apos;image actuel</translation>
    </message>
    <message>
        <source>True Size (not recommended)</source>
        <translation>Taille réelle (déconseillé)</translation>
    </message>
    <message>
        <source>Use actual pic. size. Can go out of screen size</source>
        <translation>Utiliser la taille réelle de l&apos;image. Peut dépasser l&apos;écran</translation>
    </message>
    <message>
        <source>Show splash screen</source>
        <translation>Afficher l&apos;écran d&apos;accueil</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>orv::SlideOptions</name>
    <message>
        <source>The &apos;Orvanta.ini&apos; file is missing or corrupted. This file is important to run this program. Press ok and this file will be reinstalled but some of your settings will be reset to its initial values. You press cancel to try solving this problem manually</source>
        <translation>Le fichier &apos;Orvanta.ini&apos; est absent ou endommagé. Ce fichier est nécessaire au fonctionnement du programme. Cliquez sur OK pour le réinstaller ; certains de vos paramètres reprendront leurs valeurs initiales. Cliquez sur Annuler pour résoudre ce problème vous-même</translation>
    </message>
    <message>
        <source>Invalid slideshow timer duration. (Expected a value between 1 &amp; 15)</source>
        <translation>Durée du diaporama non valide. (Valeur attendue entre 1 et 15)</translation>
    </message>
</context>
<context>
    <name>orv::SortCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reading the pictures&apos; dates and sizes...</source>
        <translation>Lecture des dates et des tailles des images...</translation>
    </message>
</context>
<context>
    <name>orv::StartupSplash</name>
    <message>
        <source>For %1</source>
        <translation>Pour %1</translation>
    </message>
</context>
<context>
    <name>orv::TurnCommands</name>
    <message>
        <source>This picture&apos;s width or height is not a multiple of its %1 x %2 pixel blocks, so it cannot be turned without loss as it is.

Turn it without loss and cut the partial blocks off its edge (%3 x %4 pixels remain)?</source>
        <translation>La largeur ou la hauteur de cette image n&apos;est pas un multiple de ses blocs de %1 x %2 pixels : elle ne peut donc pas être pivotée sans perte telle quelle.

La faire pivoter sans perte en coupant les blocs incomplets de son bord (il restera %3 x %4 pixels) ?</translation>
    </message>
    <message>
        <source>The turned picture could not be saved; the file is as it was:
%1

%2</source>
        <translation>L&apos;image pivotée n&apos;a pas pu être enregistrée ; le fichier est resté tel quel :
%1

%2</translation>
    </message>
</context>
<context>
    <name>orv::WelcomeScreen</name>
    <message>
        <source>Click any where or press spacebar to hide/show pictures.</source>
        <translation>Cliquez n&apos;importe où ou appuyez sur Espace pour masquer ou afficher les images.</translation>
    </message>
    <message>
        <source>Press escape to return to the main window.</source>
        <translation>Appuyez sur Échap pour revenir à la fenêtre principale.</translation>
    </message>
    <message>
        <source>Press down arrow to pause the show.</source>
        <translation>Appuyez sur la flèche vers le bas pour mettre le diaporama en pause.</translation>
    </message>
    <message>
        <source>Press right arrow to escape this picture to yhe next one.</source>
        <translation>Appuyez sur la flèche droite pour passer à l&apos;image suivante.</translation>
    </message>
    <message>
        <source>Press left arrow to return to previous picture.</source>
        <translation>Appuyez sur la flèche gauche pour revenir à l&apos;image précédente.</translation>
    </message>
    <message>
        <source>Slide show logo</source>
        <translation>Logo du diaporama</translation>
    </message>
    <message>
        <source> Welcome to the</source>
        <translation> Bienvenue dans le</translation>
    </message>
    <message>
        <source>SLIDESHOW</source>
        <translation>DIAPORAMA</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again</source>
        <translation>Ne plus afficher cet écran</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
