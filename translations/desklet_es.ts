<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ContactCommands</name>
    <message>
        <source>--import-contacts needs one or more vCard or CSV files</source>
        <translation>--import-contacts necesita uno o más archivos vCard o CSV</translation>
    </message>
    <message>
        <source>%1 contacts imported, %2 skipped (no fax number), %3 already present</source>
        <translation>%1 contactos importados, %2 omitidos (sin número de fax), %3 ya existentes</translation>
    </message>
    <message>
        <source>%1 groups imported, %2 already present</source>
        <translation>%1 grupos importados, %2 ya existentes</translation>
    </message>
    <message>
        <source>--export-contacts needs one file to write</source>
        <translation>--export-contacts necesita un archivo en el que escribir</translation>
    </message>
    <message>
        <source>the company directory was not searched: %1</source>
        <translation>no se ha buscado en el directorio de la empresa: %1</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the first line is no header of contact columns</source>
        <translation>la primera línea no es un encabezado de columnas de contactos</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Introduzca como máximo %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>DialogSend</name>
    <message>
        <source>Keep the fax in the Outbox to try it again later?</source>
        <translation>¿Mantener el fax en la bandeja de salida para volver a intentarlo más tarde?</translation>
    </message>
    <message>
        <source>&amp;Keep in Outbox</source>
        <translation>&amp;Mantener en la bandeja de salida</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>The fax is kept in the Outbox as unknown: open the Outbox to send it again or mark it as sent.</source>
        <translation>El fax se guarda en la bandeja de salida como desconocido: abra la bandeja de salida para volver a enviarlo o marcarlo como enviado.</translation>
    </message>
    <message>
        <source>Sending stopped: the Outbox could not record the fax, and a fax is not sent without its record.</source>
        <translation>Envío detenido: la bandeja de salida no pudo registrar el fax, y un fax no se envía sin su registro.</translation>
    </message>
    <message>
        <source>The fax was sent or taken from the Outbox meanwhile, so it is not sent from here. See the Outbox and Sent Faxes before sending it again.</source>
        <translation>Mientras tanto, el fax se envió o se tomó de la bandeja de salida, así que no se envía desde aquí. Consulte la bandeja de salida y los faxes enviados antes de volver a enviarlo.</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Bandeja de salida</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>desklet: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set, or the display does not answer)
desklet: desklet --send works without one: desklet --send -file DOCUMENT -fax NUMBER
</source>
        <translation>desklet: no hay ninguna pantalla en la que abrir la ventana (DISPLAY y WAYLAND_DISPLAY no están definidas, o la pantalla no responde)
desklet: desklet --send funciona sin pantalla: desklet --send -file DOCUMENT -fax NUMBER
</translation>
    </message>
</context>
<context>
    <name>DocumentPreview</name>
    <message>
        <source>The file cannot be read</source>
        <translation>No se puede leer el archivo</translation>
    </message>
    <message>
        <source>Pages: unknown</source>
        <translation>Páginas: desconocido</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 página</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to 1 recipient</source>
        <translation>%1 a 1 destinatario</translation>
    </message>
    <message numerus="yes">
        <source>%1 to %n recipients</source>
        <translation>
            <numerusform>%1 a %n destinatario</numerusform>
            <numerusform>%1 a %n destinatarios</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FaxNumberRules</name>
    <message>
        <source>A fax number that begins with 1 must be followed by exactly 10 digits</source>
        <translation>Un número de fax que empieza por 1 debe ir seguido de exactamente 10 dígitos</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 1 can not have either a 0 or 1 as its second digit</source>
        <translation>En un número de fax que empieza por 1, el segundo dígito no puede ser ni 0 ni 1</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 0 must be between 8 and 35 digits long</source>
        <translation>Un número de fax que empieza por 0 debe tener entre 8 y 35 dígitos</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 0 must be followed by 11</source>
        <translation>Un número de fax que empieza por 0 debe ir seguido de 11</translation>
    </message>
    <message>
        <source>A fax number that doesn&apos;t begin with 0 or 1 must be exactly 10 digits long</source>
        <translation>Un número de fax que no empieza por 0 ni por 1 debe tener exactamente 10 dígitos</translation>
    </message>
    <message>
        <source>Incorrectly formatted fax telephone number</source>
        <translation>Número de fax con formato incorrecto</translation>
    </message>
    <message>
        <source>Please verify the fax telephone number</source>
        <translation>Compruebe el número de fax</translation>
    </message>
    <message>
        <source>Please verify fax telephone number %1</source>
        <translation>Compruebe el número de fax %1</translation>
    </message>
