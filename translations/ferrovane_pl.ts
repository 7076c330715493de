<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AdministratorRun</name>
    <message>
        <source> (%1 ended with status %2%3)</source>
        <translation> (%1 zakończył działanie ze stanem %2%3)</translation>
    </message>
    <message>
        <source>No authentication agent is running, so nobody could be asked for the administrator&apos;s password: nothing was wiped. Start your desktop&apos;s polkit agent (for example lxpolkit or polkit-gnome), or run ferrovane-cli as root in a terminal.</source>
        <translation>Nie działa żaden agent uwierzytelniania, więc nie można było poprosić o hasło administratora: nic nie wymazano. Uruchom agenta polkit swojego środowiska (na przykład lxpolkit lub polkit-gnome) albo uruchom ferrovane-cli jako root w terminalu.</translation>
    </message>
    <message>
        <source>The polkit service, which decides who may act as the administrator, is not running: nothing was wiped. Run ferrovane-cli as root in a terminal instead.</source>
        <translation>Usługa polkit, która decyduje, kto może działać jako administrator, nie działa: nic nie wymazano. Zamiast tego uruchom ferrovane-cli jako root w terminalu.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given, or the request was refused: nothing was wiped.</source>
        <translation>Nie podano hasła administratora lub żądanie zostało odrzucone: nic nie wymazano.</translation>
    </message>
    <message>
        <source>%1 could not start the run with administrator rights: nothing was wiped.</source>
        <translation>%1 nie mógł rozpocząć działania z uprawnieniami administratora: nic nie wymazano.</translation>
    </message>
    <message>
        <source>The run with administrator rights ended without an outcome, so what it wiped is unknown.</source>
        <translation>Działanie z uprawnieniami administratora zakończyło się bez wyniku, więc nie wiadomo, co zostało wymazane.</translation>
    </message>
    <message>
        <source>The engine is running: nothing was handed over.</source>
        <translation>Mechanizm już działa: nic nie przekazano.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2: nothing was wiped.</source>
        <translation>Nie można uruchomić %1: %2: nic nie wymazano.</translation>
    </message>
    <message>
        <source>%1 can only be wiped with administrator rights, and pkexec, which asks for them, is not installed (Debian package &quot;pkexec&quot;). Install it, or run ferrovane-cli as root in a terminal.</source>
        <translation>%1 można wymazać tylko z uprawnieniami administratora, a pkexec, który o nie prosi, nie jest zainstalowany (pakiet Debiana „pkexec”). Zainstaluj go lub uruchom ferrovane-cli jako root w terminalu.</translation>
    </message>
    <message>
        <source>Some of what needs administrator rights cannot be handed to them.</source>
        <translation>Części tego, co wymaga uprawnień administratora, nie można im przekazać.</translation>
    </message>
    <message>
        <source>Only what the window can see as it is now, without a link on its way, is handed over.</source>
        <translation>Przekazywane jest tylko to, co okno widzi w obecnym stanie, bez dowiązań symbolicznych na drodze do niego.</translation>
    </message>
    <message>
        <source>Wiping the free space of %1 needs administrator rights. Run as administrator?</source>
        <translation>Wymazanie wolnego miejsca na %1 wymaga uprawnień administratora. Uruchomić jako administrator?</translation>
    </message>
    <message>
        <source>%1 could not be wiped without administrator rights. Run as administrator?</source>
        <translation>Nie można wymazać %1 bez uprawnień administratora. Uruchomić jako administrator?</translation>
    </message>
    <message>
        <source>Continue as administrator</source>
        <translation>Kontynuuj jako administrator</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>ferrovane: no display can be opened; without a window, use ferrovane-cli (see ferrovane-cli --help)</source>
        <translation>ferrovane: nie można otworzyć żadnego ekranu; bez okna użyj ferrovane-cli (zobacz ferrovane-cli --help)</translation>
    </message>
</context>
<context>
    <name>FileManagerOffer</name>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to the context menus of Dolphin, Nemo and Nautilus, and Ferrovane to &quot;Open With&quot;, for you? Each entry opens this window with the selection queued; nothing is wiped before you press Start and answer its question.</source>
        <translation>Dodać dla ciebie „Wymaż za pomocą Ferrovane” do menu kontekstowych Dolphina, Nemo i Nautilusa, a Ferrovane do „Otwórz za pomocą”? Każdy wpis otwiera to okno z zaznaczeniem w kolejce; nic nie jest wymazywane, zanim nie naciśniesz „Rozpocznij” i nie odpowiesz na pytanie.</translation>
    </message>
    <message>
        <source>Also add &quot;Wipe with Ferrovane&quot; to Thunar&apos;s custom actions in %1? Your other actions are kept.</source>
        <translation>Dodać też „Wymaż za pomocą Ferrovane” do własnych akcji Thunara w %1? Twoje pozostałe akcje zostaną zachowane.</translation>
    </message>
    <message>
        <source>&quot;Wipe with Ferrovane&quot; was added. A file manager that is open shows it once it is started again.</source>
        <translation>Dodano „Wymaż za pomocą Ferrovane”. Otwarty menedżer plików pokaże ten wpis po ponownym uruchomieniu.</translation>
    </message>
    <message>
        <source>Some file-manager entries could not be added.</source>
        <translation>Nie można było dodać niektórych wpisów menedżerów plików.</translation>
    </message>
</context>
<context>
    <name>PassSummary</name>
    <message>
        <source>Bytes </source>
        <translation>Bajty </translation>
    </message>
    <message>
        <source>Text (empty: the pass cannot be written)</source>
        <translation>Tekst (pusty: przebiegu nie można zapisać)</translation>
    </message>
    <message>
        <source>Text &apos;%1&apos;</source>
        <translation>Tekst &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Random bytes</source>
        <translation>Losowe bajty</translation>
    </message>
    <message>
        <source>Random bytes </source>
        <translation>Losowe bajty </translation>
    </message>
    <message>
        <source>One random byte value</source>
        <translation>Jedna losowa wartość bajtu</translation>
    </message>
    <message>
        <source>One random byte value in </source>
        <translation>Jedna losowa wartość bajtu z zakresu </translation>
    </message>
    <message>
        <source>Unknown kind %1: writes nothing</source>
        <translation>Nieznany rodzaj %1: niczego nie zapisuje</translation>
    </message>
    <message>
        <source>, read back</source>
        <translation>, z odczytem zwrotnym</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 item</source>
        <translation>1 element</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elem.</translation>
    </message>
    <message>
        <source>On this system: %1</source>
        <translation>W tym systemie: %1</translation>
    </message>
</context>
<context>
    <name>QtPromptService</name>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdzenie</translation>
    </message>
</context>
<context>
    <name>QtWipeServices</name>
    <message>
        <source> is a executable file. Are you sure to wipe it?</source>
        <translation> jest plikiem wykonywalnym. Czy na pewno chcesz go wymazać?</translation>
    </message>
