<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AdministratorRun</name>
    <message>
        <source> (%1 ended with status %2%3)</source>
        <translation> (%1 завершился с кодом %2%3)</translation>
    </message>
    <message>
        <source>No authentication agent is running, so nobody could be asked for the administrator&apos;s password: nothing was wiped. Start your desktop&apos;s polkit agent (for example lxpolkit or polkit-gnome), or run ferrovane-cli as root in a terminal.</source>
        <translation>Не запущен агент аутентификации, поэтому пароль администратора некому было запросить: ничего не затёрто. Запустите агент polkit вашего рабочего стола (например, lxpolkit или polkit-gnome) или запустите ferrovane-cli от root в терминале.</translation>
    </message>
    <message>
        <source>The polkit service, which decides who may act as the administrator, is not running: nothing was wiped. Run ferrovane-cli as root in a terminal instead.</source>
        <translation>Служба polkit, которая решает, кто может действовать как администратор, не запущена: ничего не затёрто. Вместо этого запустите ferrovane-cli от root в терминале.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given, or the request was refused: nothing was wiped.</source>
        <translation>Пароль администратора не был введён или запрос был отклонён: ничего не затёрто.</translation>
    </message>
    <message>
        <source>%1 could not start the run with administrator rights: nothing was wiped.</source>
        <translation>%1 не удалось начать выполнение с правами администратора: ничего не затёрто.</translation>
    </message>
    <message>
        <source>The run with administrator rights ended without an outcome, so what it wiped is unknown.</source>
        <translation>Выполнение с правами администратора завершилось без результата, поэтому неизвестно, что было затёрто.</translation>
    </message>
    <message>
        <source>The engine is running: nothing was handed over.</source>
        <translation>Механизм уже работает: ничего не передано.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2: nothing was wiped.</source>
        <translation>Не удалось запустить %1: %2: ничего не затёрто.</translation>
    </message>
    <message>
        <source>%1 can only be wiped with administrator rights, and pkexec, which asks for them, is not installed (Debian package &quot;pkexec&quot;). Install it, or run ferrovane-cli as root in a terminal.</source>
        <translation>%1 можно затереть только с правами администратора, а pkexec, который их запрашивает, не установлен (пакет Debian «pkexec»). Установите его или запустите ferrovane-cli от root в терминале.</translation>
    </message>
    <message>
        <source>Some of what needs administrator rights cannot be handed to them.</source>
        <translation>Часть того, что требует прав администратора, невозможно им передать.</translation>
    </message>
    <message>
        <source>Only what the window can see as it is now, without a link on its way, is handed over.</source>
        <translation>Передаётся только то, что окно видит в текущем состоянии, без символических ссылок на пути к нему.</translation>
    </message>
    <message>
        <source>Wiping the free space of %1 needs administrator rights. Run as administrator?</source>
        <translation>Для затирания свободного места на %1 нужны права администратора. Выполнить от имени администратора?</translation>
    </message>
    <message>
        <source>%1 could not be wiped without administrator rights. Run as administrator?</source>
        <translation>Не удалось затереть %1 без прав администратора. Выполнить от имени администратора?</translation>
    </message>
    <message>
        <source>Continue as administrator</source>
        <translation>Продолжить от имени администратора</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>ferrovane: no display can be opened; without a window, use ferrovane-cli (see ferrovane-cli --help)</source>
        <translation>ferrovane: не удаётся открыть ни один дисплей; без окна используйте ferrovane-cli (см. ferrovane-cli --help)</translation>
    </message>
</context>
<context>
    <name>FileManagerOffer</name>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to the context menus of Dolphin, Nemo and Nautilus, and Ferrovane to &quot;Open With&quot;, for you? Each entry opens this window with the selection queued; nothing is wiped before you press Start and answer its question.</source>
        <translation>Добавить для вас пункт «Затереть с помощью Ferrovane» в контекстные меню Dolphin, Nemo и Nautilus, а Ferrovane — в «Открыть с помощью»? Каждый пункт открывает это окно с выбранным в очереди; ничего не затирается, пока вы не нажмёте «Начать» и не ответите на вопрос.</translation>
    </message>
    <message>
        <source>Also add &quot;Wipe with Ferrovane&quot; to Thunar&apos;s custom actions in %1? Your other actions are kept.</source>
        <translation>Добавить также «Затереть с помощью Ferrovane» в пользовательские действия Thunar в %1? Ваши другие действия сохранятся.</translation>
    </message>
    <message>
        <source>&quot;Wipe with Ferrovane&quot; was added. A file manager that is open shows it once it is started again.</source>
        <translation>Пункт «Затереть с помощью Ferrovane» добавлен. Открытый файловый менеджер покажет его после перезапуска.</translation>
    </message>
    <message>
        <source>Some file-manager entries could not be added.</source>
        <translation>Некоторые пункты файловых менеджеров добавить не удалось.</translation>
    </message>
</context>
<context>
    <name>PassSummary</name>
    <message>
        <source>Bytes </source>
        <translation>Байты </translation>
    </message>
    <message>
        <source>Text (empty: the pass cannot be written)</source>
        <translation>Текст (пустой: проход не может быть записан)</translation>
    </message>
    <message>
        <source>Text &apos;%1&apos;</source>
        <translation>Текст &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Random bytes</source>
        <translation>Случайные байты</translation>
    </message>
    <message>
        <source>Random bytes </source>
        <translation>Случайные байты </translation>
    </message>
    <message>
        <source>One random byte value</source>
        <translation>Одно случайное значение байта</translation>
    </message>
    <message>
        <source>One random byte value in </source>
        <translation>Одно случайное значение байта в диапазоне </translation>
    </message>
    <message>
        <source>Unknown kind %1: writes nothing</source>
        <translation>Неизвестный вид %1: ничего не записывает</translation>
    </message>
    <message>
        <source>, read back</source>
        <translation>, с обратным чтением</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 item</source>
        <translation>1 элемент</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 элем.</translation>
    </message>
    <message>
        <source>On this system: %1</source>
        <translation>В этой системе: %1</translation>
    </message>
</context>
<context>
    <name>QtPromptService</name>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
</context>
<context>
    <name>QtWipeServices</name>
    <message>
        <source> is a executable file. Are you sure to wipe it?</source>
        <translation> — исполняемый файл. Вы уверены, что хотите затереть его?</translation>
    </message>
