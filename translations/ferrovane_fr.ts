<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AdministratorRun</name>
    <message>
        <source> (%1 ended with status %2%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No authentication agent is running, so nobody could be asked for the administrator&apos;s password: nothing was wiped. Start your desktop&apos;s polkit agent (for example lxpolkit or polkit-gnome), or run ferrovane-cli as root in a terminal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The polkit service, which decides who may act as the administrator, is not running: nothing was wiped. Run ferrovane-cli as root in a terminal instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given, or the request was refused: nothing was wiped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not start the run with administrator rights: nothing was wiped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run with administrator rights ended without an outcome, so what it wiped is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The engine is running: nothing was handed over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be started: %2: nothing was wiped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can only be wiped with administrator rights, and pkexec, which asks for them, is not installed (Debian package &quot;pkexec&quot;). Install it, or run ferrovane-cli as root in a terminal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some of what needs administrator rights cannot be handed to them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only what the window can see as it is now, without a link on its way, is handed over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiping the free space of %1 needs administrator rights. Run as administrator?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be wiped without administrator rights. Run as administrator?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>ferrovane: no display can be opened; without a window, use ferrovane-cli (see ferrovane-cli --help)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileManagerOffer</name>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to the context menus of Dolphin, Nemo and Nautilus, and Ferrovane to &quot;Open With&quot;, for you? Each entry opens this window with the selection queued; nothing is wiped before you press Start and answer its question.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also add &quot;Wipe with Ferrovane&quot; to Thunar&apos;s custom actions in %1? Your other actions are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Wipe with Ferrovane&quot; was added. A file manager that is open shows it once it is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some file-manager entries could not be added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PassSummary</name>
    <message>
        <source>Bytes </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (empty: the pass cannot be written)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random bytes </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One random byte value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One random byte value in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown kind %1: writes nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, read back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On this system: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPromptService</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtWipeServices</name>
    <message>
        <source> is a executable file. Are you sure to wipe it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SizeFunctions</name>
    <message>
        <source>%1 Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> KiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> GiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TiB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>Main website:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: rgb(252, 83, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ferrovane.example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support email:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>support@ferrovane.example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferrovane %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licence: distributed by its developers under the terms published at %1/ (the package&apos;s copyright file says the same).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings (Ferrovane.ini, prefs.dat) are kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe methods are kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete with Wiping: the files and folders you list are overwritten with their method, pass after pass, and deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe free space: the free space of the drives you check is filled and overwritten, so files deleted earlier cannot be recovered from it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe special folders: the temporary, browser and trash folders you check are wiped with the folders&apos; method.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear recently used files: the lists of recently used files that the desktop and programs keep are removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean traces: traces of use (caches, histories, cookies) are found and removed; Preview lists them first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options: wipe methods are made, looked at and changed, and each kind of wipe is given its method.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCleanTracesPage</name>
    <message>
        <source>Clean &amp;traces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traces to clean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite files &amp;before deleting them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files are wiped with the method of the file engine instead of being deleted plainly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pat&amp;hs…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own files and folders to clean, and the places no item ever cleans.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sch&amp;edule…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean chosen traces on a schedule, also while the window is closed where the user&apos;s service manager runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview and outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size or reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look &amp;again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Works out again what each item finds now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paths could not be kept, nothing changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The choice holds until the program ends, but the settings file could not keep it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for traces...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in use or out of reach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to clean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing of this kind was found on this system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would remove %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be removed now (listed first).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be removed (listed first).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check a trace that has something to clean.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview stopped. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1, found by %2 (%3)? This cannot be undone.
Preview lists each trace first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The schedule in the settings file cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled cleans are started by the user&apos;s service manager (systemd timer %1), also while Ferrovane is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No user service manager runs: scheduled cleans are started by this window&apos;s timer while it is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The schedule is on but never falls due: choose a day or a month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No trace is chosen for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The schedule could not be kept, nothing changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled clean: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The outcome could not be recorded: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDeletePage</name>
    <message>
        <source>&amp;Delete with Wiping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files Wiping </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As admin...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe the files marked with a shield, which you may not change, with administrator rights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders Wiping </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe the folders marked with a shield, which you may not change, with administrator rights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save what the last run did, and what the device check found, as a page to keep (HTML) or for other programs (JSON).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report page (*.html);;Report for programs (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
You may not change the folder that holds it: wiping it needs administrator rights.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select files to shred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the files chosen cannot be wiped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the folders chosen cannot be wiped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is on a system file system (%2): not wiped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only existing files and folders of this computer can be wiped; nothing on a system file system (proc, sysfs, ...) is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a file or folder of this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: its list is being wiped now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the items handed over could not be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe %1 with administrator rights (%2)? You will be asked for the password. This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe %1 as administrator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe the free space of %1 now (%2 free)? The old blocks of the files just deleted there are overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe of the free space has been aborted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The free space of %1 has been wiped: the old blocks of the files deleted there are overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFreeSpacePage</name>
    <message>
        <source>&amp;Wipe free space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local drives list </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean &amp;Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe as administrator...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe the free space of the selected drive, which only the administrator may fill, with administrator rights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only the administrator may write there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mounted read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Its free space cannot be wiped: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Wipe as administrator can.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A temporary file of an interrupted free-space wipe was found on %1 (%2). Wipe and remove it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe and remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not wiped: a free-space wipe of its drive is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe the free space of %1? Other programs cannot write to %2 until it ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wipe free space task has been aborted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wipe free space task has been completed successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe the free space of %1 with administrator rights? You will be asked for the password; other programs cannot write to it until it ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>:/pictures/header-back.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/logo.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/header-right.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/strip-back.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/button-help.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/button-help-over.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/button-support.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/button-support-over.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/button-update.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/button-update-over.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Ferrovane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/button-about.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/button-about-over.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferrovane on the web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/button-website.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/button-website-over.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/strip-end.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The readme (readme.txt) that comes with Ferrovane was not found beside the program.
The About page says what each page does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The readme answers the usual questions; &quot;When something is left behind&quot; explains what a report after a run means.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates: starts the updater %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMethodList</name>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comes with Ferrovane: Edit shows it, and Copy there makes a copy you can change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file of this method could not be read whole (%1), so no wipe uses it. Edit it and press OK to store what was read as a whole method.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be %2 now: %3 is running with it.
Try again once the wipe has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferrovane wipe method files (*%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method files can be saved only in &quot;%1&quot;.
&quot;%2&quot; will be saved in this folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of &quot;%2&quot;, which comes with Ferrovane and is not replaced.
Choose another file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the method &quot;%2&quot;.
Replace that method with the new one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy of Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method (read-only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete method &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

%1 %2 set to use it, and will </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use &quot;%1&quot; instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>have no method, and wipe nothing, until another is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to delete %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be used: its file could not be read whole.
Edit it and press OK to store what was read as a whole method.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Methods </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn on deleting an executable file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions before a wipe </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask again everywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method Description </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard free blocks after wiping free space (SSDs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After each wipe, read the device back where the deleted files and their names lay (needs administrator rights), and name what is still there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the device after wiping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to file managers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase old copies of file names from the file system journal (ext4, XFS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes seconds after each wipe and writes about the journal&apos;s size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will be wiped with &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRecentFilesPage</name>
    <message>
        <source>&amp;Clear recently used files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known lists </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most Recently Used (MRU) lists of known products:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other lists </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MRU lists of other programs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Registry for other MRU lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Existing Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On this system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept only by Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows registry list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s lists of recently used files are empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list is not kept on this system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list holds nothing on this system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear %1 (%2)? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The registry store could not be written; nothing was removed from it.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Clear recently used files task has not been completed. Left: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Clear recently used files task has been completed successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TReportDialog</name>
    <message>
        <source>Show &amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRunNotifier</name>
    <message>
        <source>1 item was left behind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 items were left behind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe task has been aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe task has been aborted; %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe task has not been completed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Ferrovane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRunProgress</name>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free space of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiping </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRunQuestion</name>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSpecialFoldersPage</name>
    <message>
        <source>Wipe &amp;special folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special folders </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trash </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trash folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe st&amp;art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders &amp;method...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the wipe method of the folders engine, which wipes the folders of this page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporary Internet Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opera Cookies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opera Internet Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opera History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opera Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found on this system: there is nothing to wipe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to wipe here: the five shell folders are places of Windows, which this system does not name%1%2. The trash below is wiped from this page; browsers&apos; caches and histories from Clean traces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (&quot;Show Windows items&quot; lists them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, and no Opera profile was found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wipe special folders task has been completed successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wipe special folders task has been aborted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wipe special folders task has not been completed. Left behind: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWindowsRowsFilter</name>
    <message>
        <source>Show Wi&amp;ndows items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the rows of places that only Windows has</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfEditMethod</name>
    <message>
        <source>Method Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename the pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Pass </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check Wipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After the pass is written and on the disk, it is read back past the system&apos;s cache and compared with what was written; a difference or a read error names the file after the run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Wipe Width </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Byte Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the method is for, and when to choose it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This method comes with Ferrovane and cannot be changed. Copy makes a copy of it that you can edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit pass name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete pass &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This method has no passes: files wiped with it are only deleted, not overwritten, and can be recovered.
Keep it without passes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfMethodsForm</name>
    <message>
        <source>Wiping Methods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfProgress</name>
    <message>
        <source>Delete Files and Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting the files to wipe...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files, %2 so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfReadme</name>
    <message>
        <source>Ferrovane Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfSchedule</name>
    <message>
        <source>Schedule of the trace cleaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clean traces on a schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;nce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Every N minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every N h&amp;ours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dai&amp;ly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date and time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every &amp;minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every &amp;hours:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and m&amp;inutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every &amp;days:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;At:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every &amp;weeks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;t:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At&amp;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of the week that holds the month&apos;s Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traces cleaned on schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scheduled clean asks nothing and removes what a clean of the same traces from this page removes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This schedule never falls due: choose a day or a month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar of the timer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No trace is chosen yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfTracePaths</name>
    <message>
        <source>Paths of the trace cleaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Custom files and folders, cleaned by the item &quot;Custom Files and Folders&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder). A folder goes with everything in it; the home folder and the folders above it are refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>~/.cache/some-program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Never clean these (every item passes them over)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder; * and ? may stand in names). Nothing in a kept folder is deleted, emptied or edited.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>~/.mozilla/firefox/*.default-release/cookies.sqlite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfmAddReg</name>
    <message>
        <source>Add Registry Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfmItemProps</name>
    <message>
        <source>Item Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entire folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include pattern:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.dll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.doc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.exe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.htm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.xls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Included items list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Included Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Included Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Included files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude wiping of files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.lnk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please specify a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please add at least a pattern to pattern list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfmShowFiles</name>
    <message>
        <source>Included files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WipeReport</name>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped completely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It stopped while overwriting &quot;%1&quot;: that file is left under its own name, not completely overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jobs not reached: %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwritten before the stop: %1, in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwritten with every pass: %1, in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left behind: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found when their turn came: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left partly overwritten when the run stopped:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not reached:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left behind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: %1 wiped in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The settings folder could not be prepared: changed settings and methods may not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The methods and settings could not all be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changed settings could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