</context>
<context>
    <name>SizeFunctions</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bajtów</translation>
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
        <translation>Główna witryna:</translation>
    </message>
    <message>
        <source>Support email:</source>
        <translation>E-mail pomocy technicznej:</translation>
    </message>
    <message>
        <source>Ferrovane %1</source>
        <translation>Ferrovane %1</translation>
    </message>
    <message>
        <source>Licence: distributed by its developers under the terms published at %1/ (the package&apos;s copyright file says the same).</source>
        <translation>Licencja: rozpowszechniany przez swoich twórców na warunkach opublikowanych pod adresem %1/ (plik copyright pakietu mówi to samo).</translation>
    </message>
    <message>
        <source>Settings (Ferrovane.ini, prefs.dat) are kept in %1</source>
        <translation>Ustawienia (Ferrovane.ini, prefs.dat) są przechowywane w %1</translation>
    </message>
    <message>
        <source>Wipe methods are kept in %1</source>
        <translation>Metody wymazywania są przechowywane w %1</translation>
    </message>
    <message>
        <source>Delete with Wiping: the files and folders you list are overwritten with their method, pass after pass, and deleted.</source>
        <translation>Usuwanie z wymazywaniem: wymienione przez ciebie pliki i foldery są nadpisywane swoją metodą, przebieg po przebiegu, a następnie usuwane.</translation>
    </message>
    <message>
        <source>Wipe free space: the free space of the drives you check is filled and overwritten, so files deleted earlier cannot be recovered from it.</source>
        <translation>Wymazywanie wolnego miejsca: wolne miejsce zaznaczonych dysków jest wypełniane i nadpisywane, więc wcześniej usuniętych plików nie da się z niego odzyskać.</translation>
    </message>
    <message>
        <source>Wipe special folders: the temporary, browser and trash folders you check are wiped with the folders&apos; method.</source>
        <translation>Wymazywanie folderów specjalnych: zaznaczone foldery tymczasowe, foldery przeglądarek i kosza są wymazywane metodą folderów.</translation>
    </message>
    <message>
        <source>Clear recently used files: the lists of recently used files that the desktop and programs keep are removed.</source>
        <translation>Czyszczenie ostatnich plików: listy ostatnio używanych plików prowadzone przez środowisko i programy są usuwane.</translation>
    </message>
    <message>
        <source>Clean traces: traces of use (caches, histories, cookies) are found and removed; Preview lists them first.</source>
        <translation>Czyszczenie śladów: ślady użycia (pamięć podręczna, historia, pliki cookie) są wyszukiwane i usuwane; podgląd najpierw je wymienia.</translation>
    </message>
    <message>
        <source>Options: wipe methods are made, looked at and changed, and each kind of wipe is given its method.</source>
        <translation>Opcje: metody wymazywania są tworzone, przeglądane i zmieniane, a każdy rodzaj wymazywania otrzymuje swoją metodę.</translation>
    </message>
</context>
<context>
    <name>TCleanTracesPage</name>
    <message>
        <source>Clean &amp;traces</source>
        <translation>Czyszczenie ś&amp;ladów</translation>
    </message>
    <message>
        <source>Traces to clean</source>
        <translation>Ślady do wyczyszczenia</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Ślad</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Znaleziono</translation>
    </message>
    <message>
        <source>Overwrite files &amp;before deleting them</source>
        <translation>&amp;Nadpisuj pliki przed ich usunięciem</translation>
    </message>
    <message>
        <source>Files are wiped with the method of the file engine instead of being deleted plainly.</source>
        <translation>Pliki są wymazywane metodą mechanizmu plików zamiast zwykłego usuwania.</translation>
    </message>
    <message>
        <source>Pat&amp;hs…</source>
        <translation>Ś&amp;cieżki…</translation>
    </message>
    <message>
        <source>Your own files and folders to clean, and the places no item ever cleans.</source>
        <translation>Twoje własne pliki i foldery do wyczyszczenia oraz miejsca, których żaden element nigdy nie czyści.</translation>
    </message>
    <message>
        <source>Sch&amp;edule…</source>
        <translation>&amp;Harmonogram…</translation>
    </message>
    <message>
        <source>Clean chosen traces on a schedule, also while the window is closed where the user&apos;s service manager runs.</source>
        <translation>Czyść wybrane ślady według harmonogramu, także gdy okno jest zamknięte, jeśli działa menedżer usług użytkownika.</translation>
    </message>
    <message>
        <source>Preview and outcome</source>
        <translation>Podgląd i wynik</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Co</translation>
    </message>
    <message>
        <source>Size or reason</source>
        <translation>Rozmiar lub przyczyna</translation>
    </message>
    <message>
        <source>Look &amp;again</source>
        <translation>Szukaj &amp;ponownie</translation>
    </message>
    <message>
        <source>Works out again what each item finds now.</source>
        <translation>Ustala ponownie, co każdy element znajduje teraz.</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>Pod&amp;gląd</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>The paths could not be kept, nothing changed: %1</source>
        <translation>Nie można zachować ścieżek, nic nie zmieniono: %1</translation>
    </message>
    <message>
        <source>The choice holds until the program ends, but the settings file could not keep it: %1</source>
        <translation>Wybór obowiązuje do zakończenia programu, ale plik ustawień nie mógł go zachować: %1</translation>
    </message>
    <message>
        <source>Looking for traces...</source>
        <translation>Wyszukiwanie śladów...</translation>
    </message>
    <message>
        <source>%1 in use or out of reach</source>
        <translation>%1 w użyciu lub poza zasięgiem</translation>
    </message>
    <message>
        <source>nothing to clean</source>
        <translation>nic do wyczyszczenia</translation>
    </message>
    <message>
        <source>Nothing of this kind was found on this system.</source>
        <translation>Nic takiego nie znaleziono w tym systemie.</translation>
    </message>
    <message>
        <source>Would remove %1.</source>
        <translation>Zostanie usunięte: %1.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Usunięto: %1.</translation>
    </message>
    <message>
        <source>%1 cannot be removed now (listed first).</source>
        <translation>%1 nie może być teraz usunięte (wymienione jako pierwsze).</translation>
    </message>
    <message>
        <source>%1 could not be removed (listed first).</source>
        <translation>%1 nie dało się usunąć (wymienione jako pierwsze).</translation>
    </message>
    <message>
        <source>Check a trace that has something to clean.</source>
        <translation>Zaznacz ślad, w którym jest coś do wyczyszczenia.</translation>
    </message>
    <message>
        <source>Preview stopped. </source>
        <translation>Podgląd zatrzymany. </translation>
    </message>
    <message>
        <source>Remove %1, found by %2 (%3)? This cannot be undone.