</context>
<context>
    <name>SizeFunctions</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source> KiB</source>
        <translation> КиБ</translation>
    </message>
    <message>
        <source> MiB</source>
        <translation> МиБ</translation>
    </message>
    <message>
        <source> GiB</source>
        <translation> ГиБ</translation>
    </message>
    <message>
        <source> TiB</source>
        <translation> ТиБ</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>Main website:</source>
        <translation>Основной сайт:</translation>
    </message>
    <message>
        <source>Support email:</source>
        <translation>Электронная почта поддержки:</translation>
    </message>
    <message>
        <source>Ferrovane %1</source>
        <translation>Ferrovane %1</translation>
    </message>
    <message>
        <source>Licence: distributed by its developers under the terms published at %1/ (the package&apos;s copyright file says the same).</source>
        <translation>Лицензия: распространяется разработчиками на условиях, опубликованных по адресу %1/ (файл copyright пакета говорит то же самое).</translation>
    </message>
    <message>
        <source>Settings (Ferrovane.ini, prefs.dat) are kept in %1</source>
        <translation>Настройки (Ferrovane.ini, prefs.dat) хранятся в %1</translation>
    </message>
    <message>
        <source>Wipe methods are kept in %1</source>
        <translation>Методы затирания хранятся в %1</translation>
    </message>
    <message>
        <source>Delete with Wiping: the files and folders you list are overwritten with their method, pass after pass, and deleted.</source>
        <translation>Удаление с затиранием: перечисленные вами файлы и папки перезаписываются своим методом, проход за проходом, и удаляются.</translation>
    </message>
    <message>
        <source>Wipe free space: the free space of the drives you check is filled and overwritten, so files deleted earlier cannot be recovered from it.</source>
        <translation>Затирание свободного места: свободное место отмеченных вами дисков заполняется и перезаписывается, так что удалённые ранее файлы нельзя из него восстановить.</translation>
    </message>
    <message>
        <source>Wipe special folders: the temporary, browser and trash folders you check are wiped with the folders&apos; method.</source>
        <translation>Затирание специальных папок: отмеченные вами временные папки, папки браузеров и корзины затираются методом для папок.</translation>
    </message>
    <message>
        <source>Clear recently used files: the lists of recently used files that the desktop and programs keep are removed.</source>
        <translation>Очистка недавних файлов: удаляются списки недавно использованных файлов, которые ведут рабочий стол и программы.</translation>
    </message>
    <message>
        <source>Clean traces: traces of use (caches, histories, cookies) are found and removed; Preview lists them first.</source>
        <translation>Очистка следов: следы использования (кэши, история, файлы cookie) находятся и удаляются; предпросмотр сначала показывает их список.</translation>
    </message>
    <message>
        <source>Options: wipe methods are made, looked at and changed, and each kind of wipe is given its method.</source>
        <translation>Параметры: методы затирания создаются, просматриваются и изменяются, и каждому виду затирания назначается свой метод.</translation>
    </message>
</context>
<context>
    <name>TCleanTracesPage</name>
    <message>
        <source>Clean &amp;traces</source>
        <translation>Очистка с&amp;ледов</translation>
    </message>
    <message>
        <source>Traces to clean</source>
        <translation>Следы для очистки</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>След</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Найдено</translation>
    </message>
    <message>
        <source>Overwrite files &amp;before deleting them</source>
        <translation>&amp;Перезаписывать файлы перед удалением</translation>
    </message>
    <message>
        <source>Files are wiped with the method of the file engine instead of being deleted plainly.</source>
        <translation>Файлы затираются методом механизма файлов, а не просто удаляются.</translation>
    </message>
    <message>
        <source>Pat&amp;hs…</source>
        <translation>П&amp;ути…</translation>
    </message>
    <message>
        <source>Your own files and folders to clean, and the places no item ever cleans.</source>
        <translation>Ваши собственные файлы и папки для очистки, а также места, которые не очищает ни один элемент.</translation>
    </message>
    <message>
        <source>Sch&amp;edule…</source>
        <translation>&amp;Расписание…</translation>
    </message>
    <message>
        <source>Clean chosen traces on a schedule, also while the window is closed where the user&apos;s service manager runs.</source>
        <translation>Очищать выбранные следы по расписанию, в том числе когда окно закрыто, если работает менеджер служб пользователя.</translation>
    </message>
    <message>
        <source>Preview and outcome</source>
        <translation>Предпросмотр и результат</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Что</translation>
    </message>
    <message>
        <source>Size or reason</source>
        <translation>Размер/причина</translation>
    </message>
    <message>
        <source>Look &amp;again</source>
        <translation>Поискать с&amp;нова</translation>
    </message>
    <message>
        <source>Works out again what each item finds now.</source>
        <translation>Заново определяет, что находит каждый элемент сейчас.</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>Предпр&amp;осмотр</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Ос&amp;тановить</translation>
    </message>
    <message>
        <source>The paths could not be kept, nothing changed: %1</source>
        <translation>Пути не удалось сохранить, ничего не изменено: %1</translation>
    </message>
    <message>
        <source>The choice holds until the program ends, but the settings file could not keep it: %1</source>
        <translation>Выбор действует до завершения программы, но файл настроек не смог его сохранить: %1</translation>
    </message>
    <message>
        <source>Looking for traces...</source>
        <translation>Поиск следов...</translation>
    </message>
    <message>
        <source>%1 in use or out of reach</source>
        <translation>%1 используется или недоступно</translation>
    </message>
    <message>
        <source>nothing to clean</source>
        <translation>нечего очищать</translation>
    </message>
    <message>
        <source>Nothing of this kind was found on this system.</source>
        <translation>Ничего такого в этой системе не найдено.</translation>
    </message>
    <message>
        <source>Would remove %1.</source>
        <translation>Будет удалено: %1.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Удалено: %1.</translation>
    </message>
    <message>
        <source>%1 cannot be removed now (listed first).</source>
        <translation>%1 сейчас нельзя удалить (указано первым).</translation>
    </message>
    <message>
        <source>%1 could not be removed (listed first).</source>
        <translation>%1 не удалось удалить (указано первым).</translation>
    </message>
    <message>
        <source>Check a trace that has something to clean.</source>
        <translation>Отметьте след, в котором есть что очищать.</translation>
    </message>
    <message>
        <source>Preview stopped. </source>
        <translation>Предпросмотр остановлен. </translation>
    </message>
    <message>
        <source>Remove %1, found by %2 (%3)? This cannot be undone.
