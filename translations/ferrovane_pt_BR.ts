<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AdministratorRun</name>
    <message>
        <source> (%1 ended with status %2%3)</source>
        <translation> (%1 terminou com status %2%3)</translation>
    </message>
    <message>
        <source>No authentication agent is running, so nobody could be asked for the administrator&apos;s password: nothing was wiped. Start your desktop&apos;s polkit agent (for example lxpolkit or polkit-gnome), or run ferrovane-cli as root in a terminal.</source>
        <translation>Nenhum agente de autenticação está em execução, então não foi possível pedir a senha do administrador: nada foi apagado. Inicie o agente polkit do seu ambiente de trabalho (por exemplo, lxpolkit ou polkit-gnome) ou execute ferrovane-cli como root em um terminal.</translation>
    </message>
    <message>
        <source>The polkit service, which decides who may act as the administrator, is not running: nothing was wiped. Run ferrovane-cli as root in a terminal instead.</source>
        <translation>O serviço polkit, que decide quem pode agir como administrador, não está em execução: nada foi apagado. Em vez disso, execute ferrovane-cli como root em um terminal.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given, or the request was refused: nothing was wiped.</source>
        <translation>A senha do administrador não foi informada, ou a solicitação foi recusada: nada foi apagado.</translation>
    </message>
    <message>
        <source>%1 could not start the run with administrator rights: nothing was wiped.</source>
        <translation>%1 não pôde iniciar a execução com privilégios de administrador: nada foi apagado.</translation>
    </message>
    <message>
        <source>The run with administrator rights ended without an outcome, so what it wiped is unknown.</source>
        <translation>A execução com privilégios de administrador terminou sem um resultado, então não se sabe o que ela apagou.</translation>
    </message>
    <message>
        <source>The engine is running: nothing was handed over.</source>
        <translation>O mecanismo está em execução: nada foi repassado.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2: nothing was wiped.</source>
        <translation>Não foi possível iniciar %1: %2: nada foi apagado.</translation>
    </message>
    <message>
        <source>%1 can only be wiped with administrator rights, and pkexec, which asks for them, is not installed (Debian package &quot;pkexec&quot;). Install it, or run ferrovane-cli as root in a terminal.</source>
        <translation>%1 só pode ser apagado com privilégios de administrador, e o pkexec, que os solicita, não está instalado (pacote Debian &quot;pkexec&quot;). Instale-o ou execute ferrovane-cli como root em um terminal.</translation>
    </message>
    <message>
        <source>Some of what needs administrator rights cannot be handed to them.</source>
        <translation>Parte do que precisa de privilégios de administrador não pode ser repassada a eles.</translation>
    </message>
    <message>
        <source>Only what the window can see as it is now, without a link on its way, is handed over.</source>
        <translation>Só é repassado o que a janela vê como está agora, sem um link no caminho.</translation>
    </message>
    <message>
        <source>Wiping the free space of %1 needs administrator rights. Run as administrator?</source>
        <translation>Apagar o espaço livre de %1 requer privilégios de administrador. Executar como administrador?</translation>
    </message>
    <message>
        <source>%1 could not be wiped without administrator rights. Run as administrator?</source>
        <translation>Não foi possível apagar %1 sem privilégios de administrador. Executar como administrador?</translation>
    </message>
    <message>
        <source>Continue as administrator</source>
        <translation>Continuar como administrador</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>ferrovane: no display can be opened; without a window, use ferrovane-cli (see ferrovane-cli --help)</source>
        <translation>ferrovane: não é possível abrir nenhuma tela; sem uma janela, use ferrovane-cli (veja ferrovane-cli --help)</translation>
    </message>
</context>
<context>
    <name>FileManagerOffer</name>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to the context menus of Dolphin, Nemo and Nautilus, and Ferrovane to &quot;Open With&quot;, for you? Each entry opens this window with the selection queued; nothing is wiped before you press Start and answer its question.</source>
        <translation>Adicionar &quot;Apagar com o Ferrovane&quot; aos menus de contexto do Dolphin, Nemo e Nautilus, e o Ferrovane a &quot;Abrir com&quot;, para você? Cada item abre esta janela com a seleção na fila; nada é apagado antes que você clique em Iniciar e responda à pergunta.</translation>
    </message>
    <message>
        <source>Also add &quot;Wipe with Ferrovane&quot; to Thunar&apos;s custom actions in %1? Your other actions are kept.</source>
        <translation>Adicionar &quot;Apagar com o Ferrovane&quot; também às ações personalizadas do Thunar em %1? Suas outras ações são mantidas.</translation>
    </message>
    <message>
        <source>&quot;Wipe with Ferrovane&quot; was added. A file manager that is open shows it once it is started again.</source>
        <translation>&quot;Apagar com o Ferrovane&quot; foi adicionado. Um gerenciador de arquivos que esteja aberto o mostra depois de ser iniciado novamente.</translation>
    </message>
    <message>
        <source>Some file-manager entries could not be added.</source>
        <translation>Não foi possível adicionar alguns itens ao gerenciador de arquivos.</translation>
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
        <translation>Texto (vazio: a passagem não pode ser gravada)</translation>
    </message>
    <message>
        <source>Text &apos;%1&apos;</source>
        <translation>Texto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Random bytes</source>
        <translation>Bytes aleatórios</translation>
    </message>
    <message>
        <source>Random bytes </source>
        <translation>Bytes aleatórios </translation>
    </message>
    <message>
        <source>One random byte value</source>
        <translation>Um valor de byte aleatório</translation>
    </message>
    <message>
        <source>One random byte value in </source>
        <translation>Um valor de byte aleatório em </translation>
    </message>
    <message>
        <source>Unknown kind %1: writes nothing</source>
        <translation>Tipo desconhecido %1: não grava nada</translation>
    </message>
    <message>
        <source>, read back</source>
        <translation>, com releitura</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 item</source>
        <translation>1 item</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 itens</translation>
    </message>
    <message>
        <source>On this system: %1</source>
        <translation>Neste sistema: %1</translation>
    </message>
</context>
<context>
    <name>QtPromptService</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>QtWipeServices</name>
    <message>
        <source> is a executable file. Are you sure to wipe it?</source>
        <translation> é um arquivo executável. Tem certeza de que deseja apagá-lo?</translation>
    </message>
