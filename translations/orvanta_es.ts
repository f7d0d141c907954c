<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FailureReport</name>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>Its drive has no trash.</source>
        <translation>Su unidad no tiene papelera.</translation>
    </message>
    <message>
        <source>The trash holds too many files of this name.</source>
        <translation>La papelera contiene demasiados archivos con este nombre.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>It was copied, but the copy could not be flushed to disk (%1); the original was kept.</source>
        <translation>Se copió, pero la copia no se pudo escribir en el disco (%1); se conservó el original.</translation>
    </message>
    <message>
        <source>It was copied, but the original could not be removed (%1).</source>
        <translation>Se copió, pero no se pudo eliminar el original (%1).</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>No se indicó ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>FilePaste</name>
    <message>
        <source>Are you sure u want to move this %1 files?</source>
        <translation>¿Seguro que desea mover estos %1 archivos?</translation>
    </message>
    <message>
        <source>This file could not be moved to %1:</source>
        <translation>Este archivo no se pudo mover a %1:</translation>
    </message>
    <message>
        <source>These files could not be moved to %1:</source>
        <translation>Estos archivos no se pudieron mover a %1:</translation>
    </message>
    <message>
        <source>This file could not be copied to %1:</source>
        <translation>Este archivo no se pudo copiar a %1:</translation>
    </message>
    <message>
        <source>These files could not be copied to %1:</source>
        <translation>Estos archivos no se pudieron copiar a %1:</translation>
    </message>
    <message>
        <source>%1 could not be moved to the trash to make room: %2</source>
        <translation>No se pudo enviar %1 a la papelera para dejar sitio: %2</translation>
    </message>
    <message>
        <source>A file of this name appeared in the folder meanwhile.</source>
        <translation>Mientras tanto apareció en la carpeta un archivo con este nombre.</translation>
    </message>
    <message>
        <source>A file of this name is already in %1, or is pasted twice:</source>
        <translation>Ya hay un archivo con este nombre en %1, o se pega dos veces:</translation>
    </message>
    <message>
        <source>Files of these %2 names are already in %1, or are pasted twice:</source>
        <translation>Ya hay archivos con estos %2 nombres en %1, o se pegan dos veces:</translation>
    </message>
    <message>
        <source>

Replace: the files there go to the trash.
Keep both: the pasted files take free names, such as &quot;%1&quot;.
Skip: these files are not pasted.</source>
        <translation>

Reemplazar: los archivos que ya están allí van a la papelera.
Conservar ambos: los archivos pegados toman nombres libres, como &quot;%1&quot;.
Omitir: estos archivos no se pegan.</translation>
    </message>
</context>
<context>
    <name>FileProperties</name>
    <message>
        <source>%1  KB  (%2) Bytes.</source>
        <translation>%1  KB  (%2) bytes.</translation>
    </message>
</context>
<context>
    <name>GifTurn</name>
    <message>
        <source>The GIF picture cannot be read: %1</source>
        <translation>No se puede leer la imagen GIF: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Cannot open the help file %1:
%2</source>
        <translation>No se puede abrir el archivo de ayuda %1:
%2</translation>
    </message>
</context>
<context>
    <name>ListFileReader</name>
    <message>
        <source>The list file %1 is too large: it would hold more than %2 pictures. It was not opened.</source>
        <translation>El archivo de lista %1 es demasiado grande: contendría más de %2 imágenes. No se abrió.</translation>
    </message>
</context>
<context>
    <name>ListFileWriter</name>
    <message>
        <source>The list could not be saved to %1.
%2
The file was not changed.</source>
        <translation>No se pudo guardar la lista en %1.
%2
El archivo no se modificó.</translation>
    </message>
