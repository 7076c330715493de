<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdministratorRun</name>
    <message>
        <source> (%1 ended with status %2%3)</source>
        <translation> (%1 endete mit Status %2%3)</translation>
    </message>
    <message>
        <source>No authentication agent is running, so nobody could be asked for the administrator&apos;s password: nothing was wiped. Start your desktop&apos;s polkit agent (for example lxpolkit or polkit-gnome), or run ferrovane-cli as root in a terminal.</source>
        <translation>Es läuft kein Authentifizierungsagent, daher konnte niemand nach dem Administratorpasswort gefragt werden: nichts wurde gelöscht. Starten Sie den polkit-Agenten Ihrer Arbeitsumgebung (zum Beispiel lxpolkit oder polkit-gnome) oder führen Sie ferrovane-cli in einem Terminal als root aus.</translation>
    </message>
    <message>
        <source>The polkit service, which decides who may act as the administrator, is not running: nothing was wiped. Run ferrovane-cli as root in a terminal instead.</source>
        <translation>Der polkit-Dienst, der entscheidet, wer als Administrator handeln darf, läuft nicht: nichts wurde gelöscht. Führen Sie stattdessen ferrovane-cli in einem Terminal als root aus.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given, or the request was refused: nothing was wiped.</source>
        <translation>Das Administratorpasswort wurde nicht eingegeben oder die Anfrage wurde abgelehnt: nichts wurde gelöscht.</translation>
    </message>
    <message>
        <source>%1 could not start the run with administrator rights: nothing was wiped.</source>
        <translation>%1 konnte den Lauf mit Administratorrechten nicht starten: nichts wurde gelöscht.</translation>
    </message>
    <message>
        <source>The run with administrator rights ended without an outcome, so what it wiped is unknown.</source>
        <translation>Der Lauf mit Administratorrechten endete ohne Ergebnis; was er gelöscht hat, ist daher unbekannt.</translation>
    </message>
    <message>
        <source>The engine is running: nothing was handed over.</source>
        <translation>Das Modul läuft: nichts wurde übergeben.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2: nothing was wiped.</source>
        <translation>%1 konnte nicht gestartet werden: %2: nichts wurde gelöscht.</translation>
    </message>
    <message>
        <source>%1 can only be wiped with administrator rights, and pkexec, which asks for them, is not installed (Debian package &quot;pkexec&quot;). Install it, or run ferrovane-cli as root in a terminal.</source>
        <translation>%1 kann nur mit Administratorrechten gelöscht werden, und pkexec, das nach ihnen fragt, ist nicht installiert (Debian-Paket „pkexec“). Installieren Sie es oder führen Sie ferrovane-cli in einem Terminal als root aus.</translation>
    </message>
    <message>
        <source>Some of what needs administrator rights cannot be handed to them.</source>
        <translation>Manches, was Administratorrechte braucht, kann ihnen nicht übergeben werden.</translation>
    </message>
    <message>
        <source>Only what the window can see as it is now, without a link on its way, is handed over.</source>
        <translation>Übergeben wird nur, was das Fenster so sieht, wie es jetzt ist, ohne Verknüpfung auf dem Weg dorthin.</translation>
    </message>
    <message>
        <source>Wiping the free space of %1 needs administrator rights. Run as administrator?</source>
        <translation>Das Löschen des freien Speicherplatzes von %1 braucht Administratorrechte. Als Administrator ausführen?</translation>
    </message>
    <message>
        <source>%1 could not be wiped without administrator rights. Run as administrator?</source>
        <translation>%1 konnte ohne Administratorrechte nicht gelöscht werden. Als Administrator ausführen?</translation>
    </message>
    <message>
        <source>Continue as administrator</source>
        <translation>Als Administrator fortfahren</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>ferrovane: no display can be opened; without a window, use ferrovane-cli (see ferrovane-cli --help)</source>
        <translation>ferrovane: es kann keine Anzeige geöffnet werden; ohne Fenster verwenden Sie ferrovane-cli (siehe ferrovane-cli --help)</translation>
    </message>
</context>
<context>
    <name>FileManagerOffer</name>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to the context menus of Dolphin, Nemo and Nautilus, and Ferrovane to &quot;Open With&quot;, for you? Each entry opens this window with the selection queued; nothing is wiped before you press Start and answer its question.</source>
        <translation>„Mit Ferrovane löschen“ für Sie zu den Kontextmenüs von Dolphin, Nemo und Nautilus und Ferrovane zu „Öffnen mit“ hinzufügen? Jeder Eintrag öffnet dieses Fenster mit der Auswahl in der Liste; nichts wird gelöscht, bevor Sie „Start“ drücken und seine Frage beantworten.</translation>
    </message>
    <message>
        <source>Also add &quot;Wipe with Ferrovane&quot; to Thunar&apos;s custom actions in %1? Your other actions are kept.</source>
        <translation>„Mit Ferrovane löschen“ auch zu den benutzerdefinierten Aktionen von Thunar in %1 hinzufügen? Ihre anderen Aktionen bleiben erhalten.</translation>
    </message>
    <message>
        <source>&quot;Wipe with Ferrovane&quot; was added. A file manager that is open shows it once it is started again.</source>
        <translation>„Mit Ferrovane löschen“ wurde hinzugefügt. Ein geöffneter Dateimanager zeigt es, sobald er neu gestartet wird.</translation>
    </message>
    <message>
        <source>Some file-manager entries could not be added.</source>
        <translation>Einige Dateimanager-Einträge konnten nicht hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>PassSummary</name>
    <message>
        <source>Bytes </source>
        <translation>Bytes </translation>
    </message>
    <message>
        <source>Text (empty: the pass cannot be written)</source>
        <translation>Text (leer: der Durchgang kann nicht geschrieben werden)</translation>
    </message>
    <message>
        <source>Text &apos;%1&apos;</source>
        <translation>Text &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Random bytes</source>
        <translation>Zufallsbytes</translation>
    </message>
    <message>
        <source>Random bytes </source>
        <translation>Zufallsbytes </translation>
    </message>
    <message>
        <source>One random byte value</source>
        <translation>Ein zufälliger Bytewert</translation>
    </message>
    <message>
        <source>One random byte value in </source>
        <translation>Ein zufälliger Bytewert in </translation>
    </message>
    <message>
        <source>Unknown kind %1: writes nothing</source>
        <translation>Unbekannte Art %1: schreibt nichts</translation>
    </message>
    <message>
        <source>, read back</source>
        <translation>, zurückgelesen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 item</source>
        <translation>1 Eintrag</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <source>On this system: %1</source>
        <translation>Auf diesem System: %1</translation>
    </message>