</context>
<context>
    <name>SizeFunctions</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bytes</translation>
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
        <translation>Site principal:</translation>
    </message>
    <message>
        <source>Support email:</source>
        <translation>E-mail de suporte:</translation>
    </message>
    <message>
        <source>Ferrovane %1</source>
        <translation>Ferrovane %1</translation>
    </message>
    <message>
        <source>Licence: distributed by its developers under the terms published at %1/ (the package&apos;s copyright file says the same).</source>
        <translation>Licença: distribuído pelos seus desenvolvedores nos termos publicados em %1/ (o arquivo copyright do pacote diz o mesmo).</translation>
    </message>
    <message>
        <source>Settings (Ferrovane.ini, prefs.dat) are kept in %1</source>
        <translation>As configurações (Ferrovane.ini, prefs.dat) ficam em %1</translation>
    </message>
    <message>
        <source>Wipe methods are kept in %1</source>
        <translation>Os métodos de apagamento ficam em %1</translation>
    </message>
    <message>
        <source>Delete with Wiping: the files and folders you list are overwritten with their method, pass after pass, and deleted.</source>
        <translation>Excluir com segurança: os arquivos e pastas da lista são sobrescritos com o seu método, passagem após passagem, e excluídos.</translation>
    </message>
    <message>
        <source>Wipe free space: the free space of the drives you check is filled and overwritten, so files deleted earlier cannot be recovered from it.</source>
        <translation>Apagar espaço livre: o espaço livre das unidades marcadas é preenchido e sobrescrito, para que arquivos excluídos antes não possam ser recuperados dele.</translation>
    </message>
    <message>
        <source>Wipe special folders: the temporary, browser and trash folders you check are wiped with the folders&apos; method.</source>
        <translation>Apagar pastas especiais: as pastas temporárias, dos navegadores e da Lixeira marcadas são apagadas com o método das pastas.</translation>
    </message>
    <message>
        <source>Clear recently used files: the lists of recently used files that the desktop and programs keep are removed.</source>
        <translation>Limpar arquivos recentes: as listas de arquivos usados recentemente mantidas pelo ambiente de trabalho e pelos programas são removidas.</translation>
    </message>
    <message>
        <source>Clean traces: traces of use (caches, histories, cookies) are found and removed; Preview lists them first.</source>
        <translation>Limpar rastros: rastros de uso (caches, históricos, cookies) são encontrados e removidos; Visualizar os lista antes.</translation>
    </message>
    <message>
        <source>Options: wipe methods are made, looked at and changed, and each kind of wipe is given its method.</source>
        <translation>Opções: os métodos de apagamento são criados, consultados e alterados, e cada tipo de apagamento recebe o seu método.</translation>
    </message>
</context>
<context>
    <name>TCleanTracesPage</name>
    <message>
        <source>Clean &amp;traces</source>
        <translation>Limpar &amp;rastros</translation>
    </message>
    <message>
        <source>Traces to clean</source>
        <translation>Rastros a limpar</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Rastro</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Encontrado</translation>
    </message>
    <message>
        <source>Overwrite files &amp;before deleting them</source>
        <translation>&amp;Sobrescrever arquivos antes de excluí-los</translation>
    </message>
    <message>
        <source>Files are wiped with the method of the file engine instead of being deleted plainly.</source>
        <translation>Os arquivos são apagados com o método do mecanismo de arquivos em vez de serem simplesmente excluídos.</translation>
    </message>
    <message>
        <source>Pat&amp;hs…</source>
        <translation>&amp;Caminhos…</translation>
    </message>
    <message>
        <source>Your own files and folders to clean, and the places no item ever cleans.</source>
        <translation>Seus próprios arquivos e pastas a limpar, e os locais que nenhum item limpa nunca.</translation>
    </message>
    <message>
        <source>Sch&amp;edule…</source>
        <translation>&amp;Agendamento…</translation>
    </message>
    <message>
        <source>Clean chosen traces on a schedule, also while the window is closed where the user&apos;s service manager runs.</source>
        <translation>Limpa os rastros escolhidos conforme um agendamento, também com a janela fechada, onde o gerenciador de serviços do usuário é executado.</translation>
    </message>
    <message>
        <source>Preview and outcome</source>
        <translation>Visualização e resultado</translation>
    </message>
    <message>
        <source>What</source>
        <translation>O quê</translation>
    </message>
    <message>
        <source>Size or reason</source>
        <translation>Tamanho ou motivo</translation>
    </message>
    <message>
        <source>Look &amp;again</source>
        <translation>Procurar &amp;novamente</translation>
    </message>
    <message>
        <source>Works out again what each item finds now.</source>
        <translation>Calcula de novo o que cada item encontra agora.</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Visualizar</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>The paths could not be kept, nothing changed: %1</source>
        <translation>Não foi possível salvar os caminhos, nada mudou: %1</translation>
    </message>
    <message>
        <source>The choice holds until the program ends, but the settings file could not keep it: %1</source>
        <translation>A escolha vale até o programa ser fechado, mas o arquivo de configurações não pôde guardá-la: %1</translation>
    </message>
    <message>
        <source>Looking for traces...</source>
        <translation>Procurando rastros...</translation>
    </message>
    <message>
        <source>%1 in use or out of reach</source>
        <translation>%1 em uso ou fora de alcance</translation>
    </message>
    <message>
        <source>nothing to clean</source>
        <translation>nada a limpar</translation>
    </message>
    <message>
        <source>Nothing of this kind was found on this system.</source>
        <translation>Nada deste tipo foi encontrado neste sistema.</translation>
    </message>
    <message>
        <source>Would remove %1.</source>
        <translation>Seria removido: %1.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Removido: %1.</translation>
    </message>
    <message>
        <source>%1 cannot be removed now (listed first).</source>
        <translation>%1 não pode ser removido agora (listado primeiro).</translation>
    </message>
    <message>
        <source>%1 could not be removed (listed first).</source>
        <translation>Não foi possível remover %1 (listado primeiro).</translation>
    </message>
    <message>
        <source>Check a trace that has something to clean.</source>
        <translation>Marque um rastro que tenha algo a limpar.</translation>
    </message>
    <message>
        <source>Preview stopped. </source>
        <translation>Visualização interrompida. </translation>
    </message>
    <message>
        <source>Remove %1, found by %2 (%3)? This cannot be undone.