Preview lists each trace first.</source>
        <translation>Удалить %1, найденное элементом «%2» (%3)? Это действие нельзя отменить.
Предпросмотр сначала показывает каждый след.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Удалить %1</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Остановлено. </translation>
    </message>
    <message>
        <source>The schedule in the settings file cannot be read: %1</source>
        <translation>Не удаётся прочитать расписание в файле настроек: %1</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Очистка по расписанию не задана.</translation>
    </message>
    <message>
        <source>Scheduled cleans are started by the user&apos;s service manager (systemd timer %1), also while Ferrovane is closed.</source>
        <translation>Очистку по расписанию запускает менеджер служб пользователя (таймер systemd %1), в том числе когда Ferrovane закрыт.</translation>
    </message>
    <message>
        <source>No user service manager runs: scheduled cleans are started by this window&apos;s timer while it is open.</source>
        <translation>Менеджер служб пользователя не работает: очистку по расписанию запускает таймер этого окна, пока оно открыто.</translation>
    </message>
    <message>
        <source>The schedule is on but never falls due: choose a day or a month.</source>
        <translation>Расписание включено, но никогда не наступает: выберите день или месяц.</translation>
    </message>
    <message>
        <source>No trace is chosen for it.</source>
        <translation>Для него не выбран ни один след.</translation>
    </message>
    <message>
        <source>The schedule could not be kept, nothing changed: %1</source>
        <translation>Расписание не удалось сохранить, ничего не изменено: %1</translation>
    </message>
    <message>
        <source>Scheduled clean: </source>
        <translation>Очистка по расписанию: </translation>
    </message>
    <message>
        <source>The outcome could not be recorded: %1</source>
        <translation>Не удалось записать результат: %1</translation>
    </message>
</context>
<context>
    <name>TDeletePage</name>
    <message>
        <source>&amp;Delete with Wiping</source>
        <translation>У&amp;даление с затиранием</translation>
    </message>
    <message>
        <source>Files Wiping </source>
        <translation>Затирание файлов </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>As admin...</source>
        <translation>От администратора...</translation>
    </message>
    <message>
        <source>Wipe the files marked with a shield, which you may not change, with administrator rights</source>
        <translation>Затереть с правами администратора файлы, отмеченные щитом, которые вы не можете изменять</translation>
    </message>
    <message>
        <source>Folders Wiping </source>
        <translation>Затирание папок </translation>
    </message>
    <message>
        <source>Wipe the folders marked with a shield, which you may not change, with administrator rights</source>
        <translation>Затереть с правами администратора папки, отмеченные щитом, которые вы не можете изменять</translation>
    </message>
    <message>
        <source>Save what the last run did, and what the device check found, as a page to keep (HTML) or for other programs (JSON).</source>
        <translation>Сохранить, что сделал последний запуск и что нашла проверка устройства, в виде страницы для хранения (HTML) или для других программ (JSON).</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Сохранить отчёт...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>Report page (*.html);;Report for programs (*.json)</source>
        <translation>Страница отчёта (*.html);;Отчёт для программ (*.json)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1 (%2).</source>
        <translation>Не удалось сохранить отчёт в %1 (%2).</translation>
    </message>
    <message>
        <source>
You may not change the folder that holds it: wiping it needs administrator rights.</source>
        <translation>
Вы не можете изменять папку, в которой он находится: для его затирания нужны права администратора.</translation>
    </message>
    <message>
        <source>Select files to shred</source>
        <translation>Выберите файлы для уничтожения</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 of the files chosen cannot be wiped.</source>
        <translation>Выбранных файлов, которые нельзя затереть: %1.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>%1 of the folders chosen cannot be wiped.</source>
        <translation>Выбранных папок, которые нельзя затереть: %1.</translation>
    </message>
    <message>
        <source>%1: is on a system file system (%2): not wiped</source>
        <translation>%1: находится в системной файловой системе (%2): не затёрто</translation>
    </message>
    <message>
        <source>Only existing files and folders of this computer can be wiped; nothing on a system file system (proc, sysfs, ...) is.</source>
        <translation>Затирать можно только существующие файлы и папки этого компьютера; ничего в системных файловых системах (proc, sysfs, ...) не затирается.</translation>
    </message>
    <message>
        <source>%1: not a file or folder of this computer</source>
        <translation>%1: не файл и не папка этого компьютера</translation>
    </message>
    <message>
        <source>%1: its list is being wiped now</source>
        <translation>%1: его список сейчас затирается</translation>
    </message>
    <message>
        <source>%1 of the items handed over could not be added.</source>
        <translation>Переданных объектов, которые не удалось добавить: %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>Затереть %1 (%2)? Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Затереть </translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>Задание затирания прервано!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>Задание затирания выполнено не полностью. Осталось: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>Задание затирания успешно выполнено!</translation>
    </message>
    <message>
        <source>Wipe %1 with administrator rights (%2)? You will be asked for the password. This cannot be undone.</source>
        <translation>Затереть %1 с правами администратора (%2)? Будет запрошен пароль. Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Wipe %1 as administrator</source>
        <translation>Затереть %1 от имени администратора</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 now (%2 free)? The old blocks of the files just deleted there are overwritten.</source>
        <translation>Затереть свободное место на %1 сейчас (свободно %2)? Старые блоки только что удалённых там файлов будут перезаписаны.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Затереть свободное место на %1</translation>
    </message>
    <message>
        <source>The wipe of the free space has been aborted!</source>
        <translation>Затирание свободного места прервано!</translation>
    </message>
    <message>
        <source>The free space of %1 has been wiped: the old blocks of the files deleted there are overwritten.</source>
        <translation>Свободное место на %1 затёрто: старые блоки удалённых там файлов перезаписаны.</translation>
    </message>
    <message>
        <source>Report for programs (*.json)</source>
        <translation>Отчёт для программ (*.json)</translation>
    </message>
    <message>
        <source>Not handed to the administrator&apos;s run, as the window cannot see it as it is now:
%1</source>
        <translation>Не передано запуску от имени администратора: окно не может увидеть это в текущем состоянии:
%1</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do. Wipe %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Проверка устройства после затирания перечитывает его, а это может только администратор. Затереть %1 с правами администратора и проверить устройство? Будет запрошен пароль. Чтобы затереть без проверки, выключите «Проверять устройство после затирания» в параметрах.</translation>
    </message>
</context>
<context>
    <name>TFreeSpacePage</name>
    <message>
        <source>&amp;Wipe free space</source>
        <translation>З&amp;атирание свободного места</translation>
    </message>
    <message>
        <source>Local drives list </source>
        <translation>Список локальных дисков </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>ФС</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Clean &amp;Free Space</source>
        <translation>&amp;Затереть свободное место</translation>
    </message>
    <message>
        <source>Wipe as administrator...</source>
        <translation>Затереть от имени администратора...</translation>
    </message>
    <message>
        <source>Wipe the free space of the selected drive, which only the administrator may fill, with administrator rights</source>
        <translation>Затереть с правами администратора свободное место выбранного диска, которое может заполнить только администратор</translation>
    </message>
    <message>
        <source>only the administrator may write there</source>
        <translation>записывать туда может только администратор</translation>
    </message>
    <message>
        <source>mounted read-only</source>
        <translation>смонтирован только для чтения</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>
Its free space cannot be wiped: </source>
        <translation>
Его свободное место нельзя затереть: </translation>
    </message>
    <message>
        <source>. Wipe as administrator can.</source>
        <translation>. Это можно сделать от имени администратора.</translation>
    </message>
    <message>
        <source>A temporary file of an interrupted free-space wipe was found on %1 (%2). Wipe and remove it now?</source>
        <translation>На %1 найден временный файл прерванного затирания свободного места (%2). Затереть и удалить его сейчас?</translation>
    </message>
    <message>
        <source>Wipe and remove it</source>
        <translation>Затереть и удалить</translation>
    </message>
    <message>
        <source>%1 was not wiped: a free-space wipe of its drive is running.</source>
        <translation>%1 не затёрт: выполняется затирание свободного места на его диске.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>Задание затирания прервано!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>Задание затирания выполнено не полностью. Осталось: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>Задание затирания успешно выполнено!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1? Other programs cannot write to %2 until it ends.</source>
        <translation>Затереть свободное место на %1? Другие программы не смогут записывать на %2, пока оно не завершится.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Затереть свободное место на %1</translation>
    </message>
    <message>
        <source>The Wipe free space task has been aborted!</source>
        <translation>Затирание свободного места прервано!</translation>
    </message>
    <message>
        <source>The Wipe free space task has been completed successfully!</source>
        <translation>Затирание свободного места успешно выполнено!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 with administrator rights? You will be asked for the password; other programs cannot write to it until it ends.</source>
        <translation>Затереть свободное место на %1 с правами администратора? Будет запрошен пароль; другие программы не смогут записывать туда, пока оно не завершится.</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do: your own run would leave it &quot;not verified (needs administrator rights)&quot;. Wipe the free space of %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Проверка устройства после затирания перечитывает его, а это может только администратор: ваш собственный запуск оставит его «не проверено (нужны права администратора)». Затереть свободное место %1 с правами администратора и проверить устройство? Будет запрошен пароль. Чтобы затереть без проверки, выключите «Проверять устройство после затирания» в параметрах.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>About Ferrovane</source>
        <translation>О программе Ferrovane</translation>
    </message>
    <message>
        <source>Ferrovane on the web</source>
        <translation>Ferrovane в интернете</translation>
    </message>
    <message>
        <source>The readme (readme.txt) that comes with Ferrovane was not found beside the program.
The About page says what each page does.</source>
        <translation>Файл readme (readme.txt), поставляемый с Ferrovane, не найден рядом с программой.
На странице «О программе» описано, что делает каждая страница.</translation>
    </message>
    <message>
        <source>The readme answers the usual questions; &quot;When something is left behind&quot; explains what a report after a run means.</source>
        <translation>В файле readme есть ответы на частые вопросы; раздел «When something is left behind» объясняет, что означает отчёт после выполнения.</translation>
    </message>
    <message>
        <source>Check for updates: starts the updater %1</source>
        <translation>Проверка обновлений: запускает программу обновления %1</translation>
    </message>
</context>
<context>
    <name>TMethodList</name>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>Comes with Ferrovane: Edit shows it, and Copy there makes a copy you can change.</source>
        <translation>Поставляется с Ferrovane: «Изменить» показывает его, а «Копировать» там создаёт копию, которую можно изменять.</translation>
    </message>
    <message>
        <source>The file of this method could not be read whole (%1), so no wipe uses it. Edit it and press OK to store what was read as a whole method.</source>
        <translation>Файл этого метода не удалось прочитать целиком (%1), поэтому ни одно затирание его не использует. Откройте его для изменения и нажмите «ОК», чтобы сохранить прочитанное как целый метод.</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be %2 now: %3 is running with it.
Try again once the wipe has ended.</source>
        <translation>Метод «%1» сейчас нельзя %2: с ним выполняется %3.
Повторите попытку, когда затирание завершится.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Ferrovane wipe method files (*%1)</source>
        <translation>Файлы методов затирания Ferrovane (*%1)</translation>
    </message>
    <message>
        <source>Method files can be saved only in &quot;%1&quot;.
&quot;%2&quot; will be saved in this folder.</source>
        <translation>Файлы методов можно сохранять только в «%1».
«%2» будет сохранён в эту папку.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of &quot;%2&quot;, which comes with Ferrovane and is not replaced.
Choose another file name.</source>
        <translation>«%1» — файл метода «%2», который поставляется с Ferrovane и не заменяется.
Выберите другое имя файла.</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>заменить</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the method &quot;%2&quot;.
Replace that method with the new one?</source>
        <translation>«%1» — файл метода «%2».
