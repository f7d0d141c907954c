<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FailureReport</name>
    <message>
        <source>and %1 more</source>
        <translation>另有 %1 个</translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>这是一个文件夹，不是文件。</translation>
    </message>
    <message>
        <source>Its drive has no trash.</source>
        <translation>它所在的驱动器没有回收站。</translation>
    </message>
    <message>
        <source>The trash holds too many files of this name.</source>
        <translation>回收站中同名的文件太多。</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>这不是文件。</translation>
    </message>
    <message>
        <source>It was copied, but the copy could not be flushed to disk (%1); the original was kept.</source>
        <translation>已复制，但副本无法写入磁盘（%1）；原文件已保留。</translation>
    </message>
    <message>
        <source>It was copied, but the original could not be removed (%1).</source>
        <translation>已复制，但无法删除原文件（%1）。</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>未提供文件名。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>这不是普通文件。</translation>
    </message>
</context>
<context>
    <name>FilePaste</name>
    <message>
        <source>Are you sure u want to move this %1 files?</source>
        <translation>确定要移动这 %1 个文件吗？</translation>
    </message>
    <message>
        <source>This file could not be moved to %1:</source>
        <translation>无法将此文件移动到 %1：</translation>
    </message>
    <message>
        <source>These files could not be moved to %1:</source>
        <translation>无法将这些文件移动到 %1：</translation>
    </message>
    <message>
        <source>This file could not be copied to %1:</source>
        <translation>无法将此文件复制到 %1：</translation>
    </message>
    <message>
        <source>These files could not be copied to %1:</source>
        <translation>无法将这些文件复制到 %1：</translation>
    </message>
    <message>
        <source>%1 could not be moved to the trash to make room: %2</source>
        <translation>无法将 %1 移到回收站以腾出位置：%2</translation>
    </message>
    <message>
        <source>A file of this name appeared in the folder meanwhile.</source>
        <translation>与此同时，文件夹中出现了同名文件。</translation>
    </message>
    <message>
        <source>A file of this name is already in %1, or is pasted twice:</source>
        <translation>%1 中已有同名文件，或该文件被粘贴了两次：</translation>
    </message>
    <message>
        <source>Files of these %2 names are already in %1, or are pasted twice:</source>
        <translation>%1 中已有这 %2 个名称的文件，或这些文件被粘贴了两次：</translation>
    </message>
    <message>
        <source>

Replace: the files there go to the trash.
Keep both: the pasted files take free names, such as &quot;%1&quot;.
Skip: these files are not pasted.</source>
        <translation>

替换：那里的文件将移到回收站。
保留两者：粘贴的文件使用空闲的名称，例如“%1”。
跳过：不粘贴这些文件。</translation>
    </message>
</context>
<context>
    <name>FileProperties</name>
    <message>
        <source>%1  KB  (%2) Bytes.</source>
        <translation>%1  KB  （%2 字节）。</translation>
    </message>
</context>
<context>
    <name>GifTurn</name>
    <message>
        <source>The GIF picture cannot be read: %1</source>
        <translation>无法读取此 GIF 图片：%1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Cannot open the help file %1:
%2</source>
        <translation>无法打开帮助文件 %1：
%2</translation>
    </message>
</context>
<context>
    <name>ListFileReader</name>
    <message>
        <source>The list file %1 is too large: it would hold more than %2 pictures. It was not opened.</source>
        <translation>列表文件 %1 太大：它将包含超过 %2 张图片。未打开该文件。</translation>
    </message>
</context>
<context>
    <name>ListFileWriter</name>
    <message>
        <source>The list could not be saved to %1.
%2
The file was not changed.</source>
        <translation>无法将列表保存到 %1。
%2
文件未被更改。</translation>
    </message>
</context>
<context>
    <name>OpenFolderCommands</name>
    <message>
        <source>Click the empty &apos;Image Box&apos; to display the first picture.</source>
        <translation>单击空白的图片框以显示第一张图片。</translation>
    </message>
    <message>
        <source>That was the last picture in this list.</source>
        <translation>这是此列表中的最后一张图片。</translation>
    </message>
    <message>
        <source>Click anywhere to show next picture</source>
        <translation>单击任意位置显示下一张图片</translation>
    </message>
    <message>
        <source>this folder has no picture files</source>
        <translation>此文件夹中没有图片文件</translation>
    </message>
