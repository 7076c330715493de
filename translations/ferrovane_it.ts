<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AdministratorRun</name>
    <message>
        <source> (%1 ended with status %2%3)</source>
        <translation> (%1 è terminato con stato %2%3)</translation>
    </message>
    <message>
        <source>No authentication agent is running, so nobody could be asked for the administrator&apos;s password: nothing was wiped. Start your desktop&apos;s polkit agent (for example lxpolkit or polkit-gnome), or run ferrovane-cli as root in a terminal.</source>
        <translation>Non è in esecuzione alcun agente di autenticazione, quindi non è stato possibile chiedere la password dell&apos;amministratore: nulla è stato cancellato. Avvia l&apos;agente polkit del tuo desktop (ad esempio lxpolkit o polkit-gnome), oppure esegui ferrovane-cli come root in un terminale.</translation>
    </message>
    <message>
        <source>The polkit service, which decides who may act as the administrator, is not running: nothing was wiped. Run ferrovane-cli as root in a terminal instead.</source>
        <translation>Il servizio polkit, che decide chi può agire come amministratore, non è in esecuzione: nulla è stato cancellato. Esegui invece ferrovane-cli come root in un terminale.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given, or the request was refused: nothing was wiped.</source>
        <translation>La password dell&apos;amministratore non è stata fornita, oppure la richiesta è stata rifiutata: nulla è stato cancellato.</translation>
    </message>
    <message>
        <source>%1 could not start the run with administrator rights: nothing was wiped.</source>
        <translation>%1 non ha potuto avviare l&apos;esecuzione con i diritti di amministratore: nulla è stato cancellato.</translation>
    </message>
    <message>
        <source>The run with administrator rights ended without an outcome, so what it wiped is unknown.</source>
        <translation>L&apos;esecuzione con i diritti di amministratore è terminata senza un esito, quindi non si sa cosa abbia cancellato.</translation>
    </message>
    <message>
        <source>The engine is running: nothing was handed over.</source>
        <translation>Il motore è in esecuzione: nulla è stato passato.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2: nothing was wiped.</source>
        <translation>Impossibile avviare %1: %2: nulla è stato cancellato.</translation>
    </message>
    <message>
        <source>%1 can only be wiped with administrator rights, and pkexec, which asks for them, is not installed (Debian package &quot;pkexec&quot;). Install it, or run ferrovane-cli as root in a terminal.</source>
        <translation>%1 può essere cancellato solo con i diritti di amministratore, e pkexec, che li richiede, non è installato (pacchetto Debian &quot;pkexec&quot;). Installalo, oppure esegui ferrovane-cli come root in un terminale.</translation>
    </message>
    <message>
        <source>Some of what needs administrator rights cannot be handed to them.</source>
        <translation>Una parte di ciò che richiede i diritti di amministratore non può essere passata all&apos;esecuzione con tali diritti.</translation>
    </message>
    <message>
        <source>Only what the window can see as it is now, without a link on its way, is handed over.</source>
        <translation>Viene passato solo ciò che la finestra vede così com&apos;è ora, senza collegamenti lungo il percorso.</translation>
    </message>
    <message>
        <source>Wiping the free space of %1 needs administrator rights. Run as administrator?</source>
        <translation>La cancellazione dello spazio libero di %1 richiede i diritti di amministratore. Eseguire come amministratore?</translation>
    </message>
    <message>
        <source>%1 could not be wiped without administrator rights. Run as administrator?</source>
        <translation>Impossibile cancellare %1 senza i diritti di amministratore. Eseguire come amministratore?</translation>
    </message>
    <message>
        <source>Continue as administrator</source>
        <translation>Continua come amministratore</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>ferrovane: no display can be opened; without a window, use ferrovane-cli (see ferrovane-cli --help)</source>
        <translation>ferrovane: impossibile aprire un display; senza finestra, usa ferrovane-cli (vedi ferrovane-cli --help)</translation>
    </message>
</context>
<context>
    <name>FileManagerOffer</name>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to the context menus of Dolphin, Nemo and Nautilus, and Ferrovane to &quot;Open With&quot;, for you? Each entry opens this window with the selection queued; nothing is wiped before you press Start and answer its question.</source>
        <translation>Aggiungere &quot;Cancella con Ferrovane&quot; ai menu contestuali di Dolphin, Nemo e Nautilus, e Ferrovane ad &quot;Apri con&quot;, per te? Ogni voce apre questa finestra con la selezione in coda; nulla viene cancellato prima che tu prema Avvia e risponda alla sua domanda.</translation>
    </message>
    <message>
        <source>Also add &quot;Wipe with Ferrovane&quot; to Thunar&apos;s custom actions in %1? Your other actions are kept.</source>
        <translation>Aggiungere &quot;Cancella con Ferrovane&quot; anche alle azioni personalizzate di Thunar in %1? Le tue altre azioni vengono mantenute.</translation>
    </message>
    <message>
        <source>&quot;Wipe with Ferrovane&quot; was added. A file manager that is open shows it once it is started again.</source>
        <translation>&quot;Cancella con Ferrovane&quot; è stato aggiunto. Un file manager già aperto lo mostra dopo essere stato riavviato.</translation>
    </message>
    <message>
        <source>Some file-manager entries could not be added.</source>
        <translation>Non è stato possibile aggiungere alcune voci del file manager.</translation>
    </message>
</context>
<context>
    <name>PassSummary</name>
    <message>
        <source>Bytes </source>
        <translation>Byte </translation>
    </message>
    <message>
        <source>Text (empty: the pass cannot be written)</source>
        <translation>Testo (vuoto: il passaggio non può essere scritto)</translation>
    </message>
    <message>
        <source>Text &apos;%1&apos;</source>
        <translation>Testo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Random bytes</source>
        <translation>Byte casuali</translation>
    </message>
    <message>
        <source>Random bytes </source>
        <translation>Byte casuali </translation>
    </message>
    <message>
        <source>One random byte value</source>
        <translation>Un valore di byte casuale</translation>
    </message>
    <message>
        <source>One random byte value in </source>
        <translation>Un valore di byte casuale in </translation>
    </message>
    <message>
        <source>Unknown kind %1: writes nothing</source>
        <translation>Tipo sconosciuto %1: non scrive nulla</translation>
    </message>
    <message>
        <source>, read back</source>
        <translation>, con rilettura</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 item</source>
        <translation>1 elemento</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elementi</translation>
    </message>
    <message>
        <source>On this system: %1</source>
        <translation>Su questo sistema: %1</translation>
    </message>
