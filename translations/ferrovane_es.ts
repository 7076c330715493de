<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AdministratorRun</name>
    <message>
        <source> (%1 ended with status %2%3)</source>
        <translation> (%1 terminó con el estado %2%3)</translation>
    </message>
    <message>
        <source>No authentication agent is running, so nobody could be asked for the administrator&apos;s password: nothing was wiped. Start your desktop&apos;s polkit agent (for example lxpolkit or polkit-gnome), or run ferrovane-cli as root in a terminal.</source>
        <translation>No hay ningún agente de autenticación en ejecución, así que no se pudo pedir a nadie la contraseña del administrador: no se borró nada. Inicie el agente de polkit de su escritorio (por ejemplo lxpolkit o polkit-gnome), o ejecute ferrovane-cli como root en una terminal.</translation>
    </message>
    <message>
        <source>The polkit service, which decides who may act as the administrator, is not running: nothing was wiped. Run ferrovane-cli as root in a terminal instead.</source>
        <translation>El servicio polkit, que decide quién puede actuar como administrador, no está en ejecución: no se borró nada. Ejecute ferrovane-cli como root en una terminal.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given, or the request was refused: nothing was wiped.</source>
        <translation>No se dio la contraseña del administrador, o se rechazó la solicitud: no se borró nada.</translation>
    </message>
    <message>
        <source>%1 could not start the run with administrator rights: nothing was wiped.</source>
        <translation>%1 no pudo iniciar la operación con permisos de administrador: no se borró nada.</translation>
    </message>
    <message>
        <source>The run with administrator rights ended without an outcome, so what it wiped is unknown.</source>
        <translation>La operación con permisos de administrador terminó sin resultado, así que se desconoce qué borró.</translation>
    </message>
    <message>
        <source>The engine is running: nothing was handed over.</source>
        <translation>El motor está en ejecución: no se entregó nada.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2: nothing was wiped.</source>
        <translation>No se pudo iniciar %1: %2: no se borró nada.</translation>
    </message>
    <message>
        <source>%1 can only be wiped with administrator rights, and pkexec, which asks for them, is not installed (Debian package &quot;pkexec&quot;). Install it, or run ferrovane-cli as root in a terminal.</source>
        <translation>%1 solo se puede borrar con permisos de administrador, y pkexec, que los solicita, no está instalado (paquete de Debian &quot;pkexec&quot;). Instálelo, o ejecute ferrovane-cli como root en una terminal.</translation>
    </message>
    <message>
        <source>Some of what needs administrator rights cannot be handed to them.</source>
        <translation>Parte de lo que requiere permisos de administrador no se les puede entregar.</translation>
    </message>
    <message>
        <source>Only what the window can see as it is now, without a link on its way, is handed over.</source>
        <translation>Solo se entrega lo que la ventana ve en su estado actual, sin ningún enlace simbólico en su ruta.</translation>
    </message>
    <message>
        <source>Wiping the free space of %1 needs administrator rights. Run as administrator?</source>
        <translation>Borrar el espacio libre de %1 requiere permisos de administrador. ¿Ejecutar como administrador?</translation>
    </message>
    <message>
        <source>%1 could not be wiped without administrator rights. Run as administrator?</source>
        <translation>No se pudo borrar %1 sin permisos de administrador. ¿Ejecutar como administrador?</translation>
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
        <translation>ferrovane: no se puede abrir ninguna pantalla; sin ventana, use ferrovane-cli (vea ferrovane-cli --help)</translation>
    </message>
</context>
<context>
    <name>FileManagerOffer</name>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to the context menus of Dolphin, Nemo and Nautilus, and Ferrovane to &quot;Open With&quot;, for you? Each entry opens this window with the selection queued; nothing is wiped before you press Start and answer its question.</source>
        <translation>¿Añadir &quot;Borrar con Ferrovane&quot; a los menús contextuales de Dolphin, Nemo y Nautilus, y Ferrovane a &quot;Abrir con&quot;, para su usuario? Cada entrada abre esta ventana con la selección en cola; no se borra nada antes de que pulse Iniciar y responda a su pregunta.</translation>
    </message>
    <message>
        <source>Also add &quot;Wipe with Ferrovane&quot; to Thunar&apos;s custom actions in %1? Your other actions are kept.</source>
        <translation>¿Añadir también &quot;Borrar con Ferrovane&quot; a las acciones personalizadas de Thunar en %1? Sus otras acciones se conservan.</translation>
    </message>
    <message>
        <source>&quot;Wipe with Ferrovane&quot; was added. A file manager that is open shows it once it is started again.</source>
        <translation>Se añadió &quot;Borrar con Ferrovane&quot;. Un gestor de archivos que esté abierto lo mostrará cuando se vuelva a iniciar.</translation>
    </message>
    <message>
        <source>Some file-manager entries could not be added.</source>
        <translation>No se pudieron añadir algunas entradas de los gestores de archivos.</translation>
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
        <translation>Texto (vacío: la pasada no se puede escribir)</translation>
    </message>
    <message>
        <source>Text &apos;%1&apos;</source>
        <translation>Texto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Random bytes</source>
        <translation>Bytes aleatorios</translation>
    </message>
    <message>
        <source>Random bytes </source>
        <translation>Bytes aleatorios </translation>
    </message>
    <message>
        <source>One random byte value</source>
        <translation>Un valor de byte aleatorio</translation>
    </message>
    <message>
        <source>One random byte value in </source>
        <translation>Un valor de byte aleatorio en </translation>
    </message>
    <message>
        <source>Unknown kind %1: writes nothing</source>
        <translation>Tipo desconocido %1: no escribe nada</translation>
    </message>
    <message>
        <source>, read back</source>
        <translation>, con relectura</translation>
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
        <translation>%1 elementos</translation>
    </message>
    <message>
        <source>On this system: %1</source>
        <translation>En este sistema: %1</translation>
    </message>
