<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>QVRToMorvane
Version: 0.1
The QVRtoMorvane project
Free software, MIT licence</source>
        <translation>QVRToMorvane
版本：0.1
QVRtoMorvane 项目
自由软件，MIT 许可证</translation>
    </message>
</context>
<context>
    <name>BatchDialog</name>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n code(s) into %1</source>
        <translation>
            <numerusform>正在转换 %n 个代码，保存到 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>批量转换代码</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>结果</translation>
    </message>
</context>
<context>
    <name>CodeSession</name>
    <message>
        <source>plain</source>
        <translation>无标记</translation>
    </message>
    <message>
        <source>underlined</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>dashed underline</source>
        <translation>虚线下划线</translation>
    </message>
    <message>
        <source>struck through</source>
        <translation>删除线</translation>
    </message>
    <message>
        <source>Every segment was copied as it was.</source>
        <translation>所有片段均已原样复制。</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>……还有 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the code shown here.</source>
        <translation>#%1 位于此处显示的代码范围之外。</translation>
    </message>
    <message>
        <source>#%1 was dropped: nothing of it is in the Morvane code.</source>
        <translation>#%1 已丢弃：Morvane 代码中没有它的任何内容。</translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the Morvane code shown here.</source>
        <translation>#%1 位于此处显示的 Morvane 代码范围之外。</translation>
    </message>
    <message>
        <source>(clipboard)</source>
        <translation>（剪贴板）</translation>
    </message>
    <message>
        <source>(shared)</source>
        <translation>（分享）</translation>
    </message>
</context>
<context>
    <name>CodeText</name>
    <message>
        <source>Showing the first %1 KB of %2 bytes; Save and Copy give the whole code.</source>
        <translation>仅显示 %2 字节中的前 %1 KB；保存和复制时会包含完整代码。</translation>
    </message>
