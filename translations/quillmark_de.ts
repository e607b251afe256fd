<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccountCommand</name>
    <message>
        <source>queue only (Outbox)</source>
        <translation>nur Warteschlange (Postausgang)</translation>
    </message>
    <message>
        <source>desktop mail program</source>
        <translation>E-Mail-Programm des Desktops</translation>
    </message>
    <message>
        <source>%1 via %2:%3 %4</source>
        <translation>%1 über %2:%3 %4</translation>
    </message>
    <message>
        <source>, user %1, password from command</source>
        <translation>, Benutzer %1, Passwort aus Befehl</translation>
    </message>
    <message>
        <source>, user %1, password from file %2</source>
        <translation>, Benutzer %1, Passwort aus Datei %2</translation>
    </message>
    <message>
        <source>, user %1, password from secret store</source>
        <translation>, Benutzer %1, Passwort aus dem Schlüsselbund</translation>
    </message>
    <message>
        <source> (sent unencrypted)</source>
        <translation> (unverschlüsselt gesendet)</translation>
    </message>
    <message>
        <source>, trusts %1</source>
        <translation>, vertraut %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>a password never goes on the command line (others can read it there); use --password-command, --password-file or the desktop&apos;s secret store</source>
        <translation>ein Passwort gehört nie auf die Befehlszeile (andere können es dort lesen); verwenden Sie --password-command, --password-file oder den Schlüsselbund des Desktops</translation>
    </message>
    <message>
        <source>--port takes 1 to 65535, not &apos;%1&apos;</source>
        <translation>--port erwartet 1 bis 65535, nicht „%1“</translation>
    </message>
    <message>
        <source>--security takes none, starttls or tls, not &apos;%1&apos;</source>
        <translation>--security erwartet none, starttls oder tls, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>--sync, --desktop and the SMTP options exclude each other</source>
        <translation>--sync, --desktop und die SMTP-Optionen schließen einander aus</translation>
    </message>
    <message>
        <source>give --password-command or --password-file, not both</source>
        <translation>geben Sie --password-command oder --password-file an, nicht beide</translation>
    </message>
    <message>
        <source>a password needs a --user</source>
        <translation>ein Passwort braucht einen --user</translation>
    </message>
    <message>
        <source>the certificate file %1 is a folder, not a file</source>
        <translation>die Zertifikatsdatei %1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>the certificate file %1 does not exist</source>
        <translation>die Zertifikatsdatei %1 existiert nicht</translation>
    </message>
    <message>
        <source>warning: with --security none the password of %1 goes to %2 unencrypted, readable on the way; use --security starttls or tls unless the server runs on this machine</source>
        <translation>Warnung: mit --security none geht das Passwort von %1 unverschlüsselt an %2 und ist unterwegs lesbar; verwenden Sie --security starttls oder tls, außer der Server läuft auf diesem Rechner</translation>
    </message>
    <message>
        <source>the registry file could not be written</source>
        <translation>die Registrierungsdatei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>no account named &apos;%1&apos; (see &apos;quillmark account list&apos;)</source>
        <translation>kein Konto namens „%1“ (siehe „quillmark account list“)</translation>
    </message>
</context>
<context>
    <name>AccountStore</name>
    <message>
        <source>an account needs a name</source>
        <translation>ein Konto braucht einen Namen</translation>
    </message>
    <message>
        <source>the account name is too long</source>
        <translation>der Kontoname ist zu lang</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>sender address</source>
        <translation>Absenderadresse</translation>
    </message>
    <message>
        <source>server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>user</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>password command</source>
        <translation>Passwortbefehl</translation>
    </message>
    <message>
        <source>password file</source>
        <translation>Passwortdatei</translation>
    </message>
    <message>
        <source>certificate file</source>
        <translation>Zertifikatsdatei</translation>
    </message>
    <message>
        <source>the %1 holds a line break or another control character</source>
        <translation>„%1“ enthält einen Zeilenumbruch oder ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>a queue-only store is named %1; only that name is offered for sending</source>
        <translation>eine Nur-Warteschlange-Mailablage heißt %1; nur dieser Name wird zum Senden angeboten</translation>
    </message>
    <message>
        <source>the sender address &apos;%1&apos; is not an e-mail address</source>
        <translation>die Absenderadresse „%1“ ist keine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>an SMTP account needs a server (--host)</source>
        <translation>ein SMTP-Konto braucht einen Server (--host)</translation>
    </message>
    <message>
        <source>the port must be between 1 and 65535</source>
        <translation>der Port muss zwischen 1 und 65535 liegen</translation>
    </message>
    <message>
        <source>an account named &apos;%1&apos; already exists</source>
        <translation>ein Konto namens „%1“ gibt es schon</translation>
    </message>
    <message>
        <source>the registry file %1 could not be written</source>
        <translation>die Registrierungsdatei %1 konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--screen takes WIDTHxHEIGHT, for example 480x640, not &apos;%1&apos;</source>
        <translation>--screen erwartet BREITExHÖHE, zum Beispiel 480x640, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Mehr mit „quillmark --help“.</translation>
    </message>
    <message>
        <source>e-mail FILE as an attachment (ADDRS separated by spaces or &apos;;&apos;; see &apos;account list&apos;)</source>
        <translation>DATEI als Anhang per E-Mail senden (ADRESSEN durch Leerzeichen oder &apos;;&apos; getrennt; siehe &apos;account list&apos;)</translation>
    </message>
    <message>
        <source>set up the e-mail accounts (passwords come from the secret store, a command or a private file) and the folder of vCard contacts</source>
        <translation>die E-Mail-Konten einrichten (Passwörter kommen aus dem Schlüsselbund, einem Befehl oder einer privaten Datei) und den Ordner der vCard-Kontakte</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (and no file of that name)</source>
        <translation>unbekannter Befehl „%1“ (und keine Datei dieses Namens)</translation>
    </message>
    <message>
        <source>--screenshots takes no pictures</source>
        <translation>--screenshots nimmt keine Bilder</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>Commands (&apos;quillmark COMMAND --help&apos; tells more of each):</source>
        <translation>Befehle („quillmark BEFEHL --help“ sagt zu jedem mehr):</translation>
    </message>
    <message>
        <source>Environment:
  QUILLMARK_HOME   folder for the registry, log, session and undo files
  QUILLMARK_CAMERA GStreamer source of the camera (&apos;none&apos; for no camera)
  TESSDATA_PREFIX  folder of the text recognition languages (*.traineddata)
</source>
        <translation>Umgebung:
  QUILLMARK_HOME   Ordner für Registrierung, Protokoll, Sitzung, Rückgängig
  QUILLMARK_CAMERA GStreamer-Quelle der Kamera („none“ für keine Kamera)
  TESSDATA_PREFIX  Ordner der Sprachen der Texterkennung (*.traineddata)
</translation>
    </message>
    <message>
        <source>usage: </source>
        <translation>Aufruf: </translation>
    </message>
    <message>
        <source>show or change the settings (NAME as in the registry, e.g. PageSize or SCAN_SETTINGS/PageSize)</source>
        <translation>die Einstellungen zeigen oder ändern (NAME wie in der Registrierung, z. B. PageSize oder SCAN_SETTINGS/PageSize)</translation>
    </message>
    <message>
        <source>the PDF to write (also --output OUT.pdf), replaced only by a complete one; with -o - the PDF goes to standard output and messages stay on standard error</source>
        <translation>das zu schreibende PDF (auch --output AUS.pdf), nur durch ein vollständiges ersetzt; mit -o - geht das PDF auf die Standardausgabe und Meldungen bleiben auf der Standardfehlerausgabe</translation>
    </message>
    <message>
        <source>the paper (see the page sizes below)</source>
        <translation>das Papier (siehe die Papierformate unten)</translation>
    </message>
    <message>
        <source>turn landscape pictures upright in the PDF, or leave them as they are</source>
        <translation>Querformatbilder im PDF aufrecht drehen oder lassen, wie sie sind</translation>
    </message>
    <message>
        <source>the order of the pictures of a folder</source>
        <translation>die Reihenfolge der Bilder eines Ordners</translation>
    </message>
    <message>
        <source>recognise the text in language LANG (eng, deu, eng+fra, ...) and lay it invisibly over each page, so that the PDF can be searched</source>
        <translation>den Text in Sprache LANG (eng, deu, eng+fra, ...) erkennen und unsichtbar über jede Seite legen, damit das PDF durchsucht werden kann</translation>
    </message>
    <message>
        <source>find the sheet in each photo and flatten it</source>
        <translation>das Blatt in jedem Foto finden und begradigen</translation>
    </message>
    <message>
        <source>give each page a document look</source>
        <translation>jeder Seite ein Dokumentaussehen geben</translation>
    </message>
    <message>
        <source>take pictures and folders from FILE, one per line, or from standard input when FILE is -; @FILE among the pictures does the same</source>
        <translation>Bilder und Ordner aus DATEI lesen, einen je Zeile, oder von der Standardeingabe, wenn DATEI - ist; @DATEI unter den Bildern tut dasselbe</translation>
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
        <translation>Aufruf: quillmark [OPTIONEN] [--] [BILD...]
        quillmark [OPTIONEN] BEFEHL [ARGUMENTE]