Preview lists each trace first.</source>
        <translation>Usunąć %1, znalezione przez element „%2” (%3)? Tej operacji nie można cofnąć.
Podgląd najpierw wymienia każdy ślad.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Usuń %1</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Zatrzymano. </translation>
    </message>
    <message>
        <source>The schedule in the settings file cannot be read: %1</source>
        <translation>Nie można odczytać harmonogramu w pliku ustawień: %1</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Brak czyszczenia według harmonogramu.</translation>
    </message>
    <message>
        <source>Scheduled cleans are started by the user&apos;s service manager (systemd timer %1), also while Ferrovane is closed.</source>
        <translation>Czyszczenia według harmonogramu uruchamia menedżer usług użytkownika (czasomierz systemd %1), także gdy Ferrovane jest zamknięty.</translation>
    </message>
    <message>
        <source>No user service manager runs: scheduled cleans are started by this window&apos;s timer while it is open.</source>
        <translation>Nie działa menedżer usług użytkownika: czyszczenia według harmonogramu uruchamia czasomierz tego okna, gdy jest ono otwarte.</translation>
    </message>
    <message>
        <source>The schedule is on but never falls due: choose a day or a month.</source>
        <translation>Harmonogram jest włączony, ale jego termin nigdy nie nadchodzi: wybierz dzień lub miesiąc.</translation>
    </message>
    <message>
        <source>No trace is chosen for it.</source>
        <translation>Nie wybrano dla niego żadnego śladu.</translation>
    </message>
    <message>
        <source>The schedule could not be kept, nothing changed: %1</source>
        <translation>Nie można zachować harmonogramu, nic nie zmieniono: %1</translation>
    </message>
    <message>
        <source>Scheduled clean: </source>
        <translation>Czyszczenie według harmonogramu: </translation>
    </message>
    <message>
        <source>The outcome could not be recorded: %1</source>
        <translation>Nie można zapisać wyniku: %1</translation>
    </message>
</context>
<context>
    <name>TDeletePage</name>
    <message>
        <source>&amp;Delete with Wiping</source>
        <translation>U&amp;suwanie z wymazywaniem</translation>
    </message>
    <message>
        <source>Files Wiping </source>
        <translation>Wymazywanie plików </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>As admin...</source>
        <translation>Jako administrator...</translation>
    </message>
    <message>
        <source>Wipe the files marked with a shield, which you may not change, with administrator rights</source>
        <translation>Wymaż z uprawnieniami administratora pliki oznaczone tarczą, których nie możesz zmieniać</translation>
    </message>
    <message>
        <source>Folders Wiping </source>
        <translation>Wymazywanie folderów </translation>
    </message>
    <message>
        <source>Wipe the folders marked with a shield, which you may not change, with administrator rights</source>
        <translation>Wymaż z uprawnieniami administratora foldery oznaczone tarczą, których nie możesz zmieniać</translation>
    </message>
    <message>
        <source>Save what the last run did, and what the device check found, as a page to keep (HTML) or for other programs (JSON).</source>
        <translation>Zapisz, co zrobiło ostatnie działanie i co znalazło sprawdzanie urządzenia, jako stronę do zachowania (HTML) lub dla innych programów (JSON).</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Zapisz raport...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>Report page (*.html);;Report for programs (*.json)</source>
        <translation>Strona raportu (*.html);;Raport dla programów (*.json)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1 (%2).</source>
        <translation>Nie można zapisać raportu w %1 (%2).</translation>
    </message>
    <message>
        <source>
You may not change the folder that holds it: wiping it needs administrator rights.</source>
        <translation>
Nie możesz zmieniać folderu, który go zawiera: wymazanie go wymaga uprawnień administratora.</translation>
    </message>
    <message>
        <source>Select files to shred</source>
        <translation>Wybierz pliki do zniszczenia</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 of the files chosen cannot be wiped.</source>
        <translation>Wybranych plików, których nie można wymazać: %1.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>%1 of the folders chosen cannot be wiped.</source>
        <translation>Wybranych folderów, których nie można wymazać: %1.</translation>
    </message>
    <message>
        <source>%1: is on a system file system (%2): not wiped</source>
        <translation>%1: znajduje się w systemowym systemie plików (%2): nie wymazano</translation>
    </message>
    <message>
        <source>Only existing files and folders of this computer can be wiped; nothing on a system file system (proc, sysfs, ...) is.</source>
        <translation>Wymazywać można tylko istniejące pliki i foldery tego komputera; nic w systemowych systemach plików (proc, sysfs, ...) nie jest wymazywane.</translation>
    </message>
    <message>
        <source>%1: not a file or folder of this computer</source>
        <translation>%1: nie jest plikiem ani folderem tego komputera</translation>
    </message>
    <message>
        <source>%1: its list is being wiped now</source>
        <translation>%1: jego lista jest teraz wymazywana</translation>
    </message>
    <message>
        <source>%1 of the items handed over could not be added.</source>
        <translation>Przekazanych elementów, których nie można dodać: %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>Wymazać %1 (%2)? Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Wymaż </translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>Zadanie wymazywania zostało przerwane!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>Zadanie wymazywania nie zostało ukończone. Pozostało: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>Zadanie wymazywania zostało pomyślnie ukończone!</translation>
    </message>
    <message>
        <source>Wipe %1 with administrator rights (%2)? You will be asked for the password. This cannot be undone.</source>
        <translation>Wymazać %1 z uprawnieniami administratora (%2)? Zostaniesz poproszony o hasło. Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source>Wipe %1 as administrator</source>
        <translation>Wymaż %1 jako administrator</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 now (%2 free)? The old blocks of the files just deleted there are overwritten.</source>
        <translation>Wymazać teraz wolne miejsce na %1 (wolne: %2)? Stare bloki właśnie usuniętych tam plików zostaną nadpisane.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Wymaż wolne miejsce na %1</translation>
    </message>
    <message>
        <source>The wipe of the free space has been aborted!</source>
        <translation>Wymazywanie wolnego miejsca zostało przerwane!</translation>
    </message>
    <message>
        <source>The free space of %1 has been wiped: the old blocks of the files deleted there are overwritten.</source>
        <translation>Wolne miejsce na %1 zostało wymazane: stare bloki usuniętych tam plików są nadpisane.</translation>
    </message>
    <message>
        <source>Report for programs (*.json)</source>
        <translation>Raport dla programów (*.json)</translation>
    </message>
    <message>
        <source>Not handed to the administrator&apos;s run, as the window cannot see it as it is now:
%1</source>
        <translation>Nie przekazano do uruchomienia jako administrator, ponieważ okno nie widzi tego w obecnym stanie:
%1</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do. Wipe %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Sprawdzanie urządzenia po wymazaniu odczytuje je ponownie, na co pozwala się tylko administratorowi. Wymazać %1 z uprawnieniami administratora i sprawdzić urządzenie? Pojawi się prośba o hasło. Aby wymazać bez sprawdzania, wyłącz „Sprawdzaj urządzenie po wymazaniu” w Opcjach.</translation>
    </message>
</context>
<context>
    <name>TFreeSpacePage</name>
    <message>
        <source>&amp;Wipe free space</source>
        <translation>W&amp;ymazywanie wolnego miejsca</translation>
    </message>
    <message>
        <source>Local drives list </source>
        <translation>Lista dysków lokalnych </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>System plików</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Razem</translation>
    </message>
    <message>
        <source>Clean &amp;Free Space</source>
        <translation>Wymaż wolne &amp;miejsce</translation>
    </message>
    <message>
        <source>Wipe as administrator...</source>
        <translation>Wymaż jako administrator...</translation>
    </message>
    <message>
        <source>Wipe the free space of the selected drive, which only the administrator may fill, with administrator rights</source>
        <translation>Wymaż z uprawnieniami administratora wolne miejsce zaznaczonego dysku, które może wypełnić tylko administrator</translation>
    </message>
    <message>
        <source>only the administrator may write there</source>
        <translation>tylko administrator może tam zapisywać</translation>
    </message>
    <message>
        <source>mounted read-only</source>
        <translation>zamontowany tylko do odczytu</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nie można odczytać: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>
Its free space cannot be wiped: </source>
        <translation>
Jego wolnego miejsca nie można wymazać: </translation>
    </message>
    <message>
        <source>. Wipe as administrator can.</source>
        <translation>. Może to zrobić wymazywanie jako administrator.</translation>
    </message>
    <message>
        <source>A temporary file of an interrupted free-space wipe was found on %1 (%2). Wipe and remove it now?</source>
        <translation>Na %1 znaleziono plik tymczasowy przerwanego wymazywania wolnego miejsca (%2). Wymazać go i usunąć teraz?</translation>
    </message>
    <message>
        <source>Wipe and remove it</source>
        <translation>Wymaż i usuń</translation>
    </message>
    <message>
        <source>%1 was not wiped: a free-space wipe of its drive is running.</source>
        <translation>%1 nie został wymazany: trwa wymazywanie wolnego miejsca na jego dysku.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>Zadanie wymazywania zostało przerwane!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>Zadanie wymazywania nie zostało ukończone. Pozostało: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>Zadanie wymazywania zostało pomyślnie ukończone!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1? Other programs cannot write to %2 until it ends.</source>
        <translation>Wymazać wolne miejsce na %1? Inne programy nie będą mogły zapisywać na %2 do czasu zakończenia.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Wymaż wolne miejsce na %1</translation>
    </message>
    <message>
        <source>The Wipe free space task has been aborted!</source>
        <translation>Zadanie wymazywania wolnego miejsca zostało przerwane!</translation>
    </message>
    <message>
        <source>The Wipe free space task has been completed successfully!</source>
        <translation>Zadanie wymazywania wolnego miejsca zostało pomyślnie ukończone!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 with administrator rights? You will be asked for the password; other programs cannot write to it until it ends.</source>
        <translation>Wymazać wolne miejsce na %1 z uprawnieniami administratora? Zostaniesz poproszony o hasło; inne programy nie będą mogły tam zapisywać do czasu zakończenia.</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do: your own run would leave it &quot;not verified (needs administrator rights)&quot;. Wipe the free space of %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Sprawdzanie urządzenia po wymazaniu odczytuje je ponownie, na co pozwala się tylko administratorowi: twoje własne uruchomienie zostawiłoby je jako „niezweryfikowane (wymaga uprawnień administratora)”. Wymazać wolne miejsce %1 z uprawnieniami administratora i sprawdzić urządzenie? Pojawi się prośba o hasło. Aby wymazać bez sprawdzania, wyłącz „Sprawdzaj urządzenie po wymazaniu” w Opcjach.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Wsparcie</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>About Ferrovane</source>
        <translation>O programie Ferrovane</translation>
    </message>
    <message>
        <source>Ferrovane on the web</source>
        <translation>Ferrovane w sieci</translation>
    </message>
    <message>
        <source>The readme (readme.txt) that comes with Ferrovane was not found beside the program.
The About page says what each page does.</source>
        <translation>Nie znaleziono obok programu pliku readme (readme.txt) dostarczanego z Ferrovane.
Strona „O programie” opisuje, do czego służy każda strona.</translation>
    </message>
    <message>
        <source>The readme answers the usual questions; &quot;When something is left behind&quot; explains what a report after a run means.</source>
        <translation>Plik readme odpowiada na typowe pytania; rozdział „When something is left behind” wyjaśnia, co oznacza raport po działaniu.</translation>
    </message>
    <message>
        <source>Check for updates: starts the updater %1</source>
        <translation>Sprawdzanie aktualizacji: uruchamia program aktualizujący %1</translation>
    </message>
</context>
<context>
    <name>TMethodList</name>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>Comes with Ferrovane: Edit shows it, and Copy there makes a copy you can change.</source>
        <translation>Dostarczana z Ferrovane: „Edytuj” ją pokazuje, a „Kopiuj” tam tworzy kopię, którą możesz zmieniać.</translation>
    </message>
    <message>
        <source>The file of this method could not be read whole (%1), so no wipe uses it. Edit it and press OK to store what was read as a whole method.</source>
        <translation>Pliku tej metody nie można było odczytać w całości (%1), więc żadne wymazywanie jej nie używa. Edytuj ją i naciśnij OK, aby zapisać odczytaną część jako całą metodę.</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be %2 now: %3 is running with it.
Try again once the wipe has ended.</source>
        <translation>Metody „%1” nie można teraz %2: działa z nią %3.
Spróbuj ponownie po zakończeniu wymazywania.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Ferrovane wipe method files (*%1)</source>
        <translation>Pliki metod wymazywania Ferrovane (*%1)</translation>
    </message>
    <message>
        <source>Method files can be saved only in &quot;%1&quot;.
&quot;%2&quot; will be saved in this folder.</source>
        <translation>Pliki metod można zapisywać tylko w „%1”.
„%2” zostanie zapisany w tym folderze.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of &quot;%2&quot;, which comes with Ferrovane and is not replaced.
Choose another file name.</source>
        <translation>„%1” to plik metody „%2”, która jest dostarczana z Ferrovane i nie jest zastępowana.
Wybierz inną nazwę pliku.</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>zastąpić</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the method &quot;%2&quot;.
Replace that method with the new one?</source>
        <translation>„%1” to plik metody „%2”.