</context>
<context>
    <name>QtPromptService</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
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
        <translation> es un archivo ejecutable. ¿Seguro que desea borrarlo?</translation>
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
        <translation>Sitio web principal:</translation>
    </message>
    <message>
        <source>Support email:</source>
        <translation>Correo de soporte:</translation>
    </message>
    <message>
        <source>Ferrovane %1</source>
        <translation>Ferrovane %1</translation>
    </message>
    <message>
        <source>Licence: distributed by its developers under the terms published at %1/ (the package&apos;s copyright file says the same).</source>
        <translation>Licencia: distribuido por sus desarrolladores según los términos publicados en %1/ (el archivo copyright del paquete dice lo mismo).</translation>
    </message>
    <message>
        <source>Settings (Ferrovane.ini, prefs.dat) are kept in %1</source>
        <translation>La configuración (Ferrovane.ini, prefs.dat) se guarda en %1</translation>
    </message>
    <message>
        <source>Wipe methods are kept in %1</source>
        <translation>Los métodos de borrado se guardan en %1</translation>
    </message>
    <message>
        <source>Delete with Wiping: the files and folders you list are overwritten with their method, pass after pass, and deleted.</source>
        <translation>Eliminar con borrado seguro: los archivos y carpetas que indique se sobrescriben con su método, pasada tras pasada, y se eliminan.</translation>
    </message>
    <message>
        <source>Wipe free space: the free space of the drives you check is filled and overwritten, so files deleted earlier cannot be recovered from it.</source>
        <translation>Borrar espacio libre: el espacio libre de las unidades que marque se llena y se sobrescribe, para que los archivos eliminados antes no se puedan recuperar de él.</translation>
    </message>
    <message>
        <source>Wipe special folders: the temporary, browser and trash folders you check are wiped with the folders&apos; method.</source>
        <translation>Borrar carpetas especiales: las carpetas temporales, de navegadores y de papelera que marque se borran con el método de carpetas.</translation>
    </message>
    <message>
        <source>Clear recently used files: the lists of recently used files that the desktop and programs keep are removed.</source>
        <translation>Borrar archivos usados recientemente: se eliminan las listas de archivos usados recientemente que guardan el escritorio y los programas.</translation>
    </message>
    <message>
        <source>Clean traces: traces of use (caches, histories, cookies) are found and removed; Preview lists them first.</source>
        <translation>Limpiar rastros: se buscan y eliminan los rastros de uso (cachés, historiales, cookies); Vista previa los lista primero.</translation>
    </message>
    <message>
        <source>Options: wipe methods are made, looked at and changed, and each kind of wipe is given its method.</source>
        <translation>Opciones: se crean, consultan y modifican los métodos de borrado, y a cada tipo de borrado se le asigna su método.</translation>
    </message>
</context>
<context>
    <name>TCleanTracesPage</name>
    <message>
        <source>Clean &amp;traces</source>
        <translation>Limpiar ra&amp;stros</translation>
    </message>
    <message>
        <source>Traces to clean</source>
        <translation>Rastros que limpiar</translation>
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
        <translation>Sobrescribir los archivos &amp;antes de eliminarlos</translation>
    </message>
    <message>
        <source>Files are wiped with the method of the file engine instead of being deleted plainly.</source>
        <translation>Los archivos se borran con el método del motor de archivos en lugar de eliminarse sin más.</translation>
    </message>
    <message>
        <source>Pat&amp;hs…</source>
        <translation>Ru&amp;tas…</translation>
    </message>
    <message>
        <source>Your own files and folders to clean, and the places no item ever cleans.</source>
        <translation>Sus propios archivos y carpetas que limpiar, y los lugares que ningún elemento limpia nunca.</translation>
    </message>
    <message>
        <source>Sch&amp;edule…</source>
        <translation>&amp;Programación…</translation>
    </message>
    <message>
        <source>Clean chosen traces on a schedule, also while the window is closed where the user&apos;s service manager runs.</source>
        <translation>Limpiar los rastros elegidos según una programación, también con la ventana cerrada, donde se ejecute el gestor de servicios del usuario.</translation>
    </message>
    <message>
        <source>Preview and outcome</source>
        <translation>Vista previa y resultado</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Size or reason</source>
        <translation>Tamaño o motivo</translation>
    </message>
    <message>
        <source>Look &amp;again</source>
        <translation>Buscar de &amp;nuevo</translation>
    </message>
    <message>
        <source>Works out again what each item finds now.</source>
        <translation>Vuelve a calcular lo que encuentra ahora cada elemento.</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>&amp;Limpiar</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>The paths could not be kept, nothing changed: %1</source>
        <translation>No se pudieron guardar las rutas, no cambió nada: %1</translation>
    </message>
    <message>
        <source>The choice holds until the program ends, but the settings file could not keep it: %1</source>
        <translation>La elección se mantiene hasta que termine el programa, pero el archivo de configuración no pudo guardarla: %1</translation>
    </message>
    <message>
        <source>Looking for traces...</source>
        <translation>Buscando rastros...</translation>
    </message>
    <message>
        <source>%1 in use or out of reach</source>
        <translation>%1 en uso o fuera de alcance</translation>
    </message>
    <message>
        <source>nothing to clean</source>
        <translation>nada que limpiar</translation>
    </message>
    <message>
        <source>Nothing of this kind was found on this system.</source>
        <translation>No se encontró nada de este tipo en este sistema.</translation>
    </message>
    <message>
        <source>Would remove %1.</source>
        <translation>Se eliminaría %1.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Se eliminó %1.</translation>
    </message>
    <message>
        <source>%1 cannot be removed now (listed first).</source>
        <translation>%1 no se puede eliminar ahora (listado primero).</translation>
    </message>
    <message>
        <source>%1 could not be removed (listed first).</source>
        <translation>No se pudo eliminar %1 (listado primero).</translation>
    </message>
    <message>
        <source>Check a trace that has something to clean.</source>
        <translation>Marque un rastro que tenga algo que limpiar.</translation>
    </message>
    <message>
        <source>Preview stopped. </source>
        <translation>Vista previa detenida. </translation>
    </message>
    <message>
        <source>Remove %1, found by %2 (%3)? This cannot be undone.
Preview lists each trace first.</source>
        <translation>¿Eliminar %1, encontrado por %2 (%3)? No se puede deshacer.
