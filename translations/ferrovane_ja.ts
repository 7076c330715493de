<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AdministratorRun</name>
    <message>
        <source> (%1 ended with status %2%3)</source>
        <translation> (%1 が状態 %2%3 で終了)</translation>
    </message>
    <message>
        <source>No authentication agent is running, so nobody could be asked for the administrator&apos;s password: nothing was wiped. Start your desktop&apos;s polkit agent (for example lxpolkit or polkit-gnome), or run ferrovane-cli as root in a terminal.</source>
        <translation>認証エージェントが実行されていないため、管理者のパスワードを尋ねることができませんでした。何も抹消されていません。デスクトップの polkit エージェント（lxpolkit や polkit-gnome など）を起動するか、端末で root として ferrovane-cli を実行してください。</translation>
    </message>
    <message>
        <source>The polkit service, which decides who may act as the administrator, is not running: nothing was wiped. Run ferrovane-cli as root in a terminal instead.</source>
        <translation>誰が管理者として操作できるかを決める polkit サービスが実行されていません。何も抹消されていません。代わりに端末で root として ferrovane-cli を実行してください。</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given, or the request was refused: nothing was wiped.</source>
        <translation>管理者のパスワードが入力されなかったか、要求が拒否されました。何も抹消されていません。</translation>
    </message>
    <message>
        <source>%1 could not start the run with administrator rights: nothing was wiped.</source>
        <translation>%1 は管理者権限での実行を開始できませんでした。何も抹消されていません。</translation>
    </message>
    <message>
        <source>The run with administrator rights ended without an outcome, so what it wiped is unknown.</source>
        <translation>管理者権限での実行が結果を返さずに終了したため、何が抹消されたかは不明です。</translation>
    </message>
    <message>
        <source>The engine is running: nothing was handed over.</source>
        <translation>エンジンが実行中です。何も引き渡されていません。</translation>
    </message>
    <message>
        <source>%1 could not be started: %2: nothing was wiped.</source>
        <translation>%1 を開始できませんでした：%2。何も抹消されていません。</translation>
    </message>
    <message>
        <source>%1 can only be wiped with administrator rights, and pkexec, which asks for them, is not installed (Debian package &quot;pkexec&quot;). Install it, or run ferrovane-cli as root in a terminal.</source>
        <translation>%1 は管理者権限でのみ抹消できますが、その権限を要求する pkexec がインストールされていません（Debian パッケージ「pkexec」）。インストールするか、端末で root として ferrovane-cli を実行してください。</translation>
    </message>
    <message>
        <source>Some of what needs administrator rights cannot be handed to them.</source>
        <translation>管理者権限が必要なものの一部は、管理者権限での実行に引き渡せません。</translation>
    </message>
    <message>
        <source>Only what the window can see as it is now, without a link on its way, is handed over.</source>
        <translation>ウィンドウに現在見えているもので、途中にリンクを経由しないものだけが引き渡されます。</translation>
    </message>
    <message>
        <source>Wiping the free space of %1 needs administrator rights. Run as administrator?</source>
        <translation>%1 の空き領域を抹消するには管理者権限が必要です。管理者として実行しますか？</translation>
    </message>
    <message>
        <source>%1 could not be wiped without administrator rights. Run as administrator?</source>
        <translation>%1 は管理者権限なしでは抹消できませんでした。管理者として実行しますか？</translation>
    </message>
    <message>
        <source>Continue as administrator</source>
        <translation>管理者として続行</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>ferrovane: no display can be opened; without a window, use ferrovane-cli (see ferrovane-cli --help)</source>
        <translation>ferrovane: ディスプレイを開けません。ウィンドウなしでは ferrovane-cli を使用してください（ferrovane-cli --help を参照）</translation>
    </message>
</context>
<context>
    <name>FileManagerOffer</name>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to the context menus of Dolphin, Nemo and Nautilus, and Ferrovane to &quot;Open With&quot;, for you? Each entry opens this window with the selection queued; nothing is wiped before you press Start and answer its question.</source>
        <translation>Dolphin、Nemo、Nautilus のコンテキストメニューに「Ferrovane で抹消」を追加し、「このアプリケーションで開く」に Ferrovane を追加しますか？ 各項目は選択したものをキューに入れた状態でこのウィンドウを開きます。「開始」を押して確認に答えるまで、何も抹消されません。</translation>
    </message>
    <message>
        <source>Also add &quot;Wipe with Ferrovane&quot; to Thunar&apos;s custom actions in %1? Your other actions are kept.</source>
        <translation>%1 にある Thunar のカスタムアクションにも「Ferrovane で抹消」を追加しますか？ ほかのアクションはそのまま残ります。</translation>
    </message>
    <message>
        <source>&quot;Wipe with Ferrovane&quot; was added. A file manager that is open shows it once it is started again.</source>
        <translation>「Ferrovane で抹消」を追加しました。開いているファイルマネージャーでは、再起動すると表示されます。</translation>
    </message>
    <message>
        <source>Some file-manager entries could not be added.</source>
        <translation>一部のファイルマネージャー項目を追加できませんでした。</translation>
    </message>
</context>
<context>
    <name>PassSummary</name>
    <message>
        <source>Bytes </source>
        <translation>バイト </translation>
    </message>
    <message>
        <source>Text (empty: the pass cannot be written)</source>
        <translation>テキスト（空：このパスは書き込めません）</translation>
    </message>
    <message>
        <source>Text &apos;%1&apos;</source>
        <translation>テキスト「%1」</translation>
    </message>
    <message>
        <source>Random bytes</source>
        <translation>ランダムなバイト</translation>
    </message>
    <message>
        <source>Random bytes </source>
        <translation>ランダムなバイト </translation>
    </message>
    <message>
        <source>One random byte value</source>
        <translation>単一のランダムなバイト値</translation>
    </message>
    <message>
        <source>One random byte value in </source>
        <translation>単一のランダムなバイト値、範囲 </translation>
    </message>
    <message>
        <source>Unknown kind %1: writes nothing</source>
        <translation>不明な種類 %1：何も書き込みません</translation>
    </message>
    <message>
        <source>, read back</source>
        <translation>、読み戻して検証</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 item</source>
        <translation>1 項目</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 項目</translation>
    </message>
    <message>
        <source>On this system: %1</source>
        <translation>このシステム上：%1</translation>
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
        <translation>情報</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>QtWipeServices</name>
    <message>
        <source> is a executable file. Are you sure to wipe it?</source>
        <translation> は実行ファイルです。本当に抹消しますか？</translation>
    </message>