Заменить этот метод новым?</translation>
    </message>
    <message>
        <source>New Method</source>
        <translation>Новый метод</translation>
    </message>
    <message>
        <source>Copy of Method</source>
        <translation>Копия метода</translation>
    </message>
    <message>
        <source>Method (read-only)</source>
        <translation>Метод (только чтение)</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>изменить</translation>
    </message>
    <message>
        <source>Edit Method</source>
        <translation>Изменение метода</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>удалить</translation>
    </message>
    <message>
        <source>Are you sure you want to delete method &quot;%1&quot;?</source>
        <translation>Вы уверены, что хотите удалить метод «%1»?</translation>
    </message>
    <message>
        <source>use &quot;%1&quot; instead.</source>
        <translation>использовать «%1».</translation>
    </message>
    <message>
        <source>have no method, and wipe nothing, until another is chosen.</source>
        <translation>работать без метода и ничего не затирать, пока не будет выбран другой.</translation>
    </message>
    <message>
        <source>Unable to delete %1 (%2).</source>
        <translation>Не удалось удалить %1 (%2).</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be used: its file could not be read whole.
Edit it and press OK to store what was read as a whole method.</source>
        <translation>Метод «%1» нельзя использовать: его файл не удалось прочитать целиком.
Откройте его для изменения и нажмите «ОК», чтобы сохранить прочитанное как целый метод.</translation>
    </message>
    <message>
        <source>

%1 is set to use it, and will </source>
        <translation>

Этот метод выбран для: %1. После удаления они будут </translation>
    </message>
    <message>
        <source>

%1 are set to use it, and will </source>
        <translation>

Этот метод выбран для: %1. После удаления они будут </translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source>&amp;Options</source>
        <translation>Параметр&amp;ы</translation>
    </message>
    <message>
        <source>&amp;Methods </source>
        <translation>Ме&amp;тоды </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Wipe Type</source>
        <translation>Вид затирания</translation>
    </message>
    <message>
        <source>Wipe Files</source>
        <translation>Затирание файлов</translation>
    </message>
    <message>
        <source>Wipe Folders</source>
        <translation>Затирание папок</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Затирание свободного места</translation>
    </message>
    <message>
        <source>Warn on deleting an executable file</source>
        <translation>Предупреждать при удалении исполняемого файла</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>Questions before a wipe </source>
        <translation>Вопросы перед затиранием </translation>
    </message>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Спрашивать перед затиранием файлов и папок</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Спрашивать перед затиранием свободного места</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Спрашивать перед затиранием специальных папок</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Спрашивать перед очисткой следов</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Спрашивать перед очисткой недавних файлов</translation>
    </message>
    <message>
        <source>Ask again everywhere</source>
        <translation>Снова спрашивать везде</translation>
    </message>
    <message>
        <source>Method Description </source>
        <translation>Описание метода </translation>
    </message>
    <message>
        <source>Discard free blocks after wiping free space (SSDs)</source>
        <translation>Освобождать блоки после затирания свободного места (SSD)</translation>
    </message>
    <message>
        <source>After each wipe, read the device back where the deleted files and their names lay (needs administrator rights), and name what is still there.</source>
        <translation>После каждого затирания читать устройство обратно там, где находились удалённые файлы и их имена (нужны права администратора), и сообщать, что там ещё осталось.</translation>
    </message>
    <message>
        <source>Check the device after wiping</source>
        <translation>Проверять устройство после затирания</translation>
    </message>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to file managers...</source>
        <translation>Добавить пункт Ferrovane в файловые менеджеры...</translation>
    </message>
    <message>
        <source>Erase old copies of file names from the file system journal (ext4, XFS)</source>
        <translation>Стирать старые копии имён файлов из журнала файловой системы (ext4, XFS)</translation>
    </message>
    <message>
        <source>Takes seconds after each wipe and writes about the journal&apos;s size.</source>
        <translation>Занимает секунды после каждого затирания и записывает примерно объём журнала.</translation>
    </message>
    <message>
        <source>%1 will be wiped with &quot;%2&quot;.</source>
        <translation>%1 будет затираться методом «%2».</translation>
    </message>
</context>
<context>
    <name>TRecentFilesPage</name>
    <message>
        <source>&amp;Clear recently used files</source>
        <translation>Очист&amp;ка недавних файлов</translation>
    </message>
    <message>
        <source>Known lists </source>
        <translation>Известные списки </translation>
    </message>
    <message>
        <source>Most Recently Used (MRU) lists of known products:</source>
        <translation>Списки недавно использованного (MRU) известных продуктов:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Other lists </source>
        <translation>Другие списки </translation>
    </message>
    <message>
        <source>MRU lists of other programs:</source>
        <translation>Списки MRU других программ:</translation>
    </message>
    <message>
        <source>Search Registry for other MRU lists</source>
        <translation>Искать другие списки MRU в реестре</translation>
    </message>
    <message>
        <source>Add Existing Key</source>
        <translation>Добавить существующий ключ</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Удалить выбранное</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Ос&amp;тановить</translation>
    </message>
    <message>
        <source>On this system</source>
        <translation>В этой системе</translation>
    </message>
    <message>
        <source>kept only by Windows</source>
        <translation>ведётся только Windows</translation>
    </message>
    <message>
        <source>Windows registry list</source>
        <translation>список реестра Windows</translation>
    </message>
    <message>
        <source>The desktop&apos;s lists of recently used files are empty.</source>
        <translation>Списки недавно использованных файлов рабочего стола пусты.</translation>
    </message>
    <message>
        <source>This list is not kept on this system.</source>
        <translation>В этой системе этот список не ведётся.</translation>
    </message>
    <message>
        <source>This list holds nothing on this system.</source>
        <translation>В этой системе этот список ничего не содержит.</translation>
    </message>
    <message>
        <source>Clear %1 (%2)? This cannot be undone.</source>
        <translation>Очистить %1 (%2)? Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Очистить %1</translation>
    </message>
    <message>
        <source>The registry store could not be written; nothing was removed from it.
</source>
        <translation>Не удалось записать хранилище реестра; из него ничего не удалено.
</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Остановлено.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has not been completed. Left: %1.</source>
        <translation>Задание очистки недавних файлов выполнено не полностью. Осталось: %1.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has been completed successfully!</source>
        <translation>Задание очистки недавних файлов успешно выполнено!</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>Поиск остановлен.</translation>
    </message>
</context>
<context>
    <name>TReportDialog</name>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Показать подробности...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>&amp;Скрыть подробности...</translation>
    </message>