Vista previa lista primero cada rastro.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Detenido. </translation>
    </message>
    <message>
        <source>The schedule in the settings file cannot be read: %1</source>
        <translation>No se puede leer la programación del archivo de configuración: %1</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>No hay limpieza programada.</translation>
    </message>
    <message>
        <source>Scheduled cleans are started by the user&apos;s service manager (systemd timer %1), also while Ferrovane is closed.</source>
        <translation>Las limpiezas programadas las inicia el gestor de servicios del usuario (temporizador de systemd %1), también con Ferrovane cerrado.</translation>
    </message>
    <message>
        <source>No user service manager runs: scheduled cleans are started by this window&apos;s timer while it is open.</source>
        <translation>No se ejecuta ningún gestor de servicios del usuario: las limpiezas programadas las inicia el temporizador de esta ventana mientras está abierta.</translation>
    </message>
    <message>
        <source>The schedule is on but never falls due: choose a day or a month.</source>
        <translation>La programación está activa pero nunca vence: elija un día o un mes.</translation>
    </message>
    <message>
        <source>No trace is chosen for it.</source>
        <translation>No se ha elegido ningún rastro para ella.</translation>
    </message>
    <message>
        <source>The schedule could not be kept, nothing changed: %1</source>
        <translation>No se pudo guardar la programación, no cambió nada: %1</translation>
    </message>
    <message>
        <source>Scheduled clean: </source>
        <translation>Limpieza programada: </translation>
    </message>
    <message>
        <source>The outcome could not be recorded: %1</source>
        <translation>No se pudo registrar el resultado: %1</translation>
    </message>
</context>
<context>
    <name>TDeletePage</name>
    <message>
        <source>&amp;Delete with Wiping</source>
        <translation>Elimina&amp;r con borrado seguro</translation>
    </message>
    <message>
        <source>Files Wiping </source>
        <translation>Borrado de archivos </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>As admin...</source>
        <translation>Como admin...</translation>
    </message>
    <message>
        <source>Wipe the files marked with a shield, which you may not change, with administrator rights</source>
        <translation>Borrar con permisos de administrador los archivos marcados con un escudo, que usted no puede modificar</translation>
    </message>
    <message>
        <source>Folders Wiping </source>
        <translation>Borrado de carpetas </translation>
    </message>
    <message>
        <source>Wipe the folders marked with a shield, which you may not change, with administrator rights</source>
        <translation>Borrar con permisos de administrador las carpetas marcadas con un escudo, que usted no puede modificar</translation>
    </message>
    <message>
        <source>Save what the last run did, and what the device check found, as a page to keep (HTML) or for other programs (JSON).</source>
        <translation>Guardar lo que hizo la última operación, y lo que encontró la comprobación del dispositivo, como página para conservar (HTML) o para otros programas (JSON).</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Guardar informe...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Report page (*.html);;Report for programs (*.json)</source>
        <translation>Página de informe (*.html);;Informe para programas (*.json)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1 (%2).</source>
        <translation>No se pudo guardar el informe en %1 (%2).</translation>
    </message>
    <message>
        <source>
You may not change the folder that holds it: wiping it needs administrator rights.</source>
        <translation>
Usted no puede modificar la carpeta que lo contiene: borrarlo requiere permisos de administrador.</translation>
    </message>
    <message>
        <source>Select files to shred</source>
        <translation>Seleccionar archivos que triturar</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 of the files chosen cannot be wiped.</source>
        <translation>%1 de los archivos elegidos no se pueden borrar.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>%1 of the folders chosen cannot be wiped.</source>
        <translation>%1 de las carpetas elegidas no se pueden borrar.</translation>
    </message>
    <message>
        <source>%1: is on a system file system (%2): not wiped</source>
        <translation>%1: está en un sistema de archivos del sistema (%2): no se borra</translation>
    </message>
    <message>
        <source>Only existing files and folders of this computer can be wiped; nothing on a system file system (proc, sysfs, ...) is.</source>
        <translation>Solo se pueden borrar archivos y carpetas existentes de este equipo; nada de un sistema de archivos del sistema (proc, sysfs, ...) se borra.</translation>
    </message>
    <message>
        <source>%1: not a file or folder of this computer</source>
        <translation>%1: no es un archivo ni una carpeta de este equipo</translation>
    </message>
    <message>
        <source>%1: its list is being wiped now</source>
        <translation>%1: su lista se está borrando ahora</translation>
    </message>
    <message>
        <source>%1 of the items handed over could not be added.</source>
        <translation>No se pudieron añadir %1 de los elementos entregados.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>¿Borrar %1 (%2)? No se puede deshacer.</translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Borrar </translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>¡La tarea de borrado se ha cancelado!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>La tarea de borrado no se ha completado. Quedó: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>¡La tarea de borrado se ha completado correctamente!</translation>
    </message>
    <message>
        <source>Wipe %1 with administrator rights (%2)? You will be asked for the password. This cannot be undone.</source>
        <translation>¿Borrar %1 con permisos de administrador (%2)? Se le pedirá la contraseña. No se puede deshacer.</translation>
    </message>
    <message>
        <source>Wipe %1 as administrator</source>
        <translation>Borrar %1 como administrador</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 now (%2 free)? The old blocks of the files just deleted there are overwritten.</source>
        <translation>¿Borrar ahora el espacio libre de %1 (%2 libres)? Se sobrescriben los bloques antiguos de los archivos recién eliminados allí.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Borrar el espacio libre de %1</translation>
    </message>
    <message>
        <source>The wipe of the free space has been aborted!</source>
        <translation>¡El borrado del espacio libre se ha cancelado!</translation>
    </message>
    <message>
        <source>The free space of %1 has been wiped: the old blocks of the files deleted there are overwritten.</source>
        <translation>Se ha borrado el espacio libre de %1: se han sobrescrito los bloques antiguos de los archivos eliminados allí.</translation>
    </message>
    <message>
        <source>Report for programs (*.json)</source>
        <translation>Informe para programas (*.json)</translation>
    </message>
    <message>
        <source>Not handed to the administrator&apos;s run, as the window cannot see it as it is now:
%1</source>
        <translation>No se ha pasado a la ejecución como administrador, porque la ventana no puede verlo tal como está ahora:
%1</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do. Wipe %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Comprobar el dispositivo tras el borrado lo vuelve a leer, cosa que solo puede hacer el administrador. ¿Borrar %1 con derechos de administrador y comprobar el dispositivo? Se le pedirá la contraseña. Para borrar sin la comprobación, desactive «Comprobar el dispositivo tras el borrado» en Opciones.</translation>
    </message>