Ohne Befehl startet der Dokumentkopierer in seinem Gerätefenster; BILDer werden
Seiten in der angegebenen Reihenfolge. Läuft das Programm schon für denselben
Datenordner, gehen sie stattdessen an dessen Fenster. Verwenden Sie -- (oder
einen Pfad wie ./pdf) für ein Bild, das wie ein Befehl heißt.

Optionen:
  -h, --help            diese Hilfe zeigen und beenden
  -V, --version         die Version zeigen und beenden
      --screen BxH      feste Fenstergröße (sonst Vollbild auf einem Telefon,
                        ein veränderbares 480x640-Fenster auf einem Desktop;
                        240x320 ergibt die Kleinbildschirm-Ansicht)
      --landscape       mit quer gedrehtem Gerät starten
      --log             jeden Protokolleintrag in Quillmark.log schreiben
                        (auch QUILLMARK_LOG=1)
      --screenshots ORDNER ohne Bildschirm durch die Ansichten gehen, je ein PNG
                        nach ORDNER
</translation>
    </message>
    <message>
        <source>scale pictures other than JPEG to the page, or keep their size where they fit</source>
        <translation>Bilder außer JPEG auf die Seite einpassen oder ihre Größe behalten, wo sie passen</translation>
    </message>
    <message>
        <source>make one PDF from picture files and folders, one page each (defaults from the settings PageSize, FitToPage, AutoPortrait, Recursive, PictureImportOrder and PictureQuality)</source>
        <translation>ein PDF aus Bilddateien und Ordnern erstellen, eine Seite je Bild (Vorgaben aus den Einstellungen PageSize, FitToPage, AutoPortrait, Recursive, PictureImportOrder und PictureQuality)</translation>
    </message>
    <message>
        <source>the pictures as they are, smaller for e-mail, or black and white text</source>
        <translation>die Bilder, wie sie sind, kleiner für E-Mail oder Schwarz-Weiß-Text</translation>
    </message>
    <message>
        <source>the window cannot be opened: %1</source>
        <translation>das Fenster kann nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>DesktopMailer</name>
    <message>
        <source>&apos;%1&apos; is not an e-mail address</source>
        <translation>„%1“ ist keine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2)</source>
        <translation>%1 ist fehlgeschlagen (Exit-Status %2)</translation>
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
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Makes this page the current page</source>
        <translation>Macht diese Seite zur aktuellen Seite</translation>
    </message>
</context>
<context>
    <name>MailMessage</name>
    <message>
        <source>no mail account is set up</source>
        <translation>kein E-Mail-Konto ist eingerichtet</translation>
    </message>
    <message>
        <source>an account entry of the registry holds no values</source>
        <translation>ein Konteneintrag der Registrierung enthält keine Werte</translation>
    </message>
    <message>
        <source>the account entry &apos;%1&apos; has no usable Store value</source>
        <translation>der Konteneintrag „%1“ hat keinen brauchbaren Store-Wert</translation>
    </message>
    <message>
        <source>the account &apos;%1&apos; is no longer set up</source>
        <translation>das Konto „%1“ ist nicht mehr eingerichtet</translation>
    </message>
    <message>
        <source>the account of store &apos;%1&apos; cannot be read</source>
        <translation>das Konto der Ablage „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; does not exist or cannot be read</source>
        <translation>die Datei „%1“ existiert nicht oder kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the message has no recipient</source>
        <translation>die Nachricht hat keinen Empfänger</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an e-mail address</source>
        <translation>„%1“ ist keine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>the sender address &apos;%1&apos; of account &apos;%2&apos; is not an e-mail address</source>
        <translation>die Absenderadresse „%1“ des Kontos „%2“ ist keine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>the message could not be put into the Outbox of &apos;%1&apos;</source>
        <translation>die Nachricht konnte nicht in den Postausgang von „%1“ gelegt werden</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>PasswordSource</name>
    <message>
        <source>the password command could not be started</source>
        <translation>der Passwortbefehl konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the password command did not finish</source>
        <translation>der Passwortbefehl ist nicht fertig geworden</translation>
    </message>
    <message>
        <source>the password command failed (exit status %1)</source>
        <translation>der Passwortbefehl ist fehlgeschlagen (Exit-Status %1)</translation>
    </message>
    <message>
        <source>the password file %1 cannot be read</source>
        <translation>die Passwortdatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the password file %1 does not exist</source>
        <translation>die Passwortdatei %1 existiert nicht</translation>
    </message>
    <message>
        <source>the password file %1 cannot be read: %2</source>
        <translation>die Passwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the password file %1 is a folder, not a file</source>
        <translation>die Passwortdatei %1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>the password file %1 is not a regular file</source>
        <translation>die Passwortdatei %1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the password file %1 must belong to you and be readable by you only (chmod 600)</source>
        <translation>die Passwortdatei %1 muss Ihnen gehören und nur für Sie lesbar sein (chmod 600)</translation>
    </message>