</context>
<context>
    <name>TRunNotifier</name>
    <message>
        <source>1 item was left behind</source>
        <translation>Остался 1 объект</translation>
    </message>
    <message>
        <source>%1 items were left behind</source>
        <translation>Осталось объектов: %1</translation>
    </message>
    <message>
        <source>The wipe task has been aborted.</source>
        <translation>Задание затирания прервано.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted; %1.</source>
        <translation>Задание затирания прервано; %1.</translation>
    </message>
    <message>
        <source>The wipe task has not been completed: %1.</source>
        <translation>Задание затирания выполнено не полностью: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully.</source>
        <translation>Задание затирания успешно выполнено.</translation>
    </message>
    <message>
        <source>Show Ferrovane</source>
        <translation>Показать Ferrovane</translation>
    </message>
</context>
<context>
    <name>TRunProgress</name>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>осталось около %1</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 из %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>записано %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>free space of %1</source>
        <translation>свободное место на %1</translation>
    </message>
    <message>
        <source>Wiping</source>
        <translation>Затирание</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln files</source>
        <translation>
            <numerusform>Затирание: %Ln файл</numerusform>
            <numerusform>Затирание: %Ln файла</numerusform>
            <numerusform>Затирание: %Ln файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln folders</source>
        <translation>
            <numerusform>Затирание: %Ln папка</numerusform>
            <numerusform>Затирание: %Ln папки</numerusform>
            <numerusform>Затирание: %Ln папок</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping free space of %1</source>
        <translation>Затирание: свободное место на %1</translation>
    </message>
    <message numerus="yes">
        <source>Wiping free space of %Ln drives</source>
        <translation>
            <numerusform>Затирание: свободное место на %Ln диске</numerusform>
            <numerusform>Затирание: свободное место на %Ln дисках</numerusform>
            <numerusform>Затирание: свободное место на %Ln дисках</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln файл</numerusform>
            <numerusform>%Ln файла</numerusform>
            <numerusform>%Ln файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln папка</numerusform>
            <numerusform>%Ln папки</numerusform>
            <numerusform>%Ln папок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>free space of %Ln drives</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>свободное место на %Ln диске</numerusform>
            <numerusform>свободное место на %Ln дисках</numerusform>
            <numerusform>свободное место на %Ln дисках</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping %1</source>
        <translation>Затирание: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1</source>
        <translation>
            <numerusform>%Ln файл, %1</numerusform>
            <numerusform>%Ln файла, %1</numerusform>
            <numerusform>%Ln файлов, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRunQuestion</name>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Спрашивать перед затиранием файлов и папок</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Спрашивать перед затиранием свободного места</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Спрашивать перед затиранием специальных папок</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Спрашивать перед очисткой следов</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Спрашивать перед очисткой недавних файлов</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Больше не спрашивать</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>ещё %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
</context>
<context>
    <name>TSpecialFoldersPage</name>
    <message>
        <source>Wipe &amp;special folders</source>
        <translation>Затирани&amp;е специальных папок</translation>
    </message>
    <message>
        <source>Special folders </source>
        <translation>Специальные папки </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Trash </source>
        <translation>Корзина </translation>
    </message>
    <message>
        <source>Trash folders</source>
        <translation>Папки корзины</translation>
    </message>
    <message>
        <source>Wipe st&amp;art</source>
        <translation>&amp;Начать затирание</translation>
    </message>
    <message>
        <source>Folders &amp;method...</source>
        <translation>&amp;Метод для папок...</translation>
    </message>
    <message>
        <source>Chooses the wipe method of the folders engine, which wipes the folders of this page.</source>
        <translation>Выбирает метод затирания механизма папок, которым затираются папки этой страницы.</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>недоступно</translation>
    </message>
    <message>
        <source>Temporary Internet Files</source>
        <translation>Временные файлы Интернета</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Файлы cookie</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>Opera Cookies</source>
        <translation>Файлы cookie Opera</translation>
    </message>
    <message>
        <source>Opera Internet Cache</source>
        <translation>Интернет-кэш Opera</translation>
    </message>
    <message>
        <source>Opera History</source>
        <translation>История Opera</translation>
    </message>
    <message>
        <source>Opera Images</source>
        <translation>Изображения Opera</translation>
    </message>
    <message>
        <source>Not found on this system: there is nothing to wipe.</source>
        <translation>Не найдено в этой системе: затирать нечего.</translation>
    </message>
    <message>
        <source>Nothing to wipe here: the five shell folders are places of Windows, which this system does not name%1%2. The trash below is wiped from this page; browsers&apos; caches and histories from Clean traces.</source>
        <translation>Здесь нечего затирать: пять папок оболочки — это места Windows, которые эта система не называет%1%2. Корзина ниже затирается с этой страницы; кэши и история браузеров — на странице «Очистка следов».</translation>
    </message>
    <message>
        <source> (&quot;Show Windows items&quot; lists them)</source>
        <translation> («Показывать элементы Windows» выводит их)</translation>
    </message>
    <message>
        <source>, and no Opera profile was found</source>
        <translation>, и профиль Opera не найден</translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>Затереть %1 (%2)? Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Затереть </translation>
    </message>
    <message>
        <source>The Wipe special folders task has been completed successfully!</source>
        <translation>Задание затирания специальных папок успешно выполнено!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has been aborted!</source>
        <translation>Задание затирания специальных папок прервано!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has not been completed. Left behind: %1.</source>
        <translation>Задание затирания специальных папок выполнено не полностью. Осталось: %1.</translation>
    </message>
    <message>
        <source>No row is ticked: tick the folders to wipe first.</source>
        <translation>Ни одна строка не отмечена: сначала отметьте папки для затирания.</translation>
    </message>
</context>
<context>
    <name>TWindowRequest</name>
    <message>
        <source>Usage: ferrovane [--free-space] [--] [PATH...]</source>
        <translation>Использование: ferrovane [--free-space] [--] [ПУТЬ...]</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
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
        <translation>Использование: ferrovane [--free-space] [--] [ПУТЬ...]
Открывает окно Ferrovane, которое перезаписывает файлы, папки и свободное место дисков,
прежде чем удалить их. Указанные файлы и папки ставятся в очередь на странице
«Удаление с затиранием»; ничего не затирается, пока вы не нажмёте «Начать» и не ответите
на вопрос. Если окно уже открыто, оно принимает пути и выходит на передний план.

  --free-space  показать страницу «Затирание свободного места»
  --help        показать этот текст и выйти
  --version     показать версию и выйти
  --            каждый следующий аргумент — путь, даже если он начинается с «-»