</context>
<context>
    <name>ConversionDetails</name>
    <message>
        <source>Conversion Details</source>
        <translation>转换详情</translation>
    </message>
    <message>
        <source>&amp;QVR code</source>
        <translation>QVR 代码(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Morvane code</source>
        <translation>Morvane 代码(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Segments not copied (select one to find it in both codes)</source>
        <translation>未复制的片段(&amp;S)（选中一项即可在两份代码中找到它）</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>片段</translation>
    </message>
    <message>
        <source>Fate</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>原因</translation>
    </message>
</context>
<context>
    <name>ConversionReport</name>
    <message>
        <source>copied</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>renumbered</source>
        <translation>重新编号</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <source>the last value is cut</source>
        <translation>截掉最后一个值</translation>
    </message>
    <message>
        <source>the last two values are cut</source>
        <translation>截掉最后两个值</translation>
    </message>
    <message>
        <source>the last three values are cut</source>
        <translation>截掉最后三个值</translation>
    </message>
    <message>
        <source>the last four values are cut</source>
        <translation>截掉最后四个值</translation>
    </message>
    <message>
        <source>the last two characters are cut</source>
        <translation>截掉最后两个字符</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last two characters</source>
        <translation>%1 截掉最后两个字符后就什么都不剩了</translation>
    </message>
    <message>
        <source>the last six characters are cut</source>
        <translation>截掉最后六个字符</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last six characters</source>
        <translation>%1 截掉最后六个字符后就什么都不剩了</translation>
    </message>
    <message>
        <source>%1, value 11 becomes 1</source>
        <translation>%1，值 11 变为 1</translation>
    </message>
    <message>
        <source>%1, and a value 1 is added</source>
        <translation>%1，并添加一个值 1</translation>
    </message>
    <message>
        <source>%1: slot %2 stays %3, %4</source>
        <translation>%1：槽位 %2 保持为 %3，%4</translation>
    </message>
    <message>
        <source>%1: slot %2 becomes %3, %4</source>
        <translation>%1：槽位 %2 变为 %3，%4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: value %2 becomes %3 and value %4 becomes %5</source>
        <translation>%1：值 %2 变为 %3，值 %4 变为 %5</translation>
    </message>
    <message>
        <source>Morvane takes no &quot;%1&quot; segments</source>
        <translation>Morvane 不接受“%1”片段</translation>
    </message>
    <message>
        <source>all %1 %2 slots are taken</source>
        <translation>%1 个 %2 槽位已全部占用</translation>
    </message>
    <message>
        <source>a %1 segment needs at least %2 values</source>
        <translation>%1 片段至少需要 %2 个值</translation>
    </message>
    <message>
        <source>an %1 segment needs at least %2 values</source>
        <translation>%1 片段至少需要 %2 个值</translation>
    </message>
    <message>
        <source>value 0 has no slot number</source>
        <translation>值 0 没有槽位编号</translation>
    </message>
    <message>
        <source>the last value kept, &quot;%1&quot;, is not a number</source>
        <translation>保留的最后一个值“%1”不是数字</translation>
    </message>
    <message>
        <source>the lead number &quot;%1&quot; is not a number</source>
        <translation>开头编号“%1”不是数字</translation>
    </message>
    <message>
        <source>the last value kept, %1, is above %2</source>
        <translation>保留的最后一个值 %1 超过了 %2</translation>
    </message>
    <message>
        <source>the lead number %1 is above %2</source>
        <translation>开头编号 %1 超过了 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped</source>
        <translation>
            <numerusform>共 %n 个片段：复制 %1，修改 %2，重新编号 %3，丢弃 %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>第 1 步：</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>第 2 步：</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>第 3 步：</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>第 4 步：</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>点击“载入 QVR 文件”按钮。</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the
program and load it in.</source>
        <translation>选择一个 QVR 代码 .txt 文件，
将其载入程序。</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the
&quot;CONVERT QVR TO MORVANE&quot; button. If
the file is invalid, try to select a
different file that is valid.</source>
        <translation>如果载入的文件有效，请点击
“将 QVR 转换为 Morvane”按钮。
如果文件无效，请另选一个
有效的文件。</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE
TO COMPUTER&quot; button and save as
a new .txt file, or highlight the new
displayed morvane code and copy-paste
it into the morvane import screen.</source>
        <translation>点击“保存 Morvane 代码”按钮，
保存为新的 .txt 文件；或者选中
新显示的 Morvane 代码，复制并
粘贴到 Morvane 的导入界面。</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character code for the QVR variant of the dress-up program into a code that Morvane imports. Everything happens in this page: nothing is sent anywhere.</source>
        <translation>将换装程序 QVR 版本的角色代码转换为 Morvane 可以导入的代码。所有操作都在本页面中完成，不会向任何地方发送数据。</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>PASTE QVR CODE</source>
        <translation>粘贴 QVR 代码</translation>
    </message>
    <message>
        <source>COPY MORVANE CODE</source>
        <translation>复制 Morvane 代码</translation>
    </message>
    <message>
        <source>SHARE MORVANE CODE</source>
        <translation>分享 Morvane 代码</translation>
    </message>
    <message>
        <source>QVR code</source>
        <translation>QVR 代码</translation>
    </message>
    <message>
        <source>Morvane code</source>
        <translation>Morvane 代码</translation>
    </message>
    <message>
        <source>Segments not copied</source>
        <translation>未复制的片段</translation>
    </message>
    <message>
        <source>Several codes at once</source>
        <translation>批量转换多个代码</translation>
    </message>
    <message>
        <source>Converts a handful of code files, or a whole folder, into one zip; the code above stays as it is.</source>
        <translation>将几个代码文件或整个文件夹转换后打包成一个 zip 文件；上方的代码保持不变。</translation>
    </message>
    <message>
        <source>CONVERT SEVERAL CODES</source>
        <translation>批量转换代码</translation>
    </message>
    <message>
        <source>CONVERT A FOLDER</source>
        <translation>转换文件夹</translation>
    </message>
    <message>
        <source>SAVE ALL</source>
        <translation>全部保存</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>点击“载入 QVR 文件”按钮。</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the program and load it in.</source>
        <translation>选择一个 QVR 代码 .txt 文件，将其载入程序。</translation>
    </message>
    <message>
        <source>(You may also drop the file on this page, or paste the code: &quot;PASTE QVR CODE&quot;, Ctrl+V anywhere, or on a phone a long press in the box above the convert button, then Paste. Once the page is installed, a phone&apos;s Share in a chat offers it too: the code in a shared message is taken, whatever words are around it.)</source>
        <translation>（你也可以把文件拖放到本页面上，或者粘贴代码：点击“粘贴 QVR 代码”，在任意位置按 Ctrl+V，或者在手机上长按转换按钮上方的文本框，然后选择“粘贴”。安装本页面后，在聊天中使用手机的“分享”功能也能选择它：分享的消息中的代码会被提取出来，不论周围还有什么文字。）</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the &quot;CONVERT QVR TO MORVANE&quot; button. If the file is invalid, try to select a different file that is valid.</source>
        <translation>如果载入的文件有效，请点击“将 QVR 转换为 Morvane”按钮。如果文件无效，请另选一个有效的文件。</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE TO COMPUTER&quot; button and save as a new .txt file, or copy the new displayed morvane code and paste it into the morvane import screen (on a phone, &quot;SHARE MORVANE CODE&quot; sends it straight back into a chat).</source>
        <translation>点击“保存 Morvane 代码”按钮，保存为新的 .txt 文件；或者复制新显示的 Morvane 代码，粘贴到 Morvane 的导入界面（在手机上，“分享 Morvane 代码”可以将它直接发回聊天中）。</translation>
    </message>
    <message>
        <source>Codes converted</source>
        <translation>已转换的代码</translation>
    </message>
    <message>
        <source>What became of each code</source>
        <translation>每个代码的结果</translation>
    </message>
    <message>
        <source>This browser could not start the converter: try another browser.</source>
        <translation>此浏览器无法启动转换器，请换用其他浏览器。</translation>
    </message>
    <message>
        <source>The page failed and must be reloaded to convert again.</source>
        <translation>页面出错了，需要重新加载页面才能再次转换。</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>the browser could not read it</source>
        <translation>浏览器无法读取该文件</translation>
    </message>
    <message>
        <source>the browser refused</source>
        <translation>浏览器拒绝了操作</translation>
    </message>
</context>
<context>
    <name>QVRtoMorvane</name>
    <message>
        <source>LOAD QVR FILE</source>
        <translation>载入 QVR 文件</translation>
    </message>
    <message>
        <source>Selected File:</source>
        <translation>已选文件：</translation>
    </message>
    <message>
        <source>CONVERT QVR TO MORVANE</source>
        <translation>将 QVR 转换为 Morvane</translation>
    </message>
    <message>
        <source>SAVE MORVANE CODE TO COMPUTER</source>
        <translation>保存 Morvane 代码</translation>
    </message>
    <message>
        <source>CLEAR CURRENT CODES</source>
        <translation>清除当前代码</translation>
    </message>
    <message>
        <source>Conversion Details</source>
        <translation>转换详情</translation>
    </message>
    <message>
        <source>QVRtoMorvane</source>
        <translation>QVRtoMorvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Selected File: </source>
        <translation>已选文件： </translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Paste QVR Code</source>
        <translation>粘贴 QVR 代码</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Convert Several Codes...</source>
        <translation>批量转换代码...</translation>
    </message>
    <message>
        <source>Copy Morvane Code</source>
        <translation>复制 Morvane 代码</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Above: %1</source>
        <translation>上方：%1</translation>
    </message>
    <message>
        <source>Below: %1</source>
        <translation>下方：%1</translation>
    </message>
    <message>
        <source>Save Code to File</source>
        <translation>将代码保存到文件</translation>
    </message>
    <message>
        <source>The code could not be saved to &quot;%1&quot;:
%2</source>
        <translation>无法将代码保存到“%1”：
%2</translation>
    </message>
    <message>
        <source>Select the codes to convert</source>
        <translation>选择要转换的代码</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>批量转换代码</translation>
    </message>
    <message>
        <source>Choose a folder for the Morvane codes</source>
        <translation>选择存放 Morvane 代码的文件夹</translation>
    </message>
    <message numerus="yes">
        <source>%n of these codes would replace a file of the same name in %1.</source>
        <translation>
            <numerusform>其中 %n 个代码会替换 %1 中的同名文件。</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Them</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Skip Them</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>QVR Code will be displayed here...</source>
        <translation>QVR 代码将显示在这里……</translation>
    </message>
    <message>
        <source>New Morvane Code will be displayed here...</source>
        <translation>新的 Morvane 代码将显示在这里……</translation>
    </message>
    <message>
        <source>The file you provided is not a valid QVR file!!</source>
        <translation>你提供的文件不是有效的 QVR 文件！</translation>
    </message>
    <message>
        <source>Select a file to load</source>
        <translation>选择要加载的文件</translation>
    </message>
</context>
<context>
    <name>StepMessage</name>
    <message>
        <source>Loaded %1.</source>
        <translation>已载入 %1。</translation>
    </message>
    <message>
        <source>Loaded the pasted code.</source>
        <translation>已载入粘贴的代码。</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>%1 不是 QVR 代码：它不是以 106 或 107 开头的。</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>%1 不是 QVR 代码：头部不完整，或者其中某个片段为空。</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>粘贴的文本不是 QVR 代码：它不是以 106 或 107 开头的。</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>粘贴的文本不是 QVR 代码：头部不完整，或者其中某个片段为空。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1 holds %2; codes of up to %3 can be converted here.</source>
        <translation>%1 的大小为 %2；这里最多只能转换 %3 的代码。</translation>
    </message>
    <message>
        <source>Converted: %1.</source>
        <translation>已转换（%1）。</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>已保存 %1。</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation>无法保存 %1：%2。</translation>
    </message>
    <message>
        <source>Morvane code copied.</source>
        <translation>已复制 Morvane 代码。</translation>
    </message>
    <message>
        <source>The code could not be copied (%1): select it in the lower box and copy it.</source>
        <translation>无法复制代码（%1）：请在下方的文本框中选中代码并复制。</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>剪贴板中没有可粘贴的文本。</translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard: press Ctrl+V, or on a phone long-press the box above the convert button and choose Paste.</source>
        <translation>此浏览器不允许页面读取剪贴板：请按 Ctrl+V，或者在手机上长按转换按钮上方的文本框，然后选择“粘贴”。</translation>
    </message>
    <message>
        <source>Only a file can be dropped here; to load a code as text, paste it.</source>
        <translation>这里只能拖放文件；要以文本形式载入代码，请直接粘贴。</translation>
    </message>
    <message>
        <source>Loaded the shared code.</source>
        <translation>已载入分享的代码。</translation>
    </message>
    <message>
        <source>Loaded the QVR code found in the shared text.</source>
        <translation>已载入在分享文本中找到的 QVR 代码。</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>分享的文本不是 QVR 代码：它不是以 106 或 107 开头的。</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>分享的文本不是 QVR 代码：头部不完整，或者其中某个片段为空。</translation>
    </message>
    <message>
        <source>Morvane code shared.</source>
        <translation>已分享 Morvane 代码。</translation>
    </message>
    <message>
        <source>The code could not be shared (%1): copy it instead.</source>
        <translation>无法分享代码（%1）：请改为复制。</translation>
    </message>
    <message>
        <source>converted: %1</source>
        <translation>已转换（%1）</translation>
    </message>
    <message>
        <source>converted into %2, since another code has the same name: %1</source>
        <translation>因为已有同名代码，已转换为 %2（%1）</translation>
    </message>
    <message>
        <source>not a QVR code: it does not begin with 106 or 107</source>
        <translation>不是 QVR 代码：不是以 106 或 107 开头的</translation>
    </message>
    <message>
        <source>not a QVR code: its header is incomplete or one of its segments is empty</source>
        <translation>不是 QVR 代码：头部不完整，或者其中某个片段为空</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>holds %1; codes of up to %2 can be converted here</source>
        <translation>大小为 %1；这里最多只能转换 %2 的代码</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>not converted: a file of its name was there already, and stays as it was</source>
        <translation>未转换：已有同名文件，该文件保持原样</translation>
    </message>
    <message>
        <source>not converted: the batch was stopped before it</source>
        <translation>未转换：批量转换在此之前已停止</translation>
    </message>
    <message numerus="yes">
        <source>Converted %1 of %n codes.</source>
        <translation>
            <numerusform>已转换 %1 个代码（共 %n 个）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: converted %1 of %n codes; every file written before is whole.</source>
        <translation>
            <numerusform>已停止：已转换 %1 个代码（共 %n 个）；之前写入的文件都是完整的。</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no .txt files to convert here.</source>
        <translation>这里没有可转换的 .txt 文件。</translation>
    </message>
</context>
</TS>
