<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccountCommand</name>
    <message>
        <source>queue only (Outbox)</source>
        <translation>solo cola (Bandeja de salida)</translation>
    </message>
    <message>
        <source>desktop mail program</source>
        <translation>programa de correo del escritorio</translation>
    </message>
    <message>
        <source>%1 via %2:%3 %4</source>
        <translation>%1 a través de %2:%3 %4</translation>
    </message>
    <message>
        <source>, user %1, password from command</source>
        <translation>, usuario %1, contraseña de un comando</translation>
    </message>
    <message>
        <source>, user %1, password from file %2</source>
        <translation>, usuario %1, contraseña del archivo %2</translation>
    </message>
    <message>
        <source>, user %1, password from secret store</source>
        <translation>, usuario %1, contraseña del llavero</translation>
    </message>
    <message>
        <source> (sent unencrypted)</source>
        <translation> (enviada sin cifrar)</translation>
    </message>
    <message>
        <source>, trusts %1</source>
        <translation>, confía en %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>a password never goes on the command line (others can read it there); use --password-command, --password-file or the desktop&apos;s secret store</source>
        <translation>una contraseña nunca va en la línea de órdenes (otros pueden leerla allí); use --password-command, --password-file o el llavero del escritorio</translation>
    </message>
    <message>
        <source>--port takes 1 to 65535, not &apos;%1&apos;</source>
        <translation>--port admite de 1 a 65535, no «%1»</translation>
    </message>
    <message>
        <source>--security takes none, starttls or tls, not &apos;%1&apos;</source>
        <translation>--security admite none, starttls o tls, no «%1»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>--sync, --desktop and the SMTP options exclude each other</source>
        <translation>--sync, --desktop y las opciones SMTP se excluyen entre sí</translation>
    </message>
    <message>
        <source>give --password-command or --password-file, not both</source>
        <translation>indique --password-command o --password-file, no ambos</translation>
    </message>
    <message>
        <source>a password needs a --user</source>
        <translation>una contraseña necesita un --user</translation>
    </message>
    <message>
        <source>the certificate file %1 is a folder, not a file</source>
        <translation>el archivo de certificado %1 es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>the certificate file %1 does not exist</source>
        <translation>el archivo de certificado %1 no existe</translation>
    </message>
    <message>
        <source>warning: with --security none the password of %1 goes to %2 unencrypted, readable on the way; use --security starttls or tls unless the server runs on this machine</source>
        <translation>aviso: con --security none la contraseña de %1 va a %2 sin cifrar, legible por el camino; use --security starttls o tls salvo que el servidor funcione en este equipo</translation>
    </message>
    <message>
        <source>the registry file could not be written</source>
        <translation>no se pudo escribir el archivo de registro</translation>
    </message>
    <message>
        <source>no account named &apos;%1&apos; (see &apos;quillmark account list&apos;)</source>
        <translation>ninguna cuenta llamada «%1» (vea «quillmark account list»)</translation>
    </message>
</context>
<context>
    <name>AccountStore</name>
    <message>
        <source>an account needs a name</source>
        <translation>una cuenta necesita un nombre</translation>
    </message>
    <message>
        <source>the account name is too long</source>
        <translation>el nombre de la cuenta es demasiado largo</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>sender address</source>
        <translation>dirección del remitente</translation>
    </message>
    <message>
        <source>server</source>
        <translation>servidor</translation>
    </message>
    <message>
        <source>user</source>
        <translation>usuario</translation>
    </message>
    <message>
        <source>password command</source>
        <translation>orden de la contraseña</translation>
    </message>
    <message>
        <source>password file</source>
        <translation>archivo de la contraseña</translation>
    </message>
    <message>
        <source>certificate file</source>
        <translation>archivo de certificado</translation>
    </message>
    <message>
        <source>the %1 holds a line break or another control character</source>
        <translation>el campo «%1» contiene un salto de línea u otro carácter de control</translation>
    </message>
    <message>
        <source>a queue-only store is named %1; only that name is offered for sending</source>
        <translation>un buzón de solo cola se llama %1; solo ese nombre se ofrece para enviar</translation>
    </message>
    <message>
        <source>the sender address &apos;%1&apos; is not an e-mail address</source>
        <translation>la dirección del remitente «%1» no es una dirección de correo</translation>
    </message>
    <message>
        <source>an SMTP account needs a server (--host)</source>
        <translation>una cuenta SMTP necesita un servidor (--host)</translation>
    </message>
    <message>
        <source>the port must be between 1 and 65535</source>
        <translation>el puerto debe estar entre 1 y 65535</translation>
    </message>
    <message>
        <source>an account named &apos;%1&apos; already exists</source>
        <translation>ya existe una cuenta llamada «%1»</translation>
    </message>
    <message>
        <source>the registry file %1 could not be written</source>
        <translation>no se pudo escribir el archivo de registro %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>--screen takes WIDTHxHEIGHT, for example 480x640, not &apos;%1&apos;</source>
        <translation>--screen espera ANCHOxALTO, por ejemplo 480x640, no «%1»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Pruebe «quillmark --help».</translation>
    </message>
    <message>
        <source>e-mail FILE as an attachment (ADDRS separated by spaces or &apos;;&apos;; see &apos;account list&apos;)</source>
        <translation>enviar ARCHIVO como adjunto por correo (DIRECCIONES separadas por espacios o &apos;;&apos;; véase &apos;account list&apos;)</translation>
    </message>
    <message>
        <source>set up the e-mail accounts (passwords come from the secret store, a command or a private file) and the folder of vCard contacts</source>
        <translation>configurar las cuentas de correo (las contraseñas vienen del almacén de secretos, de una orden o de un archivo privado) y la carpeta de contactos vCard</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (and no file of that name)</source>
        <translation>orden desconocida «%1» (y ningún archivo con ese nombre)</translation>
    </message>
    <message>
        <source>--screenshots takes no pictures</source>
        <translation>--screenshots no admite imágenes</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>Commands (&apos;quillmark COMMAND --help&apos; tells more of each):</source>
        <translation>Órdenes («quillmark ORDEN --help» explica más de cada una):</translation>
    </message>
    <message>
        <source>Environment:
  QUILLMARK_HOME   folder for the registry, log, session and undo files
  QUILLMARK_CAMERA GStreamer source of the camera (&apos;none&apos; for no camera)
  TESSDATA_PREFIX  folder of the text recognition languages (*.traineddata)
</source>
        <translation>Entorno:
  QUILLMARK_HOME   carpeta del registro, la bitácora, la sesión y lo de deshacer
  QUILLMARK_CAMERA fuente GStreamer de la cámara («none» para ninguna cámara)
  TESSDATA_PREFIX  carpeta de los idiomas del reconocimiento (*.traineddata)
</translation>
    </message>
    <message>
        <source>usage: </source>
        <translation>uso: </translation>
    </message>
    <message>
        <source>show or change the settings (NAME as in the registry, e.g. PageSize or SCAN_SETTINGS/PageSize)</source>
        <translation>mostrar o cambiar los ajustes (NOMBRE como en el registro, p. ej. PageSize o SCAN_SETTINGS/PageSize)</translation>
    </message>
    <message>
        <source>the PDF to write (also --output OUT.pdf), replaced only by a complete one; with -o - the PDF goes to standard output and messages stay on standard error</source>
        <translation>el PDF que se escribe (también --output SALIDA.pdf), sustituido solo por uno completo; con -o - el PDF va a la salida estándar y los mensajes quedan en la salida de errores</translation>
    </message>
    <message>
        <source>the paper (see the page sizes below)</source>
        <translation>el papel (vea los tamaños de página abajo)</translation>
    </message>
    <message>
        <source>turn landscape pictures upright in the PDF, or leave them as they are</source>
        <translation>girar a vertical las imágenes apaisadas en el PDF, o dejarlas como están</translation>
    </message>
    <message>
        <source>the order of the pictures of a folder</source>
        <translation>el orden de las imágenes de una carpeta</translation>
    </message>
    <message>
        <source>recognise the text in language LANG (eng, deu, eng+fra, ...) and lay it invisibly over each page, so that the PDF can be searched</source>
        <translation>reconocer el texto en el idioma LANG (eng, deu, eng+fra, ...) y colocarlo invisible sobre cada página, para poder buscar en el PDF</translation>
    </message>
    <message>
        <source>find the sheet in each photo and flatten it</source>
        <translation>encontrar la hoja en cada foto y enderezarla</translation>
    </message>
    <message>
        <source>give each page a document look</source>
        <translation>dar a cada página aspecto de documento</translation>
    </message>
    <message>
        <source>take pictures and folders from FILE, one per line, or from standard input when FILE is -; @FILE among the pictures does the same</source>
        <translation>tomar imágenes y carpetas de ARCHIVO, una por línea, o de la entrada estándar si ARCHIVO es -; @ARCHIVO entre las imágenes hace lo mismo</translation>
    </message>
    <message>
        <source>Usage: quillmark [OPTIONS] [--] [PICTURE...]
       quillmark [OPTIONS] COMMAND [ARGUMENTS]