Preview lists each trace first.</source>
        <translation>Remover %1, encontrado por %2 (%3)? Esta ação não pode ser desfeita.
Visualizar lista cada rastro antes.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Interrompido. </translation>
    </message>
    <message>
        <source>The schedule in the settings file cannot be read: %1</source>
        <translation>Não é possível ler o agendamento no arquivo de configurações: %1</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Nenhuma limpeza agendada.</translation>
    </message>
    <message>
        <source>Scheduled cleans are started by the user&apos;s service manager (systemd timer %1), also while Ferrovane is closed.</source>
        <translation>As limpezas agendadas são iniciadas pelo gerenciador de serviços do usuário (temporizador do systemd %1), também quando o Ferrovane está fechado.</translation>
    </message>
    <message>
        <source>No user service manager runs: scheduled cleans are started by this window&apos;s timer while it is open.</source>
        <translation>Nenhum gerenciador de serviços do usuário está em execução: as limpezas agendadas são iniciadas pelo temporizador desta janela enquanto ela estiver aberta.</translation>
    </message>
    <message>
        <source>The schedule is on but never falls due: choose a day or a month.</source>
        <translation>O agendamento está ativado, mas nunca vence: escolha um dia ou um mês.</translation>
    </message>
    <message>
        <source>No trace is chosen for it.</source>
        <translation>Nenhum rastro foi escolhido para ele.</translation>
    </message>
    <message>
        <source>The schedule could not be kept, nothing changed: %1</source>
        <translation>Não foi possível salvar o agendamento, nada mudou: %1</translation>
    </message>
    <message>
        <source>Scheduled clean: </source>
        <translation>Limpeza agendada: </translation>
    </message>
    <message>
        <source>The outcome could not be recorded: %1</source>
        <translation>Não foi possível registrar o resultado: %1</translation>
    </message>
</context>
<context>
    <name>TDeletePage</name>
    <message>
        <source>&amp;Delete with Wiping</source>
        <translation>Excl&amp;uir com segurança</translation>
    </message>
    <message>
        <source>Files Wiping </source>
        <translation>Apagamento de arquivos </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>As admin...</source>
        <translation>Como administrador...</translation>
    </message>
    <message>
        <source>Wipe the files marked with a shield, which you may not change, with administrator rights</source>
        <translation>Apagar com privilégios de administrador os arquivos marcados com um escudo, que você não pode alterar</translation>
    </message>
    <message>
        <source>Folders Wiping </source>
        <translation>Apagamento de pastas </translation>
    </message>
    <message>
        <source>Wipe the folders marked with a shield, which you may not change, with administrator rights</source>
        <translation>Apagar com privilégios de administrador as pastas marcadas com um escudo, que você não pode alterar</translation>
    </message>
    <message>
        <source>Save what the last run did, and what the device check found, as a page to keep (HTML) or for other programs (JSON).</source>
        <translation>Salva o que a última execução fez, e o que a verificação do dispositivo encontrou, como uma página para guardar (HTML) ou para outros programas (JSON).</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Salvar relatório...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Salvar relatório</translation>
    </message>
    <message>
        <source>Report page (*.html);;Report for programs (*.json)</source>
        <translation>Página de relatório (*.html);;Relatório para programas (*.json)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1 (%2).</source>
        <translation>Não foi possível salvar o relatório em %1 (%2).</translation>
    </message>
    <message>
        <source>
You may not change the folder that holds it: wiping it needs administrator rights.</source>
        <translation>
Você não pode alterar a pasta que o contém: apagá-lo requer privilégios de administrador.</translation>
    </message>
    <message>
        <source>Select files to shred</source>
        <translation>Selecione os arquivos a destruir</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>%1 of the files chosen cannot be wiped.</source>
        <translation>%1 dos arquivos escolhidos não podem ser apagados.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>%1 of the folders chosen cannot be wiped.</source>
        <translation>%1 das pastas escolhidas não podem ser apagadas.</translation>
    </message>
    <message>
        <source>%1: is on a system file system (%2): not wiped</source>
        <translation>%1: está em um sistema de arquivos do sistema (%2): não apagado</translation>
    </message>
    <message>
        <source>Only existing files and folders of this computer can be wiped; nothing on a system file system (proc, sysfs, ...) is.</source>
        <translation>Só podem ser apagados arquivos e pastas existentes deste computador; nada em um sistema de arquivos do sistema (proc, sysfs, ...) é apagado.</translation>
    </message>
    <message>
        <source>%1: not a file or folder of this computer</source>
        <translation>%1: não é um arquivo ou pasta deste computador</translation>
    </message>
    <message>
        <source>%1: its list is being wiped now</source>
        <translation>%1: a lista dele está sendo apagada agora</translation>
    </message>
    <message>
        <source>%1 of the items handed over could not be added.</source>
        <translation>%1 dos itens repassados não puderam ser adicionados.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>Apagar %1 (%2)? Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Apagar </translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>A tarefa de apagamento foi cancelada!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>A tarefa de apagamento não foi concluída. Restou: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>A tarefa de apagamento foi concluída com sucesso!</translation>
    </message>
    <message>
        <source>Wipe %1 with administrator rights (%2)? You will be asked for the password. This cannot be undone.</source>
        <translation>Apagar %1 com privilégios de administrador (%2)? A senha será solicitada. Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Wipe %1 as administrator</source>
        <translation>Apagar %1 como administrador</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 now (%2 free)? The old blocks of the files just deleted there are overwritten.</source>
        <translation>Apagar agora o espaço livre de %1 (%2 livres)? Os blocos antigos dos arquivos recém-excluídos ali são sobrescritos.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Apagar espaço livre de %1</translation>
    </message>
    <message>
        <source>The wipe of the free space has been aborted!</source>
        <translation>O apagamento do espaço livre foi cancelado!</translation>
    </message>
    <message>
        <source>The free space of %1 has been wiped: the old blocks of the files deleted there are overwritten.</source>
        <translation>O espaço livre de %1 foi apagado: os blocos antigos dos arquivos excluídos ali foram sobrescritos.</translation>
    </message>
    <message>
        <source>Report for programs (*.json)</source>
        <translation>Relatório para programas (*.json)</translation>
    </message>
    <message>
        <source>Not handed to the administrator&apos;s run, as the window cannot see it as it is now:
%1</source>
        <translation>Não repassado à execução como administrador, pois a janela não consegue vê-lo como está agora:
%1</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do. Wipe %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Verificar o dispositivo após o apagamento o lê de volta, o que só o administrador pode fazer. Apagar %1 com direitos de administrador e verificar o dispositivo? A senha será solicitada. Para apagar sem a verificação, desative “Verificar o dispositivo após o apagamento” em Opções.</translation>
    </message>
</context>
<context>
    <name>TFreeSpacePage</name>
    <message>
        <source>&amp;Wipe free space</source>
        <translation>Apa&amp;gar espaço livre</translation>
    </message>
    <message>
        <source>Local drives list </source>
        <translation>Lista de unidades locais </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Sistema de arquivos</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Espaço livre</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Clean &amp;Free Space</source>
        <translation>&amp;Apagar espaço livre</translation>
    </message>
    <message>
        <source>Wipe as administrator...</source>
        <translation>Apagar como administrador...</translation>
    </message>
    <message>
        <source>Wipe the free space of the selected drive, which only the administrator may fill, with administrator rights</source>
        <translation>Apagar com privilégios de administrador o espaço livre da unidade selecionada, que só o administrador pode preencher</translation>
    </message>
    <message>
        <source>only the administrator may write there</source>
        <translation>só o administrador pode gravar ali</translation>
    </message>
    <message>
        <source>mounted read-only</source>
        <translation>montada como somente leitura</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lida: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>
Its free space cannot be wiped: </source>
        <translation>
O espaço livre dela não pode ser apagado: </translation>
    </message>
    <message>
        <source>. Wipe as administrator can.</source>
        <translation>. Apagar como administrador consegue.</translation>
    </message>
    <message>
        <source>A temporary file of an interrupted free-space wipe was found on %1 (%2). Wipe and remove it now?</source>
        <translation>Foi encontrado em %1 (%2) um arquivo temporário de um apagamento de espaço livre interrompido. Apagá-lo e removê-lo agora?</translation>
    </message>
    <message>
        <source>Wipe and remove it</source>
        <translation>Apagar e remover</translation>
    </message>
    <message>
        <source>%1 was not wiped: a free-space wipe of its drive is running.</source>
        <translation>%1 não foi apagado: um apagamento do espaço livre da sua unidade está em andamento.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>A tarefa de apagamento foi cancelada!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>A tarefa de apagamento não foi concluída. Restou: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>A tarefa de apagamento foi concluída com sucesso!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1? Other programs cannot write to %2 until it ends.</source>
        <translation>Apagar o espaço livre de %1? Outros programas não poderão gravar em %2 até o fim.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Apagar espaço livre de %1</translation>
    </message>
    <message>
        <source>The Wipe free space task has been aborted!</source>
        <translation>A tarefa Apagar espaço livre foi cancelada!</translation>
    </message>
    <message>
        <source>The Wipe free space task has been completed successfully!</source>
        <translation>A tarefa Apagar espaço livre foi concluída com sucesso!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 with administrator rights? You will be asked for the password; other programs cannot write to it until it ends.</source>
        <translation>Apagar o espaço livre de %1 com privilégios de administrador? A senha será solicitada; outros programas não poderão gravar nela até o fim.</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do: your own run would leave it &quot;not verified (needs administrator rights)&quot;. Wipe the free space of %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Verificar o dispositivo após o apagamento o lê de volta, o que só o administrador pode fazer: sua própria execução o deixaria “não verificado (requer direitos de administrador)”. Apagar o espaço livre de %1 com direitos de administrador e verificar o dispositivo? A senha será solicitada. Para apagar sem a verificação, desative “Verificar o dispositivo após o apagamento” em Opções.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>About Ferrovane</source>
        <translation>Sobre o Ferrovane</translation>
    </message>
    <message>
        <source>Ferrovane on the web</source>
        <translation>Ferrovane na web</translation>
    </message>
    <message>
        <source>The readme (readme.txt) that comes with Ferrovane was not found beside the program.
The About page says what each page does.</source>
        <translation>O leia-me (readme.txt) que acompanha o Ferrovane não foi encontrado junto ao programa.
A página Sobre diz o que cada página faz.</translation>
    </message>
    <message>
        <source>The readme answers the usual questions; &quot;When something is left behind&quot; explains what a report after a run means.</source>
        <translation>O leia-me responde às perguntas mais comuns; &quot;When something is left behind&quot; explica o que significa um relatório após uma execução.</translation>
    </message>
    <message>
        <source>Check for updates: starts the updater %1</source>
        <translation>Verificar atualizações: inicia o atualizador %1</translation>
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
        <translation>Acompanha o Ferrovane: Editar o mostra, e ali Copiar cria uma cópia que você pode alterar.</translation>
    </message>
    <message>
        <source>The file of this method could not be read whole (%1), so no wipe uses it. Edit it and press OK to store what was read as a whole method.</source>
        <translation>O arquivo deste método não pôde ser lido por inteiro (%1), então nenhum apagamento o usa. Edite-o e clique em OK para guardar o que foi lido como um método completo.</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be %2 now: %3 is running with it.
Try again once the wipe has ended.</source>
        <translation>O método &quot;%1&quot; não pode ser %2 agora: %3 está em execução com ele.
Tente novamente quando o apagamento terminar.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Ferrovane wipe method files (*%1)</source>
        <translation>Arquivos de métodos de apagamento do Ferrovane (*%1)</translation>
    </message>
    <message>
        <source>Method files can be saved only in &quot;%1&quot;.
&quot;%2&quot; will be saved in this folder.</source>
        <translation>Arquivos de métodos só podem ser salvos em &quot;%1&quot;.
&quot;%2&quot; será salvo nesta pasta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of &quot;%2&quot;, which comes with Ferrovane and is not replaced.
Choose another file name.</source>
        <translation>&quot;%1&quot; é o arquivo de &quot;%2&quot;, que acompanha o Ferrovane e não é substituído.