</context>
<context>
    <name>QtPromptService</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>QtWipeServices</name>
    <message>
        <source> is a executable file. Are you sure to wipe it?</source>
        <translation> è un file eseguibile. Cancellarlo davvero?</translation>
    </message>
</context>
<context>
    <name>SizeFunctions</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 byte</translation>
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
        <translation>Sito web principale:</translation>
    </message>
    <message>
        <source>Support email:</source>
        <translation>Email di supporto:</translation>
    </message>
    <message>
        <source>Ferrovane %1</source>
        <translation>Ferrovane %1</translation>
    </message>
    <message>
        <source>Licence: distributed by its developers under the terms published at %1/ (the package&apos;s copyright file says the same).</source>
        <translation>Licenza: distribuito dai suoi sviluppatori secondo i termini pubblicati su %1/ (il file copyright del pacchetto dice lo stesso).</translation>
    </message>
    <message>
        <source>Settings (Ferrovane.ini, prefs.dat) are kept in %1</source>
        <translation>Le impostazioni (Ferrovane.ini, prefs.dat) sono conservate in %1</translation>
    </message>
    <message>
        <source>Wipe methods are kept in %1</source>
        <translation>I metodi di cancellazione sono conservati in %1</translation>
    </message>
    <message>
        <source>Delete with Wiping: the files and folders you list are overwritten with their method, pass after pass, and deleted.</source>
        <translation>Elimina in modo sicuro: i file e le cartelle elencati vengono sovrascritti con il loro metodo, passaggio dopo passaggio, ed eliminati.</translation>
    </message>
    <message>
        <source>Wipe free space: the free space of the drives you check is filled and overwritten, so files deleted earlier cannot be recovered from it.</source>
        <translation>Cancella spazio libero: lo spazio libero delle unità selezionate viene riempito e sovrascritto, così i file eliminati in precedenza non possono più essere recuperati da esso.</translation>
    </message>
    <message>
        <source>Wipe special folders: the temporary, browser and trash folders you check are wiped with the folders&apos; method.</source>
        <translation>Cancella cartelle speciali: le cartelle temporanee, dei browser e del Cestino selezionate vengono cancellate con il metodo delle cartelle.</translation>
    </message>
    <message>
        <source>Clear recently used files: the lists of recently used files that the desktop and programs keep are removed.</source>
        <translation>Cancella file usati di recente: vengono rimossi gli elenchi dei file usati di recente conservati dal desktop e dai programmi.</translation>
    </message>
    <message>
        <source>Clean traces: traces of use (caches, histories, cookies) are found and removed; Preview lists them first.</source>
        <translation>Pulisci tracce: le tracce d&apos;uso (cache, cronologie, cookie) vengono trovate e rimosse; Anteprima le elenca prima.</translation>
    </message>
    <message>
        <source>Options: wipe methods are made, looked at and changed, and each kind of wipe is given its method.</source>
        <translation>Opzioni: i metodi di cancellazione vengono creati, visualizzati e modificati, e a ogni tipo di cancellazione viene assegnato il suo metodo.</translation>
    </message>
</context>
<context>
    <name>TCleanTracesPage</name>
    <message>
        <source>Clean &amp;traces</source>
        <translation>Pulisci &amp;tracce</translation>
    </message>
    <message>
        <source>Traces to clean</source>
        <translation>Tracce da pulire</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Traccia</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trovato</translation>
    </message>
    <message>
        <source>Overwrite files &amp;before deleting them</source>
        <translation>&amp;Sovrascrivi i file prima di eliminarli</translation>
    </message>
    <message>
        <source>Files are wiped with the method of the file engine instead of being deleted plainly.</source>
        <translation>I file vengono cancellati con il metodo del motore dei file invece di essere semplicemente eliminati.</translation>
    </message>
    <message>
        <source>Pat&amp;hs…</source>
        <translation>&amp;Percorsi…</translation>
    </message>
    <message>
        <source>Your own files and folders to clean, and the places no item ever cleans.</source>
        <translation>I tuoi file e cartelle da pulire, e i percorsi che nessun elemento pulisce mai.</translation>
    </message>
    <message>
        <source>Sch&amp;edule…</source>
        <translation>Pianifi&amp;cazione…</translation>
    </message>
    <message>
        <source>Clean chosen traces on a schedule, also while the window is closed where the user&apos;s service manager runs.</source>
        <translation>Pulisce le tracce scelte secondo una pianificazione, anche a finestra chiusa, dove è in esecuzione il gestore dei servizi dell&apos;utente.</translation>
    </message>
    <message>
        <source>Preview and outcome</source>
        <translation>Anteprima ed esito</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Cosa</translation>
    </message>
    <message>
        <source>Size or reason</source>
        <translation>Dimensione o motivo</translation>
    </message>
    <message>
        <source>Look &amp;again</source>
        <translation>Cerca di &amp;nuovo</translation>
    </message>
    <message>
        <source>Works out again what each item finds now.</source>
        <translation>Ricalcola cosa trova ora ciascun elemento.</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>P&amp;ulisci</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>The paths could not be kept, nothing changed: %1</source>
        <translation>Impossibile salvare i percorsi, nulla è cambiato: %1</translation>
    </message>
    <message>
        <source>The choice holds until the program ends, but the settings file could not keep it: %1</source>
        <translation>La scelta vale fino alla chiusura del programma, ma il file delle impostazioni non ha potuto salvarla: %1</translation>
    </message>
    <message>
        <source>Looking for traces...</source>
        <translation>Ricerca delle tracce...</translation>
    </message>
    <message>
        <source>%1 in use or out of reach</source>
        <translation>%1 in uso o non raggiungibile</translation>
    </message>
    <message>
        <source>nothing to clean</source>
        <translation>niente da pulire</translation>
    </message>
    <message>
        <source>Nothing of this kind was found on this system.</source>
        <translation>Non è stato trovato nulla di questo tipo su questo sistema.</translation>
    </message>
    <message>
        <source>Would remove %1.</source>
        <translation>Verrebbe rimosso: %1.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Rimosso: %1.</translation>
    </message>
    <message>
        <source>%1 cannot be removed now (listed first).</source>
        <translation>%1 non può essere rimosso ora (elencato per primo).</translation>
    </message>
    <message>
        <source>%1 could not be removed (listed first).</source>
        <translation>Impossibile rimuovere %1 (elencato per primo).</translation>
    </message>
    <message>
        <source>Check a trace that has something to clean.</source>
        <translation>Seleziona una traccia che abbia qualcosa da pulire.</translation>
    </message>
    <message>
        <source>Preview stopped. </source>
        <translation>Anteprima interrotta. </translation>
    </message>
    <message>
        <source>Remove %1, found by %2 (%3)? This cannot be undone.