</context>
<context>
    <name>QtPromptService</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>QtWipeServices</name>
    <message>
        <source> is a executable file. Are you sure to wipe it?</source>
        <translation> ist eine ausführbare Datei. Wollen Sie sie wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>SizeFunctions</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 Byte</translation>
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
        <translation>Website:</translation>
    </message>
    <message>
        <source>Support email:</source>
        <translation>Support-E-Mail:</translation>
    </message>
    <message>
        <source>Ferrovane %1</source>
        <translation>Ferrovane %1</translation>
    </message>
    <message>
        <source>Licence: distributed by its developers under the terms published at %1/ (the package&apos;s copyright file says the same).</source>
        <translation>Lizenz: von seinen Entwicklern unter den Bedingungen verbreitet, die unter %1/ veröffentlicht sind (die copyright-Datei des Pakets sagt dasselbe).</translation>
    </message>
    <message>
        <source>Settings (Ferrovane.ini, prefs.dat) are kept in %1</source>
        <translation>Die Einstellungen (Ferrovane.ini, prefs.dat) liegen in %1</translation>
    </message>
    <message>
        <source>Wipe methods are kept in %1</source>
        <translation>Die Löschmethoden liegen in %1</translation>
    </message>
    <message>
        <source>Delete with Wiping: the files and folders you list are overwritten with their method, pass after pass, and deleted.</source>
        <translation>Löschen mit Überschreiben: die Dateien und Ordner in Ihrer Liste werden mit ihrer Methode Durchgang für Durchgang überschrieben und gelöscht.</translation>
    </message>
    <message>
        <source>Wipe free space: the free space of the drives you check is filled and overwritten, so files deleted earlier cannot be recovered from it.</source>
        <translation>Freien Speicherplatz löschen: der freie Speicherplatz der angekreuzten Laufwerke wird gefüllt und überschrieben, sodass früher gelöschte Dateien daraus nicht wiederhergestellt werden können.</translation>
    </message>
    <message>
        <source>Wipe special folders: the temporary, browser and trash folders you check are wiped with the folders&apos; method.</source>
        <translation>Spezialordner löschen: die angekreuzten temporären, Browser- und Papierkorbordner werden mit der Ordnermethode gelöscht.</translation>
    </message>
    <message>
        <source>Clear recently used files: the lists of recently used files that the desktop and programs keep are removed.</source>
        <translation>Zuletzt verwendete Dateien leeren: die Listen zuletzt verwendeter Dateien, die Arbeitsumgebung und Programme führen, werden entfernt.</translation>
    </message>
    <message>
        <source>Clean traces: traces of use (caches, histories, cookies) are found and removed; Preview lists them first.</source>
        <translation>Spuren bereinigen: Nutzungsspuren (Caches, Verläufe, Cookies) werden gefunden und entfernt; die Vorschau listet sie vorher auf.</translation>
    </message>
    <message>
        <source>Options: wipe methods are made, looked at and changed, and each kind of wipe is given its method.</source>
        <translation>Optionen: Löschmethoden werden angelegt, angesehen und geändert, und jede Art des Löschens erhält ihre Methode.</translation>
    </message>
</context>
<context>
    <name>TCleanTracesPage</name>
    <message>
        <source>Clean &amp;traces</source>
        <translation>Spuren &amp;bereinigen</translation>
    </message>
    <message>
        <source>Traces to clean</source>
        <translation>Zu bereinigende Spuren</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Overwrite files &amp;before deleting them</source>
        <translation>Dateien &amp;vor dem Löschen überschreiben</translation>
    </message>
    <message>
        <source>Files are wiped with the method of the file engine instead of being deleted plainly.</source>
        <translation>Dateien werden mit der Methode des Dateimoduls gelöscht, statt einfach entfernt zu werden.</translation>
    </message>
    <message>
        <source>Pat&amp;hs…</source>
        <translation>&amp;Pfade…</translation>
    </message>
    <message>
        <source>Your own files and folders to clean, and the places no item ever cleans.</source>
        <translation>Ihre eigenen zu bereinigenden Dateien und Ordner und die Orte, die kein Eintrag je bereinigt.</translation>
    </message>
    <message>
        <source>Sch&amp;edule…</source>
        <translation>Zei&amp;tplan…</translation>
    </message>
    <message>
        <source>Clean chosen traces on a schedule, also while the window is closed where the user&apos;s service manager runs.</source>
        <translation>Gewählte Spuren nach Zeitplan bereinigen, auch bei geschlossenem Fenster, wo der Dienstverwalter des Benutzers läuft.</translation>
    </message>
    <message>
        <source>Preview and outcome</source>
        <translation>Vorschau und Ergebnis</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Size or reason</source>
        <translation>Größe/Grund</translation>
    </message>
    <message>
        <source>Look &amp;again</source>
        <translation>&amp;Erneut suchen</translation>
    </message>
    <message>
        <source>Works out again what each item finds now.</source>
        <translation>Ermittelt erneut, was jeder Eintrag jetzt findet.</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>Vorsc&amp;hau</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>Bere&amp;inigen</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>The paths could not be kept, nothing changed: %1</source>
        <translation>Die Pfade konnten nicht gespeichert werden, nichts wurde geändert: %1</translation>
    </message>
    <message>
        <source>The choice holds until the program ends, but the settings file could not keep it: %1</source>
        <translation>Die Wahl gilt bis zum Programmende, aber die Einstellungsdatei konnte sie nicht speichern: %1</translation>
    </message>
    <message>
        <source>Looking for traces...</source>
        <translation>Spuren werden gesucht...</translation>
    </message>
    <message>
        <source>%1 in use or out of reach</source>
        <translation>%1 in Benutzung oder nicht erreichbar</translation>
    </message>
    <message>
        <source>nothing to clean</source>
        <translation>nichts zu bereinigen</translation>
    </message>
    <message>
        <source>Nothing of this kind was found on this system.</source>
        <translation>Nichts dieser Art wurde auf diesem System gefunden.</translation>
    </message>
    <message>
        <source>Would remove %1.</source>
        <translation>Würde %1 entfernen.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>%1 cannot be removed now (listed first).</source>
        <translation>%1 kann jetzt nicht entfernt werden (zuerst aufgeführt).</translation>
    </message>
    <message>
        <source>%1 could not be removed (listed first).</source>
        <translation>%1 konnte nicht entfernt werden (zuerst aufgeführt).</translation>
    </message>
    <message>
        <source>Check a trace that has something to clean.</source>
        <translation>Kreuzen Sie eine Spur an, die etwas zu bereinigen hat.</translation>
    </message>
    <message>
        <source>Preview stopped. </source>
        <translation>Vorschau angehalten. </translation>
    </message>
    <message>
        <source>Remove %1, found by %2 (%3)? This cannot be undone.