</context>
<context>
    <name>PictureFacts</name>
    <message>
        <source>%1 bits a pixel (palette)</source>
        <translation>每像素 %1 位（调色板）</translation>
    </message>
    <message>
        <source>%1 bits (grey)</source>
        <translation>%1 位（灰度）</translation>
    </message>
    <message>
        <source>%1 bits (alpha)</source>
        <translation>%1 位（Alpha）</translation>
    </message>
    <message>
        <source>%1 bits a channel</source>
        <translation>每通道 %1 位</translation>
    </message>
    <message>
        <source>%1 bits a pixel</source>
        <translation>每像素 %1 位</translation>
    </message>
    <message>
        <source>Picture size:</source>
        <translation>图片尺寸：</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 像素</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Bit depth:</source>
        <translation>位深度：</translation>
    </message>
    <message>
        <source>Colour profile:</source>
        <translation>颜色配置文件：</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>（未命名）</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>帧数：</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>相机：</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>镜头：</translation>
    </message>
    <message>
        <source>Taken:</source>
        <translation>拍摄时间：</translation>
    </message>
    <message>
        <source>Exposure time:</source>
        <translation>曝光时间：</translation>
    </message>
    <message>
        <source>F-number:</source>
        <translation>光圈值：</translation>
    </message>
    <message>
        <source>ISO:</source>
        <translation>ISO：</translation>
    </message>
    <message>
        <source>Focal length:</source>
        <translation>焦距：</translation>
    </message>
    <message>
        <source>GPS position:</source>
        <translation>GPS 位置：</translation>
    </message>
</context>
<context>
    <name>PictureFileTypes</name>
    <message>
        <source>Bitmaps</source>
        <translation>位图</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>图元文件</translation>
    </message>
    <message>
        <source>GIF Files</source>
        <translation>GIF 文件</translation>
    </message>
    <message>
        <source>JPEG files</source>
        <translation>JPEG 文件</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>PNG files</source>
        <translation>PNG 文件</translation>
    </message>
    <message>
        <source>WebP files</source>
        <translation>WebP 文件</translation>
    </message>
    <message>
        <source>TIFF files</source>
        <translation>TIFF 文件</translation>
    </message>
    <message>
        <source>AVIF files</source>
        <translation>AVIF 文件</translation>
    </message>
    <message>
        <source>HEIF files</source>
        <translation>HEIF 文件</translation>
    </message>
    <message>
        <source>JPEG XL files</source>
        <translation>JPEG XL 文件</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>SVG 绘图</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>All picture files</source>
        <translation>所有图片文件</translation>
    </message>