</context>
<context>
    <name>SizeFunctions</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 バイト</translation>
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
        <translation>公式サイト：</translation>
    </message>
    <message>
        <source>Support email:</source>
        <translation>サポートのメール：</translation>
    </message>
    <message>
        <source>Ferrovane %1</source>
        <translation>Ferrovane %1</translation>
    </message>
    <message>
        <source>Licence: distributed by its developers under the terms published at %1/ (the package&apos;s copyright file says the same).</source>
        <translation>ライセンス：開発者により %1/ で公開されている条件のもとで配布されています（パッケージの copyright ファイルにも同じ内容が記載されています）。</translation>
    </message>
    <message>
        <source>Settings (Ferrovane.ini, prefs.dat) are kept in %1</source>
        <translation>設定（Ferrovane.ini、prefs.dat）の保存先：%1</translation>
    </message>
    <message>
        <source>Wipe methods are kept in %1</source>
        <translation>抹消方式の保存先：%1</translation>
    </message>
    <message>
        <source>Delete with Wiping: the files and folders you list are overwritten with their method, pass after pass, and deleted.</source>
        <translation>抹消して削除：指定したファイルとフォルダーを、その方式で 1 パスずつ上書きしてから削除します。</translation>
    </message>
    <message>
        <source>Wipe free space: the free space of the drives you check is filled and overwritten, so files deleted earlier cannot be recovered from it.</source>
        <translation>空き領域の抹消：チェックしたドライブの空き領域を埋めて上書きし、以前に削除したファイルを復元できないようにします。</translation>
    </message>
    <message>
        <source>Wipe special folders: the temporary, browser and trash folders you check are wiped with the folders&apos; method.</source>
        <translation>特殊フォルダーの抹消：チェックした一時フォルダー、ブラウザーのフォルダー、ゴミ箱のフォルダーをフォルダー用の方式で抹消します。</translation>
    </message>
    <message>
        <source>Clear recently used files: the lists of recently used files that the desktop and programs keep are removed.</source>
        <translation>最近使ったファイルのクリア：デスクトップや各プログラムが保持している最近使ったファイルの一覧を削除します。</translation>
    </message>
    <message>
        <source>Clean traces: traces of use (caches, histories, cookies) are found and removed; Preview lists them first.</source>
        <translation>痕跡の消去：使用の痕跡（キャッシュ、履歴、Cookie）を探して削除します。「プレビュー」で先に一覧表示できます。</translation>
    </message>
    <message>
        <source>Options: wipe methods are made, looked at and changed, and each kind of wipe is given its method.</source>
        <translation>オプション：抹消方式の作成、表示、変更を行い、抹消の種類ごとに方式を割り当てます。</translation>
    </message>