Escolha outro nome de arquivo.</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>substituído</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the method &quot;%2&quot;.
Replace that method with the new one?</source>
        <translation>&quot;%1&quot; é o arquivo do método &quot;%2&quot;.
Substituir esse método pelo novo?</translation>
    </message>
    <message>
        <source>New Method</source>
        <translation>Novo método</translation>
    </message>
    <message>
        <source>Copy of Method</source>
        <translation>Cópia do método</translation>
    </message>
    <message>
        <source>Method (read-only)</source>
        <translation>Método (somente leitura)</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>editado</translation>
    </message>
    <message>
        <source>Edit Method</source>
        <translation>Editar método</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>excluído</translation>
    </message>
    <message>
        <source>Are you sure you want to delete method &quot;%1&quot;?</source>
        <translation>Tem certeza de que deseja excluir o método &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>use &quot;%1&quot; instead.</source>
        <translation>passará a usar &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>have no method, and wipe nothing, until another is chosen.</source>
        <translation>ficará sem método, e não apagará nada, até que outro seja escolhido.</translation>
    </message>
    <message>
        <source>Unable to delete %1 (%2).</source>
        <translation>Não foi possível excluir %1 (%2).</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be used: its file could not be read whole.
Edit it and press OK to store what was read as a whole method.</source>
        <translation>O método &quot;%1&quot; não pode ser usado: o arquivo dele não pôde ser lido por inteiro.
Edite-o e clique em OK para guardar o que foi lido como um método completo.</translation>
    </message>
    <message>
        <source>

%1 is set to use it, and will </source>
        <translation>

%1 está configurado para usá-lo e </translation>
    </message>
    <message>
        <source>

%1 are set to use it, and will </source>
        <translation>

%1 estão configurados para usá-lo e </translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Methods </source>
        <translation>&amp;Métodos </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Wipe Type</source>
        <translation>Tipo de apagamento</translation>
    </message>
    <message>
        <source>Wipe Files</source>
        <translation>Apagar arquivos</translation>
    </message>
    <message>
        <source>Wipe Folders</source>
        <translation>Apagar pastas</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Apagar espaço livre</translation>
    </message>
    <message>
        <source>Warn on deleting an executable file</source>
        <translation>Avisar ao excluir um arquivo executável</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Questions before a wipe </source>
        <translation>Perguntas antes de um apagamento </translation>
    </message>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Perguntar antes de apagar arquivos e pastas</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Perguntar antes de apagar o espaço livre</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Perguntar antes de apagar pastas especiais</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Perguntar antes de limpar rastros</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Perguntar antes de limpar arquivos recentes</translation>
    </message>
    <message>
        <source>Ask again everywhere</source>
        <translation>Perguntar de novo em todos os lugares</translation>
    </message>
    <message>
        <source>Method Description </source>
        <translation>Descrição do método </translation>
    </message>
    <message>
        <source>Discard free blocks after wiping free space (SSDs)</source>
        <translation>Descartar (TRIM) blocos livres após apagar o espaço livre (SSDs)</translation>
    </message>
    <message>
        <source>After each wipe, read the device back where the deleted files and their names lay (needs administrator rights), and name what is still there.</source>
        <translation>Após cada apagamento, reler o dispositivo onde estavam os arquivos excluídos e seus nomes (requer privilégios de administrador) e indicar o que ainda está lá.</translation>
    </message>
    <message>
        <source>Check the device after wiping</source>
        <translation>Verificar o dispositivo após o apagamento</translation>
    </message>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to file managers...</source>
        <translation>Adicionar &quot;Apagar com o Ferrovane&quot; aos gerenciadores de arquivos...</translation>
    </message>
    <message>
        <source>Erase old copies of file names from the file system journal (ext4, XFS)</source>
        <translation>Apagar cópias antigas de nomes de arquivos do journal do sistema de arquivos (ext4, XFS)</translation>
    </message>
    <message>
        <source>Takes seconds after each wipe and writes about the journal&apos;s size.</source>
        <translation>Leva alguns segundos após cada apagamento e grava uma quantidade de dados próxima ao tamanho do journal.</translation>
    </message>
    <message>
        <source>%1 will be wiped with &quot;%2&quot;.</source>
        <translation>%1 será apagado com &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>TRecentFilesPage</name>
    <message>
        <source>&amp;Clear recently used files</source>
        <translation>Limpar ar&amp;quivos recentes</translation>
    </message>
    <message>
        <source>Known lists </source>
        <translation>Listas conhecidas </translation>
    </message>
    <message>
        <source>Most Recently Used (MRU) lists of known products:</source>
        <translation>Listas de arquivos usados recentemente (MRU) de produtos conhecidos:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Other lists </source>
        <translation>Outras listas </translation>
    </message>
    <message>
        <source>MRU lists of other programs:</source>
        <translation>Listas MRU de outros programas:</translation>
    </message>
    <message>
        <source>Search Registry for other MRU lists</source>
        <translation>Procurar outras listas MRU no Registro</translation>
    </message>
    <message>
        <source>Add Existing Key</source>
        <translation>Adicionar chave existente</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Remover selecionados</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>On this system</source>
        <translation>Neste sistema</translation>
    </message>
    <message>
        <source>kept only by Windows</source>
        <translation>mantida só pelo Windows</translation>
    </message>
    <message>
        <source>Windows registry list</source>
        <translation>lista do Registro do Windows</translation>
    </message>
    <message>
        <source>The desktop&apos;s lists of recently used files are empty.</source>
        <translation>As listas de arquivos usados recentemente do ambiente de trabalho estão vazias.</translation>
    </message>
    <message>
        <source>This list is not kept on this system.</source>
        <translation>Esta lista não é mantida neste sistema.</translation>
    </message>
    <message>
        <source>This list holds nothing on this system.</source>
        <translation>Esta lista não contém nada neste sistema.</translation>
    </message>
    <message>
        <source>Clear %1 (%2)? This cannot be undone.</source>
        <translation>Limpar %1 (%2)? Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Limpar %1</translation>
    </message>
    <message>
        <source>The registry store could not be written; nothing was removed from it.
</source>
        <translation>Não foi possível gravar o armazenamento do Registro; nada foi removido dele.