</context>
<context>
    <name>TFreeSpacePage</name>
    <message>
        <source>&amp;Wipe free space</source>
        <translation>&amp;Borrar espacio libre</translation>
    </message>
    <message>
        <source>Local drives list </source>
        <translation>Lista de unidades locales </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Clean &amp;Free Space</source>
        <translation>Limpiar espacio &amp;libre</translation>
    </message>
    <message>
        <source>Wipe as administrator...</source>
        <translation>Borrar como administrador...</translation>
    </message>
    <message>
        <source>Wipe the free space of the selected drive, which only the administrator may fill, with administrator rights</source>
        <translation>Borrar con permisos de administrador el espacio libre de la unidad seleccionada, que solo el administrador puede llenar</translation>
    </message>
    <message>
        <source>only the administrator may write there</source>
        <translation>solo el administrador puede escribir allí</translation>
    </message>
    <message>
        <source>mounted read-only</source>
        <translation>montado como solo lectura</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>
Its free space cannot be wiped: </source>
        <translation>
No se puede borrar su espacio libre: </translation>
    </message>
    <message>
        <source>. Wipe as administrator can.</source>
        <translation>. &quot;Borrar como administrador&quot; sí puede.</translation>
    </message>
    <message>
        <source>A temporary file of an interrupted free-space wipe was found on %1 (%2). Wipe and remove it now?</source>
        <translation>Se encontró en %1 un archivo temporal de un borrado del espacio libre interrumpido (%2). ¿Borrarlo y eliminarlo ahora?</translation>
    </message>
    <message>
        <source>Wipe and remove it</source>
        <translation>Borrarlo y eliminarlo</translation>
    </message>
    <message>
        <source>%1 was not wiped: a free-space wipe of its drive is running.</source>
        <translation>No se borró %1: hay un borrado del espacio libre de su unidad en curso.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted!</source>
        <translation>¡La tarea de borrado se ha cancelado!</translation>
    </message>
    <message>
        <source>The wipe task has not been completed. Left behind: %1.</source>
        <translation>La tarea de borrado no se ha completado. Quedó: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully!</source>
        <translation>¡La tarea de borrado se ha completado correctamente!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1? Other programs cannot write to %2 until it ends.</source>
        <translation>¿Borrar el espacio libre de %1? Otros programas no podrán escribir en %2 hasta que termine.</translation>
    </message>
    <message>
        <source>Wipe free space of %1</source>
        <translation>Borrar el espacio libre de %1</translation>
    </message>
    <message>
        <source>The Wipe free space task has been aborted!</source>
        <translation>¡La tarea Borrar espacio libre se ha cancelado!</translation>
    </message>
    <message>
        <source>The Wipe free space task has been completed successfully!</source>
        <translation>¡La tarea Borrar espacio libre se ha completado correctamente!</translation>
    </message>
    <message>
        <source>Wipe the free space of %1 with administrator rights? You will be asked for the password; other programs cannot write to it until it ends.</source>
        <translation>¿Borrar el espacio libre de %1 con permisos de administrador? Se le pedirá la contraseña; otros programas no podrán escribir en él hasta que termine.</translation>
    </message>
    <message>
        <source>Checking the device after wiping reads it back, which only the administrator may do: your own run would leave it &quot;not verified (needs administrator rights)&quot;. Wipe the free space of %1 with administrator rights and check the device? You will be asked for the password. To wipe without the check, turn off &quot;Check the device after wiping&quot; in Options.</source>
        <translation>Comprobar el dispositivo tras el borrado lo vuelve a leer, cosa que solo puede hacer el administrador: su propia ejecución lo dejaría «sin verificar (requiere derechos de administrador)». ¿Borrar el espacio libre de %1 con derechos de administrador y comprobar el dispositivo? Se le pedirá la contraseña. Para borrar sin la comprobación, desactive «Comprobar el dispositivo tras el borrado» en Opciones.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>About Ferrovane</source>
        <translation>Acerca de Ferrovane</translation>
    </message>
    <message>
        <source>Ferrovane on the web</source>
        <translation>Ferrovane en la web</translation>
    </message>
    <message>
        <source>The readme (readme.txt) that comes with Ferrovane was not found beside the program.
The About page says what each page does.</source>
        <translation>No se encontró junto al programa el archivo léame (readme.txt) que acompaña a Ferrovane.
La página Acerca de explica qué hace cada página.</translation>
    </message>
    <message>
        <source>The readme answers the usual questions; &quot;When something is left behind&quot; explains what a report after a run means.</source>
        <translation>El archivo léame responde a las preguntas habituales; &quot;When something is left behind&quot; explica qué significa un informe tras una operación.</translation>
    </message>
    <message>
        <source>Check for updates: starts the updater %1</source>
        <translation>Buscar actualizaciones: inicia el actualizador %1</translation>
    </message>
</context>
<context>
    <name>TMethodList</name>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Comes with Ferrovane: Edit shows it, and Copy there makes a copy you can change.</source>
        <translation>Incluido con Ferrovane: Editar lo muestra, y Copiar allí crea una copia que puede modificar.</translation>
    </message>
    <message>
        <source>The file of this method could not be read whole (%1), so no wipe uses it. Edit it and press OK to store what was read as a whole method.</source>
        <translation>No se pudo leer entero el archivo de este método (%1), así que ningún borrado lo usa. Edítelo y pulse Aceptar para guardar lo leído como un método completo.</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be %2 now: %3 is running with it.
Try again once the wipe has ended.</source>
        <translation>El método &quot;%1&quot; no se puede %2 ahora: %3 está en curso con él.
Inténtelo de nuevo cuando termine el borrado.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Ferrovane wipe method files (*%1)</source>
        <translation>Archivos de método de borrado de Ferrovane (*%1)</translation>
    </message>
    <message>
        <source>Method files can be saved only in &quot;%1&quot;.
&quot;%2&quot; will be saved in this folder.</source>
        <translation>Los archivos de método solo se pueden guardar en &quot;%1&quot;.
&quot;%2&quot; se guardará en esta carpeta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of &quot;%2&quot;, which comes with Ferrovane and is not replaced.
Choose another file name.</source>
        <translation>&quot;%1&quot; es el archivo de &quot;%2&quot;, que se incluye con Ferrovane y no se reemplaza.
Elija otro nombre de archivo.</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>reemplazar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the method &quot;%2&quot;.
Replace that method with the new one?</source>
        <translation>&quot;%1&quot; es el archivo del método &quot;%2&quot;.