</context>
<context>
    <name>PdfCommand</name>
    <message>
        <source>%1 was not written</source>
        <translation>%1 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>Wrote %1: %2 page, %3, %4 bytes</source>
        <translation>%1 geschrieben: %2 Seite, %3, %4 Byte</translation>
    </message>
    <message>
        <source>Wrote %1: %2 pages, %3, %4 bytes</source>
        <translation>%1 geschrieben: %2 Seiten, %3, %4 Byte</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown page size &apos;%1&apos; (one of %2)</source>
        <translation>unbekanntes Papierformat „%1“ (eines von %2)</translation>
    </message>
    <message>
        <source>--fit and --center exclude each other</source>
        <translation>--fit und --center schließen einander aus</translation>
    </message>
    <message>
        <source>--auto-portrait and --no-auto-portrait exclude each other</source>
        <translation>--auto-portrait und --no-auto-portrait schließen einander aus</translation>
    </message>
    <message>
        <source>--ocr needs a language (eng, deu, eng+fra, ...)</source>
        <translation>--ocr braucht eine Sprache (eng, deu, eng+fra, ...)</translation>
    </message>
    <message>
        <source>unknown look &apos;%1&apos; (one of none, grey, bw, colour)</source>
        <translation>unbekannte Darstellung „%1“ (eine von none, grey, bw, colour)</translation>
    </message>
    <message>
        <source>unknown quality &apos;%1&apos; (one of original, email, bw)</source>
        <translation>unbekannte Qualität „%1“ (eine von original, email, bw)</translation>
    </message>
    <message>
        <source>unknown order &apos;%1&apos; (one of name, name-desc, newest, oldest, found)</source>
        <translation>unbekannte Reihenfolge „%1“ (eine von name, name-desc, newest, oldest, found)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>no pictures given</source>
        <translation>keine Bilder angegeben</translation>
    </message>
    <message>
        <source>skipped: no such file</source>
        <translation>übersprungen: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>skipped: not a file</source>
        <translation>übersprungen: keine Datei</translation>
    </message>
    <message>
        <source>skipped: not a picture that can be read</source>
        <translation>übersprungen: kein lesbares Bild</translation>
    </message>
    <message>
        <source>only JPEG, PNG, BMP, TIFF, GIF, WebP and HEIF pictures are drawn; its page is blank</source>
        <translation>nur JPEG-, PNG-, BMP-, TIFF-, GIF-, WebP- und HEIF-Bilder werden gezeichnet; die Seite bleibt leer</translation>
    </message>
    <message>
        <source>could not be decoded; its page is blank</source>
        <translation>konnte nicht dekodiert werden; die Seite bleibt leer</translation>
    </message>
    <message>
        <source>the PDF library could not take it: </source>
        <translation>die PDF-Bibliothek konnte es nicht annehmen: </translation>
    </message>
    <message>
        <source>no text layer: </source>
        <translation>keine Textebene: </translation>
    </message>
    <message>
        <source>the language&apos;s data is not installed</source>
        <translation>die Daten der Sprache sind nicht installiert</translation>
    </message>
    <message>
        <source>the picture could not be decoded</source>
        <translation>das Bild konnte nicht dekodiert werden</translation>
    </message>
    <message>
        <source>recognition failed</source>
        <translation>die Erkennung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Adding pages</source>
        <translation>Seiten hinzufügen</translation>
    </message>
    <message>
        <source>Recognising text</source>
        <translation>Text erkennen</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf, or -o - for standard output)</source>
        <translation>keine Ausgabedatei (-o OUT.pdf, oder -o - für die Standardausgabe)</translation>
    </message>
    <message>
        <source>skipped: cannot be opened: </source>
        <translation>übersprungen: kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>skipped: more than %1 million pixels, larger than any camera&apos;s picture</source>
        <translation>übersprungen: mehr als %1 Millionen Pixel, größer als das Bild jeder Kamera</translation>
    </message>
    <message>
        <source>text recognition has no data for %1 (asked for by the settings RecogniseText and OcrLanguage); the pages get no text layer</source>
        <translation>die Texterkennung hat keine Daten für %1 (verlangt von den Einstellungen RecogniseText und OcrLanguage); die Seiten bekommen keine Textebene</translation>
    </message>
    <message>
        <source>text recognition has no data for %1; the pages get no text layer</source>
        <translation>die Texterkennung hat keine Daten für %1; die Seiten bekommen keine Textebene</translation>
    </message>
    <message>
        <source>no language is installed</source>
        <translation>keine Sprache ist installiert</translation>
    </message>
    <message>
        <source>no language is installed (in TESSDATA_PREFIX, %1)</source>
        <translation>keine Sprache ist installiert (in TESSDATA_PREFIX, %1)</translation>
    </message>
    <message>
        <source>installed: %1</source>
        <translation>installiert: %1</translation>
    </message>
    <message>
        <source>installed: %1 (in TESSDATA_PREFIX, %2)</source>
        <translation>installiert: %1 (in TESSDATA_PREFIX, %2)</translation>
    </message>
    <message>
        <source>install %1 (Debian&apos;s names) or set TESSDATA_PREFIX to a folder that holds %2, or give --ocr with an installed language</source>
        <translation>installieren Sie %1 (Debians Paketnamen) oder setzen Sie TESSDATA_PREFIX auf einen Ordner mit %2, oder geben Sie --ocr mit einer installierten Sprache an</translation>
    </message>
    <message>
        <source>install %1 (Debian&apos;s names) or set TESSDATA_PREFIX to a folder that holds %2</source>
        <translation>installieren Sie %1 (Debians Paketnamen) oder setzen Sie TESSDATA_PREFIX auf einen Ordner mit %2</translation>
    </message>
    <message>
        <source>Page sizes: %1</source>
        <translation>Papierformate: %1</translation>
    </message>
    <message>
        <source>--ocr: no language is installed (Debian&apos;s packages are tesseract-ocr-eng, tesseract-ocr-deu, ...; TESSDATA_PREFIX names another folder).</source>
        <translation>--ocr: keine Sprache ist installiert (Debians Pakete heißen tesseract-ocr-eng, tesseract-ocr-deu, ...; TESSDATA_PREFIX nennt einen anderen Ordner).</translation>
    </message>
    <message>
        <source>--ocr languages: %1.</source>
        <translation>--ocr-Sprachen: %1.</translation>
    </message>
    <message>
        <source>not writing a PDF to a terminal; send standard output to a file or a program, or give -o OUT.pdf</source>
        <translation>kein PDF auf ein Terminal: leiten Sie die Standardausgabe in eine Datei oder ein Programm um, oder geben Sie -o AUS.pdf an</translation>
    </message>
    <message>
        <source>no pictures given (the lists are empty)</source>
        <translation>keine Bilder angegeben (die Listen sind leer)</translation>
    </message>
    <message>
        <source>cannot make a temporary folder in %1: %2</source>
        <translation>kann keinen temporären Ordner in %1 anlegen: %2</translation>
    </message>
    <message>
        <source>cannot read the folder: %1</source>
        <translation>kann den Ordner nicht lesen: %1</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>no picture could be used; nothing was written to standard output</source>
        <translation>kein Bild war verwendbar; nichts wurde auf die Standardausgabe geschrieben</translation>
    </message>
    <message>
        <source>no picture could be used; %1 was not written</source>
        <translation>kein Bild war verwendbar; %1 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>cannot write the PDF for standard output in %1: %2</source>
        <translation>kann das PDF für die Standardausgabe nicht in %1 schreiben: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>could not write the PDF to standard output: %1</source>
        <translation>konnte das PDF nicht auf die Standardausgabe schreiben: %1</translation>
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
        <translation>--fit passt Bilder außer JPEG auf die Seite ein, --center behält ihre Größe, wo
sie passen; JPEG-Bilder werden immer eingepasst (und unverändert eingebettet,
außer --quality sagt anderes). --auto-portrait dreht Querformatbilder im PDF
aufrecht (eine Vierteldrehung gegen den Uhrzeigersinn) und lässt die Dateien,
wie sie sind. Ein ORDNER steht für seine JPEG-, PNG-, BMP-, TIFF-, GIF-, WebP-
und HEIC/HEIF-Bilder (und die seiner Unterordner, wenn Recursive gesetzt ist),
in der mit --order gewählten Reihenfolge: nach Name A-Z oder Z-A, neueste oder
älteste zuerst oder wie gefunden. Ohne Optionen gelten die Einstellungen
PageSize, FitToPage, AutoPortrait, PictureImportOrder und PictureQuality
(„quillmark settings“); „Ask me“ behält hier die gefundene Reihenfolge.
--straighten findet das Blatt in jedem Foto und begradigt es, --enhance gibt
ihm ein Dokumentaussehen (grey, bw: schwarz-weiß, colour); beide arbeiten an
Kopien, die Bilder bleiben, wie sie sind. --quality email verkleinert jedes Bild
auf etwa 150 Pixel je Zoll der Seite und speichert es als kompaktes JPEG, für
ein PDF, das klein genug zum Mailen ist; --quality bw macht jede Seite zu
Schwarz-Weiß-Text in einem Bruchteil der Größe; original (die Vorgabe der
Einstellung PictureQuality) behält die Bytes der Bilder. Eine Liste (@LISTE
oder --files-from LISTE) nennt ein Bild oder einen Ordner je Zeile, bei
relativen Namen vom aktuellen Ordner aus; leere Zeilen werden übersprungen.
</translation>
    </message>
    <message>
        <source>page %1 was left out: it could not be decoded</source>
        <translation>Seite %1 wurde ausgelassen: sie konnte nicht dekodiert werden</translation>
    </message>
    <message>
        <source>page %1 was left out: its copy cannot be written beside the picture (is the folder read-only or full?)</source>
        <translation>Seite %1 wurde ausgelassen: ihre Kopie kann nicht neben dem Bild gespeichert werden (ist der Ordner schreibgeschützt oder voll?)</translation>
    </message>
    <message>
        <source>text recognition is not installed (%1); the pages get no text layer</source>
        <translation>die Texterkennung ist nicht installiert (%1); die Seiten bekommen keine Textebene</translation>
    </message>
    <message>
        <source>install %1 (Debian&apos;s name)</source>
        <translation>installieren Sie %1 (Debians Paketname)</translation>
    </message>
    <message>
        <source>--ocr: text recognition is not installed (%1).</source>
        <translation>--ocr: die Texterkennung ist nicht installiert (%1).</translation>
    </message>
    <message>
        <source>text recognition is not installed</source>
        <translation>die Texterkennung ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>Scanner</name>
    <message>
        <source>the document feeder is empty</source>
        <translation>der Dokumenteneinzug ist leer</translation>
    </message>
    <message>
        <source>SANE could not start: %1</source>
        <translation>SANE konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>kein Fehler</translation>
    </message>
    <message>
        <source>the scanner does not support this</source>
        <translation>der Scanner unterstützt das nicht</translation>
    </message>
    <message>
        <source>the scan was cancelled</source>
        <translation>der Scan wurde abgebrochen</translation>
    </message>
    <message>
        <source>the scanner is busy (another program may be using it)</source>
        <translation>der Scanner ist belegt (vielleicht benutzt ihn ein anderes Programm)</translation>
    </message>
    <message>
        <source>the scanner refused the request</source>
        <translation>der Scanner hat die Anfrage abgelehnt</translation>
    </message>
    <message>
        <source>the scanner sent no more data</source>
        <translation>der Scanner hat keine weiteren Daten gesendet</translation>
    </message>
    <message>
        <source>the document feeder is jammed</source>
        <translation>im Dokumenteneinzug ist ein Papierstau</translation>
    </message>
    <message>
        <source>the scanner&apos;s cover is open</source>
        <translation>der Deckel des Scanners ist offen</translation>
    </message>
    <message>
        <source>the scanner stopped answering (input/output error)</source>
        <translation>der Scanner antwortet nicht mehr (Ein-/Ausgabefehler)</translation>
    </message>
    <message>
        <source>not enough memory for the scan</source>
        <translation>nicht genügend Speicher für den Scan</translation>
    </message>
    <message>
        <source>access to the scanner was denied</source>
        <translation>der Zugriff auf den Scanner wurde verweigert</translation>
    </message>
    <message>
        <source>the scanner&apos;s lamp is warming up</source>
        <translation>die Lampe des Scanners wärmt sich auf</translation>
    </message>
    <message>
        <source>the scanner is locked for transport</source>
        <translation>der Scanner ist für den Transport verriegelt</translation>
    </message>
    <message>
        <source>the scanners could not be listed: %1</source>
        <translation>die Scanner konnten nicht aufgelistet werden: %1</translation>
    </message>
    <message>
        <source>no scanner was found</source>
        <translation>es wurde kein Scanner gefunden</translation>
    </message>
    <message>
        <source>the scanner %1 could not be opened: %2</source>
        <translation>der Scanner %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>no scanner is open</source>
        <translation>kein Scanner ist geöffnet</translation>
    </message>
    <message>
        <source>the scanner %1 has no %2 source (it offers: %3)</source>
        <translation>der Scanner %1 hat keine Quelle %2 (er bietet: %3)</translation>
    </message>
    <message>
        <source>no choice of source</source>
        <translation>keine Wahl der Quelle</translation>
    </message>
    <message>
        <source>the scanner sends its pictures in a form this program cannot read</source>
        <translation>der Scanner sendet seine Bilder in einer Form, die dieses Programm nicht lesen kann</translation>
    </message>
    <message>
        <source>the scanner sent an empty page</source>
        <translation>der Scanner hat eine leere Seite gesendet</translation>
    </message>
    <message>
        <source>the scanner sent colour planes of different sizes</source>
        <translation>der Scanner hat Farbebenen unterschiedlicher Größe gesendet</translation>
    </message>
    <message>
        <source>the scanned page is empty</source>
        <translation>die gescannte Seite ist leer</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>no free name in %1</source>
        <translation>kein freier Name in %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>SANE has ended with the program</source>
        <translation>SANE wurde mit dem Programm beendet</translation>
    </message>