Preview lists each trace first.</source>
        <translation>Rimuovere %1, trovato da %2 (%3)? L&apos;operazione non può essere annullata.
Anteprima elenca prima ogni traccia.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Interrotto. </translation>
    </message>
    <message>
        <source>The schedule in the settings file cannot be read: %1</source>
        <translation>Impossibile leggere la pianificazione nel file delle impostazioni: %1</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Nessuna pulizia pianificata.</translation>
    </message>
    <message>
        <source>Scheduled cleans are started by the user&apos;s service manager (systemd timer %1), also while Ferrovane is closed.</source>
        <translation>Le pulizie pianificate vengono avviate dal gestore dei servizi dell&apos;utente (timer systemd %1), anche quando Ferrovane è chiuso.</translation>
    </message>
    <message>
        <source>No user service manager runs: scheduled cleans are started by this window&apos;s timer while it is open.</source>
        <translation>Non è in esecuzione alcun gestore dei servizi dell&apos;utente: le pulizie pianificate vengono avviate dal timer di questa finestra finché è aperta.</translation>
    </message>
    <message>
        <source>The schedule is on but never falls due: choose a day or a month.</source>
        <translation>La pianificazione è attiva ma non scade mai: scegli un giorno o un mese.</translation>
    </message>
    <message>
        <source>No trace is chosen for it.</source>
        <translation>Non è stata scelta alcuna traccia.</translation>
    </message>
    <message>
        <source>The schedule could not be kept, nothing changed: %1</source>
        <translation>Impossibile salvare la pianificazione, nulla è cambiato: %1</translation>
    </message>
    <message>
        <source>Scheduled clean: </source>
        <translation>Pulizia pianificata: </translation>
    </message>
    <message>
        <source>The outcome could not be recorded: %1</source>
        <translation>Impossibile registrare l&apos;esito: %1</translation>
    </message>
</context>
<context>
    <name>TDeletePage</name>
    <message>
        <source>&amp;Delete with Wiping</source>
        <translation>&amp;Elimina in modo sicuro</translation>
    </message>
    <message>
        <source>Files Wiping </source>
        <translation>Cancellazione file </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>As admin...</source>
        <translation>Come amministratore...</translation>
    </message>
    <message>
        <source>Wipe the files marked with a shield, which you may not change, with administrator rights</source>
        <translation>Cancella con i diritti di amministratore i file contrassegnati da uno scudo, che non puoi modificare</translation>
    </message>
    <message>
        <source>Folders Wiping </source>
        <translation>Cancellazione cartelle </translation>
    </message>
    <message>
        <source>Wipe the folders marked with a shield, which you may not change, with administrator rights</source>
        <translation>Cancella con i diritti di amministratore le cartelle contrassegnate da uno scudo, che non puoi modificare</translation>
    </message>
    <message>
        <source>Save what the last run did, and what the device check found, as a page to keep (HTML) or for other programs (JSON).</source>
        <translation>Salva ciò che ha fatto l&apos;ultima esecuzione, e ciò che ha trovato il controllo del dispositivo, come pagina da conservare (HTML) o per altri programmi (JSON).</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Salva rapporto...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>Report page (*.html);;Report for programs (*.json)</source>
        <translation>Pagina di rapporto (*.html);;Rapporto per programmi (*.json)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1 (%2).</source>
        <translation>Impossibile salvare il rapporto in %1 (%2).</translation>
    </message>
    <message>
        <source>
You may not change the folder that holds it: wiping it needs administrator rights.</source>
        <translation>
Non puoi modificare la cartella che lo contiene: cancellarlo richiede i diritti di amministratore.</translation>
    </message>
    <message>
        <source>Select files to shred</source>
        <translation>Seleziona i file da distruggere</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 of the files chosen cannot be wiped.</source>
        <translation>%1 dei file scelti non possono essere cancellati.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>%1 of the folders chosen cannot be wiped.</source>
        <translation>%1 delle cartelle scelte non possono essere cancellate.</translation>
    </message>
    <message>
        <source>%1: is on a system file system (%2): not wiped</source>
        <translation>%1: si trova su un file system di sistema (%2): non cancellato</translation>
    </message>
    <message>
        <source>Only existing files and folders of this computer can be wiped; nothing on a system file system (proc, sysfs, ...) is.</source>
        <translation>Si possono cancellare solo file e cartelle esistenti di questo computer; nulla su un file system di sistema (proc, sysfs, ...) viene cancellato.</translation>
    </message>
    <message>
        <source>%1: not a file or folder of this computer</source>
        <translation>%1: non è un file o una cartella di questo computer</translation>
    </message>
    <message>
        <source>%1: its list is being wiped now</source>
        <translation>%1: il suo elenco è in fase di cancellazione</translation>
    </message>
    <message>
        <source>%1 of the items handed over could not be added.</source>
        <translation>%1 degli elementi passati non hanno potuto essere aggiunti.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>Cancellare %1 (%2)? L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Cancella </translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>L&apos;operazione di cancellazione è stata interrotta!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>L&apos;operazione di cancellazione non è stata completata. Rimasti: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>L&apos;operazione di cancellazione è stata completata correttamente!</translation>
    </message>
    <message>
        <source>Wipe %1 with administrator rights (%2)? You will be asked for the password. This cannot be undone.</source>
        <translation>Cancellare %1 con i diritti di amministratore (%2)? Ti verrà chiesta la password. L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Wipe %1 as administrator</source>
        <translation>Cancella %1 come amministratore</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 now (%2 free)? The old blocks of the files just deleted there are overwritten.</source>
        <translation>Cancellare ora lo spazio libero di %1 (%2 liberi)? I vecchi blocchi dei file appena eliminati lì vengono sovrascritti.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Cancella lo spazio libero di %1</translation>
    </message>
    <message>
        <source>The wipe of the free space has been aborted!</source>
        <translation>La cancellazione dello spazio libero è stata interrotta!</translation>
    </message>
    <message>
        <source>The free space of %1 has been wiped: the old blocks of the files deleted there are overwritten.</source>
        <translation>Lo spazio libero di %1 è stato cancellato: i vecchi blocchi dei file eliminati lì sono stati sovrascritti.</translation>
    </message>
    <message>
        <source>Report for programs (*.json)</source>
        <translation>Rapporto per programmi (*.json)</translation>
    </message>
    <message>
        <source>Not handed to the administrator&apos;s run, as the window cannot see it as it is now:
%1</source>
        <translation>Non passato all&apos;esecuzione come amministratore, perché la finestra non può vederlo com&apos;è ora:
%1</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do. Wipe %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Il controllo del dispositivo dopo la cancellazione lo rilegge, cosa che solo l&apos;amministratore può fare. Cancellare %1 con i diritti di amministratore e controllare il dispositivo? Ti verrà chiesta la password. Per cancellare senza il controllo, disattiva «Controlla il dispositivo dopo la cancellazione» nelle Opzioni.</translation>
    </message>
</context>
<context>
    <name>TFreeSpacePage</name>
    <message>
        <source>&amp;Wipe free space</source>
        <translation>Cancella spa&amp;zio libero</translation>
    </message>
    <message>
        <source>Local drives list </source>
        <translation>Elenco delle unità locali </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>File system</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Spazio libero</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Clean &amp;Free Space</source>
        <translation>&amp;Cancella spazio libero</translation>
    </message>
    <message>
        <source>Wipe as administrator...</source>
        <translation>Cancella come amministratore...</translation>
    </message>
    <message>
        <source>Wipe the free space of the selected drive, which only the administrator may fill, with administrator rights</source>
        <translation>Cancella con i diritti di amministratore lo spazio libero dell&apos;unità selezionata, che solo l&apos;amministratore può riempire</translation>
    </message>
    <message>
        <source>only the administrator may write there</source>
        <translation>solo l&apos;amministratore può scrivere qui</translation>
    </message>
    <message>
        <source>mounted read-only</source>
        <translation>montata in sola lettura</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>impossibile leggere: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>
Its free space cannot be wiped: </source>
        <translation>
Il suo spazio libero non può essere cancellato: </translation>
    </message>
    <message>
        <source>. Wipe as administrator can.</source>
        <translation>. Cancella come amministratore può farlo.</translation>
    </message>
    <message>
        <source>A temporary file of an interrupted free-space wipe was found on %1 (%2). Wipe and remove it now?</source>
        <translation>Su %1 (%2) è stato trovato un file temporaneo di una cancellazione dello spazio libero interrotta. Cancellarlo e rimuoverlo ora?</translation>
    </message>
    <message>
        <source>Wipe and remove it</source>
        <translation>Cancellalo e rimuovilo</translation>
    </message>
    <message>
        <source>%1 was not wiped: a free-space wipe of its drive is running.</source>
        <translation>%1 non è stato cancellato: è in corso una cancellazione dello spazio libero della sua unità.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>L&apos;operazione di cancellazione è stata interrotta!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>L&apos;operazione di cancellazione non è stata completata. Rimasti: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>L&apos;operazione di cancellazione è stata completata correttamente!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1? Other programs cannot write to %2 until it ends.</source>
        <translation>Cancellare lo spazio libero di %1? Gli altri programmi non potranno scrivere su %2 fino al termine.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Cancella lo spazio libero di %1</translation>
    </message>
    <message>
        <source>The Wipe free space task has been aborted!</source>
        <translation>L&apos;operazione Cancella spazio libero è stata interrotta!</translation>
    </message>
    <message>
        <source>The Wipe free space task has been completed successfully!</source>
        <translation>L&apos;operazione Cancella spazio libero è stata completata correttamente!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 with administrator rights? You will be asked for the password; other programs cannot write to it until it ends.</source>
        <translation>Cancellare lo spazio libero di %1 con i diritti di amministratore? Ti verrà chiesta la password; gli altri programmi non potranno scriverci fino al termine.</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do: your own run would leave it &quot;not verified (needs administrator rights)&quot;. Wipe the free space of %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Il controllo del dispositivo dopo la cancellazione lo rilegge, cosa che solo l&apos;amministratore può fare: la tua esecuzione lo lascerebbe «non verificato (servono i diritti di amministratore)». Cancellare lo spazio libero di %1 con i diritti di amministratore e controllare il dispositivo? Ti verrà chiesta la password. Per cancellare senza il controllo, disattiva «Controlla il dispositivo dopo la cancellazione» nelle Opzioni.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Controlla aggiornamenti</translation>
    </message>
    <message>
        <source>About Ferrovane</source>
        <translation>Informazioni su Ferrovane</translation>
    </message>
    <message>
        <source>Ferrovane on the web</source>
        <translation>Ferrovane sul web</translation>
    </message>
    <message>
        <source>The readme (readme.txt) that comes with Ferrovane was not found beside the program.
The About page says what each page does.</source>
        <translation>Il file leggimi (readme.txt) fornito con Ferrovane non è stato trovato accanto al programma.
La pagina Informazioni descrive cosa fa ciascuna pagina.</translation>
    </message>
    <message>
        <source>The readme answers the usual questions; &quot;When something is left behind&quot; explains what a report after a run means.</source>
        <translation>Il file leggimi risponde alle domande più comuni; &quot;When something is left behind&quot; spiega cosa significa un rapporto dopo un&apos;esecuzione.</translation>
    </message>
    <message>
        <source>Check for updates: starts the updater %1</source>
        <translation>Controlla aggiornamenti: avvia il programma di aggiornamento %1</translation>
    </message>
</context>
<context>
    <name>TMethodList</name>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Comes with Ferrovane: Edit shows it, and Copy there makes a copy you can change.</source>
        <translation>Fornito con Ferrovane: Modifica lo mostra, e lì Copia ne crea una copia modificabile.</translation>
    </message>
    <message>
        <source>The file of this method could not be read whole (%1), so no wipe uses it. Edit it and press OK to store what was read as a whole method.</source>
        <translation>Il file di questo metodo non ha potuto essere letto per intero (%1), quindi nessuna cancellazione lo usa. Modificalo e premi OK per salvare ciò che è stato letto come metodo completo.</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be %2 now: %3 is running with it.
Try again once the wipe has ended.</source>
        <translation>Il metodo &quot;%1&quot; non può essere %2 ora: %3 è in esecuzione con esso.
Riprova al termine della cancellazione.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Ferrovane wipe method files (*%1)</source>
        <translation>File dei metodi di cancellazione di Ferrovane (*%1)</translation>
    </message>
    <message>
        <source>Method files can be saved only in &quot;%1&quot;.
&quot;%2&quot; will be saved in this folder.</source>
        <translation>I file dei metodi possono essere salvati solo in &quot;%1&quot;.
&quot;%2&quot; verrà salvato in questa cartella.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of &quot;%2&quot;, which comes with Ferrovane and is not replaced.
Choose another file name.</source>
        <translation>&quot;%1&quot; è il file di &quot;%2&quot;, fornito con Ferrovane, e non viene sostituito.