Without a command, starts the document copier on its device window; PICTUREs
become pages in the order given. When the program already runs for the same
data folder, they go to its window instead. Use -- (or a path such as ./pdf)
for a picture named like a command.

Options:
  -h, --help            show this help and exit
  -V, --version         show the version and exit
      --screen WxH      fix the window at this size (without it: full screen on
                        a phone, a resizable 480x640 window on a desktop;
                        240x320 gives the small-screen look)
      --landscape       start with the device turned sideways
      --log             write every log record to Quillmark.log
                        (also QUILLMARK_LOG=1)
      --screenshots DIR run headless through the screens, one PNG each into DIR
</source>
        <translation>Uso: quillmark [OPCIONES] [--] [IMAGEN...]
     quillmark [OPCIONES] ORDEN [ARGUMENTOS]

Sin orden, inicia la copiadora de documentos en su ventana de dispositivo; las
IMÁGENES se convierten en páginas en el orden dado. Si el programa ya se ejecuta
para la misma carpeta de datos, van a su ventana. Use -- (o una ruta como ./pdf)
para una imagen que se llame como una orden.

Opciones:
  -h, --help            mostrar esta ayuda y salir
  -V, --version         mostrar la versión y salir
      --screen AxA      fijar la ventana a este tamaño (sin ella: pantalla
                        completa en un teléfono, una ventana ajustable de
                        480x640 en un escritorio; 240x320 da el aspecto de
                        pantalla pequeña)
      --landscape       empezar con el dispositivo girado de lado
      --log             escribir cada entrada del registro en Quillmark.log
                        (también QUILLMARK_LOG=1)
      --screenshots CARPETA recorrer las pantallas sin mostrarlas, un PNG por
                        pantalla en CARPETA
</translation>
    </message>
    <message>
        <source>scale pictures other than JPEG to the page, or keep their size where they fit</source>
        <translation>ajustar a la página las imágenes que no son JPEG, o mantener su tamaño cuando caben</translation>
    </message>
    <message>
        <source>make one PDF from picture files and folders, one page each (defaults from the settings PageSize, FitToPage, AutoPortrait, Recursive, PictureImportOrder and PictureQuality)</source>
        <translation>crear un PDF a partir de archivos de imagen y carpetas, una página por imagen (valores por omisión de los ajustes PageSize, FitToPage, AutoPortrait, Recursive, PictureImportOrder y PictureQuality)</translation>
    </message>
    <message>
        <source>the pictures as they are, smaller for e-mail, or black and white text</source>
        <translation>las imágenes tal cual, más pequeñas para correo, o texto en blanco y negro</translation>
    </message>
    <message>
        <source>the window cannot be opened: %1</source>
        <translation>no se puede abrir la ventana: %1</translation>
    </message>
</context>
<context>
    <name>DesktopMailer</name>
    <message>
        <source>&apos;%1&apos; is not an e-mail address</source>
        <translation>«%1» no es una dirección de correo</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>no se pudo iniciar %1</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2)</source>
        <translation>%1 falló (estado de salida %2)</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
</context>
<context>
    <name>FrameList</name>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Makes this page the current page</source>
        <translation>Hace de esta página la página actual</translation>
    </message>
</context>
<context>
    <name>MailMessage</name>
    <message>
        <source>no mail account is set up</source>
        <translation>no hay ninguna cuenta de correo configurada</translation>
    </message>
    <message>
        <source>an account entry of the registry holds no values</source>
        <translation>una entrada de cuenta del registro no contiene valores</translation>
    </message>
    <message>
        <source>the account entry &apos;%1&apos; has no usable Store value</source>
        <translation>la entrada de cuenta «%1» no tiene un valor Store utilizable</translation>
    </message>
    <message>
        <source>the account &apos;%1&apos; is no longer set up</source>
        <translation>la cuenta «%1» ya no está configurada</translation>
    </message>
    <message>
        <source>the account of store &apos;%1&apos; cannot be read</source>
        <translation>no se puede leer la cuenta del buzón «%1»</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; does not exist or cannot be read</source>
        <translation>el archivo «%1» no existe o no se puede leer</translation>
    </message>
    <message>
        <source>the message has no recipient</source>
        <translation>el mensaje no tiene destinatario</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an e-mail address</source>
        <translation>«%1» no es una dirección de correo</translation>
    </message>
    <message>
        <source>the sender address &apos;%1&apos; of account &apos;%2&apos; is not an e-mail address</source>
        <translation>la dirección del remitente «%1» de la cuenta «%2» no es una dirección de correo</translation>
    </message>
    <message>
        <source>the message could not be put into the Outbox of &apos;%1&apos;</source>
        <translation>no se pudo poner el mensaje en la Bandeja de salida de «%1»</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Don&apos;t show again</source>
        <translation>No volver a mostrar</translation>
    </message>
</context>
<context>
    <name>PasswordSource</name>
    <message>
        <source>the password command could not be started</source>
        <translation>no se pudo iniciar la orden de la contraseña</translation>
    </message>
    <message>
        <source>the password command did not finish</source>
        <translation>la orden de la contraseña no terminó</translation>
    </message>
    <message>
        <source>the password command failed (exit status %1)</source>
        <translation>la orden de la contraseña falló (estado de salida %1)</translation>
    </message>
    <message>
        <source>the password file %1 cannot be read</source>
        <translation>no se puede leer el archivo de la contraseña %1</translation>
    </message>
    <message>
        <source>the password file %1 does not exist</source>
        <translation>el archivo de la contraseña %1 no existe</translation>
    </message>
    <message>
        <source>the password file %1 cannot be read: %2</source>
        <translation>no se puede leer el archivo de la contraseña %1: %2</translation>
    </message>
    <message>
        <source>the password file %1 is a folder, not a file</source>
        <translation>el archivo de la contraseña %1 es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>the password file %1 is not a regular file</source>
        <translation>el archivo de la contraseña %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>the password file %1 must belong to you and be readable by you only (chmod 600)</source>
        <translation>el archivo de la contraseña %1 debe ser suyo y solo usted debe poder leerlo (chmod 600)</translation>
    </message>
