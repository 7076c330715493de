<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AdministratorRun</name>
    <message>
        <source> (%1 ended with status %2%3)</source>
        <translation> (%1 结束，状态为 %2%3)</translation>
    </message>
    <message>
        <source>No authentication agent is running, so nobody could be asked for the administrator&apos;s password: nothing was wiped. Start your desktop&apos;s polkit agent (for example lxpolkit or polkit-gnome), or run ferrovane-cli as root in a terminal.</source>
        <translation>没有正在运行的身份验证代理，因此无法询问管理员密码：未擦除任何内容。请启动桌面的 polkit 代理（例如 lxpolkit 或 polkit-gnome），或在终端中以 root 身份运行 ferrovane-cli。</translation>
    </message>
    <message>
        <source>The polkit service, which decides who may act as the administrator, is not running: nothing was wiped. Run ferrovane-cli as root in a terminal instead.</source>
        <translation>决定谁可以以管理员身份操作的 polkit 服务未运行：未擦除任何内容。请改为在终端中以 root 身份运行 ferrovane-cli。</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given, or the request was refused: nothing was wiped.</source>
        <translation>未提供管理员密码，或请求被拒绝：未擦除任何内容。</translation>
    </message>
    <message>
        <source>%1 could not start the run with administrator rights: nothing was wiped.</source>
        <translation>%1 无法以管理员权限启动运行：未擦除任何内容。</translation>
    </message>
    <message>
        <source>The run with administrator rights ended without an outcome, so what it wiped is unknown.</source>
        <translation>以管理员权限进行的运行结束时没有结果，因此不知道擦除了什么。</translation>
    </message>
    <message>
        <source>The engine is running: nothing was handed over.</source>
        <translation>引擎正在运行：未移交任何内容。</translation>
    </message>
    <message>
        <source>%1 could not be started: %2: nothing was wiped.</source>
        <translation>无法启动 %1：%2：未擦除任何内容。</translation>
    </message>
    <message>
        <source>%1 can only be wiped with administrator rights, and pkexec, which asks for them, is not installed (Debian package &quot;pkexec&quot;). Install it, or run ferrovane-cli as root in a terminal.</source>
        <translation>%1 只能以管理员权限擦除，而用于请求该权限的 pkexec 未安装（Debian 软件包“pkexec”）。请安装它，或在终端中以 root 身份运行 ferrovane-cli。</translation>
    </message>
    <message>
        <source>Some of what needs administrator rights cannot be handed to them.</source>
        <translation>部分需要管理员权限的内容无法移交给管理员运行。</translation>
    </message>
    <message>
        <source>Only what the window can see as it is now, without a link on its way, is handed over.</source>
        <translation>只有窗口当前所见、且途中不经过链接的内容才会被移交。</translation>
    </message>
    <message>
        <source>Wiping the free space of %1 needs administrator rights. Run as administrator?</source>
        <translation>擦除 %1 的可用空间需要管理员权限。是否以管理员身份运行？</translation>
    </message>
    <message>
        <source>%1 could not be wiped without administrator rights. Run as administrator?</source>
        <translation>不具备管理员权限时无法擦除 %1。是否以管理员身份运行？</translation>
    </message>
    <message>
        <source>Continue as administrator</source>
        <translation>以管理员身份继续</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>ferrovane: no display can be opened; without a window, use ferrovane-cli (see ferrovane-cli --help)</source>
        <translation>ferrovane：无法打开任何显示器；没有窗口时，请使用 ferrovane-cli（参见 ferrovane-cli --help）</translation>
    </message>
</context>
<context>
    <name>FileManagerOffer</name>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to the context menus of Dolphin, Nemo and Nautilus, and Ferrovane to &quot;Open With&quot;, for you? Each entry opens this window with the selection queued; nothing is wiped before you press Start and answer its question.</source>
        <translation>是否为您在 Dolphin、Nemo 和 Nautilus 的右键菜单中添加“使用 Ferrovane 擦除”，并将 Ferrovane 添加到“打开方式”？每个菜单项都会打开此窗口并将所选内容加入队列；在您按下“开始”并回答其提问之前，不会擦除任何内容。</translation>
    </message>
    <message>
        <source>Also add &quot;Wipe with Ferrovane&quot; to Thunar&apos;s custom actions in %1? Your other actions are kept.</source>
        <translation>是否也将“使用 Ferrovane 擦除”添加到 %1 中 Thunar 的自定义动作？您的其他动作会保留。</translation>
    </message>
    <message>
        <source>&quot;Wipe with Ferrovane&quot; was added. A file manager that is open shows it once it is started again.</source>
        <translation>已添加“使用 Ferrovane 擦除”。已打开的文件管理器需重新启动后才会显示它。</translation>
    </message>
    <message>
        <source>Some file-manager entries could not be added.</source>
        <translation>部分文件管理器菜单项无法添加。</translation>
    </message>
</context>
<context>
    <name>PassSummary</name>
    <message>
        <source>Bytes </source>
        <translation>字节 </translation>
    </message>
    <message>
        <source>Text (empty: the pass cannot be written)</source>
        <translation>文本（为空：无法写入此轮）</translation>
    </message>
    <message>
        <source>Text &apos;%1&apos;</source>
        <translation>文本“%1”</translation>
    </message>
    <message>
        <source>Random bytes</source>
        <translation>随机字节</translation>
    </message>
    <message>
        <source>Random bytes </source>
        <translation>随机字节 </translation>
    </message>
    <message>
        <source>One random byte value</source>
        <translation>单一随机字节值</translation>
    </message>
    <message>
        <source>One random byte value in </source>
        <translation>单一随机字节值，取自 </translation>
    </message>
    <message>
        <source>Unknown kind %1: writes nothing</source>
        <translation>未知类型 %1：不写入任何内容</translation>
    </message>
    <message>
        <source>, read back</source>
        <translation>，并回读校验</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 item</source>
        <translation>1 项</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 项</translation>
    </message>
    <message>
        <source>On this system: %1</source>
        <translation>在此系统上：%1</translation>
    </message>