Scegli un altro nome di file.</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>sostituito</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the method &quot;%2&quot;.
Replace that method with the new one?</source>
        <translation>&quot;%1&quot; è il file del metodo &quot;%2&quot;.
Sostituire quel metodo con quello nuovo?</translation>
    </message>
    <message>
        <source>New Method</source>
        <translation>Nuovo metodo</translation>
    </message>
    <message>
        <source>Copy of Method</source>
        <translation>Copia del metodo</translation>
    </message>
    <message>
        <source>Method (read-only)</source>
        <translation>Metodo (sola lettura)</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>modificato</translation>
    </message>
    <message>
        <source>Edit Method</source>
        <translation>Modifica metodo</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>eliminato</translation>
    </message>
    <message>
        <source>Are you sure you want to delete method &quot;%1&quot;?</source>
        <translation>Eliminare davvero il metodo &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>use &quot;%1&quot; instead.</source>
        <translation>userà invece &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>have no method, and wipe nothing, until another is chosen.</source>
        <translation>resterà senza metodo, e non cancellerà nulla, finché non ne verrà scelto un altro.</translation>
    </message>
    <message>
        <source>Unable to delete %1 (%2).</source>
        <translation>Impossibile eliminare %1 (%2).</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be used: its file could not be read whole.
Edit it and press OK to store what was read as a whole method.</source>
        <translation>Il metodo &quot;%1&quot; non può essere usato: il suo file non ha potuto essere letto per intero.
Modificalo e premi OK per salvare ciò che è stato letto come metodo completo.</translation>
    </message>
    <message>
        <source>

%1 is set to use it, and will </source>
        <translation>

%1 è impostato per usarlo e </translation>
    </message>
    <message>
        <source>

%1 are set to use it, and will </source>
        <translation>

%1 sono impostati per usarlo e </translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Methods </source>
        <translation>&amp;Metodi </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Modi&amp;fica</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>Wipe Type</source>
        <translation>Tipo di cancellazione</translation>
    </message>
    <message>
        <source>Wipe Files</source>
        <translation>Cancellazione file</translation>
    </message>
    <message>
        <source>Wipe Folders</source>
        <translation>Cancellazione cartelle</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Cancellazione spazio libero</translation>
    </message>
    <message>
        <source>Warn on deleting an executable file</source>
        <translation>Avvisa quando si elimina un file eseguibile</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>Questions before a wipe </source>
        <translation>Domande prima di una cancellazione </translation>
    </message>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Chiedi prima di cancellare file e cartelle</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Chiedi prima di cancellare lo spazio libero</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Chiedi prima di cancellare le cartelle speciali</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Chiedi prima di pulire le tracce</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Chiedi prima di cancellare i file usati di recente</translation>
    </message>
    <message>
        <source>Ask again everywhere</source>
        <translation>Chiedi di nuovo ovunque</translation>
    </message>
    <message>
        <source>Method Description </source>
        <translation>Descrizione del metodo </translation>
    </message>
    <message>
        <source>Discard free blocks after wiping free space (SSDs)</source>
        <translation>Scarta (TRIM) i blocchi liberi dopo aver cancellato lo spazio libero (SSD)</translation>
    </message>
    <message>
        <source>After each wipe, read the device back where the deleted files and their names lay (needs administrator rights), and name what is still there.</source>
        <translation>Dopo ogni cancellazione, rileggi il dispositivo dove si trovavano i file eliminati e i loro nomi (richiede i diritti di amministratore) e indica ciò che è ancora presente.</translation>
    </message>
    <message>
        <source>Check the device after wiping</source>
        <translation>Controlla il dispositivo dopo la cancellazione</translation>
    </message>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to file managers...</source>
        <translation>Aggiungi &quot;Cancella con Ferrovane&quot; ai file manager...</translation>
    </message>
    <message>
        <source>Erase old copies of file names from the file system journal (ext4, XFS)</source>
        <translation>Cancella le vecchie copie dei nomi dei file dal journal del file system (ext4, XFS)</translation>
    </message>
    <message>
        <source>Takes seconds after each wipe and writes about the journal&apos;s size.</source>
        <translation>Richiede alcuni secondi dopo ogni cancellazione e scrive una quantità di dati pari circa alla dimensione del journal.</translation>
    </message>
    <message>
        <source>%1 will be wiped with &quot;%2&quot;.</source>
        <translation>%1 verrà cancellato con &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>TRecentFilesPage</name>
    <message>
        <source>&amp;Clear recently used files</source>
        <translation>Cancella f&amp;ile usati di recente</translation>
    </message>
    <message>
        <source>Known lists </source>
        <translation>Elenchi noti </translation>
    </message>
    <message>
        <source>Most Recently Used (MRU) lists of known products:</source>
        <translation>Elenchi dei file usati di recente (MRU) di prodotti noti:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Other lists </source>
        <translation>Altri elenchi </translation>
    </message>
    <message>
        <source>MRU lists of other programs:</source>
        <translation>Elenchi MRU di altri programmi:</translation>
    </message>
    <message>
        <source>Search Registry for other MRU lists</source>
        <translation>Cerca nel Registro altri elenchi MRU</translation>
    </message>
    <message>
        <source>Add Existing Key</source>
        <translation>Aggiungi chiave esistente</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Rimuovi selezionati</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>P&amp;ulisci</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Fer&amp;ma</translation>
    </message>
    <message>
        <source>On this system</source>
        <translation>Su questo sistema</translation>
    </message>
    <message>
        <source>kept only by Windows</source>
        <translation>conservato solo da Windows</translation>
    </message>
    <message>
        <source>Windows registry list</source>
        <translation>elenco del Registro di Windows</translation>
    </message>
    <message>
        <source>The desktop&apos;s lists of recently used files are empty.</source>
        <translation>Gli elenchi dei file usati di recente del desktop sono vuoti.</translation>
    </message>
    <message>
        <source>This list is not kept on this system.</source>
        <translation>Questo elenco non è conservato su questo sistema.</translation>
    </message>
    <message>
        <source>This list holds nothing on this system.</source>
        <translation>Questo elenco non contiene nulla su questo sistema.</translation>
    </message>
    <message>
        <source>Clear %1 (%2)? This cannot be undone.</source>
        <translation>Cancellare %1 (%2)? L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Cancella %1</translation>
    </message>
    <message>
        <source>The registry store could not be written; nothing was removed from it.