¿Reemplazar ese método por el nuevo?</translation>
    </message>
    <message>
        <source>New Method</source>
        <translation>Nuevo método</translation>
    </message>
    <message>
        <source>Copy of Method</source>
        <translation>Copia del método</translation>
    </message>
    <message>
        <source>Method (read-only)</source>
        <translation>Método (solo lectura)</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>editar</translation>
    </message>
    <message>
        <source>Edit Method</source>
        <translation>Editar método</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>eliminar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete method &quot;%1&quot;?</source>
        <translation>¿Seguro que desea eliminar el método &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>use &quot;%1&quot; instead.</source>
        <translation>usará &quot;%1&quot; en su lugar.</translation>
    </message>
    <message>
        <source>have no method, and wipe nothing, until another is chosen.</source>
        <translation>no tendrá método, y no borrará nada, hasta que se elija otro.</translation>
    </message>
    <message>
        <source>Unable to delete %1 (%2).</source>
        <translation>No se puede eliminar %1 (%2).</translation>
    </message>
    <message>
        <source>The method &quot;%1&quot; cannot be used: its file could not be read whole.
Edit it and press OK to store what was read as a whole method.</source>
        <translation>El método &quot;%1&quot; no se puede usar: no se pudo leer entero su archivo.
Edítelo y pulse Aceptar para guardar lo leído como un método completo.</translation>
    </message>
    <message>
        <source>

%1 is set to use it, and will </source>
        <translation>

%1 está configurado para usarlo, y </translation>
    </message>
    <message>
        <source>

%1 are set to use it, and will </source>
        <translation>

%1 están configurados para usarlo, y </translation>
    </message>
</context>
<context>
    <name>TOptionsPage</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Methods </source>
        <translation>&amp;Métodos </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Wipe Type</source>
        <translation>Tipo de borrado</translation>
    </message>
    <message>
        <source>Wipe Files</source>
        <translation>Borrar archivos</translation>
    </message>
    <message>
        <source>Wipe Folders</source>
        <translation>Borrar carpetas</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Borrar espacio libre</translation>
    </message>
    <message>
        <source>Warn on deleting an executable file</source>
        <translation>Avisar al eliminar un archivo ejecutable</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Questions before a wipe </source>
        <translation>Preguntas antes de un borrado </translation>
    </message>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Preguntar antes de borrar archivos y carpetas</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Preguntar antes de borrar el espacio libre</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Preguntar antes de borrar carpetas especiales</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Preguntar antes de limpiar rastros</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Preguntar antes de borrar archivos usados recientemente</translation>
    </message>
    <message>
        <source>Ask again everywhere</source>
        <translation>Volver a preguntar en todas partes</translation>
    </message>
    <message>
        <source>Method Description </source>
        <translation>Descripción del método </translation>
    </message>
    <message>
        <source>Discard free blocks after wiping free space (SSDs)</source>
        <translation>Descartar bloques libres (TRIM) tras borrar el espacio libre (SSD)</translation>
    </message>
    <message>
        <source>After each wipe, read the device back where the deleted files and their names lay (needs administrator rights), and name what is still there.</source>
        <translation>Tras cada borrado, releer el dispositivo donde estaban los archivos eliminados y sus nombres (requiere permisos de administrador), e indicar lo que sigue allí.</translation>
    </message>
    <message>
        <source>Check the device after wiping</source>
        <translation>Comprobar el dispositivo tras el borrado</translation>
    </message>
    <message>
        <source>Add &quot;Wipe with Ferrovane&quot; to file managers...</source>
        <translation>Añadir &quot;Borrar con Ferrovane&quot; a los gestores de archivos...</translation>
    </message>
    <message>
        <source>Erase old copies of file names from the file system journal (ext4, XFS)</source>
        <translation>Borrar las copias antiguas de los nombres de archivo del diario del sistema de archivos (ext4, XFS)</translation>
    </message>
    <message>
        <source>Takes seconds after each wipe and writes about the journal&apos;s size.</source>
        <translation>Tarda unos segundos tras cada borrado y escribe aproximadamente tantos datos como el tamaño del diario.</translation>
    </message>
    <message>
        <source>%1 will be wiped with &quot;%2&quot;.</source>
        <translation>%1 se borrará con &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>TRecentFilesPage</name>
    <message>
        <source>&amp;Clear recently used files</source>
        <translation>Borrar archivos &amp;usados recientemente</translation>
    </message>
    <message>
        <source>Known lists </source>
        <translation>Listas conocidas </translation>
    </message>
    <message>
        <source>Most Recently Used (MRU) lists of known products:</source>
        <translation>Listas de usados recientemente (MRU) de productos conocidos:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Other lists </source>
        <translation>Otras listas </translation>
    </message>
    <message>
        <source>MRU lists of other programs:</source>
        <translation>Listas MRU de otros programas:</translation>
    </message>
    <message>
        <source>Search Registry for other MRU lists</source>
        <translation>Buscar otras listas MRU en el Registro</translation>
    </message>
    <message>
        <source>Add Existing Key</source>
        <translation>Añadir clave existente</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar seleccionados</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>&amp;Limpiar</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>On this system</source>
        <translation>En este sistema</translation>
    </message>
    <message>
        <source>kept only by Windows</source>
        <translation>solo la mantiene Windows</translation>
    </message>
    <message>
        <source>Windows registry list</source>
        <translation>lista del Registro de Windows</translation>
    </message>
    <message>
        <source>The desktop&apos;s lists of recently used files are empty.</source>
        <translation>Las listas de archivos usados recientemente del escritorio están vacías.</translation>
    </message>
    <message>
        <source>This list is not kept on this system.</source>
        <translation>Esta lista no se mantiene en este sistema.</translation>
    </message>
    <message>
        <source>This list holds nothing on this system.</source>
        <translation>Esta lista no contiene nada en este sistema.</translation>
    </message>
    <message>
        <source>Clear %1 (%2)? This cannot be undone.</source>
        <translation>¿Borrar %1 (%2)? No se puede deshacer.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <source>The registry store could not be written; nothing was removed from it.
</source>
        <translation>No se pudo escribir el almacén del Registro; no se eliminó nada de él.
</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has not been completed. Left: %1.</source>
        <translation>La tarea Borrar archivos usados recientemente no se ha completado. Quedó: %1.</translation>
    </message>
    <message>
        <source>The Clear recently used files task has been completed successfully!</source>
        <translation>¡La tarea Borrar archivos usados recientemente se ha completado correctamente!</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>Búsqueda detenida.</translation>
    </message>
</context>
<context>
    <name>TReportDialog</name>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Mostrar detalles...</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>&amp;Ocultar detalles...</translation>
    </message>