</context>
<context>
    <name>ScannerCommand</name>
    <message>
        <source>Scanning page %1</source>
        <translation>Seite %1 wird gescannt</translation>
    </message>
    <message>
        <source>scanned page %1</source>
        <translation>Seite %1 gescannt</translation>
    </message>
    <message>
        <source>no scanner was found (is it switched on, connected and known to SANE? &apos;scanimage -L&apos; lists what SANE sees)</source>
        <translation>es wurde kein Scanner gefunden (ist er eingeschaltet, angeschlossen und SANE bekannt? „scanimage -L“ listet, was SANE sieht)</translation>
    </message>
    <message>
        <source>stopped before a page was scanned; %1 was not written</source>
        <translation>abgebrochen, bevor eine Seite gescannt war; %1 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>no page was scanned; %1 was not written</source>
        <translation>es wurde keine Seite gescannt; %1 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>stopped; the PDF has the %1 pages scanned before</source>
        <translation>abgebrochen; das PDF enthält die %1 zuvor gescannten Seiten</translation>
    </message>
    <message>
        <source>the scanned pictures are kept in %1</source>
        <translation>die gescannten Bilder bleiben in %1</translation>
    </message>
</context>
<context>
    <name>ScannerScreens</name>
    <message>
        <source>Scanning</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Please wait while the scanner reads the pages</source>
        <translation>Bitte warten Sie, während der Scanner die Seiten einliest</translation>
    </message>
    <message>
        <source>Scanning page %1</source>
        <translation>Seite %1 wird gescannt</translation>
    </message>
    <message>
        <source>%1 page scanned</source>
        <translation>%1 Seite gescannt</translation>
    </message>
    <message>
        <source>%1 pages scanned</source>
        <translation>%1 Seiten gescannt</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Scan cancelled</source>
        <translation>Scan abgebrochen</translation>
    </message>
    <message>
        <source>Scan failed</source>
        <translation>Scan fehlgeschlagen</translation>
    </message>
    <message>
        <source>The scan was cancelled before a page was scanned.</source>
        <translation>Der Scan wurde abgebrochen, bevor eine Seite gescannt war.</translation>
    </message>
    <message>
        <source>The scan was cancelled. The pages scanned before are kept.</source>
        <translation>Der Scan wurde abgebrochen. Die zuvor gescannten Seiten bleiben erhalten.</translation>
    </message>
    <message>
        <source>No page was scanned: %1.</source>
        <translation>Es wurde keine Seite gescannt: %1.</translation>
    </message>
    <message>
        <source>The scan stopped: %1. The pages scanned before are kept.</source>
        <translation>Der Scan wurde beendet: %1. Die zuvor gescannten Seiten bleiben erhalten.</translation>
    </message>
    <message>
        <source>%1, flatbed</source>
        <translation>%1, Flachbett</translation>
    </message>
    <message>
        <source>%1, document feeder</source>
        <translation>%1, Dokumenteneinzug</translation>
    </message>
    <message>
        <source>%1, both sides</source>
        <translation>%1, beidseitig</translation>
    </message>
    <message>
        <source>Take pages from:</source>
        <translation>Seiten von:</translation>
    </message>
    <message>
        <source>Scanner resolution</source>
        <translation>Scannerauflösung</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>Looking for scanners...</source>
        <translation>Scanner werden gesucht...</translation>
    </message>
    <message>
        <source>Scanner colour mode</source>
        <translation>Farbmodus des Scanners</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>no secret store is running; give the account a password command or a password file</source>
        <translation>es läuft kein Schlüsselbund; geben Sie dem Konto einen Passwortbefehl oder eine Passwortdatei</translation>
    </message>
    <message>
        <source>the secret store could not be asked: %1</source>
        <translation>der Schlüsselbund konnte nicht gefragt werden: %1</translation>
    </message>
    <message>
        <source>the secret store holds no password for service %1, account %2</source>
        <translation>der Schlüsselbund hat kein Passwort für Dienst %1, Konto %2</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>--to names no address</source>
        <translation>--to nennt keine Adresse</translation>
    </message>
    <message>
        <source>no account named &apos;%1&apos; (see &apos;quillmark account list&apos;)</source>
        <translation>kein Konto namens „%1“ (siehe „quillmark account list“)</translation>
    </message>
    <message>
        <source>could not send &apos;%1&apos; to &apos;%2&apos;: %3</source>
        <translation>konnte „%1“ nicht an „%2“ senden: %3</translation>
    </message>
    <message>
        <source>the message stays in %1</source>
        <translation>die Nachricht bleibt in %1</translation>
    </message>
    <message>
        <source>queued &apos;%1&apos; to &apos;%2&apos; in the Outbox of %3</source>
        <translation>„%1“ an „%2“ im Postausgang von %3 eingereiht</translation>
    </message>
    <message>
        <source>handed &apos;%1&apos; for &apos;%2&apos; to the desktop&apos;s mail program (not sent yet)</source>
        <translation>„%1“ für „%2“ an das E-Mail-Programm des Desktops übergeben (noch nicht gesendet)</translation>
    </message>
    <message>
        <source>sent &apos;%1&apos; to &apos;%2&apos; through %3</source>
        <translation>„%1“ an „%2“ über %3 gesendet</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>unknown setting &apos;%1&apos; (see &apos;quillmark settings list&apos;)</source>
        <translation>unbekannte Einstellung „%1“ (siehe &apos;quillmark settings list&apos;)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2, not &apos;%3&apos;</source>
        <translation>%1 erwartet eine ganze Zahl von 0 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>%1 erwartet eine ganze Zahl, nicht „%2“</translation>
    </message>
    <message>
        <source>could not write the registry file %1</source>
        <translation>die Registry-Datei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2 or one of %3, not &apos;%4&apos;</source>
        <translation>%1 erwartet eine ganze Zahl von 0 bis %2 oder einen von %3, nicht „%4“</translation>
    </message>
    <message>
        <source>%1 takes a whole number or one of %2, not &apos;%3&apos;</source>
        <translation>%1 erwartet eine ganze Zahl oder einen von %2, nicht „%3“</translation>
    </message>