</context>
<context>
    <name>TCleanTracesPage</name>
    <message>
        <source>Clean &amp;traces</source>
        <translation>痕跡の消去(&amp;T)</translation>
    </message>
    <message>
        <source>Traces to clean</source>
        <translation>消去する痕跡</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>痕跡</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>検出</translation>
    </message>
    <message>
        <source>Overwrite files &amp;before deleting them</source>
        <translation>削除する前にファイルを上書きする(&amp;B)</translation>
    </message>
    <message>
        <source>Files are wiped with the method of the file engine instead of being deleted plainly.</source>
        <translation>ファイルは単に削除されるのではなく、ファイル用エンジンの方式で抹消されます。</translation>
    </message>
    <message>
        <source>Pat&amp;hs…</source>
        <translation>パス(&amp;H)…</translation>
    </message>
    <message>
        <source>Your own files and folders to clean, and the places no item ever cleans.</source>
        <translation>消去するあなた自身のファイルとフォルダー、およびどの項目も消去しない場所です。</translation>
    </message>
    <message>
        <source>Sch&amp;edule…</source>
        <translation>スケジュール(&amp;E)…</translation>
    </message>
    <message>
        <source>Clean chosen traces on a schedule, also while the window is closed where the user&apos;s service manager runs.</source>
        <translation>選択した痕跡をスケジュールに従って消去します。ユーザーのサービスマネージャーが動作している環境では、ウィンドウを閉じていても実行されます。</translation>
    </message>
    <message>
        <source>Preview and outcome</source>
        <translation>プレビューと結果</translation>
    </message>
    <message>
        <source>What</source>
        <translation>対象</translation>
    </message>
    <message>
        <source>Size or reason</source>
        <translation>サイズまたは理由</translation>
    </message>
    <message>
        <source>Look &amp;again</source>
        <translation>再検索(&amp;A)</translation>
    </message>
    <message>
        <source>Works out again what each item finds now.</source>
        <translation>各項目が現在見つけるものを改めて調べます。</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>プレビュー(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>消去(&amp;L)</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>停止(&amp;P)</translation>
    </message>
    <message>
        <source>The paths could not be kept, nothing changed: %1</source>
        <translation>パスを保存できませんでした。何も変更されていません：%1</translation>
    </message>
    <message>
        <source>The choice holds until the program ends, but the settings file could not keep it: %1</source>
        <translation>この選択はプログラムの終了まで有効ですが、設定ファイルに保存できませんでした：%1</translation>
    </message>
    <message>
        <source>Looking for traces...</source>
        <translation>痕跡を検索しています...</translation>
    </message>
    <message>
        <source>%1 in use or out of reach</source>
        <translation>%1 は使用中か、アクセスできません</translation>
    </message>
    <message>
        <source>nothing to clean</source>
        <translation>消去するものはありません</translation>
    </message>
    <message>
        <source>Nothing of this kind was found on this system.</source>
        <translation>この種類のものはこのシステム上で見つかりませんでした。</translation>
    </message>
    <message>
        <source>Would remove %1.</source>
        <translation>%1 を削除します。</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 を削除しました。</translation>
    </message>
    <message>
        <source>%1 cannot be removed now (listed first).</source>
        <translation>%1 は現在削除できません（先頭に表示）。</translation>
    </message>
    <message>
        <source>%1 could not be removed (listed first).</source>
        <translation>%1 は削除できませんでした（先頭に表示）。</translation>
    </message>
    <message>
        <source>Check a trace that has something to clean.</source>
        <translation>消去するものがある痕跡をチェックしてください。</translation>
    </message>
    <message>
        <source>Preview stopped. </source>
        <translation>プレビューを停止しました。 </translation>
    </message>
    <message>
        <source>Remove %1, found by %2 (%3)? This cannot be undone.
Preview lists each trace first.</source>
        <translation>%2 で見つかった %1（%3）を削除しますか？ この操作は元に戻せません。
「プレビュー」で各痕跡を先に一覧表示できます。</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 の削除</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>停止しました。 </translation>
    </message>
    <message>
        <source>The schedule in the settings file cannot be read: %1</source>
        <translation>設定ファイルのスケジュールを読み込めません：%1</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>スケジュールされた消去はありません。</translation>
    </message>
    <message>
        <source>Scheduled cleans are started by the user&apos;s service manager (systemd timer %1), also while Ferrovane is closed.</source>
        <translation>スケジュールされた消去は、ユーザーのサービスマネージャー（systemd タイマー %1）によって開始されます。Ferrovane を閉じていても実行されます。</translation>
    </message>
    <message>
        <source>No user service manager runs: scheduled cleans are started by this window&apos;s timer while it is open.</source>
        <translation>ユーザーのサービスマネージャーが動作していません。スケジュールされた消去は、このウィンドウが開いている間、ウィンドウのタイマーによって開始されます。</translation>
    </message>
    <message>
        <source>The schedule is on but never falls due: choose a day or a month.</source>
        <translation>スケジュールは有効ですが、実行日時が来ることはありません。曜日か月を選択してください。</translation>
    </message>
    <message>
        <source>No trace is chosen for it.</source>
        <translation>対象の痕跡が選択されていません。</translation>
    </message>
    <message>
        <source>The schedule could not be kept, nothing changed: %1</source>
        <translation>スケジュールを保存できませんでした。何も変更されていません：%1</translation>
    </message>
    <message>
        <source>Scheduled clean: </source>
        <translation>スケジュールされた消去： </translation>
    </message>
    <message>
        <source>The outcome could not be recorded: %1</source>
        <translation>結果を記録できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>TDeletePage</name>
    <message>
        <source>&amp;Delete with Wiping</source>
        <translation>抹消して削除(&amp;D)</translation>
    </message>
    <message>
        <source>Files Wiping </source>
        <translation>ファイルの抹消 </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>As admin...</source>
        <translation>管理者として...</translation>
    </message>
    <message>
        <source>Wipe the files marked with a shield, which you may not change, with administrator rights</source>
        <translation>盾のマークが付いた、変更する権限のないファイルを管理者権限で抹消します</translation>
    </message>
    <message>
        <source>Folders Wiping </source>
        <translation>フォルダーの抹消 </translation>
    </message>
    <message>
        <source>Wipe the folders marked with a shield, which you may not change, with administrator rights</source>
        <translation>盾のマークが付いた、変更する権限のないフォルダーを管理者権限で抹消します</translation>
    </message>
    <message>
        <source>Save what the last run did, and what the device check found, as a page to keep (HTML) or for other programs (JSON).</source>
        <translation>前回の実行内容とデバイス検査の結果を、保存用のページ（HTML）またはほかのプログラム用（JSON）として保存します。</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>レポートを保存...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>レポートの保存</translation>
    </message>
    <message>
        <source>Report page (*.html);;Report for programs (*.json)</source>
        <translation>レポートページ (*.html);;プログラム用レポート (*.json)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1 (%2).</source>
        <translation>レポートを %1 に保存できませんでした（%2）。</translation>
    </message>
    <message>
        <source>
You may not change the folder that holds it: wiping it needs administrator rights.</source>
        <translation>
それを含むフォルダーを変更する権限がありません。抹消するには管理者権限が必要です。</translation>
    </message>
    <message>
        <source>Select files to shred</source>
        <translation>抹消するファイルの選択</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1 of the files chosen cannot be wiped.</source>
        <translation>選択したファイルのうち %1 個は抹消できません。</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>%1 of the folders chosen cannot be wiped.</source>
        <translation>選択したフォルダーのうち %1 個は抹消できません。</translation>
    </message>
    <message>
        <source>%1: is on a system file system (%2): not wiped</source>
        <translation>%1: システムファイルシステム（%2）上にあります：抹消しません</translation>
    </message>
    <message>
        <source>Only existing files and folders of this computer can be wiped; nothing on a system file system (proc, sysfs, ...) is.</source>
        <translation>抹消できるのは、このコンピューター上に存在するファイルとフォルダーだけです。システムファイルシステム（proc、sysfs など）上のものは抹消されません。</translation>
    </message>
    <message>
        <source>%1: not a file or folder of this computer</source>
        <translation>%1: このコンピューターのファイルやフォルダーではありません</translation>
    </message>
    <message>
        <source>%1: its list is being wiped now</source>
        <translation>%1: その一覧は現在抹消中です</translation>
    </message>
    <message>
        <source>%1 of the items handed over could not be added.</source>
        <translation>引き渡された項目のうち %1 個を追加できませんでした。</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>%1（%2）を抹消しますか？ この操作は元に戻せません。</translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>抹消 </translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>抹消タスクは中止されました！</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>抹消タスクは完了しませんでした。残ったもの：%1。</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>抹消タスクは正常に完了しました！</translation>
    </message>
    <message>
        <source>Wipe %1 with administrator rights (%2)? You will be asked for the password. This cannot be undone.</source>
        <translation>%1（%2）を管理者権限で抹消しますか？ パスワードの入力を求められます。この操作は元に戻せません。</translation>
    </message>
    <message>
        <source>Wipe %1 as administrator</source>
        <translation>%1 を管理者として抹消</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 now (%2 free)? The old blocks of the files just deleted there are overwritten.</source>
        <translation>%1 の空き領域を今すぐ抹消しますか（空き %2）？ そこで削除したばかりのファイルの古いブロックが上書きされます。</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>%1 の空き領域の抹消</translation>
    </message>
    <message>
        <source>The wipe of the free space has been aborted!</source>
        <translation>空き領域の抹消は中止されました！</translation>
    </message>
    <message>
        <source>The free space of %1 has been wiped: the old blocks of the files deleted there are overwritten.</source>
        <translation>%1 の空き領域を抹消しました。そこで削除されたファイルの古いブロックは上書きされています。</translation>
    </message>
    <message>
        <source>Report for programs (*.json)</source>
        <translation>プログラム用レポート (*.json)</translation>
    </message>
    <message>
        <source>Not handed to the administrator&apos;s run, as the window cannot see it as it is now:
%1</source>
        <translation>ウィンドウから現在の状態を確認できないため、管理者としての実行に渡していません：
%1</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do. Wipe %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>抹消後のデバイス検査はデバイスを読み戻しますが、これは管理者にしかできません。管理者権限で %1 を抹消し、デバイスを検査しますか? パスワードを求められます。検査なしで抹消するには、オプションの「抹消後にデバイスを検査する」をオフにしてください。</translation>
    </message>
</context>
<context>
    <name>TFreeSpacePage</name>
    <message>
        <source>&amp;Wipe free space</source>
        <translation>空き領域の抹消(&amp;W)</translation>
    </message>
    <message>
        <source>Local drives list </source>
        <translation>ローカルドライブの一覧 </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>ファイルシステム</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>空き領域</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Clean &amp;Free Space</source>
        <translation>空き領域を消去(&amp;F)</translation>
    </message>
    <message>
        <source>Wipe as administrator...</source>
        <translation>管理者として抹消...</translation>
    </message>
    <message>
        <source>Wipe the free space of the selected drive, which only the administrator may fill, with administrator rights</source>
        <translation>管理者だけが埋めることのできる、選択したドライブの空き領域を管理者権限で抹消します</translation>
    </message>
    <message>
        <source>only the administrator may write there</source>
        <translation>管理者だけが書き込めます</translation>
    </message>
    <message>
        <source>mounted read-only</source>
        <translation>読み取り専用でマウント</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>読み取れません：%1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>
Its free space cannot be wiped: </source>
        <translation>
その空き領域は抹消できません： </translation>
    </message>
    <message>
        <source>. Wipe as administrator can.</source>
        <translation>。「管理者として抹消」なら可能です。</translation>
    </message>
    <message>
        <source>A temporary file of an interrupted free-space wipe was found on %1 (%2). Wipe and remove it now?</source>
        <translation>中断された空き領域の抹消による一時ファイルが %1 で見つかりました（%2）。今すぐ抹消して削除しますか？</translation>
    </message>
    <message>
        <source>Wipe and remove it</source>
        <translation>抹消して削除</translation>
    </message>
    <message>
        <source>%1 was not wiped: a free-space wipe of its drive is running.</source>
        <translation>%1 は抹消されませんでした：そのドライブの空き領域の抹消を実行中です。</translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>抹消タスクは中止されました！</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>抹消タスクは完了しませんでした。残ったもの：%1。</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>抹消タスクは正常に完了しました！</translation>
    </message>
    <message>
        <source>Wipe the free space of %1? Other programs cannot write to %2 until it ends.</source>
        <translation>%1 の空き領域を抹消しますか？ 終了するまで、ほかのプログラムは %2 に書き込めません。</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>%1 の空き領域の抹消</translation>
    </message>
    <message>
        <source>The Wipe free space task has been aborted!</source>
        <translation>空き領域の抹消タスクは中止されました！</translation>
    </message>
    <message>
        <source>The Wipe free space task has been completed successfully!</source>
        <translation>空き領域の抹消タスクは正常に完了しました！</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 with administrator rights? You will be asked for the password; other programs cannot write to it until it ends.</source>
        <translation>%1 の空き領域を管理者権限で抹消しますか？ パスワードの入力を求められます。終了するまで、ほかのプログラムはそこに書き込めません。</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do: your own run would leave it &quot;not verified (needs administrator rights)&quot;. Wipe the free space of %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>抹消後のデバイス検査はデバイスを読み戻しますが、これは管理者にしかできません。ご自身の実行では「未検証（管理者権限が必要）」のままになります。管理者権限で %1 の空き領域を抹消し、デバイスを検査しますか? パスワードを求められます。検査なしで抹消するには、オプションの「抹消後にデバイスを検査する」をオフにしてください。</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>更新の確認</translation>
    </message>
    <message>
        <source>About Ferrovane</source>
        <translation>Ferrovane について</translation>
    </message>
    <message>
        <source>Ferrovane on the web</source>
        <translation>Ferrovane のウェブサイト</translation>
    </message>
    <message>
        <source>The readme (readme.txt) that comes with Ferrovane was not found beside the program.
The About page says what each page does.</source>
        <translation>Ferrovane に付属の readme（readme.txt）がプログラムと同じ場所に見つかりませんでした。
各ページの役割は「Ferrovane について」ページに記載されています。</translation>
    </message>
    <message>
        <source>The readme answers the usual questions; &quot;When something is left behind&quot; explains what a report after a run means.</source>
        <translation>readme にはよくある質問への回答があります。「何かが残ったとき」の節では、実行後のレポートの意味を説明しています。</translation>
    </message>
    <message>
        <source>Check for updates: starts the updater %1</source>
        <translation>更新の確認：アップデーター %1 を起動します</translation>
    </message>
</context>
<context>
    <name>TMethodList</name>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>Comes with Ferrovane: Edit shows it, and Copy there makes a copy you can change.</source>
        <translation>Ferrovane に付属：「編集」で内容を表示でき、そこで「コピー」を押すと変更可能なコピーを作成できます。</translation>
    </message>
    <message>
        <source>The file of this method could not be read whole (%1), so no wipe uses it. Edit it and press OK to store what was read as a whole method.</source>
        <translation>この方式のファイルを完全には読み込めなかったため（%1）、どの抹消にも使用されません。編集して「OK」を押すと、読み込めた内容が完全な方式として保存されます。</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be %2 now: %3 is running with it.
Try again once the wipe has ended.</source>
        <translation>方式「%1」は現在%2できません：%3 がこの方式で実行中です。
抹消が終了してから再試行してください。</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Ferrovane wipe method files (*%1)</source>
        <translation>Ferrovane 抹消方式ファイル (*%1)</translation>
    </message>
    <message>
        <source>Method files can be saved only in &quot;%1&quot;.
&quot;%2&quot; will be saved in this folder.</source>
        <translation>方式ファイルは「%1」にのみ保存できます。
「%2」はこのフォルダーに保存されます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of &quot;%2&quot;, which comes with Ferrovane and is not replaced.
Choose another file name.</source>
        <translation>「%1」は Ferrovane に付属する「%2」のファイルであり、置き換えられません。
別のファイル名を選択してください。</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the method &quot;%2&quot;.
Replace that method with the new one?</source>
        <translation>「%1」は方式「%2」のファイルです。
その方式を新しい方式で置き換えますか？</translation>
    </message>
    <message>
        <source>New Method</source>
        <translation>新しい方式</translation>
    </message>
    <message>
        <source>Copy of Method</source>
        <translation>方式のコピー</translation>
    </message>
    <message>
        <source>Method (read-only)</source>
        <translation>方式（読み取り専用）</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Edit Method</source>
        <translation>方式の編集</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Are you sure you want to delete method &quot;%1&quot;?</source>
        <translation>方式「%1」を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>use &quot;%1&quot; instead.</source>
        <translation>代わりに「%1」を使用します。</translation>
    </message>
    <message>
        <source>have no method, and wipe nothing, until another is chosen.</source>
        <translation>方式がなくなり、別の方式を選択するまで何も抹消しません。</translation>
    </message>
    <message>
        <source>Unable to delete %1 (%2).</source>
        <translation>%1 を削除できません（%2）。</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be used: its file could not be read whole.
Edit it and press OK to store what was read as a whole method.</source>
        <translation>方式「%1」は使用できません：そのファイルを完全には読み込めませんでした。
編集して「OK」を押すと、読み込めた内容が完全な方式として保存されます。</translation>
    </message>
    <message>
        <source>

%1 is set to use it, and will </source>
        <translation>

%1 はこの方式を使用するよう設定されています。削除すると </translation>
    </message>
    <message>
        <source>

%1 are set to use it, and will </source>
        <translation>

%1 はこの方式を使用するよう設定されています。削除すると </translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Methods </source>
        <translation>方式(&amp;M) </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>削除(&amp;L)</translation>
    </message>
    <message>
        <source>Wipe Type</source>
        <translation>抹消の種類</translation>
    </message>
    <message>
        <source>Wipe Files</source>
        <translation>ファイルの抹消</translation>
    </message>
    <message>
        <source>Wipe Folders</source>
        <translation>フォルダーの抹消</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>空き領域の抹消</translation>
    </message>
    <message>
        <source>Warn on deleting an executable file</source>
        <translation>実行ファイルの削除時に警告する</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>適用(&amp;A)</translation>
    </message>
    <message>
        <source>Questions before a wipe </source>
        <translation>抹消前の確認 </translation>
    </message>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>ファイルとフォルダーを抹消する前に確認する</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>空き領域を抹消する前に確認する</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>特殊フォルダーを抹消する前に確認する</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>痕跡を消去する前に確認する</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>最近使ったファイルをクリアする前に確認する</translation>
    </message>
    <message>
        <source>Ask again everywhere</source>
        <translation>すべての確認を再び表示する</translation>
    </message>
    <message>
        <source>Method Description </source>
        <translation>方式の説明 </translation>
    </message>
    <message>
        <source>Discard free blocks after wiping free space (SSDs)</source>
        <translation>空き領域の抹消後に空きブロックを破棄する（SSD）</translation>
    </message>
    <message>
        <source>After each wipe, read the device back where the deleted files and their names lay (needs administrator rights), and name what is still there.</source>
        <translation>抹消のたびに、削除したファイルとその名前があった場所をデバイスから読み戻し（管理者権限が必要）、まだ残っているものを報告します。</translation>
    </message>
    <message>
        <source>Check the device after wiping</source>
        <translation>抹消後にデバイスを検査する</translation>
    </message>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to file managers...</source>
        <translation>ファイルマネージャーに「Ferrovane で抹消」を追加...</translation>
    </message>
    <message>
        <source>Erase old copies of file names from the file system journal (ext4, XFS)</source>
        <translation>ファイル名の古いコピーをファイルシステムのジャーナル（ext4、XFS）から消去する</translation>
    </message>
    <message>
        <source>Takes seconds after each wipe and writes about the journal&apos;s size.</source>
        <translation>抹消のたびに数秒かかり、ジャーナルのサイズ程度の書き込みが発生します。</translation>
    </message>
    <message>
        <source>%1 will be wiped with &quot;%2&quot;.</source>
        <translation>%1 は「%2」で抹消されます。</translation>
    </message>
</context>
<context>
    <name>TRecentFilesPage</name>
    <message>
        <source>&amp;Clear recently used files</source>
        <translation>最近使ったファイルのクリア(&amp;C)</translation>
    </message>
    <message>
        <source>Known lists </source>
        <translation>既知の一覧 </translation>
    </message>
    <message>
        <source>Most Recently Used (MRU) lists of known products:</source>
        <translation>既知の製品の最近使ったファイル (MRU) の一覧：</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Other lists </source>
        <translation>その他の一覧 </translation>
    </message>
    <message>
        <source>MRU lists of other programs:</source>
        <translation>その他のプログラムの MRU 一覧：</translation>
    </message>
    <message>
        <source>Search Registry for other MRU lists</source>
        <translation>レジストリでその他の MRU 一覧を検索</translation>
    </message>
    <message>
        <source>Add Existing Key</source>
        <translation>既存のキーを追加</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>消去(&amp;L)</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>停止(&amp;P)</translation>
    </message>
    <message>
        <source>On this system</source>
        <translation>このシステム上</translation>
    </message>
    <message>
        <source>kept only by Windows</source>
        <translation>Windows のみが保持</translation>
    </message>
    <message>
        <source>Windows registry list</source>
        <translation>Windows レジストリの一覧</translation>
    </message>
    <message>
        <source>The desktop&apos;s lists of recently used files are empty.</source>
        <translation>デスクトップの最近使ったファイルの一覧は空です。</translation>
    </message>
    <message>
        <source>This list is not kept on this system.</source>
        <translation>この一覧はこのシステムでは保持されていません。</translation>
    </message>
    <message>
        <source>This list holds nothing on this system.</source>
        <translation>この一覧はこのシステム上では空です。</translation>
    </message>
    <message>
        <source>Clear %1 (%2)? This cannot be undone.</source>
        <translation>%1（%2）をクリアしますか？ この操作は元に戻せません。</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 のクリア</translation>
    </message>
    <message>
        <source>The registry store could not be written; nothing was removed from it.
</source>
        <translation>レジストリストアに書き込めませんでした。そこからは何も削除されていません。
</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>停止しました。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>The Clear recently used files task has not been completed. Left: %1.</source>
        <translation>最近使ったファイルのクリアタスクは完了しませんでした。残り：%1。</translation>
    </message>
    <message>
        <source>The Clear recently used files task has been completed successfully!</source>
        <translation>最近使ったファイルのクリアタスクは正常に完了しました！</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>検索を停止しました。</translation>
    </message>
</context>
<context>
    <name>TReportDialog</name>
    <message>
        <source>Show &amp;Details...</source>
        <translation>詳細を表示(&amp;D)...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>詳細を隠す(&amp;H)...</translation>
    </message>
</context>
<context>
    <name>TRunNotifier</name>
    <message>
        <source>1 item was left behind</source>
        <translation>1 個の項目が残りました</translation>
    </message>
    <message>
        <source>%1 items were left behind</source>
        <translation>%1 個の項目が残りました</translation>
    </message>
    <message>
        <source>The wipe task has been aborted.</source>
        <translation>抹消タスクは中止されました。</translation>
    </message>
    <message>
        <source>The wipe task has been aborted; %1.</source>
        <translation>抹消タスクは中止されました。%1。</translation>
    </message>
    <message>
        <source>The wipe task has not been completed: %1.</source>
        <translation>抹消タスクは完了しませんでした：%1。</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully.</source>
        <translation>抹消タスクは正常に完了しました。</translation>
    </message>
    <message>
        <source>Show Ferrovane</source>
        <translation>Ferrovane を表示</translation>
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
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>残り約 %1</translation>
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
        <translation>%1 書き込み済み</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>ジョブ</translation>
    </message>
    <message>
        <source>free space of %1</source>
        <translation>%1 の空き領域</translation>
    </message>
    <message>
        <source>Wiping</source>
        <translation>抹消中</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln files</source>
        <translation>
            <numerusform>%Ln 個のファイルを抹消中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln folders</source>
        <translation>
            <numerusform>%Ln 個のフォルダーを抹消中</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping free space of %1</source>
        <translation>%1 の空き領域を抹消中</translation>
    </message>
    <message numerus="yes">
        <source>Wiping free space of %Ln drives</source>
        <translation>
            <numerusform>%Ln 台のドライブの空き領域を抹消中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln 個のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln 個のフォルダー</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>free space of %Ln drives</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln 台のドライブの空き領域</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping %1</source>
        <translation>%1 を抹消中</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1</source>
        <translation>
            <numerusform>%Ln 個のファイル、%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRunQuestion</name>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>ファイルとフォルダーを抹消する前に確認する</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>空き領域を抹消する前に確認する</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>特殊フォルダーを抹消する前に確認する</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>痕跡を消去する前に確認する</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>最近使ったファイルをクリアする前に確認する</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>今後は確認しない</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
</context>
<context>
    <name>TSpecialFoldersPage</name>
    <message>
        <source>Wipe &amp;special folders</source>
        <translation>特殊フォルダーの抹消(&amp;S)</translation>
    </message>
    <message>
        <source>Special folders </source>
        <translation>特殊フォルダー </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Trash </source>
        <translation>ゴミ箱 </translation>
    </message>
    <message>
        <source>Trash folders</source>
        <translation>ゴミ箱のフォルダー</translation>
    </message>
    <message>
        <source>Wipe st&amp;art</source>
        <translation>抹消を開始(&amp;A)</translation>
    </message>
    <message>
        <source>Folders &amp;method...</source>
        <translation>フォルダー用の方式(&amp;M)...</translation>
    </message>
    <message>
        <source>Chooses the wipe method of the folders engine, which wipes the folders of this page.</source>
        <translation>このページのフォルダーを抹消する、フォルダー用エンジンの抹消方式を選択します。</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>利用できません</translation>
    </message>
    <message>
        <source>Temporary Internet Files</source>
        <translation>インターネット一時ファイル</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookie</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>Opera Cookies</source>
        <translation>Opera の Cookie</translation>
    </message>
    <message>
        <source>Opera Internet Cache</source>
        <translation>Opera のインターネットキャッシュ</translation>
    </message>
    <message>
        <source>Opera History</source>
        <translation>Opera の履歴</translation>
    </message>
    <message>
        <source>Opera Images</source>
        <translation>Opera の画像</translation>
    </message>
    <message>
        <source>Not found on this system: there is nothing to wipe.</source>
        <translation>このシステム上に見つかりません：抹消するものはありません。</translation>
    </message>
    <message>
        <source>Nothing to wipe here: the five shell folders are places of Windows, which this system does not name%1%2. The trash below is wiped from this page; browsers&apos; caches and histories from Clean traces.</source>
        <translation>ここには抹消するものはありません：5 つのシェルフォルダーは Windows の場所であり、このシステムにはその名前がありません%1%2。下のゴミ箱はこのページで抹消されます。ブラウザーのキャッシュや履歴は「痕跡の消去」で消去されます。</translation>
    </message>
    <message>
        <source> (&quot;Show Windows items&quot; lists them)</source>
        <translation> (「Windows の項目を表示」で一覧表示されます)</translation>
    </message>
    <message>
        <source>, and no Opera profile was found</source>
        <translation>。また、Opera のプロファイルは見つかりませんでした</translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>%1（%2）を抹消しますか？ この操作は元に戻せません。</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>抹消 </translation>
    </message>
    <message>
        <source>The Wipe special folders task has been completed successfully!</source>
        <translation>特殊フォルダーの抹消タスクは正常に完了しました！</translation>
    </message>
    <message>
        <source>The Wipe special folders task has been aborted!</source>
        <translation>特殊フォルダーの抹消タスクは中止されました！</translation>
    </message>
    <message>
        <source>The Wipe special folders task has not been completed. Left behind: %1.</source>
        <translation>特殊フォルダーの抹消タスクは完了しませんでした。残ったもの：%1。</translation>
    </message>
    <message>
        <source>No row is ticked: tick the folders to wipe first.</source>
        <translation>チェックされた行がありません。先に抹消するフォルダーにチェックを付けてください。</translation>
    </message>
</context>
<context>
    <name>TWindowRequest</name>
    <message>
        <source>Usage: ferrovane [--free-space] [--] [PATH...]</source>
        <translation>使い方: ferrovane [--free-space] [--] [パス...]</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
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
        <translation>使い方: ferrovane [--free-space] [--] [パス...]
Ferrovane のウィンドウを開きます。ファイル、フォルダー、ドライブの空き領域を、削除する前に
上書きします。指定したファイルとフォルダーは「抹消して削除」ページのキューに入ります。
「開始」を押して確認に答えるまで、何も抹消されません。ウィンドウがすでに開いている場合は、
そのウィンドウがパスを受け取り、前面に出ます。

  --free-space  「空き領域の抹消」ページを表示する
  --help        このテキストを表示して終了する
  --version     バージョンを表示して終了する
  --            これ以降の引数はすべてパスとして扱う（「-」で始まるものも）

ウィンドウなしで: ferrovane-cli（ferrovane-cli --help を参照）。
</translation>
    </message>
</context>
<context>
    <name>TWindowsRowsFilter</name>
    <message>
        <source>Show Wi&amp;ndows items</source>
        <translation>Windows の項目を表示(&amp;N)</translation>
    </message>
    <message>
        <source>Show the rows of places that only Windows has</source>
        <translation>Windows にしかない場所の行を表示します</translation>
    </message>
</context>
<context>
    <name>TfEditMethod</name>
    <message>
        <source>Method Name:</source>
        <translation>方式の名前：</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>方式の説明：</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>パス：</translation>
    </message>
    <message>
        <source>Add a pass</source>
        <translation>パスを追加</translation>
    </message>
    <message>
        <source>Rename the pass</source>
        <translation>パスの名前を変更</translation>
    </message>
    <message>
        <source>Delete the pass</source>
        <translation>パスを削除</translation>
    </message>
    <message>
        <source> Pass </source>
        <translation> パス </translation>
    </message>
    <message>
        <source>After the pass is written and on the disk, it is read back past the system&apos;s cache and compared with what was written; a difference or a read error names the file after the run.</source>
        <translation>パスが書き込まれてディスクに保存された後、システムのキャッシュを経由せずに読み戻し、書き込んだ内容と比較します。相違や読み取りエラーがあれば、実行後にそのファイルを報告します。</translation>
    </message>
    <message>
        <source> Wipe Width </source>
        <translation> 抹消の幅 </translation>
    </message>
    <message>
        <source>Byte Pattern</source>
        <translation>バイトパターン</translation>
    </message>
    <message>
        <source>Random Bytes</source>
        <translation>ランダムなバイト</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>AND</translation>
    </message>
    <message>
        <source>Random Character</source>
        <translation>ランダムな文字</translation>
    </message>
    <message>
        <source>Text Pattern</source>
        <translation>テキストパターン</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>What the method is for, and when to choose it</source>
        <translation>この方式の用途と、選ぶべき場面</translation>
    </message>
    <message>
        <source>This method comes with Ferrovane and cannot be changed. Copy makes a copy of it that you can edit.</source>
        <translation>この方式は Ferrovane に付属しており、変更できません。「コピー」で編集可能なコピーを作成できます。</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>コピー(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;L)</translation>
    </message>
    <message>
        <source>Edit pass name</source>
        <translation>パス名の編集</translation>
    </message>
    <message>
        <source>Pass name</source>
        <translation>パス名</translation>
    </message>
    <message>
        <source>Are you sure you want to delete pass &quot;%1&quot;?</source>
        <translation>パス「%1」を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>This method has no passes: files wiped with it are only deleted, not overwritten, and can be recovered.
Keep it without passes?</source>
        <translation>この方式にはパスがありません：この方式で抹消したファイルは上書きされずに削除されるだけなので、復元できてしまいます。
パスなしのまま保存しますか？</translation>
    </message>
    <message>
        <source>Check &amp;Wipe</source>
        <translation>抹消を検証(&amp;V)</translation>
    </message>
</context>
<context>
    <name>TfMethodsForm</name>
    <message>
        <source>Wiping Methods</source>
        <translation>抹消方式</translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation>方式(&amp;M)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>方式の説明：</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TfProgress</name>
    <message>
        <source>Delete Files and Folders</source>
        <translation>ファイルとフォルダーの削除</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Counting the files to wipe...</source>
        <translation>抹消するファイルを数えています...</translation>
    </message>
    <message>
        <source>%1 files, %2 so far</source>
        <translation>%1 個のファイル、これまでに %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>ジョブ</translation>
    </message>
</context>
<context>
    <name>TfReadme</name>
    <message>
        <source>Ferrovane Help</source>
        <translation>Ferrovane ヘルプ</translation>
    </message>
</context>
<context>
    <name>TfSchedule</name>
    <message>
        <source>Schedule of the trace cleaning</source>
        <translation>痕跡の消去のスケジュール</translation>
    </message>
    <message>
        <source>&amp;Clean traces on a schedule</source>
        <translation>スケジュールに従って痕跡を消去する(&amp;C)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>タイミング</translation>
    </message>
    <message>
        <source>O&amp;nce</source>
        <translation>1 回だけ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Every N minutes</source>
        <translation>N 分ごと(&amp;E)</translation>
    </message>
    <message>
        <source>Every N h&amp;ours</source>
        <translation>N 時間ごと(&amp;O)</translation>
    </message>
    <message>
        <source>Dai&amp;ly</source>
        <translation>毎日(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>毎週(&amp;W)</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>毎月(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Date and time:</source>
        <translation>日付と時刻(&amp;D)：</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>Every &amp;minutes:</source>
        <translation>間隔（分）(&amp;M)：</translation>
    </message>
    <message>
        <source>Every &amp;hours:</source>
        <translation>間隔（時間）(&amp;R)：</translation>
    </message>
    <message>
        <source>and m&amp;inutes:</source>
        <translation>分(&amp;I)：</translation>
    </message>
    <message>
        <source>Every &amp;days:</source>
        <translation>間隔（日）(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;At:</source>
        <translation>時刻(&amp;A)：</translation>
    </message>
    <message>
        <source>Every &amp;weeks:</source>
        <translation>間隔（週）(&amp;K)：</translation>
    </message>
    <message>
        <source>A&amp;t:</source>
        <translation>時刻(&amp;T)：</translation>
    </message>
    <message>
        <source>On:</source>
        <translation>曜日：</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>土</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>日</translation>
    </message>
    <message>
        <source>At&amp;:</source>
        <translation>時刻(&amp;B)：</translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation>日付指定(&amp;Y)</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>曜日指定(&amp;U)</translation>
    </message>
    <message>
        <source>first</source>
        <translation>第 1</translation>
    </message>
    <message>
        <source>second</source>
        <translation>第 2</translation>
    </message>
    <message>
        <source>third</source>
        <translation>第 3</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>第 4</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>第 5</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>of the week that holds the month&apos;s Thursday</source>
        <translation>（その月の木曜日を含む週で数えます）</translation>
    </message>
    <message>
        <source>In:</source>
        <translation>対象月：</translation>
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
        <translation>スケジュールで消去する痕跡</translation>
    </message>
    <message>
        <source>A scheduled clean asks nothing and removes what a clean of the same traces from this page removes.</source>
        <translation>スケジュールされた消去は何も確認せず、このページで同じ痕跡を消去した場合と同じものを削除します。</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>スケジュールされた消去はありません。</translation>
    </message>
    <message>
        <source>This schedule never falls due: choose a day or a month.</source>
        <translation>このスケジュールは実行日時が来ることはありません。曜日か月を選択してください。</translation>
    </message>
    <message>
        <source>Calendar of the timer: %1</source>
        <translation>タイマーのカレンダー：%1</translation>
    </message>
    <message>
        <source>No trace is chosen yet.</source>
        <translation>痕跡がまだ選択されていません。</translation>
    </message>
</context>
<context>
    <name>TfTracePaths</name>
    <message>
        <source>Paths of the trace cleaning</source>
        <translation>痕跡の消去のパス</translation>
    </message>
    <message>
        <source>&amp;Custom files and folders, cleaned by the item &quot;Custom Files and Folders&quot;</source>
        <translation>カスタムのファイルとフォルダー（項目「カスタムのファイルとフォルダー」で消去）(&amp;C)</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder). A folder goes with everything in it; the home folder and the folders above it are refused.</source>
        <translation>1 行に 1 つのファイルまたはフォルダー（~/ はホームフォルダー）。フォルダーは中身ごと対象になります。ホームフォルダーとその上位のフォルダーは拒否されます。</translation>
    </message>
    <message>
        <source>&amp;Never clean these (every item passes them over)</source>
        <translation>これらは決して消去しない（どの項目も対象外にします）(&amp;N)</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder; * and ? may stand in names). Nothing in a kept folder is deleted, emptied or edited.</source>
        <translation>1 行に 1 つのファイルまたはフォルダー（~/ はホームフォルダー。名前には * と ? を使用可能）。保護したフォルダー内のものは削除、空に、編集のいずれもされません。</translation>
    </message>
</context>
<context>
    <name>TfmAddReg</name>
    <message>
        <source>Add Registry Key</source>
        <translation>レジストリキーの追加</translation>
    </message>
    <message>
        <source>Key Name</source>
        <translation>キー名</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TfmItemProps</name>
    <message>
        <source>Item Properties</source>
        <translation>項目のプロパティ</translation>
    </message>
    <message>
        <source>Entire folder</source>
        <translation>フォルダー全体</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>フォルダー名：</translation>
    </message>
    <message>
        <source>Folder content</source>
        <translation>フォルダーの内容</translation>
    </message>
    <message>
        <source>Include pattern:</source>
        <translation>含めるパターン：</translation>
    </message>
    <message>
        <source>Included items list:</source>
        <translation>含める項目の一覧：</translation>
    </message>
    <message>
        <source>Add Included Pattern</source>
        <translation>含めるパターンを追加</translation>
    </message>
    <message>
        <source>Remove Included Item</source>
        <translation>含める項目を削除</translation>
    </message>
    <message>
        <source>Show Included files...</source>
        <translation>含まれるファイルを表示...</translation>
    </message>
    <message>
        <source>Exclude wiping of files</source>
        <translation>抹消から除外するファイル</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Please specify a directory</source>
        <translation>ディレクトリを指定してください</translation>
    </message>
    <message>
        <source>Please add at least a pattern to pattern list</source>
        <translation>パターンの一覧にパターンを 1 つ以上追加してください</translation>
    </message>
</context>
<context>
    <name>TfmShowFiles</name>
    <message>
        <source>Included files</source>
        <translation>含まれるファイル</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
</context>
<context>
    <name>WipeReport</name>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped.</source>
        <translation>%1 の空き領域は抹消されていません。</translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped completely.</source>
        <translation>%1 の空き領域は完全には抹消されていません。</translation>
    </message>
    <message>
        <source>It stopped while overwriting &quot;%1&quot;: that file is left under its own name, not completely overwritten.</source>
        <translation>「%1」の上書き中に停止しました：このファイルは元の名前のまま残り、完全には上書きされていません。</translation>
    </message>
    <message>
        <source>Jobs not reached: %1 of %2.</source>
        <translation>未着手のジョブ：%1 / %2。</translation>
    </message>
    <message>
        <source>Overwritten before the stop: %1, in %2.</source>
        <translation>停止前に上書き済み：%1、所要時間 %2。</translation>
    </message>
    <message>
        <source>Overwritten with every pass: %1, in %2.</source>
        <translation>すべてのパスで上書き済み：%1、所要時間 %2。</translation>
    </message>
    <message>
        <source>Left behind: %1.</source>
        <translation>残ったもの：%1。</translation>
    </message>
    <message>
        <source>Not found when their turn came: %1.</source>
        <translation>順番が来たときに見つからなかったもの：%1。</translation>
    </message>
    <message>
        <source>Left partly overwritten when the run stopped:</source>
        <translation>実行の停止時に一部だけ上書きされたもの：</translation>
    </message>
    <message>
        <source>Not reached:</source>
        <translation>未着手：</translation>
    </message>
    <message>
        <source>Left behind:</source>
        <translation>残ったもの：</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>見つからなかったもの：</translation>
    </message>
    <message>
        <source>: %1 wiped in %2.</source>
        <translation>：%1 を %2 で抹消しました。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The settings folder could not be prepared: changed settings and methods may not be saved.</source>
        <translation>設定フォルダーを準備できませんでした。変更した設定と方式が保存されない可能性があります。</translation>
    </message>
    <message>
        <source>The methods and settings could not all be read: %1</source>
        <translation>方式と設定の一部を読み込めませんでした：%1</translation>
    </message>
    <message>
        <source>The changed settings could not be saved: %1</source>
        <translation>変更した設定を保存できませんでした：%1</translation>
    </message>
</context>
</TS>