</context>
<context>
    <name>PdfCommand</name>
    <message>
        <source>%1 was not written</source>
        <translation>no se escribió %1</translation>
    </message>
    <message>
        <source>Wrote %1: %2 page, %3, %4 bytes</source>
        <translation>Escrito %1: %2 página, %3, %4 bytes</translation>
    </message>
    <message>
        <source>Wrote %1: %2 pages, %3, %4 bytes</source>
        <translation>Escrito %1: %2 páginas, %3, %4 bytes</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown page size &apos;%1&apos; (one of %2)</source>
        <translation>tamaño de papel desconocido «%1» (uno de %2)</translation>
    </message>
    <message>
        <source>--fit and --center exclude each other</source>
        <translation>--fit y --center se excluyen</translation>
    </message>
    <message>
        <source>--auto-portrait and --no-auto-portrait exclude each other</source>
        <translation>--auto-portrait y --no-auto-portrait se excluyen</translation>
    </message>
    <message>
        <source>--ocr needs a language (eng, deu, eng+fra, ...)</source>
        <translation>--ocr necesita un idioma (eng, deu, eng+fra, ...)</translation>
    </message>
    <message>
        <source>unknown look &apos;%1&apos; (one of none, grey, bw, colour)</source>
        <translation>aspecto desconocido «%1» (uno de none, grey, bw, colour)</translation>
    </message>
    <message>
        <source>unknown quality &apos;%1&apos; (one of original, email, bw)</source>
        <translation>calidad desconocida «%1» (una de original, email, bw)</translation>
    </message>
    <message>
        <source>unknown order &apos;%1&apos; (one of name, name-desc, newest, oldest, found)</source>
        <translation>orden desconocido «%1» (uno de name, name-desc, newest, oldest, found)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>no pictures given</source>
        <translation>no se indicó ninguna imagen</translation>
    </message>
    <message>
        <source>skipped: no such file</source>
        <translation>omitido: no existe el archivo</translation>
    </message>
    <message>
        <source>skipped: not a file</source>
        <translation>omitido: no es un archivo</translation>
    </message>
    <message>
        <source>skipped: not a picture that can be read</source>
        <translation>omitido: no es una imagen legible</translation>
    </message>
    <message>
        <source>only JPEG, PNG, BMP, TIFF, GIF, WebP and HEIF pictures are drawn; its page is blank</source>
        <translation>solo se dibujan imágenes JPEG, PNG, BMP, TIFF, GIF, WebP y HEIF; su página queda en blanco</translation>
    </message>
    <message>
        <source>could not be decoded; its page is blank</source>
        <translation>no se pudo descodificar; su página queda en blanco</translation>
    </message>
    <message>
        <source>the PDF library could not take it: </source>
        <translation>la biblioteca PDF no pudo aceptarla: </translation>
    </message>
    <message>
        <source>no text layer: </source>
        <translation>sin capa de texto: </translation>
    </message>
    <message>
        <source>the language&apos;s data is not installed</source>
        <translation>los datos del idioma no están instalados</translation>
    </message>
    <message>
        <source>the picture could not be decoded</source>
        <translation>no se pudo descodificar la imagen</translation>
    </message>
    <message>
        <source>recognition failed</source>
        <translation>falló el reconocimiento</translation>
    </message>
    <message>
        <source>Adding pages</source>
        <translation>Añadiendo páginas</translation>
    </message>
    <message>
        <source>Recognising text</source>
        <translation>Reconociendo texto</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Guardando</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf, or -o - for standard output)</source>
        <translation>falta el archivo de salida (-o OUT.pdf, o -o - para la salida estándar)</translation>
    </message>
    <message>
        <source>skipped: cannot be opened: </source>
        <translation>omitido: no se puede abrir: </translation>
    </message>
    <message>
        <source>skipped: more than %1 million pixels, larger than any camera&apos;s picture</source>
        <translation>omitido: más de %1 millones de píxeles, más grande que la foto de cualquier cámara</translation>
    </message>
    <message>
        <source>text recognition has no data for %1 (asked for by the settings RecogniseText and OcrLanguage); the pages get no text layer</source>
        <translation>el reconocimiento de texto no tiene datos para %1 (pedido por los ajustes RecogniseText y OcrLanguage); las páginas no tendrán capa de texto</translation>
    </message>
    <message>
        <source>text recognition has no data for %1; the pages get no text layer</source>
        <translation>el reconocimiento de texto no tiene datos para %1; las páginas no tendrán capa de texto</translation>
    </message>
    <message>
        <source>no language is installed</source>
        <translation>no hay ningún idioma instalado</translation>
    </message>
    <message>
        <source>no language is installed (in TESSDATA_PREFIX, %1)</source>
        <translation>no hay ningún idioma instalado (en TESSDATA_PREFIX, %1)</translation>
    </message>
    <message>
        <source>installed: %1</source>
        <translation>instalados: %1</translation>
    </message>
    <message>
        <source>installed: %1 (in TESSDATA_PREFIX, %2)</source>
        <translation>instalados: %1 (en TESSDATA_PREFIX, %2)</translation>
    </message>
    <message>
        <source>install %1 (Debian&apos;s names) or set TESSDATA_PREFIX to a folder that holds %2, or give --ocr with an installed language</source>
        <translation>instale %1 (nombres de Debian) o apunte TESSDATA_PREFIX a una carpeta que contenga %2, o indique --ocr con un idioma instalado</translation>
    </message>
    <message>
        <source>install %1 (Debian&apos;s names) or set TESSDATA_PREFIX to a folder that holds %2</source>
        <translation>instale %1 (nombres de Debian) o apunte TESSDATA_PREFIX a una carpeta que contenga %2</translation>
    </message>
    <message>
        <source>Page sizes: %1</source>
        <translation>Tamaños de página: %1</translation>
    </message>
    <message>
        <source>--ocr: no language is installed (Debian&apos;s packages are tesseract-ocr-eng, tesseract-ocr-deu, ...; TESSDATA_PREFIX names another folder).</source>
        <translation>--ocr: no hay ningún idioma instalado (los paquetes de Debian son tesseract-ocr-eng, tesseract-ocr-deu, ...; TESSDATA_PREFIX indica otra carpeta).</translation>
    </message>
    <message>
        <source>--ocr languages: %1.</source>
        <translation>idiomas de --ocr: %1.</translation>
    </message>
    <message>
        <source>not writing a PDF to a terminal; send standard output to a file or a program, or give -o OUT.pdf</source>
        <translation>no se escribe un PDF en una terminal; envíe la salida estándar a un archivo o a un programa, o indique -o SALIDA.pdf</translation>
    </message>
    <message>
        <source>no pictures given (the lists are empty)</source>
        <translation>no se indicaron imágenes (las listas están vacías)</translation>
    </message>
    <message>
        <source>cannot make a temporary folder in %1: %2</source>
        <translation>no se puede crear una carpeta temporal en %1: %2</translation>
    </message>
    <message>
        <source>cannot read the folder: %1</source>
        <translation>no se puede leer la carpeta: %1</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>no picture could be used; nothing was written to standard output</source>
        <translation>no se pudo usar ninguna imagen; no se escribió nada en la salida estándar</translation>
    </message>
    <message>
        <source>no picture could be used; %1 was not written</source>
        <translation>no se pudo usar ninguna imagen; %1 no se escribió</translation>
    </message>
    <message>
        <source>cannot write the PDF for standard output in %1: %2</source>
        <translation>no se puede escribir el PDF para la salida estándar en %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>could not write the PDF to standard output: %1</source>
        <translation>no se pudo escribir el PDF en la salida estándar: %1</translation>
    </message>
    <message>
        <source>--fit scales pictures other than JPEG to the page, --center keeps their size
when they fit; JPEG pictures are always fitted (and embedded unchanged unless
--quality says otherwise). --auto-portrait turns landscape pictures upright (a
quarter counter-clockwise) in the PDF and leaves the files as they are. A FOLDER
stands for its JPEG, PNG, BMP, TIFF, GIF, WebP and HEIC/HEIF pictures (and those
of its subfolders when Recursive is set), in the --order given: by name A-Z or
Z-A, newest or oldest first, or as found. Without options the settings PageSize,
FitToPage, AutoPortrait, PictureImportOrder and PictureQuality apply (&apos;quillmark
settings&apos;); &quot;Ask me&quot; keeps the found order here. --straighten finds the sheet in
each photo and flattens it, --enhance gives it a document look (grey, bw: black
and white, colour); both work on copies, the pictures stay as they are.
--quality email scales each picture to about 150 pixels per inch of the page and
stores it as a compact JPEG, for a PDF small enough to mail; --quality bw makes
each page black and white text at a fraction of the size; original (the
PictureQuality setting&apos;s default) keeps the pictures&apos; bytes. A list (@LIST or
--files-from LIST) names one picture or folder per line, from the current folder
where the name is relative; empty lines are skipped.
</source>
        <translation>--fit ajusta a la página las imágenes que no son JPEG, --center mantiene su
tamaño cuando caben; las imágenes JPEG siempre se ajustan (y se incrustan sin
cambios salvo que --quality diga otra cosa). --auto-portrait gira a vertical las
imágenes apaisadas en el PDF (un cuarto de vuelta a la izquierda) y deja los
archivos como están. Una CARPETA representa sus imágenes JPEG, PNG, BMP, TIFF,
GIF, WebP y HEIC/HEIF (y las de sus subcarpetas si Recursive está activado), en
el orden de --order: por nombre A-Z o Z-A, más nuevas o más antiguas primero, o
como se encuentran. Sin opciones se aplican los ajustes PageSize, FitToPage,
AutoPortrait, PictureImportOrder y PictureQuality («quillmark settings»); «Ask
me» mantiene aquí el orden encontrado. --straighten encuentra la hoja en cada
foto y la endereza, --enhance le da aspecto de documento (grey, bw: blanco y
negro, colour); ambas trabajan sobre copias, las imágenes quedan como están.
--quality email reduce cada imagen a unos 150 píxeles por pulgada de la página y
la guarda como JPEG compacto, para un PDF que quepa en un correo; --quality bw
convierte cada página en texto en blanco y negro con una fracción del tamaño;
original (el valor por omisión del ajuste PictureQuality) conserva los bytes de
las imágenes. Una lista (@LISTA o --files-from LISTA) nombra una imagen o
carpeta por línea, desde la carpeta actual si el nombre es relativo; las líneas
vacías se omiten.
</translation>
    </message>
    <message>
        <source>page %1 was left out: it could not be decoded</source>
        <translation>página %1 omitida: no se pudo descodificar</translation>
    </message>
    <message>
        <source>page %1 was left out: its copy cannot be written beside the picture (is the folder read-only or full?)</source>
        <translation>página %1 omitida: su copia no se puede escribir junto a la imagen (¿la carpeta es de solo lectura o está llena?)</translation>
    </message>
    <message>
        <source>text recognition is not installed (%1); the pages get no text layer</source>
        <translation>el reconocimiento de texto no está instalado (%1); las páginas no tendrán capa de texto</translation>
    </message>
    <message>
        <source>install %1 (Debian&apos;s name)</source>
        <translation>instale %1 (nombre del paquete de Debian)</translation>
    </message>
    <message>
        <source>--ocr: text recognition is not installed (%1).</source>
        <translation>--ocr: el reconocimiento de texto no está instalado (%1).</translation>
    </message>
    <message>
        <source>text recognition is not installed</source>
        <translation>el reconocimiento de texto no está instalado</translation>
    </message>