</context>
<context>
    <name>QtMessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>保留两者(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>跳过(&amp;S)</translation>
    </message>
</context>
<context>
    <name>RenameRules</name>
    <message>
        <source>A file name must be entered</source>
        <translation>必须输入文件名</translation>
    </message>
    <message>
        <source>Invalid file name. no &apos;.&apos; are allowed within a file name</source>
        <translation>文件名无效。文件名中不允许包含“.”</translation>
    </message>
    <message>
        <source>control characters</source>
        <translation>控制字符</translation>
    </message>
    <message>
        <source>Invalid file name. A file name cannot contain %1</source>
        <translation>文件名无效。文件名不能包含 %1</translation>
    </message>
    <message>
        <source>Invalid file name. The name is too long</source>
        <translation>文件名无效。名称太长</translation>
    </message>
</context>
<context>
    <name>SecondListFiles</name>
    <message>
        <source>pic. list(*.pvl)|*.pvl</source>
        <translation>图片列表 (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>pic. list (*.pvl)|*.pvl</source>
        <translation>图片列表 (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>unable to load file</source>
        <translation>无法加载文件 </translation>
    </message>
    <message>
        <source>This list is empty.</source>
        <translation>此列表为空。</translation>
    </message>
    <message>
        <source>Cancel saving file</source>
        <translation>已取消保存文件 </translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>It is larger than a settings file can be.</source>
        <translation>它超出了设置文件可能的大小。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be saved.
%2</source>
        <translation>无法保存设置文件 %1。
%2</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read.
%2</source>
        <translation>无法读取设置文件 %1。
%2</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read.
%2
It is left as it is; the program goes on with the initial settings and does not save changes to them.</source>
        <translation>无法读取设置文件 %1。
%2
该文件保持原样；程序将使用初始设置继续运行，且不保存对设置的更改。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written.
%2
The program goes on with the initial settings; changes to them are not kept after it ends.</source>
        <translation>无法写入设置文件 %1。
%2
程序将使用初始设置继续运行；程序结束后对设置的更改不会保留。</translation>
    </message>
</context>
<context>
    <name>ShellDelete</name>
    <message>
        <source>This file cannot be moved to the trash: its drive has no trash.

%1

Delete it for good? It cannot be restored.</source>
        <translation>此文件无法移到回收站：它所在的驱动器没有回收站。

%1

要永久删除吗？删除后无法恢复。</translation>
    </message>
    <message>
        <source>These %1 files cannot be moved to the trash: their drive has no trash.

%2

Delete them for good? They cannot be restored.</source>
        <translation>这 %1 个文件无法移到回收站：它们所在的驱动器没有回收站。

%2

要永久删除吗？删除后无法恢复。</translation>
    </message>
    <message>
        <source>Delete this file for good? It cannot be restored.</source>
        <translation>要永久删除此文件吗？删除后无法恢复。</translation>
    </message>
    <message>
        <source>Delete these %1 files for good? They cannot be restored.</source>
        <translation>要永久删除这 %1 个文件吗？删除后无法恢复。</translation>
    </message>
    <message>
        <source>Move this file to the trash?</source>
        <translation>要将此文件移到回收站吗？</translation>
    </message>
    <message>
        <source>Move these %1 files to the trash?</source>
        <translation>要将这 %1 个文件移到回收站吗？</translation>
    </message>
    <message>
        <source>This file could not be deleted:</source>
        <translation>无法删除此文件：</translation>
    </message>
    <message>
        <source>These files could not be deleted:</source>
        <translation>无法删除这些文件：</translation>
    </message>
    <message>
        <source>This file could not be moved to the trash:</source>
        <translation>无法将此文件移到回收站：</translation>
    </message>
    <message>
        <source>These files could not be moved to the trash:</source>
        <translation>无法将这些文件移到回收站：</translation>
    </message>
</context>
<context>
    <name>TurnSave</name>
    <message>
        <source>Turns are saved only into JPEG, PNG, BMP, TIFF and still GIF pictures.</source>
        <translation>旋转只能保存到 JPEG、PNG、BMP、TIFF 和静态 GIF 图片中。</translation>
    </message>
</context>
<context>
    <name>orv::AboutBox</name>
    <message>
        <source>About Orvanta.</source>
        <translation>关于 Orvanta</translation>
    </message>
    <message>
        <source>Orvanta&apos;s icon</source>
        <translation>Orvanta 图标</translation>
    </message>
    <message>
        <source>Orvanta shows your pictures one at a time, fitted, stretched or zoomed, plays them as a slideshow and keeps them in lists you can save.</source>
        <translation>Orvanta 逐张显示您的图片（适应窗口、拉伸或缩放），可以幻灯片方式播放，并将图片保存在可存储的列表中。</translation>
    </message>
    <message>
        <source>Warning: this program comes with no warranty of any kind.</source>
        <translation>警告：本程序不提供任何形式的担保。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>系统信息暂时不可用</translation>
    </message>
</context>
<context>
    <name>orv::BoxTools</name>
    <message>
        <source>Zoom is not allowed while displaying a picture in &apos;Stretch&apos; or &apos;Fit to box&apos; mode !!</source>
        <translation>在“拉伸”或“适应图片框”模式下显示图片时不允许缩放！</translation>
    </message>
</context>
<context>
    <name>orv::DesktopCommands</name>
    <message>
        <source>This file cannot be found, so its folder cannot be shown:
</source>
        <translation>找不到此文件，因此无法显示其所在文件夹：
</translation>
    </message>
    <message>
        <source>No file manager could be started to show this file:
</source>
        <translation>无法启动文件管理器来显示此文件：
</translation>
    </message>
</context>
<context>
    <name>orv::DisplayEngine</name>
    <message>
        <source>Click anywhere to hide this picture.</source>
        <translation>单击任意位置隐藏此图片。</translation>
    </message>
    <message>
        <source>That was the last picture in this list.</source>
        <translation>这是此列表中的最后一张图片。</translation>
    </message>
    <message>
        <source>Specified picture file cannot be accessed!!</source>
        <translation>无法访问指定的图片文件！</translation>
    </message>
    <message>
        <source>Click anywhere to show back the picture.</source>
        <translation>单击任意位置重新显示图片。</translation>
    </message>
    <message>
        <source>The pictures&apos; list is empty.(No pictures to display.)</source>
        <translation>图片列表为空。（没有可显示的图片。）</translation>
    </message>
</context>
<context>
    <name>orv::FileCommands</name>
    <message>
        <source>No files selected to delete.</source>
        <translation>未选择要删除的文件。</translation>
    </message>
    <message>
        <source>One file must be chosen to be renamed.</source>
        <translation>必须只选择一个文件进行重命名。</translation>
    </message>
    <message>
        <source>Cannot rename the file to </source>
        <translation>无法将文件重命名为 </translation>
    </message>
    <message>
        <source>.This file already exists</source>
        <translation>。该文件已存在</translation>
    </message>
    <message>
        <source>This file could not be renamed:</source>
        <translation>无法重命名此文件：</translation>
    </message>
    <message>
        <source>This file cannot be found, so its properties cannot be shown:
</source>
        <translation>找不到此文件，因此无法显示其属性：
</translation>
    </message>
</context>
<context>
    <name>orv::FilePropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Full Path:</source>
        <translation>完整路径：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Created/Modified on:</source>
        <translation>创建/修改时间：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>orv::FolderChooser</name>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>This folder cannot be read:
</source>
        <translation>无法读取此文件夹：
</translation>
    </message>
    <message>
        <source>Drive is not ready!!</source>
        <translation>驱动器未就绪！</translation>
    </message>
</context>
<context>
    <name>orv::Form1</name>
    <message>
        <source>pic.&apos;s list</source>
        <translation>图片列表</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>打开列表</translation>
    </message>
    <message>
        <source>Current pic.&apos;s count in the list</source>
        <translation>当前图片在列表中的序号</translation>
    </message>
    <message>
        <source>Welcome. Open or make a pictures list to start.</source>
        <translation>欢迎。请打开或创建一个图片列表以开始。</translation>
    </message>
    <message>
        <source>Bad command line argument</source>
        <translation>命令行参数错误</translation>
    </message>
    <message>
        <source>You are going to end your session with ME!!</source>
        <translation>您即将结束与我的会话！</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Pic. &amp;File(s)</source>
        <translation>图片文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>列表(&amp;L)</translation>
    </message>
    <message>
        <source>Pic. Folde&amp;r</source>
        <translation>图片文件夹(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>新建列表(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Save list</source>
        <translation>保存列表(&amp;S)</translation>
    </message>
    <message>
        <source>Save list &amp;As</source>
        <translation>列表另存为(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Delete file</source>
        <translation>删除文件(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename file</source>
        <translation>重命名文件(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>属性(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>全选(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>反向选择(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>下一张(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <translation>上一张(&amp;P)</translation>
    </message>
    <message>
        <source>Fit to &amp;Box</source>
        <translation>适应图片框(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>拉伸(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Run slide show</source>
        <translation>运行幻灯片放映(&amp;R)</translation>
    </message>
    <message>
        <source>Slide show &amp;options</source>
        <translation>幻灯片放映选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清空(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>排序(&amp;S)</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>按名称(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>随机排列(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>自定义(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open lisl manager</source>
        <translation>打开列表管理器(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>帮助主题(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;What&apos;s this?</source>
        <translation>这是什么(&amp;W)?</translation>
    </message>
    <message>
        <source>Bug report</source>
        <translation>报告错误</translation>
    </message>
    <message>
        <source>&amp;About Orvanta...</source>
        <translation>关于 Orvanta(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>显示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Open lisl manger</source>
        <translation>打开列表管理器(&amp;O)</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>复制(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>复制图片</translation>
    </message>
    <message>
        <source>By date &amp;taken</source>
        <translation>按拍摄日期(&amp;T)</translation>
    </message>
    <message>
        <source>Sort the list by the date each photo was taken</source>
        <translation>按每张照片的拍摄日期对列表排序</translation>
    </message>
    <message>
        <source>By date &amp;modified</source>
        <translation>按修改日期(&amp;M)</translation>
    </message>
    <message>
        <source>Sort the list by the date each file was last changed</source>
        <translation>按每个文件的最后修改日期对列表排序</translation>
    </message>
    <message>
        <source>By si&amp;ze</source>
        <translation>按大小(&amp;Z)</translation>
    </message>
    <message>
        <source>Sort the list by file size, smallest first</source>
        <translation>按文件大小对列表排序，最小的在前</translation>
    </message>
    <message>
        <source>By t&amp;ype</source>
        <translation>按类型(&amp;Y)</translation>
    </message>
    <message>
        <source>Sort the list by file type (the name&apos;s extension)</source>
        <translation>按文件类型（文件名的扩展名）对列表排序</translation>
    </message>
    <message>
        <source>Rotate &amp;left</source>
        <translation>向左旋转(&amp;L)</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn to the left</source>
        <translation>将图片向左旋转四分之一圈</translation>
    </message>
    <message>
        <source>Rotate &amp;right</source>
        <translation>向右旋转(&amp;R)</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn to the right</source>
        <translation>将图片向右旋转四分之一圈</translation>
    </message>
    <message>
        <source>Flip &amp;horizontally</source>
        <translation>水平翻转(&amp;H)</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>将图片左右镜像</translation>
    </message>
    <message>
        <source>Flip &amp;vertically</source>
        <translation>垂直翻转(&amp;V)</translation>
    </message>
    <message>
        <source>Mirror the picture top to bottom</source>
        <translation>将图片上下镜像</translation>
    </message>
    <message>
        <source>Save &amp;turned picture</source>
        <translation>保存旋转后的图片(&amp;T)</translation>
    </message>
    <message>
        <source>Write the picture&apos;s turn into its file, without loss</source>
        <translation>将图片的旋转无损写入其文件</translation>
    </message>
</context>
<context>
    <name>orv::HelpWindow</name>
    <message>
        <source>Orvanta Help</source>
        <translation>Orvanta 帮助</translation>
    </message>
</context>
<context>
    <name>orv::ImageBoxView</name>
    <message>
        <source>The picture.</source>
        <translation>图片。</translation>
    </message>
    <message>
        <source>The picture box.</source>
        <translation>图片框。</translation>
    </message>
</context>
<context>
    <name>orv::ListFileCommands</name>
    <message>
        <source>pic. list(*.pvl)|*.pvl</source>
        <translation>图片列表 (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>pic. list (*.pvl)|*.pvl</source>
        <translation>图片列表 (*.pvl)|*.pvl</translation>
    </message>
    <message>
        <source>This list no longer exists</source>
        <translation>此列表已不存在</translation>
    </message>
    <message>
        <source>unable to load file</source>
        <translation>无法加载文件 </translation>
    </message>
    <message>
        <source>Click the picture box to show first pic.</source>
        <translation>单击图片框以显示第一张图片。</translation>
    </message>
    <message>
        <source>This list is empty.</source>
        <translation>此列表为空。</translation>
    </message>
    <message>
        <source>Cancel saving file</source>
        <translation>已取消保存文件 </translation>
    </message>
</context>
<context>
    <name>orv::ListForm</name>
    <message>
        <source>Orvanta (List Manager)</source>
        <translation>Orvanta（列表管理器）</translation>
    </message>
    <message>
        <source>Main list</source>
        <translation>主列表</translation>
    </message>
    <message>
        <source>Second list</source>
        <translation>第二列表</translation>
    </message>
    <message>
        <source>Second list folders</source>
        <translation>第二列表的文件夹</translation>
    </message>
    <message>
        <source>Move selected files up</source>
        <translation>将所选文件上移</translation>
    </message>
    <message>
        <source>Move selected files down.</source>
        <translation>将所选文件下移。</translation>
    </message>
    <message>
        <source>Exit and LOSE any unsaved changes??</source>
        <translation>退出并丢失所有未保存的更改吗？</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;New list</source>
        <translation>打开新列表(&amp;N)</translation>
    </message>
    <message>
        <source>Open &amp;another list</source>
        <translation>打开另一个列表(&amp;A)</translation>
    </message>
    <message>
        <source>Save &amp;main list</source>
        <translation>保存主列表(&amp;M)</translation>
    </message>
    <message>
        <source>Save main list &amp;as</source>
        <translation>主列表另存为(&amp;A)</translation>
    </message>
    <message>
        <source>Save secon&amp;d list</source>
        <translation>保存第二列表(&amp;D)</translation>
    </message>
    <message>
        <source>Save seco&amp;nd list as</source>
        <translation>第二列表另存为(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>To &amp;main list</source>
        <translation>到主列表(&amp;M)</translation>
    </message>
    <message>
        <source>To &amp;second list</source>
        <translation>到第二列表(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>排序(&amp;S)</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>按名称(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>随机排列(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>清空(&amp;L)</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>下移(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>反向选择(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Copy           </source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Copy          </source>
        <translation>复制(&amp;C)</translation>
    </message>
</context>
<context>
    <name>orv::MainToolbar</name>
    <message>
        <source>Delete(Pic. File)</source>
        <translation>删除（图片文件）</translation>
    </message>
    <message>
        <source>Show prev. picture</source>
        <translation>显示上一张图片</translation>
    </message>
    <message>
        <source>Show next picture</source>
        <translation>显示下一张图片</translation>
    </message>
    <message>
        <source>Elongate image box</source>
        <translation>加长图片框</translation>
    </message>
    <message>
        <source>De-elongate image box</source>
        <translation>缩短图片框</translation>
    </message>
    <message>
        <source>Widen image box</source>
        <translation>加宽图片框</translation>
    </message>
    <message>
        <source>De-widen image box</source>
        <translation>缩窄图片框</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out.(press shift to restore original size)</source>
        <translation>缩小（按住 Shift 恢复原始大小）</translation>
    </message>
    <message>
        <source>Fit pic. into box(keep in ratios)</source>
        <translation>使图片适应图片框（保持比例）</translation>
    </message>
    <message>
        <source>Stretch pic. to box size(disregard ratios)</source>
        <translation>将图片拉伸到图片框大小（不保持比例）</translation>
    </message>
    <message>
        <source>Set box size to full screen</source>
        <translation>将图片框设为全屏大小</translation>
    </message>
    <message>
        <source>Run slide show</source>
        <translation>运行幻灯片放映</translation>
    </message>
    <message>
        <source>List Manager</source>
        <translation>列表管理器</translation>
    </message>
    <message>
        <source>&quot;What&apos;s this&quot; help</source>
        <translation>“这是什么”帮助</translation>
    </message>
</context>
<context>
    <name>orv::OpenFolderDialog</name>
    <message>
        <source>Open pic. folder</source>
        <translation>打开图片文件夹</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>&amp;Add </source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Add above files to list </source>
        <translation>将上方的文件添加到列表</translation>
    </message>
    <message>
        <source>&amp;Replace </source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>Replaces list contents with above files</source>
        <translation>用上方的文件替换列表内容</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>orv::PasteToDialog</name>
    <message>
        <source>Paste to folder</source>
        <translation>粘贴到文件夹</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
</context>
<context>
    <name>orv::RenameDialog</name>
    <message>
        <source>Rename file</source>
        <translation>重命名文件</translation>
    </message>
    <message>
        <source>Enter the new file name without any extension</source>
        <translation>请输入不带扩展名的新文件名</translation>
    </message>
</context>
<context>
    <name>orv::SlideForm</name>
    <message>
        <source>Orvanta (Slide show)</source>
        <translation>Orvanta（幻灯片放映）</translation>
    </message>
    <message>
        <source>The slide show picture.</source>
        <translation>幻灯片放映的图片。</translation>
    </message>
    <message>
        <source>Show prev. pic.</source>
        <translation>显示上一张图片</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Show next pic.</source>
        <translation>显示下一张图片</translation>
    </message>
    <message>
        <source>Specified picture file cannot be accessed!!</source>
        <translation>无法访问指定的图片文件！</translation>
    </message>
</context>
<context>
    <name>orv::SlideOp</name>
    <message>
        <source>SlideShow Options</source>
        <translation>幻灯片放映选项</translation>
    </message>
    <message>
        <source>Slideshow timer duration.         (Enter a time in sec. from 1 to 15)</source>
        <translation>幻灯片放映间隔。（请输入 1 到 15 之间的秒数）</translation>
    </message>
    <message>
        <source> Resolusion Type</source>
        <translation> 分辨率类型</translation>
    </message>
    <message>
        <source>Auto-resolution (best results)</source>
        <translation>自动分辨率（效果最佳）</translation>
    </message>
    <message>
        <source>The size of the image will be automatically chosen</source>
        <translation>图片大小将自动选择</translation>
    </message>
    <message>
        <source>Fit to current box size</source>
        <translation>适应当前图片框大小</translation>
    </message>
    <message>
        <source>The pic. will be fit into a box of the size of the current image box</source>
        <translation>图片将适应与当前图片框大小相同的框</translation>
    </message>
    <message>
        <source>True Size (not recommended)</source>
        <translation>实际大小（不推荐）</translation>
    </message>
    <message>
        <source>Use actual pic. size. Can go out of screen size</source>
        <translation>使用图片的实际大小。可能超出屏幕</translation>
    </message>
    <message>
        <source>Show splash screen</source>
        <translation>显示启动画面</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>orv::SlideOptions</name>
    <message>
        <source>The &apos;Orvanta.ini&apos; file is missing or corrupted. This file is important to run this program. Press ok and this file will be reinstalled but some of your settings will be reset to its initial values. You press cancel to try solving this problem manually</source>
        <translation>“Orvanta.ini”文件丢失或已损坏。运行本程序需要此文件。按“确定”将重新安装此文件，但您的部分设置将恢复为初始值。按“取消”可尝试手动解决此问题</translation>
    </message>
    <message>
        <source>Invalid slideshow timer duration. (Expected a value between 1 &amp; 15)</source>
        <translation>幻灯片放映间隔无效。（应为 1 到 15 之间的值）</translation>
    </message>
</context>
<context>
    <name>orv::SortCommands</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Reading the pictures&apos; dates and sizes...</source>
        <translation>正在读取图片的日期和大小...</translation>
    </message>
</context>
<context>
    <name>orv::StartupSplash</name>
    <message>
        <source>For %1</source>
        <translation>适用于 %1</translation>
    </message>
</context>
<context>
    <name>orv::TurnCommands</name>
    <message>
        <source>This picture&apos;s width or height is not a multiple of its %1 x %2 pixel blocks, so it cannot be turned without loss as it is.

Turn it without loss and cut the partial blocks off its edge (%3 x %4 pixels remain)?</source>
        <translation>此图片的宽度或高度不是其 %1 x %2 像素块的整数倍，因此无法按原样无损旋转。

要无损旋转并裁掉边缘不完整的块吗（剩余 %3 x %4 像素）？</translation>
    </message>
    <message>
        <source>The turned picture could not be saved; the file is as it was:
%1

%2</source>
        <translation>无法保存旋转后的图片；文件保持原样：
%1

%2</translation>
    </message>
</context>
<context>
    <name>orv::WelcomeScreen</name>
    <message>
        <source>Click any where or press spacebar to hide/show pictures.</source>
        <translation>单击任意位置或按空格键隐藏/显示图片。</translation>
    </message>
    <message>
        <source>Press escape to return to the main window.</source>
        <translation>按 Esc 键返回主窗口。</translation>
    </message>
    <message>
        <source>Press down arrow to pause the show.</source>
        <translation>按下方向键暂停放映。</translation>
    </message>
    <message>
        <source>Press right arrow to escape this picture to yhe next one.</source>
        <translation>按右方向键跳到下一张图片。</translation>
    </message>
    <message>
        <source>Press left arrow to return to previous picture.</source>
        <translation>按左方向键返回上一张图片。</translation>
    </message>
    <message>
        <source>Slide show logo</source>
        <translation>幻灯片放映徽标</translation>
    </message>
    <message>
        <source> Welcome to the</source>
        <translation> 欢迎使用</translation>
    </message>
    <message>
        <source>SLIDESHOW</source>
        <translation>幻灯片放映</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again</source>
        <translation>不再显示此屏幕</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
