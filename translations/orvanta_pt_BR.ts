<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>FailureReport</name>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>É uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>Its drive has no trash.</source>
        <translation>A unidade não tem lixeira.</translation>
    </message>
    <message>
        <source>The trash holds too many files of this name.</source>
        <translation>A lixeira contém arquivos demais com este nome.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Não é um arquivo.</translation>
    </message>
    <message>
        <source>It was copied, but the copy could not be flushed to disk (%1); the original was kept.</source>
        <translation>Foi copiado, mas a cópia não pôde ser gravada no disco (%1); o original foi mantido.</translation>
    </message>
    <message>
        <source>It was copied, but the original could not be removed (%1).</source>
        <translation>Foi copiado, mas o original não pôde ser removido (%1).</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Nenhum nome de arquivo foi informado.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
</context>
<context>
    <name>FilePaste</name>
    <message>
        <source>Are you sure u want to move this %1 files?</source>
        <translation>Tem certeza de que deseja mover estes %1 arquivos?</translation>
    </message>
    <message>
        <source>This file could not be moved to %1:</source>
        <translation>Este arquivo não pôde ser movido para %1:</translation>
    </message>
    <message>
        <source>These files could not be moved to %1:</source>
        <translation>Estes arquivos não puderam ser movidos para %1:</translation>
    </message>
    <message>
        <source>This file could not be copied to %1:</source>
        <translation>Este arquivo não pôde ser copiado para %1:</translation>
    </message>
    <message>
        <source>These files could not be copied to %1:</source>
        <translation>Estes arquivos não puderam ser copiados para %1:</translation>
    </message>
    <message>
        <source>%1 could not be moved to the trash to make room: %2</source>
        <translation>Não foi possível mover %1 para a lixeira para abrir espaço: %2</translation>
    </message>
    <message>
        <source>A file of this name appeared in the folder meanwhile.</source>
        <translation>Enquanto isso, apareceu na pasta um arquivo com este nome.</translation>
    </message>
    <message>
        <source>A file of this name is already in %1, or is pasted twice:</source>
        <translation>Já existe um arquivo com este nome em %1, ou ele é colado duas vezes:</translation>
    </message>
    <message>
        <source>Files of these %2 names are already in %1, or are pasted twice:</source>
        <translation>Já existem arquivos com estes %2 nomes em %1, ou eles são colados duas vezes:</translation>
    </message>
    <message>
        <source>

Replace: the files there go to the trash.
Keep both: the pasted files take free names, such as &quot;%1&quot;.
Skip: these files are not pasted.</source>
        <translation>

Substituir: os arquivos que já estão lá vão para a lixeira.
Manter ambos: os arquivos colados recebem nomes livres, como &quot;%1&quot;.
Pular: estes arquivos não são colados.</translation>
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
        <translation>Não é possível ler a imagem GIF: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Cannot open the help file %1:
%2</source>
        <translation>Não é possível abrir o arquivo de ajuda %1:
%2</translation>
    </message>
</context>
<context>
    <name>ListFileReader</name>
    <message>
        <source>The list file %1 is too large: it would hold more than %2 pictures. It was not opened.</source>
        <translation>O arquivo de lista %1 é grande demais: ele conteria mais de %2 imagens. Ele não foi aberto.</translation>
    </message>
</context>
<context>
    <name>ListFileWriter</name>
    <message>
        <source>The list could not be saved to %1.
%2
The file was not changed.</source>
        <translation>Não foi possível salvar a lista em %1.
%2
O arquivo não foi alterado.</translation>
    </message>
</context>
<context>
    <name>OpenFolderCommands</name>
    <message>
        <source>Click the empty &apos;Image Box&apos; to display the first picture.</source>
        <translation>Clique na caixa de imagem vazia para exibir a primeira imagem.</translation>
    </message>
    <message>
        <source>That was the last picture in this list.</source>
        <translation>Esta era a última imagem desta lista.</translation>
    </message>
    <message>
        <source>Click anywhere to show next picture</source>
        <translation>Clique em qualquer lugar para exibir a próxima imagem</translation>
    </message>
    <message>
        <source>this folder has no picture files</source>
        <translation>esta pasta não tem arquivos de imagem</translation>
    </message>