Zastąpić tę metodę nową?</translation>
    </message>
    <message>
        <source>New Method</source>
        <translation>Nowa metoda</translation>
    </message>
    <message>
        <source>Copy of Method</source>
        <translation>Kopia metody</translation>
    </message>
    <message>
        <source>Method (read-only)</source>
        <translation>Metoda (tylko do odczytu)</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>edytować</translation>
    </message>
    <message>
        <source>Edit Method</source>
        <translation>Edycja metody</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>usunąć</translation>
    </message>
    <message>
        <source>Are you sure you want to delete method &quot;%1&quot;?</source>
        <translation>Czy na pewno chcesz usunąć metodę „%1”?</translation>
    </message>
    <message>
        <source>use &quot;%1&quot; instead.</source>
        <translation>używać „%1”.</translation>
    </message>
    <message>
        <source>have no method, and wipe nothing, until another is chosen.</source>
        <translation>działać bez metody i niczego nie wymazywać, dopóki nie zostanie wybrana inna.</translation>
    </message>
    <message>
        <source>Unable to delete %1 (%2).</source>
        <translation>Nie można usunąć %1 (%2).</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be used: its file could not be read whole.
Edit it and press OK to store what was read as a whole method.</source>
        <translation>Nie można użyć metody „%1”: nie można było odczytać jej pliku w całości.
Edytuj ją i naciśnij OK, aby zapisać odczytaną część jako całą metodę.</translation>
    </message>
    <message>
        <source>

%1 is set to use it, and will </source>
        <translation>

Ta metoda jest ustawiona dla: %1. Po jej usunięciu będą one </translation>
    </message>
    <message>
        <source>

%1 are set to use it, and will </source>
        <translation>

Ta metoda jest ustawiona dla: %1. Po jej usunięciu będą one </translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source>&amp;Options</source>
        <translation>Opc&amp;je</translation>
    </message>
    <message>
        <source>&amp;Methods </source>
        <translation>&amp;Metody </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Wipe Type</source>
        <translation>Rodzaj wymazywania</translation>
    </message>
    <message>
        <source>Wipe Files</source>
        <translation>Wymazywanie plików</translation>
    </message>
    <message>
        <source>Wipe Folders</source>
        <translation>Wymazywanie folderów</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Wymazywanie wolnego miejsca</translation>
    </message>
    <message>
        <source>Warn on deleting an executable file</source>
        <translation>Ostrzegaj przy usuwaniu pliku wykonywalnego</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <source>Questions before a wipe </source>
        <translation>Pytania przed wymazywaniem </translation>
    </message>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Pytaj przed wymazywaniem plików i folderów</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Pytaj przed wymazywaniem wolnego miejsca</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Pytaj przed wymazywaniem folderów specjalnych</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Pytaj przed czyszczeniem śladów</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Pytaj przed czyszczeniem ostatnio używanych plików</translation>
    </message>
    <message>
        <source>Ask again everywhere</source>
        <translation>Pytaj ponownie wszędzie</translation>
    </message>
    <message>
        <source>Method Description </source>
        <translation>Opis metody </translation>
    </message>
    <message>
        <source>Discard free blocks after wiping free space (SSDs)</source>
        <translation>Zwalniaj wolne bloki po wymazaniu wolnego miejsca (SSD)</translation>
    </message>
    <message>
        <source>After each wipe, read the device back where the deleted files and their names lay (needs administrator rights), and name what is still there.</source>
        <translation>Po każdym wymazaniu odczytaj zwrotnie urządzenie tam, gdzie leżały usunięte pliki i ich nazwy (wymaga uprawnień administratora), i podaj, co tam nadal jest.</translation>
    </message>
    <message>
        <source>Check the device after wiping</source>
        <translation>Sprawdzaj urządzenie po wymazaniu</translation>
    </message>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to file managers...</source>
        <translation>Dodaj „Wymaż za pomocą Ferrovane” do menedżerów plików...</translation>
    </message>
    <message>
        <source>Erase old copies of file names from the file system journal (ext4, XFS)</source>
        <translation>Usuwaj stare kopie nazw plików z dziennika systemu plików (ext4, XFS)</translation>
    </message>
    <message>
        <source>Takes seconds after each wipe and writes about the journal&apos;s size.</source>
        <translation>Zajmuje kilka sekund po każdym wymazaniu i zapisuje mniej więcej rozmiar dziennika.</translation>
    </message>
    <message>
        <source>%1 will be wiped with &quot;%2&quot;.</source>
        <translation>%1 będzie wymazywane metodą „%2”.</translation>
    </message>
</context>
<context>
    <name>TRecentFilesPage</name>
    <message>
        <source>&amp;Clear recently used files</source>
        <translation>Czyszczenie &amp;ostatnich plików</translation>
    </message>
    <message>
        <source>Known lists </source>
        <translation>Znane listy </translation>
    </message>
    <message>
        <source>Most Recently Used (MRU) lists of known products:</source>
        <translation>Listy ostatnio używanych (MRU) znanych produktów:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Other lists </source>
        <translation>Inne listy </translation>
    </message>
    <message>
        <source>MRU lists of other programs:</source>
        <translation>Listy MRU innych programów:</translation>
    </message>
    <message>
        <source>Search Registry for other MRU lists</source>
        <translation>Szukaj innych list MRU w rejestrze</translation>
    </message>
    <message>
        <source>Add Existing Key</source>
        <translation>Dodaj istniejący klucz</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Usuń zaznaczone</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>On this system</source>
        <translation>W tym systemie</translation>
    </message>
    <message>
        <source>kept only by Windows</source>
        <translation>prowadzona tylko przez Windows</translation>
    </message>
    <message>
        <source>Windows registry list</source>
        <translation>lista rejestru Windows</translation>
    </message>
    <message>
        <source>The desktop&apos;s lists of recently used files are empty.</source>
        <translation>Listy ostatnio używanych plików środowiska są puste.</translation>
    </message>
    <message>
        <source>This list is not kept on this system.</source>
        <translation>Ta lista nie jest prowadzona w tym systemie.</translation>
    </message>
    <message>
        <source>This list holds nothing on this system.</source>
        <translation>Ta lista nic nie zawiera w tym systemie.</translation>
    </message>
    <message>
        <source>Clear %1 (%2)? This cannot be undone.</source>
        <translation>Wyczyścić %1 (%2)? Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Wyczyść %1</translation>
    </message>
    <message>
        <source>The registry store could not be written; nothing was removed from it.
</source>
        <translation>Nie można zapisać magazynu rejestru; nic z niego nie usunięto.
</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Zatrzymano.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has not been completed. Left: %1.</source>
        <translation>Zadanie czyszczenia ostatnio używanych plików nie zostało ukończone. Pozostało: %1.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has been completed successfully!</source>
        <translation>Zadanie czyszczenia ostatnio używanych plików zostało pomyślnie ukończone!</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>Wyszukiwanie zatrzymane.</translation>
    </message>
</context>
<context>
    <name>TReportDialog</name>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Pokaż szczegóły...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>&amp;Ukryj szczegóły...</translation>
    </message>