</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Interrompido.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has not been completed. Left: %1.</source>
        <translation>A tarefa Limpar arquivos recentes não foi concluída. Restou: %1.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has been completed successfully!</source>
        <translation>A tarefa Limpar arquivos recentes foi concluída com sucesso!</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>Pesquisa interrompida.</translation>
    </message>
</context>
<context>
    <name>TReportDialog</name>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar &amp;detalhes...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Ocultar de&amp;talhes...</translation>
    </message>
</context>
<context>
    <name>TRunNotifier</name>
    <message>
        <source>1 item was left behind</source>
        <translation>1 item ficou para trás</translation>
    </message>
    <message>
        <source>%1 items were left behind</source>
        <translation>%1 itens ficaram para trás</translation>
    </message>
    <message>
        <source>The wipe task has been aborted.</source>
        <translation>A tarefa de apagamento foi cancelada.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted; %1.</source>
        <translation>A tarefa de apagamento foi cancelada; %1.</translation>
    </message>
    <message>
        <source>The wipe task has not been completed: %1.</source>
        <translation>A tarefa de apagamento não foi concluída: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully.</source>
        <translation>A tarefa de apagamento foi concluída com sucesso.</translation>
    </message>
    <message>
        <source>Show Ferrovane</source>
        <translation>Mostrar o Ferrovane</translation>
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
        <translation>cerca de %1 restantes</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 de %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 gravados</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>free space of %1</source>
        <translation>espaço livre de %1</translation>
    </message>
    <message>
        <source>Wiping</source>
        <translation>Apagando</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln files</source>
        <translation>
            <numerusform>Apagando %Ln arquivo</numerusform>
            <numerusform>Apagando %Ln arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln folders</source>
        <translation>
            <numerusform>Apagando %Ln pasta</numerusform>
            <numerusform>Apagando %Ln pastas</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping free space of %1</source>
        <translation>Apagando o espaço livre de %1</translation>
    </message>
    <message numerus="yes">
        <source>Wiping free space of %Ln drives</source>
        <translation>
            <numerusform>Apagando o espaço livre de %Ln unidade</numerusform>
            <numerusform>Apagando o espaço livre de %Ln unidades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln arquivo</numerusform>
            <numerusform>%Ln arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln pasta</numerusform>
            <numerusform>%Ln pastas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>free space of %Ln drives</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>o espaço livre de %Ln unidade</numerusform>
            <numerusform>o espaço livre de %Ln unidades</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping %1</source>
        <translation>Apagando %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1</source>
        <translation>
            <numerusform>%Ln arquivo, %1</numerusform>
            <numerusform>%Ln arquivos, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRunQuestion</name>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Perguntar antes de apagar arquivos e pastas</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Perguntar antes de apagar o espaço livre</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Perguntar antes de apagar pastas especiais</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Perguntar antes de limpar rastros</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Perguntar antes de limpar arquivos recentes</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Não perguntar novamente</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>mais %1</translation>
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
        <translation>Apagar pas&amp;tas especiais</translation>
    </message>
    <message>
        <source>Special folders </source>
        <translation>Pastas especiais </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Trash </source>
        <translation>Lixeira </translation>
    </message>
    <message>
        <source>Trash folders</source>
        <translation>Pastas da Lixeira</translation>
    </message>
    <message>
        <source>Wipe st&amp;art</source>
        <translation>&amp;Iniciar apagamento</translation>
    </message>
    <message>
        <source>Folders &amp;method...</source>
        <translation>&amp;Método das pastas...</translation>
    </message>
    <message>
        <source>Chooses the wipe method of the folders engine, which wipes the folders of this page.</source>
        <translation>Escolhe o método de apagamento do mecanismo de pastas, que apaga as pastas desta página.</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>não disponível</translation>
    </message>
    <message>
        <source>Temporary Internet Files</source>
        <translation>Arquivos temporários da Internet</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>Opera Cookies</source>
        <translation>Cookies do Opera</translation>
    </message>
    <message>
        <source>Opera Internet Cache</source>
        <translation>Cache de Internet do Opera</translation>
    </message>
    <message>
        <source>Opera History</source>
        <translation>Histórico do Opera</translation>
    </message>
    <message>
        <source>Opera Images</source>
        <translation>Imagens do Opera</translation>
    </message>
    <message>
        <source>Not found on this system: there is nothing to wipe.</source>
        <translation>Não encontrado neste sistema: não há nada a apagar.</translation>
    </message>
    <message>
        <source>Nothing to wipe here: the five shell folders are places of Windows, which this system does not name%1%2. The trash below is wiped from this page; browsers&apos; caches and histories from Clean traces.</source>
        <translation>Nada a apagar aqui: as cinco pastas do shell são locais do Windows, que este sistema não tem%1%2. A Lixeira abaixo é apagada nesta página; caches e históricos dos navegadores, em Limpar rastros.</translation>
    </message>
    <message>
        <source> (&quot;Show Windows items&quot; lists them)</source>
        <translation> (&quot;Mostrar itens do Windows&quot; os lista)</translation>
    </message>
    <message>
        <source>, and no Opera profile was found</source>
        <translation>, e nenhum perfil do Opera foi encontrado</translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>Apagar %1 (%2)? Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Apagar </translation>
    </message>
    <message>
        <source>The Wipe special folders task has been completed successfully!</source>
        <translation>A tarefa Apagar pastas especiais foi concluída com sucesso!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has been aborted!</source>
        <translation>A tarefa Apagar pastas especiais foi cancelada!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has not been completed. Left behind: %1.</source>
        <translation>A tarefa Apagar pastas especiais não foi concluída. Restou: %1.</translation>
    </message>
    <message>
        <source>No row is ticked: tick the folders to wipe first.</source>
        <translation>Nenhuma linha está marcada: marque primeiro as pastas a apagar.</translation>
    </message>
</context>
<context>
    <name>TWindowRequest</name>
    <message>
        <source>Usage: ferrovane [--free-space] [--] [PATH...]</source>
        <translation>Uso: ferrovane [--free-space] [--] [CAMINHO...]</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
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
        <translation>Uso: ferrovane [--free-space] [--] [CAMINHO...]