</context>
<context>
    <name>QtPromptService</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>QtWipeServices</name>
    <message>
        <source> is a executable file. Are you sure to wipe it?</source>
        <translation> 是可执行文件。确定要擦除它吗？</translation>
    </message>
</context>
<context>
    <name>SizeFunctions</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source> KiB</source>
        <translation> KiB</translation>
    </message>
    <message>
        <source> MiB</source>
        <translation> MiB</translation>
    </message>
    <message>
        <source> GiB</source>
        <translation> GiB</translation>
    </message>
    <message>
        <source> TiB</source>
        <translation> TiB</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>Main website:</source>
        <translation>官方网站：</translation>
    </message>
    <message>
        <source>Support email:</source>
        <translation>支持邮箱：</translation>
    </message>
    <message>
        <source>Ferrovane %1</source>
        <translation>Ferrovane %1</translation>
    </message>
    <message>
        <source>Licence: distributed by its developers under the terms published at %1/ (the package&apos;s copyright file says the same).</source>
        <translation>许可：由其开发者按照 %1/ 上公布的条款分发（软件包的 copyright 文件内容相同）。</translation>
    </message>
    <message>
        <source>Settings (Ferrovane.ini, prefs.dat) are kept in %1</source>
        <translation>设置（Ferrovane.ini、prefs.dat）保存在 %1</translation>
    </message>
    <message>
        <source>Wipe methods are kept in %1</source>
        <translation>擦除方法保存在 %1</translation>
    </message>
    <message>
        <source>Delete with Wiping: the files and folders you list are overwritten with their method, pass after pass, and deleted.</source>
        <translation>擦除式删除：您列出的文件和文件夹会按其方法逐轮覆写，然后删除。</translation>
    </message>
    <message>
        <source>Wipe free space: the free space of the drives you check is filled and overwritten, so files deleted earlier cannot be recovered from it.</source>
        <translation>擦除可用空间：填满并覆写您勾选的驱动器的可用空间，使先前删除的文件无法从中恢复。</translation>
    </message>
    <message>
        <source>Wipe special folders: the temporary, browser and trash folders you check are wiped with the folders&apos; method.</source>
        <translation>擦除特殊文件夹：使用文件夹的方法擦除您勾选的临时文件夹、浏览器文件夹和回收站文件夹。</translation>
    </message>
    <message>
        <source>Clear recently used files: the lists of recently used files that the desktop and programs keep are removed.</source>
        <translation>清除最近使用的文件：删除桌面和各程序保存的最近使用文件列表。</translation>
    </message>
    <message>
        <source>Clean traces: traces of use (caches, histories, cookies) are found and removed; Preview lists them first.</source>
        <translation>清理痕迹：查找并删除使用痕迹（缓存、历史记录、Cookie）；“预览”会先列出它们。</translation>
    </message>
    <message>
        <source>Options: wipe methods are made, looked at and changed, and each kind of wipe is given its method.</source>
        <translation>选项：创建、查看和修改擦除方法，并为每种擦除指定其方法。</translation>
    </message>