</context>
<context>
    <name>TRunNotifier</name>
    <message>
        <source>1 item was left behind</source>
        <translation>Pozostał 1 element</translation>
    </message>
    <message>
        <source>%1 items were left behind</source>
        <translation>Pozostało elementów: %1</translation>
    </message>
    <message>
        <source>The wipe task has been aborted.</source>
        <translation>Zadanie wymazywania zostało przerwane.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted; %1.</source>
        <translation>Zadanie wymazywania zostało przerwane; %1.</translation>
    </message>
    <message>
        <source>The wipe task has not been completed: %1.</source>
        <translation>Zadanie wymazywania nie zostało ukończone: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully.</source>
        <translation>Zadanie wymazywania zostało pomyślnie ukończone.</translation>
    </message>
    <message>
        <source>Show Ferrovane</source>
        <translation>Pokaż Ferrovane</translation>
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
        <translation>%1 godz. %2 min</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>pozostało około %1</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 z %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>zapisano %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>free space of %1</source>
        <translation>wolne miejsce na %1</translation>
    </message>
    <message>
        <source>Wiping</source>
        <translation>Wymazywanie</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln files</source>
        <translation>
            <numerusform>Wymazywanie: %Ln plik</numerusform>
            <numerusform>Wymazywanie: %Ln pliki</numerusform>
            <numerusform>Wymazywanie: %Ln plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln folders</source>
        <translation>
            <numerusform>Wymazywanie: %Ln folder</numerusform>
            <numerusform>Wymazywanie: %Ln foldery</numerusform>
            <numerusform>Wymazywanie: %Ln folderów</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping free space of %1</source>
        <translation>Wymazywanie: wolne miejsce na %1</translation>
    </message>
    <message numerus="yes">
        <source>Wiping free space of %Ln drives</source>
        <translation>
            <numerusform>Wymazywanie: wolne miejsce na %Ln dysku</numerusform>
            <numerusform>Wymazywanie: wolne miejsce na %Ln dyskach</numerusform>
            <numerusform>Wymazywanie: wolne miejsce na %Ln dyskach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln plik</numerusform>
            <numerusform>%Ln pliki</numerusform>
            <numerusform>%Ln plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln folder</numerusform>
            <numerusform>%Ln foldery</numerusform>
            <numerusform>%Ln folderów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>free space of %Ln drives</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>wolne miejsce na %Ln dysku</numerusform>
            <numerusform>wolne miejsce na %Ln dyskach</numerusform>
            <numerusform>wolne miejsce na %Ln dyskach</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping %1</source>
        <translation>Wymazywanie: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1</source>
        <translation>
            <numerusform>%Ln plik, %1</numerusform>
            <numerusform>%Ln pliki, %1</numerusform>
            <numerusform>%Ln plików, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRunQuestion</name>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Pytaj przed wymazywaniem plików i folderów</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Pytaj przed wymazywaniem wolnego miejsca</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Pytaj przed wymazywaniem folderów specjalnych</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Pytaj przed czyszczeniem śladów</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Pytaj przed czyszczeniem ostatnio używanych plików</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Nie pytaj ponownie</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>jeszcze %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
</context>
<context>
    <name>TSpecialFoldersPage</name>
    <message>
        <source>Wipe &amp;special folders</source>
        <translation>Wym&amp;azywanie folderów specjalnych</translation>
    </message>
    <message>
        <source>Special folders </source>
        <translation>Foldery specjalne </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Razem</translation>
    </message>
    <message>
        <source>Trash </source>
        <translation>Kosz </translation>
    </message>
    <message>
        <source>Trash folders</source>
        <translation>Foldery kosza</translation>
    </message>
    <message>
        <source>Wipe st&amp;art</source>
        <translation>&amp;Rozpocznij wymazywanie</translation>
    </message>
    <message>
        <source>Folders &amp;method...</source>
        <translation>&amp;Metoda folderów...</translation>
    </message>
    <message>
        <source>Chooses the wipe method of the folders engine, which wipes the folders of this page.</source>
        <translation>Wybiera metodę wymazywania mechanizmu folderów, którym wymazywane są foldery tej strony.</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>niedostępne</translation>
    </message>
    <message>
        <source>Temporary Internet Files</source>
        <translation>Tymczasowe pliki internetowe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Pliki cookie</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>Opera Cookies</source>
        <translation>Pliki cookie Opery</translation>
    </message>
    <message>
        <source>Opera Internet Cache</source>
        <translation>Pamięć podręczna Opery</translation>
    </message>
    <message>
        <source>Opera History</source>
        <translation>Historia Opery</translation>
    </message>
    <message>
        <source>Opera Images</source>
        <translation>Obrazy Opery</translation>
    </message>
    <message>
        <source>Not found on this system: there is nothing to wipe.</source>
        <translation>Nie znaleziono w tym systemie: nie ma nic do wymazania.</translation>
    </message>
    <message>
        <source>Nothing to wipe here: the five shell folders are places of Windows, which this system does not name%1%2. The trash below is wiped from this page; browsers&apos; caches and histories from Clean traces.</source>
        <translation>Nie ma tu nic do wymazania: pięć folderów powłoki to miejsca systemu Windows, których ten system nie nazywa%1%2. Kosz poniżej jest wymazywany z tej strony; pamięć podręczna i historia przeglądarek – ze strony „Czyszczenie śladów”.</translation>
    </message>
    <message>
        <source> (&quot;Show Windows items&quot; lists them)</source>
        <translation> („Pokaż elementy Windows” je wymienia)</translation>
    </message>
    <message>
        <source>, and no Opera profile was found</source>
        <translation>, a nie znaleziono profilu Opery</translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>Wymazać %1 (%2)? Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Wymaż </translation>
    </message>
    <message>
        <source>The Wipe special folders task has been completed successfully!</source>
        <translation>Zadanie wymazywania folderów specjalnych zostało pomyślnie ukończone!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has been aborted!</source>
        <translation>Zadanie wymazywania folderów specjalnych zostało przerwane!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has not been completed. Left behind: %1.</source>
        <translation>Zadanie wymazywania folderów specjalnych nie zostało ukończone. Pozostało: %1.</translation>
    </message>
    <message>
        <source>No row is ticked: tick the folders to wipe first.</source>
        <translation>Żaden wiersz nie jest zaznaczony: najpierw zaznacz foldery do wymazania.</translation>
    </message>
</context>
<context>
    <name>TWindowRequest</name>
    <message>
        <source>Usage: ferrovane [--free-space] [--] [PATH...]</source>
        <translation>Użycie: ferrovane [--free-space] [--] [ŚCIEŻKA...]</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
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
        <translation>Użycie: ferrovane [--free-space] [--] [ŚCIEŻKA...]