</source>
        <translation>Impossibile scrivere l&apos;archivio del Registro; nulla è stato rimosso da esso.
</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has not been completed. Left: %1.</source>
        <translation>L&apos;operazione Cancella file usati di recente non è stata completata. Rimasti: %1.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has been completed successfully!</source>
        <translation>L&apos;operazione Cancella file usati di recente è stata completata correttamente!</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>Ricerca interrotta.</translation>
    </message>
</context>
<context>
    <name>TReportDialog</name>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostra &amp;dettagli...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Nascondi de&amp;ttagli...</translation>
    </message>
</context>
<context>
    <name>TRunNotifier</name>
    <message>
        <source>1 item was left behind</source>
        <translation>1 elemento è rimasto</translation>
    </message>
    <message>
        <source>%1 items were left behind</source>
        <translation>%1 elementi sono rimasti</translation>
    </message>
    <message>
        <source>The wipe task has been aborted.</source>
        <translation>L&apos;operazione di cancellazione è stata interrotta.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted; %1.</source>
        <translation>L&apos;operazione di cancellazione è stata interrotta; %1.</translation>
    </message>
    <message>
        <source>The wipe task has not been completed: %1.</source>
        <translation>L&apos;operazione di cancellazione non è stata completata: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully.</source>
        <translation>L&apos;operazione di cancellazione è stata completata correttamente.</translation>
    </message>
    <message>
        <source>Show Ferrovane</source>
        <translation>Mostra Ferrovane</translation>
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
        <translation>circa %1 rimanenti</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 di %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 scritti</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>free space of %1</source>
        <translation>spazio libero di %1</translation>
    </message>
    <message>
        <source>Wiping</source>
        <translation>Cancellazione</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln files</source>
        <translation>
            <numerusform>Cancellazione di %Ln file</numerusform>
            <numerusform>Cancellazione di %Ln file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln folders</source>
        <translation>
            <numerusform>Cancellazione di %Ln cartella</numerusform>
            <numerusform>Cancellazione di %Ln cartelle</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping free space of %1</source>
        <translation>Cancellazione dello spazio libero di %1</translation>
    </message>
    <message numerus="yes">
        <source>Wiping free space of %Ln drives</source>
        <translation>
            <numerusform>Cancellazione dello spazio libero di %Ln unità</numerusform>
            <numerusform>Cancellazione dello spazio libero di %Ln unità</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln file</numerusform>
            <numerusform>%Ln file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln cartella</numerusform>
            <numerusform>%Ln cartelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>free space of %Ln drives</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>spazio libero di %Ln unità</numerusform>
            <numerusform>spazio libero di %Ln unità</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping %1</source>
        <translation>Cancellazione di %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1</source>
        <translation>
            <numerusform>%Ln file, %1</numerusform>
            <numerusform>%Ln file, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRunQuestion</name>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Chiedi prima di cancellare file e cartelle</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Chiedi prima di cancellare lo spazio libero</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Chiedi prima di cancellare le cartelle speciali</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Chiedi prima di pulire le tracce</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Chiedi prima di cancellare i file usati di recente</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Non chiedere più</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>altri %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
</context>
<context>
    <name>TSpecialFoldersPage</name>
    <message>
        <source>Wipe &amp;special folders</source>
        <translation>Cancella ca&amp;rtelle speciali</translation>
    </message>
    <message>
        <source>Special folders </source>
        <translation>Cartelle speciali </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Trash </source>
        <translation>Cestino </translation>
    </message>
    <message>
        <source>Trash folders</source>
        <translation>Cartelle del Cestino</translation>
    </message>
    <message>
        <source>Wipe st&amp;art</source>
        <translation>&amp;Avvia cancellazione</translation>
    </message>
    <message>
        <source>Folders &amp;method...</source>
        <translation>&amp;Metodo delle cartelle...</translation>
    </message>
    <message>
        <source>Chooses the wipe method of the folders engine, which wipes the folders of this page.</source>
        <translation>Sceglie il metodo di cancellazione del motore delle cartelle, che cancella le cartelle di questa pagina.</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>non disponibile</translation>
    </message>
    <message>
        <source>Temporary Internet Files</source>
        <translation>File temporanei Internet</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookie</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>Opera Cookies</source>
        <translation>Cookie di Opera</translation>
    </message>
    <message>
        <source>Opera Internet Cache</source>
        <translation>Cache Internet di Opera</translation>
    </message>
    <message>
        <source>Opera History</source>
        <translation>Cronologia di Opera</translation>
    </message>
    <message>
        <source>Opera Images</source>
        <translation>Immagini di Opera</translation>
    </message>
    <message>
        <source>Not found on this system: there is nothing to wipe.</source>
        <translation>Non trovato su questo sistema: non c&apos;è nulla da cancellare.</translation>
    </message>
    <message>
        <source>Nothing to wipe here: the five shell folders are places of Windows, which this system does not name%1%2. The trash below is wiped from this page; browsers&apos; caches and histories from Clean traces.</source>
        <translation>Niente da cancellare qui: le cinque cartelle della shell sono posizioni di Windows, che questo sistema non prevede%1%2. Il Cestino qui sotto viene cancellato da questa pagina; cache e cronologie dei browser da Pulisci tracce.</translation>
    </message>
    <message>
        <source> (&quot;Show Windows items&quot; lists them)</source>
        <translation> (&quot;Mostra voci di Windows&quot; le elenca)</translation>
    </message>
    <message>
        <source>, and no Opera profile was found</source>
        <translation>, e non è stato trovato alcun profilo di Opera</translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>Cancellare %1 (%2)? L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Cancella </translation>
    </message>
    <message>
        <source>The Wipe special folders task has been completed successfully!</source>
        <translation>L&apos;operazione Cancella cartelle speciali è stata completata correttamente!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has been aborted!</source>
        <translation>L&apos;operazione Cancella cartelle speciali è stata interrotta!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has not been completed. Left behind: %1.</source>
        <translation>L&apos;operazione Cancella cartelle speciali non è stata completata. Rimasti: %1.</translation>
    </message>
    <message>
        <source>No row is ticked: tick the folders to wipe first.</source>
        <translation>Nessuna riga è spuntata: spunta prima le cartelle da cancellare.</translation>
    </message>
</context>
<context>
    <name>TWindowRequest</name>
    <message>
        <source>Usage: ferrovane [--free-space] [--] [PATH...]</source>
        <translation>Uso: ferrovane [--free-space] [--] [PERCORSO...]</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
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
        <translation>Uso: ferrovane [--free-space] [--] [PERCORSO...]