</context>
<context>
    <name>Scanner</name>
    <message>
        <source>the document feeder is empty</source>
        <translation>el alimentador de documentos está vacío</translation>
    </message>
    <message>
        <source>SANE could not start: %1</source>
        <translation>SANE no pudo iniciarse: %1</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>ningún error</translation>
    </message>
    <message>
        <source>the scanner does not support this</source>
        <translation>el escáner no admite esto</translation>
    </message>
    <message>
        <source>the scan was cancelled</source>
        <translation>el escaneo se canceló</translation>
    </message>
    <message>
        <source>the scanner is busy (another program may be using it)</source>
        <translation>el escáner está ocupado (puede que otro programa lo esté usando)</translation>
    </message>
    <message>
        <source>the scanner refused the request</source>
        <translation>el escáner rechazó la solicitud</translation>
    </message>
    <message>
        <source>the scanner sent no more data</source>
        <translation>el escáner no envió más datos</translation>
    </message>
    <message>
        <source>the document feeder is jammed</source>
        <translation>el alimentador de documentos está atascado</translation>
    </message>
    <message>
        <source>the scanner&apos;s cover is open</source>
        <translation>la tapa del escáner está abierta</translation>
    </message>
    <message>
        <source>the scanner stopped answering (input/output error)</source>
        <translation>el escáner dejó de responder (error de entrada/salida)</translation>
    </message>
    <message>
        <source>not enough memory for the scan</source>
        <translation>memoria insuficiente para el escaneo</translation>
    </message>
    <message>
        <source>access to the scanner was denied</source>
        <translation>se denegó el acceso al escáner</translation>
    </message>
    <message>
        <source>the scanner&apos;s lamp is warming up</source>
        <translation>la lámpara del escáner se está calentando</translation>
    </message>
    <message>
        <source>the scanner is locked for transport</source>
        <translation>el escáner está bloqueado para el transporte</translation>
    </message>
    <message>
        <source>the scanners could not be listed: %1</source>
        <translation>no se pudieron enumerar los escáneres: %1</translation>
    </message>
    <message>
        <source>no scanner was found</source>
        <translation>no se encontró ningún escáner</translation>
    </message>
    <message>
        <source>the scanner %1 could not be opened: %2</source>
        <translation>no se pudo abrir el escáner %1: %2</translation>
    </message>
    <message>
        <source>no scanner is open</source>
        <translation>no hay ningún escáner abierto</translation>
    </message>
    <message>
        <source>the scanner %1 has no %2 source (it offers: %3)</source>
        <translation>el escáner %1 no tiene origen %2 (ofrece: %3)</translation>
    </message>
    <message>
        <source>no choice of source</source>
        <translation>ninguna opción de origen</translation>
    </message>
    <message>
        <source>the scanner sends its pictures in a form this program cannot read</source>
        <translation>el escáner envía sus imágenes en un formato que este programa no puede leer</translation>
    </message>
    <message>
        <source>the scanner sent an empty page</source>
        <translation>el escáner envió una página vacía</translation>
    </message>
    <message>
        <source>the scanner sent colour planes of different sizes</source>
        <translation>el escáner envió planos de color de distintos tamaños</translation>
    </message>
    <message>
        <source>the scanned page is empty</source>
        <translation>la página escaneada está vacía</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>no free name in %1</source>
        <translation>ningún nombre libre en %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>SANE has ended with the program</source>
        <translation>SANE terminó con el programa</translation>
    </message>
</context>
<context>
    <name>ScannerCommand</name>
    <message>
        <source>Scanning page %1</source>
        <translation>Escaneando la página %1</translation>
    </message>
    <message>
        <source>scanned page %1</source>
        <translation>página %1 escaneada</translation>
    </message>
    <message>
        <source>no scanner was found (is it switched on, connected and known to SANE? &apos;scanimage -L&apos; lists what SANE sees)</source>
        <translation>no se encontró ningún escáner (¿está encendido, conectado y SANE lo conoce? «scanimage -L» muestra lo que ve SANE)</translation>
    </message>
    <message>
        <source>stopped before a page was scanned; %1 was not written</source>
        <translation>detenido antes de escanear ninguna página; %1 no se escribió</translation>
    </message>
    <message>
        <source>no page was scanned; %1 was not written</source>
        <translation>no se escaneó ninguna página; %1 no se escribió</translation>
    </message>
    <message>
        <source>stopped; the PDF has the %1 pages scanned before</source>
        <translation>detenido; el PDF contiene las %1 páginas escaneadas antes</translation>
    </message>
    <message>
        <source>the scanned pictures are kept in %1</source>
        <translation>las imágenes escaneadas se conservan en %1</translation>
    </message>
</context>
<context>
    <name>ScannerScreens</name>
    <message>
        <source>Scanning</source>
        <translation>Escaneando</translation>
    </message>
    <message>
        <source>Please wait while the scanner reads the pages</source>
        <translation>Espere mientras el escáner lee las páginas</translation>
    </message>
    <message>
        <source>Scanning page %1</source>
        <translation>Escaneando la página %1</translation>
    </message>
    <message>
        <source>%1 page scanned</source>
        <translation>%1 página escaneada</translation>
    </message>
    <message>
        <source>%1 pages scanned</source>
        <translation>%1 páginas escaneadas</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Scan cancelled</source>
        <translation>Escaneo cancelado</translation>
    </message>
    <message>
        <source>Scan failed</source>
        <translation>Error al escanear</translation>
    </message>
    <message>
        <source>The scan was cancelled before a page was scanned.</source>
        <translation>El escaneo se canceló antes de escanear ninguna página.</translation>
    </message>
    <message>
        <source>The scan was cancelled. The pages scanned before are kept.</source>
        <translation>El escaneo se canceló. Se conservan las páginas escaneadas antes.</translation>
    </message>
    <message>
        <source>No page was scanned: %1.</source>
        <translation>No se escaneó ninguna página: %1.</translation>
    </message>
    <message>
        <source>The scan stopped: %1. The pages scanned before are kept.</source>
        <translation>El escaneo se detuvo: %1. Se conservan las páginas escaneadas antes.</translation>
    </message>
    <message>
        <source>%1, flatbed</source>
        <translation>%1, cristal</translation>
    </message>
    <message>
        <source>%1, document feeder</source>
        <translation>%1, alimentador</translation>
    </message>
    <message>
        <source>%1, both sides</source>
        <translation>%1, doble cara</translation>
    </message>
    <message>
        <source>Take pages from:</source>
        <translation>Páginas de:</translation>
    </message>
    <message>
        <source>Scanner resolution</source>
        <translation>Resolución del escáner</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 ppp</translation>
    </message>
    <message>
        <source>Looking for scanners...</source>
        <translation>Buscando escáneres...</translation>
    </message>
    <message>
        <source>Scanner colour mode</source>
        <translation>Modo de color del escáner</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Blanco y negro</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>no secret store is running; give the account a password command or a password file</source>
        <translation>no hay ningún llavero en marcha; dé a la cuenta una orden o un archivo de contraseña</translation>
    </message>
    <message>
        <source>the secret store could not be asked: %1</source>
        <translation>no se pudo consultar el llavero: %1</translation>
    </message>
    <message>
        <source>the secret store holds no password for service %1, account %2</source>
        <translation>el llavero no guarda ninguna contraseña para el servicio %1, cuenta %2</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>--to names no address</source>
        <translation>--to no indica ninguna dirección</translation>
    </message>
    <message>
        <source>no account named &apos;%1&apos; (see &apos;quillmark account list&apos;)</source>
        <translation>ninguna cuenta llamada «%1» (vea «quillmark account list»)</translation>
    </message>
    <message>
        <source>could not send &apos;%1&apos; to &apos;%2&apos;: %3</source>
        <translation>no se pudo enviar «%1» a «%2»: %3</translation>
    </message>
    <message>
        <source>the message stays in %1</source>
        <translation>el mensaje queda en %1</translation>
    </message>
    <message>
        <source>queued &apos;%1&apos; to &apos;%2&apos; in the Outbox of %3</source>
        <translation>«%1» para «%2» puesto en la Bandeja de salida de %3</translation>
    </message>
    <message>
        <source>handed &apos;%1&apos; for &apos;%2&apos; to the desktop&apos;s mail program (not sent yet)</source>
        <translation>«%1» para «%2» entregado al programa de correo del escritorio (aún no enviado)</translation>
    </message>
    <message>
        <source>sent &apos;%1&apos; to &apos;%2&apos; through %3</source>
        <translation>«%1» enviado a «%2» a través de %3</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>unknown setting &apos;%1&apos; (see &apos;quillmark settings list&apos;)</source>
        <translation>ajuste desconocido «%1» (véase &apos;quillmark settings list&apos;)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2, not &apos;%3&apos;</source>
        <translation>%1 espera un número entero de 0 a %2, no «%3»</translation>
    </message>
    <message>
        <source>%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>%1 espera un número entero, no «%2»</translation>
    </message>
    <message>
        <source>could not write the registry file %1</source>
        <translation>no se pudo escribir el archivo de registro %1</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2 or one of %3, not &apos;%4&apos;</source>
        <translation>%1 espera un número entero de 0 a %2 o uno de %3, no «%4»</translation>
    </message>
    <message>
        <source>%1 takes a whole number or one of %2, not &apos;%3&apos;</source>
        <translation>%1 espera un número entero o uno de %2, no «%3»</translation>
    </message>