</context>
<context>
    <name>OpenFolderCommands</name>
    <message>
        <source>Click the empty &apos;Image Box&apos; to display the first picture.</source>
        <translation>Haga clic en el cuadro de imagen vacío para mostrar la primera imagen.</translation>
    </message>
    <message>
        <source>That was the last picture in this list.</source>
        <translation>Esa era la última imagen de esta lista.</translation>
    </message>
    <message>
        <source>Click anywhere to show next picture</source>
        <translation>Haga clic en cualquier lugar para mostrar la siguiente imagen</translation>
    </message>
    <message>
        <source>this folder has no picture files</source>
        <translation>esta carpeta no tiene archivos de imagen</translation>
    </message>
</context>
<context>
    <name>PictureFacts</name>
    <message>
        <source>%1 bits a pixel (palette)</source>
        <translation>%1 bits por píxel (paleta)</translation>
    </message>
    <message>
        <source>%1 bits (grey)</source>
        <translation>%1 bits (escala de grises)</translation>
    </message>
    <message>
        <source>%1 bits (alpha)</source>
        <translation>%1 bits (alfa)</translation>
    </message>
    <message>
        <source>%1 bits a channel</source>
        <translation>%1 bits por canal</translation>
    </message>
    <message>
        <source>%1 bits a pixel</source>
        <translation>%1 bits por píxel</translation>
    </message>
    <message>
        <source>Picture size:</source>
        <translation>Tamaño de la imagen:</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 píxeles</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Bit depth:</source>
        <translation>Profundidad de bits:</translation>
    </message>
    <message>
        <source>Colour profile:</source>
        <translation>Perfil de color:</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Fotogramas:</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Cámara:</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Objetivo:</translation>
    </message>
    <message>
        <source>Taken:</source>
        <translation>Tomada:</translation>
    </message>
    <message>
        <source>Exposure time:</source>
        <translation>Tiempo de exposición:</translation>
    </message>
    <message>
        <source>F-number:</source>
        <translation>Número f:</translation>
    </message>
    <message>
        <source>ISO:</source>
        <translation>ISO:</translation>
    </message>
    <message>
        <source>Focal length:</source>
        <translation>Distancia focal:</translation>
    </message>
    <message>
        <source>GPS position:</source>
        <translation>Posición GPS:</translation>
    </message>
</context>
<context>
    <name>PictureFileTypes</name>
    <message>
        <source>Bitmaps</source>
        <translation>Mapas de bits</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>Metarchivos</translation>
    </message>
    <message>
        <source>GIF Files</source>
        <translation>Archivos GIF</translation>
    </message>
    <message>
        <source>JPEG files</source>
        <translation>Archivos JPEG</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Iconos</translation>
    </message>
    <message>
        <source>PNG files</source>
        <translation>Archivos PNG</translation>
    </message>
    <message>
        <source>WebP files</source>
        <translation>Archivos WebP</translation>
    </message>
    <message>
        <source>TIFF files</source>
        <translation>Archivos TIFF</translation>
    </message>
    <message>
        <source>AVIF files</source>
        <translation>Archivos AVIF</translation>
    </message>
    <message>
        <source>HEIF files</source>
        <translation>Archivos HEIF</translation>
    </message>
    <message>
        <source>JPEG XL files</source>
        <translation>Archivos JPEG XL</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>Dibujos SVG</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>All picture files</source>
        <translation>Todos los archivos de imagen</translation>
    </message>
</context>
<context>
    <name>QtMessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>&amp;Conservar ambos</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
</context>
<context>
    <name>RenameRules</name>
    <message>
        <source>A file name must be entered</source>
        <translation>Debe escribir un nombre de archivo</translation>
    </message>
    <message>
        <source>Invalid file name. no &apos;.&apos; are allowed within a file name</source>
        <translation>Nombre de archivo no válido. No se permiten &apos;.&apos; en un nombre de archivo</translation>
    </message>
    <message>
        <source>control characters</source>
        <translation>caracteres de control</translation>
    </message>
    <message>
        <source>Invalid file name. A file name cannot contain %1</source>
        <translation>Nombre de archivo no válido. Un nombre de archivo no puede contener %1</translation>
    </message>
    <message>
        <source>Invalid file name. The name is too long</source>
        <translation>Nombre de archivo no válido. El nombre es demasiado largo</translation>
    </message>