Otwiera okno Ferrovane, które nadpisuje pliki, foldery i wolne miejsce dysków, zanim je
usunie. Podane pliki i foldery trafiają do kolejki na stronie „Usuwanie z wymazywaniem”;
nic nie jest wymazywane, zanim nie naciśniesz „Rozpocznij” i nie odpowiesz na pytanie.
Jeśli okno jest już otwarte, przejmuje ścieżki i wychodzi na pierwszy plan.

  --free-space  pokaż stronę „Wymazywanie wolnego miejsca”
  --help        pokaż ten tekst i zakończ
  --version     pokaż wersję i zakończ
  --            każdy kolejny argument jest ścieżką, nawet jeśli zaczyna się od „-”

Bez okna: ferrovane-cli (zobacz ferrovane-cli --help).
</translation>
    </message>
</context>
<context>
    <name>TWindowsRowsFilter</name>
    <message>
        <source>Show Wi&amp;ndows items</source>
        <translation>Po&amp;każ elementy Windows</translation>
    </message>
    <message>
        <source>Show the rows of places that only Windows has</source>
        <translation>Pokaż wiersze miejsc, które ma tylko Windows</translation>
    </message>
</context>
<context>
    <name>TfEditMethod</name>
    <message>
        <source>Method Name:</source>
        <translation>Nazwa metody:</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Opis metody:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Przebiegi:</translation>
    </message>
    <message>
        <source>Add a pass</source>
        <translation>Dodaj przebieg</translation>
    </message>
    <message>
        <source>Rename the pass</source>
        <translation>Zmień nazwę przebiegu</translation>
    </message>
    <message>
        <source>Delete the pass</source>
        <translation>Usuń przebieg</translation>
    </message>
    <message>
        <source> Pass </source>
        <translation> Przebieg </translation>
    </message>
    <message>
        <source>After the pass is written and on the disk, it is read back past the system&apos;s cache and compared with what was written; a difference or a read error names the file after the run.</source>
        <translation>Po zapisaniu przebiegu na dysk jest on odczytywany zwrotnie z pominięciem pamięci podręcznej systemu i porównywany z zapisanymi danymi; różnica lub błąd odczytu powoduje podanie pliku po zakończeniu działania.</translation>
    </message>
    <message>
        <source> Wipe Width </source>
        <translation> Czym wymazywać </translation>
    </message>
    <message>
        <source>Byte Pattern</source>
        <translation>Wzorzec bajtowy</translation>
    </message>
    <message>
        <source>Random Bytes</source>
        <translation>Losowe bajty</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>ORAZ</translation>
    </message>
    <message>
        <source>Random Character</source>
        <translation>Losowy znak</translation>
    </message>
    <message>
        <source>Text Pattern</source>
        <translation>Wzorzec tekstowy</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>What the method is for, and when to choose it</source>
        <translation>Do czego służy metoda i kiedy ją wybrać</translation>
    </message>
    <message>
        <source>This method comes with Ferrovane and cannot be changed. Copy makes a copy of it that you can edit.</source>
        <translation>Ta metoda jest dostarczana z Ferrovane i nie można jej zmienić. „Kopiuj” tworzy jej kopię, którą możesz edytować.</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>Edit pass name</source>
        <translation>Edytuj nazwę przebiegu</translation>
    </message>
    <message>
        <source>Pass name</source>
        <translation>Nazwa przebiegu</translation>
    </message>
    <message>
        <source>Are you sure you want to delete pass &quot;%1&quot;?</source>
        <translation>Czy na pewno chcesz usunąć przebieg „%1”?</translation>
    </message>
    <message>
        <source>This method has no passes: files wiped with it are only deleted, not overwritten, and can be recovered.
Keep it without passes?</source>
        <translation>Ta metoda nie ma przebiegów: pliki wymazywane nią są tylko usuwane, a nie nadpisywane, i można je odzyskać.
Zachować ją bez przebiegów?</translation>
    </message>
    <message>
        <source>Check &amp;Wipe</source>
        <translation>&amp;Sprawdzaj wymazanie</translation>
    </message>
</context>
<context>
    <name>TfMethodsForm</name>
    <message>
        <source>Wiping Methods</source>
        <translation>Metody wymazywania</translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation>&amp;Metody</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Opis metody:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>TfProgress</name>
    <message>
        <source>Delete Files and Folders</source>
        <translation>Usuwanie plików i folderów</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Counting the files to wipe...</source>
        <translation>Zliczanie plików do wymazania...</translation>
    </message>
    <message>
        <source>%1 files, %2 so far</source>
        <translation>Plików: %1, dotąd: %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Zadanie</translation>
    </message>
</context>
<context>
    <name>TfReadme</name>
    <message>
        <source>Ferrovane Help</source>
        <translation>Pomoc Ferrovane</translation>
    </message>
</context>
<context>
    <name>TfSchedule</name>
    <message>
        <source>Schedule of the trace cleaning</source>
        <translation>Harmonogram czyszczenia śladów</translation>
    </message>
    <message>
        <source>&amp;Clean traces on a schedule</source>
        <translation>&amp;Czyść ślady według harmonogramu</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>O&amp;nce</source>
        <translation>&amp;Jednorazowo</translation>
    </message>
    <message>
        <source>&amp;Every N minutes</source>
        <translation>Co N &amp;minut</translation>
    </message>
    <message>
        <source>Every N h&amp;ours</source>
        <translation>Co N &amp;godzin</translation>
    </message>
    <message>
        <source>Dai&amp;ly</source>
        <translation>Co&amp;dziennie</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>Co &amp;tydzień</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>Co mie&amp;siąc</translation>
    </message>
    <message>
        <source>&amp;Date and time:</source>
        <translation>Data i godzi&amp;na:</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>Every &amp;minutes:</source>
        <translation>Co ile m&amp;inut:</translation>
    </message>
    <message>
        <source>Every &amp;hours:</source>
        <translation>Co ile god&amp;zin:</translation>
    </message>
    <message>
        <source>and m&amp;inutes:</source>
        <translation>i min&amp;ut:</translation>
    </message>
    <message>
        <source>Every &amp;days:</source>
        <translation>Co i&amp;le dni:</translation>
    </message>
    <message>
        <source>&amp;At:</source>
        <translation>&amp;O godzinie:</translation>
    </message>
    <message>
        <source>Every &amp;weeks:</source>
        <translation>Co ile t&amp;ygodni:</translation>
    </message>
    <message>
        <source>A&amp;t:</source>
        <translation>Godzina &amp;rozpoczęcia:</translation>
    </message>
    <message>
        <source>On:</source>
        <translation>W dni:</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>At&amp;:</source>
        <translation>Godzina &amp;wykonania:</translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation>Dni&amp;a</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>&amp;Każdy</translation>
    </message>
    <message>
        <source>first</source>
        <translation>pierwszy</translation>
    </message>
    <message>
        <source>second</source>
        <translation>drugi</translation>
    </message>
    <message>
        <source>third</source>
        <translation>trzeci</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>czwarty</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>piąty</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>niedziela</translation>
    </message>
    <message>
        <source>of the week that holds the month&apos;s Thursday</source>
        <translation>(tygodnie liczone według czwartków miesiąca)</translation>
    </message>
    <message>
        <source>In:</source>
        <translation>W miesiącach:</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>sty</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>lut</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>kwi</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>cze</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lip</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>sie</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>wrz</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>paź</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>lis</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>gru</translation>
    </message>
    <message>
        <source>Traces cleaned on schedule</source>
        <translation>Ślady czyszczone według harmonogramu</translation>
    </message>
    <message>
        <source>A scheduled clean asks nothing and removes what a clean of the same traces from this page removes.</source>
        <translation>Czyszczenie według harmonogramu o nic nie pyta i usuwa to, co usuwa czyszczenie tych samych śladów z tej strony.</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Brak czyszczenia według harmonogramu.</translation>
    </message>
    <message>
        <source>This schedule never falls due: choose a day or a month.</source>
        <translation>Termin tego harmonogramu nigdy nie nadchodzi: wybierz dzień lub miesiąc.</translation>
    </message>
    <message>
        <source>Calendar of the timer: %1</source>
        <translation>Kalendarz czasomierza: %1</translation>
    </message>
    <message>
        <source>No trace is chosen yet.</source>
        <translation>Nie wybrano jeszcze żadnego śladu.</translation>
    </message>