</context>
<context>
    <name>PictureFacts</name>
    <message>
        <source>%1 bits a pixel (palette)</source>
        <translation>%1 bits por pixel (paleta)</translation>
    </message>
    <message>
        <source>%1 bits (grey)</source>
        <translation>%1 bits (tons de cinza)</translation>
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
        <translation>%1 bits por pixel</translation>
    </message>
    <message>
        <source>Picture size:</source>
        <translation>Tamanho da imagem:</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Bit depth:</source>
        <translation>Profundidade de bits:</translation>
    </message>
    <message>
        <source>Colour profile:</source>
        <translation>Perfil de cor:</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Quadros:</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Câmera:</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Lente:</translation>
    </message>
    <message>
        <source>Taken:</source>
        <translation>Tirada em:</translation>
    </message>
    <message>
        <source>Exposure time:</source>
        <translation>Tempo de exposição:</translation>
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
        <translation>Distância focal:</translation>
    </message>
    <message>
        <source>GPS position:</source>
        <translation>Posição GPS:</translation>
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
        <translation>Metarquivos</translation>
    </message>
    <message>
        <source>GIF Files</source>
        <translation>Arquivos GIF</translation>
    </message>
    <message>
        <source>JPEG files</source>
        <translation>Arquivos JPEG</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Ícones</translation>
    </message>
    <message>
        <source>PNG files</source>
        <translation>Arquivos PNG</translation>
    </message>
    <message>
        <source>WebP files</source>
        <translation>Arquivos WebP</translation>
    </message>
    <message>
        <source>TIFF files</source>
        <translation>Arquivos TIFF</translation>
    </message>
    <message>
        <source>AVIF files</source>
        <translation>Arquivos AVIF</translation>
    </message>
    <message>
        <source>HEIF files</source>
        <translation>Arquivos HEIF</translation>
    </message>
    <message>
        <source>JPEG XL files</source>
        <translation>Arquivos JPEG XL</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>Desenhos SVG</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>All picture files</source>
        <translation>Todos os arquivos de imagem</translation>
    </message>
</context>
<context>
    <name>QtMessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>&amp;Manter ambos</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Pular</translation>
    </message>
</context>
<context>
    <name>RenameRules</name>
    <message>
        <source>A file name must be entered</source>
        <translation>É preciso digitar um nome de arquivo</translation>
    </message>
    <message>
        <source>Invalid file name. no &apos;.&apos; are allowed within a file name</source>
        <translation>Nome de arquivo inválido. Não são permitidos &apos;.&apos; em um nome de arquivo</translation>
    </message>
    <message>
        <source>control characters</source>
        <translation>caracteres de controle</translation>
    </message>
    <message>
        <source>Invalid file name. A file name cannot contain %1</source>
        <translation>Nome de arquivo inválido. Um nome de arquivo não pode conter %1</translation>
    </message>
    <message>
        <source>Invalid file name. The name is too long</source>
        <translation>Nome de arquivo inválido. O nome é longo demais</translation>
    </message>