Abre a janela do Ferrovane, que sobrescreve arquivos, pastas e o espaço livre das unidades
antes de excluí-los. Os arquivos e pastas indicados entram na fila da página
&quot;Excluir com segurança&quot;; nada é apagado antes que Iniciar seja clicado e a pergunta
respondida. Se uma janela já estiver aberta, ela recebe os caminhos e vem para a frente.

  --free-space  mostrar a página &quot;Apagar espaço livre&quot;
  --help        mostrar este texto e sair
  --version     mostrar a versão e sair
  --            todo argumento depois dele é um caminho, mesmo que comece com &quot;-&quot;

Sem janela: ferrovane-cli (veja ferrovane-cli --help).
</translation>
    </message>
</context>
<context>
    <name>TWindowsRowsFilter</name>
    <message>
        <source>Show Wi&amp;ndows items</source>
        <translation>Mostrar itens do &amp;Windows</translation>
    </message>
    <message>
        <source>Show the rows of places that only Windows has</source>
        <translation>Mostrar as linhas de locais que só o Windows tem</translation>
    </message>
</context>
<context>
    <name>TfEditMethod</name>
    <message>
        <source>Method Name:</source>
        <translation>Nome do método:</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Descrição do método:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Passagens:</translation>
    </message>
    <message>
        <source>Add a pass</source>
        <translation>Adicionar uma passagem</translation>
    </message>
    <message>
        <source>Rename the pass</source>
        <translation>Renomear a passagem</translation>
    </message>
    <message>
        <source>Delete the pass</source>
        <translation>Excluir a passagem</translation>
    </message>
    <message>
        <source> Pass </source>
        <translation> Passagem </translation>
    </message>
    <message>
        <source>After the pass is written and on the disk, it is read back past the system&apos;s cache and compared with what was written; a difference or a read error names the file after the run.</source>
        <translation>Depois que a passagem é gravada e está no disco, ela é relida ignorando o cache do sistema e comparada com o que foi gravado; uma diferença ou um erro de leitura faz o arquivo ser indicado após a execução.</translation>
    </message>
    <message>
        <source> Wipe Width </source>
        <translation> Gravar com </translation>
    </message>
    <message>
        <source>Byte Pattern</source>
        <translation>Padrão de bytes</translation>
    </message>
    <message>
        <source>Random Bytes</source>
        <translation>Bytes aleatórios</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Random Character</source>
        <translation>Caractere aleatório</translation>
    </message>
    <message>
        <source>Text Pattern</source>
        <translation>Padrão de texto</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>What the method is for, and when to choose it</source>
        <translation>Para que serve o método e quando escolhê-lo</translation>
    </message>
    <message>
        <source>This method comes with Ferrovane and cannot be changed. Copy makes a copy of it that you can edit.</source>
        <translation>Este método acompanha o Ferrovane e não pode ser alterado. Copiar cria uma cópia dele que você pode editar.</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Edit pass name</source>
        <translation>Editar nome da passagem</translation>
    </message>
    <message>
        <source>Pass name</source>
        <translation>Nome da passagem</translation>
    </message>
    <message>
        <source>Are you sure you want to delete pass &quot;%1&quot;?</source>
        <translation>Tem certeza de que deseja excluir a passagem &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>This method has no passes: files wiped with it are only deleted, not overwritten, and can be recovered.
Keep it without passes?</source>
        <translation>Este método não tem passagens: os arquivos apagados com ele são apenas excluídos, não sobrescritos, e podem ser recuperados.
Mantê-lo sem passagens?</translation>
    </message>
    <message>
        <source>Check &amp;Wipe</source>
        <translation>&amp;Verificar apagamento</translation>
    </message>
</context>
<context>
    <name>TfMethodsForm</name>
    <message>
        <source>Wiping Methods</source>
        <translation>Métodos de apagamento</translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation>&amp;Métodos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Descrição do método:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>TfProgress</name>
    <message>
        <source>Delete Files and Folders</source>
        <translation>Excluir arquivos e pastas</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Counting the files to wipe...</source>
        <translation>Contando os arquivos a apagar...</translation>
    </message>
    <message>
        <source>%1 files, %2 so far</source>
        <translation>%1 arquivos, %2 até agora</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tarefa</translation>
    </message>
</context>
<context>
    <name>TfReadme</name>
    <message>
        <source>Ferrovane Help</source>
        <translation>Ajuda do Ferrovane</translation>
    </message>
</context>
<context>
    <name>TfSchedule</name>
    <message>
        <source>Schedule of the trace cleaning</source>
        <translation>Agendamento da limpeza de rastros</translation>
    </message>
    <message>
        <source>&amp;Clean traces on a schedule</source>
        <translation>Lim&amp;par rastros conforme um agendamento</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>O&amp;nce</source>
        <translation>Uma &amp;vez</translation>
    </message>
    <message>
        <source>&amp;Every N minutes</source>
        <translation>A cada N &amp;minutos</translation>
    </message>
    <message>
        <source>Every N h&amp;ours</source>
        <translation>A &amp;cada N horas</translation>
    </message>
    <message>
        <source>Dai&amp;ly</source>
        <translation>D&amp;iariamente</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Semanalmente</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>Mensa&amp;lmente</translation>
    </message>
    <message>
        <source>&amp;Date and time:</source>
        <translation>&amp;Data e hora:</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>Every &amp;minutes:</source>
        <translation>A cada quan&amp;tos minutos:</translation>
    </message>
    <message>
        <source>Every &amp;hours:</source>
        <translation>A cada quantas ho&amp;ras:</translation>
    </message>
    <message>
        <source>and m&amp;inutes:</source>
        <translation>&amp;e minutos:</translation>
    </message>
    <message>
        <source>Every &amp;days:</source>
        <translation>A cada &amp;quantos dias:</translation>
    </message>
    <message>
        <source>&amp;At:</source>
        <translation>&amp;Horário:</translation>
    </message>
    <message>
        <source>Every &amp;weeks:</source>
        <translation>A cada q&amp;uantas semanas:</translation>
    </message>
    <message>
        <source>A&amp;t:</source>
        <translation>H&amp;ora:</translation>
    </message>
    <message>
        <source>On:</source>
        <translation>Em:</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>At&amp;:</source>
        <translation>Hora de e&amp;xecução:</translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation>No di&amp;a</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>&amp;Na</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primeira</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segunda</translation>
    </message>
    <message>
        <source>third</source>
        <translation>terceira</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quarta</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>quinta</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>of the week that holds the month&apos;s Thursday</source>
        <translation>da semana que contém a quinta-feira do mês</translation>
    </message>
    <message>
        <source>In:</source>
        <translation>Em:</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Fev</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Abr</translation>
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
        <translation>Ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Out</translation>
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
        <translation>Rastros limpos conforme o agendamento</translation>
    </message>
    <message>
        <source>A scheduled clean asks nothing and removes what a clean of the same traces from this page removes.</source>
        <translation>Uma limpeza agendada não pergunta nada e remove o que uma limpeza dos mesmos rastros nesta página remove.</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>Nenhuma limpeza agendada.</translation>
    </message>
    <message>
        <source>This schedule never falls due: choose a day or a month.</source>
        <translation>Este agendamento nunca vence: escolha um dia ou um mês.</translation>
    </message>
    <message>
        <source>Calendar of the timer: %1</source>
        <translation>Calendário do temporizador: %1</translation>
    </message>
    <message>
        <source>No trace is chosen yet.</source>
        <translation>Nenhum rastro escolhido ainda.</translation>
    </message>