Preview lists each trace first.</source>
        <translation>%1 entfernen, gefunden von %2 (%3)? Dies kann nicht rückgängig gemacht werden.
Die Vorschau listet jede Spur vorher auf.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Angehalten. </translation>
    </message>
    <message>
        <source>The schedule in the settings file cannot be read: %1</source>
        <translation>Der Zeitplan in der Einstellungsdatei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Keine geplante Bereinigung.</translation>
    </message>
    <message>
        <source>Scheduled cleans are started by the user&apos;s service manager (systemd timer %1), also while Ferrovane is closed.</source>
        <translation>Geplante Bereinigungen startet der Dienstverwalter des Benutzers (systemd-Timer %1), auch wenn Ferrovane geschlossen ist.</translation>
    </message>
    <message>
        <source>No user service manager runs: scheduled cleans are started by this window&apos;s timer while it is open.</source>
        <translation>Kein Dienstverwalter des Benutzers läuft: geplante Bereinigungen startet der Timer dieses Fensters, solange es offen ist.</translation>
    </message>
    <message>
        <source>The schedule is on but never falls due: choose a day or a month.</source>
        <translation>Der Zeitplan ist eingeschaltet, wird aber nie fällig: wählen Sie einen Tag oder einen Monat.</translation>
    </message>
    <message>
        <source>No trace is chosen for it.</source>
        <translation>Dafür ist keine Spur gewählt.</translation>
    </message>
    <message>
        <source>The schedule could not be kept, nothing changed: %1</source>
        <translation>Der Zeitplan konnte nicht gespeichert werden, nichts wurde geändert: %1</translation>
    </message>
    <message>
        <source>Scheduled clean: </source>
        <translation>Geplante Bereinigung: </translation>
    </message>
    <message>
        <source>The outcome could not be recorded: %1</source>
        <translation>Das Ergebnis konnte nicht festgehalten werden: %1</translation>
    </message>
</context>
<context>
    <name>TDeletePage</name>
    <message>
        <source>&amp;Delete with Wiping</source>
        <translation>&amp;Löschen mit Überschreiben</translation>
    </message>
    <message>
        <source>Files Wiping </source>
        <translation>Dateien löschen </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>As admin...</source>
        <translation>Als Administrator...</translation>
    </message>
    <message>
        <source>Wipe the files marked with a shield, which you may not change, with administrator rights</source>
        <translation>Die mit einem Schild markierten Dateien, die Sie nicht ändern dürfen, mit Administratorrechten löschen</translation>
    </message>
    <message>
        <source>Folders Wiping </source>
        <translation>Ordner löschen </translation>
    </message>
    <message>
        <source>Wipe the folders marked with a shield, which you may not change, with administrator rights</source>
        <translation>Die mit einem Schild markierten Ordner, die Sie nicht ändern dürfen, mit Administratorrechten löschen</translation>
    </message>
    <message>
        <source>Save what the last run did, and what the device check found, as a page to keep (HTML) or for other programs (JSON).</source>
        <translation>Speichern, was der letzte Lauf getan und was die Geräteprüfung gefunden hat, als Seite zum Aufbewahren (HTML) oder für andere Programme (JSON).</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Bericht speichern...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Report page (*.html);;Report for programs (*.json)</source>
        <translation>Berichtsseite (*.html);;Bericht für Programme (*.json)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1 (%2).</source>
        <translation>Der Bericht konnte nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>
You may not change the folder that holds it: wiping it needs administrator rights.</source>
        <translation>
Sie dürfen den Ordner, der sie enthält, nicht ändern: das Löschen braucht Administratorrechte.</translation>
    </message>
    <message>
        <source>Select files to shred</source>
        <translation>Zu vernichtende Dateien wählen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 of the files chosen cannot be wiped.</source>
        <translation>%1 der gewählten Dateien können nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>%1 of the folders chosen cannot be wiped.</source>
        <translation>%1 der gewählten Ordner können nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>%1: is on a system file system (%2): not wiped</source>
        <translation>%1: liegt auf einem Systemdateisystem (%2): nicht gelöscht</translation>
    </message>
    <message>
        <source>Only existing files and folders of this computer can be wiped; nothing on a system file system (proc, sysfs, ...) is.</source>
        <translation>Nur vorhandene Dateien und Ordner dieses Computers können gelöscht werden; nichts auf einem Systemdateisystem (proc, sysfs, ...).</translation>
    </message>
    <message>
        <source>%1: not a file or folder of this computer</source>
        <translation>%1: keine Datei und kein Ordner dieses Computers</translation>
    </message>
    <message>
        <source>%1: its list is being wiped now</source>
        <translation>%1: seine Liste wird gerade gelöscht</translation>
    </message>
    <message>
        <source>%1 of the items handed over could not be added.</source>
        <translation>%1 der übergebenen Einträge konnten nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>%1 löschen (%2)? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Löschen: </translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>Der Löschvorgang wurde abgebrochen!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>Der Löschvorgang wurde nicht abgeschlossen. Verblieben: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>Der Löschvorgang wurde erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>Wipe %1 with administrator rights (%2)? You will be asked for the password. This cannot be undone.</source>
        <translation>%1 mit Administratorrechten löschen (%2)? Sie werden nach dem Passwort gefragt. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Wipe %1 as administrator</source>
        <translation>%1 als Administrator löschen</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 now (%2 free)? The old blocks of the files just deleted there are overwritten.</source>
        <translation>Den freien Speicherplatz von %1 jetzt löschen (%2 frei)? Die alten Blöcke der dort eben gelöschten Dateien werden überschrieben.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Freien Speicherplatz von %1 löschen</translation>
    </message>
    <message>
        <source>The wipe of the free space has been aborted!</source>
        <translation>Das Löschen des freien Speicherplatzes wurde abgebrochen!</translation>
    </message>
    <message>
        <source>The free space of %1 has been wiped: the old blocks of the files deleted there are overwritten.</source>
        <translation>Der freie Speicherplatz von %1 wurde gelöscht: die alten Blöcke der dort gelöschten Dateien sind überschrieben.</translation>
    </message>
    <message>
        <source>Report for programs (*.json)</source>
        <translation>Bericht für Programme (*.json)</translation>
    </message>
    <message>
        <source>Not handed to the administrator&apos;s run, as the window cannot see it as it is now:
%1</source>
        <translation>Nicht an den Lauf als Administrator übergeben, da das Fenster es nicht so sehen kann, wie es jetzt ist:
%1</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do. Wipe %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Das Prüfen des Geräts nach dem Löschen liest es zurück, was nur der Administrator darf. %1 mit Administratorrechten löschen und das Gerät prüfen? Sie werden nach dem Passwort gefragt. Um ohne Prüfung zu löschen, schalten Sie „Gerät nach dem Löschen prüfen“ in den Optionen aus.</translation>
    </message>
</context>
<context>
    <name>TFreeSpacePage</name>
    <message>
        <source>&amp;Wipe free space</source>
        <translation>&amp;Freien Speicherplatz löschen</translation>
    </message>
    <message>
        <source>Local drives list </source>
        <translation>Lokale Laufwerke </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Freier Speicherplatz</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Clean &amp;Free Space</source>
        <translation>Freien Speicherplatz lösc&amp;hen</translation>
    </message>
    <message>
        <source>Wipe as administrator...</source>
        <translation>Als Administrator löschen...</translation>
    </message>
    <message>
        <source>Wipe the free space of the selected drive, which only the administrator may fill, with administrator rights</source>
        <translation>Den freien Speicherplatz des gewählten Laufwerks, den nur der Administrator füllen darf, mit Administratorrechten löschen</translation>
    </message>
    <message>
        <source>only the administrator may write there</source>
        <translation>nur der Administrator darf dort schreiben</translation>
    </message>
    <message>
        <source>mounted read-only</source>
        <translation>schreibgeschützt eingehängt</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>
Its free space cannot be wiped: </source>
        <translation>
Sein freier Speicherplatz kann nicht gelöscht werden: </translation>
    </message>
    <message>
        <source>. Wipe as administrator can.</source>
        <translation>. „Als Administrator löschen“ kann es.</translation>
    </message>
    <message>
        <source>A temporary file of an interrupted free-space wipe was found on %1 (%2). Wipe and remove it now?</source>
        <translation>Auf %1 wurde eine temporäre Datei eines abgebrochenen Löschens des freien Speicherplatzes gefunden (%2). Jetzt löschen und entfernen?</translation>
    </message>
    <message>
        <source>Wipe and remove it</source>
        <translation>Löschen und entfernen</translation>
    </message>
    <message>
        <source>%1 was not wiped: a free-space wipe of its drive is running.</source>
        <translation>%1 wurde nicht gelöscht: ein Löschen des freien Speicherplatzes seines Laufwerks läuft.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>Der Löschvorgang wurde abgebrochen!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>Der Löschvorgang wurde nicht abgeschlossen. Verblieben: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>Der Löschvorgang wurde erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1? Other programs cannot write to %2 until it ends.</source>
        <translation>Den freien Speicherplatz von %1 löschen? Andere Programme können bis zum Ende nicht auf %2 schreiben.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Freien Speicherplatz von %1 löschen</translation>
    </message>
    <message>
        <source>The Wipe free space task has been aborted!</source>
        <translation>Das Löschen des freien Speicherplatzes wurde abgebrochen!</translation>
    </message>
    <message>
        <source>The Wipe free space task has been completed successfully!</source>
        <translation>Das Löschen des freien Speicherplatzes wurde erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 with administrator rights? You will be asked for the password; other programs cannot write to it until it ends.</source>
        <translation>Den freien Speicherplatz von %1 mit Administratorrechten löschen? Sie werden nach dem Passwort gefragt; andere Programme können bis zum Ende nicht darauf schreiben.</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do: your own run would leave it &quot;not verified (needs administrator rights)&quot;. Wipe the free space of %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Das Prüfen des Geräts nach dem Löschen liest es zurück, was nur der Administrator darf: Ihr eigener Lauf ließe es „nicht bestätigt (benötigt Administratorrechte)“. Den freien Speicherplatz von %1 mit Administratorrechten löschen und das Gerät prüfen? Sie werden nach dem Passwort gefragt. Um ohne Prüfung zu löschen, schalten Sie „Gerät nach dem Löschen prüfen“ in den Optionen aus.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>About Ferrovane</source>
        <translation>Über Ferrovane</translation>
    </message>
    <message>
        <source>Ferrovane on the web</source>
        <translation>Ferrovane im Web</translation>
    </message>
    <message>
        <source>The readme (readme.txt) that comes with Ferrovane was not found beside the program.
The About page says what each page does.</source>
        <translation>Die Liesmich-Datei (readme.txt), die mit Ferrovane kommt, wurde neben dem Programm nicht gefunden.
Die Seite „Über“ sagt, was jede Seite tut.</translation>
    </message>
    <message>
        <source>The readme answers the usual questions; &quot;When something is left behind&quot; explains what a report after a run means.</source>
        <translation>Die Liesmich-Datei beantwortet die üblichen Fragen; „When something is left behind“ erklärt, was ein Bericht nach einem Lauf bedeutet.</translation>
    </message>
    <message>
        <source>Check for updates: starts the updater %1</source>
        <translation>Nach Aktualisierungen suchen: startet die Aktualisierung %1</translation>
    </message>
</context>
<context>
    <name>TMethodList</name>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Comes with Ferrovane: Edit shows it, and Copy there makes a copy you can change.</source>
        <translation>Kommt mit Ferrovane: „Bearbeiten“ zeigt sie, und „Kopieren“ dort legt eine Kopie an, die Sie ändern können.</translation>
    </message>
    <message>
        <source>The file of this method could not be read whole (%1), so no wipe uses it. Edit it and press OK to store what was read as a whole method.</source>
        <translation>Die Datei dieser Methode konnte nicht vollständig gelesen werden (%1), daher verwendet kein Löschen sie. Bearbeiten Sie sie und drücken Sie OK, um das Gelesene als ganze Methode zu speichern.</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be %2 now: %3 is running with it.
Try again once the wipe has ended.</source>
        <translation>Die Methode „%1“ kann jetzt nicht %2 werden: %3 läuft mit ihr.
Versuchen Sie es erneut, wenn das Löschen beendet ist.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Ferrovane wipe method files (*%1)</source>
        <translation>Ferrovane-Löschmethoden (*%1)</translation>
    </message>
    <message>
        <source>Method files can be saved only in &quot;%1&quot;.
&quot;%2&quot; will be saved in this folder.</source>
        <translation>Methodendateien können nur in „%1“ gespeichert werden.
„%2“ wird in diesem Ordner gespeichert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of &quot;%2&quot;, which comes with Ferrovane and is not replaced.
Choose another file name.</source>
        <translation>„%1“ ist die Datei von „%2“, die mit Ferrovane kommt und nicht ersetzt wird.
Wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>ersetzt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the method &quot;%2&quot;.
Replace that method with the new one?</source>
        <translation>„%1“ ist die Datei der Methode „%2“.
Diese Methode durch die neue ersetzen?</translation>
    </message>
    <message>
        <source>New Method</source>
        <translation>Neue Methode</translation>
    </message>
    <message>
        <source>Copy of Method</source>
        <translation>Kopie der Methode</translation>
    </message>
    <message>
        <source>Method (read-only)</source>
        <translation>Methode (schreibgeschützt)</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>bearbeitet</translation>
    </message>
    <message>
        <source>Edit Method</source>
        <translation>Methode bearbeiten</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>Are you sure you want to delete method &quot;%1&quot;?</source>
        <translation>Wollen Sie die Methode „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>use &quot;%1&quot; instead.</source>
        <translation>stattdessen „%1“ verwenden.</translation>
    </message>
    <message>
        <source>have no method, and wipe nothing, until another is chosen.</source>
        <translation>keine Methode haben und nichts löschen, bis eine andere gewählt ist.</translation>
    </message>
    <message>
        <source>Unable to delete %1 (%2).</source>
        <translation>%1 kann nicht gelöscht werden (%2).</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be used: its file could not be read whole.
Edit it and press OK to store what was read as a whole method.</source>
        <translation>Die Methode „%1“ kann nicht verwendet werden: ihre Datei konnte nicht vollständig gelesen werden.
Bearbeiten Sie sie und drücken Sie OK, um das Gelesene als ganze Methode zu speichern.</translation>
    </message>
    <message>
        <source>

%1 is set to use it, and will </source>
        <translation>

%1 ist auf sie eingestellt und wird </translation>
    </message>
    <message>
        <source>

%1 are set to use it, and will </source>
        <translation>

%1 sind auf sie eingestellt und werden </translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Methods </source>
        <translation>&amp;Methoden </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Bearb&amp;eiten</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>Wipe Type</source>
        <translation>Art des Löschens</translation>
    </message>
    <message>
        <source>Wipe Files</source>
        <translation>Dateien löschen</translation>
    </message>
    <message>
        <source>Wipe Folders</source>
        <translation>Ordner löschen</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Freien Speicherplatz löschen</translation>
    </message>
    <message>
        <source>Warn on deleting an executable file</source>
        <translation>Vor dem Löschen einer ausführbaren Datei warnen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Übe&amp;rnehmen</translation>
    </message>
    <message>
        <source>Questions before a wipe </source>
        <translation>Fragen vor dem Löschen </translation>
    </message>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Vor dem Löschen von Dateien und Ordnern fragen</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Vor dem Löschen des freien Speicherplatzes fragen</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Vor dem Löschen von Spezialordnern fragen</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Vor dem Bereinigen von Spuren fragen</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Vor dem Leeren zuletzt verwendeter Dateien fragen</translation>
    </message>
    <message>
        <source>Ask again everywhere</source>
        <translation>Überall wieder fragen</translation>
    </message>
    <message>
        <source>Method Description </source>
        <translation>Beschreibung der Methode </translation>
    </message>
    <message>
        <source>Discard free blocks after wiping free space (SSDs)</source>
        <translation>Freie Blöcke nach dem Löschen des freien Speicherplatzes verwerfen (SSDs)</translation>
    </message>
    <message>
        <source>After each wipe, read the device back where the deleted files and their names lay (needs administrator rights), and name what is still there.</source>
        <translation>Nach jedem Löschen das Gerät dort zurücklesen, wo die gelöschten Dateien und ihre Namen lagen (braucht Administratorrechte), und nennen, was noch da ist.</translation>
    </message>
    <message>
        <source>Check the device after wiping</source>
        <translation>Gerät nach dem Löschen prüfen</translation>
    </message>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to file managers...</source>
        <translation>„Mit Ferrovane löschen“ zu Dateimanagern hinzufügen...</translation>
    </message>
    <message>
        <source>Erase old copies of file names from the file system journal (ext4, XFS)</source>
        <translation>Alte Kopien von Dateinamen aus dem Journal des Dateisystems löschen (ext4, XFS)</translation>
    </message>
    <message>
        <source>Takes seconds after each wipe and writes about the journal&apos;s size.</source>
        <translation>Dauert nach jedem Löschen Sekunden und schreibt etwa die Größe des Journals.</translation>
    </message>
    <message>
        <source>%1 will be wiped with &quot;%2&quot;.</source>
        <translation>%1 wird mit „%2“ gelöscht.</translation>
    </message>
</context>
<context>
    <name>TRecentFilesPage</name>
    <message>
        <source>&amp;Clear recently used files</source>
        <translation>&amp;Zuletzt verwendete Dateien leeren</translation>
    </message>
    <message>
        <source>Known lists </source>
        <translation>Bekannte Listen </translation>
    </message>
    <message>
        <source>Most Recently Used (MRU) lists of known products:</source>
        <translation>Listen zuletzt verwendeter Dateien (MRU) bekannter Produkte:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Other lists </source>
        <translation>Andere Listen </translation>
    </message>
    <message>
        <source>MRU lists of other programs:</source>
        <translation>MRU-Listen anderer Programme:</translation>
    </message>
    <message>
        <source>Search Registry for other MRU lists</source>
        <translation>Registry nach anderen MRU-Listen durchsuchen</translation>
    </message>
    <message>
        <source>Add Existing Key</source>
        <translation>Vorhandenen Schlüssel hinzufügen</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Ausgewählte entfernen</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>Bere&amp;inigen</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>On this system</source>
        <translation>Auf diesem System</translation>
    </message>
    <message>
        <source>kept only by Windows</source>
        <translation>nur von Windows geführt</translation>
    </message>
    <message>
        <source>Windows registry list</source>
        <translation>Liste in der Windows-Registry</translation>
    </message>
    <message>
        <source>The desktop&apos;s lists of recently used files are empty.</source>
        <translation>Die Listen zuletzt verwendeter Dateien der Arbeitsumgebung sind leer.</translation>
    </message>
    <message>
        <source>This list is not kept on this system.</source>
        <translation>Diese Liste wird auf diesem System nicht geführt.</translation>
    </message>
    <message>
        <source>This list holds nothing on this system.</source>
        <translation>Diese Liste enthält auf diesem System nichts.</translation>
    </message>
    <message>
        <source>Clear %1 (%2)? This cannot be undone.</source>
        <translation>%1 leeren (%2)? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 leeren</translation>
    </message>
    <message>
        <source>The registry store could not be written; nothing was removed from it.