</context>
<context>
    <name>SmtpTransport</name>
    <message>
        <source>cannot read the queued message %1</source>
        <translation>kann die eingereihte Nachricht %1 nicht lesen</translation>
    </message>
    <message>
        <source>the mail library could not start</source>
        <translation>die E-Mail-Bibliothek konnte nicht starten</translation>
    </message>
    <message>
        <source> (server answered: %1)</source>
        <translation> (der Server antwortete: %1)</translation>
    </message>
    <message>
        <source> (server answered %1)</source>
        <translation> (der Server antwortete %1)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>%s left</source>
        <translation>noch %s</translation>
    </message>
    <message>
        <source>%s passed</source>
        <translation>%s vergangen</translation>
    </message>
    <message>
        <source>%s total</source>
        <translation>%s insgesamt</translation>
    </message>
    <message>
        <source>Loading shell resources...</source>
        <translation>Systemressourcen werden geladen...</translation>
    </message>
    <message>
        <source>byte</source>
        <translation> Byte</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation> Byte</translation>
    </message>
    <message>
        <source>Loading resources, please wait...</source>
        <translation>Ressourcen werden geladen, bitte warten...</translation>
    </message>
    <message>
        <source>Loading shell resources, please wait...</source>
        <translation>Systemressourcen werden geladen, bitte warten...</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Bereit...</translation>
    </message>
    <message>
        <source>Critical application error #%d.</source>
        <translation>Kritischer Programmfehler Nr. %d.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>Version %s</source>
        <translation>Version %s</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Yes to all</source>
        <translation>Ja, alle</translation>
    </message>
    <message>
        <source>No to all</source>
        <translation>Nein, keine</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Don&apos;t show this tip again</source>
        <translation>Diesen Tipp nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>No camera device found. You can still import pictures using the &quot;Add from file&quot; and &quot;Add from folder&quot; menus.</source>
        <translation>Keine Kamera gefunden. Sie können trotzdem Bilder über die Menüs „Aus Datei hinzufügen“ und „Aus Ordner hinzufügen“ importieren.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Keine Kamera gefunden</translation>
    </message>
    <message>
        <source>Scan canceled. Tap &apos;Close&apos; to discard this message.</source>
        <translation>Scannen abgebrochen. Tippen Sie auf „Schließen“, um diese Meldung zu verwerfen.</translation>
    </message>
    <message>
        <source>Scan canceled</source>
        <translation>Scannen abgebrochen</translation>
    </message>
    <message>
        <source>Unsupported scan file format.</source>
        <translation>Nicht unterstütztes Dateiformat des Scans.</translation>
    </message>
    <message>
        <source>Unsuppored file format.</source>
        <translation>Nicht unterstütztes Dateiformat.</translation>
    </message>
    <message>
        <source>Unable to load the scanned image - unsupported file format.</source>
        <translation>Das gescannte Bild kann nicht geladen werden - nicht unterstütztes Dateiformat.</translation>
    </message>
    <message>
        <source>Format not supported</source>
        <translation>Format nicht unterstützt</translation>
    </message>
    <message>
        <source>Unable to load file &apos;%s&apos; - out of memory error. Please free up some memory and try again.</source>
        <translation>Die Datei „%s“ kann nicht geladen werden - nicht genügend Speicher. Bitte geben Sie Speicher frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Out of memory, could not complete operation. Please free up some memory and try again. Tap &apos;Close&apos; to discard this message.</source>
        <translation>Nicht genügend Speicher, der Vorgang konnte nicht abgeschlossen werden. Bitte geben Sie Speicher frei und versuchen Sie es erneut. Tippen Sie auf „Schließen“, um diese Meldung zu verwerfen.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Kritischer Fehler</translation>
    </message>
    <message>
        <source>Could not open the session file for writting. Check if the file is read-only or  locked by another application.</source>
        <translation>Die Sitzungsdatei konnte nicht zum Schreiben geöffnet werden. Prüfen Sie, ob die Datei schreibgeschützt oder von einem anderen Programm gesperrt ist.</translation>
    </message>
    <message>
        <source>Error writting to the session file</source>
        <translation>Fehler beim Schreiben der Sitzungsdatei</translation>
    </message>
    <message>
        <source>Error writting to the session file. Please check if you have enough storage space and try again.</source>
        <translation>Fehler beim Schreiben der Sitzungsdatei. Bitte prüfen Sie, ob genügend Speicherplatz frei ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Could not save the session</source>
        <translation>Die Sitzung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Session file is missing, could not load session. Tap &apos;Close&apos; to discard this message.</source>
        <translation>Die Sitzungsdatei fehlt, die Sitzung konnte nicht geladen werden. Tippen Sie auf „Schließen“, um diese Meldung zu verwerfen.</translation>
    </message>
    <message>
        <source>Could not load session</source>
        <translation>Sitzung konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Could not load the session file - invalid file format.</source>
        <translation>Die Sitzungsdatei konnte nicht geladen werden - ungültiges Dateiformat.</translation>
    </message>
    <message>
        <source>Session error</source>
        <translation>Sitzungsfehler</translation>
    </message>
    <message>
        <source>Error loading the session file - one or more images are missing.</source>
        <translation>Fehler beim Laden der Sitzungsdatei - ein oder mehrere Bilder fehlen.</translation>
    </message>
    <message>
        <source>Missing scan images</source>
        <translation>Gescannte Bilder fehlen</translation>
    </message>
    <message>
        <source>Not enough memory to load all images. Please free up some memory and try again.</source>
        <translation>Nicht genügend Speicher, um alle Bilder zu laden. Bitte geben Sie Speicher frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Could not save the modified image file - check if the file is locked by another application or if you have enough storage space.</source>
        <translation>Die geänderte Bilddatei konnte nicht gespeichert werden - prüfen Sie, ob die Datei von einem anderen Programm gesperrt ist oder ob genügend Speicherplatz frei ist.</translation>
    </message>
    <message>
        <source>Error saving the image</source>
        <translation>Fehler beim Speichern des Bildes</translation>
    </message>
    <message>
        <source>Edit operation failed - not enough memory to complete the operation. Please free up some memory and try again.</source>
        <translation>Bearbeitung fehlgeschlagen - nicht genügend Speicher, um den Vorgang abzuschließen. Bitte geben Sie Speicher frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Save the current session? Tap &apos;Yes&apos; to save it or &apos;No&apos; to cancel.</source>
        <translation>Die aktuelle Sitzung speichern? Tippen Sie auf „Ja“, um sie zu speichern, oder auf „Nein“, um abzubrechen.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Save session?</source>
        <translation>Sitzung speichern?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>Bild löschen?</translation>
    </message>
    <message>
        <source>Do you really wish to remove the image? Tap &apos;Ok&apos; to remove it or &apos;Cancel&apos; to skip.<byte value="xd"/>
<byte value="xd"/>
To delete the image file as well check the &quot;Remove image&quot; option below.</source>
        <translation>Möchten Sie das Bild wirklich entfernen? Tippen Sie auf „OK“, um es zu entfernen, oder auf „Abbruch“, um es zu behalten.<byte value="xd"/>
<byte value="xd"/>
Um auch die Bilddatei zu löschen, wählen Sie unten die Option „Bild entfernen“.</translation>
    </message>
    <message>
        <source>Only remove the image from the list</source>
        <translation>Bild nur aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Remove the image &amp; delete the image file</source>
        <translation>Bild entfernen und Bilddatei löschen</translation>
    </message>
    <message>
        <source>Import file</source>
        <translation>Datei importieren</translation>
    </message>
    <message>
        <source>Please select the file to import</source>
        <translation>Bitte wählen Sie die zu importierende Datei</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Start a new session?</source>
        <translation>Neue Sitzung beginnen?</translation>
    </message>
    <message>
        <source>Starting a new session will erase the current session. Are you sure you want to start a new session?</source>
        <translation>Eine neue Sitzung löscht die aktuelle Sitzung. Möchten Sie wirklich eine neue Sitzung beginnen?</translation>
    </message>
    <message>
        <source>File could not be saved</source>
        <translation>Datei konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Could not save file &apos;%s&apos;. Please check if the file is write-protected or locked by another application.</source>
        <translation>Die Datei „%s“ konnte nicht gespeichert werden. Bitte prüfen Sie, ob die Datei schreibgeschützt oder von einem anderen Programm gesperrt ist.</translation>
    </message>
    <message>
        <source>Would you like to start a new session?<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Yes&apos; to start a new session or &apos;No&apos; to cancel.<byte value="xd"/>
<byte value="xd"/>
Please note that starting a new session will erase the current one.</source>
        <translation>Möchten Sie eine neue Sitzung beginnen?<byte value="xd"/>
<byte value="xd"/>
Tippen Sie auf „Ja“, um eine neue Sitzung zu beginnen, oder auf „Nein“, um abzubrechen.<byte value="xd"/>
<byte value="xd"/>
Bitte beachten Sie, dass eine neue Sitzung die aktuelle löscht.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>No camera detected</source>
        <translation>Keine Kamera erkannt</translation>
    </message>
    <message>
        <source>No supported camera capture device was detected on your device. You won&apos;t be able to scan documents using the built-in camera. You can still make PDF files by importing picture files from the File-&gt;Add menu.</source>
        <translation>Auf Ihrem Gerät wurde keine unterstützte Kamera erkannt. Sie können keine Dokumente mit der eingebauten Kamera scannen. Sie können trotzdem PDF-Dateien erstellen, indem Sie Bilddateien über das Menü Datei-&gt;Hinzufügen importieren.</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Crop image?</source>
        <translation>Bild zuschneiden?</translation>
    </message>
    <message>
        <source>Are you sure you wish to crop the image? Please choose &apos;Yes&apos; to crop the image or &apos;No&apos; to cancel.<byte value="xd"/>
<byte value="xd"/>
Please note that you can always undo your last action by using the Action-&gt;Undo menu command.</source>
        <translation>Möchten Sie das Bild wirklich zuschneiden? Wählen Sie „Ja“, um das Bild zuzuschneiden, oder „Nein“, um abzubrechen.<byte value="xd"/>