</context>
<context>
    <name>TRunNotifier</name>
    <message>
        <source>1 item was left behind</source>
        <translation>Quedó 1 elemento</translation>
    </message>
    <message>
        <source>%1 items were left behind</source>
        <translation>Quedaron %1 elementos</translation>
    </message>
    <message>
        <source>The wipe task has been aborted.</source>
        <translation>La tarea de borrado se ha cancelado.</translation>
    </message>
    <message>
        <source>The wipe task has been aborted; %1.</source>
        <translation>La tarea de borrado se ha cancelado; %1.</translation>
    </message>
    <message>
        <source>The wipe task has not been completed: %1.</source>
        <translation>La tarea de borrado no se ha completado: %1.</translation>
    </message>
    <message>
        <source>The wipe task has been completed successfully.</source>
        <translation>La tarea de borrado se ha completado correctamente.</translation>
    </message>
    <message>
        <source>Show Ferrovane</source>
        <translation>Mostrar Ferrovane</translation>
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
        <translation>quedan unos %1</translation>
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
        <translation>%1 escritos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>free space of %1</source>
        <translation>espacio libre de %1</translation>
    </message>
    <message>
        <source>Wiping</source>
        <translation>Borrando</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln files</source>
        <translation>
            <numerusform>Borrando %Ln archivo</numerusform>
            <numerusform>Borrando %Ln archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wiping %Ln folders</source>
        <translation>
            <numerusform>Borrando %Ln carpeta</numerusform>
            <numerusform>Borrando %Ln carpetas</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping free space of %1</source>
        <translation>Borrando el espacio libre de %1</translation>
    </message>
    <message numerus="yes">
        <source>Wiping free space of %Ln drives</source>
        <translation>
            <numerusform>Borrando el espacio libre de %Ln unidad</numerusform>
            <numerusform>Borrando el espacio libre de %Ln unidades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln archivo</numerusform>
            <numerusform>%Ln archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>%Ln carpeta</numerusform>
            <numerusform>%Ln carpetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>free space of %Ln drives</source>
        <comment>what is wiped</comment>
        <translation>
            <numerusform>el espacio libre de %Ln unidad</numerusform>
            <numerusform>el espacio libre de %Ln unidades</numerusform>
        </translation>
    </message>
    <message>
        <source>Wiping %1</source>
        <translation>Borrando %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1</source>
        <translation>
            <numerusform>%Ln archivo, %1</numerusform>
            <numerusform>%Ln archivos, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRunQuestion</name>
    <message>
        <source>Ask before wiping files and folders</source>
        <translation>Preguntar antes de borrar archivos y carpetas</translation>
    </message>
    <message>
        <source>Ask before wiping free space</source>
        <translation>Preguntar antes de borrar el espacio libre</translation>
    </message>
    <message>
        <source>Ask before wiping special folders</source>
        <translation>Preguntar antes de borrar carpetas especiales</translation>
    </message>
    <message>
        <source>Ask before cleaning traces</source>
        <translation>Preguntar antes de limpiar rastros</translation>
    </message>
    <message>
        <source>Ask before clearing recently used files</source>
        <translation>Preguntar antes de borrar archivos usados recientemente</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
</context>
<context>
    <name>TSpecialFoldersPage</name>
    <message>
        <source>Wipe &amp;special folders</source>
        <translation>Borrar &amp;carpetas especiales</translation>
    </message>
    <message>
        <source>Special folders </source>
        <translation>Carpetas especiales </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Trash </source>
        <translation>Papelera </translation>
    </message>
    <message>
        <source>Trash folders</source>
        <translation>Carpetas de la papelera</translation>
    </message>
    <message>
        <source>Wipe st&amp;art</source>
        <translation>&amp;Iniciar borrado</translation>
    </message>
    <message>
        <source>Folders &amp;method...</source>
        <translation>&amp;Método de carpetas...</translation>
    </message>
    <message>
        <source>Chooses the wipe method of the folders engine, which wipes the folders of this page.</source>
        <translation>Elige el método de borrado del motor de carpetas, que borra las carpetas de esta página.</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>no disponible</translation>
    </message>
    <message>
        <source>Temporary Internet Files</source>
        <translation>Archivos temporales de Internet</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
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
        <translation>Cookies de Opera</translation>
    </message>
    <message>
        <source>Opera Internet Cache</source>
        <translation>Caché de Internet de Opera</translation>
    </message>
    <message>
        <source>Opera History</source>
        <translation>Historial de Opera</translation>
    </message>
    <message>
        <source>Opera Images</source>
        <translation>Imágenes de Opera</translation>
    </message>
    <message>
        <source>Not found on this system: there is nothing to wipe.</source>
        <translation>No se encuentra en este sistema: no hay nada que borrar.</translation>
    </message>
    <message>
        <source>Nothing to wipe here: the five shell folders are places of Windows, which this system does not name%1%2. The trash below is wiped from this page; browsers&apos; caches and histories from Clean traces.</source>
        <translation>Nada que borrar aquí: las cinco carpetas del shell son lugares de Windows, que este sistema no nombra%1%2. La papelera de abajo se borra desde esta página; las cachés e historiales de los navegadores, desde Limpiar rastros.</translation>
    </message>
    <message>
        <source> (&quot;Show Windows items&quot; lists them)</source>
        <translation> (&quot;Mostrar elementos de Windows&quot; los lista)</translation>
    </message>
    <message>
        <source>, and no Opera profile was found</source>
        <translation>, y no se encontró ningún perfil de Opera</translation>
    </message>
    <message>
        <source>Wipe %1 (%2)? This cannot be undone.</source>
        <translation>¿Borrar %1 (%2)? No se puede deshacer.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Wipe </source>
        <translation>Borrar </translation>
    </message>
    <message>
        <source>The Wipe special folders task has been completed successfully!</source>
        <translation>¡La tarea Borrar carpetas especiales se ha completado correctamente!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has been aborted!</source>
        <translation>¡La tarea Borrar carpetas especiales se ha cancelado!</translation>
    </message>
    <message>
        <source>The Wipe special folders task has not been completed. Left behind: %1.</source>
        <translation>La tarea Borrar carpetas especiales no se ha completado. Quedó: %1.</translation>
    </message>
    <message>
        <source>No row is ticked: tick the folders to wipe first.</source>
        <translation>Ninguna fila está marcada: marque primero las carpetas que desea borrar.</translation>
    </message>