</context>
<context>
    <name>SecondListFiles</name>
    <message>
        <source>pic. list(*.pvl)|*.pvl</source>
        <translation>lista de imágenes (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>pic. list (*.pvl)|*.pvl</source>
        <translation>lista de imágenes (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>unable to load file</source>
        <translation>no se puede cargar el archivo </translation>
    </message>
    <message>
        <source>This list is empty.</source>
        <translation>Esta lista está vacía.</translation>
    </message>
    <message>
        <source>Cancel saving file</source>
        <translation>Se canceló el guardado del archivo </translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>It is larger than a settings file can be.</source>
        <translation>Es más grande de lo que puede ser un archivo de configuración.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be saved.
%2</source>
        <translation>No se pudo guardar el archivo de configuración %1.
%2</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read.
%2</source>
        <translation>No se pudo leer el archivo de configuración %1.
%2</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read.
%2
It is left as it is; the program goes on with the initial settings and does not save changes to them.</source>
        <translation>No se pudo leer el archivo de configuración %1.
%2
Se deja como está; el programa continúa con la configuración inicial y no guarda los cambios.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written.
%2
The program goes on with the initial settings; changes to them are not kept after it ends.</source>
        <translation>No se pudo escribir el archivo de configuración %1.
%2
El programa continúa con la configuración inicial; los cambios no se conservarán al cerrarlo.</translation>
    </message>
</context>
<context>
    <name>ShellDelete</name>
    <message>
        <source>This file cannot be moved to the trash: its drive has no trash.

%1

Delete it for good? It cannot be restored.</source>
        <translation>Este archivo no se puede enviar a la papelera: su unidad no tiene papelera.

%1

¿Eliminarlo definitivamente? No se podrá recuperar.</translation>
    </message>
    <message>
        <source>These %1 files cannot be moved to the trash: their drive has no trash.

%2

Delete them for good? They cannot be restored.</source>
        <translation>Estos %1 archivos no se pueden enviar a la papelera: su unidad no tiene papelera.

%2

¿Eliminarlos definitivamente? No se podrán recuperar.</translation>
    </message>
    <message>
        <source>Delete this file for good? It cannot be restored.</source>
        <translation>¿Eliminar este archivo definitivamente? No se podrá recuperar.</translation>
    </message>
    <message>
        <source>Delete these %1 files for good? They cannot be restored.</source>
        <translation>¿Eliminar estos %1 archivos definitivamente? No se podrán recuperar.</translation>
    </message>
    <message>
        <source>Move this file to the trash?</source>
        <translation>¿Enviar este archivo a la papelera?</translation>
    </message>
    <message>
        <source>Move these %1 files to the trash?</source>
        <translation>¿Enviar estos %1 archivos a la papelera?</translation>
    </message>
    <message>
        <source>This file could not be deleted:</source>
        <translation>Este archivo no se pudo eliminar:</translation>
    </message>
    <message>
        <source>These files could not be deleted:</source>
        <translation>Estos archivos no se pudieron eliminar:</translation>
    </message>
    <message>
        <source>This file could not be moved to the trash:</source>
        <translation>Este archivo no se pudo enviar a la papelera:</translation>
    </message>
    <message>
        <source>These files could not be moved to the trash:</source>
        <translation>Estos archivos no se pudieron enviar a la papelera:</translation>
    </message>
</context>
<context>
    <name>TurnSave</name>
    <message>
        <source>Turns are saved only into JPEG, PNG, BMP, TIFF and still GIF pictures.</source>
        <translation>Los giros solo se guardan en imágenes JPEG, PNG, BMP, TIFF y GIF sin animación.</translation>
    </message>
</context>
<context>
    <name>orv::AboutBox</name>
    <message>
        <source>About Orvanta.</source>
        <translation>Acerca de Orvanta</translation>
    </message>
    <message>
        <source>Orvanta&apos;s icon</source>
        <translation>Icono de Orvanta</translation>
    </message>
    <message>
        <source>Orvanta shows your pictures one at a time, fitted, stretched or zoomed, plays them as a slideshow and keeps them in lists you can save.</source>
        <translation>Orvanta muestra sus imágenes de una en una, ajustadas, estiradas o ampliadas, las presenta como una presentación de diapositivas y las guarda en listas que puede conservar.</translation>
    </message>
    <message>
        <source>Warning: this program comes with no warranty of any kind.</source>
        <translation>Advertencia: este programa se ofrece sin garantía de ningún tipo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>orv::BoxTools</name>
    <message>
        <source>Zoom is not allowed while displaying a picture in &apos;Stretch&apos; or &apos;Fit to box&apos; mode !!</source>
        <translation>¡No se puede hacer zoom mientras se muestra una imagen en modo «Estirar» o «Ajustar al cuadro»!</translation>
    </message>
</context>
<context>
    <name>orv::DesktopCommands</name>
    <message>
        <source>This file cannot be found, so its folder cannot be shown:
</source>
        <translation>No se encuentra este archivo, así que no se puede mostrar su carpeta:
</translation>
    </message>
    <message>
        <source>No file manager could be started to show this file:
</source>
        <translation>No se pudo iniciar ningún gestor de archivos para mostrar este archivo:
</translation>
    </message>
</context>
<context>
    <name>orv::DisplayEngine</name>
    <message>
        <source>Click anywhere to hide this picture.</source>
        <translation>Haga clic en cualquier lugar para ocultar esta imagen.</translation>
    </message>
    <message>
        <source>That was the last picture in this list.</source>
        <translation>Esa era la última imagen de esta lista.</translation>
    </message>
    <message>
        <source>Specified picture file cannot be accessed!!</source>
        <translation>¡No se puede acceder al archivo de imagen indicado!</translation>
    </message>
    <message>
        <source>Click anywhere to show back the picture.</source>
        <translation>Haga clic en cualquier lugar para volver a mostrar la imagen.</translation>
    </message>
    <message>
        <source>The pictures&apos; list is empty.(No pictures to display.)</source>
        <translation>La lista de imágenes está vacía. (No hay imágenes que mostrar.)</translation>
    </message>
</context>
<context>
    <name>orv::FileCommands</name>
    <message>
        <source>No files selected to delete.</source>
        <translation>No hay archivos seleccionados para eliminar.</translation>
    </message>
    <message>
        <source>One file must be chosen to be renamed.</source>
        <translation>Debe elegir un solo archivo para cambiarle el nombre.</translation>
    </message>
    <message>
        <source>Cannot rename the file to </source>
        <translation>No se puede cambiar el nombre del archivo a </translation>
    </message>
    <message>
        <source>.This file already exists</source>
        <translation>. Este archivo ya existe</translation>
    </message>
    <message>
        <source>This file could not be renamed:</source>
        <translation>No se pudo cambiar el nombre de este archivo:</translation>
    </message>
    <message>
        <source>This file cannot be found, so its properties cannot be shown:
</source>
        <translation>No se encuentra este archivo, así que no se pueden mostrar sus propiedades:
</translation>
    </message>
</context>
<context>
    <name>orv::FilePropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Full Path:</source>
        <translation>Ruta completa:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Created/Modified on:</source>
        <translation>Creado/modificado el:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>orv::FolderChooser</name>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>This folder cannot be read:
</source>
        <translation>No se puede leer esta carpeta:
</translation>
    </message>
    <message>
        <source>Drive is not ready!!</source>
        <translation>¡La unidad no está lista!</translation>
    </message>
</context>
<context>
    <name>orv::Form1</name>
    <message>
        <source>pic.&apos;s list</source>
        <translation>lista de imágenes</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Abrir lista</translation>
    </message>
    <message>
        <source>Current pic.&apos;s count in the list</source>
        <translation>Número de la imagen actual en la lista</translation>
    </message>
    <message>
        <source>Welcome. Open or make a pictures list to start.</source>
        <translation>Bienvenido. Abra o cree una lista de imágenes para empezar.</translation>
    </message>
    <message>
        <source>Bad command line argument</source>
        <translation>Argumento de línea de órdenes incorrecto</translation>
    </message>
    <message>
        <source>You are going to end your session with ME!!</source>
        <translation>¡Está a punto de terminar su sesión CONMIGO!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Pic. &amp;File(s)</source>
        <translation>&amp;Archivo(s) de imagen</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>Pic. Folde&amp;r</source>
        <translation>&amp;Carpeta de imágenes</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nueva lista</translation>
    </message>
    <message>
        <source>&amp;Save list</source>
        <translation>&amp;Guardar lista</translation>
    </message>
    <message>
        <source>Save list &amp;As</source>
        <translation>Guardar lista &amp;como</translation>
    </message>
    <message>
        <source>&amp;Delete file</source>
        <translation>&amp;Eliminar archivo</translation>
    </message>
    <message>
        <source>&amp;Rename file</source>
        <translation>Cam&amp;biar nombre del archivo</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Seleccionar to&amp;do</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Invertir selección</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Fit to &amp;Box</source>
        <translation>Ajustar al &amp;cuadro</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>&amp;Estirar</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Run slide show</source>
        <translation>&amp;Iniciar presentación</translation>
    </message>
    <message>
        <source>Slide show &amp;options</source>
        <translation>&amp;Opciones de presentación</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>Por &amp;nombre</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Aleatorio</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>&amp;Personalizar</translation>
    </message>
    <message>
        <source>&amp;Open lisl manager</source>
        <translation>Abrir el &amp;gestor de listas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;What&apos;s this?</source>
        <translation>¿&amp;Qué es esto?</translation>
    </message>
    <message>
        <source>Bug report</source>
        <translation>Informar de un error</translation>
    </message>
    <message>
        <source>&amp;About Orvanta...</source>
        <translation>&amp;Acerca de Orvanta...</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Open lisl manger</source>
        <translation>Abrir el &amp;gestor de listas</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Cam&amp;biar nombre</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>By date &amp;taken</source>
        <translation>Por &amp;fecha de toma</translation>
    </message>
    <message>
        <source>Sort the list by the date each photo was taken</source>
        <translation>Ordenar la lista por la fecha en que se tomó cada foto</translation>
    </message>
    <message>
        <source>By date &amp;modified</source>
        <translation>Por fecha de &amp;modificación</translation>
    </message>
    <message>
        <source>Sort the list by the date each file was last changed</source>
        <translation>Ordenar la lista por la fecha en que se modificó cada archivo por última vez</translation>
    </message>
    <message>
        <source>By si&amp;ze</source>
        <translation>Por &amp;tamaño</translation>
    </message>
    <message>
        <source>Sort the list by file size, smallest first</source>
        <translation>Ordenar la lista por tamaño de archivo, el más pequeño primero</translation>
    </message>
    <message>
        <source>By t&amp;ype</source>
        <translation>Por t&amp;ipo</translation>
    </message>
    <message>
        <source>Sort the list by file type (the name&apos;s extension)</source>
        <translation>Ordenar la lista por tipo de archivo (la extensión del nombre)</translation>
    </message>
    <message>
        <source>Rotate &amp;left</source>
        <translation>Girar a la &amp;izquierda</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn to the left</source>
        <translation>Girar la imagen un cuarto de vuelta a la izquierda</translation>
    </message>
    <message>
        <source>Rotate &amp;right</source>
        <translation>Girar a la &amp;derecha</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn to the right</source>
        <translation>Girar la imagen un cuarto de vuelta a la derecha</translation>
    </message>
    <message>
        <source>Flip &amp;horizontally</source>
        <translation>Voltear &amp;horizontalmente</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Reflejar la imagen de izquierda a derecha</translation>
    </message>
    <message>
        <source>Flip &amp;vertically</source>
        <translation>Voltear &amp;verticalmente</translation>
    </message>
    <message>
        <source>Mirror the picture top to bottom</source>
        <translation>Reflejar la imagen de arriba abajo</translation>
    </message>
    <message>
        <source>Save &amp;turned picture</source>
        <translation>Guardar la imagen &amp;girada</translation>
    </message>
    <message>
        <source>Write the picture&apos;s turn into its file, without loss</source>
        <translation>Escribir el giro de la imagen en su archivo, sin pérdida</translation>
    </message>
</context>
<context>
    <name>orv::HelpWindow</name>
    <message>
        <source>Orvanta Help</source>
        <translation>Ayuda de Orvanta</translation>
    </message>
</context>
<context>
    <name>orv::ImageBoxView</name>
    <message>
        <source>The picture.</source>
        <translation>La imagen.</translation>
    </message>
    <message>
        <source>The picture box.</source>
        <translation>El cuadro de imagen.</translation>
    </message>
</context>
<context>
    <name>orv::ListFileCommands</name>
    <message>
        <source>pic. list(*.pvl)|*.pvl</source>
        <translation>lista de imágenes (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>pic. list (*.pvl)|*.pvl</source>
        <translation>lista de imágenes (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>This list no longer exists</source>
        <translation>Esta lista ya no existe</translation>
    </message>
    <message>
        <source>unable to load file</source>
        <translation>no se puede cargar el archivo </translation>
    </message>
    <message>
        <source>Click the picture box to show first pic.</source>
        <translation>Haga clic en el cuadro de imagen para mostrar la primera imagen.</translation>
    </message>
    <message>
        <source>This list is empty.</source>
        <translation>Esta lista está vacía.</translation>
    </message>
    <message>
        <source>Cancel saving file</source>
        <translation>Se canceló el guardado del archivo </translation>
    </message>
</context>
<context>
    <name>orv::ListForm</name>
    <message>
        <source>Orvanta (List Manager)</source>
        <translation>Orvanta (Gestor de listas)</translation>
    </message>
    <message>
        <source>Main list</source>
        <translation>Lista principal</translation>
    </message>
    <message>
        <source>Second list</source>
        <translation>Segunda lista</translation>
    </message>
    <message>
        <source>Second list folders</source>
        <translation>Carpetas de la segunda lista</translation>
    </message>
    <message>
        <source>Move selected files up</source>
        <translation>Subir los archivos seleccionados</translation>
    </message>
    <message>
        <source>Move selected files down.</source>
        <translation>Bajar los archivos seleccionados.</translation>
    </message>
    <message>
        <source>Exit and LOSE any unsaved changes??</source>
        <translation>¿Salir y PERDER todos los cambios sin guardar?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;New list</source>
        <translation>Abrir &amp;nueva lista</translation>
    </message>
    <message>
        <source>Open &amp;another list</source>
        <translation>Abrir &amp;otra lista</translation>
    </message>
    <message>
        <source>Save &amp;main list</source>
        <translation>Guardar lista &amp;principal</translation>
    </message>
    <message>
        <source>Save main list &amp;as</source>
        <translation>Guardar lista principal &amp;como</translation>
    </message>
    <message>
        <source>Save secon&amp;d list</source>
        <translation>Guardar &amp;segunda lista</translation>
    </message>
    <message>
        <source>Save seco&amp;nd list as</source>
        <translation>Guardar segunda lista co&amp;mo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>To &amp;main list</source>
        <translation>A la lista &amp;principal</translation>
    </message>
    <message>
        <source>To &amp;second list</source>
        <translation>A la &amp;segunda lista</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>Por &amp;nombre</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Aleatorio</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Seleccionar to&amp;do</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Invertir selección</translation>
    </message>
    <message>
        <source>&amp;Copy           </source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Copy          </source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>orv::MainToolbar</name>
    <message>
        <source>Delete(Pic. File)</source>
        <translation>Eliminar (archivo de imagen)</translation>
    </message>
    <message>
        <source>Show prev. picture</source>
        <translation>Mostrar la imagen anterior</translation>
    </message>
    <message>
        <source>Show next picture</source>
        <translation>Mostrar la imagen siguiente</translation>
    </message>
    <message>
        <source>Elongate image box</source>
        <translation>Alargar el cuadro de imagen</translation>
    </message>
    <message>
        <source>De-elongate image box</source>
        <translation>Acortar el cuadro de imagen</translation>
    </message>
    <message>
        <source>Widen image box</source>
        <translation>Ensanchar el cuadro de imagen</translation>
    </message>
    <message>
        <source>De-widen image box</source>
        <translation>Estrechar el cuadro de imagen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out.(press shift to restore original size)</source>
        <translation>Alejar (pulse Mayús para volver al tamaño original)</translation>
    </message>
    <message>
        <source>Fit pic. into box(keep in ratios)</source>
        <translation>Ajustar la imagen al cuadro (mantener proporciones)</translation>
    </message>
    <message>
        <source>Stretch pic. to box size(disregard ratios)</source>
        <translation>Estirar la imagen al tamaño del cuadro (sin proporciones)</translation>
    </message>
    <message>
        <source>Set box size to full screen</source>
        <translation>Cuadro a pantalla completa</translation>
    </message>
    <message>
        <source>Run slide show</source>
        <translation>Iniciar presentación</translation>
    </message>
    <message>
        <source>List Manager</source>
        <translation>Gestor de listas</translation>
    </message>
    <message>
        <source>&quot;What&apos;s this&quot; help</source>
        <translation>Ayuda «¿Qué es esto?»</translation>
    </message>
</context>
<context>
    <name>orv::OpenFolderDialog</name>
    <message>
        <source>Open pic. folder</source>
        <translation>Abrir carpeta de imágenes</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>&amp;Add </source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add above files to list </source>
        <translation>Añadir los archivos de arriba a la lista</translation>
    </message>
    <message>
        <source>&amp;Replace </source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Replaces list contents with above files</source>
        <translation>Reemplaza el contenido de la lista por los archivos de arriba</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>orv::PasteToDialog</name>
    <message>
        <source>Paste to folder</source>
        <translation>Pegar en la carpeta</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
</context>
<context>
    <name>orv::RenameDialog</name>
    <message>
        <source>Rename file</source>
        <translation>Cambiar nombre del archivo</translation>
    </message>
    <message>
        <source>Enter the new file name without any extension</source>
        <translation>Escriba el nuevo nombre de archivo sin extensión</translation>
    </message>
</context>
<context>
    <name>orv::SlideForm</name>
    <message>
        <source>Orvanta (Slide show)</source>
        <translation>Orvanta (Presentación)</translation>
    </message>
    <message>
        <source>The slide show picture.</source>
        <translation>La imagen de la presentación.</translation>
    </message>
    <message>
        <source>Show prev. pic.</source>
        <translation>Mostrar imagen anterior</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Show next pic.</source>
        <translation>Mostrar imagen siguiente</translation>
    </message>
    <message>
        <source>Specified picture file cannot be accessed!!</source>
        <translation>¡No se puede acceder al archivo de imagen indicado!</translation>
    </message>
</context>
<context>
    <name>orv::SlideOp</name>
    <message>
        <source>SlideShow Options</source>
        <translation>Opciones de presentación</translation>
    </message>
    <message>
        <source>Slideshow timer duration.         (Enter a time in sec. from 1 to 15)</source>
        <translation>Duración de cada imagen. (Escriba un tiempo de 1 a 15 segundos)</translation>
    </message>
    <message>
        <source> Resolusion Type</source>
        <translation> Tipo de resolución</translation>
    </message>
    <message>
        <source>Auto-resolution (best results)</source>
        <translation>Resolución automática (mejores resultados)</translation>
    </message>
    <message>
        <source>The size of the image will be automatically chosen</source>
        <translation>El tamaño de la imagen se elegirá automáticamente</translation>
    </message>
    <message>
        <source>Fit to current box size</source>
        <translation>Ajustar al tamaño actual del cuadro</translation>
    </message>
    <message>
        <source>The pic. will be fit into a box of the size of the current image box</source>
        <translation>La imagen se ajustará a un cuadro del tamaño del cuadro de imagen actual</translation>
    </message>
    <message>
        <source>True Size (not recommended)</source>
        <translation>Tamaño real (no recomendado)</translation>
    </message>
    <message>
        <source>Use actual pic. size. Can go out of screen size</source>
        <translation>Usar el tamaño real de la imagen. Puede salirse de la pantalla</translation>
    </message>
    <message>
        <source>Show splash screen</source>
        <translation>Mostrar pantalla de bienvenida</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>orv::SlideOptions</name>
    <message>
        <source>The &apos;Orvanta.ini&apos; file is missing or corrupted. This file is important to run this program. Press ok and this file will be reinstalled but some of your settings will be reset to its initial values. You press cancel to try solving this problem manually</source>
        <translation>Falta el archivo &apos;Orvanta.ini&apos; o está dañado. Este archivo es necesario para ejecutar el programa. Pulse Aceptar para reinstalarlo; algunos de sus ajustes volverán a sus valores iniciales. Pulse Cancelar para intentar resolver el problema usted mismo</translation>
    </message>
    <message>
        <source>Invalid slideshow timer duration. (Expected a value between 1 &amp; 15)</source>
        <translation>Duración de la presentación no válida. (Se espera un valor entre 1 y 15)</translation>
    </message>
</context>
<context>
    <name>orv::SortCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reading the pictures&apos; dates and sizes...</source>
        <translation>Leyendo las fechas y los tamaños de las imágenes...</translation>
    </message>
</context>
<context>
    <name>orv::StartupSplash</name>
    <message>
        <source>For %1</source>
        <translation>Para %1</translation>
    </message>
</context>
<context>
    <name>orv::TurnCommands</name>
    <message>
        <source>This picture&apos;s width or height is not a multiple of its %1 x %2 pixel blocks, so it cannot be turned without loss as it is.

Turn it without loss and cut the partial blocks off its edge (%3 x %4 pixels remain)?</source>
        <translation>El ancho o el alto de esta imagen no es múltiplo de sus bloques de %1 x %2 píxeles, así que no se puede girar sin pérdida tal como está.

¿Girarla sin pérdida y recortar los bloques incompletos de su borde (quedan %3 x %4 píxeles)?</translation>
    </message>
    <message>
        <source>The turned picture could not be saved; the file is as it was:
%1

%2</source>
        <translation>No se pudo guardar la imagen girada; el archivo quedó como estaba:
%1

%2</translation>
    </message>
</context>
<context>
    <name>orv::WelcomeScreen</name>
    <message>
        <source>Click any where or press spacebar to hide/show pictures.</source>
        <translation>Haga clic en cualquier lugar o pulse la barra espaciadora para ocultar o mostrar las imágenes.</translation>
    </message>
    <message>
        <source>Press escape to return to the main window.</source>
        <translation>Pulse Esc para volver a la ventana principal.</translation>
    </message>
    <message>
        <source>Press down arrow to pause the show.</source>
        <translation>Pulse la flecha abajo para pausar la presentación.</translation>
    </message>
    <message>
        <source>Press right arrow to escape this picture to yhe next one.</source>
        <translation>Pulse la flecha derecha para pasar a la siguiente imagen.</translation>
    </message>
    <message>
        <source>Press left arrow to return to previous picture.</source>
        <translation>Pulse la flecha izquierda para volver a la imagen anterior.</translation>
    </message>
    <message>
        <source>Slide show logo</source>
        <translation>Logotipo de la presentación</translation>
    </message>
    <message>
        <source> Welcome to the</source>
        <translation> Bienvenido a la</translation>
    </message>
    <message>
        <source>SLIDESHOW</source>
        <translation>PRESENTACIÓN</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again</source>
        <translation>No volver a mostrar esta pantalla</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