Apre la finestra di Ferrovane, che sovrascrive file, cartelle e lo spazio libero delle unità
prima di eliminarli. I file e le cartelle indicati vengono messi in coda nella pagina
&quot;Elimina in modo sicuro&quot;; nulla viene cancellato prima che si prema Avvia e si risponda alla
domanda. Se una finestra è già aperta, riceve i percorsi e passa in primo piano.

  --free-space  mostra la pagina &quot;Cancellazione spazio libero&quot;
  --help        mostra questo testo ed esce
  --version     mostra la versione ed esce
  --            ogni argomento successivo è un percorso, anche se inizia con &quot;-&quot;

Senza finestra: ferrovane-cli (vedi ferrovane-cli --help).
</translation>
    </message>
</context>
<context>
    <name>TWindowsRowsFilter</name>
    <message>
        <source>Show Wi&amp;ndows items</source>
        <translation>Mostra voci di &amp;Windows</translation>
    </message>
    <message>
        <source>Show the rows of places that only Windows has</source>
        <translation>Mostra le righe delle posizioni che esistono solo in Windows</translation>
    </message>
</context>
<context>
    <name>TfEditMethod</name>
    <message>
        <source>Method Name:</source>
        <translation>Nome del metodo:</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Descrizione del metodo:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Passaggi:</translation>
    </message>
    <message>
        <source>Add a pass</source>
        <translation>Aggiungi un passaggio</translation>
    </message>
    <message>
        <source>Rename the pass</source>
        <translation>Rinomina il passaggio</translation>
    </message>
    <message>
        <source>Delete the pass</source>
        <translation>Elimina il passaggio</translation>
    </message>
    <message>
        <source> Pass </source>
        <translation> Passaggio </translation>
    </message>
    <message>
        <source>After the pass is written and on the disk, it is read back past the system&apos;s cache and compared with what was written; a difference or a read error names the file after the run.</source>
        <translation>Dopo che il passaggio è stato scritto ed è sul disco, viene riletto aggirando la cache del sistema e confrontato con ciò che è stato scritto; una differenza o un errore di lettura fa indicare il file dopo l&apos;esecuzione.</translation>
    </message>
    <message>
        <source> Wipe Width </source>
        <translation> Scrivi con </translation>
    </message>
    <message>
        <source>Byte Pattern</source>
        <translation>Schema di byte</translation>
    </message>
    <message>
        <source>Random Bytes</source>
        <translation>Byte casuali</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Random Character</source>
        <translation>Carattere casuale</translation>
    </message>
    <message>
        <source>Text Pattern</source>
        <translation>Schema di testo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>What the method is for, and when to choose it</source>
        <translation>A cosa serve il metodo e quando sceglierlo</translation>
    </message>
    <message>
        <source>This method comes with Ferrovane and cannot be changed. Copy makes a copy of it that you can edit.</source>
        <translation>Questo metodo è fornito con Ferrovane e non può essere modificato. Copia ne crea una copia modificabile.</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Edit pass name</source>
        <translation>Modifica nome del passaggio</translation>
    </message>
    <message>
        <source>Pass name</source>
        <translation>Nome del passaggio</translation>
    </message>
    <message>
        <source>Are you sure you want to delete pass &quot;%1&quot;?</source>
        <translation>Eliminare davvero il passaggio &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>This method has no passes: files wiped with it are only deleted, not overwritten, and can be recovered.
Keep it without passes?</source>
        <translation>Questo metodo non ha passaggi: i file cancellati con esso vengono solo eliminati, non sovrascritti, e possono essere recuperati.
Mantenerlo senza passaggi?</translation>
    </message>
    <message>
        <source>Check &amp;Wipe</source>
        <translation>&amp;Verifica cancellazione</translation>
    </message>
</context>
<context>
    <name>TfMethodsForm</name>
    <message>
        <source>Wiping Methods</source>
        <translation>Metodi di cancellazione</translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation>&amp;Metodi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Descrizione del metodo:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Modi&amp;fica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>TfProgress</name>
    <message>
        <source>Delete Files and Folders</source>
        <translation>Elimina file e cartelle</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Counting the files to wipe...</source>
        <translation>Conteggio dei file da cancellare...</translation>
    </message>
    <message>
        <source>%1 files, %2 so far</source>
        <translation>%1 file, %2 finora</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Operazione</translation>
    </message>
</context>
<context>
    <name>TfReadme</name>
    <message>
        <source>Ferrovane Help</source>
        <translation>Guida di Ferrovane</translation>
    </message>
</context>
<context>
    <name>TfSchedule</name>
    <message>
        <source>Schedule of the trace cleaning</source>
        <translation>Pianificazione della pulizia delle tracce</translation>
    </message>
    <message>
        <source>&amp;Clean traces on a schedule</source>
        <translation>Pulisci le tra&amp;cce secondo una pianificazione</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>O&amp;nce</source>
        <translation>Una sola &amp;volta</translation>
    </message>
    <message>
        <source>&amp;Every N minutes</source>
        <translation>Ogni N mi&amp;nuti</translation>
    </message>
    <message>
        <source>Every N h&amp;ours</source>
        <translation>Ogni N &amp;ore</translation>
    </message>
    <message>
        <source>Dai&amp;ly</source>
        <translation>Gio&amp;rnaliera</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Settimanale</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>&amp;Mensile</translation>
    </message>
    <message>
        <source>&amp;Date and time:</source>
        <translation>&amp;Data e ora di partenza:</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>Every &amp;minutes:</source>
        <translation>Ogni &amp;quanti minuti:</translation>
    </message>
    <message>
        <source>Every &amp;hours:</source>
        <translation>Ogni quan&amp;te ore:</translation>
    </message>
    <message>
        <source>and m&amp;inutes:</source>
        <translation>&amp;più minuti:</translation>
    </message>
    <message>
        <source>Every &amp;days:</source>
        <translation>Ogni q&amp;uanti giorni:</translation>
    </message>
    <message>
        <source>&amp;At:</source>
        <translation>&amp;Alle:</translation>
    </message>
    <message>
        <source>Every &amp;weeks:</source>
        <translation>Ogni quant&amp;e settimane:</translation>
    </message>
    <message>
        <source>A&amp;t:</source>
        <translation>A&amp;lle ore:</translation>
    </message>
    <message>
        <source>On:</source>
        <translation>Nei giorni:</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>At&amp;:</source>
        <translation>Ora di parten&amp;za:</translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation>Il &amp;giorno</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>&amp;Il</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primo</translation>
    </message>
    <message>
        <source>second</source>
        <translation>secondo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>terzo</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quarto</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>quinto</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>of the week that holds the month&apos;s Thursday</source>
        <translation>della settimana che contiene il giovedì del mese</translation>
    </message>
    <message>
        <source>In:</source>
        <translation>Nei mesi:</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Gen</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mag</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Giu</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Lug</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Ott</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dic</translation>
    </message>
    <message>
        <source>Traces cleaned on schedule</source>
        <translation>Tracce pulite secondo la pianificazione</translation>
    </message>
    <message>
        <source>A scheduled clean asks nothing and removes what a clean of the same traces from this page removes.</source>
        <translation>Una pulizia pianificata non chiede nulla e rimuove ciò che rimuove una pulizia delle stesse tracce da questa pagina.</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Nessuna pulizia pianificata.</translation>
    </message>
    <message>
        <source>This schedule never falls due: choose a day or a month.</source>
        <translation>Questa pianificazione non scade mai: scegli un giorno o un mese.</translation>
    </message>
    <message>
        <source>Calendar of the timer: %1</source>
        <translation>Calendario del timer: %1</translation>
    </message>
    <message>
        <source>No trace is chosen yet.</source>
        <translation>Non è stata ancora scelta alcuna traccia.</translation>
    </message>