<byte value="xd"/>
Sie können Ihren letzten Schritt jederzeit mit dem Menübefehl Aktion-&gt;Rückgängig zurücknehmen.</translation>
    </message>
    <message>
        <source>Discard changes?</source>
        <translation>Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>You have modified the source image. Are you sure you wish to discard the changes?</source>
        <translation>Sie haben das Ausgangsbild geändert. Möchten Sie die Änderungen wirklich verwerfen?</translation>
    </message>
    <message>
        <source>PDF setup</source>
        <translation>PDF einrichten</translation>
    </message>
    <message>
        <source>Configure PDF file properties</source>
        <translation>Eigenschaften der PDF-Datei festlegen</translation>
    </message>
    <message>
        <source>Creating PDF document</source>
        <translation>PDF-Dokument wird erstellt</translation>
    </message>
    <message>
        <source>Please wait while the PDF is being created...</source>
        <translation>Bitte warten Sie, während das PDF erstellt wird...</translation>
    </message>
    <message>
        <source>Step %d of %d...</source>
        <translation>Schritt %d von %d...</translation>
    </message>
    <message>
        <source>Preparing the PDF document...</source>
        <translation>PDF-Dokument wird vorbereitet...</translation>
    </message>
    <message>
        <source>Importing images...</source>
        <translation>Bilder werden importiert...</translation>
    </message>
    <message>
        <source>Adding page %d of %d...</source>
        <translation>Seite %d von %d wird hinzugefügt...</translation>
    </message>
    <message>
        <source>Saving the PDF document...</source>
        <translation>PDF-Dokument wird gespeichert...</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>PDF document created successfully</source>
        <translation>PDF-Dokument erfolgreich erstellt</translation>
    </message>
    <message>
        <source>Successully compiled file &apos;%s&apos; from the selected images...</source>
        <translation>Die Datei „%s“ wurde erfolgreich aus den gewählten Bildern erstellt...</translation>
    </message>
    <message>
        <source>Page %d</source>
        <translation>Seite %d</translation>
    </message>
    <message>
        <source>Move page after</source>
        <translation>Seite verschieben hinter</translation>
    </message>
    <message>
        <source>Select where you wish to move the page</source>
        <translation>Wählen Sie, wohin die Seite verschoben werden soll</translation>
    </message>
    <message>
        <source>Please select the destination page:</source>
        <translation>Bitte wählen Sie die Zielseite:</translation>
    </message>
    <message>
        <source>Move page before</source>
        <translation>Seite verschieben vor</translation>
    </message>
    <message>
        <source>Swap page</source>
        <translation>Seite tauschen</translation>
    </message>
    <message>
        <source>Select the page to swap with</source>
        <translation>Wählen Sie die Seite zum Tauschen</translation>
    </message>
    <message>
        <source>Please select the destination page</source>
        <translation>Bitte wählen Sie die Zielseite</translation>
    </message>
    <message>
        <source>Sent with %s, the pocket document copier by Tessaly.</source>
        <translation>Gesendet mit %s, dem Dokumentkopierer für die Hosentasche von Tessaly.</translation>
    </message>
    <message>
        <source>Emailing: %s</source>
        <translation>E-Mail: %s</translation>
    </message>
    <message>
        <source>Could not send mail</source>
        <translation>E-Mail konnte nicht gesendet werden</translation>
    </message>
    <message>
        <source>Could not send file &apos;%s&apos; to &apos;%s&apos;. Please check whether your mail account is configured and that you are able to send emails and try again.</source>
        <translation>Die Datei „%s“ konnte nicht an „%s“ gesendet werden. Bitte prüfen Sie, ob Ihr E-Mail-Konto eingerichtet ist und Sie E-Mails senden können, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Email sent</source>
        <translation>E-Mail gesendet</translation>
    </message>
    <message>
        <source>File &apos;%s&apos; successfully sent to &apos;%s&apos; via email.</source>
        <translation>Die Datei „%s“ wurde erfolgreich per E-Mail an „%s“ gesendet.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Send file via email</source>
        <translation>Datei per E-Mail senden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>PDF library</source>
        <translation>PDF-Bibliothek</translation>
    </message>
    <message>
        <source>Available PDF files on your device</source>
        <translation>PDF-Dateien auf Ihrem Gerät</translation>
    </message>
    <message>
        <source>Could not open file</source>
        <translation>Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Could not open PDF file &apos;%s&apos;. Please check if you have a PDF file reader installed on your device.</source>
        <translation>Die PDF-Datei „%s“ konnte nicht geöffnet werden. Bitte prüfen Sie, ob auf Ihrem Gerät ein Programm zum Anzeigen von PDF-Dateien installiert ist.</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>View or share the new PDF?</source>
        <translation>Neues PDF ansehen oder teilen?</translation>
    </message>
    <message>
        <source>Would you like to view the PDF file or send it by email? Please tap &quot;Open&apos; to view the file with your default PDF viewer or &apos;Share&apos; to send it to an email address.</source>
        <translation>Möchten Sie die PDF-Datei ansehen oder per E-Mail senden? Tippen Sie auf „Öffnen“, um die Datei in Ihrem PDF-Betrachter anzuzeigen, oder auf „Teilen“, um sie an eine E-Mail-Adresse zu senden.</translation>
    </message>
    <message>
        <source>Could not import image</source>
        <translation>Bild konnte nicht importiert werden</translation>
    </message>
    <message>
        <source>Error importing image file &apos;%s&apos;. Please check if the image file is valid.</source>
        <translation>Fehler beim Importieren der Bilddatei „%s“. Bitte prüfen Sie, ob die Bilddatei gültig ist.</translation>
    </message>
    <message>
        <source>PDF creation aborted.</source>
        <translation>PDF-Erstellung abgebrochen.</translation>
    </message>
    <message>
        <source>User abort</source>
        <translation>Vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>Sort order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Please choose the order of imported pictures</source>
        <translation>Bitte wählen Sie die Reihenfolge der importierten Bilder</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Please select a contact</source>
        <translation>Bitte wählen Sie einen Kontakt</translation>
    </message>
    <message>
        <source>Camera resolution</source>
        <translation>Kameraauflösung</translation>
    </message>
    <message>
        <source>Configure your camera resolution</source>
        <translation>Auflösung Ihrer Kamera einstellen</translation>
    </message>
    <message>
        <source>Choose contact email</source>
        <translation>E-Mail-Adresse wählen</translation>
    </message>
    <message>
        <source>Please select the email address to use</source>
        <translation>Bitte wählen Sie die zu verwendende E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Available contact email addresses:</source>
        <translation>E-Mail-Adressen des Kontakts:</translation>
    </message>
    <message>
        <source>Contact %s has more than 1 email addresses. Please choose the one you wish to use.</source>
        <translation>Der Kontakt %s hat mehr als eine E-Mail-Adresse. Bitte wählen Sie die gewünschte aus.</translation>
    </message>
    <message>
        <source>Email account</source>
        <translation>E-Mail-Konto</translation>
    </message>
    <message>
        <source>Please choose the email account to use</source>
        <translation>Bitte wählen Sie das zu verwendende E-Mail-Konto</translation>
    </message>
    <message>
        <source>Available email accounts:</source>
        <translation>Verfügbare E-Mail-Konten:</translation>
    </message>
    <message>
        <source>Please choose the email account to use for sending the document from the list.</source>
        <translation>Bitte wählen Sie aus der Liste das E-Mail-Konto, mit dem das Dokument gesendet werden soll.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Image processing settings</source>
        <translation>Einstellungen der Bildverarbeitung</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>Center inside page</source>
        <translation>Auf der Seite zentrieren</translation>
    </message>
    <message>
        <source>PDF Settings</source>
        <translation>PDF-Einstellungen</translation>
    </message>
    <message>
        <source>Output PDF file configuration</source>
        <translation>Einstellungen der erzeugten PDF-Datei</translation>
    </message>
    <message>
        <source>Misc settings</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Miscellaneous settings</source>
        <translation>Weitere Einstellungen</translation>
    </message>
    <message>
        <source>%s: a document page in a camera frame</source>
        <translation>%s: eine Dokumentseite im Kamerarahmen</translation>
    </message>
    <message>
        <source>%s logo</source>
        <translation>Logo von %s</translation>
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
        <translation>PDF erstellen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Aktuelle Seite</translation>
    </message>
    <message>
        <source>No pages</source>
        <translation>Keine Seiten</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Seite %d von %d</translation>
    </message>
    <message>
        <source>Blank page</source>
        <translation>Leere Seite</translation>
    </message>
    <message>
        <source>Press Enter to edit the page</source>
        <translation>Drücken Sie die Eingabetaste, um die Seite zu bearbeiten</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Seite:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Scan...</source>
        <translation>Scannen...</translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation>Aus Datei hinzufügen...</translation>
    </message>
    <message>
        <source>Add from folder...</source>
        <translation>Aus Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Add blank page</source>
        <translation>Leere Seite hinzufügen</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Swap with page...</source>
        <translation>Mit Seite tauschen...</translation>
    </message>
    <message>
        <source>Move before page...</source>
        <translation>Vor Seite verschieben...</translation>
    </message>
    <message>
        <source>Move after page...</source>
        <translation>Hinter Seite verschieben...</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>File import</source>
        <translation>Dateiimport</translation>
    </message>
    <message>
        <source>Image embedding</source>
        <translation>Bildeinbettung</translation>
    </message>
    <message>
        <source>PDF output</source>
        <translation>PDF-Ausgabe</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Weiteres</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Create PDF...</source>
        <translation>PDF erstellen...</translation>
    </message>
    <message>
        <source>New session...</source>
        <translation>Neue Sitzung...</translation>
    </message>
    <message>
        <source>Library...</source>
        <translation>Bibliothek...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Der Datenträger war beim Zugriff auf %1 voll.</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Viewfinder</source>
        <translation>Sucher</translation>
    </message>
    <message>
        <source>Live picture of the camera. Press Enter or Space to take the picture, Escape to cancel.</source>
        <translation>Livebild der Kamera. Drücken Sie die Eingabe- oder Leertaste, um das Bild aufzunehmen, oder Escape, um abzubrechen.</translation>
    </message>
    <message>
        <source>Starting the camera...</source>
        <translation>Kamera wird gestartet...</translation>
    </message>
    <message>
        <source>Saving the picture...</source>
        <translation>Bild wird gespeichert...</translation>
    </message>
    <message>
        <source>Takes the picture</source>
        <translation>Nimmt das Bild auf</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Mein Gerät</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Current folder</source>
        <translation>Aktueller Ordner</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Please choose the order in which picture files should be imported:</source>
        <translation>Bitte wählen Sie, in welcher Reihenfolge Bilddateien importiert werden sollen:</translation>
    </message>
    <message>
        <source>Sort by file name, ascending</source>
        <translation>Nach Dateiname, aufsteigend</translation>
    </message>
    <message>
        <source>Sort by file name, descending</source>
        <translation>Nach Dateiname, absteigend</translation>
    </message>
    <message>
        <source>Sort by file date, ascending</source>
        <translation>Nach Dateidatum, aufsteigend</translation>
    </message>
    <message>
        <source>Sort by file date, descending</source>
        <translation>Nach Dateidatum, absteigend</translation>
    </message>
    <message>
        <source>No sorting</source>
        <translation>Nicht sortieren</translation>
    </message>
    <message>
        <source>Ask me</source>
        <translation>Jedes Mal fragen</translation>
    </message>
    <message>
        <source>When scanning, try to force the following camera resolution (make sure your camera supports it):</source>
        <translation>Beim Scannen diese Kameraauflösung erzwingen (Ihre Kamera muss sie unterstützen):</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>2 Megapixles</source>
        <translation>2 Megapixel</translation>
    </message>
    <message>
        <source>3.2 Megapixles</source>
        <translation>3,2 Megapixel</translation>
    </message>
    <message>
        <source>5 Megapixles</source>
        <translation>5 Megapixel</translation>
    </message>
    <message>
        <source>Embedded image scaling:</source>
        <translation>Skalierung eingebetteter Bilder:</translation>
    </message>
    <message>
        <source>Auto-portrait images</source>
        <translation>Bilder automatisch hochkant</translation>
    </message>
    <message>
        <source>Output paper size:</source>
        <translation>Papierformat:</translation>
    </message>
    <message>
        <source>Ask to share/view after creating a PDF</source>
        <translation>Teilen/Ansehen des PDFs anbieten</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Tabloid</source>
        <translation>Tabloid</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Postkarte</translation>
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
        <translation>Drehen</translation>
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
        <translation>Bild zuschneiden</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>90 CW</source>
        <translation>90° rechts</translation>
    </message>
    <message>
        <source>90 CCW</source>
        <translation>90° links</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Page picture</source>
        <translation>Seitenbild</translation>
    </message>
    <message>
        <source>Arrow keys scroll the picture. Drag across it, or hold Shift with the arrow keys, to draw the crop frame; Ctrl with the arrow keys moves the frame.</source>
        <translation>Die Pfeiltasten verschieben das Bild. Ziehen Sie über das Bild oder halten Sie die Umschalttaste mit den Pfeiltasten, um den Zuschneiderahmen aufzuziehen; Strg mit den Pfeiltasten verschiebt den Rahmen.</translation>
    </message>
    <message>
        <source>Edit image</source>
        <translation>Bild bearbeiten</translation>
    </message>
    <message>
        <source>Scroll across the picture</source>
        <translation>Bild waagerecht verschieben</translation>
    </message>
    <message>
        <source>Scroll up and down the picture</source>
        <translation>Bild senkrecht verschieben</translation>
    </message>
    <message>
        <source>Straighten...</source>
        <translation>Begradigen...</translation>
    </message>
    <message>
        <source>Enhance</source>
        <translation>Verbessern</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Colour document</source>
        <translation>Farbdokument</translation>
    </message>
    <message>
        <source>Straighten page</source>
        <translation>Seite begradigen</translation>
    </message>
    <message>
        <source>Page corners</source>
        <translation>Seitenecken</translation>
    </message>
    <message>
        <source>Drag each handle onto a corner of the page. Tab picks a corner, the arrow keys move it; hold Shift for larger steps.</source>
        <translation>Ziehen Sie jeden Griff auf eine Ecke der Seite. Die Tabulatortaste wählt eine Ecke, die Pfeiltasten verschieben sie; halten Sie die Umschalttaste für größere Schritte.</translation>
    </message>
    <message>
        <source>Top-left corner</source>
        <translation>Ecke oben links</translation>
    </message>
    <message>
        <source>Top-right corner</source>
        <translation>Ecke oben rechts</translation>
    </message>
    <message>
        <source>Bottom-right corner</source>
        <translation>Ecke unten rechts</translation>
    </message>
    <message>
        <source>Bottom-left corner</source>
        <translation>Ecke unten links</translation>
    </message>
    <message>
        <source>Straighten pages automatically</source>
        <translation>Seiten automatisch begradigen</translation>
    </message>
    <message>
        <source>Enhance new pages:</source>
        <translation>Neue Seiten verbessern:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Store - invalid cValues!</source>
        <translation>Ablage - ungültige cValues!</translation>
    </message>
    <message>
        <source>Store missing PR_ENTRYID!</source>
        <translation>Ablage ohne PR_ENTRYID!</translation>
    </message>
    <message>
        <source>email address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>Message body:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Pick contact</source>
        <translation>Kontakt wählen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>File &apos;%s&apos; successfully sent to &apos;%s&apos; via email. Please synchronize your queue-only mail store to finalize the delivery to the recepient.</source>
        <translation>Die Datei „%s“ wurde erfolgreich per E-Mail an „%s“ gesendet. Bitte synchronisieren Sie Ihre Nur-Warteschlange-Mailablage, damit die Nachricht den Empfänger erreicht.</translation>
    </message>
    <message>
        <source>Email handed over</source>
        <translation>E-Mail übergeben</translation>
    </message>
    <message>
        <source>File &apos;%s&apos; was handed to your desktop&apos;s mail program for &apos;%s&apos;. It is not sent yet: please send it from there.</source>
        <translation>Die Datei „%s“ wurde dem E-Mail-Programm Ihres Desktops für „%s“ übergeben. Sie ist noch nicht gesendet: Bitte senden Sie sie von dort.</translation>
    </message>
    <message>
        <source>Could not send file &apos;%s&apos; to &apos;%s&apos;. Please check whether your desktop&apos;s mail program is configured and that you are able to send emails and try again.</source>
        <translation>Die Datei „%s“ konnte nicht an „%s“ gesendet werden. Bitte prüfen Sie, ob das E-Mail-Programm Ihres Desktops eingerichtet ist und Sie E-Mails senden können, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Could not send file &apos;%s&apos; to &apos;%s&apos;. Please check whether your queue-only mail store is configured and that you are able to send emails and try again.</source>
        <translation>Die Datei „%s“ konnte nicht an „%s“ gesendet werden. Bitte prüfen Sie, ob Ihre Nur-Warteschlange-Mailablage eingerichtet ist und Sie E-Mails senden können, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No mail account is set up. Add one with &apos;quillmark account add&apos; (see the README).</source>
        <translation>Es ist kein E-Mail-Konto eingerichtet. Legen Sie eines mit „quillmark account add“ an (siehe README).</translation>
    </message>
    <message>
        <source>The mail server answered: %s</source>
        <translation>Der Mailserver antwortete: %s</translation>
    </message>
    <message>
        <source>The password could not be found: %s</source>
        <translation>Das Passwort wurde nicht gefunden: %s</translation>
    </message>
    <message>
        <source>The desktop&apos;s mail program did not take the message: %s</source>
        <translation>Das E-Mail-Programm des Desktops hat die Nachricht nicht angenommen: %s</translation>
    </message>
    <message>
        <source>Reason: %s</source>
        <translation>Grund: %s</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>a picture changed or went away while the PDF was made</source>
        <translation>ein Bild wurde während der PDF-Erstellung geändert oder entfernt</translation>
    </message>
    <message>
        <source>writing failed (disk full?)</source>
        <translation>Schreiben fehlgeschlagen (Datenträger voll?)</translation>
    </message>
    <message>
        <source>a JPEG form the PDF library does not take</source>
        <translation>eine JPEG-Variante, die die PDF-Bibliothek nicht annimmt</translation>
    </message>
    <message>
        <source>not a JPEG file, whatever its name says</source>
        <translation>keine JPEG-Datei, auch wenn der Name es sagt</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>PDF library error 0x%s</source>
        <translation>Fehler 0x%s der PDF-Bibliothek</translation>
    </message>
    <message>
        <source>Could not complete the PDF document: %s. Tap &apos;Close&apos; to discard this message.</source>
        <translation>Das PDF-Dokument konnte nicht fertiggestellt werden: %s. Tippen Sie auf „Schließen“, um diese Meldung zu verwerfen.</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Recognising text on page %d of %d...</source>
        <translation>Text auf Seite %d von %d wird erkannt...</translation>
    </message>
    <message>
        <source>Recognise text (OCR)</source>
        <translation>Text erkennen (OCR)</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Pictures in the PDF:</source>
        <translation>Bilder im PDF:</translation>
    </message>
    <message>
        <source>Original pictures</source>
        <translation>Originalbilder</translation>
    </message>
    <message>
        <source>Smaller, for e-mail</source>
        <translation>Kleiner, für E-Mail</translation>
    </message>
    <message>
        <source>Smallest, black and white text</source>
        <translation>Am kleinsten, Text in Schwarzweiß</translation>
    </message>
    <message>
        <source>Attachment: %s (%s)</source>
        <translation>Anhang: %s (%s)</translation>
    </message>
    <message>
        <source>Large attachment</source>
        <translation>Großer Anhang</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is %s, more than many mail servers accept. Tap &apos;Yes&apos; to send a copy with smaller pictures, or &apos;No&apos; to send the file as it is. The file itself stays unchanged.</source>
        <translation>„%s“ ist %s groß, mehr als viele Mailserver annehmen. Tippen Sie auf „Ja“, um eine Kopie mit kleineren Bildern zu senden, oder auf „Nein“, um die Datei unverändert zu senden. Die Datei selbst bleibt unverändert.</translation>
    </message>
    <message>
        <source>Smaller copy</source>
        <translation>Kleinere Kopie</translation>
    </message>
    <message>
        <source>Please wait while a smaller copy is made</source>
        <translation>Bitte warten Sie, während eine kleinere Kopie erstellt wird</translation>
    </message>
    <message>
        <source>Making picture %d of %d smaller...</source>
        <translation>Bild %d von %d wird verkleinert...</translation>
    </message>
    <message>
        <source>Could not make a smaller copy of &apos;%s&apos;: only PDF documents made by this program can be made smaller. The file will be sent as it is.</source>
        <translation>Von „%s“ konnte keine kleinere Kopie erstellt werden: Nur PDF-Dokumente, die mit diesem Programm erstellt wurden, lassen sich verkleinern. Die Datei wird unverändert gesendet.</translation>
    </message>
    <message>
        <source>The pictures of &apos;%s&apos; cannot be made any smaller. The file will be sent as it is.</source>
        <translation>Die Bilder von „%s“ lassen sich nicht weiter verkleinern. Die Datei wird unverändert gesendet.</translation>
    </message>
    <message>
        <source>Could not make a smaller copy of &apos;%s&apos;: %s. The file will be sent as it is.</source>
        <translation>Von „%s“ konnte keine kleinere Kopie erstellt werden: %s. Die Datei wird unverändert gesendet.</translation>
    </message>
    <message>
        <source>All Files|*.*|</source>
        <translation>Alle Dateien|*.*|</translation>
    </message>
    <message>
        <source>All Folders</source>
        <translation>Alle Ordner</translation>
    </message>
    <message>
        <source>\My Documents</source>
        <translation>\Eigene Dateien</translation>
    </message>
    <message>
        <source>Finished searching the document!</source>
        <translation>Das Dokument wurde vollständig durchsucht!</translation>
    </message>
    <message>
        <source>No matching item found!</source>
        <translation>Kein passendes Element gefunden!</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Picture of %d x %d pixels</source>
        <translation>Bild mit %d x %d Pixeln</translation>
    </message>
    <message>
        <source>crop frame of %d x %d pixels from %d, %d</source>
        <translation>Zuschneiderahmen mit %d x %d Pixeln ab %d, %d</translation>
    </message>
    <message>
        <source>no crop frame</source>
        <translation>kein Zuschneiderahmen</translation>
    </message>
    <message>
        <source>Could not open the help page &apos;%s&apos;. Please check if you have a web browser installed on your device.</source>
        <translation>Die Hilfeseite „%s“ konnte nicht geöffnet werden. Bitte prüfen Sie, ob auf Ihrem Gerät ein Webbrowser installiert ist.</translation>
    </message>
    <message>
        <source>Restore session</source>
        <translation>Sitzung wiederherstellen</translation>
    </message>
    <message>
        <source>Restore the last session?</source>
        <translation>Letzte Sitzung wiederherstellen?</translation>
    </message>
    <message>
        <source>The program was not ended with Exit last time, and the session of %d pages was kept.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Yes&apos; to restore the pages or &apos;No&apos; to start an empty session.</source>
        <translation>Das Programm wurde beim letzten Mal nicht mit „Beenden“ geschlossen, und die Sitzung mit %d Seiten wurde aufbewahrt.<byte value="xd"/>