</context>
<context>
    <name>TWindowRequest</name>
    <message>
        <source>Usage: ferrovane [--free-space] [--] [PATH...]</source>
        <translation>Uso: ferrovane [--free-space] [--] [RUTA...]</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
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
        <translation>Uso: ferrovane [--free-space] [--] [RUTA...]
Abre la ventana de Ferrovane, que sobrescribe archivos, carpetas y el espacio libre de las
unidades antes de eliminarlos. Los archivos y carpetas indicados se ponen en cola en la página
«Eliminar con borrado seguro»; no se borra nada antes de pulsar Iniciar y responder a su
pregunta. Si ya hay una ventana abierta, recibe las rutas y pasa al frente.

  --free-space  mostrar la página «Borrar espacio libre»
  --help        mostrar este texto y terminar
  --version     mostrar la versión y terminar
  --            cada argumento posterior es una ruta, aunque empiece por «-»

Sin ventana: ferrovane-cli (véase ferrovane-cli --help).
</translation>
    </message>
</context>
<context>
    <name>TWindowsRowsFilter</name>
    <message>
        <source>Show Wi&amp;ndows items</source>
        <translation>Mostrar elementos de &amp;Windows</translation>
    </message>
    <message>
        <source>Show the rows of places that only Windows has</source>
        <translation>Mostrar las filas de lugares que solo tiene Windows</translation>
    </message>
</context>
<context>
    <name>TfEditMethod</name>
    <message>
        <source>Method Name:</source>
        <translation>Nombre del método:</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Descripción del método:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Pasadas:</translation>
    </message>
    <message>
        <source>Add a pass</source>
        <translation>Añadir una pasada</translation>
    </message>
    <message>
        <source>Rename the pass</source>
        <translation>Renombrar la pasada</translation>
    </message>
    <message>
        <source>Delete the pass</source>
        <translation>Eliminar la pasada</translation>
    </message>
    <message>
        <source> Pass </source>
        <translation> Pasada </translation>
    </message>
    <message>
        <source>After the pass is written and on the disk, it is read back past the system&apos;s cache and compared with what was written; a difference or a read error names the file after the run.</source>
        <translation>Una vez escrita la pasada y en el disco, se relee sin pasar por la caché del sistema y se compara con lo escrito; una diferencia o un error de lectura indica el archivo tras la operación.</translation>
    </message>
    <message>
        <source> Wipe Width </source>
        <translation> Contenido escrito </translation>
    </message>
    <message>
        <source>Byte Pattern</source>
        <translation>Patrón de bytes</translation>
    </message>
    <message>
        <source>Random Bytes</source>
        <translation>Bytes aleatorios</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Random Character</source>
        <translation>Carácter aleatorio</translation>
    </message>
    <message>
        <source>Text Pattern</source>
        <translation>Patrón de texto</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>What the method is for, and when to choose it</source>
        <translation>Para qué sirve el método, y cuándo elegirlo</translation>
    </message>
    <message>
        <source>This method comes with Ferrovane and cannot be changed. Copy makes a copy of it that you can edit.</source>
        <translation>Este método se incluye con Ferrovane y no se puede modificar. Copiar crea una copia que puede editar.</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Edit pass name</source>
        <translation>Editar nombre de la pasada</translation>
    </message>
    <message>
        <source>Pass name</source>
        <translation>Nombre de la pasada</translation>
    </message>
    <message>
        <source>Are you sure you want to delete pass &quot;%1&quot;?</source>
        <translation>¿Seguro que desea eliminar la pasada &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>This method has no passes: files wiped with it are only deleted, not overwritten, and can be recovered.
Keep it without passes?</source>
        <translation>Este método no tiene pasadas: los archivos borrados con él solo se eliminan, no se sobrescriben, y se pueden recuperar.
¿Conservarlo sin pasadas?</translation>
    </message>
    <message>
        <source>Check &amp;Wipe</source>
        <translation>&amp;Verificar borrado</translation>
    </message>
</context>
<context>
    <name>TfMethodsForm</name>
    <message>
        <source>Wiping Methods</source>
        <translation>Métodos de borrado</translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation>&amp;Métodos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Method Description:</source>
        <translation>Descripción del método:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
</context>
<context>
    <name>TfProgress</name>
    <message>
        <source>Delete Files and Folders</source>
        <translation>Eliminar archivos y carpetas</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Counting the files to wipe...</source>
        <translation>Contando los archivos que borrar...</translation>
    </message>
    <message>
        <source>%1 files, %2 so far</source>
        <translation>%1 archivos, %2 hasta ahora</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tarea</translation>
    </message>
</context>
<context>
    <name>TfReadme</name>
    <message>
        <source>Ferrovane Help</source>
        <translation>Ayuda de Ferrovane</translation>
    </message>
</context>
<context>
    <name>TfSchedule</name>
    <message>
        <source>Schedule of the trace cleaning</source>
        <translation>Programación de la limpieza de rastros</translation>
    </message>
    <message>
        <source>&amp;Clean traces on a schedule</source>
        <translation>Limpiar rastros según una &amp;programación</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>O&amp;nce</source>
        <translation>&amp;Una vez</translation>
    </message>
    <message>
        <source>&amp;Every N minutes</source>
        <translation>Cada N minu&amp;tos</translation>
    </message>
    <message>
        <source>Every N h&amp;ours</source>
        <translation>&amp;Cada N horas</translation>
    </message>
    <message>
        <source>Dai&amp;ly</source>
        <translation>D&amp;iaria</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>Se&amp;manal</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>Me&amp;nsual</translation>
    </message>
    <message>
        <source>&amp;Date and time:</source>
        <translation>&amp;Fecha y hora:</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>Every &amp;minutes:</source>
        <translation>Interval&amp;o en minutos:</translation>
    </message>
    <message>
        <source>Every &amp;hours:</source>
        <translation>Intervalo en &amp;horas:</translation>
    </message>
    <message>
        <source>and m&amp;inutes:</source>
        <translation>&amp;y minutos:</translation>
    </message>
    <message>
        <source>Every &amp;days:</source>
        <translation>Inte&amp;rvalo en días:</translation>
    </message>
    <message>
        <source>&amp;At:</source>
        <translation>&amp;A las:</translation>
    </message>
    <message>
        <source>Every &amp;weeks:</source>
        <translation>Inter&amp;valo en semanas:</translation>
    </message>
    <message>
        <source>A&amp;t:</source>
        <translation>A &amp;las:</translation>
    </message>
    <message>
        <source>On:</source>
        <translation>Días:</translation>
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
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
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
        <translation>A la&amp;s:</translation>
    </message>
    <message>
        <source>On da&amp;y</source>
        <translation>El &amp;día</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>&amp;El</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primer</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercer</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>cuarto</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>quinto</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
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
        <translation>de la semana que contiene el jueves del mes</translation>
    </message>
    <message>
        <source>In:</source>
        <translation>Meses:</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Ene</translation>
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
        <translation>Abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
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
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Oct</translation>
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
        <translation>Rastros limpiados según la programación</translation>
    </message>
    <message>
        <source>A scheduled clean asks nothing and removes what a clean of the same traces from this page removes.</source>
        <translation>Una limpieza programada no pregunta nada y elimina lo mismo que una limpieza de los mismos rastros desde esta página.</translation>
    </message>
    <message>
        <source>No scheduled clean.</source>
        <translation>No hay limpieza programada.</translation>
    </message>
    <message>
        <source>This schedule never falls due: choose a day or a month.</source>
        <translation>Esta programación nunca vence: elija un día o un mes.</translation>
    </message>
    <message>
        <source>Calendar of the timer: %1</source>
        <translation>Calendario del temporizador: %1</translation>
    </message>
    <message>
        <source>No trace is chosen yet.</source>
        <translation>Aún no se ha elegido ningún rastro.</translation>
    </message>