Без окна: ferrovane-cli (см. ferrovane-cli --help).
</translation>
    </message>
</context>
<context>
    <name>TWindowsRowsFilter</name>
    <message>
        <source>Show Wi&amp;ndows items</source>
        <translation>Показывать элементы &amp;Windows</translation>
    </message>
    <message>
        <source>Show the rows of places that only Windows has</source>
        <translation>Показывать строки мест, которые есть только в Windows</translation>
    </message>
</context>
<context>
    <name>TfEditMethod</name>
    <message>
        <source>Method Name:</source>
        <translation>Название метода:</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Описание метода:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Проходы:</translation>
    </message>
    <message>
        <source>Add a pass</source>
        <translation>Добавить проход</translation>
    </message>
    <message>
        <source>Rename the pass</source>
        <translation>Переименовать проход</translation>
    </message>
    <message>
        <source>Delete the pass</source>
        <translation>Удалить проход</translation>
    </message>
    <message>
        <source> Pass </source>
        <translation> Проход </translation>
    </message>
    <message>
        <source>After the pass is written and on the disk, it is read back past the system&apos;s cache and compared with what was written; a difference or a read error names the file after the run.</source>
        <translation>После того как проход записан на диск, он читается обратно в обход системного кэша и сравнивается с записанным; при расхождении или ошибке чтения файл указывается после выполнения.</translation>
    </message>
    <message>
        <source> Wipe Width </source>
        <translation> Чем затирать </translation>
    </message>
    <message>
        <source>Byte Pattern</source>
        <translation>Байтовый шаблон</translation>
    </message>
    <message>
        <source>Random Bytes</source>
        <translation>Случайные байты</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>И</translation>
    </message>
    <message>
        <source>Random Character</source>
        <translation>Случайный символ</translation>
    </message>
    <message>
        <source>Text Pattern</source>
        <translation>Текстовый шаблон</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>What the method is for, and when to choose it</source>
        <translation>Для чего нужен метод и когда его выбирать</translation>
    </message>
    <message>
        <source>This method comes with Ferrovane and cannot be changed. Copy makes a copy of it that you can edit.</source>
        <translation>Этот метод поставляется с Ferrovane и не может быть изменён. «Копировать» создаёт его копию, которую можно изменять.</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Edit pass name</source>
        <translation>Изменить имя прохода</translation>
    </message>
    <message>
        <source>Pass name</source>
        <translation>Имя прохода</translation>
    </message>
    <message>
        <source>Are you sure you want to delete pass &quot;%1&quot;?</source>
        <translation>Вы уверены, что хотите удалить проход «%1»?</translation>
    </message>
    <message>
        <source>This method has no passes: files wiped with it are only deleted, not overwritten, and can be recovered.
Keep it without passes?</source>
        <translation>У этого метода нет проходов: затираемые им файлы только удаляются, а не перезаписываются, и их можно восстановить.
Оставить его без проходов?</translation>
    </message>
    <message>
        <source>Check &amp;Wipe</source>
        <translation>&amp;Проверять затирание</translation>
    </message>
</context>
<context>
    <name>TfMethodsForm</name>
    <message>
        <source>Wiping Methods</source>
        <translation>Методы затирания</translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation>&amp;Методы</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Описание метода:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>TfProgress</name>
    <message>
        <source>Delete Files and Folders</source>
        <translation>Удаление файлов и папок</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Counting the files to wipe...</source>
        <translation>Подсчёт файлов для затирания...</translation>
    </message>
    <message>
        <source>%1 files, %2 so far</source>
        <translation>Файлов: %1, пока что: %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Задание</translation>
    </message>
</context>
<context>
    <name>TfReadme</name>
    <message>
        <source>Ferrovane Help</source>
        <translation>Справка Ferrovane</translation>
    </message>
</context>
<context>
    <name>TfSchedule</name>
    <message>
        <source>Schedule of the trace cleaning</source>
        <translation>Расписание очистки следов</translation>
    </message>
    <message>
        <source>&amp;Clean traces on a schedule</source>
        <translation>&amp;Очищать следы по расписанию</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Когда</translation>
    </message>
    <message>
        <source>O&amp;nce</source>
        <translation>Одно&amp;кратно</translation>
    </message>
    <message>
        <source>&amp;Every N minutes</source>
        <translation>Каждые N &amp;минут</translation>
    </message>
    <message>
        <source>Every N h&amp;ours</source>
        <translation>Каждые N &amp;часов</translation>
    </message>
    <message>
        <source>Dai&amp;ly</source>
        <translation>&amp;Ежедневно</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>Еже&amp;недельно</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>Ежемес&amp;ячно</translation>
    </message>
    <message>
        <source>&amp;Date and time:</source>
        <translation>&amp;Дата и время:</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>Every &amp;minutes:</source>
        <translation>Интервал, мин&amp;ут:</translation>
    </message>
    <message>
        <source>Every &amp;hours:</source>
        <translation>Интервал, часо&amp;в:</translation>
    </message>
    <message>
        <source>and m&amp;inutes:</source>
        <translation>и мину&amp;т:</translation>
    </message>
    <message>
        <source>Every &amp;days:</source>
        <translation>Интервал, дне&amp;й:</translation>
    </message>
    <message>
        <source>&amp;At:</source>
        <translation>В&amp;ремя:</translation>
    </message>
    <message>
        <source>Every &amp;weeks:</source>
        <translation>Интервал, неде&amp;ль:</translation>
    </message>
    <message>
        <source>A&amp;t:</source>
        <translation>Время з&amp;апуска:</translation>
    </message>
    <message>
        <source>On:</source>
        <translation>Дни:</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message>
        <source>At&amp;:</source>
        <translation>Время &amp;пуска:</translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation>Ч&amp;исло</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>По дн&amp;ю недели</translation>
    </message>
    <message>
        <source>first</source>
        <translation>первый</translation>
    </message>
    <message>
        <source>second</source>
        <translation>второй</translation>
    </message>
    <message>
        <source>third</source>
        <translation>третий</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>четвёртый</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>пятый</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>суббота</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>воскресенье</translation>
    </message>
    <message>
        <source>of the week that holds the month&apos;s Thursday</source>
        <translation>(недели считаются по четвергам месяца)</translation>
    </message>
    <message>
        <source>In:</source>
        <translation>Месяцы:</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Янв</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Фев</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Мар</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Апр</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Июн</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Июл</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Авг</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Сен</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Окт</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Ноя</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Дек</translation>
    </message>
    <message>
        <source>Traces cleaned on schedule</source>
        <translation>Следы, очищаемые по расписанию</translation>
    </message>
    <message>
        <source>A scheduled clean asks nothing and removes what a clean of the same traces from this page removes.</source>
        <translation>Очистка по расписанию ничего не спрашивает и удаляет то же, что удаляет очистка тех же следов с этой страницы.</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Очистка по расписанию не задана.</translation>
    </message>
    <message>
        <source>This schedule never falls due: choose a day or a month.</source>
        <translation>Это расписание никогда не наступает: выберите день или месяц.</translation>
    </message>
    <message>
        <source>Calendar of the timer: %1</source>
        <translation>Календарь таймера: %1</translation>
    </message>
    <message>
        <source>No trace is chosen yet.</source>
        <translation>Следы пока не выбраны.</translation>
    </message>