<byte value="xd"/>
Tippen Sie auf „Ja“, um die Seiten wiederherzustellen, oder auf „Nein“, um mit einer leeren Sitzung zu beginnen.</translation>
    </message>
    <message>
        <source>The program was not ended with Exit last time, and the session of one page was kept.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Yes&apos; to restore the page or &apos;No&apos; to start an empty session.</source>
        <translation>Das Programm wurde beim letzten Mal nicht mit „Beenden“ geschlossen, und die Sitzung mit einer Seite wurde aufbewahrt.<byte value="xd"/>
<byte value="xd"/>
Tippen Sie auf „Ja“, um die Seite wiederherzustellen, oder auf „Nein“, um mit einer leeren Sitzung zu beginnen.</translation>
    </message>
    <message>
        <source>Some pages were left out</source>
        <translation>Einige Seiten wurden ausgelassen</translation>
    </message>
    <message>
        <source>These pictures no longer exist or cannot be read, so their pages were left out:<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to discard this message.</source>
        <translation>Diese Bilder gibt es nicht mehr oder sie können nicht gelesen werden, daher wurden ihre Seiten ausgelassen:<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tippen Sie auf „Schließen“, um diese Meldung zu verwerfen.</translation>
    </message>
    <message>
        <source>The last session cannot be restored</source>
        <translation>Die letzte Sitzung kann nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>The record of the last session is damaged, so its pages cannot be restored. It was kept as &apos;%s&apos;.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to start an empty session.</source>
        <translation>Die Aufzeichnung der letzten Sitzung ist beschädigt, daher können ihre Seiten nicht wiederhergestellt werden. Sie wurde als „%s“ aufbewahrt.<byte value="xd"/>