</context>
<context>
    <name>TfTracePaths</name>
    <message>
        <source>Paths of the trace cleaning</source>
        <translation>Caminhos da limpeza de rastros</translation>
    </message>
    <message>
        <source>&amp;Custom files and folders, cleaned by the item &quot;Custom Files and Folders&quot;</source>
        <translation>&amp;Arquivos e pastas personalizados a limpar</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder). A folder goes with everything in it; the home folder and the folders above it are refused.</source>
        <translation>Um arquivo ou pasta por linha (~/ para a pasta pessoal). Uma pasta vai com tudo o que contém; a pasta pessoal e as pastas acima dela são recusadas.</translation>
    </message>
    <message>
        <source>&amp;Never clean these (every item passes them over)</source>
        <translation>&amp;Nunca limpar estes (todos os itens os ignoram)</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder; * and ? may stand in names). Nothing in a kept folder is deleted, emptied or edited.</source>
        <translation>Um arquivo ou pasta por linha (~/ para a pasta pessoal; * e ? podem substituir caracteres nos nomes). Nada em uma pasta protegida é excluído, esvaziado ou editado.</translation>
    </message>
</context>
<context>
    <name>TfmAddReg</name>
    <message>
        <source>Add Registry Key</source>
        <translation>Adicionar chave do Registro</translation>
    </message>
    <message>
        <source>Key Name</source>
        <translation>Nome da chave</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfmItemProps</name>
    <message>
        <source>Item Properties</source>
        <translation>Propriedades do item</translation>
    </message>
    <message>
        <source>Entire folder</source>
        <translation>Pasta inteira</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>Nome da pasta:</translation>
    </message>
    <message>
        <source>Folder content</source>
        <translation>Conteúdo da pasta</translation>
    </message>
    <message>
        <source>Include pattern:</source>
        <translation>Padrão de inclusão:</translation>
    </message>
    <message>
        <source>Included items list:</source>
        <translation>Lista de itens incluídos:</translation>
    </message>
    <message>
        <source>Add Included Pattern</source>
        <translation>Adicionar padrão incluído</translation>
    </message>
    <message>
        <source>Remove Included Item</source>
        <translation>Remover item incluído</translation>
    </message>
    <message>
        <source>Show Included files...</source>
        <translation>Mostrar arquivos incluídos...</translation>
    </message>
    <message>
        <source>Exclude wiping of files</source>
        <translation>Ignorar arquivos no apagamento</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please specify a directory</source>
        <translation>Especifique uma pasta</translation>
    </message>
    <message>
        <source>Please add at least a pattern to pattern list</source>
        <translation>Adicione pelo menos um padrão à lista de padrões</translation>
    </message>
</context>
<context>
    <name>TfmShowFiles</name>
    <message>
        <source>Included files</source>
        <translation>Arquivos incluídos</translation>
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
        <translation>O espaço livre de %1 não foi apagado.</translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped completely.</source>
        <translation>O espaço livre de %1 não foi apagado completamente.</translation>
    </message>
    <message>
        <source>It stopped while overwriting &quot;%1&quot;: that file is left under its own name, not completely overwritten.</source>
        <translation>Parou enquanto sobrescrevia &quot;%1&quot;: esse arquivo ficou com o próprio nome, não completamente sobrescrito.</translation>
    </message>
    <message>
        <source>Jobs not reached: %1 of %2.</source>
        <translation>Tarefas não alcançadas: %1 de %2.</translation>
    </message>
    <message>
        <source>Overwritten before the stop: %1, in %2.</source>
        <translation>Sobrescritos antes da interrupção: %1, em %2.</translation>
    </message>
    <message>
        <source>Overwritten with every pass: %1, in %2.</source>
        <translation>Sobrescritos com todas as passagens: %1, em %2.</translation>
    </message>
    <message>
        <source>Left behind: %1.</source>
        <translation>Ficaram para trás: %1.</translation>
    </message>
    <message>
        <source>Not found when their turn came: %1.</source>
        <translation>Não encontrados quando chegou a vez deles: %1.</translation>
    </message>
    <message>
        <source>Left partly overwritten when the run stopped:</source>
        <translation>Ficaram parcialmente sobrescritos quando a execução parou:</translation>
    </message>
    <message>
        <source>Not reached:</source>
        <translation>Não alcançados:</translation>
    </message>
    <message>
        <source>Left behind:</source>
        <translation>Ficaram para trás:</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>Não encontrados:</translation>
    </message>
    <message>
        <source>: %1 wiped in %2.</source>
        <translation>: %1 apagados em %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The settings folder could not be prepared: changed settings and methods may not be saved.</source>
        <translation>Não foi possível preparar a pasta de configurações: configurações e métodos alterados podem não ser salvos.</translation>
    </message>
    <message>
        <source>The methods and settings could not all be read: %1</source>
        <translation>Não foi possível ler todos os métodos e configurações: %1</translation>
    </message>
    <message>
        <source>The changed settings could not be saved: %1</source>
        <translation>Não foi possível salvar as configurações alteradas: %1</translation>
    </message>
</context>
</TS>