</context>
<context>
    <name>TfTracePaths</name>
    <message>
        <source>Paths of the trace cleaning</source>
        <translation>Пути очистки следов</translation>
    </message>
    <message>
        <source>&amp;Custom files and folders, cleaned by the item &quot;Custom Files and Folders&quot;</source>
        <translation>&amp;Пользовательские файлы и папки для очистки</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder). A folder goes with everything in it; the home folder and the folders above it are refused.</source>
        <translation>Один файл или папка на строку (~/ — домашняя папка). Папка очищается со всем содержимым; домашняя папка и папки над ней не принимаются.</translation>
    </message>
    <message>
        <source>&amp;Never clean these (every item passes them over)</source>
        <translation>&amp;Никогда не очищать это (все элементы их пропускают)</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder; * and ? may stand in names). Nothing in a kept folder is deleted, emptied or edited.</source>
        <translation>Один файл или папка на строку (~/ — домашняя папка; в именах можно использовать * и ?). Ничего в сохраняемой папке не удаляется, не опустошается и не изменяется.</translation>
    </message>
</context>
<context>
    <name>TfmAddReg</name>
    <message>
        <source>Add Registry Key</source>
        <translation>Добавить ключ реестра</translation>
    </message>
    <message>
        <source>Key Name</source>
        <translation>Имя ключа</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
</context>
<context>
    <name>TfmItemProps</name>
    <message>
        <source>Item Properties</source>
        <translation>Свойства элемента</translation>
    </message>
    <message>
        <source>Entire folder</source>
        <translation>Вся папка</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>Имя папки:</translation>
    </message>
    <message>
        <source>Folder content</source>
        <translation>Содержимое папки</translation>
    </message>
    <message>
        <source>Include pattern:</source>
        <translation>Шаблон включения:</translation>
    </message>
    <message>
        <source>Included items list:</source>
        <translation>Список включённых элементов:</translation>
    </message>
    <message>
        <source>Add Included Pattern</source>
        <translation>Добавить шаблон включения</translation>
    </message>
    <message>
        <source>Remove Included Item</source>
        <translation>Удалить включённый элемент</translation>
    </message>
    <message>
        <source>Show Included files...</source>
        <translation>Показать включённые файлы...</translation>
    </message>
    <message>
        <source>Exclude wiping of files</source>
        <translation>Исключить файлы из затирания</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Please specify a directory</source>
        <translation>Укажите папку</translation>
    </message>
    <message>
        <source>Please add at least a pattern to pattern list</source>
        <translation>Добавьте хотя бы один шаблон в список шаблонов</translation>
    </message>
</context>
<context>
    <name>TfmShowFiles</name>
    <message>
        <source>Included files</source>
        <translation>Включённые файлы</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
</context>
<context>
    <name>WipeReport</name>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped.</source>
        <translation>Свободное место на %1 не затёрто.</translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped completely.</source>
        <translation>Свободное место на %1 затёрто не полностью.</translation>
    </message>
    <message>
        <source>It stopped while overwriting &quot;%1&quot;: that file is left under its own name, not completely overwritten.</source>
        <translation>Выполнение остановилось во время перезаписи «%1»: этот файл оставлен под своим именем и перезаписан не полностью.</translation>
    </message>
    <message>
        <source>Jobs not reached: %1 of %2.</source>
        <translation>Не достигнутые задания: %1 из %2.</translation>
    </message>
    <message>
        <source>Overwritten before the stop: %1, in %2.</source>
        <translation>Перезаписано до остановки: %1 за %2.</translation>
    </message>
    <message>
        <source>Overwritten with every pass: %1, in %2.</source>
        <translation>Перезаписано всеми проходами: %1 за %2.</translation>
    </message>
    <message>
        <source>Left behind: %1.</source>
        <translation>Осталось: %1.</translation>
    </message>
    <message>
        <source>Not found when their turn came: %1.</source>
        <translation>Не найдено, когда подошла очередь: %1.</translation>
    </message>
    <message>
        <source>Left partly overwritten when the run stopped:</source>
        <translation>Оставлено частично перезаписанным при остановке:</translation>
    </message>
    <message>
        <source>Not reached:</source>
        <translation>Не достигнуто:</translation>
    </message>
    <message>
        <source>Left behind:</source>
        <translation>Осталось:</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>Не найдено:</translation>
    </message>
    <message>
        <source>: %1 wiped in %2.</source>
        <translation>: %1 затёрто за %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The settings folder could not be prepared: changed settings and methods may not be saved.</source>
        <translation>Не удалось подготовить папку настроек: изменённые настройки и методы могут не сохраниться.</translation>
    </message>
    <message>
        <source>The methods and settings could not all be read: %1</source>
        <translation>Не удалось прочитать все методы и настройки: %1</translation>
    </message>
    <message>
        <source>The changed settings could not be saved: %1</source>
        <translation>Не удалось сохранить изменённые настройки: %1</translation>
    </message>
</context>
</TS>