</source>
        <translation>Der Registrierungsspeicher konnte nicht geschrieben werden; nichts wurde daraus entfernt.
</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has not been completed. Left: %1.</source>
        <translation>Das Leeren zuletzt verwendeter Dateien wurde nicht abgeschlossen. Verblieben: %1.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has been completed successfully!</source>
        <translation>Das Leeren zuletzt verwendeter Dateien wurde erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>Suche angehalten.</translation>
    </message>
</context>
<context>
    <name>TReportDialog</name>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Details anzeigen...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>&amp;Details ausblenden...</translation>
    </message>
</context>
<context>
    <name>TRunNotifier</name>
    <message>
        <source>1 item was left behind</source>
        <translation>1 Eintrag ist verblieben</translation>
    </message>
    <message>
        <source>%1 items were left behind</source>
        <translation>%1 Einträge sind verblieben</translation>
    </message>
    <message>
        <source>The wipe task has been aborted.</source>
        <translation>Der Löschvorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted; %1.</source>
        <translation>Der Löschvorgang wurde abgebrochen; %1.</translation>
    </message>
    <message>
        <source>The wipe task has not been completed: %1.</source>
        <translation>Der Löschvorgang wurde nicht abgeschlossen: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully.</source>
        <translation>Der Löschvorgang wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Show Ferrovane</source>
        <translation>Ferrovane anzeigen</translation>
    </message>
</context>
<context>
    <name>TRunProgress</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>noch etwa %1</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 von %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 geschrieben</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>free space of %1</source>
        <translation>freier Speicherplatz von %1</translation>
    </message>
    <message>
        <source>Wiping</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln files</source>
        <translation>
            <numerusform>Löschen: %Ln Datei</numerusform>
            <numerusform>Löschen: %Ln Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln folders</source>
        <translation>
            <numerusform>Löschen: %Ln Ordner</numerusform>
            <numerusform>Löschen: %Ln Ordner</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping free space of %1</source>
        <translation>Löschen: freier Speicherplatz von %1</translation>
    </message>
    <message numerus="yes">
        <source>Wiping free space of %Ln drives</source>
        <translation>
            <numerusform>Löschen: freier Speicherplatz von %Ln Laufwerk</numerusform>
            <numerusform>Löschen: freier Speicherplatz von %Ln Laufwerken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln Datei</numerusform>
            <numerusform>%Ln Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln Ordner</numerusform>
            <numerusform>%Ln Ordner</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>free space of %Ln drives</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>freier Speicherplatz von %Ln Laufwerk</numerusform>
            <numerusform>freier Speicherplatz von %Ln Laufwerken</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping %1</source>
        <translation>Löschen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1</source>
        <translation>
            <numerusform>%Ln Datei, %1</numerusform>
            <numerusform>%Ln Dateien, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRunQuestion</name>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Vor dem Löschen von Dateien und Ordnern fragen</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Vor dem Löschen des freien Speicherplatzes fragen</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Vor dem Löschen von Spezialordnern fragen</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Vor dem Bereinigen von Spuren fragen</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Vor dem Leeren zuletzt verwendeter Dateien fragen</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>TSpecialFoldersPage</name>
    <message>
        <source>Wipe &amp;special folders</source>
        <translation>&amp;Spezialordner löschen</translation>
    </message>
    <message>
        <source>Special folders </source>
        <translation>Spezialordner </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Trash </source>
        <translation>Papierkorb </translation>
    </message>
    <message>
        <source>Trash folders</source>
        <translation>Papierkorbordner</translation>
    </message>
    <message>
        <source>Wipe st&amp;art</source>
        <translation>Löschen st&amp;arten</translation>
    </message>
    <message>
        <source>Folders &amp;method...</source>
        <translation>Ordner&amp;methode...</translation>
    </message>
    <message>
        <source>Chooses the wipe method of the folders engine, which wipes the folders of this page.</source>
        <translation>Wählt die Löschmethode des Ordnermoduls, das die Ordner dieser Seite löscht.</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>Temporary Internet Files</source>
        <translation>Temporäre Internetdateien</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>Opera Cookies</source>
        <translation>Opera: Cookies</translation>
    </message>
    <message>
        <source>Opera Internet Cache</source>
        <translation>Opera: Internet-Cache</translation>
    </message>
    <message>
        <source>Opera History</source>
        <translation>Opera: Verlauf</translation>
    </message>
    <message>
        <source>Opera Images</source>
        <translation>Opera: Bilder</translation>
    </message>
    <message>
        <source>Not found on this system: there is nothing to wipe.</source>
        <translation>Auf diesem System nicht gefunden: es gibt nichts zu löschen.</translation>
    </message>
    <message>
        <source>Nothing to wipe here: the five shell folders are places of Windows, which this system does not name%1%2. The trash below is wiped from this page; browsers&apos; caches and histories from Clean traces.</source>
        <translation>Hier gibt es nichts zu löschen: die fünf Shell-Ordner sind Orte von Windows, die dieses System nicht kennt%1%2. Der Papierkorb unten wird von dieser Seite gelöscht, Caches und Verläufe der Browser unter „Spuren bereinigen“.</translation>
    </message>
    <message>
        <source> (&quot;Show Windows items&quot; lists them)</source>
        <translation> („Windows-Einträge zeigen“ listet sie auf)</translation>
    </message>
    <message>
        <source>, and no Opera profile was found</source>
        <translation>, und kein Opera-Profil wurde gefunden</translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>%1 löschen (%2)? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Löschen: </translation>
    </message>
    <message>
        <source>The Wipe special folders task has been completed successfully!</source>
        <translation>Das Löschen der Spezialordner wurde erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has been aborted!</source>
        <translation>Das Löschen der Spezialordner wurde abgebrochen!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has not been completed. Left behind: %1.</source>
        <translation>Das Löschen der Spezialordner wurde nicht abgeschlossen. Verblieben: %1.</translation>
    </message>
    <message>
        <source>No row is ticked: tick the folders to wipe first.</source>
        <translation>Keine Zeile ist angehakt: Haken Sie zuerst die zu löschenden Ordner an.</translation>
    </message>
</context>
<context>
    <name>TWindowRequest</name>
    <message>
        <source>Usage: ferrovane [--free-space] [--] [PATH...]</source>
        <translation>Aufruf: ferrovane [--free-space] [--] [PFAD...]</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
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
        <translation>Aufruf: ferrovane [--free-space] [--] [PFAD...]