</context>
<context>
    <name>SecondListFiles</name>
    <message>
        <source>pic. list(*.pvl)|*.pvl</source>
        <translation>lista de imagens (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>pic. list (*.pvl)|*.pvl</source>
        <translation>lista de imagens (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>unable to load file</source>
        <translation>não foi possível carregar o arquivo </translation>
    </message>
    <message>
        <source>This list is empty.</source>
        <translation>Esta lista está vazia.</translation>
    </message>
    <message>
        <source>Cancel saving file</source>
        <translation>Gravação cancelada do arquivo </translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>It is larger than a settings file can be.</source>
        <translation>É maior do que um arquivo de configurações pode ser.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be saved.
%2</source>
        <translation>Não foi possível salvar o arquivo de configurações %1.
%2</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read.
%2</source>
        <translation>Não foi possível ler o arquivo de configurações %1.
%2</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read.
%2
It is left as it is; the program goes on with the initial settings and does not save changes to them.</source>
        <translation>Não foi possível ler o arquivo de configurações %1.
%2
Ele fica como está; o programa continua com as configurações iniciais e não salva alterações nelas.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written.
%2
The program goes on with the initial settings; changes to them are not kept after it ends.</source>
        <translation>Não foi possível gravar o arquivo de configurações %1.
%2
O programa continua com as configurações iniciais; as alterações não serão mantidas depois que ele for fechado.</translation>
    </message>
</context>
<context>
    <name>ShellDelete</name>
    <message>
        <source>This file cannot be moved to the trash: its drive has no trash.

%1

Delete it for good? It cannot be restored.</source>
        <translation>Este arquivo não pode ser movido para a lixeira: a unidade dele não tem lixeira.

%1

Excluí-lo definitivamente? Ele não poderá ser restaurado.</translation>
    </message>
    <message>
        <source>These %1 files cannot be moved to the trash: their drive has no trash.

%2

Delete them for good? They cannot be restored.</source>
        <translation>Estes %1 arquivos não podem ser movidos para a lixeira: a unidade deles não tem lixeira.

%2

Excluí-los definitivamente? Eles não poderão ser restaurados.</translation>
    </message>
    <message>
        <source>Delete this file for good? It cannot be restored.</source>
        <translation>Excluir este arquivo definitivamente? Ele não poderá ser restaurado.</translation>
    </message>
    <message>
        <source>Delete these %1 files for good? They cannot be restored.</source>
        <translation>Excluir estes %1 arquivos definitivamente? Eles não poderão ser restaurados.</translation>
    </message>
    <message>
        <source>Move this file to the trash?</source>
        <translation>Mover este arquivo para a lixeira?</translation>
    </message>
    <message>
        <source>Move these %1 files to the trash?</source>
        <translation>Mover estes %1 arquivos para a lixeira?</translation>
    </message>
    <message>
        <source>This file could not be deleted:</source>
        <translation>Este arquivo não pôde ser excluído:</translation>
    </message>
    <message>
        <source>These files could not be deleted:</source>
        <translation>Estes arquivos não puderam ser excluídos:</translation>
    </message>
    <message>
        <source>This file could not be moved to the trash:</source>
        <translation>Este arquivo não pôde ser movido para a lixeira:</translation>
    </message>
    <message>
        <source>These files could not be moved to the trash:</source>
        <translation>Estes arquivos não puderam ser movidos para a lixeira:</translation>
    </message>
</context>
<context>
    <name>TurnSave</name>
    <message>
        <source>Turns are saved only into JPEG, PNG, BMP, TIFF and still GIF pictures.</source>
        <translation>As rotações só são salvas em imagens JPEG, PNG, BMP, TIFF e GIF sem animação.</translation>
    </message>
</context>
<context>
    <name>orv::AboutBox</name>
    <message>
        <source>About Orvanta.</source>
        <translation>Sobre o Orvanta</translation>
    </message>
    <message>
        <source>Orvanta&apos;s icon</source>
        <translation>Ícone do Orvanta</translation>
    </message>
    <message>
        <source>Orvanta shows your pictures one at a time, fitted, stretched or zoomed, plays them as a slideshow and keeps them in lists you can save.</source>
        <translation>O Orvanta mostra suas imagens uma de cada vez, ajustadas, esticadas ou ampliadas, exibe-as como apresentação de slides e as guarda em listas que você pode salvar.</translation>
    </message>
    <message>
        <source>Warning: this program comes with no warranty of any kind.</source>
        <translation>Aviso: este programa não oferece nenhum tipo de garantia.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informações do &amp;sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
<context>
    <name>orv::BoxTools</name>
    <message>
        <source>Zoom is not allowed while displaying a picture in &apos;Stretch&apos; or &apos;Fit to box&apos; mode !!</source>
        <translation>Não é possível aplicar zoom enquanto uma imagem é exibida no modo &quot;Esticar&quot; ou &quot;Ajustar à caixa&quot;!</translation>
    </message>
</context>
<context>
    <name>orv::DesktopCommands</name>
    <message>
        <source>This file cannot be found, so its folder cannot be shown:
</source>
        <translation>Este arquivo não foi encontrado, por isso sua pasta não pode ser exibida:
</translation>
    </message>
    <message>
        <source>No file manager could be started to show this file:
</source>
        <translation>Nenhum gerenciador de arquivos pôde ser iniciado para mostrar este arquivo:
</translation>
    </message>
</context>
<context>
    <name>orv::DisplayEngine</name>
    <message>
        <source>Click anywhere to hide this picture.</source>
        <translation>Clique em qualquer lugar para ocultar esta imagem.</translation>
    </message>
    <message>
        <source>That was the last picture in this list.</source>
        <translation>Esta era a última imagem desta lista.</translation>
    </message>
    <message>
        <source>Specified picture file cannot be accessed!!</source>
        <translation>Não é possível acessar o arquivo de imagem especificado!</translation>
    </message>
    <message>
        <source>Click anywhere to show back the picture.</source>
        <translation>Clique em qualquer lugar para exibir a imagem novamente.</translation>
    </message>
    <message>
        <source>The pictures&apos; list is empty.(No pictures to display.)</source>
        <translation>A lista de imagens está vazia. (Nenhuma imagem para exibir.)</translation>
    </message>
</context>
<context>
    <name>orv::FileCommands</name>
    <message>
        <source>No files selected to delete.</source>
        <translation>Nenhum arquivo selecionado para excluir.</translation>
    </message>
    <message>
        <source>One file must be chosen to be renamed.</source>
        <translation>É preciso escolher um único arquivo para renomear.</translation>
    </message>
    <message>
        <source>Cannot rename the file to </source>
        <translation>Não é possível renomear o arquivo para </translation>
    </message>
    <message>
        <source>.This file already exists</source>
        <translation>. Este arquivo já existe</translation>
    </message>
    <message>
        <source>This file could not be renamed:</source>
        <translation>Este arquivo não pôde ser renomeado:</translation>
    </message>
    <message>
        <source>This file cannot be found, so its properties cannot be shown:
</source>
        <translation>Este arquivo não foi encontrado, por isso suas propriedades não podem ser exibidas:
</translation>
    </message>
</context>
<context>
    <name>orv::FilePropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>Full Path:</source>
        <translation>Caminho completo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Created/Modified on:</source>
        <translation>Criado/modificado em:</translation>
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
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>This folder cannot be read:
</source>
        <translation>Esta pasta não pode ser lida:
</translation>
    </message>
    <message>
        <source>Drive is not ready!!</source>
        <translation>A unidade não está pronta!</translation>
    </message>
</context>
<context>
    <name>orv::Form1</name>
    <message>
        <source>pic.&apos;s list</source>
        <translation>lista de imagens</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Abrir lista</translation>
    </message>
    <message>
        <source>Current pic.&apos;s count in the list</source>
        <translation>Número da imagem atual na lista</translation>
    </message>
    <message>
        <source>Welcome. Open or make a pictures list to start.</source>
        <translation>Bem-vindo. Abra ou crie uma lista de imagens para começar.</translation>
    </message>
    <message>
        <source>Bad command line argument</source>
        <translation>Argumento de linha de comando inválido</translation>
    </message>
    <message>
        <source>You are going to end your session with ME!!</source>
        <translation>Você está prestes a encerrar sua sessão COMIGO!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Pic. &amp;File(s)</source>
        <translation>&amp;Arquivo(s) de imagem</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>Pic. Folde&amp;r</source>
        <translation>&amp;Pasta de imagens</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nova lista</translation>
    </message>
    <message>
        <source>&amp;Save list</source>
        <translation>&amp;Salvar lista</translation>
    </message>
    <message>
        <source>Save list &amp;As</source>
        <translation>Salvar lista &amp;como</translation>
    </message>
    <message>
        <source>&amp;Delete file</source>
        <translation>&amp;Excluir arquivo</translation>
    </message>
    <message>
        <source>&amp;Rename file</source>
        <translation>&amp;Renomear arquivo</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriedades</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Inverter seleção</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Próxima</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Fit to &amp;Box</source>
        <translation>Ajustar à &amp;caixa</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>&amp;Esticar</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Run slide show</source>
        <translation>&amp;Iniciar apresentação</translation>
    </message>
    <message>
        <source>Slide show &amp;options</source>
        <translation>&amp;Opções da apresentação</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>Por &amp;nome</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Aleatório</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>&amp;Personalizar</translation>
    </message>
    <message>
        <source>&amp;Open lisl manager</source>
        <translation>Abrir &amp;gerenciador de listas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Tópicos da ajuda</translation>
    </message>
    <message>
        <source>&amp;What&apos;s this?</source>
        <translation>&amp;O que é isto?</translation>
    </message>
    <message>
        <source>Bug report</source>
        <translation>Relatar um erro</translation>
    </message>
    <message>
        <source>&amp;About Orvanta...</source>
        <translation>&amp;Sobre o Orvanta...</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Open lisl manger</source>
        <translation>Abrir &amp;gerenciador de listas</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renomear</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>By date &amp;taken</source>
        <translation>Por data em que foi &amp;tirada</translation>
    </message>
    <message>
        <source>Sort the list by the date each photo was taken</source>
        <translation>Ordenar a lista pela data em que cada foto foi tirada</translation>
    </message>
    <message>
        <source>By date &amp;modified</source>
        <translation>Por data de &amp;modificação</translation>
    </message>
    <message>
        <source>Sort the list by the date each file was last changed</source>
        <translation>Ordenar a lista pela data em que cada arquivo foi alterado pela última vez</translation>
    </message>
    <message>
        <source>By si&amp;ze</source>
        <translation>Por taman&amp;ho</translation>
    </message>
    <message>
        <source>Sort the list by file size, smallest first</source>
        <translation>Ordenar a lista pelo tamanho do arquivo, do menor para o maior</translation>
    </message>
    <message>
        <source>By t&amp;ype</source>
        <translation>Por t&amp;ipo</translation>
    </message>
    <message>
        <source>Sort the list by file type (the name&apos;s extension)</source>
        <translation>Ordenar a lista pelo tipo de arquivo (a extensão do nome)</translation>
    </message>
    <message>
        <source>Rotate &amp;left</source>
        <translation>Girar para a &amp;esquerda</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn to the left</source>
        <translation>Girar a imagem um quarto de volta para a esquerda</translation>
    </message>
    <message>
        <source>Rotate &amp;right</source>
        <translation>Girar para a &amp;direita</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn to the right</source>
        <translation>Girar a imagem um quarto de volta para a direita</translation>
    </message>
    <message>
        <source>Flip &amp;horizontally</source>
        <translation>Espelhar &amp;horizontalmente</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Espelhar a imagem da esquerda para a direita</translation>
    </message>
    <message>
        <source>Flip &amp;vertically</source>
        <translation>Espelhar &amp;verticalmente</translation>
    </message>
    <message>
        <source>Mirror the picture top to bottom</source>
        <translation>Espelhar a imagem de cima para baixo</translation>
    </message>
    <message>
        <source>Save &amp;turned picture</source>
        <translation>Salvar a imagem &amp;girada</translation>
    </message>
    <message>
        <source>Write the picture&apos;s turn into its file, without loss</source>
        <translation>Gravar o giro da imagem no seu arquivo, sem perda</translation>
    </message>
</context>
<context>
    <name>orv::HelpWindow</name>
    <message>
        <source>Orvanta Help</source>
        <translation>Ajuda do Orvanta</translation>
    </message>
</context>
<context>
    <name>orv::ImageBoxView</name>
    <message>
        <source>The picture.</source>
        <translation>A imagem.</translation>
    </message>
    <message>
        <source>The picture box.</source>
        <translation>A caixa de imagem.</translation>
    </message>
</context>
<context>
    <name>orv::ListFileCommands</name>
    <message>
        <source>pic. list(*.pvl)|*.pvl</source>
        <translation>lista de imagens (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>pic. list (*.pvl)|*.pvl</source>
        <translation>lista de imagens (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>This list no longer exists</source>
        <translation>Esta lista não existe mais</translation>
    </message>
    <message>
        <source>unable to load file</source>
        <translation>não foi possível carregar o arquivo </translation>
    </message>
    <message>
        <source>Click the picture box to show first pic.</source>
        <translation>Clique na caixa de imagem para exibir a primeira imagem.</translation>
    </message>
    <message>
        <source>This list is empty.</source>
        <translation>Esta lista está vazia.</translation>
    </message>
    <message>
        <source>Cancel saving file</source>
        <translation>Gravação cancelada do arquivo </translation>
    </message>
</context>
<context>
    <name>orv::ListForm</name>
    <message>
        <source>Orvanta (List Manager)</source>
        <translation>Orvanta (Gerenciador de listas)</translation>
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
        <translation>Pastas da segunda lista</translation>
    </message>
    <message>
        <source>Move selected files up</source>
        <translation>Mover os arquivos selecionados para cima</translation>
    </message>
    <message>
        <source>Move selected files down.</source>
        <translation>Mover os arquivos selecionados para baixo.</translation>
    </message>
    <message>
        <source>Exit and LOSE any unsaved changes??</source>
        <translation>Sair e PERDER todas as alterações não salvas?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open &amp;New list</source>
        <translation>Abrir &amp;nova lista</translation>
    </message>
    <message>
        <source>Open &amp;another list</source>
        <translation>Abrir &amp;outra lista</translation>
    </message>
    <message>
        <source>Save &amp;main list</source>
        <translation>Salvar lista &amp;principal</translation>
    </message>
    <message>
        <source>Save main list &amp;as</source>
        <translation>Salvar lista principal &amp;como</translation>
    </message>
    <message>
        <source>Save secon&amp;d list</source>
        <translation>Salvar &amp;segunda lista</translation>
    </message>
    <message>
        <source>Save seco&amp;nd list as</source>
        <translation>Salvar segunda lista co&amp;mo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>To &amp;main list</source>
        <translation>Na lista &amp;principal</translation>
    </message>
    <message>
        <source>To &amp;second list</source>
        <translation>Na &amp;segunda lista</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>Por &amp;nome</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Aleatório</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Mover para ci&amp;ma</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Mover para &amp;baixo</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Selecionar t&amp;udo</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Inverter seleção</translation>
    </message>
    <message>
        <source>&amp;Copy           </source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;paste</source>
        <translation>Co&amp;lar</translation>
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
        <translation>Excluir (arquivo de imagem)</translation>
    </message>
    <message>
        <source>Show prev. picture</source>
        <translation>Exibir a imagem anterior</translation>
    </message>
    <message>
        <source>Show next picture</source>
        <translation>Exibir a próxima imagem</translation>
    </message>
    <message>
        <source>Elongate image box</source>
        <translation>Alongar a caixa de imagem</translation>
    </message>
    <message>
        <source>De-elongate image box</source>
        <translation>Encurtar a caixa de imagem</translation>
    </message>
    <message>
        <source>Widen image box</source>
        <translation>Alargar a caixa de imagem</translation>
    </message>
    <message>
        <source>De-widen image box</source>
        <translation>Estreitar a caixa de imagem</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out.(press shift to restore original size)</source>
        <translation>Reduzir (pressione Shift para voltar ao tamanho original)</translation>
    </message>
    <message>
        <source>Fit pic. into box(keep in ratios)</source>
        <translation>Ajustar a imagem à caixa (mantendo as proporções)</translation>
    </message>
    <message>
        <source>Stretch pic. to box size(disregard ratios)</source>
        <translation>Esticar a imagem ao tamanho da caixa (sem manter as proporções)</translation>
    </message>
    <message>
        <source>Set box size to full screen</source>
        <translation>Caixa em tela cheia</translation>
    </message>
    <message>
        <source>Run slide show</source>
        <translation>Iniciar apresentação</translation>
    </message>
    <message>
        <source>List Manager</source>
        <translation>Gerenciador de listas</translation>
    </message>
    <message>
        <source>&quot;What&apos;s this&quot; help</source>
        <translation>Ajuda &quot;O que é isto?&quot;</translation>
    </message>
</context>
<context>
    <name>orv::OpenFolderDialog</name>
    <message>
        <source>Open pic. folder</source>
        <translation>Abrir pasta de imagens</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>Arquivos de imagem</translation>
    </message>
    <message>
        <source>&amp;Add </source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Add above files to list </source>
        <translation>Adicionar os arquivos acima à lista</translation>
    </message>
    <message>
        <source>&amp;Replace </source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>Replaces list contents with above files</source>
        <translation>Substitui o conteúdo da lista pelos arquivos acima</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>Colar na pasta</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
</context>
<context>
    <name>orv::RenameDialog</name>
    <message>
        <source>Rename file</source>
        <translation>Renomear arquivo</translation>
    </message>
    <message>
        <source>Enter the new file name without any extension</source>
        <translation>Digite o novo nome do arquivo sem extensão</translation>
    </message>
</context>
<context>
    <name>orv::SlideForm</name>
    <message>
        <source>Orvanta (Slide show)</source>
        <translation>Orvanta (Apresentação)</translation>
    </message>
    <message>
        <source>The slide show picture.</source>
        <translation>A imagem da apresentação.</translation>
    </message>
    <message>
        <source>Show prev. pic.</source>
        <translation>Imagem anterior</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Show next pic.</source>
        <translation>Próxima imagem</translation>
    </message>
    <message>
        <source>Specified picture file cannot be accessed!!</source>
        <translation>Não é possível acessar o arquivo de imagem especificado!</translation>
    </message>
</context>
<context>
    <name>orv::SlideOp</name>
    <message>
        <source>SlideShow Options</source>
        <translation>Opções da apresentação</translation>
    </message>
    <message>
        <source>Slideshow timer duration.         (Enter a time in sec. from 1 to 15)</source>
        <translation>Duração de cada imagem. (Digite um tempo de 1 a 15 segundos)</translation>
    </message>
    <message>
        <source> Resolusion Type</source>
        <translation> Tipo de resolução</translation>
    </message>
    <message>
        <source>Auto-resolution (best results)</source>
        <translation>Resolução automática (melhores resultados)</translation>
    </message>
    <message>
        <source>The size of the image will be automatically chosen</source>
        <translation>O tamanho da imagem será escolhido automaticamente</translation>
    </message>
    <message>
        <source>Fit to current box size</source>
        <translation>Ajustar ao tamanho atual da caixa</translation>
    </message>
    <message>
        <source>The pic. will be fit into a box of the size of the current image box</source>
        <translation>A imagem será ajustada a uma caixa do tamanho da caixa de imagem atual</translation>
    </message>
    <message>
        <source>True Size (not recommended)</source>
        <translation>Tamanho real (não recomendado)</translation>
    </message>
    <message>
        <source>Use actual pic. size. Can go out of screen size</source>
        <translation>Usar o tamanho real da imagem. Pode ultrapassar a tela</translation>
    </message>
    <message>
        <source>Show splash screen</source>
        <translation>Mostrar tela de abertura</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
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
        <translation>O arquivo &apos;Orvanta.ini&apos; está ausente ou danificado. Este arquivo é importante para executar o programa. Clique em OK para reinstalá-lo; algumas das suas configurações voltarão aos valores iniciais. Clique em Cancelar para tentar resolver o problema manualmente</translation>
    </message>
    <message>
        <source>Invalid slideshow timer duration. (Expected a value between 1 &amp; 15)</source>
        <translation>Duração da apresentação inválida. (Espera-se um valor entre 1 e 15)</translation>
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
        <translation>Lendo as datas e os tamanhos das imagens...</translation>
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
        <translation>A largura ou a altura desta imagem não é múltipla dos seus blocos de %1 x %2 pixels, por isso ela não pode ser girada sem perda como está.

Girá-la sem perda e cortar os blocos incompletos da borda (restam %3 x %4 pixels)?</translation>
    </message>
    <message>
        <source>The turned picture could not be saved; the file is as it was:
%1

%2</source>
        <translation>Não foi possível salvar a imagem girada; o arquivo ficou como estava:
%1

%2</translation>
    </message>
</context>
<context>
    <name>orv::WelcomeScreen</name>
    <message>
        <source>Click any where or press spacebar to hide/show pictures.</source>
        <translation>Clique em qualquer lugar ou pressione a barra de espaço para ocultar/mostrar as imagens.</translation>
    </message>
    <message>
        <source>Press escape to return to the main window.</source>
        <translation>Pressione Esc para voltar à janela principal.</translation>
    </message>
    <message>
        <source>Press down arrow to pause the show.</source>
        <translation>Pressione a seta para baixo para pausar a apresentação.</translation>
    </message>
    <message>
        <source>Press right arrow to escape this picture to yhe next one.</source>
        <translation>Pressione a seta para a direita para pular para a próxima imagem.</translation>
    </message>
    <message>
        <source>Press left arrow to return to previous picture.</source>
        <translation>Pressione a seta para a esquerda para voltar à imagem anterior.</translation>
    </message>
    <message>
        <source>Slide show logo</source>
        <translation>Logotipo da apresentação</translation>
    </message>
    <message>
        <source> Welcome to the</source>
        <translation> Bem-vindo à</translation>
    </message>
    <message>
        <source>SLIDESHOW</source>
        <translation>APRESENTAÇÃO</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again</source>
        <translation>Não mostrar esta tela novamente</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