<byte value="xd"/>
Tippen Sie auf „Schließen“, um mit einer leeren Sitzung zu beginnen.</translation>
    </message>
    <message>
        <source>The record of the last session was written by a newer version of the program and cannot be read by this one. It was kept as &apos;%s&apos;.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to start an empty session.</source>
        <translation>Die Aufzeichnung der letzten Sitzung stammt von einer neueren Version des Programms und kann von dieser nicht gelesen werden. Sie wurde als „%s“ aufbewahrt.<byte value="xd"/>
<byte value="xd"/>
Tippen Sie auf „Schließen“, um mit einer leeren Sitzung zu beginnen.</translation>
    </message>
    <message>
        <source>Not every page of these pictures could be imported, as copies of their pages cannot be written beside them. Please check if the folder is write-protected or the storage is full.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to discard this message.</source>
        <translation>Nicht jede Seite dieser Bilder konnte importiert werden, da Kopien ihrer Seiten nicht neben ihnen gespeichert werden können. Bitte prüfen Sie, ob der Ordner schreibgeschützt oder der Speicher voll ist.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tippen Sie auf „Schließen“, um diese Meldung zu verwerfen.</translation>
    </message>
    <message>
        <source>Not every page of these pictures could be imported, as some of their pages cannot be read. Please check if the image files are valid.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to discard this message.</source>
        <translation>Nicht jede Seite dieser Bilder konnte importiert werden, da einige ihrer Seiten nicht gelesen werden können. Bitte prüfen Sie, ob die Bilddateien gültig sind.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tippen Sie auf „Schließen“, um diese Meldung zu verwerfen.</translation>
    </message>
</context>
</TS>