</context>
<context>
    <name>SmtpTransport</name>
    <message>
        <source>cannot read the queued message %1</source>
        <translation>no se puede leer el mensaje en cola %1</translation>
    </message>
    <message>
        <source>the mail library could not start</source>
        <translation>no se pudo iniciar la biblioteca de correo</translation>
    </message>
    <message>
        <source> (server answered: %1)</source>
        <translation> (el servidor respondió: %1)</translation>
    </message>
    <message>
        <source> (server answered %1)</source>
        <translation> (el servidor respondió %1)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>%s left</source>
        <translation>restante: %s</translation>
    </message>
    <message>
        <source>%s passed</source>
        <translation>transcurrido: %s</translation>
    </message>
    <message>
        <source>%s total</source>
        <translation>total: %s</translation>
    </message>
    <message>
        <source>Loading shell resources...</source>
        <translation>Cargando recursos del sistema...</translation>
    </message>
    <message>
        <source>byte</source>
        <translation> byte</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation> bytes</translation>
    </message>
    <message>
        <source>Loading resources, please wait...</source>
        <translation>Cargando recursos, espere...</translation>
    </message>
    <message>
        <source>Loading shell resources, please wait...</source>
        <translation>Cargando recursos del sistema, espere...</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Listo...</translation>
    </message>
    <message>
        <source>Critical application error #%d.</source>
        <translation>Error crítico de la aplicación n.º %d.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Version %s</source>
        <translation>Versión %s</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Yes to all</source>
        <translation>Sí a todo</translation>
    </message>
    <message>
        <source>No to all</source>
        <translation>No a todo</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escanear</translation>
    </message>
    <message>
        <source>Don&apos;t show this tip again</source>
        <translation>No volver a mostrar este consejo</translation>
    </message>
    <message>
        <source>No camera device found. You can still import pictures using the &quot;Add from file&quot; and &quot;Add from folder&quot; menus.</source>
        <translation>No se encontró ninguna cámara. Aún puede importar imágenes con los menús «Añadir desde archivo» y «Añadir desde carpeta».</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>No se encontró ninguna cámara</translation>
    </message>
    <message>
        <source>Scan canceled. Tap &apos;Close&apos; to discard this message.</source>
        <translation>Escaneo cancelado. Toque «Cerrar» para descartar este mensaje.</translation>
    </message>
    <message>
        <source>Scan canceled</source>
        <translation>Escaneo cancelado</translation>
    </message>
    <message>
        <source>Unsupported scan file format.</source>
        <translation>Formato de archivo de escaneo no admitido.</translation>
    </message>
    <message>
        <source>Unsuppored file format.</source>
        <translation>Formato de archivo no admitido.</translation>
    </message>
    <message>
        <source>Unable to load the scanned image - unsupported file format.</source>
        <translation>No se puede cargar la imagen escaneada: formato de archivo no admitido.</translation>
    </message>
    <message>
        <source>Format not supported</source>
        <translation>Formato no admitido</translation>
    </message>
    <message>
        <source>Unable to load file &apos;%s&apos; - out of memory error. Please free up some memory and try again.</source>
        <translation>No se puede cargar el archivo «%s»: memoria insuficiente. Libere algo de memoria e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Out of memory, could not complete operation. Please free up some memory and try again. Tap &apos;Close&apos; to discard this message.</source>
        <translation>Memoria insuficiente, no se pudo completar la operación. Libere algo de memoria e inténtelo de nuevo. Toque «Cerrar» para descartar este mensaje.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Error crítico</translation>
    </message>
    <message>
        <source>Could not open the session file for writting. Check if the file is read-only or  locked by another application.</source>
        <translation>No se pudo abrir el archivo de sesión para escribir. Compruebe si el archivo es de solo lectura o si otra aplicación lo tiene bloqueado.</translation>
    </message>
    <message>
        <source>Error writting to the session file</source>
        <translation>Error al escribir el archivo de sesión</translation>
    </message>
    <message>
        <source>Error writting to the session file. Please check if you have enough storage space and try again.</source>
        <translation>Error al escribir el archivo de sesión. Compruebe si tiene suficiente espacio de almacenamiento e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Could not save the session</source>
        <translation>No se pudo guardar la sesión</translation>
    </message>
    <message>
        <source>Session file is missing, could not load session. Tap &apos;Close&apos; to discard this message.</source>
        <translation>Falta el archivo de sesión, no se pudo cargar la sesión. Toque «Cerrar» para descartar este mensaje.</translation>
    </message>
    <message>
        <source>Could not load session</source>
        <translation>No se pudo cargar la sesión</translation>
    </message>
    <message>
        <source>Could not load the session file - invalid file format.</source>
        <translation>No se pudo cargar el archivo de sesión: formato de archivo no válido.</translation>
    </message>
    <message>
        <source>Session error</source>
        <translation>Error de sesión</translation>
    </message>
    <message>
        <source>Error loading the session file - one or more images are missing.</source>
        <translation>Error al cargar el archivo de sesión: faltan una o más imágenes.</translation>
    </message>
    <message>
        <source>Missing scan images</source>
        <translation>Faltan imágenes escaneadas</translation>
    </message>
    <message>
        <source>Not enough memory to load all images. Please free up some memory and try again.</source>
        <translation>No hay memoria suficiente para cargar todas las imágenes. Libere algo de memoria e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Could not save the modified image file - check if the file is locked by another application or if you have enough storage space.</source>
        <translation>No se pudo guardar el archivo de imagen modificado: compruebe si otra aplicación lo tiene bloqueado o si tiene suficiente espacio de almacenamiento.</translation>
    </message>
    <message>
        <source>Error saving the image</source>
        <translation>Error al guardar la imagen</translation>
    </message>
    <message>
        <source>Edit operation failed - not enough memory to complete the operation. Please free up some memory and try again.</source>
        <translation>La edición falló: no hay memoria suficiente para completar la operación. Libere algo de memoria e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Save the current session? Tap &apos;Yes&apos; to save it or &apos;No&apos; to cancel.</source>
        <translation>¿Guardar la sesión actual? Toque «Sí» para guardarla o «No» para cancelar.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Save session?</source>
        <translation>¿Guardar la sesión?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>¿Eliminar la imagen?</translation>
    </message>
    <message>
        <source>Do you really wish to remove the image? Tap &apos;Ok&apos; to remove it or &apos;Cancel&apos; to skip.<byte value="xd"/>
<byte value="xd"/>
To delete the image file as well check the &quot;Remove image&quot; option below.</source>
        <translation>¿Seguro que desea quitar la imagen? Toque «Aceptar» para quitarla o «Cancelar» para conservarla.<byte value="xd"/>
<byte value="xd"/>
Para eliminar también el archivo de imagen, marque la opción «Quitar imagen» de abajo.</translation>
    </message>
    <message>
        <source>Only remove the image from the list</source>
        <translation>Quitar solo la imagen de la lista</translation>
    </message>
    <message>
        <source>Remove the image &amp; delete the image file</source>
        <translation>Quitar la imagen y eliminar el archivo</translation>
    </message>
    <message>
        <source>Import file</source>
        <translation>Importar archivo</translation>
    </message>
    <message>
        <source>Please select the file to import</source>
        <translation>Seleccione el archivo que desea importar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Start a new session?</source>
        <translation>¿Empezar una sesión nueva?</translation>
    </message>
    <message>
        <source>Starting a new session will erase the current session. Are you sure you want to start a new session?</source>
        <translation>Empezar una sesión nueva borrará la sesión actual. ¿Seguro que desea empezar una sesión nueva?</translation>
    </message>
    <message>
        <source>File could not be saved</source>
        <translation>No se pudo guardar el archivo</translation>
    </message>
    <message>
        <source>Could not save file &apos;%s&apos;. Please check if the file is write-protected or locked by another application.</source>
        <translation>No se pudo guardar el archivo «%s». Compruebe si el archivo está protegido contra escritura o si otra aplicación lo tiene bloqueado.</translation>
    </message>
    <message>
        <source>Would you like to start a new session?<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Yes&apos; to start a new session or &apos;No&apos; to cancel.<byte value="xd"/>
<byte value="xd"/>
Please note that starting a new session will erase the current one.</source>
        <translation>¿Desea empezar una sesión nueva?<byte value="xd"/>