</context>
<context>
    <name>TfTracePaths</name>
    <message>
        <source>Paths of the trace cleaning</source>
        <translation>Percorsi della pulizia delle tracce</translation>
    </message>
    <message>
        <source>&amp;Custom files and folders, cleaned by the item &quot;Custom Files and Folders&quot;</source>
        <translation>File e cartelle &amp;personalizzati, puliti dall&apos;elemento &quot;File e cartelle personalizzati&quot;</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder). A folder goes with everything in it; the home folder and the folders above it are refused.</source>
        <translation>Un file o una cartella per riga (~/ per la cartella home). Una cartella viene pulita con tutto il suo contenuto; la cartella home e quelle che la contengono vengono rifiutate.</translation>
    </message>
    <message>
        <source>&amp;Never clean these (every item passes them over)</source>
        <translation>&amp;Non pulire mai questi (ogni elemento li salta)</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder; * and ? may stand in names). Nothing in a kept folder is deleted, emptied or edited.</source>
        <translation>Un file o una cartella per riga (~/ per la cartella home; * e ? possono sostituire caratteri nei nomi). In una cartella esclusa nulla viene eliminato, svuotato o modificato.</translation>
    </message>
</context>
<context>
    <name>TfmAddReg</name>
    <message>
        <source>Add Registry Key</source>
        <translation>Aggiungi chiave del Registro</translation>
    </message>
    <message>
        <source>Key Name</source>
        <translation>Nome della chiave</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>TfmItemProps</name>
    <message>
        <source>Item Properties</source>
        <translation>Proprietà dell&apos;elemento</translation>
    </message>
    <message>
        <source>Entire folder</source>
        <translation>Intera cartella</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>Nome della cartella:</translation>
    </message>
    <message>
        <source>Folder content</source>
        <translation>Contenuto della cartella</translation>
    </message>
    <message>
        <source>Include pattern:</source>
        <translation>Schema di inclusione:</translation>
    </message>
    <message>
        <source>Included items list:</source>
        <translation>Elenco degli elementi inclusi:</translation>
    </message>
    <message>
        <source>Add Included Pattern</source>
        <translation>Aggiungi schema incluso</translation>
    </message>
    <message>
        <source>Remove Included Item</source>
        <translation>Rimuovi elemento incluso</translation>
    </message>
    <message>
        <source>Show Included files...</source>
        <translation>Mostra file inclusi...</translation>
    </message>
    <message>
        <source>Exclude wiping of files</source>
        <translation>Escludi file dalla cancellazione</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Please specify a directory</source>
        <translation>Specifica una cartella</translation>
    </message>
    <message>
        <source>Please add at least a pattern to pattern list</source>
        <translation>Aggiungi almeno uno schema all&apos;elenco degli schemi</translation>
    </message>
</context>
<context>
    <name>TfmShowFiles</name>
    <message>
        <source>Included files</source>
        <translation>File inclusi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
</context>
<context>
    <name>WipeReport</name>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped.</source>
        <translation>Lo spazio libero di %1 non è stato cancellato.</translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped completely.</source>
        <translation>Lo spazio libero di %1 non è stato cancellato completamente.</translation>
    </message>
    <message>
        <source>It stopped while overwriting &quot;%1&quot;: that file is left under its own name, not completely overwritten.</source>
        <translation>Si è fermato durante la sovrascrittura di &quot;%1&quot;: quel file rimane con il proprio nome, non completamente sovrascritto.</translation>
    </message>
    <message>
        <source>Jobs not reached: %1 of %2.</source>
        <translation>Operazioni non raggiunte: %1 di %2.</translation>
    </message>
    <message>
        <source>Overwritten before the stop: %1, in %2.</source>
        <translation>Sovrascritti prima dell&apos;interruzione: %1, in %2.</translation>
    </message>
    <message>
        <source>Overwritten with every pass: %1, in %2.</source>
        <translation>Sovrascritti con ogni passaggio: %1, in %2.</translation>
    </message>
    <message>
        <source>Left behind: %1.</source>
        <translation>Rimasti: %1.</translation>
    </message>
    <message>
        <source>Not found when their turn came: %1.</source>
        <translation>Non trovati quando è arrivato il loro turno: %1.</translation>
    </message>
    <message>
        <source>Left partly overwritten when the run stopped:</source>
        <translation>Lasciati parzialmente sovrascritti quando l&apos;esecuzione si è fermata:</translation>
    </message>
    <message>
        <source>Not reached:</source>
        <translation>Non raggiunti:</translation>
    </message>
    <message>
        <source>Left behind:</source>
        <translation>Rimasti:</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>Non trovati:</translation>
    </message>
    <message>
        <source>: %1 wiped in %2.</source>
        <translation>: %1 cancellati in %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The settings folder could not be prepared: changed settings and methods may not be saved.</source>
        <translation>Impossibile preparare la cartella delle impostazioni: le impostazioni e i metodi modificati potrebbero non essere salvati.</translation>
    </message>
    <message>
        <source>The methods and settings could not all be read: %1</source>
        <translation>Impossibile leggere tutti i metodi e le impostazioni: %1</translation>
    </message>
    <message>
        <source>The changed settings could not be saved: %1</source>
        <translation>Impossibile salvare le impostazioni modificate: %1</translation>
    </message>
</context>
</TS>