Öffnet das Ferrovane-Fenster, das Dateien, Ordner und den freien Speicherplatz von Laufwerken
überschreibt, bevor es sie löscht. Die angegebenen Dateien und Ordner werden auf der Seite
„Löschen mit Überschreiben“ eingereiht; nichts wird gelöscht, bevor Start gedrückt und die
Frage beantwortet ist. Ist bereits ein Fenster offen, übernimmt es die Pfade und kommt nach vorn.

  --free-space  die Seite „Freien Speicherplatz löschen“ zeigen
  --help        diesen Text anzeigen und beenden
  --version     die Version anzeigen und beenden
  --            jedes Argument danach ist ein Pfad, auch eines, das mit „-“ beginnt

Ohne Fenster: ferrovane-cli (siehe ferrovane-cli --help).
</translation>
    </message>
</context>
<context>
    <name>TWindowsRowsFilter</name>
    <message>
        <source>Show Wi&amp;ndows items</source>
        <translation>Wi&amp;ndows-Einträge zeigen</translation>
    </message>
    <message>
        <source>Show the rows of places that only Windows has</source>
        <translation>Die Zeilen der Orte zeigen, die nur Windows hat</translation>
    </message>
</context>
<context>
    <name>TfEditMethod</name>
    <message>
        <source>Method Name:</source>
        <translation>Name der Methode:</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Beschreibung der Methode:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Durchgänge:</translation>
    </message>
    <message>
        <source>Add a pass</source>
        <translation>Durchgang hinzufügen</translation>
    </message>
    <message>
        <source>Rename the pass</source>
        <translation>Durchgang umbenennen</translation>
    </message>
    <message>
        <source>Delete the pass</source>
        <translation>Durchgang löschen</translation>
    </message>
    <message>
        <source> Pass </source>
        <translation> Durchgang </translation>
    </message>
    <message>
        <source>After the pass is written and on the disk, it is read back past the system&apos;s cache and compared with what was written; a difference or a read error names the file after the run.</source>
        <translation>Nachdem der Durchgang geschrieben und auf dem Datenträger ist, wird er am Cache des Systems vorbei zurückgelesen und mit dem Geschriebenen verglichen; ein Unterschied oder Lesefehler nennt die Datei nach dem Lauf.</translation>
    </message>
    <message>
        <source> Wipe Width </source>
        <translation> Löschen mit </translation>
    </message>
    <message>
        <source>Byte Pattern</source>
        <translation>Bytemuster</translation>
    </message>
    <message>
        <source>Random Bytes</source>
        <translation>Zufallsbytes</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>UND</translation>
    </message>
    <message>
        <source>Random Character</source>
        <translation>Zufallszeichen</translation>
    </message>
    <message>
        <source>Text Pattern</source>
        <translation>Textmuster</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>What the method is for, and when to choose it</source>
        <translation>Wofür die Methode gedacht ist und wann man sie wählt</translation>
    </message>
    <message>
        <source>This method comes with Ferrovane and cannot be changed. Copy makes a copy of it that you can edit.</source>
        <translation>Diese Methode kommt mit Ferrovane und kann nicht geändert werden. „Kopieren“ legt eine Kopie an, die Sie bearbeiten können.</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Edit pass name</source>
        <translation>Name des Durchgangs bearbeiten</translation>
    </message>
    <message>
        <source>Pass name</source>
        <translation>Name des Durchgangs</translation>
    </message>
    <message>
        <source>Are you sure you want to delete pass &quot;%1&quot;?</source>
        <translation>Wollen Sie den Durchgang „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>This method has no passes: files wiped with it are only deleted, not overwritten, and can be recovered.
Keep it without passes?</source>
        <translation>Diese Methode hat keine Durchgänge: damit gelöschte Dateien werden nur entfernt, nicht überschrieben, und können wiederhergestellt werden.
Ohne Durchgänge behalten?</translation>
    </message>
    <message>
        <source>Check &amp;Wipe</source>
        <translation>Löschen &amp;prüfen</translation>
    </message>
</context>
<context>
    <name>TfMethodsForm</name>
    <message>
        <source>Wiping Methods</source>
        <translation>Löschmethoden</translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation>&amp;Methoden</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Beschreibung der Methode:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TfProgress</name>
    <message>
        <source>Delete Files and Folders</source>
        <translation>Dateien und Ordner löschen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Counting the files to wipe...</source>
        <translation>Zu löschende Dateien werden gezählt...</translation>
    </message>
    <message>
        <source>%1 files, %2 so far</source>
        <translation>%1 Dateien, bisher %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
</context>
<context>
    <name>TfReadme</name>
    <message>
        <source>Ferrovane Help</source>
        <translation>Ferrovane-Hilfe</translation>
    </message>
</context>
<context>
    <name>TfSchedule</name>
    <message>
        <source>Schedule of the trace cleaning</source>
        <translation>Zeitplan der Spurenbereinigung</translation>
    </message>
    <message>
        <source>&amp;Clean traces on a schedule</source>
        <translation>Spuren nach &amp;Zeitplan bereinigen</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>O&amp;nce</source>
        <translation>&amp;Einmal</translation>
    </message>
    <message>
        <source>&amp;Every N minutes</source>
        <translation>Alle N &amp;Minuten</translation>
    </message>
    <message>
        <source>Every N h&amp;ours</source>
        <translation>Alle N &amp;Stunden</translation>
    </message>
    <message>
        <source>Dai&amp;ly</source>
        <translation>&amp;Täglich</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Wöchentlich</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>Mo&amp;natlich</translation>
    </message>
    <message>
        <source>&amp;Date and time:</source>
        <translation>&amp;Datum und Uhrzeit:</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>Every &amp;minutes:</source>
        <translation>Alle N Min&amp;uten:</translation>
    </message>
    <message>
        <source>Every &amp;hours:</source>
        <translation>Alle N Stun&amp;den:</translation>
    </message>
    <message>
        <source>and m&amp;inutes:</source>
        <translation>und M&amp;inuten:</translation>
    </message>
    <message>
        <source>Every &amp;days:</source>
        <translation>Alle N T&amp;age:</translation>
    </message>
    <message>
        <source>&amp;At:</source>
        <translation>&amp;Um:</translation>
    </message>
    <message>
        <source>Every &amp;weeks:</source>
        <translation>Alle N Wo&amp;chen:</translation>
    </message>
    <message>
        <source>A&amp;t:</source>
        <translation>U&amp;hrzeit:</translation>
    </message>
    <message>
        <source>On:</source>
        <translation>Am:</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>At&amp;:</source>
        <translation>Uhrze&amp;it:</translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation>Am Ta&amp;g</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>&amp;Jeweils am</translation>
    </message>
    <message>
        <source>first</source>
        <translation>ersten</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweiten</translation>
    </message>
    <message>
        <source>third</source>
        <translation>dritten</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>vierten</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>fünften</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>of the week that holds the month&apos;s Thursday</source>
        <translation>der Woche mit dem Donnerstag des Monats</translation>
    </message>
    <message>
        <source>In:</source>
        <translation>Im:</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Traces cleaned on schedule</source>
        <translation>Nach Zeitplan bereinigte Spuren</translation>
    </message>
    <message>
        <source>A scheduled clean asks nothing and removes what a clean of the same traces from this page removes.</source>
        <translation>Eine geplante Bereinigung fragt nichts und entfernt, was eine Bereinigung derselben Spuren von dieser Seite entfernt.</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Keine geplante Bereinigung.</translation>
    </message>
    <message>
        <source>This schedule never falls due: choose a day or a month.</source>
        <translation>Dieser Zeitplan wird nie fällig: wählen Sie einen Tag oder einen Monat.</translation>
    </message>
    <message>
        <source>Calendar of the timer: %1</source>
        <translation>Kalender des Timers: %1</translation>
    </message>
    <message>
        <source>No trace is chosen yet.</source>
        <translation>Noch keine Spur gewählt.</translation>
    </message>