<byte value="xd"/>
Toque «Sí» para empezar una sesión nueva o «No» para cancelar.<byte value="xd"/>
<byte value="xd"/>
Tenga en cuenta que empezar una sesión nueva borrará la actual.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>No camera detected</source>
        <translation>No se detectó ninguna cámara</translation>
    </message>
    <message>
        <source>No supported camera capture device was detected on your device. You won&apos;t be able to scan documents using the built-in camera. You can still make PDF files by importing picture files from the File-&gt;Add menu.</source>
        <translation>No se detectó ninguna cámara compatible en su dispositivo. No podrá escanear documentos con la cámara integrada. Aún puede crear archivos PDF importando imágenes desde el menú Archivo-&gt;Añadir.</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>Crop image?</source>
        <translation>¿Recortar la imagen?</translation>
    </message>
    <message>
        <source>Are you sure you wish to crop the image? Please choose &apos;Yes&apos; to crop the image or &apos;No&apos; to cancel.<byte value="xd"/>
<byte value="xd"/>
Please note that you can always undo your last action by using the Action-&gt;Undo menu command.</source>
        <translation>¿Seguro que desea recortar la imagen? Elija «Sí» para recortarla o «No» para cancelar.<byte value="xd"/>
<byte value="xd"/>
Recuerde que siempre puede deshacer su última acción con el comando de menú Acción-&gt;Deshacer.</translation>
    </message>
    <message>
        <source>Discard changes?</source>
        <translation>¿Descartar los cambios?</translation>
    </message>
    <message>
        <source>You have modified the source image. Are you sure you wish to discard the changes?</source>
        <translation>Ha modificado la imagen original. ¿Seguro que desea descartar los cambios?</translation>
    </message>
    <message>
        <source>PDF setup</source>
        <translation>Configurar PDF</translation>
    </message>
    <message>
        <source>Configure PDF file properties</source>
        <translation>Propiedades del archivo PDF</translation>
    </message>
    <message>
        <source>Creating PDF document</source>
        <translation>Creando el documento PDF</translation>
    </message>
    <message>
        <source>Please wait while the PDF is being created...</source>
        <translation>Espere mientras se crea el PDF...</translation>
    </message>
    <message>
        <source>Step %d of %d...</source>
        <translation>Paso %d de %d...</translation>
    </message>
    <message>
        <source>Preparing the PDF document...</source>
        <translation>Preparando el documento PDF...</translation>
    </message>
    <message>
        <source>Importing images...</source>
        <translation>Importando imágenes...</translation>
    </message>
    <message>
        <source>Adding page %d of %d...</source>
        <translation>Añadiendo la página %d de %d...</translation>
    </message>
    <message>
        <source>Saving the PDF document...</source>
        <translation>Guardando el documento PDF...</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>PDF document created successfully</source>
        <translation>Documento PDF creado correctamente</translation>
    </message>
    <message>
        <source>Successully compiled file &apos;%s&apos; from the selected images...</source>
        <translation>El archivo «%s» se creó correctamente a partir de las imágenes seleccionadas...</translation>
    </message>
    <message>
        <source>Page %d</source>
        <translation>Página %d</translation>
    </message>
    <message>
        <source>Move page after</source>
        <translation>Mover la página detrás de</translation>
    </message>
    <message>
        <source>Select where you wish to move the page</source>
        <translation>Elija adónde mover la página</translation>
    </message>
    <message>
        <source>Please select the destination page:</source>
        <translation>Seleccione la página de destino:</translation>
    </message>
    <message>
        <source>Move page before</source>
        <translation>Mover la página delante de</translation>
    </message>
    <message>
        <source>Swap page</source>
        <translation>Intercambiar página</translation>
    </message>
    <message>
        <source>Select the page to swap with</source>
        <translation>Elija la página con la que intercambiar</translation>
    </message>
    <message>
        <source>Please select the destination page</source>
        <translation>Seleccione la página de destino</translation>
    </message>
    <message>
        <source>Sent with %s, the pocket document copier by Tessaly.</source>
        <translation>Enviado con %s, la copiadora de documentos de bolsillo de Tessaly.</translation>
    </message>
    <message>
        <source>Emailing: %s</source>
        <translation>Envío por correo: %s</translation>
    </message>
    <message>
        <source>Could not send mail</source>
        <translation>No se pudo enviar el correo</translation>
    </message>
    <message>
        <source>Could not send file &apos;%s&apos; to &apos;%s&apos;. Please check whether your mail account is configured and that you are able to send emails and try again.</source>
        <translation>No se pudo enviar el archivo «%s» a «%s». Compruebe si su cuenta de correo está configurada y si puede enviar correos, e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Email sent</source>
        <translation>Correo enviado</translation>
    </message>
    <message>
        <source>File &apos;%s&apos; successfully sent to &apos;%s&apos; via email.</source>
        <translation>El archivo «%s» se envió correctamente por correo a «%s».</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Send file via email</source>
        <translation>Enviar archivo por correo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>PDF library</source>
        <translation>Biblioteca PDF</translation>
    </message>
    <message>
        <source>Available PDF files on your device</source>
        <translation>Archivos PDF de su dispositivo</translation>
    </message>
    <message>
        <source>Could not open file</source>
        <translation>No se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>Could not open PDF file &apos;%s&apos;. Please check if you have a PDF file reader installed on your device.</source>
        <translation>No se pudo abrir el archivo PDF «%s». Compruebe si tiene instalado un lector de PDF en su dispositivo.</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>View or share the new PDF?</source>
        <translation>¿Ver o compartir el PDF nuevo?</translation>
    </message>
    <message>
        <source>Would you like to view the PDF file or send it by email? Please tap &quot;Open&apos; to view the file with your default PDF viewer or &apos;Share&apos; to send it to an email address.</source>
        <translation>¿Desea ver el archivo PDF o enviarlo por correo? Toque «Abrir» para verlo con su visor de PDF o «Compartir» para enviarlo a una dirección de correo.</translation>
    </message>
    <message>
        <source>Could not import image</source>
        <translation>No se pudo importar la imagen</translation>
    </message>
    <message>
        <source>Error importing image file &apos;%s&apos;. Please check if the image file is valid.</source>
        <translation>Error al importar el archivo de imagen «%s». Compruebe si el archivo de imagen es válido.</translation>
    </message>
    <message>
        <source>PDF creation aborted.</source>
        <translation>Creación del PDF interrumpida.</translation>
    </message>
    <message>
        <source>User abort</source>
        <translation>Interrumpido por el usuario</translation>
    </message>
    <message>
        <source>Sort order</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Please choose the order of imported pictures</source>
        <translation>Elija el orden de las imágenes importadas</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Please select a contact</source>
        <translation>Seleccione un contacto</translation>
    </message>
    <message>
        <source>Camera resolution</source>
        <translation>Resolución de la cámara</translation>
    </message>
    <message>
        <source>Configure your camera resolution</source>
        <translation>Ajuste la resolución de la cámara</translation>
    </message>
    <message>
        <source>Choose contact email</source>
        <translation>Elegir correo del contacto</translation>
    </message>
    <message>
        <source>Please select the email address to use</source>
        <translation>Seleccione la dirección de correo que desea usar</translation>
    </message>
    <message>
        <source>Available contact email addresses:</source>
        <translation>Direcciones de correo del contacto:</translation>
    </message>
    <message>
        <source>Contact %s has more than 1 email addresses. Please choose the one you wish to use.</source>
        <translation>El contacto %s tiene más de una dirección de correo. Elija la que desea usar.</translation>
    </message>
    <message>
        <source>Email account</source>
        <translation>Cuenta de correo</translation>
    </message>
    <message>
        <source>Please choose the email account to use</source>
        <translation>Elija la cuenta de correo que desea usar</translation>
    </message>
    <message>
        <source>Available email accounts:</source>
        <translation>Cuentas de correo disponibles:</translation>
    </message>
    <message>
        <source>Please choose the email account to use for sending the document from the list.</source>
        <translation>Elija de la lista la cuenta de correo con la que enviar el documento.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Image processing settings</source>
        <translation>Ajustes de procesamiento de imagen</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>Center inside page</source>
        <translation>Centrar en la página</translation>
    </message>
    <message>
        <source>PDF Settings</source>
        <translation>Ajustes de PDF</translation>
    </message>
    <message>
        <source>Output PDF file configuration</source>
        <translation>Configuración del archivo PDF</translation>
    </message>
    <message>
        <source>Misc settings</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Miscellaneous settings</source>
        <translation>Otros ajustes</translation>
    </message>
    <message>
        <source>%s: a document page in a camera frame</source>
        <translation>%s: una página de documento en el marco de una cámara</translation>
    </message>
    <message>
        <source>%s logo</source>
        <translation>Logotipo de %s</translation>
    </message>
    <message>
        <source>2MP</source>
        <translation>2 MP</translation>
    </message>
    <message>
        <source>3.2MP</source>
        <translation>3,2 MP</translation>
    </message>
    <message>
        <source>5MP</source>
        <translation>5 MP</translation>
    </message>
    <message>
        <source>%d x %d (%s)</source>
        <translation>%d x %d (%s)</translation>
    </message>
    <message>
        <source>%d x %d</source>
        <translation>%d x %d</translation>
    </message>
    <message>
        <source>%d</source>
        <translation>%d</translation>
    </message>
    <message>
        <source>v%s</source>
        <translation>v%s</translation>
    </message>
    <message>
        <source>Make PDF</source>
        <translation>Crear PDF</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Página actual</translation>
    </message>
    <message>
        <source>No pages</source>
        <translation>Sin páginas</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Página %d de %d</translation>
    </message>
    <message>
        <source>Blank page</source>
        <translation>Página en blanco</translation>
    </message>
    <message>
        <source>Press Enter to edit the page</source>
        <translation>Pulse Intro para editar la página</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Página:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Scan...</source>
        <translation>Escanear...</translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation>Añadir desde archivo...</translation>
    </message>
    <message>
        <source>Add from folder...</source>
        <translation>Añadir desde carpeta...</translation>
    </message>
    <message>
        <source>Add blank page</source>
        <translation>Añadir página en blanco</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Swap with page...</source>
        <translation>Intercambiar con página...</translation>
    </message>
    <message>
        <source>Move before page...</source>
        <translation>Mover delante de página...</translation>
    </message>
    <message>
        <source>Move after page...</source>
        <translation>Mover detrás de página...</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>File import</source>
        <translation>Importación</translation>
    </message>
    <message>
        <source>Image embedding</source>
        <translation>Inserción de imágenes</translation>
    </message>
    <message>
        <source>PDF output</source>
        <translation>Salida PDF</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Create PDF...</source>
        <translation>Crear PDF...</translation>
    </message>
    <message>
        <source>New session...</source>
        <translation>Sesión nueva...</translation>
    </message>
    <message>
        <source>Library...</source>
        <translation>Biblioteca...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Se denegó el acceso a %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disco lleno al acceder a %1.</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <source>Viewfinder</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>Live picture of the camera. Press Enter or Space to take the picture, Escape to cancel.</source>
        <translation>Imagen en directo de la cámara. Pulse Intro o Espacio para hacer la foto, Escape para cancelar.</translation>
    </message>
    <message>
        <source>Starting the camera...</source>
        <translation>Iniciando la cámara...</translation>
    </message>
    <message>
        <source>Saving the picture...</source>
        <translation>Guardando la imagen...</translation>
    </message>
    <message>
        <source>Takes the picture</source>
        <translation>Hace la foto</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Mi dispositivo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Current folder</source>
        <translation>Carpeta actual</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message>
        <source>Please choose the order in which picture files should be imported:</source>
        <translation>Elija el orden en que se importarán los archivos de imagen:</translation>
    </message>
    <message>
        <source>Sort by file name, ascending</source>
        <translation>Por nombre de archivo, ascendente</translation>
    </message>
    <message>
        <source>Sort by file name, descending</source>
        <translation>Por nombre de archivo, descendente</translation>
    </message>
    <message>
        <source>Sort by file date, ascending</source>
        <translation>Por fecha de archivo, ascendente</translation>
    </message>
    <message>
        <source>Sort by file date, descending</source>
        <translation>Por fecha de archivo, descendente</translation>
    </message>
    <message>
        <source>No sorting</source>
        <translation>Sin ordenar</translation>
    </message>
    <message>
        <source>Ask me</source>
        <translation>Preguntarme</translation>
    </message>
    <message>
        <source>When scanning, try to force the following camera resolution (make sure your camera supports it):</source>
        <translation>Al escanear, forzar esta resolución de cámara (compruebe que su cámara la admite):</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>2 Megapixles</source>
        <translation>2 megapíxeles</translation>
    </message>
    <message>
        <source>3.2 Megapixles</source>
        <translation>3,2 megapíxeles</translation>
    </message>
    <message>
        <source>5 Megapixles</source>
        <translation>5 megapíxeles</translation>
    </message>
    <message>
        <source>Embedded image scaling:</source>
        <translation>Escala de las imágenes insertadas:</translation>
    </message>
    <message>
        <source>Auto-portrait images</source>
        <translation>Imágenes en vertical automático</translation>
    </message>
    <message>
        <source>Output paper size:</source>
        <translation>Tamaño del papel:</translation>
    </message>
    <message>
        <source>Ask to share/view after creating a PDF</source>
        <translation>Ofrecer compartir o ver el PDF creado</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Oficio</translation>
    </message>
    <message>
        <source>Tabloid</source>
        <translation>Tabloide</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Postal</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200 %</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50 %</translation>
    </message>
    <message>
        <source>Crop image</source>
        <translation>Recortar imagen</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>90 CW</source>
        <translation>90° a la derecha</translation>
    </message>
    <message>
        <source>90 CCW</source>
        <translation>90° a la izquierda</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Voltear en vertical</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Voltear en horizontal</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Page picture</source>
        <translation>Imagen de la página</translation>
    </message>
    <message>
        <source>Arrow keys scroll the picture. Drag across it, or hold Shift with the arrow keys, to draw the crop frame; Ctrl with the arrow keys moves the frame.</source>
        <translation>Las flechas desplazan la imagen. Arrastre sobre ella, o mantenga Mayús con las flechas, para dibujar el marco de recorte; Ctrl con las flechas mueve el marco.</translation>
    </message>
    <message>
        <source>Edit image</source>
        <translation>Editar imagen</translation>
    </message>
    <message>
        <source>Scroll across the picture</source>
        <translation>Desplazar la imagen en horizontal</translation>
    </message>
    <message>
        <source>Scroll up and down the picture</source>
        <translation>Desplazar la imagen en vertical</translation>
    </message>
    <message>
        <source>Straighten...</source>
        <translation>Enderezar...</translation>
    </message>
    <message>
        <source>Enhance</source>
        <translation>Mejorar</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Colour document</source>
        <translation>Documento en color</translation>
    </message>
    <message>
        <source>Straighten page</source>
        <translation>Enderezar página</translation>
    </message>
    <message>
        <source>Page corners</source>
        <translation>Esquinas de la página</translation>
    </message>
    <message>
        <source>Drag each handle onto a corner of the page. Tab picks a corner, the arrow keys move it; hold Shift for larger steps.</source>
        <translation>Arrastre cada tirador a una esquina de la página. Tab elige una esquina y las flechas la mueven; mantenga Mayús para pasos más largos.</translation>
    </message>
    <message>
        <source>Top-left corner</source>
        <translation>Esquina superior izquierda</translation>
    </message>
    <message>
        <source>Top-right corner</source>
        <translation>Esquina superior derecha</translation>
    </message>
    <message>
        <source>Bottom-right corner</source>
        <translation>Esquina inferior derecha</translation>
    </message>
    <message>
        <source>Bottom-left corner</source>
        <translation>Esquina inferior izquierda</translation>
    </message>
    <message>
        <source>Straighten pages automatically</source>
        <translation>Enderezar las páginas automáticamente</translation>
    </message>
    <message>
        <source>Enhance new pages:</source>
        <translation>Mejorar las páginas nuevas:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Store - invalid cValues!</source>
        <translation>¡Almacén: cValues no válido!</translation>
    </message>
    <message>
        <source>Store missing PR_ENTRYID!</source>
        <translation>¡Falta PR_ENTRYID en el almacén!</translation>
    </message>
    <message>
        <source>email address:</source>
        <translation>dirección de correo:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Asunto:</translation>
    </message>
    <message>
        <source>Message body:</source>
        <translation>Mensaje:</translation>
    </message>
    <message>
        <source>Pick contact</source>
        <translation>Elegir contacto</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>File &apos;%s&apos; successfully sent to &apos;%s&apos; via email. Please synchronize your queue-only mail store to finalize the delivery to the recepient.</source>
        <translation>El archivo «%s» se envió correctamente por correo a «%s». Sincronice su buzón de solo cola para completar la entrega al destinatario.</translation>
    </message>
    <message>
        <source>Email handed over</source>
        <translation>Correo entregado</translation>
    </message>
    <message>
        <source>File &apos;%s&apos; was handed to your desktop&apos;s mail program for &apos;%s&apos;. It is not sent yet: please send it from there.</source>
        <translation>El archivo «%s» se entregó al programa de correo de su escritorio para «%s». Aún no se ha enviado: envíelo desde allí.</translation>
    </message>
    <message>
        <source>Could not send file &apos;%s&apos; to &apos;%s&apos;. Please check whether your desktop&apos;s mail program is configured and that you are able to send emails and try again.</source>
        <translation>No se pudo enviar el archivo «%s» a «%s». Compruebe si el programa de correo de su escritorio está configurado y si puede enviar correos, e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Could not send file &apos;%s&apos; to &apos;%s&apos;. Please check whether your queue-only mail store is configured and that you are able to send emails and try again.</source>
        <translation>No se pudo enviar el archivo «%s» a «%s». Compruebe si su buzón de solo cola está configurado y si puede enviar correos, e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>No mail account is set up. Add one with &apos;quillmark account add&apos; (see the README).</source>
        <translation>No hay ninguna cuenta de correo configurada. Añada una con «quillmark account add» (consulte el README).</translation>
    </message>
    <message>
        <source>The mail server answered: %s</source>
        <translation>El servidor de correo respondió: %s</translation>
    </message>
    <message>
        <source>The password could not be found: %s</source>
        <translation>No se encontró la contraseña: %s</translation>
    </message>
    <message>
        <source>The desktop&apos;s mail program did not take the message: %s</source>
        <translation>El programa de correo del escritorio no aceptó el mensaje: %s</translation>
    </message>
    <message>
        <source>Reason: %s</source>
        <translation>Motivo: %s</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>el archivo no se puede abrir</translation>
    </message>
    <message>
        <source>a picture changed or went away while the PDF was made</source>
        <translation>una imagen cambió o desapareció mientras se creaba el PDF</translation>
    </message>
    <message>
        <source>writing failed (disk full?)</source>
        <translation>falló la escritura (¿disco lleno?)</translation>
    </message>
    <message>
        <source>a JPEG form the PDF library does not take</source>
        <translation>una variante de JPEG que la biblioteca PDF no admite</translation>
    </message>
    <message>
        <source>not a JPEG file, whatever its name says</source>
        <translation>no es un archivo JPEG, diga lo que diga su nombre</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>PDF library error 0x%s</source>
        <translation>error 0x%s de la biblioteca PDF</translation>
    </message>
    <message>
        <source>Could not complete the PDF document: %s. Tap &apos;Close&apos; to discard this message.</source>
        <translation>No se pudo completar el documento PDF: %s. Toque «Cerrar» para descartar este mensaje.</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Recognising text on page %d of %d...</source>
        <translation>Reconociendo el texto de la página %d de %d...</translation>
    </message>
    <message>
        <source>Recognise text (OCR)</source>
        <translation>Reconocer texto (OCR)</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Pictures in the PDF:</source>
        <translation>Imágenes en el PDF:</translation>
    </message>
    <message>
        <source>Original pictures</source>
        <translation>Imágenes originales</translation>
    </message>
    <message>
        <source>Smaller, for e-mail</source>
        <translation>Más pequeño, para correo</translation>
    </message>
    <message>
        <source>Smallest, black and white text</source>
        <translation>Lo más pequeño, texto en blanco y negro</translation>
    </message>
    <message>
        <source>Attachment: %s (%s)</source>
        <translation>Adjunto: %s (%s)</translation>
    </message>
    <message>
        <source>Large attachment</source>
        <translation>Adjunto grande</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is %s, more than many mail servers accept. Tap &apos;Yes&apos; to send a copy with smaller pictures, or &apos;No&apos; to send the file as it is. The file itself stays unchanged.</source>
        <translation>«%s» ocupa %s, más de lo que aceptan muchos servidores de correo. Toque «Sí» para enviar una copia con imágenes más pequeñas, o «No» para enviar el archivo tal como está. El archivo en sí no cambia.</translation>
    </message>
    <message>
        <source>Smaller copy</source>
        <translation>Copia más pequeña</translation>
    </message>
    <message>
        <source>Please wait while a smaller copy is made</source>
        <translation>Espere mientras se crea una copia más pequeña</translation>
    </message>
    <message>
        <source>Making picture %d of %d smaller...</source>
        <translation>Reduciendo la imagen %d de %d...</translation>
    </message>
    <message>
        <source>Could not make a smaller copy of &apos;%s&apos;: only PDF documents made by this program can be made smaller. The file will be sent as it is.</source>
        <translation>No se pudo crear una copia más pequeña de «%s»: solo se pueden reducir los documentos PDF creados con este programa. El archivo se enviará tal como está.</translation>
    </message>
    <message>
        <source>The pictures of &apos;%s&apos; cannot be made any smaller. The file will be sent as it is.</source>
        <translation>Las imágenes de «%s» no se pueden reducir más. El archivo se enviará tal como está.</translation>
    </message>
    <message>
        <source>Could not make a smaller copy of &apos;%s&apos;: %s. The file will be sent as it is.</source>
        <translation>No se pudo crear una copia más pequeña de «%s»: %s. El archivo se enviará tal como está.</translation>
    </message>
    <message>
        <source>All Files|*.*|</source>
        <translation>Todos los archivos|*.*|</translation>
    </message>
    <message>
        <source>All Folders</source>
        <translation>Todas las carpetas</translation>
    </message>
    <message>
        <source>\My Documents</source>
        <translation>\Mis documentos</translation>
    </message>
    <message>
        <source>Finished searching the document!</source>
        <translation>¡Búsqueda en el documento terminada!</translation>
    </message>
    <message>
        <source>No matching item found!</source>
        <translation>¡No se encontró ningún elemento!</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Picture of %d x %d pixels</source>
        <translation>Imagen de %d x %d píxeles</translation>
    </message>
    <message>
        <source>crop frame of %d x %d pixels from %d, %d</source>
        <translation>marco de recorte de %d x %d píxeles desde %d, %d</translation>
    </message>
    <message>
        <source>no crop frame</source>
        <translation>sin marco de recorte</translation>
    </message>
    <message>
        <source>Could not open the help page &apos;%s&apos;. Please check if you have a web browser installed on your device.</source>
        <translation>No se pudo abrir la página de ayuda «%s». Compruebe si tiene un navegador web instalado en su dispositivo.</translation>
    </message>
    <message>
        <source>Restore session</source>
        <translation>Restaurar sesión</translation>
    </message>
    <message>
        <source>Restore the last session?</source>
        <translation>¿Restaurar la última sesión?</translation>
    </message>
    <message>
        <source>The program was not ended with Exit last time, and the session of %d pages was kept.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Yes&apos; to restore the pages or &apos;No&apos; to start an empty session.</source>
        <translation>La última vez el programa no se cerró con «Salir», y se conservó la sesión de %d páginas.<byte value="xd"/>
