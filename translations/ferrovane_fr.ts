<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AdministratorRun</name>
    <message>
        <source> (%1 ended with status %2%3)</source>
        <translation> (%1 s&apos;est terminé avec l&apos;état %2%3)</translation>
    </message>
    <message>
        <source>No authentication agent is running, so nobody could be asked for the administrator&apos;s password: nothing was wiped. Start your desktop&apos;s polkit agent (for example lxpolkit or polkit-gnome), or run ferrovane-cli as root in a terminal.</source>
        <translation>Aucun agent d&apos;authentification n&apos;est en cours d&apos;exécution, personne n&apos;a donc pu être invité à saisir le mot de passe administrateur&#xa0;: rien n&apos;a été effacé. Démarrez l&apos;agent polkit de votre bureau (par exemple lxpolkit ou polkit-gnome), ou lancez ferrovane-cli en root dans un terminal.</translation>
    </message>
    <message>
        <source>The polkit service, which decides who may act as the administrator, is not running: nothing was wiped. Run ferrovane-cli as root in a terminal instead.</source>
        <translation>Le service polkit, qui décide qui peut agir en tant qu&apos;administrateur, n&apos;est pas en cours d&apos;exécution&#xa0;: rien n&apos;a été effacé. Lancez plutôt ferrovane-cli en root dans un terminal.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given, or the request was refused: nothing was wiped.</source>
        <translation>Le mot de passe administrateur n&apos;a pas été fourni, ou la demande a été refusée&#xa0;: rien n&apos;a été effacé.</translation>
    </message>
    <message>
        <source>%1 could not start the run with administrator rights: nothing was wiped.</source>
        <translation>%1 n&apos;a pas pu démarrer l&apos;opération avec les droits d&apos;administrateur&#xa0;: rien n&apos;a été effacé.</translation>
    </message>
    <message>
        <source>The run with administrator rights ended without an outcome, so what it wiped is unknown.</source>
        <translation>L&apos;opération avec les droits d&apos;administrateur s&apos;est terminée sans résultat&#xa0;; on ne sait donc pas ce qu&apos;elle a effacé.</translation>
    </message>
    <message>
        <source>The engine is running: nothing was handed over.</source>
        <translation>Le moteur est en cours d&apos;exécution&#xa0;: rien n&apos;a été transmis.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2: nothing was wiped.</source>
        <translation>%1 n&apos;a pas pu être démarré&#xa0;: %2&#xa0;: rien n&apos;a été effacé.</translation>
    </message>
    <message>
        <source>%1 can only be wiped with administrator rights, and pkexec, which asks for them, is not installed (Debian package &quot;pkexec&quot;). Install it, or run ferrovane-cli as root in a terminal.</source>
        <translation>%1 ne peut être effacé qu&apos;avec les droits d&apos;administrateur, et pkexec, qui les demande, n&apos;est pas installé (paquet Debian «&#xa0;pkexec&#xa0;»). Installez-le, ou lancez ferrovane-cli en root dans un terminal.</translation>
    </message>
    <message>
        <source>Some of what needs administrator rights cannot be handed to them.</source>
        <translation>Une partie de ce qui nécessite les droits d&apos;administrateur ne peut pas leur être transmise.</translation>
    </message>
    <message>
        <source>Only what the window can see as it is now, without a link on its way, is handed over.</source>
        <translation>Seul ce que la fenêtre voit dans son état actuel, sans lien symbolique sur son chemin, est transmis.</translation>
    </message>
    <message>
        <source>Wiping the free space of %1 needs administrator rights. Run as administrator?</source>
        <translation>L&apos;effacement de l&apos;espace libre de %1 nécessite les droits d&apos;administrateur. Exécuter en tant qu&apos;administrateur&#xa0;?</translation>
    </message>
    <message>
        <source>%1 could not be wiped without administrator rights. Run as administrator?</source>
        <translation>%1 n&apos;a pas pu être effacé sans les droits d&apos;administrateur. Exécuter en tant qu&apos;administrateur&#xa0;?</translation>
    </message>
    <message>
        <source>Continue as administrator</source>
        <translation>Continuer en tant qu’administrateur</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>ferrovane: no display can be opened; without a window, use ferrovane-cli (see ferrovane-cli --help)</source>
        <translation>ferrovane&#xa0;: aucun affichage ne peut être ouvert&#xa0;; sans fenêtre, utilisez ferrovane-cli (voir ferrovane-cli --help)</translation>
    </message>
</context>
<context>
    <name>FileManagerOffer</name>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to the context menus of Dolphin, Nemo and Nautilus, and Ferrovane to &quot;Open With&quot;, for you? Each entry opens this window with the selection queued; nothing is wiped before you press Start and answer its question.</source>
        <translation>Ajouter «&#xa0;Effacer avec Ferrovane&#xa0;» aux menus contextuels de Dolphin, Nemo et Nautilus, et Ferrovane à «&#xa0;Ouvrir avec&#xa0;», pour votre compte&#xa0;? Chaque entrée ouvre cette fenêtre avec la sélection en attente&#xa0;; rien n&apos;est effacé avant que vous appuyiez sur Démarrer et répondiez à sa question.</translation>
    </message>
    <message>
        <source>Also add &quot;Wipe with Ferrovane&quot; to Thunar&apos;s custom actions in %1? Your other actions are kept.</source>
        <translation>Ajouter aussi «&#xa0;Effacer avec Ferrovane&#xa0;» aux actions personnalisées de Thunar dans %1&#xa0;? Vos autres actions sont conservées.</translation>
    </message>
    <message>
        <source>&quot;Wipe with Ferrovane&quot; was added. A file manager that is open shows it once it is started again.</source>
        <translation>«&#xa0;Effacer avec Ferrovane&#xa0;» a été ajouté. Un gestionnaire de fichiers déjà ouvert l&apos;affiche une fois redémarré.</translation>
    </message>
    <message>
        <source>Some file-manager entries could not be added.</source>
        <translation>Certaines entrées des gestionnaires de fichiers n&apos;ont pas pu être ajoutées.</translation>
    </message>
</context>
<context>
    <name>PassSummary</name>
    <message>
        <source>Bytes </source>
        <translation>Octets </translation>
    </message>
    <message>
        <source>Text (empty: the pass cannot be written)</source>
        <translation>Texte (vide&#xa0;: la passe ne peut pas être écrite)</translation>
    </message>
    <message>
        <source>Text &apos;%1&apos;</source>
        <translation>Texte «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Random bytes</source>
        <translation>Octets aléatoires</translation>
    </message>
    <message>
        <source>Random bytes </source>
        <translation>Octets aléatoires </translation>
    </message>
    <message>
        <source>One random byte value</source>
        <translation>Une valeur d&apos;octet aléatoire</translation>
    </message>
    <message>
        <source>One random byte value in </source>
        <translation>Une valeur d&apos;octet aléatoire dans </translation>
    </message>
    <message>
        <source>Unknown kind %1: writes nothing</source>
        <translation>Type inconnu %1&#xa0;: n&apos;écrit rien</translation>
    </message>
    <message>
        <source>, read back</source>
        <translation>, relue</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 item</source>
        <translation>1 élément</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <source>On this system: %1</source>
        <translation>Sur ce système&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>QtPromptService</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>QtWipeServices</name>
    <message>
        <source> is a executable file. Are you sure to wipe it?</source>
        <translation> est un fichier exécutable. Voulez-vous vraiment l&apos;effacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SizeFunctions</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source> KiB</source>
        <translation> Kio</translation>
    </message>
    <message>
        <source> MiB</source>
        <translation> Mio</translation>
    </message>
    <message>
        <source> GiB</source>
        <translation> Gio</translation>
    </message>
    <message>
        <source> TiB</source>
        <translation> Tio</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>Main website:</source>
        <translation>Site web principal&#xa0;:</translation>
    </message>
    <message>
        <source>Support email:</source>
        <translation>E-mail d&apos;assistance&#xa0;:</translation>
    </message>
    <message>
        <source>Ferrovane %1</source>
        <translation>Ferrovane %1</translation>
    </message>
    <message>
        <source>Licence: distributed by its developers under the terms published at %1/ (the package&apos;s copyright file says the same).</source>
        <translation>Licence&#xa0;: distribué par ses développeurs selon les conditions publiées sur %1/ (le fichier copyright du paquet dit la même chose).</translation>
    </message>
    <message>
        <source>Settings (Ferrovane.ini, prefs.dat) are kept in %1</source>
        <translation>Les paramètres (Ferrovane.ini, prefs.dat) sont conservés dans %1</translation>
    </message>
    <message>
        <source>Wipe methods are kept in %1</source>
        <translation>Les méthodes d&apos;effacement sont conservées dans %1</translation>
    </message>
    <message>
        <source>Delete with Wiping: the files and folders you list are overwritten with their method, pass after pass, and deleted.</source>
        <translation>Supprimer avec effacement&#xa0;: les fichiers et dossiers que vous listez sont écrasés avec leur méthode, passe après passe, puis supprimés.</translation>
    </message>
    <message>
        <source>Wipe free space: the free space of the drives you check is filled and overwritten, so files deleted earlier cannot be recovered from it.</source>
        <translation>Effacer l&apos;espace libre&#xa0;: l&apos;espace libre des disques que vous cochez est rempli et écrasé, pour que les fichiers supprimés auparavant ne puissent pas y être récupérés.</translation>
    </message>
    <message>
        <source>Wipe special folders: the temporary, browser and trash folders you check are wiped with the folders&apos; method.</source>
        <translation>Effacer les dossiers spéciaux&#xa0;: les dossiers temporaires, de navigateur et de corbeille que vous cochez sont effacés avec la méthode des dossiers.</translation>
    </message>
    <message>
        <source>Clear recently used files: the lists of recently used files that the desktop and programs keep are removed.</source>
        <translation>Effacer les fichiers récemment utilisés&#xa0;: les listes de fichiers récemment utilisés que tiennent le bureau et les programmes sont supprimées.</translation>
    </message>
    <message>
        <source>Clean traces: traces of use (caches, histories, cookies) are found and removed; Preview lists them first.</source>
        <translation>Nettoyer les traces&#xa0;: les traces d&apos;utilisation (caches, historiques, cookies) sont trouvées et supprimées&#xa0;; Aperçu les liste d&apos;abord.</translation>
    </message>
    <message>
        <source>Options: wipe methods are made, looked at and changed, and each kind of wipe is given its method.</source>
        <translation>Options&#xa0;: les méthodes d&apos;effacement sont créées, consultées et modifiées, et chaque type d&apos;effacement reçoit sa méthode.</translation>
    </message>
</context>
<context>
    <name>TCleanTracesPage</name>
    <message>
        <source>Clean &amp;traces</source>
        <translation>Netto&amp;yer les traces</translation>
    </message>
    <message>
        <source>Traces to clean</source>
        <translation>Traces à nettoyer</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trouvé</translation>
    </message>
    <message>
        <source>Overwrite files &amp;before deleting them</source>
        <translation>Écraser les fichiers &amp;avant de les supprimer</translation>
    </message>
    <message>
        <source>Files are wiped with the method of the file engine instead of being deleted plainly.</source>
        <translation>Les fichiers sont effacés avec la méthode du moteur des fichiers au lieu d&apos;être simplement supprimés.</translation>
    </message>
    <message>
        <source>Pat&amp;hs…</source>
        <translation>C&amp;hemins…</translation>
    </message>
    <message>
        <source>Your own files and folders to clean, and the places no item ever cleans.</source>
        <translation>Vos propres fichiers et dossiers à nettoyer, et les emplacements qu&apos;aucun élément ne nettoie jamais.</translation>
    </message>
    <message>
        <source>Sch&amp;edule…</source>
        <translation>Plan&amp;ification…</translation>
    </message>
    <message>
        <source>Clean chosen traces on a schedule, also while the window is closed where the user&apos;s service manager runs.</source>
        <translation>Nettoyer les traces choisies selon une planification, même fenêtre fermée, là où le gestionnaire de services de l&apos;utilisateur fonctionne.</translation>
    </message>
    <message>
        <source>Preview and outcome</source>
        <translation>Aperçu et résultat</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Size or reason</source>
        <translation>Taille ou raison</translation>
    </message>
    <message>
        <source>Look &amp;again</source>
        <translation>Re&amp;chercher</translation>
    </message>
    <message>
        <source>Works out again what each item finds now.</source>
        <translation>Recalcule ce que chaque élément trouve maintenant.</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>Aperç&amp;u</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>&amp;Nettoyer</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>The paths could not be kept, nothing changed: %1</source>
        <translation>Les chemins n&apos;ont pas pu être conservés, rien n&apos;a changé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The choice holds until the program ends, but the settings file could not keep it: %1</source>
        <translation>Le choix reste valable jusqu&apos;à la fin du programme, mais le fichier de paramètres n&apos;a pas pu le conserver&#xa0;: %1</translation>
    </message>
    <message>
        <source>Looking for traces...</source>
        <translation>Recherche des traces...</translation>
    </message>
    <message>
        <source>%1 in use or out of reach</source>
        <translation>%1 en cours d&apos;utilisation ou hors d&apos;atteinte</translation>
    </message>
    <message>
        <source>nothing to clean</source>
        <translation>rien à nettoyer</translation>
    </message>
    <message>
        <source>Nothing of this kind was found on this system.</source>
        <translation>Rien de ce type n&apos;a été trouvé sur ce système.</translation>
    </message>
    <message>
        <source>Would remove %1.</source>
        <translation>Supprimerait %1.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Supprimé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 cannot be removed now (listed first).</source>
        <translation>%1 ne peut pas être supprimé maintenant (listé en premier).</translation>
    </message>
    <message>
        <source>%1 could not be removed (listed first).</source>
        <translation>%1 n&apos;a pas pu être supprimé (listé en premier).</translation>
    </message>
    <message>
        <source>Check a trace that has something to clean.</source>
        <translation>Cochez une trace qui a quelque chose à nettoyer.</translation>
    </message>
    <message>
        <source>Preview stopped. </source>
        <translation>Aperçu arrêté. </translation>
    </message>
    <message>
        <source>Remove %1, found by %2 (%3)? This cannot be undone.
Preview lists each trace first.</source>
        <translation>Supprimer %1, trouvé par %2 (%3)&#xa0;? Cette action est irréversible.
Aperçu liste d&apos;abord chaque trace.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Arrêté. </translation>
    </message>
    <message>
        <source>The schedule in the settings file cannot be read: %1</source>
        <translation>La planification du fichier de paramètres ne peut pas être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Aucun nettoyage planifié.</translation>
    </message>
    <message>
        <source>Scheduled cleans are started by the user&apos;s service manager (systemd timer %1), also while Ferrovane is closed.</source>
        <translation>Les nettoyages planifiés sont lancés par le gestionnaire de services de l&apos;utilisateur (minuteur systemd %1), même quand Ferrovane est fermé.</translation>
    </message>
    <message>
        <source>No user service manager runs: scheduled cleans are started by this window&apos;s timer while it is open.</source>
        <translation>Aucun gestionnaire de services utilisateur ne fonctionne&#xa0;: les nettoyages planifiés sont lancés par le minuteur de cette fenêtre tant qu&apos;elle est ouverte.</translation>
    </message>
    <message>
        <source>The schedule is on but never falls due: choose a day or a month.</source>
        <translation>La planification est active mais n&apos;arrive jamais à échéance&#xa0;: choisissez un jour ou un mois.</translation>
    </message>
    <message>
        <source>No trace is chosen for it.</source>
        <translation>Aucune trace n&apos;est choisie pour elle.</translation>
    </message>
    <message>
        <source>The schedule could not be kept, nothing changed: %1</source>
        <translation>La planification n&apos;a pas pu être conservée, rien n&apos;a changé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Scheduled clean: </source>
        <translation>Nettoyage planifié&#xa0;: </translation>
    </message>
    <message>
        <source>The outcome could not be recorded: %1</source>
        <translation>Le résultat n&apos;a pas pu être enregistré&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TDeletePage</name>
    <message>
        <source>&amp;Delete with Wiping</source>
        <translation>Supprimer a&amp;vec effacement</translation>
    </message>
    <message>
        <source>Files Wiping </source>
        <translation>Effacement de fichiers </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>As admin...</source>
        <translation>En tant qu&apos;admin...</translation>
    </message>
    <message>
        <source>Wipe the files marked with a shield, which you may not change, with administrator rights</source>
        <translation>Effacer avec les droits d&apos;administrateur les fichiers marqués d&apos;un bouclier, que vous ne pouvez pas modifier</translation>
    </message>
    <message>
        <source>Folders Wiping </source>
        <translation>Effacement de dossiers </translation>
    </message>
    <message>
        <source>Wipe the folders marked with a shield, which you may not change, with administrator rights</source>
        <translation>Effacer avec les droits d&apos;administrateur les dossiers marqués d&apos;un bouclier, que vous ne pouvez pas modifier</translation>
    </message>
    <message>
        <source>Save what the last run did, and what the device check found, as a page to keep (HTML) or for other programs (JSON).</source>
        <translation>Enregistrer ce qu&apos;a fait la dernière opération, et ce qu&apos;a trouvé la vérification du périphérique, sous forme de page à conserver (HTML) ou pour d&apos;autres programmes (JSON).</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Enregistrer le rapport...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Report page (*.html);;Report for programs (*.json)</source>
        <translation>Page de rapport (*.html);;Rapport pour programmes (*.json)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1 (%2).</source>
        <translation>Le rapport n&apos;a pas pu être enregistré dans %1 (%2).</translation>
    </message>
    <message>
        <source>
You may not change the folder that holds it: wiping it needs administrator rights.</source>
        <translation>
Vous ne pouvez pas modifier le dossier qui le contient&#xa0;: son effacement nécessite les droits d&apos;administrateur.</translation>
    </message>
    <message>
        <source>Select files to shred</source>
        <translation>Sélectionner les fichiers à détruire</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 of the files chosen cannot be wiped.</source>
        <translation>%1 des fichiers choisis ne peuvent pas être effacés.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>%1 of the folders chosen cannot be wiped.</source>
        <translation>%1 des dossiers choisis ne peuvent pas être effacés.</translation>
    </message>
    <message>
        <source>%1: is on a system file system (%2): not wiped</source>
        <translation>%1&#xa0;: se trouve sur un système de fichiers système (%2)&#xa0;: non effacé</translation>
    </message>
    <message>
        <source>Only existing files and folders of this computer can be wiped; nothing on a system file system (proc, sysfs, ...) is.</source>
        <translation>Seuls les fichiers et dossiers existants de cet ordinateur peuvent être effacés&#xa0;; rien sur un système de fichiers système (proc, sysfs, ...) ne l&apos;est.</translation>
    </message>
    <message>
        <source>%1: not a file or folder of this computer</source>
        <translation>%1&#xa0;: ni un fichier ni un dossier de cet ordinateur</translation>
    </message>
    <message>
        <source>%1: its list is being wiped now</source>
        <translation>%1&#xa0;: sa liste est en cours d&apos;effacement</translation>
    </message>
    <message>
        <source>%1 of the items handed over could not be added.</source>
        <translation>%1 des éléments transmis n&apos;ont pas pu être ajoutés.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>Effacer %1 (%2)&#xa0;? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Effacer </translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>La tâche d&apos;effacement a été interrompue&#xa0;!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>La tâche d&apos;effacement n&apos;a pas été terminée. Restant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>La tâche d&apos;effacement s&apos;est terminée avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Wipe %1 with administrator rights (%2)? You will be asked for the password. This cannot be undone.</source>
        <translation>Effacer %1 avec les droits d&apos;administrateur (%2)&#xa0;? Le mot de passe vous sera demandé. Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Wipe %1 as administrator</source>
        <translation>Effacer %1 en tant qu&apos;administrateur</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 now (%2 free)? The old blocks of the files just deleted there are overwritten.</source>
        <translation>Effacer l&apos;espace libre de %1 maintenant (%2 libres)&#xa0;? Les anciens blocs des fichiers qui viennent d&apos;y être supprimés sont écrasés.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Effacer l&apos;espace libre de %1</translation>
    </message>
    <message>
        <source>The wipe of the free space has been aborted!</source>
        <translation>L&apos;effacement de l&apos;espace libre a été interrompu&#xa0;!</translation>
    </message>
    <message>
        <source>The free space of %1 has been wiped: the old blocks of the files deleted there are overwritten.</source>
        <translation>L&apos;espace libre de %1 a été effacé&#xa0;: les anciens blocs des fichiers supprimés à cet endroit sont écrasés.</translation>
    </message>
    <message>
        <source>Report for programs (*.json)</source>
        <translation>Rapport pour les programmes (*.json)</translation>
    </message>
    <message>
        <source>Not handed to the administrator&apos;s run, as the window cannot see it as it is now:
%1</source>
        <translation>Non transmis à l&apos;exécution en tant qu&apos;administrateur, car la fenêtre ne peut pas le voir tel qu&apos;il est maintenant :
%1</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do. Wipe %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Vérifier le périphérique après l&apos;effacement le relit, ce que seul l&apos;administrateur peut faire. Effacer %1 avec les droits d&apos;administrateur et vérifier le périphérique ? Le mot de passe vous sera demandé. Pour effacer sans vérification, désactivez « Vérifier le périphérique après l&apos;effacement » dans les Options.</translation>
    </message>
</context>
<context>
    <name>TFreeSpacePage</name>
    <message>
        <source>&amp;Wipe free space</source>
        <translation>Effacer l&apos;espace &amp;libre</translation>
    </message>
    <message>
        <source>Local drives list </source>
        <translation>Liste des disques locaux </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Système de fichiers</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Clean &amp;Free Space</source>
        <translation>Effacer l&apos;&amp;espace libre</translation>
    </message>
    <message>
        <source>Wipe as administrator...</source>
        <translation>Effacer en tant qu&apos;administrateur...</translation>
    </message>
    <message>
        <source>Wipe the free space of the selected drive, which only the administrator may fill, with administrator rights</source>
        <translation>Effacer avec les droits d&apos;administrateur l&apos;espace libre du disque sélectionné, que seul l&apos;administrateur peut remplir</translation>
    </message>
    <message>
        <source>only the administrator may write there</source>
        <translation>seul l&apos;administrateur peut y écrire</translation>
    </message>
    <message>
        <source>mounted read-only</source>
        <translation>monté en lecture seule</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>
Its free space cannot be wiped: </source>
        <translation>
Son espace libre ne peut pas être effacé&#xa0;: </translation>
    </message>
    <message>
        <source>. Wipe as administrator can.</source>
        <translation>. «&#xa0;Effacer en tant qu&apos;administrateur&#xa0;» le peut.</translation>
    </message>
    <message>
        <source>A temporary file of an interrupted free-space wipe was found on %1 (%2). Wipe and remove it now?</source>
        <translation>Un fichier temporaire d&apos;un effacement de l&apos;espace libre interrompu a été trouvé sur %1 (%2). L&apos;effacer et le supprimer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Wipe and remove it</source>
        <translation>L&apos;effacer et le supprimer</translation>
    </message>
    <message>
        <source>%1 was not wiped: a free-space wipe of its drive is running.</source>
        <translation>%1 n&apos;a pas été effacé&#xa0;: un effacement de l&apos;espace libre de son disque est en cours.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>La tâche d&apos;effacement a été interrompue&#xa0;!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>La tâche d&apos;effacement n&apos;a pas été terminée. Restant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>La tâche d&apos;effacement s&apos;est terminée avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1? Other programs cannot write to %2 until it ends.</source>
        <translation>Effacer l&apos;espace libre de %1&#xa0;? Les autres programmes ne pourront pas écrire sur %2 avant la fin.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Effacer l&apos;espace libre de %1</translation>
    </message>
    <message>
        <source>The Wipe free space task has been aborted!</source>
        <translation>La tâche Effacer l&apos;espace libre a été interrompue&#xa0;!</translation>
    </message>
    <message>
        <source>The Wipe free space task has been completed successfully!</source>
        <translation>La tâche Effacer l&apos;espace libre s&apos;est terminée avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 with administrator rights? You will be asked for the password; other programs cannot write to it until it ends.</source>
        <translation>Effacer l&apos;espace libre de %1 avec les droits d&apos;administrateur&#xa0;? Le mot de passe vous sera demandé&#xa0;; les autres programmes ne pourront pas y écrire avant la fin.</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do: your own run would leave it &quot;not verified (needs administrator rights)&quot;. Wipe the free space of %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Vérifier le périphérique après l&apos;effacement le relit, ce que seul l&apos;administrateur peut faire : votre propre exécution le laisserait « non vérifié (droits d&apos;administrateur requis) ». Effacer l&apos;espace libre de %1 avec les droits d&apos;administrateur et vérifier le périphérique ? Le mot de passe vous sera demandé. Pour effacer sans vérification, désactivez « Vérifier le périphérique après l&apos;effacement » dans les Options.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>About Ferrovane</source>
        <translation>À propos de Ferrovane</translation>
    </message>
    <message>
        <source>Ferrovane on the web</source>
        <translation>Ferrovane sur le web</translation>
    </message>
    <message>
        <source>The readme (readme.txt) that comes with Ferrovane was not found beside the program.
The About page says what each page does.</source>
        <translation>Le fichier lisez-moi (readme.txt) fourni avec Ferrovane est introuvable à côté du programme.
La page À propos indique ce que fait chaque page.</translation>
    </message>
    <message>
        <source>The readme answers the usual questions; &quot;When something is left behind&quot; explains what a report after a run means.</source>
        <translation>Le fichier lisez-moi répond aux questions courantes&#xa0;; «&#xa0;When something is left behind&#xa0;» explique ce que signifie un rapport après une opération.</translation>
    </message>
    <message>
        <source>Check for updates: starts the updater %1</source>
        <translation>Rechercher des mises à jour&#xa0;: lance le programme de mise à jour %1</translation>
    </message>
</context>
<context>
    <name>TMethodList</name>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Comes with Ferrovane: Edit shows it, and Copy there makes a copy you can change.</source>
        <translation>Fournie avec Ferrovane&#xa0;: Modifier l&apos;affiche, et Copier y crée une copie que vous pouvez modifier.</translation>
    </message>
    <message>
        <source>The file of this method could not be read whole (%1), so no wipe uses it. Edit it and press OK to store what was read as a whole method.</source>
        <translation>Le fichier de cette méthode n&apos;a pas pu être lu en entier (%1), aucun effacement ne l&apos;utilise donc. Modifiez-la et appuyez sur OK pour enregistrer ce qui a été lu comme une méthode complète.</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be %2 now: %3 is running with it.
Try again once the wipe has ended.</source>
        <translation>La méthode «&#xa0;%1&#xa0;» ne peut pas être %2 maintenant&#xa0;: %3 est en cours avec elle.
Réessayez une fois l&apos;effacement terminé.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Ferrovane wipe method files (*%1)</source>
        <translation>Fichiers de méthode d&apos;effacement Ferrovane (*%1)</translation>
    </message>
    <message>
        <source>Method files can be saved only in &quot;%1&quot;.
&quot;%2&quot; will be saved in this folder.</source>
        <translation>Les fichiers de méthode ne peuvent être enregistrés que dans «&#xa0;%1&#xa0;».
«&#xa0;%2&#xa0;» sera enregistré dans ce dossier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of &quot;%2&quot;, which comes with Ferrovane and is not replaced.
Choose another file name.</source>
        <translation>«&#xa0;%1&#xa0;» est le fichier de «&#xa0;%2&#xa0;», qui est fournie avec Ferrovane et n&apos;est pas remplacée.
Choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>remplacée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the method &quot;%2&quot;.
Replace that method with the new one?</source>
        <translation>«&#xa0;%1&#xa0;» est le fichier de la méthode «&#xa0;%2&#xa0;».
Remplacer cette méthode par la nouvelle&#xa0;?</translation>
    </message>
    <message>
        <source>New Method</source>
        <translation>Nouvelle méthode</translation>
    </message>
    <message>
        <source>Copy of Method</source>
        <translation>Copie de méthode</translation>
    </message>
    <message>
        <source>Method (read-only)</source>
        <translation>Méthode (lecture seule)</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>modifiée</translation>
    </message>
    <message>
        <source>Edit Method</source>
        <translation>Modifier la méthode</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>supprimée</translation>
    </message>
    <message>
        <source>Are you sure you want to delete method &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment supprimer la méthode «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>use &quot;%1&quot; instead.</source>
        <translation>utilisera «&#xa0;%1&#xa0;» à la place.</translation>
    </message>
    <message>
        <source>have no method, and wipe nothing, until another is chosen.</source>
        <translation>n&apos;aura aucune méthode, et n&apos;effacera rien, tant qu&apos;une autre n&apos;est pas choisie.</translation>
    </message>
    <message>
        <source>Unable to delete %1 (%2).</source>
        <translation>Impossible de supprimer %1 (%2).</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be used: its file could not be read whole.
Edit it and press OK to store what was read as a whole method.</source>
        <translation>La méthode «&#xa0;%1&#xa0;» ne peut pas être utilisée&#xa0;: son fichier n&apos;a pas pu être lu en entier.
Modifiez-la et appuyez sur OK pour enregistrer ce qui a été lu comme une méthode complète.</translation>
    </message>
    <message>
        <source>

%1 is set to use it, and will </source>
        <translation>

%1 est réglé pour l&apos;utiliser, et </translation>
    </message>
    <message>
        <source>

%1 are set to use it, and will </source>
        <translation>

%1 sont réglés pour l&apos;utiliser, et </translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source>&amp;Options</source>
        <translation>Op&amp;tions</translation>
    </message>
    <message>
        <source>&amp;Methods </source>
        <translation>&amp;Méthodes </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Mod&amp;ifier</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Wipe Type</source>
        <translation>Type d&apos;effacement</translation>
    </message>
    <message>
        <source>Wipe Files</source>
        <translation>Effacer les fichiers</translation>
    </message>
    <message>
        <source>Wipe Folders</source>
        <translation>Effacer les dossiers</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Effacer l&apos;espace libre</translation>
    </message>
    <message>
        <source>Warn on deleting an executable file</source>
        <translation>Avertir lors de la suppression d&apos;un fichier exécutable</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Questions before a wipe </source>
        <translation>Questions avant un effacement </translation>
    </message>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Demander avant d&apos;effacer des fichiers et dossiers</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Demander avant d&apos;effacer l&apos;espace libre</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Demander avant d&apos;effacer les dossiers spéciaux</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Demander avant de nettoyer les traces</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Demander avant d&apos;effacer les fichiers récemment utilisés</translation>
    </message>
    <message>
        <source>Ask again everywhere</source>
        <translation>Toujours redemander</translation>
    </message>
    <message>
        <source>Method Description </source>
        <translation>Description de la méthode </translation>
    </message>
    <message>
        <source>Discard free blocks after wiping free space (SSDs)</source>
        <translation>Libérer les blocs libres (TRIM) après l&apos;effacement de l&apos;espace libre (SSD)</translation>
    </message>
    <message>
        <source>After each wipe, read the device back where the deleted files and their names lay (needs administrator rights), and name what is still there.</source>
        <translation>Après chaque effacement, relire le périphérique là où se trouvaient les fichiers supprimés et leurs noms (nécessite les droits d&apos;administrateur), et nommer ce qui s&apos;y trouve encore.</translation>
    </message>
    <message>
        <source>Check the device after wiping</source>
        <translation>Vérifier le périphérique après l&apos;effacement</translation>
    </message>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to file managers...</source>
        <translation>Ajouter «&#xa0;Effacer avec Ferrovane&#xa0;» aux gestionnaires de fichiers...</translation>
    </message>
    <message>
        <source>Erase old copies of file names from the file system journal (ext4, XFS)</source>
        <translation>Effacer les anciennes copies des noms de fichiers du journal du système de fichiers (ext4, XFS)</translation>
    </message>
    <message>
        <source>Takes seconds after each wipe and writes about the journal&apos;s size.</source>
        <translation>Prend quelques secondes après chaque effacement et écrit environ l&apos;équivalent de la taille du journal.</translation>
    </message>
    <message>
        <source>%1 will be wiped with &quot;%2&quot;.</source>
        <translation>%1 sera effacé avec «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
<context>
    <name>TRecentFilesPage</name>
    <message>
        <source>&amp;Clear recently used files</source>
        <translation>E&amp;ffacer les fichiers récemment utilisés</translation>
    </message>
    <message>
        <source>Known lists </source>
        <translation>Listes connues </translation>
    </message>
    <message>
        <source>Most Recently Used (MRU) lists of known products:</source>
        <translation>Listes des éléments récemment utilisés (MRU) de produits connus&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Other lists </source>
        <translation>Autres listes </translation>
    </message>
    <message>
        <source>MRU lists of other programs:</source>
        <translation>Listes MRU d&apos;autres programmes&#xa0;:</translation>
    </message>
    <message>
        <source>Search Registry for other MRU lists</source>
        <translation>Rechercher d&apos;autres listes MRU dans le Registre</translation>
    </message>
    <message>
        <source>Add Existing Key</source>
        <translation>Ajouter une clé existante</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>&amp;Nettoyer</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>On this system</source>
        <translation>Sur ce système</translation>
    </message>
    <message>
        <source>kept only by Windows</source>
        <translation>tenue uniquement par Windows</translation>
    </message>
    <message>
        <source>Windows registry list</source>
        <translation>liste du Registre Windows</translation>
    </message>
    <message>
        <source>The desktop&apos;s lists of recently used files are empty.</source>
        <translation>Les listes de fichiers récemment utilisés du bureau sont vides.</translation>
    </message>
    <message>
        <source>This list is not kept on this system.</source>
        <translation>Cette liste n&apos;est pas tenue sur ce système.</translation>
    </message>
    <message>
        <source>This list holds nothing on this system.</source>
        <translation>Cette liste ne contient rien sur ce système.</translation>
    </message>
    <message>
        <source>Clear %1 (%2)? This cannot be undone.</source>
        <translation>Effacer %1 (%2)&#xa0;? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Effacer %1</translation>
    </message>
    <message>
        <source>The registry store could not be written; nothing was removed from it.
</source>
        <translation>Le magasin du Registre n&apos;a pas pu être écrit&#xa0;; rien n&apos;en a été supprimé.
</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has not been completed. Left: %1.</source>
        <translation>La tâche Effacer les fichiers récemment utilisés n&apos;a pas été terminée. Restant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has been completed successfully!</source>
        <translation>La tâche Effacer les fichiers récemment utilisés s&apos;est terminée avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>Recherche arrêtée.</translation>
    </message>
</context>
<context>
    <name>TReportDialog</name>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Afficher les détails...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>&amp;Masquer les détails...</translation>
    </message>
</context>
<context>
    <name>TRunNotifier</name>
    <message>
        <source>1 item was left behind</source>
        <translation>1 élément est resté</translation>
    </message>
    <message>
        <source>%1 items were left behind</source>
        <translation>%1 éléments sont restés</translation>
    </message>
    <message>
        <source>The wipe task has been aborted.</source>
        <translation>La tâche d&apos;effacement a été interrompue.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted; %1.</source>
        <translation>La tâche d&apos;effacement a été interrompue&#xa0;; %1.</translation>
    </message>
    <message>
        <source>The wipe task has not been completed: %1.</source>
        <translation>La tâche d&apos;effacement n&apos;a pas été terminée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully.</source>
        <translation>La tâche d&apos;effacement s&apos;est terminée avec succès.</translation>
    </message>
    <message>
        <source>Show Ferrovane</source>
        <translation>Afficher Ferrovane</translation>
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
        <translation>environ %1 restant</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 sur %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 écrits</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>free space of %1</source>
        <translation>espace libre de %1</translation>
    </message>
    <message>
        <source>Wiping</source>
        <translation>Effacement</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln files</source>
        <translation>
            <numerusform>Effacement de %Ln fichier</numerusform>
            <numerusform>Effacement de %Ln fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln folders</source>
        <translation>
            <numerusform>Effacement de %Ln dossier</numerusform>
            <numerusform>Effacement de %Ln dossiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping free space of %1</source>
        <translation>Effacement de l&apos;espace libre de %1</translation>
    </message>
    <message numerus="yes">
        <source>Wiping free space of %Ln drives</source>
        <translation>
            <numerusform>Effacement de l&apos;espace libre de %Ln disque</numerusform>
            <numerusform>Effacement de l&apos;espace libre de %Ln disques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln fichier</numerusform>
            <numerusform>%Ln fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln dossier</numerusform>
            <numerusform>%Ln dossiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>free space of %Ln drives</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>l&apos;espace libre de %Ln disque</numerusform>
            <numerusform>l&apos;espace libre de %Ln disques</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping %1</source>
        <translation>Effacement de %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1</source>
        <translation>
            <numerusform>%Ln fichier, %1</numerusform>
            <numerusform>%Ln fichiers, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRunQuestion</name>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Demander avant d&apos;effacer des fichiers et dossiers</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Demander avant d&apos;effacer l&apos;espace libre</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Demander avant d&apos;effacer les dossiers spéciaux</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Demander avant de nettoyer les traces</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Demander avant d&apos;effacer les fichiers récemment utilisés</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
</context>
<context>
    <name>TSpecialFoldersPage</name>
    <message>
        <source>Wipe &amp;special folders</source>
        <translation>Effacer les d&amp;ossiers spéciaux</translation>
    </message>
    <message>
        <source>Special folders </source>
        <translation>Dossiers spéciaux </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Trash </source>
        <translation>Corbeille </translation>
    </message>
    <message>
        <source>Trash folders</source>
        <translation>Dossiers de la corbeille</translation>
    </message>
    <message>
        <source>Wipe st&amp;art</source>
        <translation>&amp;Démarrer l&apos;effacement</translation>
    </message>
    <message>
        <source>Folders &amp;method...</source>
        <translation>&amp;Méthode des dossiers...</translation>
    </message>
    <message>
        <source>Chooses the wipe method of the folders engine, which wipes the folders of this page.</source>
        <translation>Choisit la méthode d&apos;effacement du moteur des dossiers, qui efface les dossiers de cette page.</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>non disponible</translation>
    </message>
    <message>
        <source>Temporary Internet Files</source>
        <translation>Fichiers Internet temporaires</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>Opera Cookies</source>
        <translation>Cookies d&apos;Opera</translation>
    </message>
    <message>
        <source>Opera Internet Cache</source>
        <translation>Cache Internet d&apos;Opera</translation>
    </message>
    <message>
        <source>Opera History</source>
        <translation>Historique d&apos;Opera</translation>
    </message>
    <message>
        <source>Opera Images</source>
        <translation>Images d&apos;Opera</translation>
    </message>
    <message>
        <source>Not found on this system: there is nothing to wipe.</source>
        <translation>Introuvable sur ce système&#xa0;: il n&apos;y a rien à effacer.</translation>
    </message>
    <message>
        <source>Nothing to wipe here: the five shell folders are places of Windows, which this system does not name%1%2. The trash below is wiped from this page; browsers&apos; caches and histories from Clean traces.</source>
        <translation>Rien à effacer ici&#xa0;: les cinq dossiers du shell sont des emplacements de Windows, que ce système ne nomme pas%1%2. La corbeille ci-dessous est effacée depuis cette page&#xa0;; les caches et historiques des navigateurs depuis Nettoyer les traces.</translation>
    </message>
    <message>
        <source> (&quot;Show Windows items&quot; lists them)</source>
        <translation> («&#xa0;Afficher les éléments Windows&#xa0;» les liste)</translation>
    </message>
    <message>
        <source>, and no Opera profile was found</source>
        <translation>, et aucun profil Opera n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>Effacer %1 (%2)&#xa0;? Cette action est irréversible.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Effacer </translation>
    </message>
    <message>
        <source>The Wipe special folders task has been completed successfully!</source>
        <translation>La tâche Effacer les dossiers spéciaux s&apos;est terminée avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has been aborted!</source>
        <translation>La tâche Effacer les dossiers spéciaux a été interrompue&#xa0;!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has not been completed. Left behind: %1.</source>
        <translation>La tâche Effacer les dossiers spéciaux n&apos;a pas été terminée. Restant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No row is ticked: tick the folders to wipe first.</source>
        <translation>Aucune ligne n&apos;est cochée : cochez d&apos;abord les dossiers à effacer.</translation>
    </message>
</context>
<context>
    <name>TWindowRequest</name>
    <message>
        <source>Usage: ferrovane [--free-space] [--] [PATH...]</source>
        <translation>Utilisation : ferrovane [--free-space] [--] [CHEMIN...]</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
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
        <translation>Utilisation : ferrovane [--free-space] [--] [CHEMIN...]
Ouvre la fenêtre de Ferrovane, qui écrase les fichiers, les dossiers et l&apos;espace libre des disques
avant de les supprimer. Les fichiers et dossiers donnés sont mis en attente sur la page
« Supprimer avec effacement » ; rien n&apos;est effacé avant que Démarrer soit pressé et sa question
répondue. Si une fenêtre est déjà ouverte, elle reçoit les chemins et passe au premier plan.

  --free-space  afficher la page « Effacer l&apos;espace libre »
  --help        afficher ce texte et quitter
  --version     afficher la version et quitter
  --            chaque argument qui suit est un chemin, même s&apos;il commence par « - »

Sans fenêtre : ferrovane-cli (voir ferrovane-cli --help).
</translation>
    </message>
</context>
<context>
    <name>TWindowsRowsFilter</name>
    <message>
        <source>Show Wi&amp;ndows items</source>
        <translation>Afficher les éléments &amp;Windows</translation>
    </message>
    <message>
        <source>Show the rows of places that only Windows has</source>
        <translation>Afficher les lignes des emplacements qui n&apos;existent que sous Windows</translation>
    </message>
</context>
<context>
    <name>TfEditMethod</name>
    <message>
        <source>Method Name:</source>
        <translation>Nom de la méthode&#xa0;:</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Description de la méthode&#xa0;:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Passes&#xa0;:</translation>
    </message>
    <message>
        <source>Add a pass</source>
        <translation>Ajouter une passe</translation>
    </message>
    <message>
        <source>Rename the pass</source>
        <translation>Renommer la passe</translation>
    </message>
    <message>
        <source>Delete the pass</source>
        <translation>Supprimer la passe</translation>
    </message>
    <message>
        <source> Pass </source>
        <translation> Passe </translation>
    </message>
    <message>
        <source>After the pass is written and on the disk, it is read back past the system&apos;s cache and compared with what was written; a difference or a read error names the file after the run.</source>
        <translation>Une fois la passe écrite et sur le disque, elle est relue sans passer par le cache du système et comparée à ce qui a été écrit&#xa0;; une différence ou une erreur de lecture nomme le fichier après l&apos;opération.</translation>
    </message>
    <message>
        <source> Wipe Width </source>
        <translation> Contenu écrit </translation>
    </message>
    <message>
        <source>Byte Pattern</source>
        <translation>Motif d&apos;octets</translation>
    </message>
    <message>
        <source>Random Bytes</source>
        <translation>Octets aléatoires</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>ET</translation>
    </message>
    <message>
        <source>Random Character</source>
        <translation>Caractère aléatoire</translation>
    </message>
    <message>
        <source>Text Pattern</source>
        <translation>Motif de texte</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>What the method is for, and when to choose it</source>
        <translation>À quoi sert la méthode, et quand la choisir</translation>
    </message>
    <message>
        <source>This method comes with Ferrovane and cannot be changed. Copy makes a copy of it that you can edit.</source>
        <translation>Cette méthode est fournie avec Ferrovane et ne peut pas être modifiée. Copier en crée une copie que vous pouvez modifier.</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Edit pass name</source>
        <translation>Modifier le nom de la passe</translation>
    </message>
    <message>
        <source>Pass name</source>
        <translation>Nom de la passe</translation>
    </message>
    <message>
        <source>Are you sure you want to delete pass &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment supprimer la passe «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>This method has no passes: files wiped with it are only deleted, not overwritten, and can be recovered.
Keep it without passes?</source>
        <translation>Cette méthode n&apos;a aucune passe&#xa0;: les fichiers effacés avec elle sont seulement supprimés, pas écrasés, et peuvent être récupérés.
La conserver sans passes&#xa0;?</translation>
    </message>
    <message>
        <source>Check &amp;Wipe</source>
        <translation>&amp;Vérifier l&apos;effacement</translation>
    </message>
</context>
<context>
    <name>TfMethodsForm</name>
    <message>
        <source>Wiping Methods</source>
        <translation>Méthodes d&apos;effacement</translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation>&amp;Méthodes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Description de la méthode&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Mod&amp;ifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>TfProgress</name>
    <message>
        <source>Delete Files and Folders</source>
        <translation>Supprimer des fichiers et dossiers</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Counting the files to wipe...</source>
        <translation>Décompte des fichiers à effacer...</translation>
    </message>
    <message>
        <source>%1 files, %2 so far</source>
        <translation>%1 fichiers, %2 jusqu&apos;ici</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tâche</translation>
    </message>
</context>
<context>
    <name>TfReadme</name>
    <message>
        <source>Ferrovane Help</source>
        <translation>Aide de Ferrovane</translation>
    </message>
</context>
<context>
    <name>TfSchedule</name>
    <message>
        <source>Schedule of the trace cleaning</source>
        <translation>Planification du nettoyage des traces</translation>
    </message>
    <message>
        <source>&amp;Clean traces on a schedule</source>
        <translation>&amp;Nettoyer les traces selon une planification</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>O&amp;nce</source>
        <translation>Une &amp;fois</translation>
    </message>
    <message>
        <source>&amp;Every N minutes</source>
        <translation>&amp;Toutes les N minutes</translation>
    </message>
    <message>
        <source>Every N h&amp;ours</source>
        <translation>Toutes les N heure&amp;s</translation>
    </message>
    <message>
        <source>Dai&amp;ly</source>
        <translation>&amp;Quotidienne</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>He&amp;bdomadaire</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>&amp;Mensuelle</translation>
    </message>
    <message>
        <source>&amp;Date and time:</source>
        <translation>&amp;Date et heure&#xa0;:</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>Every &amp;minutes:</source>
        <translation>&amp;Intervalle (minutes)&#xa0;:</translation>
    </message>
    <message>
        <source>Every &amp;hours:</source>
        <translation>Intervalle (&amp;heures)&#xa0;:</translation>
    </message>
    <message>
        <source>and m&amp;inutes:</source>
        <translation>et min&amp;utes&#xa0;:</translation>
    </message>
    <message>
        <source>Every &amp;days:</source>
        <translation>Inter&amp;valle (jours)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;At:</source>
        <translation>À l&apos;heu&amp;re&#xa0;:</translation>
    </message>
    <message>
        <source>Every &amp;weeks:</source>
        <translation>Interv&amp;alle (semaines)&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;t:</source>
        <translation>À &amp;l&apos;heure&#xa0;:</translation>
    </message>
    <message>
        <source>On:</source>
        <translation>Jours&#xa0;:</translation>
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
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>At&amp;:</source>
        <translation>À l&apos;h&amp;eure&#xa0;:</translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation>Le &amp;jour</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>&amp;Chaque</translation>
    </message>
    <message>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>cinquième</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>of the week that holds the month&apos;s Thursday</source>
        <translation>de la semaine qui contient le jeudi du mois</translation>
    </message>
    <message>
        <source>In:</source>
        <translation>Mois&#xa0;:</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>Traces cleaned on schedule</source>
        <translation>Traces nettoyées selon la planification</translation>
    </message>
    <message>
        <source>A scheduled clean asks nothing and removes what a clean of the same traces from this page removes.</source>
        <translation>Un nettoyage planifié ne demande rien et supprime ce que supprime un nettoyage des mêmes traces depuis cette page.</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Aucun nettoyage planifié.</translation>
    </message>
    <message>
        <source>This schedule never falls due: choose a day or a month.</source>
        <translation>Cette planification n&apos;arrive jamais à échéance&#xa0;: choisissez un jour ou un mois.</translation>
    </message>
    <message>
        <source>Calendar of the timer: %1</source>
        <translation>Calendrier du minuteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>No trace is chosen yet.</source>
        <translation>Aucune trace n&apos;est encore choisie.</translation>
    </message>
</context>
<context>
    <name>TfTracePaths</name>
    <message>
        <source>Paths of the trace cleaning</source>
        <translation>Chemins du nettoyage des traces</translation>
    </message>
    <message>
        <source>&amp;Custom files and folders, cleaned by the item &quot;Custom Files and Folders&quot;</source>
        <translation>Fichiers et dossiers &amp;personnalisés à nettoyer</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder). A folder goes with everything in it; the home folder and the folders above it are refused.</source>
        <translation>Un fichier ou dossier par ligne (~/ pour le dossier personnel). Un dossier part avec tout son contenu&#xa0;; le dossier personnel et les dossiers au-dessus sont refusés.</translation>
    </message>
    <message>
        <source>&amp;Never clean these (every item passes them over)</source>
        <translation>Ne &amp;jamais nettoyer ceux-ci (tous les éléments les ignorent)</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder; * and ? may stand in names). Nothing in a kept folder is deleted, emptied or edited.</source>
        <translation>Un fichier ou dossier par ligne (~/ pour le dossier personnel&#xa0;; * et&#xa0;? sont permis dans les noms). Rien dans un dossier conservé n&apos;est supprimé, vidé ou modifié.</translation>
    </message>
</context>
<context>
    <name>TfmAddReg</name>
    <message>
        <source>Add Registry Key</source>
        <translation>Ajouter une clé de Registre</translation>
    </message>
    <message>
        <source>Key Name</source>
        <translation>Nom de la clé</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfmItemProps</name>
    <message>
        <source>Item Properties</source>
        <translation>Propriétés de l&apos;élément</translation>
    </message>
    <message>
        <source>Entire folder</source>
        <translation>Dossier entier</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>Nom du dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Folder content</source>
        <translation>Contenu du dossier</translation>
    </message>
    <message>
        <source>Include pattern:</source>
        <translation>Motif d&apos;inclusion&#xa0;:</translation>
    </message>
    <message>
        <source>Included items list:</source>
        <translation>Liste des éléments inclus&#xa0;:</translation>
    </message>
    <message>
        <source>Add Included Pattern</source>
        <translation>Ajouter un motif d&apos;inclusion</translation>
    </message>
    <message>
        <source>Remove Included Item</source>
        <translation>Retirer l&apos;élément inclus</translation>
    </message>
    <message>
        <source>Show Included files...</source>
        <translation>Afficher les fichiers inclus...</translation>
    </message>
    <message>
        <source>Exclude wiping of files</source>
        <translation>Exclure des fichiers de l&apos;effacement</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Please specify a directory</source>
        <translation>Veuillez indiquer un dossier</translation>
    </message>
    <message>
        <source>Please add at least a pattern to pattern list</source>
        <translation>Veuillez ajouter au moins un motif à la liste des motifs</translation>
    </message>
</context>
<context>
    <name>TfmShowFiles</name>
    <message>
        <source>Included files</source>
        <translation>Fichiers inclus</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>WipeReport</name>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped.</source>
        <translation>L&apos;espace libre de %1 n&apos;a pas été effacé.</translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped completely.</source>
        <translation>L&apos;espace libre de %1 n&apos;a pas été entièrement effacé.</translation>
    </message>
    <message>
        <source>It stopped while overwriting &quot;%1&quot;: that file is left under its own name, not completely overwritten.</source>
        <translation>L&apos;opération s&apos;est arrêtée pendant l&apos;écrasement de «&#xa0;%1&#xa0;»&#xa0;: ce fichier reste sous son propre nom, pas entièrement écrasé.</translation>
    </message>
    <message>
        <source>Jobs not reached: %1 of %2.</source>
        <translation>Tâches non atteintes&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>Overwritten before the stop: %1, in %2.</source>
        <translation>Écrasé avant l&apos;arrêt&#xa0;: %1, en %2.</translation>
    </message>
    <message>
        <source>Overwritten with every pass: %1, in %2.</source>
        <translation>Écrasé avec chaque passe&#xa0;: %1, en %2.</translation>
    </message>
    <message>
        <source>Left behind: %1.</source>
        <translation>Restant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Not found when their turn came: %1.</source>
        <translation>Introuvables le moment venu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Left partly overwritten when the run stopped:</source>
        <translation>Partiellement écrasés quand l&apos;opération s&apos;est arrêtée&#xa0;:</translation>
    </message>
    <message>
        <source>Not reached:</source>
        <translation>Non atteints&#xa0;:</translation>
    </message>
    <message>
        <source>Left behind:</source>
        <translation>Restants&#xa0;:</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>Introuvables&#xa0;:</translation>
    </message>
    <message>
        <source>: %1 wiped in %2.</source>
        <translation>: %1 effacé en %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The settings folder could not be prepared: changed settings and methods may not be saved.</source>
        <translation>Le dossier des paramètres n&apos;a pas pu être préparé&#xa0;: les paramètres et méthodes modifiés risquent de ne pas être enregistrés.</translation>
    </message>
    <message>
        <source>The methods and settings could not all be read: %1</source>
        <translation>Les méthodes et paramètres n&apos;ont pas tous pu être lus&#xa0;: %1</translation>
    </message>
    <message>
        <source>The changed settings could not be saved: %1</source>
        <translation>Les paramètres modifiés n&apos;ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
</context>
</TS>