</context>
<context>
    <name>FaxSubmission</name>
    <message>
        <source>You must enter at least 1 fax number in the recipient list.</source>
        <translation>Debe introducir al menos 1 número de fax en la lista de destinatarios.</translation>
    </message>
    <message>
        <source>Recipient(s) required</source>
        <translation>Se necesitan destinatarios</translation>
    </message>
    <message>
        <source>Please verify your account name and password</source>
        <translation>Compruebe su nombre de cuenta y su contraseña</translation>
    </message>
    <message>
        <source>Error sending fax - Check Password</source>
        <translation>Error al enviar el fax: compruebe la contraseña</translation>
    </message>
    <message>
        <source>Please verify the path to the file you want to fax.</source>
        <translation>Compruebe la ruta del archivo que quiere enviar por fax.</translation>
    </message>
    <message>
        <source>Error: File not found!</source>
        <translation>Error: ¡no se encuentra el archivo!</translation>
    </message>
    <message>
        <source>Error connecting to the mail server.  Please check your Internet connection and mail server settings, or see the online help.</source>
        <translation>Error al conectar con el servidor de correo.  Compruebe su conexión a Internet y la configuración del servidor de correo, o consulte la ayuda en línea.</translation>
    </message>
    <message>
        <source>Error uploading your file to the server.  Please check your connection to the Internet and mail server settings, or see the online help.</source>
        <translation>Error al subir su archivo al servidor.  Compruebe su conexión a Internet y la configuración del servidor de correo, o consulte la ayuda en línea.</translation>
    </message>
    <message>
        <source>Error sending Fax</source>
        <translation>Error al enviar el fax</translation>
    </message>
    <message>
        <source>The mail server refused the fax for now.  Please try again later, or see the online help.</source>
        <translation>El servidor de correo ha rechazado el fax por ahora.  Vuelva a intentarlo más tarde, o consulte la ayuda en línea.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.  Please check the server&apos;s name in your mail server settings and your Internet connection, or see the online help.</source>
        <translation>No se encuentra el servidor de correo %1.  Compruebe el nombre del servidor en la configuración del servidor de correo y su conexión a Internet, o consulte la ayuda en línea.</translation>
    </message>
    <message>
        <source>The mail server %1 refused the connection on port %2.  Please check the port in your mail server settings, or see the online help.</source>
        <translation>El servidor de correo %1 ha rechazado la conexión en el puerto %2.  Compruebe el puerto en la configuración del servidor de correo, o consulte la ayuda en línea.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer in time.  Please check your Internet connection and mail server settings, or try again later.</source>
        <translation>El servidor de correo %1 no ha respondido a tiempo.  Compruebe su conexión a Internet y la configuración del servidor de correo, o vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>The mail server answers in plain text on port %1, where SSL/TLS was asked for.  Please choose STARTTLS as the connection security in your mail server settings, or port 465 for SSL/TLS.</source>
        <translation>El servidor de correo responde sin cifrar en el puerto %1, donde se pidió SSL/TLS.  Elija STARTTLS como seguridad de la conexión en la configuración del servidor de correo, o el puerto 465 para SSL/TLS.</translation>
    </message>
    <message>
        <source>Mail server %1, port %2.</source>
        <translation>Servidor de correo %1, puerto %2.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>El puerto debe ser un número del 1 al 65535.</translation>
    </message>
    <message>
        <source>The server&apos;s last reply: %1</source>
        <translation>Última respuesta del servidor: %1</translation>
    </message>
    <message>
        <source>The system&apos;s reason: %1.</source>
        <translation>Motivo indicado por el sistema: %1.</translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate cannot be trusted: %1.  Server: %2.  Please check your mail server settings, or see the online help.</source>
        <translation>No se puede confiar en el certificado del servidor de correo: %1.  Servidor: %2.  Compruebe la configuración del servidor de correo, o consulte la ayuda en línea.</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>ha caducado</translation>
    </message>
    <message>
        <source>it is not valid for this server&apos;s name</source>
        <translation>no es válido para el nombre de este servidor</translation>
    </message>
    <message>
        <source>it was issued by an authority this computer does not trust</source>
        <translation>lo emitió una autoridad en la que este equipo no confía</translation>
    </message>
    <message>
        <source>it did not pass the check</source>
        <translation>no ha superado la comprobación</translation>
    </message>
    <message>
        <source>The mail server does not offer an encrypted connection.  Please check the connection security in your mail server settings, or see the online help.</source>
        <translation>El servidor de correo no ofrece una conexión cifrada.  Compruebe la seguridad de la conexión en la configuración del servidor de correo, o consulte la ayuda en línea.</translation>
    </message>
    <message>
        <source>The mail server refused your user name or password.  Please check them in your mail server settings.</source>
        <translation>El servidor de correo ha rechazado su nombre de usuario o su contraseña.  Compruébelos en la configuración del servidor de correo.</translation>
    </message>
    <message>
        <source>The mail server cannot take your login: a login needs an encrypted connection and a login method the server offers.  Please check your mail server settings, or see the online help.</source>
        <translation>El servidor de correo no puede aceptar su inicio de sesión: necesita una conexión cifrada y un método de inicio de sesión que el servidor ofrezca.  Compruebe la configuración del servidor de correo, o consulte la ayuda en línea.</translation>
    </message>
    <message>
        <source>The fax is too large for the mail server: the message has %1 bytes and the server takes at most %2.  Please send a smaller document, or use another mail server.</source>
        <translation>El fax es demasiado grande para el servidor de correo: el mensaje tiene %1 bytes y el servidor admite como máximo %2.  Envíe un documento más pequeño, o use otro servidor de correo.</translation>
    </message>
    <message numerus="yes">
        <source>The fax went to %1 of the %2 numbers. Only the %n numbers not yet sent are left in the list.</source>
        <translation>
            <numerusform>El fax se envió a %1 de los %2 números. Solo queda en la lista el %n número aún no enviado.</numerusform>
            <numerusform>El fax se envió a %1 de los %2 números. Solo quedan en la lista los %n números aún no enviados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobOptions</name>
    <message>
        <source>unknown value of -%1: &quot;%2&quot;</source>
        <translation>valor desconocido de -%1: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Fax sent</source>
        <translation>Fax enviado</translation>
    </message>
    <message>
        <source>%1 went to %2.</source>
        <translation>%1 se ha enviado a %2.</translation>
    </message>
    <message>
        <source>Fax not sent</source>
        <translation>Fax no enviado</translation>
    </message>
    <message>
        <source>%1 could not go to %2: %3</source>
        <translation>No se ha podido enviar %1 a %2: %3</translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encuentra el archivo especificado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encuentra la ruta especificada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo ha denegado