<byte value="xd"/>
Toque «Sí» para restaurar las páginas o «No» para empezar una sesión vacía.</translation>
    </message>
    <message>
        <source>The program was not ended with Exit last time, and the session of one page was kept.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Yes&apos; to restore the page or &apos;No&apos; to start an empty session.</source>
        <translation>La última vez el programa no se cerró con «Salir», y se conservó la sesión de una página.<byte value="xd"/>
<byte value="xd"/>
Toque «Sí» para restaurar la página o «No» para empezar una sesión vacía.</translation>
    </message>
    <message>
        <source>Some pages were left out</source>
        <translation>Se omitieron algunas páginas</translation>
    </message>
    <message>
        <source>These pictures no longer exist or cannot be read, so their pages were left out:<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to discard this message.</source>
        <translation>Estas imágenes ya no existen o no se pueden leer, por lo que se omitieron sus páginas:<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Toque «Cerrar» para descartar este mensaje.</translation>
    </message>
    <message>
        <source>The last session cannot be restored</source>
        <translation>No se puede restaurar la última sesión</translation>
    </message>
    <message>
        <source>The record of the last session is damaged, so its pages cannot be restored. It was kept as &apos;%s&apos;.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to start an empty session.</source>
        <translation>El registro de la última sesión está dañado, por lo que no se pueden restaurar sus páginas. Se conservó como «%s».<byte value="xd"/>