</context>
<context>
    <name>TCleanTracesPage</name>
    <message>
        <source>Clean &amp;traces</source>
        <translation>清理痕迹(&amp;T)</translation>
    </message>
    <message>
        <source>Traces to clean</source>
        <translation>要清理的痕迹</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>痕迹</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>找到</translation>
    </message>
    <message>
        <source>Overwrite files &amp;before deleting them</source>
        <translation>删除前先覆写文件(&amp;B)</translation>
    </message>
    <message>
        <source>Files are wiped with the method of the file engine instead of being deleted plainly.</source>
        <translation>文件会使用文件引擎的方法擦除，而不是直接删除。</translation>
    </message>
    <message>
        <source>Pat&amp;hs…</source>
        <translation>路径(&amp;H)…</translation>
    </message>
    <message>
        <source>Your own files and folders to clean, and the places no item ever cleans.</source>
        <translation>要清理的您自己的文件和文件夹，以及任何项目都不清理的位置。</translation>
    </message>
    <message>
        <source>Sch&amp;edule…</source>
        <translation>计划(&amp;E)…</translation>
    </message>
    <message>
        <source>Clean chosen traces on a schedule, also while the window is closed where the user&apos;s service manager runs.</source>
        <translation>按计划清理所选痕迹；在运行用户服务管理器的系统上，窗口关闭时也会进行。</translation>
    </message>
    <message>
        <source>Preview and outcome</source>
        <translation>预览和结果</translation>
    </message>
    <message>
        <source>What</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Size or reason</source>
        <translation>大小或原因</translation>
    </message>
    <message>
        <source>Look &amp;again</source>
        <translation>重新查找(&amp;A)</translation>
    </message>
    <message>
        <source>Works out again what each item finds now.</source>
        <translation>重新计算每个项目现在能找到的内容。</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>预览(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>清理(&amp;L)</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>停止(&amp;P)</translation>
    </message>
    <message>
        <source>The paths could not be kept, nothing changed: %1</source>
        <translation>无法保存路径，未作任何更改：%1</translation>
    </message>
    <message>
        <source>The choice holds until the program ends, but the settings file could not keep it: %1</source>
        <translation>此选择在程序结束前有效，但设置文件无法保存它：%1</translation>
    </message>
    <message>
        <source>Looking for traces...</source>
        <translation>正在查找痕迹...</translation>
    </message>
    <message>
        <source>%1 in use or out of reach</source>
        <translation>%1 正在使用或无法访问</translation>
    </message>
    <message>
        <source>nothing to clean</source>
        <translation>无可清理内容</translation>
    </message>
    <message>
        <source>Nothing of this kind was found on this system.</source>
        <translation>在此系统上未找到此类内容。</translation>
    </message>
    <message>
        <source>Would remove %1.</source>
        <translation>将删除 %1。</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>已删除 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be removed now (listed first).</source>
        <translation>%1 现在无法删除（列在最前）。</translation>
    </message>
    <message>
        <source>%1 could not be removed (listed first).</source>
        <translation>%1 无法删除（列在最前）。</translation>
    </message>
    <message>
        <source>Check a trace that has something to clean.</source>
        <translation>请勾选有可清理内容的痕迹。</translation>
    </message>
    <message>
        <source>Preview stopped. </source>
        <translation>预览已停止。 </translation>
    </message>
    <message>
        <source>Remove %1, found by %2 (%3)? This cannot be undone.
Preview lists each trace first.</source>
        <translation>是否删除由 %2 找到的 %1（%3）？此操作无法撤销。
“预览”会先列出每条痕迹。</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>删除 %1</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>已停止。 </translation>
    </message>
    <message>
        <source>The schedule in the settings file cannot be read: %1</source>
        <translation>无法读取设置文件中的计划：%1</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>没有计划清理。</translation>
    </message>
    <message>
        <source>Scheduled cleans are started by the user&apos;s service manager (systemd timer %1), also while Ferrovane is closed.</source>
        <translation>计划清理由用户服务管理器（systemd 定时器 %1）启动，Ferrovane 关闭时也会进行。</translation>
    </message>
    <message>
        <source>No user service manager runs: scheduled cleans are started by this window&apos;s timer while it is open.</source>
        <translation>没有运行用户服务管理器：计划清理由此窗口打开期间的定时器启动。</translation>
    </message>
    <message>
        <source>The schedule is on but never falls due: choose a day or a month.</source>
        <translation>计划已开启，但永远不会到期：请选择某一天或某个月。</translation>
    </message>
    <message>
        <source>No trace is chosen for it.</source>
        <translation>未为其选择任何痕迹。</translation>
    </message>
    <message>
        <source>The schedule could not be kept, nothing changed: %1</source>
        <translation>无法保存计划，未作任何更改：%1</translation>
    </message>
    <message>
        <source>Scheduled clean: </source>
        <translation>计划清理： </translation>
    </message>
    <message>
        <source>The outcome could not be recorded: %1</source>
        <translation>无法记录结果：%1</translation>
    </message>
</context>
<context>
    <name>TDeletePage</name>
    <message>
        <source>&amp;Delete with Wiping</source>
        <translation>擦除式删除(&amp;D)</translation>
    </message>
    <message>
        <source>Files Wiping </source>
        <translation>擦除文件 </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>As admin...</source>
        <translation>以管理员身份...</translation>
    </message>
    <message>
        <source>Wipe the files marked with a shield, which you may not change, with administrator rights</source>
        <translation>以管理员权限擦除标有盾牌图标的文件（您无权修改它们）</translation>
    </message>
    <message>
        <source>Folders Wiping </source>
        <translation>擦除文件夹 </translation>
    </message>
    <message>
        <source>Wipe the folders marked with a shield, which you may not change, with administrator rights</source>
        <translation>以管理员权限擦除标有盾牌图标的文件夹（您无权修改它们）</translation>
    </message>
    <message>
        <source>Save what the last run did, and what the device check found, as a page to keep (HTML) or for other programs (JSON).</source>
        <translation>将上次运行的操作和设备检查的发现保存为可保留的页面（HTML）或供其他程序使用的格式（JSON）。</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>保存报告...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>Report page (*.html);;Report for programs (*.json)</source>
        <translation>报告页面 (*.html);;供程序使用的报告 (*.json)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1 (%2).</source>
        <translation>无法将报告保存到 %1（%2）。</translation>
    </message>
    <message>
        <source>
You may not change the folder that holds it: wiping it needs administrator rights.</source>
        <translation>
您无权修改包含它的文件夹：擦除它需要管理员权限。</translation>
    </message>
    <message>
        <source>Select files to shred</source>
        <translation>选择要粉碎的文件</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 of the files chosen cannot be wiped.</source>
        <translation>所选文件中有 %1 个无法擦除。</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>%1 of the folders chosen cannot be wiped.</source>
        <translation>所选文件夹中有 %1 个无法擦除。</translation>
    </message>
    <message>
        <source>%1: is on a system file system (%2): not wiped</source>
        <translation>%1：位于系统文件系统（%2）上：未擦除</translation>
    </message>
    <message>
        <source>Only existing files and folders of this computer can be wiped; nothing on a system file system (proc, sysfs, ...) is.</source>
        <translation>只能擦除本计算机上已存在的文件和文件夹；系统文件系统（proc、sysfs 等）上的内容不会被擦除。</translation>
    </message>
    <message>
        <source>%1: not a file or folder of this computer</source>
        <translation>%1：不是本计算机上的文件或文件夹</translation>
    </message>
    <message>
        <source>%1: its list is being wiped now</source>
        <translation>%1：其所在列表正在擦除</translation>
    </message>
    <message>
        <source>%1 of the items handed over could not be added.</source>
        <translation>移交的项目中有 %1 个无法添加。</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>是否擦除 %1（%2）？此操作无法撤销。</translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>擦除 </translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>擦除任务已中止！</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>擦除任务未完成。遗留：%1。</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>擦除任务已成功完成！</translation>
    </message>
    <message>
        <source>Wipe %1 with administrator rights (%2)? You will be asked for the password. This cannot be undone.</source>
        <translation>是否以管理员权限擦除 %1（%2）？系统将要求您输入密码。此操作无法撤销。</translation>
    </message>
    <message>
        <source>Wipe %1 as administrator</source>
        <translation>以管理员身份擦除 %1</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 now (%2 free)? The old blocks of the files just deleted there are overwritten.</source>
        <translation>是否立即擦除 %1 的可用空间（可用 %2）？刚在其上删除的文件的旧数据块将被覆写。</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>擦除 %1 的可用空间</translation>
    </message>
    <message>
        <source>The wipe of the free space has been aborted!</source>
        <translation>可用空间擦除已中止！</translation>
    </message>
    <message>
        <source>The free space of %1 has been wiped: the old blocks of the files deleted there are overwritten.</source>
        <translation>%1 的可用空间已擦除：在其上删除的文件的旧数据块已被覆写。</translation>
    </message>
    <message>
        <source>Report for programs (*.json)</source>
        <translation>供程序读取的报告 (*.json)</translation>
    </message>
    <message>
        <source>Not handed to the administrator&apos;s run, as the window cannot see it as it is now:
%1</source>
        <translation>未交给管理员运行，因为窗口无法看到其当前状态：
%1</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do. Wipe %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>擦除后检查设备需要回读设备，而只有管理员可以这样做。要以管理员权限擦除 %1 并检查设备吗？系统将要求您输入密码。若要不经检查直接擦除，请在“选项”中关闭“擦除后检查设备”。</translation>
    </message>
</context>
<context>
    <name>TFreeSpacePage</name>
    <message>
        <source>&amp;Wipe free space</source>
        <translation>擦除可用空间(&amp;W)</translation>
    </message>
    <message>
        <source>Local drives list </source>
        <translation>本地驱动器列表 </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>文件系统</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Clean &amp;Free Space</source>
        <translation>清理可用空间(&amp;F)</translation>
    </message>
    <message>
        <source>Wipe as administrator...</source>
        <translation>以管理员身份擦除...</translation>
    </message>
    <message>
        <source>Wipe the free space of the selected drive, which only the administrator may fill, with administrator rights</source>
        <translation>以管理员权限擦除所选驱动器的可用空间（只有管理员能填充它）</translation>
    </message>
    <message>
        <source>only the administrator may write there</source>
        <translation>只有管理员可以写入此处</translation>
    </message>
    <message>
        <source>mounted read-only</source>
        <translation>以只读方式挂载</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>
Its free space cannot be wiped: </source>
        <translation>
无法擦除其可用空间： </translation>
    </message>
    <message>
        <source>. Wipe as administrator can.</source>
        <translation>。“以管理员身份擦除”可以做到。</translation>
    </message>
    <message>
        <source>A temporary file of an interrupted free-space wipe was found on %1 (%2). Wipe and remove it now?</source>
        <translation>在 %1 上发现一次中断的可用空间擦除留下的临时文件（%2）。是否立即擦除并移除它？</translation>
    </message>
    <message>
        <source>Wipe and remove it</source>
        <translation>擦除并移除</translation>
    </message>
    <message>
        <source>%1 was not wiped: a free-space wipe of its drive is running.</source>
        <translation>%1 未被擦除：正在擦除其所在驱动器的可用空间。</translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>擦除任务已中止！</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>擦除任务未完成。遗留：%1。</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>擦除任务已成功完成！</translation>
    </message>
    <message>
        <source>Wipe the free space of %1? Other programs cannot write to %2 until it ends.</source>
        <translation>是否擦除 %1 的可用空间？在完成之前，其他程序无法写入 %2。</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>擦除 %1 的可用空间</translation>
    </message>
    <message>
        <source>The Wipe free space task has been aborted!</source>
        <translation>擦除可用空间任务已中止！</translation>
    </message>
    <message>
        <source>The Wipe free space task has been completed successfully!</source>
        <translation>擦除可用空间任务已成功完成！</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 with administrator rights? You will be asked for the password; other programs cannot write to it until it ends.</source>
        <translation>是否以管理员权限擦除 %1 的可用空间？系统将要求您输入密码；在完成之前，其他程序无法写入其中。</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do: your own run would leave it &quot;not verified (needs administrator rights)&quot;. Wipe the free space of %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>擦除后检查设备需要回读设备，而只有管理员可以这样做：您自己的运行会使其处于“未验证（需要管理员权限）”。要以管理员权限擦除 %1 的可用空间并检查设备吗？系统将要求您输入密码。若要不经检查直接擦除，请在“选项”中关闭“擦除后检查设备”。</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>About Ferrovane</source>
        <translation>关于 Ferrovane</translation>
    </message>
    <message>
        <source>Ferrovane on the web</source>
        <translation>Ferrovane 网站</translation>
    </message>
    <message>
        <source>The readme (readme.txt) that comes with Ferrovane was not found beside the program.
The About page says what each page does.</source>
        <translation>在程序旁边未找到 Ferrovane 附带的自述文件（readme.txt）。
“关于”页面介绍了每个页面的作用。</translation>
    </message>
    <message>
        <source>The readme answers the usual questions; &quot;When something is left behind&quot; explains what a report after a run means.</source>
        <translation>自述文件解答了常见问题；“当有内容遗留时”一节解释了运行后的报告的含义。</translation>
    </message>
    <message>
        <source>Check for updates: starts the updater %1</source>
        <translation>检查更新：启动更新程序 %1</translation>
    </message>
</context>
<context>
    <name>TMethodList</name>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message>
        <source>Comes with Ferrovane: Edit shows it, and Copy there makes a copy you can change.</source>
        <translation>Ferrovane 自带：“编辑”可查看它，在其中按“复制”可生成一份可修改的副本。</translation>
    </message>
    <message>
        <source>The file of this method could not be read whole (%1), so no wipe uses it. Edit it and press OK to store what was read as a whole method.</source>
        <translation>无法完整读取此方法的文件（%1），因此任何擦除都不会使用它。请编辑它并按“确定”，将已读取的内容保存为完整的方法。</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be %2 now: %3 is running with it.
Try again once the wipe has ended.</source>
        <translation>现在无法%2方法“%1”：%3 正在使用它运行。
请在擦除结束后重试。</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Ferrovane wipe method files (*%1)</source>
        <translation>Ferrovane 擦除方法文件 (*%1)</translation>
    </message>
    <message>
        <source>Method files can be saved only in &quot;%1&quot;.
&quot;%2&quot; will be saved in this folder.</source>
        <translation>方法文件只能保存在“%1”中。
“%2”将保存到此文件夹。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of &quot;%2&quot;, which comes with Ferrovane and is not replaced.
Choose another file name.</source>
        <translation>“%1”是“%2”的文件，该方法为 Ferrovane 自带，不会被替换。
请选择其他文件名。</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the method &quot;%2&quot;.
Replace that method with the new one?</source>
        <translation>“%1”是方法“%2”的文件。
是否用新方法替换该方法？</translation>
    </message>
    <message>
        <source>New Method</source>
        <translation>新建方法</translation>
    </message>
    <message>
        <source>Copy of Method</source>
        <translation>方法副本</translation>
    </message>
    <message>
        <source>Method (read-only)</source>
        <translation>方法（只读）</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Edit Method</source>
        <translation>编辑方法</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Are you sure you want to delete method &quot;%1&quot;?</source>
        <translation>确定要删除方法“%1”吗？</translation>
    </message>
    <message>
        <source>use &quot;%1&quot; instead.</source>
        <translation>改用“%1”。</translation>
    </message>
    <message>
        <source>have no method, and wipe nothing, until another is chosen.</source>
        <translation>没有方法，在选择其他方法之前不会擦除任何内容。</translation>
    </message>
    <message>
        <source>Unable to delete %1 (%2).</source>
        <translation>无法删除 %1（%2）。</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be used: its file could not be read whole.
Edit it and press OK to store what was read as a whole method.</source>
        <translation>无法使用方法“%1”：无法完整读取其文件。
请编辑它并按“确定”，将已读取的内容保存为完整的方法。</translation>
    </message>
    <message>
        <source>

%1 is set to use it, and will </source>
        <translation>

%1 设置为使用此方法，删除后将 </translation>
    </message>
    <message>
        <source>

%1 are set to use it, and will </source>
        <translation>

%1 设置为使用此方法，删除后将 </translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Methods </source>
        <translation>方法(&amp;M) </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>删除(&amp;L)</translation>
    </message>
    <message>
        <source>Wipe Type</source>
        <translation>擦除类型</translation>
    </message>
    <message>
        <source>Wipe Files</source>
        <translation>擦除文件</translation>
    </message>
    <message>
        <source>Wipe Folders</source>
        <translation>擦除文件夹</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>擦除可用空间</translation>
    </message>
    <message>
        <source>Warn on deleting an executable file</source>
        <translation>删除可执行文件时发出警告</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>Questions before a wipe </source>
        <translation>擦除前的询问 </translation>
    </message>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>擦除文件和文件夹前询问</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>擦除可用空间前询问</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>擦除特殊文件夹前询问</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>清理痕迹前询问</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>清除最近使用的文件前询问</translation>
    </message>
    <message>
        <source>Ask again everywhere</source>
        <translation>在所有地方重新询问</translation>
    </message>
    <message>
        <source>Method Description </source>
        <translation>方法说明 </translation>
    </message>
    <message>
        <source>Discard free blocks after wiping free space (SSDs)</source>
        <translation>擦除可用空间后丢弃空闲块（SSD）</translation>
    </message>
    <message>
        <source>After each wipe, read the device back where the deleted files and their names lay (needs administrator rights), and name what is still there.</source>
        <translation>每次擦除后，回读设备上已删除文件及其名称所在的位置（需要管理员权限），并指出仍残留的内容。</translation>
    </message>
    <message>
        <source>Check the device after wiping</source>
        <translation>擦除后检查设备</translation>
    </message>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to file managers...</source>
        <translation>将“使用 Ferrovane 擦除”添加到文件管理器...</translation>
    </message>
    <message>
        <source>Erase old copies of file names from the file system journal (ext4, XFS)</source>
        <translation>从文件系统日志（ext4、XFS）中清除文件名的旧副本</translation>
    </message>
    <message>
        <source>Takes seconds after each wipe and writes about the journal&apos;s size.</source>
        <translation>每次擦除后需要几秒钟，写入量约为日志的大小。</translation>
    </message>
    <message>
        <source>%1 will be wiped with &quot;%2&quot;.</source>
        <translation>%1 将使用“%2”擦除。</translation>
    </message>
</context>
<context>
    <name>TRecentFilesPage</name>
    <message>
        <source>&amp;Clear recently used files</source>
        <translation>清除最近使用的文件(&amp;C)</translation>
    </message>
    <message>
        <source>Known lists </source>
        <translation>已知列表 </translation>
    </message>
    <message>
        <source>Most Recently Used (MRU) lists of known products:</source>
        <translation>已知产品的最近使用 (MRU) 列表：</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Other lists </source>
        <translation>其他列表 </translation>
    </message>
    <message>
        <source>MRU lists of other programs:</source>
        <translation>其他程序的 MRU 列表：</translation>
    </message>
    <message>
        <source>Search Registry for other MRU lists</source>
        <translation>在注册表中搜索其他 MRU 列表</translation>
    </message>
    <message>
        <source>Add Existing Key</source>
        <translation>添加现有键</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>移除所选项</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>清理(&amp;L)</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>停止(&amp;P)</translation>
    </message>
    <message>
        <source>On this system</source>
        <translation>在此系统上</translation>
    </message>
    <message>
        <source>kept only by Windows</source>
        <translation>仅由 Windows 保存</translation>
    </message>
    <message>
        <source>Windows registry list</source>
        <translation>Windows 注册表列表</translation>
    </message>
    <message>
        <source>The desktop&apos;s lists of recently used files are empty.</source>
        <translation>桌面的最近使用文件列表为空。</translation>
    </message>
    <message>
        <source>This list is not kept on this system.</source>
        <translation>此系统不保存此列表。</translation>
    </message>
    <message>
        <source>This list holds nothing on this system.</source>
        <translation>此列表在此系统上没有内容。</translation>
    </message>
    <message>
        <source>Clear %1 (%2)? This cannot be undone.</source>
        <translation>是否清除 %1（%2）？此操作无法撤销。</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>清除 %1</translation>
    </message>
    <message>
        <source>The registry store could not be written; nothing was removed from it.
</source>
        <translation>无法写入注册表存储；未从中删除任何内容。
</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完成。</translation>
    </message>
    <message>
        <source>The Clear recently used files task has not been completed. Left: %1.</source>
        <translation>清除最近使用的文件任务未完成。剩余：%1。</translation>
    </message>
    <message>
        <source>The Clear recently used files task has been completed successfully!</source>
        <translation>清除最近使用的文件任务已成功完成！</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>搜索已停止。</translation>
    </message>
</context>
<context>
    <name>TReportDialog</name>
    <message>
        <source>Show &amp;Details...</source>
        <translation>显示详细信息(&amp;D)...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>隐藏详细信息(&amp;H)...</translation>
    </message>
</context>
<context>
    <name>TRunNotifier</name>
    <message>
        <source>1 item was left behind</source>
        <translation>遗留了 1 个项目</translation>
    </message>
    <message>
        <source>%1 items were left behind</source>
        <translation>遗留了 %1 个项目</translation>
    </message>
    <message>
        <source>The wipe task has been aborted.</source>
        <translation>擦除任务已中止。</translation>
    </message>
    <message>
        <source>The wipe task has been aborted; %1.</source>
        <translation>擦除任务已中止；%1。</translation>
    </message>
    <message>
        <source>The wipe task has not been completed: %1.</source>
        <translation>擦除任务未完成：%1。</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully.</source>
        <translation>擦除任务已成功完成。</translation>
    </message>
    <message>
        <source>Show Ferrovane</source>
        <translation>显示 Ferrovane</translation>
    </message>
</context>
<context>
    <name>TRunProgress</name>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>约剩 %1</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 / %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>已写入 %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>free space of %1</source>
        <translation>%1 的可用空间</translation>
    </message>
    <message>
        <source>Wiping</source>
        <translation>正在擦除</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln files</source>
        <translation>
            <numerusform>正在擦除 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln folders</source>
        <translation>
            <numerusform>正在擦除 %Ln 个文件夹</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping free space of %1</source>
        <translation>正在擦除 %1 的可用空间</translation>
    </message>
    <message numerus="yes">
        <source>Wiping free space of %Ln drives</source>
        <translation>
            <numerusform>正在擦除 %Ln 个驱动器的可用空间</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln 个文件夹</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>free space of %Ln drives</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln 个驱动器的可用空间</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping %1</source>
        <translation>正在擦除 %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1</source>
        <translation>
            <numerusform>%Ln 个文件，%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRunQuestion</name>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>擦除文件和文件夹前询问</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>擦除可用空间前询问</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>擦除特殊文件夹前询问</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>清理痕迹前询问</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>清除最近使用的文件前询问</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>不再询问</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>另外 %1 项</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
</context>
<context>
    <name>TSpecialFoldersPage</name>
    <message>
        <source>Wipe &amp;special folders</source>
        <translation>擦除特殊文件夹(&amp;S)</translation>
    </message>
    <message>
        <source>Special folders </source>
        <translation>特殊文件夹 </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Trash </source>
        <translation>回收站 </translation>
    </message>
    <message>
        <source>Trash folders</source>
        <translation>回收站文件夹</translation>
    </message>
    <message>
        <source>Wipe st&amp;art</source>
        <translation>开始擦除(&amp;A)</translation>
    </message>
    <message>
        <source>Folders &amp;method...</source>
        <translation>文件夹方法(&amp;M)...</translation>
    </message>
    <message>
        <source>Chooses the wipe method of the folders engine, which wipes the folders of this page.</source>
        <translation>选择文件夹引擎的擦除方法，该引擎负责擦除此页面上的文件夹。</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>Temporary Internet Files</source>
        <translation>Internet 临时文件</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookie</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>收藏夹</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>Opera Cookies</source>
        <translation>Opera Cookie</translation>
    </message>
    <message>
        <source>Opera Internet Cache</source>
        <translation>Opera Internet 缓存</translation>
    </message>
    <message>
        <source>Opera History</source>
        <translation>Opera 历史记录</translation>
    </message>
    <message>
        <source>Opera Images</source>
        <translation>Opera 图片</translation>
    </message>
    <message>
        <source>Not found on this system: there is nothing to wipe.</source>
        <translation>在此系统上未找到：没有可擦除的内容。</translation>
    </message>
    <message>
        <source>Nothing to wipe here: the five shell folders are places of Windows, which this system does not name%1%2. The trash below is wiped from this page; browsers&apos; caches and histories from Clean traces.</source>
        <translation>此处没有可擦除的内容：这五个外壳文件夹是 Windows 的位置，本系统没有这些名称%1%2。下方的回收站在此页面擦除；浏览器的缓存和历史记录在“清理痕迹”中清理。</translation>
    </message>
    <message>
        <source> (&quot;Show Windows items&quot; lists them)</source>
        <translation> (“显示 Windows 项目”会列出它们)</translation>
    </message>
    <message>
        <source>, and no Opera profile was found</source>
        <translation>，且未找到 Opera 配置文件</translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>是否擦除 %1（%2）？此操作无法撤销。</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>擦除 </translation>
    </message>
    <message>
        <source>The Wipe special folders task has been completed successfully!</source>
        <translation>擦除特殊文件夹任务已成功完成！</translation>
    </message>
    <message>
        <source>The Wipe special folders task has been aborted!</source>
        <translation>擦除特殊文件夹任务已中止！</translation>
    </message>
    <message>
        <source>The Wipe special folders task has not been completed. Left behind: %1.</source>
        <translation>擦除特殊文件夹任务未完成。遗留：%1。</translation>
    </message>
    <message>
        <source>No row is ticked: tick the folders to wipe first.</source>
        <translation>没有勾选任何行：请先勾选要擦除的文件夹。</translation>
    </message>
</context>
<context>
    <name>TWindowRequest</name>
    <message>
        <source>Usage: ferrovane [--free-space] [--] [PATH...]</source>
        <translation>用法：ferrovane [--free-space] [--] [路径...]</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>Usage: ferrovane [--free-space] [--] [PATH...]
Opens the Ferrovane window, which overwrites files, folders and the free space of drives
before it deletes them. The files and folders given are queued on the Delete with Wiping
page; nothing is wiped before Start is pressed and its question answered. When a window is
open already, it takes the paths and comes to the front.

  --free-space  show the Wipe free space page
  --help        show this text and end
  --version     show the version and end
  --            every argument after it is a path, even one that starts with &quot;-&quot;

Without a window: ferrovane-cli (see ferrovane-cli --help).
</source>
        <translation>用法：ferrovane [--free-space] [--] [路径...]
打开 Ferrovane 窗口，它会在删除文件、文件夹之前覆写它们，也可覆写驱动器的可用空间。
给出的文件和文件夹会加入“擦除式删除”页面的队列；在按下“开始”并回答提问之前，
不会擦除任何内容。如果已有窗口打开，它会接收这些路径并切换到前台。

  --free-space  显示“擦除可用空间”页面
  --help        显示此文本并退出
  --version     显示版本并退出
  --            其后的每个参数都是路径，即使以“-”开头

无窗口时：ferrovane-cli（参见 ferrovane-cli --help）。
</translation>
    </message>
</context>
<context>
    <name>TWindowsRowsFilter</name>
    <message>
        <source>Show Wi&amp;ndows items</source>
        <translation>显示 Windows 项目(&amp;N)</translation>
    </message>
    <message>
        <source>Show the rows of places that only Windows has</source>
        <translation>显示仅 Windows 才有的位置所在的行</translation>
    </message>
</context>
<context>
    <name>TfEditMethod</name>
    <message>
        <source>Method Name:</source>
        <translation>方法名称：</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>方法说明：</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>覆写轮次：</translation>
    </message>
    <message>
        <source>Add a pass</source>
        <translation>添加一轮</translation>
    </message>
    <message>
        <source>Rename the pass</source>
        <translation>重命名此轮</translation>
    </message>
    <message>
        <source>Delete the pass</source>
        <translation>删除此轮</translation>
    </message>
    <message>
        <source> Pass </source>
        <translation> 轮 </translation>
    </message>
    <message>
        <source>After the pass is written and on the disk, it is read back past the system&apos;s cache and compared with what was written; a difference or a read error names the file after the run.</source>
        <translation>此轮写入并落盘后，会绕过系统缓存将其读回并与写入内容比较；若有差异或读取错误，运行结束后会指出该文件。</translation>
    </message>
    <message>
        <source> Wipe Width </source>
        <translation> 擦除宽度 </translation>
    </message>
    <message>
        <source>Byte Pattern</source>
        <translation>字节模式</translation>
    </message>
    <message>
        <source>Random Bytes</source>
        <translation>随机字节</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>AND</translation>
    </message>
    <message>
        <source>Random Character</source>
        <translation>随机字符</translation>
    </message>
    <message>
        <source>Text Pattern</source>
        <translation>文本模式</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>What the method is for, and when to choose it</source>
        <translation>此方法的用途，以及何时选用它</translation>
    </message>
    <message>
        <source>This method comes with Ferrovane and cannot be changed. Copy makes a copy of it that you can edit.</source>
        <translation>此方法为 Ferrovane 自带，无法修改。“复制”可生成一份可编辑的副本。</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>复制(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;L)</translation>
    </message>
    <message>
        <source>Edit pass name</source>
        <translation>编辑轮名称</translation>
    </message>
    <message>
        <source>Pass name</source>
        <translation>轮名称</translation>
    </message>
    <message>
        <source>Are you sure you want to delete pass &quot;%1&quot;?</source>
        <translation>确定要删除轮“%1”吗？</translation>
    </message>
    <message>
        <source>This method has no passes: files wiped with it are only deleted, not overwritten, and can be recovered.
Keep it without passes?</source>
        <translation>此方法没有任何覆写轮次：用它擦除的文件只会被删除而不会被覆写，可以被恢复。
是否保留这个没有轮次的方法？</translation>
    </message>
    <message>
        <source>Check &amp;Wipe</source>
        <translation>擦除校验(&amp;V)</translation>
    </message>
</context>
<context>
    <name>TfMethodsForm</name>
    <message>
        <source>Wiping Methods</source>
        <translation>擦除方法</translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation>方法(&amp;M)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>方法说明：</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TfProgress</name>
    <message>
        <source>Delete Files and Folders</source>
        <translation>删除文件和文件夹</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Counting the files to wipe...</source>
        <translation>正在统计要擦除的文件...</translation>
    </message>
    <message>
        <source>%1 files, %2 so far</source>
        <translation>%1 个文件，目前 %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>任务</translation>
    </message>
</context>
<context>
    <name>TfReadme</name>
    <message>
        <source>Ferrovane Help</source>
        <translation>Ferrovane 帮助</translation>
    </message>
</context>
<context>
    <name>TfSchedule</name>
    <message>
        <source>Schedule of the trace cleaning</source>
        <translation>痕迹清理计划</translation>
    </message>
    <message>
        <source>&amp;Clean traces on a schedule</source>
        <translation>按计划清理痕迹(&amp;C)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>O&amp;nce</source>
        <translation>一次(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Every N minutes</source>
        <translation>每隔 N 分钟(&amp;E)</translation>
    </message>
    <message>
        <source>Every N h&amp;ours</source>
        <translation>每隔 N 小时(&amp;O)</translation>
    </message>
    <message>
        <source>Dai&amp;ly</source>
        <translation>每天(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>每周(&amp;W)</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>每月(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Date and time:</source>
        <translation>日期和时间(&amp;D)：</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>Every &amp;minutes:</source>
        <translation>间隔分钟数(&amp;M)：</translation>
    </message>
    <message>
        <source>Every &amp;hours:</source>
        <translation>间隔小时数(&amp;R)：</translation>
    </message>
    <message>
        <source>and m&amp;inutes:</source>
        <translation>及分钟数(&amp;I)：</translation>
    </message>
    <message>
        <source>Every &amp;days:</source>
        <translation>间隔天数(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;At:</source>
        <translation>时间(&amp;A)：</translation>
    </message>
    <message>
        <source>Every &amp;weeks:</source>
        <translation>间隔周数(&amp;K)：</translation>
    </message>
    <message>
        <source>A&amp;t:</source>
        <translation>时间(&amp;T)：</translation>
    </message>
    <message>
        <source>On:</source>
        <translation>星期：</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>周二</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>周六</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>周日</translation>
    </message>
    <message>
        <source>At&amp;:</source>
        <translation>时间(&amp;B)：</translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation>按日期(&amp;Y)</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>按星期(&amp;U)</translation>
    </message>
    <message>
        <source>first</source>
        <translation>第一个</translation>
    </message>
    <message>
        <source>second</source>
        <translation>第二个</translation>
    </message>
    <message>
        <source>third</source>
        <translation>第三个</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>第四个</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>第五个</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>of the week that holds the month&apos;s Thursday</source>
        <translation>（按包含当月星期四的那一周计算）</translation>
    </message>
    <message>
        <source>In:</source>
        <translation>月份：</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>Traces cleaned on schedule</source>
        <translation>按计划清理的痕迹</translation>
    </message>
    <message>
        <source>A scheduled clean asks nothing and removes what a clean of the same traces from this page removes.</source>
        <translation>计划清理不做任何询问，删除的内容与在此页面清理相同痕迹时删除的内容相同。</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>没有计划清理。</translation>
    </message>
    <message>
        <source>This schedule never falls due: choose a day or a month.</source>
        <translation>此计划永远不会到期：请选择某一天或某个月。</translation>
    </message>
    <message>
        <source>Calendar of the timer: %1</source>
        <translation>定时器日历：%1</translation>
    </message>
    <message>
        <source>No trace is chosen yet.</source>
        <translation>尚未选择任何痕迹。</translation>
    </message>
</context>
<context>
    <name>TfTracePaths</name>
    <message>
        <source>Paths of the trace cleaning</source>
        <translation>痕迹清理的路径</translation>
    </message>
    <message>
        <source>&amp;Custom files and folders, cleaned by the item &quot;Custom Files and Folders&quot;</source>
        <translation>自定义文件和文件夹，由“自定义文件和文件夹”项清理(&amp;C)</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder). A folder goes with everything in it; the home folder and the folders above it are refused.</source>
        <translation>每行一个文件或文件夹（~/ 表示主文件夹）。文件夹连同其中的所有内容一起处理；主文件夹及其上级文件夹会被拒绝。</translation>
    </message>
    <message>
        <source>&amp;Never clean these (every item passes them over)</source>
        <translation>永不清理以下内容（所有项目都会跳过它们）(&amp;N)</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder; * and ? may stand in names). Nothing in a kept folder is deleted, emptied or edited.</source>
        <translation>每行一个文件或文件夹（~/ 表示主文件夹；名称中可使用 * 和 ?）。保留的文件夹中的任何内容都不会被删除、清空或编辑。</translation>
    </message>
</context>
<context>
    <name>TfmAddReg</name>
    <message>
        <source>Add Registry Key</source>
        <translation>添加注册表键</translation>
    </message>
    <message>
        <source>Key Name</source>
        <translation>键名称</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
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
    <name>TfmItemProps</name>
    <message>
        <source>Item Properties</source>
        <translation>项目属性</translation>
    </message>
    <message>
        <source>Entire folder</source>
        <translation>整个文件夹</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>文件夹名称：</translation>
    </message>
    <message>
        <source>Folder content</source>
        <translation>文件夹内容</translation>
    </message>
    <message>
        <source>Include pattern:</source>
        <translation>包含模式：</translation>
    </message>
    <message>
        <source>Included items list:</source>
        <translation>包含项目列表：</translation>
    </message>
    <message>
        <source>Add Included Pattern</source>
        <translation>添加包含模式</translation>
    </message>
    <message>
        <source>Remove Included Item</source>
        <translation>移除包含项目</translation>
    </message>
    <message>
        <source>Show Included files...</source>
        <translation>显示包含的文件...</translation>
    </message>
    <message>
        <source>Exclude wiping of files</source>
        <translation>排除不擦除的文件</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Please specify a directory</source>
        <translation>请指定一个目录</translation>
    </message>
    <message>
        <source>Please add at least a pattern to pattern list</source>
        <translation>请至少向模式列表中添加一个模式</translation>
    </message>
</context>
<context>
    <name>TfmShowFiles</name>
    <message>
        <source>Included files</source>
        <translation>包含的文件</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
</context>
<context>
    <name>WipeReport</name>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped.</source>
        <translation>%1 的可用空间未被擦除。</translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped completely.</source>
        <translation>%1 的可用空间未被完全擦除。</translation>
    </message>
    <message>
        <source>It stopped while overwriting &quot;%1&quot;: that file is left under its own name, not completely overwritten.</source>
        <translation>在覆写“%1”时停止：该文件以原名保留，未被完全覆写。</translation>
    </message>
    <message>
        <source>Jobs not reached: %1 of %2.</source>
        <translation>未执行到的任务：%1 / %2。</translation>
    </message>
    <message>
        <source>Overwritten before the stop: %1, in %2.</source>
        <translation>停止前已覆写：%1，用时 %2。</translation>
    </message>
    <message>
        <source>Overwritten with every pass: %1, in %2.</source>
        <translation>已完成所有轮次覆写：%1，用时 %2。</translation>
    </message>
    <message>
        <source>Left behind: %1.</source>
        <translation>遗留：%1。</translation>
    </message>
    <message>
        <source>Not found when their turn came: %1.</source>
        <translation>轮到时未找到：%1。</translation>
    </message>
    <message>
        <source>Left partly overwritten when the run stopped:</source>
        <translation>运行停止时仅部分覆写：</translation>
    </message>
    <message>
        <source>Not reached:</source>
        <translation>未执行到：</translation>
    </message>
    <message>
        <source>Left behind:</source>
        <translation>遗留：</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>未找到：</translation>
    </message>
    <message>
        <source>: %1 wiped in %2.</source>
        <translation>：%1 已擦除，用时 %2。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The settings folder could not be prepared: changed settings and methods may not be saved.</source>
        <translation>无法准备设置文件夹：更改的设置和方法可能无法保存。</translation>
    </message>
    <message>
        <source>The methods and settings could not all be read: %1</source>
        <translation>无法读取全部方法和设置：%1</translation>
    </message>
    <message>
        <source>The changed settings could not be saved: %1</source>
        <translation>无法保存更改的设置：%1</translation>
    </message>
</context>
</TS>