el acceso al archivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No hay memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(.EXE que no es Win32 o error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se ha producido una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no se pudo
completar porque se agotó el tiempo de la solicitud.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE ha fallado.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no se pudo
completar porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
a la extensión de nombre de archivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encuentra la biblioteca de vínculos dinámicos especificada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se ha producido un error desconocido (%1).</translation>
    </message>
</context>
<context>
    <name>OutboxCommands</name>
    <message>
        <source>Try &apos;desklet --help&apos; for more information.</source>
        <translation>Pruebe &apos;desklet --help&apos; para más información.</translation>
    </message>
    <message>
        <source>--sent takes one count of jobs, a whole number from 1</source>
        <translation>--sent necesita un número de trabajos, un entero a partir de 1</translation>
    </message>
    <message>
        <source>--discard takes the id of one job, as --outbox lists it</source>
        <translation>--discard necesita el id de un trabajo, tal como lo muestra --outbox</translation>
    </message>
    <message>
        <source>fax job %1 discarded</source>
        <translation>trabajo de fax %1 descartado</translation>
    </message>
    <message>
        <source>--outbox takes no argument</source>
        <translation>--outbox no admite argumentos</translation>
    </message>
    <message>
        <source>fax job %1 sent</source>
        <translation>trabajo de fax %1 enviado</translation>
    </message>
    <message>
        <source>fax job %1 kept in the outbox: %2</source>
        <translation>trabajo de fax %1 guardado en la bandeja de salida: %2</translation>
    </message>
    <message>
        <source>fax job %1 kept as unknown: %2</source>
        <translation>trabajo de fax %1 guardado como desconocido: %2</translation>
    </message>
    <message>
        <source>fax job %1 failed: %2</source>
        <translation>el trabajo de fax %1 ha fallado: %2</translation>
    </message>
</context>
<context>
    <name>PhoneBookFailure</name>
    <message>
        <source>The phone book needs Qt&apos;s SQLite driver, which is not installed.</source>
        <translation>La agenda necesita el controlador SQLite de Qt, que no está instalado.</translation>
    </message>
    <message>
        <source>The phone book&apos;s folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta de la agenda %1.</translation>
    </message>
    <message>
        <source>The phone book&apos;s folder %1 cannot be made private to you.</source>
        <translation>No se puede hacer privada la carpeta de la agenda %1.</translation>
    </message>
    <message>
        <source>The phone book %1 is a symbolic link; it is left alone.</source>
        <translation>La agenda %1 es un enlace simbólico; no se toca.</translation>
    </message>
    <message>
        <source>The phone book %1 is not a file of yours that only you can read.</source>
        <translation>La agenda %1 no es un archivo suyo que solo usted pueda leer.</translation>
    </message>
    <message>
        <source>The phone book %1 cannot be opened.</source>
        <translation>No se puede abrir la agenda %1.</translation>
    </message>
    <message>
        <source>The phone book %1 was written by a newer version of Desklet.</source>
        <translation>La agenda %1 la escribió una versión más reciente de Desklet.</translation>
    </message>
    <message>
        <source>The phone book %1 cannot be brought up to date.</source>
        <translation>No se puede actualizar la agenda %1.</translation>
    </message>
    <message>
        <source>The phone book is in use by another program; try again.</source>
        <translation>Otro programa está usando la agenda; vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The disk is full; nothing was changed in the phone book.</source>
        <translation>El disco está lleno; no se ha cambiado nada en la agenda.</translation>
    </message>
    <message>
        <source>The phone book cannot be written; nothing was changed.</source>
        <translation>No se puede escribir la agenda; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The phone book cannot be read.</source>
        <translation>No se puede leer la agenda.</translation>
    </message>
    <message>
        <source>That entry is no longer in the phone book.</source>
        <translation>Esa entrada ya no está en la agenda.</translation>
    </message>
    <message>
        <source>A contact needs at least one fax number.</source>
        <translation>Un contacto necesita al menos un número de fax.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a contact file.</source>
        <translation>El archivo %1 es demasiado grande para un archivo de contactos.</translation>
    </message>
    <message>
        <source>Line %2 of %1 is not part of a vCard or CSV contact file.</source>
        <translation>La línea %2 de %1 no forma parte de un archivo de contactos vCard o CSV.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
    <message>
        <source>No contact or group is called &quot;%1&quot;.</source>
        <translation>Ningún contacto ni grupo se llama «%1».</translation>
    </message>
    <message>
        <source>Several contacts or groups are called &quot;%1&quot;.</source>
        <translation>Varios contactos o grupos se llaman «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has several fax numbers and none of them is for work.</source>
        <translation>«%1» tiene varios números de fax y ninguno es del trabajo.</translation>
    </message>
    <message>
        <source>The group &quot;%1&quot; has no members.</source>
        <translation>El grupo «%1» no tiene miembros.</translation>
    </message>
</context>
<context>
    <name>PrintJobs</name>
    <message>
        <source>job %1</source>
        <translation>trabajo de impresión %1</translation>
    </message>
    <message>
        <source>%1 (job %2)</source>
        <translation>%1 (trabajo %2)</translation>
    </message>
    <message>
        <source>The fax printer holds these printed documents in the print queue because your fax inbox is full (%1 documents or %2 GiB):

%3
Send or close the faxes that wait, then let the held documents through with:

%4</source>
        <translation>La impresora de fax retiene estos documentos impresos en la cola de impresión porque su bandeja de faxes está llena (%1 documentos o %2 GiB):

%3
Envíe o cierre los faxes en espera y después libere los documentos retenidos con:

%4</translation>
    </message>
    <message>
        <source>Print to fax</source>
        <translation>Imprimir a fax</translation>
    </message>
    <message>
        <source>The printed document
%1
cannot be opened. It stays where it is.</source>
        <translation>El documento impreso
%1
no se puede abrir. Se queda donde está.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>You don&apos;t have permission to store information in the Windows Registry</source>
        <translation>No tiene permiso para guardar información en el Registro de Windows</translation>
    </message>
    <message>
        <source>Insuffucient security clearance</source>
        <translation>Nivel de seguridad insuficiente</translation>
    </message>
</context>
<context>
    <name>TerminalMode</name>
    <message>
        <source>Try &apos;desklet --help&apos; for more information.</source>
        <translation>Pruebe &apos;desklet --help&apos; para más información.</translation>
    </message>
    <message>
        <source>sending fax... %1%</source>
        <translation>enviando fax... %1%</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together</source>
        <translation>%1 y %2 no pueden darse juntas</translation>
    </message>
    <message>
        <source>%1 needs a file name, or - for standard input</source>
        <translation>%1 necesita un nombre de archivo, o - para la entrada estándar</translation>
    </message>
    <message>
        <source>%1 goes with --send</source>
        <translation>%1 va con --send</translation>
    </message>
    <message>
        <source>start desklet once with a window to set up the account, or store logon and password in the [Config] section of %1</source>
        <translation>ejecute desklet una vez con ventana para configurar la cuenta, o guarde logon y password en la sección [Config] de %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>the password file %1</source>
        <translation>el archivo de contraseña %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; give the file it names</source>
        <translation>%1 es un enlace simbólico; indique el archivo al que apunta</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 can be read or written by others; make it private (chmod 600)</source>
        <translation>otros pueden leer o escribir %1; hágalo privado (chmod 600)</translation>
    </message>
    <message>
        <source>%1 holds no password on its first line</source>
        <translation>%1 no contiene ninguna contraseña en su primera línea</translation>
    </message>
    <message>
        <source>%1 has no line break within its first %2 bytes</source>
        <translation>%1 no tiene ningún salto de línea en sus primeros %2 bytes</translation>
    </message>
    <message>
        <source>%1 holds a zero byte</source>
        <translation>%1 contiene un byte nulo</translation>
    </message>
    <message numerus="yes">
        <source>%n fax mails, one for each share of the numbers, written as an mbox</source>
        <translation>
            <numerusform>%n correo de fax, uno por cada parte de los números, escrito como mbox</numerusform>
            <numerusform>%n correos de fax, uno por cada parte de los números, escritos como mbox</numerusform>
        </translation>
    </message>
    <message>
        <source>no fax number: give -fax NUMBER[,NUMBER...] or -to NAME[,NAME...]</source>
        <translation>ningún número de fax: indique -fax NUMBER[,NUMBER...] o -to NAME[,NAME...]</translation>
    </message>
    <message>
        <source>no document: give -file DOCUMENT</source>
        <translation>ningún documento: indique -file DOCUMENT</translation>
    </message>
    <message>
        <source>no fax number in -fax &quot;%1&quot;</source>
        <translation>ningún número de fax en -fax &quot;%1&quot;</translation>
    </message>
    <message>
        <source>every user of this computer can read the password given with -smtp_password; give it with --password-file instead</source>
        <translation>cualquier usuario de este equipo puede leer la contraseña dada con -smtp_password; indíquela mejor con --password-file</translation>
    </message>
    <message>
        <source>-%1 is not used: the stored value of %1, which is empty, is</source>
        <translation>-%1 no se usa: se usa el valor guardado de %1, que está vacío</translation>
    </message>
    <message>
        <source>-%1 is not used: the stored value of %1 is</source>
        <translation>-%1 no se usa: se usa el valor guardado de %1</translation>
    </message>
    <message>
        <source>not sent to: %1</source>
        <translation>no enviado a: %1</translation>
    </message>
    <message>
        <source>this mode needs a window</source>
        <translation>este modo necesita una ventana</translation>
    </message>
    <message>
        <source>%1 goes with --send or --flush-outbox</source>
        <translation>%1 va con --send o --flush-outbox</translation>
    </message>
    <message>
        <source>the fax is sent without a record in the sent log</source>
        <translation>el fax se envía sin quedar en el registro de envíos</translation>
    </message>
    <message>
        <source>kept in the outbox: %1</source>
        <translation>guardado en la bandeja de salida: %1</translation>
    </message>
    <message>
        <source>kept in the outbox as unknown: %1; desklet --outbox lists it, desklet --discard takes it out</source>
        <translation>guardado en la bandeja de salida como desconocido: %1; desklet --outbox lo muestra, desklet --discard lo quita</translation>
    </message>
    <message>
        <source>--flush-outbox takes no argument</source>
        <translation>--flush-outbox no admite argumentos</translation>
    </message>
    <message>
        <source>Usage: desklet [-file DOCUMENT] [-fax NUMBER[,NUMBER...]] [KEY VALUE...]
       desklet --send -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
               [--password-file FILE] [--queue]
       desklet --outbox | --flush-outbox [--due] [--password-file FILE]
       desklet --discard ID | --sent [N]
       desklet --print-message -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
       desklet --print-jobs
       desklet --import-contacts FILE...
       desklet --export-contacts FILE
       desklet --contacts [TEXT]
       desklet --help | --version

Without an option the fax dialog opens, filled in from the keys.
  --send           send the fax without a window; messages go to standard error;
                   every fax sent is kept in the sent log
  --queue          with --send: a failure that may pass (no server, a refusal
                   for now) keeps the fax in the outbox, to go with
                   --flush-outbox or the session helper&apos;s next try, and the
                   run ends with 0
  --outbox         list the faxes waiting in the outbox and those whose fate
                   is unknown: id&lt;TAB&gt;state&lt;TAB&gt;queued&lt;TAB&gt;numbers&lt;TAB&gt;document
                   &lt;TAB&gt;attempts&lt;TAB&gt;next attempt&lt;TAB&gt;last error
  --flush-outbox   try every waiting fax now; ends with 0 when none is left
                   waiting, 75 when some are
  --due            with --flush-outbox: try only the faxes whose next try is
                   due, so that the others keep their time
  --discard ID     take a waiting or unknown fax out of the outbox
  --sent [N]       print the faxes of the last N jobs (20 without N), a mail a
                   line: time&lt;TAB&gt;numbers&lt;TAB&gt;document&lt;TAB&gt;outcome&lt;TAB&gt;
                   Message-ID&lt;TAB&gt;server reply
  --print-message  write the fax mail to standard output and send nothing;
                   a fax that goes as several mails is written as an mbox
  --print-jobs     open the fax dialog for each printed document waiting
  --import-contacts FILE...
                   add the contacts and groups of vCard or CSV files to the
                   phone book; the counts go to standard error
  --export-contacts FILE
                   write every contact and group to FILE as vCard 4.0
  --contacts [TEXT]
                   print the contacts and groups whose name, company or number
                   holds TEXT, one fax number a line:
                   name&lt;TAB&gt;company&lt;TAB&gt;number&lt;TAB&gt;label
  --help           show this text
  --version        show the version
  --password-file FILE
                   with --send or --flush-outbox: the first line of FILE is
                   the mail server&apos;s password; only its owner may read FILE
                   (- reads standard input); it is used for this run, before
                   the stored one

Keys (a dash, the key, then the value: the next argument, whole):
  -file DOCUMENT       the document to fax
  -fax LIST            fax numbers, separated by commas
  -to NAMES            phone book contacts or groups, separated by commas
  -font regular|bold   the fax page font
  -resolution low|high
  -cover yes|no        attach a cover page
  -comment TEXT        -from TEXT        -attention TEXT
Any setting can be given the same way (-logon, -smtp, -smtp_port, ...), for
the settings not stored: a stored value wins, and --send names each key it
overrides. Every user of this computer can read a command line, so give the
password with --password-file rather than -smtp_password.

Settings live in $XDG_CONFIG_HOME/Quillmark/Desklet.conf (~/.config/Quillmark/Desklet.conf);
run desklet once with a window to set up the account.

Exit status:
   0 sent (or printed); with --queue also kept in the outbox for a later try
  64 the command line is wrong: no -fax or -file, an unknown value or option,
     --password-file without a file or without --send or --flush-outbox,
     --queue without --send, --due without --flush-outbox
  65 a fax number breaks the number rules; a -to name is unknown or names
     several contacts; a contact file is neither vCard nor CSV; --discard names
     no job of the outbox
  66 the document or a contact file is missing or unreadable
  69 the server could not be reached, refused the fax for good (5xx), does not
     offer the encryption asked for, or takes no message this large; or there
     is no display for the window (desklet, desklet --print-jobs)
  75 the server refused the fax for now (4xx), or its answer to the message
     never came (the fax is kept in the outbox as unknown); try again later;
     with --flush-outbox: faxes are still waiting
  76 the server&apos;s replies made no sense, or it closed the connection mid-session
  77 the server refused the login or its certificate
  73 the exported file cannot be written
  74 the phone book, the outbox or the sent log cannot be opened, read or
     written
  78 no account is set up: start desklet once with a window; or the mail
     server settings cannot be used (a login without encryption, an unknown
     smtp_security); or the password file cannot be used (missing, readable by
     others, a symbolic link, no password on its first line)
</source>
        <translation>Uso: desklet [-file DOCUMENT] [-fax NUMBER[,NUMBER...]] [KEY VALUE...]
     desklet --send -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
             [--password-file FILE] [--queue]
     desklet --outbox | --flush-outbox [--due] [--password-file FILE]
     desklet --discard ID | --sent [N]
     desklet --print-message -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
     desklet --print-jobs
     desklet --import-contacts FILE...
     desklet --export-contacts FILE
     desklet --contacts [TEXT]
     desklet --help | --version

Sin opción se abre el cuadro de diálogo del fax, rellenado con las claves.
  --send           enviar el fax sin ventana; los mensajes van a la salida
                   de error estándar; cada fax enviado queda en el registro de
                   envíos
  --queue          con --send: un fallo que puede pasar (sin servidor, un
                   rechazo por ahora) guarda el fax en la bandeja de salida,
                   para que salga con --flush-outbox o el próximo intento del
                   asistente de sesión, y la ejecución termina con 0
  --outbox         mostrar los faxes en espera en la bandeja de salida y
                   aquellos cuyo destino se desconoce: id&lt;TAB&gt;estado
                   &lt;TAB&gt;en cola desde&lt;TAB&gt;números&lt;TAB&gt;documento&lt;TAB&gt;intentos
                   &lt;TAB&gt;próximo intento&lt;TAB&gt;último error
  --flush-outbox   intentar ahora cada fax en espera; termina con 0 cuando no
                   queda ninguno en espera, con 75 cuando quedan algunos
  --due            con --flush-outbox: intentar solo los faxes cuya hora de
                   próximo intento ya ha llegado; los demás conservan la suya
  --discard ID     sacar de la bandeja de salida un fax en espera o desconocido
  --sent [N]       mostrar los faxes de los últimos N trabajos (20 sin N), un
                   correo por línea: fecha&lt;TAB&gt;números&lt;TAB&gt;documento
                   &lt;TAB&gt;resultado&lt;TAB&gt;Message-ID&lt;TAB&gt;respuesta del servidor
  --print-message  escribir el correo del fax en la salida estándar sin enviar
                   nada; un fax que va en varios correos se escribe como mbox
  --print-jobs     abrir el cuadro de diálogo del fax para cada documento
                   impreso en espera
  --import-contacts FILE...
                   añadir a la agenda los contactos y grupos de archivos vCard
                   o CSV; los totales van a la salida de error estándar
  --export-contacts FILE
                   escribir todos los contactos y grupos en FILE como vCard 4.0
  --contacts [TEXT]
                   mostrar los contactos y grupos cuyo nombre, empresa o número
                   contiene TEXT, un número de fax por línea:
                   nombre&lt;TAB&gt;empresa&lt;TAB&gt;número&lt;TAB&gt;etiqueta
  --help           mostrar este texto
  --version        mostrar la versión
  --password-file FILE
                   con --send o --flush-outbox: la primera línea de FILE es la
                   contraseña del servidor de correo; solo el propietario de
                   FILE puede leerlo (- lee la entrada estándar); se usa en
                   esta ejecución, antes que la guardada

Claves (un guion, la clave y luego el valor: el argumento siguiente, entero):
  -file DOCUMENT       el documento que se envía por fax
  -fax LIST            números de fax, separados por comas
  -to NAMES            contactos o grupos de la agenda, separados por comas
  -font regular|bold   la fuente de la página de fax
  -resolution low|high
  -cover yes|no        adjuntar una portada
  -comment TEXT        -from TEXT        -attention TEXT
Cualquier ajuste puede darse del mismo modo (-logon, -smtp, -smtp_port, ...),
para los ajustes no guardados: un valor guardado prevalece, y --send nombra
cada clave que sustituye. Cualquier usuario de este equipo puede leer una
línea de órdenes, así que dé la contraseña con --password-file en lugar de
-smtp_password.

Los ajustes están en $XDG_CONFIG_HOME/Quillmark/Desklet.conf (~/.config/Quillmark/Desklet.conf);
ejecute desklet una vez con ventana para configurar la cuenta.

Estado de salida:
   0 enviado (o mostrado); con --queue, también guardado en la bandeja de
     salida para un intento posterior
  64 la línea de órdenes es incorrecta: falta -fax o -file, un valor o una
     opción desconocidos, --password-file sin archivo o sin --send ni
     --flush-outbox, --queue sin --send, --due sin --flush-outbox
  65 un número de fax incumple las reglas de numeración; un nombre de -to es
     desconocido o corresponde a varios contactos; un archivo de contactos no
     es ni vCard ni CSV; --discard no nombra ningún trabajo de la bandeja de
     salida
  66 falta el documento o un archivo de contactos, o no se puede leer
  69 no se pudo llegar al servidor, rechazó el fax definitivamente (5xx), no
     ofrece el cifrado pedido o no admite un mensaje tan grande; o no hay
     pantalla para la ventana (desklet, desklet --print-jobs)
  75 el servidor rechazó el fax por ahora (4xx), o su respuesta al mensaje
     nunca llegó (el fax se guarda en la bandeja de salida como desconocido);
     vuelva a intentarlo más tarde; con --flush-outbox: aún hay faxes en
     espera
  76 las respuestas del servidor no tenían sentido, o cerró la conexión en
     mitad de la sesión
  77 el servidor rechazó el inicio de sesión o su certificado
  73 no se puede escribir el archivo exportado
  74 no se puede abrir, leer o escribir la agenda, la bandeja de salida o el
     registro de envíos
  78 no hay ninguna cuenta configurada: ejecute desklet una vez con ventana;
     o no se puede usar la configuración del servidor de correo (un inicio de
     sesión sin cifrado, un smtp_security desconocido); o no se puede usar el
     archivo de contraseña (falta, otros pueden leerlo, es un enlace
     simbólico, no hay contraseña en su primera línea)
</translation>
    </message>
    <message>
        <source>%1 goes with --flush-outbox</source>
        <translation>%1 va con --flush-outbox</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>the line is not a vCard property</source>
        <translation>la línea no es una propiedad vCard</translation>
    </message>
    <message>
        <source>a card begins inside another</source>
        <translation>una tarjeta empieza dentro de otra</translation>
    </message>
    <message>
        <source>only cards may begin here</source>
        <translation>aquí solo pueden empezar tarjetas</translation>
    </message>
    <message>
        <source>the line is outside a card</source>
        <translation>la línea está fuera de una tarjeta</translation>
    </message>
    <message>
        <source>the card ends with something else</source>
        <translation>la tarjeta termina con otra cosa</translation>
    </message>
    <message>
        <source>the card has no END</source>
        <translation>la tarjeta no tiene END</translation>
    </message>
    <message>
        <source>the file holds no card</source>
        <translation>el archivo no contiene ninguna tarjeta</translation>
    </message>
</context>
<context>
    <name>desklet::CAboutDlg</name>
    <message>
        <source>About Quillmark Tarvel</source>
        <translation>Acerca de Quillmark Tarvel</translation>
    </message>
    <message>
        <source>Desklet Version %1</source>
        <translation>Desklet versión %1</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 Quillmark. All rights reserved.</source>
        <translation>Copyright (c) 2026 Quillmark. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>desklet::CConfigSheet</name>
    <message>
        <source>Quillmark Tarvel Setup</source>
        <translation>Configuración de Quillmark Tarvel</translation>
    </message>
</context>
<context>
    <name>desklet::CFaxClientDlg</name>
    <message>
        <source>MS Word Documents (*.doc) (*.doc *.rtf)</source>
        <translation>Documentos de MS Word (*.doc) (*.doc *.rtf)</translation>
    </message>
    <message>
        <source>Chart Files (*.xlc) (*.xlc)</source>
        <translation>Archivos de gráficos (*.xlc) (*.xlc)</translation>
    </message>
    <message>
        <source>MS Excel Worksheet Files (*.xls) (*.xls)</source>
        <translation>Hojas de cálculo de MS Excel (*.xls) (*.xls)</translation>
    </message>
    <message>
        <source>Adobe Acrobate Files (*.pdf) (*.pdf)</source>
        <translation>Archivos de Adobe Acrobat (*.pdf) (*.pdf)</translation>
    </message>
    <message>
        <source>Postscript Files (*.ps,*.prn,*.psa) (*.ps *.prn *.psa)</source>
        <translation>Archivos PostScript (*.ps,*.prn,*.psa) (*.ps *.prn *.psa)</translation>
    </message>
    <message>
        <source>All Files (*.*) (*)</source>
        <translation>Todos los archivos (*.*) (*)</translation>
    </message>
    <message>
        <source>Quillmark Tarvel</source>
        <translation>Quillmark Tarvel</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Account &amp;Settings</source>
        <translation>&amp;Ajustes de la cuenta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Quillmark Tarvel</source>
        <translation>&amp;Acerca de Quillmark Tarvel</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>File you would like to fax:</source>
        <translation>Archivo que quiere enviar por fax:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Fax Page Font</source>
        <translation>Fuente de la página de fax</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Baja resolución</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Alta resolución</translation>
    </message>
    <message>
        <source>Phone Book...</source>
        <translation>Agenda...</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Send Fax</source>
        <translation>Enviar fax</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Browse for the file to fax</source>
        <translation>Buscar el archivo que se enviará por fax</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Phone Book</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Printed to the fax printer.</source>
        <translation>Impreso en la impresora de fax.</translation>
    </message>
    <message>
        <source>Printed to the fax printer. 1 more printed document waits.</source>
        <translation>Impreso en la impresora de fax. Queda 1 documento impreso más en espera.</translation>
    </message>
    <message numerus="yes">
        <source>Printed to the fax printer. %n more printed documents wait.</source>
        <translation>
            <numerusform>Impreso en la impresora de fax. Queda %n documento impreso más en espera.</numerusform>
            <numerusform>Impreso en la impresora de fax. Quedan %n documentos impresos más en espera.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Faxes</source>
        <translation>&amp;Faxes</translation>
    </message>
    <message>
        <source>&amp;Outbox</source>
        <translation>Bandeja de &amp;salida</translation>
    </message>
    <message>
        <source>&amp;Sent Faxes</source>
        <translation>Faxes &amp;enviados</translation>
    </message>
    <message>
        <source>The document %1 is no longer there: the numbers are filled in, choose the document to send.</source>
        <translation>El documento %1 ya no existe: los números están rellenados, elija el documento que desea enviar.</translation>
    </message>
    <message>
        <source>Sent Faxes</source>
        <translation>Faxes enviados</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Bandeja de salida</translation>
    </message>
</context>
<context>
    <name>desklet::CHyperLinkCtrl</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>No se puede abrir el enlace:

%1</translation>
    </message>
</context>
<context>
    <name>desklet::COnlineHelpDlg</name>
    <message>
        <source>Online Help</source>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <source>Viewing the online help requires that you are connected to the Internet and you have a web browser installed.  If after reading the online help you require further assistance, or to subscribe to Quillmark services, call:</source>
        <translation>Para ver la ayuda en línea necesita estar conectado a Internet y tener un navegador web instalado.  Si después de leer la ayuda en línea necesita más asistencia, o para suscribirse a los servicios de Quillmark, llame al:</translation>
    </message>
    <message>
        <source>CLICK HERE TO VIEW THE ONLINE HELP</source>
        <translation>HAGA CLIC AQUÍ PARA VER LA AYUDA EN LÍNEA</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_AccountSettingsLogon</name>
    <message>
        <source>Account Settings</source>
        <translation>Ajustes de la cuenta</translation>
    </message>
    <message>
        <source>Quillmark Account</source>
        <translation>Cuenta de Quillmark</translation>
    </message>
    <message>
        <source>&amp;Logon Name:</source>
        <translation>&amp;Nombre de inicio de sesión:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Confirm Password:</source>
        <translation>C&amp;onfirmar contraseña:</translation>
    </message>
    <message>
        <source>Optional Fax &amp;Station ID:</source>
        <translation>&amp;ID de estación de fax (opcional):</translation>
    </message>
    <message>
        <source>If you chose to specify a fax station ID, this code will appear next to items that appear on your bill.</source>
        <translation>Si indica un ID de estación de fax, este código aparecerá junto a los conceptos de su factura.</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_ConfirmationSettings</name>
    <message>
        <source>Confirmations</source>
        <translation>Confirmaciones</translation>
    </message>
    <message>
        <source>E-Mail Addresses</source>
        <translation>Direcciones de correo electrónico</translation>
    </message>
    <message>
        <source>Notify when fax is &amp;delivered successfully:</source>
        <translation>Avisar cuando el fax se &amp;entregue correctamente:</translation>
    </message>
    <message>
        <source>Notify when a fax can&apos;&amp;t be delivered:</source>
        <translation>Avisar cuando un fax no se pueda en&amp;tregar:</translation>
    </message>
    <message>
        <source>Notify when a fax is &amp;queued to be sent:</source>
        <translation>Avisar cuando un fax se ponga en &amp;cola para enviarse:</translation>
    </message>
    <message>
        <source>Notify when a fax ca&amp;n&apos;t be queued to be sent:</source>
        <translation>Avisar cuando un fax no se pueda poner en cola para e&amp;nviarse:</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_Directory</name>
    <message>
        <source>Directory</source>
        <translation>Directorio</translation>
    </message>
    <message>
        <source>The phone book can also search your company&apos;s directory (LDAP). Enter its server as ldap://server, which is encrypted with StartTLS whenever the server offers it, or ldaps://server, and the part of the directory to search. A login name and password are needed only if the directory asks for one; the password is sent over an encrypted connection only.</source>
        <translation>La agenda también puede buscar en el directorio de su empresa (LDAP). Introduzca su servidor como ldap://servidor, que se cifra con StartTLS siempre que el servidor lo ofrezca, o como ldaps://servidor, y la parte del directorio en la que buscar. Solo se necesitan un nombre de inicio de sesión y una contraseña si el directorio los pide; la contraseña solo se envía por una conexión cifrada.</translation>
    </message>
    <message>
        <source>Directory se&amp;rver:</source>
        <translation>&amp;Servidor de directorio:</translation>
    </message>
    <message>
        <source>ldap://directory.example.com</source>
        <translation>ldap://directory.example.com</translation>
    </message>
    <message>
        <source>Search &amp;base:</source>
        <translation>&amp;Base de búsqueda:</translation>
    </message>
    <message>
        <source>dc=example,dc=com</source>
        <translation>dc=example,dc=com</translation>
    </message>
    <message>
        <source>Log&amp;in name (optional):</source>
        <translation>Nombre de &amp;inicio de sesión (opcional):</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>Enter the directory server as ldap://server or ldaps://server, or leave the field empty.</source>
        <translation>Introduzca el servidor de directorio como ldap://servidor o ldaps://servidor, o deje el campo vacío.</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_SMTP_Settings</name>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Mail Server Settings</source>
        <translation>Configuración del servidor de correo</translation>
    </message>
    <message>
        <source>Quillmark Tarvel works by sending email to a server at Quillmark&apos;s data center.  Some Internet Service Providers will not allow you to connect directly to Quillmark&apos;s mail server.  If your ISP requires you to use a specific mail server, please enter the address of that server below.</source>
        <translation>Quillmark Tarvel funciona enviando correo electrónico a un servidor del centro de datos de Quillmark.  Algunos proveedores de Internet no permiten conectarse directamente al servidor de correo de Quillmark.  Si su proveedor le exige usar un servidor de correo concreto, introduzca abajo la dirección de ese servidor.</translation>
    </message>
    <message>
        <source>SMTP &amp;Server:</source>
        <translation>&amp;Servidor SMTP:</translation>
    </message>
    <message>
        <source>SMTP Port:</source>
        <translation>Puerto SMTP:</translation>
    </message>
    <message>
        <source>STARTTLS (usually port 587) and SSL/TLS (usually port 465) encrypt the connection; None sends everything as plain text (port 25). Enter a user name and password only if the server asks you to log in; they are sent over an encrypted connection only.</source>
        <translation>STARTTLS (normalmente el puerto 587) y SSL/TLS (normalmente el puerto 465) cifran la conexión; Ninguna lo envía todo sin cifrar (puerto 25). Introduzca un nombre de usuario y una contraseña solo si el servidor le pide iniciar sesión; solo se envían por una conexión cifrada.</translation>
    </message>
    <message>
        <source>&amp;Connection security:</source>
        <translation>Seguridad de la c&amp;onexión:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>The password is kept in the desktop keyring.</source>
        <translation>La contraseña se guarda en el depósito de claves del escritorio.</translation>
    </message>
    <message>
        <source>The password is kept as plain text in the settings file %1, as no desktop keyring takes it.</source>
        <translation>La contraseña se guarda sin cifrar en el archivo de configuración %1, porque ningún depósito de claves del escritorio la acepta.</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertySheet</name>
    <message>
        <source>Properties for %1</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
</context>
<context>
    <name>desklet::ContactEditDlg</name>
    <message>
        <source>New Contact</source>
        <translation>Nuevo contacto</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Editar contacto</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Empresa:</translation>
    </message>
    <message>
        <source>Fax numbers:</source>
        <translation>Números de fax:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ota:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Fax number %1</source>
        <translation>Número de fax %1</translation>
    </message>
    <message>
        <source>Label of fax number %1</source>
        <translation>Etiqueta del número de fax %1</translation>
    </message>
    <message>
        <source>work</source>
        <translation>trabajo</translation>
    </message>
    <message>
        <source>home</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
    <message>
        <source>&amp;Add Number</source>
        <translation>Añadir nú&amp;mero</translation>
    </message>
</context>
<context>
    <name>desklet::ContactInfoCtrl</name>
    <message>
        <source>If you have any questions or to sign up for Quillmark Fax Services,</source>
        <translation>Si tiene alguna pregunta, o para darse de alta en los servicios de fax de Quillmark,</translation>
    </message>
    <message>
        <source>visit %1</source>
        <translation>visite %1</translation>
    </message>
    <message>
        <source> or call %1.</source>
        <translation> o llame al %1.</translation>
    </message>
</context>
<context>
    <name>desklet::CoverPageCtrl</name>
    <message>
        <source>Cover Page Options</source>
        <translation>Opciones de portada</translation>
    </message>
    <message>
        <source>Attach cover page</source>
        <translation>Adjuntar portada</translation>
    </message>
    <message>
        <source>Optional Comment for Cover Page:</source>
        <translation>Comentario para la portada (opcional):</translation>
    </message>
    <message>
        <source>(Optional) Send fax Attention to:</source>
        <translation>(Opcional) Fax a la atención de:</translation>
    </message>
    <message>
        <source>(Optional) Send Fax From:</source>
        <translation>(Opcional) Fax enviado por:</translation>
    </message>
</context>
<context>
    <name>desklet::DocumentPreviewCtrl</name>
    <message>
        <source>Open the document</source>
        <translation>Abrir el documento</translation>
    </message>
    <message>
        <source>Unable to open the document:

%1</source>
        <translation>No se puede abrir el documento:

%1</translation>
    </message>
    <message>
        <source>First page of the document</source>
        <translation>Primera página del documento</translation>
    </message>
</context>
<context>
    <name>desklet::GroupEditDlg</name>
    <message>
        <source>New Group</source>
        <translation>Nuevo grupo</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Editar grupo</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Members:</source>
        <translation>&amp;Miembros:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>desklet::Outbox</name>
    <message>
        <source>The document could not be kept for a later try: %1</source>
        <translation>No se pudo guardar el documento para un intento posterior: %1</translation>
    </message>
    <message>
        <source>There is no fax job %1 in the outbox.</source>
        <translation>No hay ningún trabajo de fax %1 en la bandeja de salida.</translation>
    </message>
    <message>
        <source>Fax job %1 cannot be changed now.</source>
        <translation>El trabajo de fax %1 no se puede cambiar ahora.</translation>
    </message>
    <message>
        <source>The sending program stopped during the try.</source>
        <translation>El programa de envío se detuvo durante el intento.</translation>
    </message>
    <message>
        <source>Fax job %1 was not sent and has failed: the outbox&apos;s copy of its document is damaged or gone, as after a power cut. Please send the document again.</source>
        <translation>El trabajo de fax %1 no se envió y ha fallado: la copia de su documento en la bandeja de salida está dañada o ya no existe, como tras un corte de luz. Vuelva a enviar el documento.</translation>
    </message>
    <message>
        <source>Fax job %1 waits for a later try: the outbox&apos;s copy of its document cannot be read just now.</source>
        <translation>El trabajo de fax %1 espera un intento posterior: la copia de su documento en la bandeja de salida no se puede leer ahora.</translation>
    </message>
</context>
<context>
    <name>desklet::OutboxDlg</name>
    <message>
        <source>Outbox</source>
        <translation>Bandeja de salida</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallido</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Descartado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En cola desde</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Next Attempt</source>
        <translation>Próximo intento</translation>
    </message>
    <message>
        <source>Last Error</source>
        <translation>Último error</translation>
    </message>
    <message>
        <source>Faxes in the outbox</source>
        <translation>Faxes en la bandeja de salida</translation>
    </message>
    <message>
        <source>Send &amp;Again</source>
        <translation>&amp;Volver a enviar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Mark as Sent</source>
        <translation>&amp;Marcar como enviado</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The fax to %1 may have gone. Send it again to these numbers?</source>
        <translation>Puede que el fax a %1 ya se haya enviado. ¿Volver a enviarlo a estos números?</translation>
    </message>
    <message>
        <source>Send Again</source>
        <translation>Volver a enviar</translation>
    </message>
    <message>
        <source>Discard the fax to %1? It will not be sent.</source>
        <translation>¿Descartar el fax a %1? No se enviará.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>desklet::PhoneBookCompletion</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 - %2 (%3)</source>
        <translation>%1 - %2 (%3)</translation>
    </message>
    <message>
        <source>%1 - %2 (directory)</source>
        <translation>%1 - %2 (directorio)</translation>
    </message>
</context>
<context>
    <name>desklet::PhoneBookDlg</name>
    <message>
        <source>Phone Book</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Name, company or number</source>
        <translation>Nombre, empresa o número</translation>
    </message>
    <message>
        <source>Contacts and groups</source>
        <translation>Contactos y grupos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>&amp;New Contact...</source>
        <translation>&amp;Nuevo contacto...</translation>
    </message>
    <message>
        <source>New &amp;Group...</source>
        <translation>Nuevo &amp;grupo...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Add to &amp;Recipients</source>
        <translation>Añadir a &amp;destinatarios</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>home</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
    <message>
        <source>group</source>
        <translation>grupo</translation>
    </message>
    <message>
        <source>work</source>
        <translation>trabajo</translation>
    </message>
    <message>
        <source>Delete %1 from the phone book?</source>
        <translation>¿Eliminar %1 de la agenda?</translation>
    </message>
    <message>
        <source>Delete these %1 entries from the phone book?</source>
        <translation>¿Eliminar estas %1 entradas de la agenda?</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>Contact files (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation>Archivos de contactos (*.vcf *.vcard *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 contacts imported, %2 skipped (no fax number), %3 already present</source>
        <translation>%1 contactos importados, %2 omitidos (sin número de fax), %3 ya existentes</translation>
    </message>
    <message>
        <source>%1 groups imported, %2 already present</source>
        <translation>%1 grupos importados, %2 ya existentes</translation>
    </message>
    <message>
        <source>Export Contacts</source>
        <translation>Exportar contactos</translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;All files (*)</source>
        <translation>Archivos vCard (*.vcf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Copy to Phone Book</source>
        <translation>&amp;Copiar a la agenda</translation>
    </message>
    <message>
        <source>directory</source>
        <translation>directorio</translation>
    </message>
</context>
<context>
    <name>desklet::RecipientPanel</name>
    <message>
        <source>Fax Recipients:</source>
        <translation>Destinatarios del fax:</translation>
    </message>
    <message>
        <source>To add recipients, enter the number here and click Add</source>
        <translation>Para añadir destinatarios, escriba aquí el número y haga clic en Añadir</translation>
    </message>
    <message>
        <source>&lt;&lt; Add</source>
        <translation>&lt;&lt; Añadir</translation>
    </message>
    <message>
        <source>&gt;&gt; Remove</source>
        <translation>&gt;&gt; Quitar</translation>
    </message>
</context>
<context>
    <name>desklet::SendProgressDlg</name>
    <message>
        <source>Sending fax...</source>
        <translation>Enviando fax...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sending fax... (1 recipient)</source>
        <translation>Enviando fax... (1 destinatario)</translation>
    </message>
    <message numerus="yes">
        <source>Sending fax... (%n recipients)</source>
        <translation>
            <numerusform>Enviando fax... (%n destinatario)</numerusform>
            <numerusform>Enviando fax... (%n destinatarios)</numerusform>
        </translation>
    </message>
    <message>
        <source>Sending fax... (1 recipient, mail %1 of %2)</source>
        <translation>Enviando fax... (1 destinatario, correo %1 de %2)</translation>
    </message>
    <message numerus="yes">
        <source>Sending fax... (%n recipients, mail %1 of %2)</source>
        <translation>
            <numerusform>Enviando fax... (%n destinatario, correo %1 de %2)</numerusform>
            <numerusform>Enviando fax... (%n destinatarios, correo %1 de %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>desklet::SentFaxesDlg</name>
    <message>
        <source>Sent Faxes</source>
        <translation>Faxes enviados</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallido</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Descartado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Message-ID</source>
        <translation>Message-ID</translation>
    </message>
    <message>
        <source>Server Reply</source>
        <translation>Respuesta del servidor</translation>
    </message>
    <message>
        <source>Faxes sent</source>
        <translation>Faxes enviados</translation>
    </message>
    <message>
        <source>Send &amp;Again</source>
        <translation>&amp;Volver a enviar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
</TS>