<byte value="xd"/>
Toque «Cerrar» para empezar una sesión vacía.</translation>
    </message>
    <message>
        <source>The record of the last session was written by a newer version of the program and cannot be read by this one. It was kept as &apos;%s&apos;.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to start an empty session.</source>
        <translation>El registro de la última sesión lo escribió una versión más reciente del programa y esta no puede leerlo. Se conservó como «%s».<byte value="xd"/>
<byte value="xd"/>
Toque «Cerrar» para empezar una sesión vacía.</translation>
    </message>
    <message>
        <source>Not every page of these pictures could be imported, as copies of their pages cannot be written beside them. Please check if the folder is write-protected or the storage is full.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to discard this message.</source>
        <translation>No se pudieron importar todas las páginas de estas imágenes, porque las copias de sus páginas no se pueden escribir junto a ellas. Compruebe si la carpeta está protegida contra escritura o si el almacenamiento está lleno.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Toque «Cerrar» para descartar este mensaje.</translation>
    </message>
    <message>
        <source>Not every page of these pictures could be imported, as some of their pages cannot be read. Please check if the image files are valid.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to discard this message.</source>
        <translation>No se pudieron importar todas las páginas de estas imágenes, porque algunas de sus páginas no se pueden leer. Compruebe si los archivos de imagen son válidos.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Toque «Cerrar» para descartar este mensaje.</translation>
    </message>
</context>
</TS>