</context>
<context>
    <name>TfTracePaths</name>
    <message>
        <source>Paths of the trace cleaning</source>
        <translation>Ścieżki czyszczenia śladów</translation>
    </message>
    <message>
        <source>&amp;Custom files and folders, cleaned by the item &quot;Custom Files and Folders&quot;</source>
        <translation>&amp;Własne pliki i foldery, czyszczone przez element „Własne pliki i foldery”</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder). A folder goes with everything in it; the home folder and the folders above it are refused.</source>
        <translation>Jeden plik lub folder w wierszu (~/ oznacza folder domowy). Folder jest czyszczony z całą zawartością; folder domowy i foldery nad nim są odrzucane.</translation>
    </message>
    <message>
        <source>&amp;Never clean these (every item passes them over)</source>
        <translation>&amp;Nigdy nie czyść tych miejsc (każdy element je pomija)</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder; * and ? may stand in names). Nothing in a kept folder is deleted, emptied or edited.</source>
        <translation>Jeden plik lub folder w wierszu (~/ oznacza folder domowy; w nazwach można używać * i ?). Nic w zachowanym folderze nie jest usuwane, opróżniane ani edytowane.</translation>
    </message>
</context>
<context>
    <name>TfmAddReg</name>
    <message>
        <source>Add Registry Key</source>
        <translation>Dodaj klucz rejestru</translation>
    </message>
    <message>
        <source>Key Name</source>
        <translation>Nazwa klucza</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>TfmItemProps</name>
    <message>
        <source>Item Properties</source>
        <translation>Właściwości elementu</translation>
    </message>
    <message>
        <source>Entire folder</source>
        <translation>Cały folder</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>Nazwa folderu:</translation>
    </message>
    <message>
        <source>Folder content</source>
        <translation>Zawartość folderu</translation>
    </message>
    <message>
        <source>Include pattern:</source>
        <translation>Wzorzec dołączania:</translation>
    </message>
    <message>
        <source>Included items list:</source>
        <translation>Lista dołączonych elementów:</translation>
    </message>
    <message>
        <source>Add Included Pattern</source>
        <translation>Dodaj wzorzec dołączania</translation>
    </message>
    <message>
        <source>Remove Included Item</source>
        <translation>Usuń dołączony element</translation>
    </message>
    <message>
        <source>Show Included files...</source>
        <translation>Pokaż dołączone pliki...</translation>
    </message>
    <message>
        <source>Exclude wiping of files</source>
        <translation>Wyklucz pliki z wymazywania</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Please specify a directory</source>
        <translation>Wskaż folder</translation>
    </message>
    <message>
        <source>Please add at least a pattern to pattern list</source>
        <translation>Dodaj co najmniej jeden wzorzec do listy wzorców</translation>
    </message>
</context>
<context>
    <name>TfmShowFiles</name>
    <message>
        <source>Included files</source>
        <translation>Dołączone pliki</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
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
        <translation> i </translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped.</source>
        <translation>Wolne miejsce na %1 nie zostało wymazane.</translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped completely.</source>
        <translation>Wolne miejsce na %1 nie zostało w pełni wymazane.</translation>
    </message>
    <message>
        <source>It stopped while overwriting &quot;%1&quot;: that file is left under its own name, not completely overwritten.</source>
        <translation>Zatrzymano podczas nadpisywania „%1”: ten plik pozostał pod własną nazwą, nie w pełni nadpisany.</translation>
    </message>
    <message>
        <source>Jobs not reached: %1 of %2.</source>
        <translation>Nieosiągnięte zadania: %1 z %2.</translation>
    </message>
    <message>
        <source>Overwritten before the stop: %1, in %2.</source>
        <translation>Nadpisano przed zatrzymaniem: %1 w %2.</translation>
    </message>
    <message>
        <source>Overwritten with every pass: %1, in %2.</source>
        <translation>Nadpisano wszystkimi przebiegami: %1 w %2.</translation>
    </message>
    <message>
        <source>Left behind: %1.</source>
        <translation>Pozostało: %1.</translation>
    </message>
    <message>
        <source>Not found when their turn came: %1.</source>
        <translation>Nie znaleziono, gdy nadeszła ich kolej: %1.</translation>
    </message>
    <message>
        <source>Left partly overwritten when the run stopped:</source>
        <translation>Pozostawione częściowo nadpisane po zatrzymaniu:</translation>
    </message>
    <message>
        <source>Not reached:</source>
        <translation>Nieosiągnięte:</translation>
    </message>
    <message>
        <source>Left behind:</source>
        <translation>Pozostało:</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>Nie znaleziono:</translation>
    </message>
    <message>
        <source>: %1 wiped in %2.</source>
        <translation>: %1 wymazano w %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The settings folder could not be prepared: changed settings and methods may not be saved.</source>
        <translation>Nie można przygotować folderu ustawień: zmienione ustawienia i metody mogą nie zostać zapisane.</translation>
    </message>
    <message>
        <source>The methods and settings could not all be read: %1</source>
        <translation>Nie można odczytać wszystkich metod i ustawień: %1</translation>
    </message>
    <message>
        <source>The changed settings could not be saved: %1</source>
        <translation>Nie można zapisać zmienionych ustawień: %1</translation>
    </message>
</context>
</TS>