</context>
<context>
    <name>TfTracePaths</name>
    <message>
        <source>Paths of the trace cleaning</source>
        <translation>Pfade der Spurenbereinigung</translation>
    </message>
    <message>
        <source>&amp;Custom files and folders, cleaned by the item &quot;Custom Files and Folders&quot;</source>
        <translation>&amp;Eigene Dateien und Ordner zum Bereinigen</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder). A folder goes with everything in it; the home folder and the folders above it are refused.</source>
        <translation>Eine Datei oder ein Ordner pro Zeile (~/ für den persönlichen Ordner). Ein Ordner wird mit seinem gesamten Inhalt entfernt; der persönliche Ordner und die Ordner darüber werden abgelehnt.</translation>
    </message>
    <message>
        <source>&amp;Never clean these (every item passes them over)</source>
        <translation>&amp;Nie bereinigen (jeder Eintrag übergeht sie)</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder; * and ? may stand in names). Nothing in a kept folder is deleted, emptied or edited.</source>
        <translation>Eine Datei oder ein Ordner pro Zeile (~/ für den persönlichen Ordner; * und ? dürfen in Namen stehen). Nichts in einem ausgenommenen Ordner wird gelöscht, geleert oder bearbeitet.</translation>
    </message>
</context>
<context>
    <name>TfmAddReg</name>
    <message>
        <source>Add Registry Key</source>
        <translation>Registry-Schlüssel hinzufügen</translation>
    </message>
    <message>
        <source>Key Name</source>
        <translation>Schlüsselname</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
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
    <name>TfmItemProps</name>
    <message>
        <source>Item Properties</source>
        <translation>Eigenschaften des Eintrags</translation>
    </message>
    <message>
        <source>Entire folder</source>
        <translation>Ganzer Ordner</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>Ordnername:</translation>
    </message>
    <message>
        <source>Folder content</source>
        <translation>Ordnerinhalt</translation>
    </message>
    <message>
        <source>Include pattern:</source>
        <translation>Muster einschließen:</translation>
    </message>
    <message>
        <source>Included items list:</source>
        <translation>Liste der eingeschlossenen Einträge:</translation>
    </message>
    <message>
        <source>Add Included Pattern</source>
        <translation>Muster einschließen</translation>
    </message>
    <message>
        <source>Remove Included Item</source>
        <translation>Eingeschlossenen Eintrag entfernen</translation>
    </message>
    <message>
        <source>Show Included files...</source>
        <translation>Eingeschlossene Dateien zeigen...</translation>
    </message>
    <message>
        <source>Exclude wiping of files</source>
        <translation>Dateien vom Löschen ausnehmen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Please specify a directory</source>
        <translation>Bitte geben Sie einen Ordner an</translation>
    </message>
    <message>
        <source>Please add at least a pattern to pattern list</source>
        <translation>Bitte fügen Sie der Musterliste mindestens ein Muster hinzu</translation>
    </message>
</context>
<context>
    <name>TfmShowFiles</name>
    <message>
        <source>Included files</source>
        <translation>Eingeschlossene Dateien</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
</context>
<context>
    <name>WipeReport</name>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped.</source>
        <translation>Der freie Speicherplatz von %1 wurde nicht gelöscht.</translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped completely.</source>
        <translation>Der freie Speicherplatz von %1 wurde nicht vollständig gelöscht.</translation>
    </message>
    <message>
        <source>It stopped while overwriting &quot;%1&quot;: that file is left under its own name, not completely overwritten.</source>
        <translation>Es wurde beim Überschreiben von „%1“ angehalten: diese Datei bleibt unter ihrem Namen, nicht vollständig überschrieben.</translation>
    </message>
    <message>
        <source>Jobs not reached: %1 of %2.</source>
        <translation>Nicht erreichte Aufträge: %1 von %2.</translation>
    </message>
    <message>
        <source>Overwritten before the stop: %1, in %2.</source>
        <translation>Vor dem Anhalten überschrieben: %1, in %2.</translation>
    </message>
    <message>
        <source>Overwritten with every pass: %1, in %2.</source>
        <translation>Mit jedem Durchgang überschrieben: %1, in %2.</translation>
    </message>
    <message>
        <source>Left behind: %1.</source>
        <translation>Verblieben: %1.</translation>
    </message>
    <message>
        <source>Not found when their turn came: %1.</source>
        <translation>Nicht gefunden, als sie an der Reihe waren: %1.</translation>
    </message>
    <message>
        <source>Left partly overwritten when the run stopped:</source>
        <translation>Teilweise überschrieben verblieben, als der Lauf anhielt:</translation>
    </message>
    <message>
        <source>Not reached:</source>
        <translation>Nicht erreicht:</translation>
    </message>
    <message>
        <source>Left behind:</source>
        <translation>Verblieben:</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>Nicht gefunden:</translation>
    </message>
    <message>
        <source>: %1 wiped in %2.</source>
        <translation>: %1 gelöscht in %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The settings folder could not be prepared: changed settings and methods may not be saved.</source>
        <translation>Der Einstellungsordner konnte nicht vorbereitet werden: geänderte Einstellungen und Methoden werden eventuell nicht gespeichert.</translation>
    </message>
    <message>
        <source>The methods and settings could not all be read: %1</source>
        <translation>Die Methoden und Einstellungen konnten nicht alle gelesen werden: %1</translation>
    </message>
    <message>
        <source>The changed settings could not be saved: %1</source>
        <translation>Die geänderten Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
</TS>