</context>
<context>
    <name>TfTracePaths</name>
    <message>
        <source>Paths of the trace cleaning</source>
        <translation>Rutas de la limpieza de rastros</translation>
    </message>
    <message>
        <source>&amp;Custom files and folders, cleaned by the item &quot;Custom Files and Folders&quot;</source>
        <translation>Archivos y carpetas &amp;personalizados que se limpian</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder). A folder goes with everything in it; the home folder and the folders above it are refused.</source>
        <translation>Un archivo o carpeta por línea (~/ para la carpeta personal). Una carpeta se va con todo su contenido; se rechazan la carpeta personal y las carpetas por encima de ella.</translation>
    </message>
    <message>
        <source>&amp;Never clean these (every item passes them over)</source>
        <translation>&amp;Nunca limpiar estos (todos los elementos los omiten)</translation>
    </message>
    <message>
        <source>One file or folder a line (~/ for the home folder; * and ? may stand in names). Nothing in a kept folder is deleted, emptied or edited.</source>
        <translation>Un archivo o carpeta por línea (~/ para la carpeta personal; se admiten * y ? en los nombres). No se elimina, vacía ni modifica nada de una carpeta conservada.</translation>
    </message>
</context>
<context>
    <name>TfmAddReg</name>
    <message>
        <source>Add Registry Key</source>
        <translation>Añadir clave del Registro</translation>
    </message>
    <message>
        <source>Key Name</source>
        <translation>Nombre de la clave</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>Propiedades del elemento</translation>
    </message>
    <message>
        <source>Entire folder</source>
        <translation>Carpeta entera</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>Nombre de la carpeta:</translation>
    </message>
    <message>
        <source>Folder content</source>
        <translation>Contenido de la carpeta</translation>
    </message>
    <message>
        <source>Include pattern:</source>
        <translation>Patrón de inclusión:</translation>
    </message>
    <message>
        <source>Included items list:</source>
        <translation>Lista de elementos incluidos:</translation>
    </message>
    <message>
        <source>Add Included Pattern</source>
        <translation>Añadir patrón de inclusión</translation>
    </message>
    <message>
        <source>Remove Included Item</source>
        <translation>Quitar elemento incluido</translation>
    </message>
    <message>
        <source>Show Included files...</source>
        <translation>Mostrar archivos incluidos...</translation>
    </message>
    <message>
        <source>Exclude wiping of files</source>
        <translation>Excluir archivos del borrado</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please specify a directory</source>
        <translation>Indique una carpeta</translation>
    </message>
    <message>
        <source>Please add at least a pattern to pattern list</source>
        <translation>Añada al menos un patrón a la lista de patrones</translation>
    </message>
</context>
<context>
    <name>TfmShowFiles</name>
    <message>
        <source>Included files</source>
        <translation>Archivos incluidos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
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
        <translation> y </translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped.</source>
        <translation>No se ha borrado el espacio libre de %1.</translation>
    </message>
    <message>
        <source>The free space of %1 has not been wiped completely.</source>
        <translation>No se ha borrado por completo el espacio libre de %1.</translation>
    </message>
    <message>
        <source>It stopped while overwriting &quot;%1&quot;: that file is left under its own name, not completely overwritten.</source>
        <translation>Se detuvo mientras sobrescribía &quot;%1&quot;: ese archivo queda con su propio nombre, sin sobrescribir por completo.</translation>
    </message>
    <message>
        <source>Jobs not reached: %1 of %2.</source>
        <translation>Tareas no alcanzadas: %1 de %2.</translation>
    </message>
    <message>
        <source>Overwritten before the stop: %1, in %2.</source>
        <translation>Sobrescrito antes de la detención: %1, en %2.</translation>
    </message>
    <message>
        <source>Overwritten with every pass: %1, in %2.</source>
        <translation>Sobrescrito con todas las pasadas: %1, en %2.</translation>
    </message>
    <message>
        <source>Left behind: %1.</source>
        <translation>Quedó: %1.</translation>
    </message>
    <message>
        <source>Not found when their turn came: %1.</source>
        <translation>No encontrados cuando les tocó: %1.</translation>
    </message>
    <message>
        <source>Left partly overwritten when the run stopped:</source>
        <translation>Quedaron parcialmente sobrescritos al detenerse la operación:</translation>
    </message>
    <message>
        <source>Not reached:</source>
        <translation>No alcanzados:</translation>
    </message>
    <message>
        <source>Left behind:</source>
        <translation>Quedaron:</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>No encontrados:</translation>
    </message>
    <message>
        <source>: %1 wiped in %2.</source>
        <translation>: %1 borrado en %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The settings folder could not be prepared: changed settings and methods may not be saved.</source>
        <translation>No se pudo preparar la carpeta de configuración: la configuración y los métodos modificados pueden no guardarse.</translation>
    </message>
    <message>
        <source>The methods and settings could not all be read: %1</source>
        <translation>No se pudieron leer todos los métodos y la configuración: %1</translation>
    </message>
    <message>
        <source>The changed settings could not be saved: %1</source>
        <translation>No se pudo guardar la configuración modificada: %1</translation>
    </message>
</context>
</TS>
