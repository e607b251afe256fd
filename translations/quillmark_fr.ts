<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccountCommand</name>
    <message>
        <source>queue only (Outbox)</source>
        <translation>file d&apos;attente seulement (boîte d&apos;envoi)</translation>
    </message>
    <message>
        <source>desktop mail program</source>
        <translation>logiciel de messagerie du bureau</translation>
    </message>
    <message>
        <source>%1 via %2:%3 %4</source>
        <translation>%1 via %2:%3 %4</translation>
    </message>
    <message>
        <source>, user %1, password from command</source>
        <translation>, utilisateur %1, mot de passe par commande</translation>
    </message>
    <message>
        <source>, user %1, password from file %2</source>
        <translation>, utilisateur %1, mot de passe du fichier %2</translation>
    </message>
    <message>
        <source>, user %1, password from secret store</source>
        <translation>, utilisateur %1, mot de passe du trousseau</translation>
    </message>
    <message>
        <source> (sent unencrypted)</source>
        <translation> (envoyé sans chiffrement)</translation>
    </message>
    <message>
        <source>, trusts %1</source>
        <translation>, fait confiance à %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>a password never goes on the command line (others can read it there); use --password-command, --password-file or the desktop&apos;s secret store</source>
        <translation>un mot de passe ne va jamais sur la ligne de commande (d&apos;autres peuvent l&apos;y lire)&#xa0;; utilisez --password-command, --password-file ou le trousseau du bureau</translation>
    </message>
    <message>
        <source>--port takes 1 to 65535, not &apos;%1&apos;</source>
        <translation>--port attend 1 à 65535, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--security takes none, starttls or tls, not &apos;%1&apos;</source>
        <translation>--security attend none, starttls ou tls, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--sync, --desktop and the SMTP options exclude each other</source>
        <translation>--sync, --desktop et les options SMTP s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>give --password-command or --password-file, not both</source>
        <translation>indiquez --password-command ou --password-file, pas les deux</translation>
    </message>
    <message>
        <source>a password needs a --user</source>
        <translation>un mot de passe nécessite un --user</translation>
    </message>
    <message>
        <source>the certificate file %1 is a folder, not a file</source>
        <translation>le fichier de certificat %1 est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>the certificate file %1 does not exist</source>
        <translation>le fichier de certificat %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>warning: with --security none the password of %1 goes to %2 unencrypted, readable on the way; use --security starttls or tls unless the server runs on this machine</source>
        <translation>attention&#xa0;: avec --security none, le mot de passe de %1 part vers %2 sans chiffrement, lisible en chemin&#xa0;; utilisez --security starttls ou tls, sauf si le serveur tourne sur cette machine</translation>
    </message>
    <message>
        <source>the registry file could not be written</source>
        <translation>le fichier de registre n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>no account named &apos;%1&apos; (see &apos;quillmark account list&apos;)</source>
        <translation>aucun compte nommé «&#xa0;%1&#xa0;» (voir «&#xa0;quillmark account list&#xa0;»)</translation>
    </message>
</context>
<context>
    <name>AccountStore</name>
    <message>
        <source>an account needs a name</source>
        <translation>un compte a besoin d&apos;un nom</translation>
    </message>
    <message>
        <source>the account name is too long</source>
        <translation>le nom du compte est trop long</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>sender address</source>
        <translation>adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>server</source>
        <translation>serveur</translation>
    </message>
    <message>
        <source>user</source>
        <translation>utilisateur</translation>
    </message>
    <message>
        <source>password command</source>
        <translation>commande du mot de passe</translation>
    </message>
    <message>
        <source>password file</source>
        <translation>fichier du mot de passe</translation>
    </message>
    <message>
        <source>certificate file</source>
        <translation>fichier de certificat</translation>
    </message>
    <message>
        <source>the %1 holds a line break or another control character</source>
        <translation>le champ «&#xa0;%1&#xa0;» contient un saut de ligne ou un autre caractère de contrôle</translation>
    </message>
    <message>
        <source>a queue-only store is named %1; only that name is offered for sending</source>
        <translation>une boîte d&apos;envoi en file d&apos;attente s&apos;appelle %1&#xa0;; seul ce nom est proposé pour l&apos;envoi</translation>
    </message>
    <message>
        <source>the sender address &apos;%1&apos; is not an e-mail address</source>
        <translation>l&apos;adresse de l&apos;expéditeur «&#xa0;%1&#xa0;» n&apos;est pas une adresse e-mail</translation>
    </message>
    <message>
        <source>an SMTP account needs a server (--host)</source>
        <translation>un compte SMTP a besoin d&apos;un serveur (--host)</translation>
    </message>
    <message>
        <source>the port must be between 1 and 65535</source>
        <translation>le port doit être compris entre 1 et 65535</translation>
    </message>
    <message>
        <source>an account named &apos;%1&apos; already exists</source>
        <translation>un compte nommé «&#xa0;%1&#xa0;» existe déjà</translation>
    </message>
    <message>
        <source>the registry file %1 could not be written</source>
        <translation>le fichier de registre %1 n&apos;a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>--screen takes WIDTHxHEIGHT, for example 480x640, not &apos;%1&apos;</source>
        <translation>--screen attend LARGEURxHAUTEUR, par exemple 480x640, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Essayez «&#xa0;quillmark --help&#xa0;».</translation>
    </message>
    <message>
        <source>e-mail FILE as an attachment (ADDRS separated by spaces or &apos;;&apos;; see &apos;account list&apos;)</source>
        <translation>envoyer FICHIER en pièce jointe par e-mail (ADRESSES séparées par des espaces ou &apos;;&apos; ; voir &apos;account list&apos;)</translation>
    </message>
    <message>
        <source>set up the e-mail accounts (passwords come from the secret store, a command or a private file) and the folder of vCard contacts</source>
        <translation>configurer les comptes de messagerie (les mots de passe viennent du trousseau, d&apos;une commande ou d&apos;un fichier privé) et le dossier des contacts vCard</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (and no file of that name)</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;» (et aucun fichier de ce nom)</translation>
    </message>
    <message>
        <source>--screenshots takes no pictures</source>
        <translation>--screenshots ne prend pas d&apos;images</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>Commands (&apos;quillmark COMMAND --help&apos; tells more of each):</source>
        <translation>Commandes («&#xa0;quillmark COMMANDE --help&#xa0;» en dit plus sur chacune)&#xa0;:</translation>
    </message>
    <message>
        <source>Environment:
  QUILLMARK_HOME   folder for the registry, log, session and undo files
  QUILLMARK_CAMERA GStreamer source of the camera (&apos;none&apos; for no camera)
  TESSDATA_PREFIX  folder of the text recognition languages (*.traineddata)
</source>
        <translation>Environnement&#xa0;:
  QUILLMARK_HOME   dossier du registre, journal, session et annulations
  QUILLMARK_CAMERA source GStreamer de l&apos;appareil photo («&#xa0;none&#xa0;»&#xa0;: aucun)
  TESSDATA_PREFIX  dossier des langues de la reconnaissance (*.traineddata)
</translation>
    </message>
    <message>
        <source>usage: </source>
        <translation>utilisation&#xa0;: </translation>
    </message>
    <message>
        <source>show or change the settings (NAME as in the registry, e.g. PageSize or SCAN_SETTINGS/PageSize)</source>
        <translation>afficher ou modifier les paramètres (NOM comme dans le registre, p. ex. PageSize ou SCAN_SETTINGS/PageSize)</translation>
    </message>
    <message>
        <source>the PDF to write (also --output OUT.pdf), replaced only by a complete one; with -o - the PDF goes to standard output and messages stay on standard error</source>
        <translation>le PDF à écrire (aussi --output SORTIE.pdf), remplacé seulement par un PDF complet&#xa0;; avec -o - le PDF va sur la sortie standard et les messages restent sur la sortie d&apos;erreur</translation>
    </message>
    <message>
        <source>the paper (see the page sizes below)</source>
        <translation>le papier (voir les formats ci-dessous)</translation>
    </message>
    <message>
        <source>turn landscape pictures upright in the PDF, or leave them as they are</source>
        <translation>redresser les images en paysage dans le PDF, ou les laisser telles quelles</translation>
    </message>
    <message>
        <source>the order of the pictures of a folder</source>
        <translation>l&apos;ordre des images d&apos;un dossier</translation>
    </message>
    <message>
        <source>recognise the text in language LANG (eng, deu, eng+fra, ...) and lay it invisibly over each page, so that the PDF can be searched</source>
        <translation>reconnaître le texte dans la langue LANG (eng, deu, eng+fra, ...) et le poser invisible sur chaque page, pour que le PDF soit consultable</translation>
    </message>
    <message>
        <source>find the sheet in each photo and flatten it</source>
        <translation>trouver la feuille dans chaque photo et la redresser</translation>
    </message>
    <message>
        <source>give each page a document look</source>
        <translation>donner à chaque page un aspect de document</translation>
    </message>
    <message>
        <source>take pictures and folders from FILE, one per line, or from standard input when FILE is -; @FILE among the pictures does the same</source>
        <translation>prendre les images et dossiers dans FICHIER, un par ligne, ou sur l&apos;entrée standard si FICHIER est -&#xa0;; @FICHIER parmi les images fait de même</translation>
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
        <translation>Utilisation&#xa0;: quillmark [OPTIONS] [--] [IMAGE...]
              quillmark [OPTIONS] COMMANDE [ARGUMENTS]

Sans commande, lance le copieur de documents dans sa fenêtre d&apos;appareil&#xa0;; les
IMAGEs deviennent des pages dans l&apos;ordre donné. Si le programme tourne déjà
pour le même dossier de données, elles vont plutôt à sa fenêtre. Utilisez --
(ou un chemin comme ./pdf) pour une image nommée comme une commande.

Options&#xa0;:
  -h, --help            afficher cette aide et quitter
  -V, --version         afficher la version et quitter
      --screen LxH      fixer la fenêtre à cette taille (sinon&#xa0;: plein écran sur
                        un téléphone, une fenêtre redimensionnable de 480x640
                        sur un ordinateur&#xa0;; 240x320 donne l&apos;aspect petit écran)
      --landscape       démarrer avec l&apos;appareil tourné sur le côté
      --log             écrire chaque entrée du journal dans Quillmark.log
                        (aussi QUILLMARK_LOG=1)
      --screenshots DOSSIER parcourir les écrans sans affichage, un PNG chacun
                        dans DOSSIER
</translation>
    </message>
    <message>
        <source>scale pictures other than JPEG to the page, or keep their size where they fit</source>
        <translation>adapter à la page les images autres que JPEG, ou garder leur taille quand elles tiennent</translation>
    </message>
    <message>
        <source>make one PDF from picture files and folders, one page each (defaults from the settings PageSize, FitToPage, AutoPortrait, Recursive, PictureImportOrder and PictureQuality)</source>
        <translation>créer un PDF à partir de fichiers d&apos;images et de dossiers, une page par image (valeurs par défaut des paramètres PageSize, FitToPage, AutoPortrait, Recursive, PictureImportOrder et PictureQuality)</translation>
    </message>
    <message>
        <source>the pictures as they are, smaller for e-mail, or black and white text</source>
        <translation>les images telles quelles, plus petites pour l&apos;e-mail, ou du texte en noir et blanc</translation>
    </message>
    <message>
        <source>the window cannot be opened: %1</source>
        <translation>la fenêtre ne peut pas être ouverte&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DesktopMailer</name>
    <message>
        <source>&apos;%1&apos; is not an e-mail address</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse e-mail</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2)</source>
        <translation>%1 a échoué (code de sortie %2)</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
</context>
<context>
    <name>FrameList</name>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Makes this page the current page</source>
        <translation>Fait de cette page la page courante</translation>
    </message>
</context>
<context>
    <name>MailMessage</name>
    <message>
        <source>no mail account is set up</source>
        <translation>aucun compte de messagerie n&apos;est configuré</translation>
    </message>
    <message>
        <source>an account entry of the registry holds no values</source>
        <translation>une entrée de compte du registre ne contient aucune valeur</translation>
    </message>
    <message>
        <source>the account entry &apos;%1&apos; has no usable Store value</source>
        <translation>l&apos;entrée de compte «&#xa0;%1&#xa0;» n&apos;a pas de valeur Store utilisable</translation>
    </message>
    <message>
        <source>the account &apos;%1&apos; is no longer set up</source>
        <translation>le compte «&#xa0;%1&#xa0;» n&apos;est plus configuré</translation>
    </message>
    <message>
        <source>the account of store &apos;%1&apos; cannot be read</source>
        <translation>le compte du stockage «&#xa0;%1&#xa0;» ne peut pas être lu</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; does not exist or cannot be read</source>
        <translation>le fichier «&#xa0;%1&#xa0;» n&apos;existe pas ou ne peut pas être lu</translation>
    </message>
    <message>
        <source>the message has no recipient</source>
        <translation>le message n&apos;a pas de destinataire</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an e-mail address</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse e-mail</translation>
    </message>
    <message>
        <source>the sender address &apos;%1&apos; of account &apos;%2&apos; is not an e-mail address</source>
        <translation>l&apos;adresse de l&apos;expéditeur «&#xa0;%1&#xa0;» du compte «&#xa0;%2&#xa0;» n&apos;est pas une adresse e-mail</translation>
    </message>
    <message>
        <source>the message could not be put into the Outbox of &apos;%1&apos;</source>
        <translation>le message n&apos;a pas pu être placé dans la boîte d&apos;envoi de «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Ne plus afficher</translation>
    </message>
</context>
<context>
    <name>PasswordSource</name>
    <message>
        <source>the password command could not be started</source>
        <translation>la commande du mot de passe n&apos;a pas pu être lancée</translation>
    </message>
    <message>
        <source>the password command did not finish</source>
        <translation>la commande du mot de passe ne s&apos;est pas terminée</translation>
    </message>
    <message>
        <source>the password command failed (exit status %1)</source>
        <translation>la commande du mot de passe a échoué (code de sortie %1)</translation>
    </message>
    <message>
        <source>the password file %1 cannot be read</source>
        <translation>le fichier du mot de passe %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>the password file %1 does not exist</source>
        <translation>le fichier du mot de passe %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the password file %1 cannot be read: %2</source>
        <translation>le fichier du mot de passe %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>the password file %1 is a folder, not a file</source>
        <translation>le fichier du mot de passe %1 est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>the password file %1 is not a regular file</source>
        <translation>le fichier du mot de passe %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the password file %1 must belong to you and be readable by you only (chmod 600)</source>
        <translation>le fichier du mot de passe %1 doit vous appartenir et n&apos;être lisible que par vous (chmod 600)</translation>
    </message>
</context>
<context>
    <name>PdfCommand</name>
    <message>
        <source>%1 was not written</source>
        <translation>%1 n&apos;a pas été écrit</translation>
    </message>
    <message>
        <source>Wrote %1: %2 page, %3, %4 bytes</source>
        <translation>%1 écrit&#xa0;: %2 page, %3, %4 octets</translation>
    </message>
    <message>
        <source>Wrote %1: %2 pages, %3, %4 bytes</source>
        <translation>%1 écrit&#xa0;: %2 pages, %3, %4 octets</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>unknown page size &apos;%1&apos; (one of %2)</source>
        <translation>format de papier inconnu «&#xa0;%1&#xa0;» (parmi %2)</translation>
    </message>
    <message>
        <source>--fit and --center exclude each other</source>
        <translation>--fit et --center s&apos;excluent</translation>
    </message>
    <message>
        <source>--auto-portrait and --no-auto-portrait exclude each other</source>
        <translation>--auto-portrait et --no-auto-portrait s&apos;excluent</translation>
    </message>
    <message>
        <source>--ocr needs a language (eng, deu, eng+fra, ...)</source>
        <translation>--ocr attend une langue (eng, deu, eng+fra, ...)</translation>
    </message>
    <message>
        <source>unknown look &apos;%1&apos; (one of none, grey, bw, colour)</source>
        <translation>rendu inconnu «&#xa0;%1&#xa0;» (parmi none, grey, bw, colour)</translation>
    </message>
    <message>
        <source>unknown quality &apos;%1&apos; (one of original, email, bw)</source>
        <translation>qualité inconnue «&#xa0;%1&#xa0;» (parmi original, email, bw)</translation>
    </message>
    <message>
        <source>unknown order &apos;%1&apos; (one of name, name-desc, newest, oldest, found)</source>
        <translation>ordre inconnu «&#xa0;%1&#xa0;» (parmi name, name-desc, newest, oldest, found)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no pictures given</source>
        <translation>aucune image indiquée</translation>
    </message>
    <message>
        <source>skipped: no such file</source>
        <translation>ignoré&#xa0;: fichier introuvable</translation>
    </message>
    <message>
        <source>skipped: not a file</source>
        <translation>ignoré&#xa0;: ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>skipped: not a picture that can be read</source>
        <translation>ignoré&#xa0;: image illisible</translation>
    </message>
    <message>
        <source>only JPEG, PNG, BMP, TIFF, GIF, WebP and HEIF pictures are drawn; its page is blank</source>
        <translation>seules les images JPEG, PNG, BMP, TIFF, GIF, WebP et HEIF sont dessinées ; sa page reste blanche</translation>
    </message>
    <message>
        <source>could not be decoded; its page is blank</source>
        <translation>décodage impossible ; sa page reste blanche</translation>
    </message>
    <message>
        <source>the PDF library could not take it: </source>
        <translation>la bibliothèque PDF n&apos;a pas pu la prendre&#xa0;: </translation>
    </message>
    <message>
        <source>no text layer: </source>
        <translation>pas de couche de texte&#xa0;: </translation>
    </message>
    <message>
        <source>the language&apos;s data is not installed</source>
        <translation>les données de la langue ne sont pas installées</translation>
    </message>
    <message>
        <source>the picture could not be decoded</source>
        <translation>l&apos;image n&apos;a pas pu être décodée</translation>
    </message>
    <message>
        <source>recognition failed</source>
        <translation>la reconnaissance a échoué</translation>
    </message>
    <message>
        <source>Adding pages</source>
        <translation>Ajout des pages</translation>
    </message>
    <message>
        <source>Recognising text</source>
        <translation>Reconnaissance du texte</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf, or -o - for standard output)</source>
        <translation>aucun fichier de sortie (-o OUT.pdf, ou -o - pour la sortie standard)</translation>
    </message>
    <message>
        <source>skipped: cannot be opened: </source>
        <translation>ignoré&#xa0;: ne peut pas être ouvert&#xa0;: </translation>
    </message>
    <message>
        <source>skipped: more than %1 million pixels, larger than any camera&apos;s picture</source>
        <translation>ignoré&#xa0;: plus de %1 millions de pixels, plus grand que l&apos;image de n&apos;importe quel appareil photo</translation>
    </message>
    <message>
        <source>text recognition has no data for %1 (asked for by the settings RecogniseText and OcrLanguage); the pages get no text layer</source>
        <translation>la reconnaissance de texte n&apos;a pas de données pour %1 (demandée par les paramètres RecogniseText et OcrLanguage)&#xa0;; les pages n&apos;ont pas de couche de texte</translation>
    </message>
    <message>
        <source>text recognition has no data for %1; the pages get no text layer</source>
        <translation>la reconnaissance de texte n&apos;a pas de données pour %1&#xa0;; les pages n&apos;ont pas de couche de texte</translation>
    </message>
    <message>
        <source>no language is installed</source>
        <translation>aucune langue n&apos;est installée</translation>
    </message>
    <message>
        <source>no language is installed (in TESSDATA_PREFIX, %1)</source>
        <translation>aucune langue n&apos;est installée (dans TESSDATA_PREFIX, %1)</translation>
    </message>
    <message>
        <source>installed: %1</source>
        <translation>installées&#xa0;: %1</translation>
    </message>
    <message>
        <source>installed: %1 (in TESSDATA_PREFIX, %2)</source>
        <translation>installées&#xa0;: %1 (dans TESSDATA_PREFIX, %2)</translation>
    </message>
    <message>
        <source>install %1 (Debian&apos;s names) or set TESSDATA_PREFIX to a folder that holds %2, or give --ocr with an installed language</source>
        <translation>installez %1 (noms des paquets Debian) ou faites pointer TESSDATA_PREFIX vers un dossier qui contient %2, ou indiquez --ocr avec une langue installée</translation>
    </message>
    <message>
        <source>install %1 (Debian&apos;s names) or set TESSDATA_PREFIX to a folder that holds %2</source>
        <translation>installez %1 (noms des paquets Debian) ou faites pointer TESSDATA_PREFIX vers un dossier qui contient %2</translation>
    </message>
    <message>
        <source>Page sizes: %1</source>
        <translation>Formats de page&#xa0;: %1</translation>
    </message>
    <message>
        <source>--ocr: no language is installed (Debian&apos;s packages are tesseract-ocr-eng, tesseract-ocr-deu, ...; TESSDATA_PREFIX names another folder).</source>
        <translation>--ocr&#xa0;: aucune langue n&apos;est installée (les paquets Debian sont tesseract-ocr-eng, tesseract-ocr-deu, ...&#xa0;; TESSDATA_PREFIX désigne un autre dossier).</translation>
    </message>
    <message>
        <source>--ocr languages: %1.</source>
        <translation>langues de --ocr&#xa0;: %1.</translation>
    </message>
    <message>
        <source>not writing a PDF to a terminal; send standard output to a file or a program, or give -o OUT.pdf</source>
        <translation>pas de PDF vers un terminal&#xa0;; redirigez la sortie standard vers un fichier ou un programme, ou indiquez -o SORTIE.pdf</translation>
    </message>
    <message>
        <source>no pictures given (the lists are empty)</source>
        <translation>aucune image indiquée (les listes sont vides)</translation>
    </message>
    <message>
        <source>cannot make a temporary folder in %1: %2</source>
        <translation>impossible de créer un dossier temporaire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read the folder: %1</source>
        <translation>impossible de lire le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>no picture could be used; nothing was written to standard output</source>
        <translation>aucune image n&apos;a pu être utilisée&#xa0;; rien n&apos;a été écrit sur la sortie standard</translation>
    </message>
    <message>
        <source>no picture could be used; %1 was not written</source>
        <translation>aucune image n&apos;a pu être utilisée&#xa0;; %1 n&apos;a pas été écrit</translation>
    </message>
    <message>
        <source>cannot write the PDF for standard output in %1: %2</source>
        <translation>impossible d&apos;écrire le PDF pour la sortie standard dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>could not write the PDF to standard output: %1</source>
        <translation>impossible d&apos;écrire le PDF sur la sortie standard&#xa0;: %1</translation>
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
        <translation>--fit adapte à la page les images autres que JPEG, --center garde leur taille
quand elles tiennent&#xa0;; les images JPEG sont toujours adaptées (et intégrées
telles quelles, sauf indication contraire de --quality). --auto-portrait
redresse les images en paysage dans le PDF (un quart de tour vers la gauche) et
laisse les fichiers tels quels. Un DOSSIER vaut pour ses images JPEG, PNG, BMP,
TIFF, GIF, WebP et HEIC/HEIF (et celles de ses sous-dossiers si Recursive est
activé), dans l&apos;ordre de --order&#xa0;: par nom A-Z ou Z-A, les plus récentes ou les
plus anciennes d&apos;abord, ou telles que trouvées. Sans options, les paramètres
PageSize, FitToPage, AutoPortrait, PictureImportOrder et PictureQuality
s&apos;appliquent («&#xa0;quillmark settings&#xa0;»)&#xa0;; «&#xa0;Ask me&#xa0;» garde ici l&apos;ordre trouvé.
--straighten trouve la feuille dans chaque photo et la redresse, --enhance lui
donne un aspect de document (grey, bw&#xa0;: noir et blanc, colour)&#xa0;; les deux
travaillent sur des copies, les images restent telles quelles. --quality email
réduit chaque image à environ 150 pixels par pouce de la page et l&apos;enregistre en
JPEG compact, pour un PDF assez petit pour l&apos;e-mail&#xa0;; --quality bw fait de
chaque page du texte en noir et blanc, pour une fraction de la taille&#xa0;; original
(la valeur par défaut du paramètre PictureQuality) garde les octets des images.
Une liste (@LISTE ou --files-from LISTE) nomme une image ou un dossier par
ligne, depuis le dossier courant si le nom est relatif&#xa0;; les lignes vides sont
ignorées.
</translation>
    </message>
    <message>
        <source>page %1 was left out: it could not be decoded</source>
        <translation>page %1 omise&#xa0;: elle n’a pas pu être décodée</translation>
    </message>
    <message>
        <source>page %1 was left out: its copy cannot be written beside the picture (is the folder read-only or full?)</source>
        <translation>page %1 omise&#xa0;: sa copie ne peut pas être écrite à côté de l’image (le dossier est-il en lecture seule ou plein&#xa0;?)</translation>
    </message>
    <message>
        <source>text recognition is not installed (%1); the pages get no text layer</source>
        <translation>la reconnaissance de texte n’est pas installée (%1)&#xa0;; les pages n’ont pas de couche de texte</translation>
    </message>
    <message>
        <source>install %1 (Debian&apos;s name)</source>
        <translation>installez %1 (nom du paquet Debian)</translation>
    </message>
    <message>
        <source>--ocr: text recognition is not installed (%1).</source>
        <translation>--ocr&#xa0;: la reconnaissance de texte n’est pas installée (%1).</translation>
    </message>
    <message>
        <source>text recognition is not installed</source>
        <translation>la reconnaissance de texte n’est pas installée</translation>
    </message>
</context>
<context>
    <name>Scanner</name>
    <message>
        <source>the document feeder is empty</source>
        <translation>le chargeur de documents est vide</translation>
    </message>
    <message>
        <source>SANE could not start: %1</source>
        <translation>SANE n&apos;a pas pu démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>aucune erreur</translation>
    </message>
    <message>
        <source>the scanner does not support this</source>
        <translation>le scanner ne le permet pas</translation>
    </message>
    <message>
        <source>the scan was cancelled</source>
        <translation>la numérisation a été annulée</translation>
    </message>
    <message>
        <source>the scanner is busy (another program may be using it)</source>
        <translation>le scanner est occupé (un autre programme l&apos;utilise peut-être)</translation>
    </message>
    <message>
        <source>the scanner refused the request</source>
        <translation>le scanner a refusé la demande</translation>
    </message>
    <message>
        <source>the scanner sent no more data</source>
        <translation>le scanner n&apos;a plus envoyé de données</translation>
    </message>
    <message>
        <source>the document feeder is jammed</source>
        <translation>le chargeur de documents est bloqué</translation>
    </message>
    <message>
        <source>the scanner&apos;s cover is open</source>
        <translation>le capot du scanner est ouvert</translation>
    </message>
    <message>
        <source>the scanner stopped answering (input/output error)</source>
        <translation>le scanner ne répond plus (erreur d&apos;entrée/sortie)</translation>
    </message>
    <message>
        <source>not enough memory for the scan</source>
        <translation>mémoire insuffisante pour la numérisation</translation>
    </message>
    <message>
        <source>access to the scanner was denied</source>
        <translation>l&apos;accès au scanner a été refusé</translation>
    </message>
    <message>
        <source>the scanner&apos;s lamp is warming up</source>
        <translation>la lampe du scanner chauffe</translation>
    </message>
    <message>
        <source>the scanner is locked for transport</source>
        <translation>le scanner est verrouillé pour le transport</translation>
    </message>
    <message>
        <source>the scanners could not be listed: %1</source>
        <translation>les scanners n&apos;ont pas pu être listés&#xa0;: %1</translation>
    </message>
    <message>
        <source>no scanner was found</source>
        <translation>aucun scanner n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>the scanner %1 could not be opened: %2</source>
        <translation>le scanner %1 n&apos;a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>no scanner is open</source>
        <translation>aucun scanner n&apos;est ouvert</translation>
    </message>
    <message>
        <source>the scanner %1 has no %2 source (it offers: %3)</source>
        <translation>le scanner %1 n&apos;a pas de source %2 (il propose&#xa0;: %3)</translation>
    </message>
    <message>
        <source>no choice of source</source>
        <translation>aucun choix de source</translation>
    </message>
    <message>
        <source>the scanner sends its pictures in a form this program cannot read</source>
        <translation>le scanner envoie ses images sous une forme que ce programme ne sait pas lire</translation>
    </message>
    <message>
        <source>the scanner sent an empty page</source>
        <translation>le scanner a envoyé une page vide</translation>
    </message>
    <message>
        <source>the scanner sent colour planes of different sizes</source>
        <translation>le scanner a envoyé des plans de couleur de tailles différentes</translation>
    </message>
    <message>
        <source>the scanned page is empty</source>
        <translation>la page numérisée est vide</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>no free name in %1</source>
        <translation>aucun nom libre dans %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>SANE has ended with the program</source>
        <translation>SANE s&apos;est arrêté avec le programme</translation>
    </message>
</context>
<context>
    <name>ScannerCommand</name>
    <message>
        <source>Scanning page %1</source>
        <translation>Numérisation de la page %1</translation>
    </message>
    <message>
        <source>scanned page %1</source>
        <translation>page %1 numérisée</translation>
    </message>
    <message>
        <source>no scanner was found (is it switched on, connected and known to SANE? &apos;scanimage -L&apos; lists what SANE sees)</source>
        <translation>aucun scanner n&apos;a été trouvé (est-il allumé, branché et connu de SANE&#xa0;? «&#xa0;scanimage -L&#xa0;» liste ce que SANE voit)</translation>
    </message>
    <message>
        <source>stopped before a page was scanned; %1 was not written</source>
        <translation>arrêté avant qu&apos;une page soit numérisée&#xa0;; %1 n&apos;a pas été écrit</translation>
    </message>
    <message>
        <source>no page was scanned; %1 was not written</source>
        <translation>aucune page n&apos;a été numérisée&#xa0;; %1 n&apos;a pas été écrit</translation>
    </message>
    <message>
        <source>stopped; the PDF has the %1 pages scanned before</source>
        <translation>arrêté&#xa0;; le PDF contient les %1 pages numérisées avant</translation>
    </message>
    <message>
        <source>the scanned pictures are kept in %1</source>
        <translation>les images numérisées sont conservées dans %1</translation>
    </message>
</context>
<context>
    <name>ScannerScreens</name>
    <message>
        <source>Scanning</source>
        <translation>Numérisation</translation>
    </message>
    <message>
        <source>Please wait while the scanner reads the pages</source>
        <translation>Veuillez patienter pendant que le scanner lit les pages</translation>
    </message>
    <message>
        <source>Scanning page %1</source>
        <translation>Numérisation de la page %1</translation>
    </message>
    <message>
        <source>%1 page scanned</source>
        <translation>%1 page numérisée</translation>
    </message>
    <message>
        <source>%1 pages scanned</source>
        <translation>%1 pages numérisées</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Scan cancelled</source>
        <translation>Numérisation annulée</translation>
    </message>
    <message>
        <source>Scan failed</source>
        <translation>Échec de la numérisation</translation>
    </message>
    <message>
        <source>The scan was cancelled before a page was scanned.</source>
        <translation>La numérisation a été annulée avant qu&apos;une page soit numérisée.</translation>
    </message>
    <message>
        <source>The scan was cancelled. The pages scanned before are kept.</source>
        <translation>La numérisation a été annulée. Les pages numérisées avant sont conservées.</translation>
    </message>
    <message>
        <source>No page was scanned: %1.</source>
        <translation>Aucune page n&apos;a été numérisée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The scan stopped: %1. The pages scanned before are kept.</source>
        <translation>La numérisation s&apos;est arrêtée&#xa0;: %1. Les pages numérisées avant sont conservées.</translation>
    </message>
    <message>
        <source>%1, flatbed</source>
        <translation>%1, vitre</translation>
    </message>
    <message>
        <source>%1, document feeder</source>
        <translation>%1, chargeur</translation>
    </message>
    <message>
        <source>%1, both sides</source>
        <translation>%1, recto verso</translation>
    </message>
    <message>
        <source>Take pages from:</source>
        <translation>Pages depuis&#xa0;:</translation>
    </message>
    <message>
        <source>Scanner resolution</source>
        <translation>Résolution du scanner</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Appareil photo</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 ppp</translation>
    </message>
    <message>
        <source>Looking for scanners...</source>
        <translation>Recherche des scanners...</translation>
    </message>
    <message>
        <source>Scanner colour mode</source>
        <translation>Mode couleur du scanner</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>no secret store is running; give the account a password command or a password file</source>
        <translation>aucun trousseau n&apos;est lancé&#xa0;; donnez au compte une commande ou un fichier de mot de passe</translation>
    </message>
    <message>
        <source>the secret store could not be asked: %1</source>
        <translation>le trousseau n&apos;a pas pu être interrogé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the secret store holds no password for service %1, account %2</source>
        <translation>le trousseau ne contient aucun mot de passe pour le service %1, compte %2</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--to names no address</source>
        <translation>--to ne donne aucune adresse</translation>
    </message>
    <message>
        <source>no account named &apos;%1&apos; (see &apos;quillmark account list&apos;)</source>
        <translation>aucun compte nommé «&#xa0;%1&#xa0;» (voir «&#xa0;quillmark account list&#xa0;»)</translation>
    </message>
    <message>
        <source>could not send &apos;%1&apos; to &apos;%2&apos;: %3</source>
        <translation>impossible d&apos;envoyer «&#xa0;%1&#xa0;» à «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>the message stays in %1</source>
        <translation>le message reste dans %1</translation>
    </message>
    <message>
        <source>queued &apos;%1&apos; to &apos;%2&apos; in the Outbox of %3</source>
        <translation>«&#xa0;%1&#xa0;» pour «&#xa0;%2&#xa0;» placé dans la boîte d&apos;envoi de %3</translation>
    </message>
    <message>
        <source>handed &apos;%1&apos; for &apos;%2&apos; to the desktop&apos;s mail program (not sent yet)</source>
        <translation>«&#xa0;%1&#xa0;» pour «&#xa0;%2&#xa0;» confié au logiciel de messagerie du bureau (pas encore envoyé)</translation>
    </message>
    <message>
        <source>sent &apos;%1&apos; to &apos;%2&apos; through %3</source>
        <translation>«&#xa0;%1&#xa0;» envoyé à «&#xa0;%2&#xa0;» via %3</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>unknown setting &apos;%1&apos; (see &apos;quillmark settings list&apos;)</source>
        <translation>paramètre inconnu «&#xa0;%1&#xa0;» (voir &apos;quillmark settings list&apos;)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2, not &apos;%3&apos;</source>
        <translation>%1 attend un nombre entier de 0 à %2, et non «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>%1 attend un nombre entier, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>could not write the registry file %1</source>
        <translation>impossible d&apos;écrire le fichier de registre %1</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2 or one of %3, not &apos;%4&apos;</source>
        <translation>%1 attend un nombre entier de 0 à %2 ou l&apos;un de %3, et non «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes a whole number or one of %2, not &apos;%3&apos;</source>
        <translation>%1 attend un nombre entier ou l&apos;un de %2, et non «&#xa0;%3&#xa0;»</translation>
    </message>
</context>
<context>
    <name>SmtpTransport</name>
    <message>
        <source>cannot read the queued message %1</source>
        <translation>impossible de lire le message en attente %1</translation>
    </message>
    <message>
        <source>the mail library could not start</source>
        <translation>la bibliothèque de messagerie n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source> (server answered: %1)</source>
        <translation> (le serveur a répondu&#xa0;: %1)</translation>
    </message>
    <message>
        <source> (server answered %1)</source>
        <translation> (le serveur a répondu %1)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>second</source>
        <translation>seconde</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>%s left</source>
        <translation>reste %s</translation>
    </message>
    <message>
        <source>%s passed</source>
        <translation>écoulé&#xa0;: %s</translation>
    </message>
    <message>
        <source>%s total</source>
        <translation>total&#xa0;: %s</translation>
    </message>
    <message>
        <source>Loading shell resources...</source>
        <translation>Chargement des ressources système...</translation>
    </message>
    <message>
        <source>byte</source>
        <translation> octet</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation> octets</translation>
    </message>
    <message>
        <source>Loading resources, please wait...</source>
        <translation>Chargement des ressources, veuillez patienter...</translation>
    </message>
    <message>
        <source>Loading shell resources, please wait...</source>
        <translation>Chargement des ressources système, veuillez patienter...</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Prêt...</translation>
    </message>
    <message>
        <source>Critical application error #%d.</source>
        <translation>Erreur critique de l&apos;application n° %d.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Version %s</source>
        <translation>Version %s</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Yes to all</source>
        <translation>Oui pour tout</translation>
    </message>
    <message>
        <source>No to all</source>
        <translation>Non pour tout</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Numériser</translation>
    </message>
    <message>
        <source>Don&apos;t show this tip again</source>
        <translation>Ne plus afficher cette astuce</translation>
    </message>
    <message>
        <source>No camera device found. You can still import pictures using the &quot;Add from file&quot; and &quot;Add from folder&quot; menus.</source>
        <translation>Aucun appareil photo trouvé. Vous pouvez toujours importer des images avec les menus «&#xa0;Ajouter un fichier&#xa0;» et «&#xa0;Ajouter un dossier&#xa0;».</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Aucun appareil photo trouvé</translation>
    </message>
    <message>
        <source>Scan canceled. Tap &apos;Close&apos; to discard this message.</source>
        <translation>Numérisation annulée. Touchez «&#xa0;Fermer&#xa0;» pour ignorer ce message.</translation>
    </message>
    <message>
        <source>Scan canceled</source>
        <translation>Numérisation annulée</translation>
    </message>
    <message>
        <source>Unsupported scan file format.</source>
        <translation>Format de fichier de numérisation non pris en charge.</translation>
    </message>
    <message>
        <source>Unsuppored file format.</source>
        <translation>Format de fichier non pris en charge.</translation>
    </message>
    <message>
        <source>Unable to load the scanned image - unsupported file format.</source>
        <translation>Impossible de charger l&apos;image numérisée - format de fichier non pris en charge.</translation>
    </message>
    <message>
        <source>Format not supported</source>
        <translation>Format non pris en charge</translation>
    </message>
    <message>
        <source>Unable to load file &apos;%s&apos; - out of memory error. Please free up some memory and try again.</source>
        <translation>Impossible de charger le fichier «&#xa0;%s&#xa0;» - mémoire insuffisante. Veuillez libérer de la mémoire et réessayer.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Out of memory, could not complete operation. Please free up some memory and try again. Tap &apos;Close&apos; to discard this message.</source>
        <translation>Mémoire insuffisante, l&apos;opération n&apos;a pas pu être terminée. Veuillez libérer de la mémoire et réessayer. Touchez «&#xa0;Fermer&#xa0;» pour ignorer ce message.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Erreur critique</translation>
    </message>
    <message>
        <source>Could not open the session file for writting. Check if the file is read-only or  locked by another application.</source>
        <translation>Impossible d&apos;ouvrir le fichier de session en écriture. Vérifiez que le fichier n&apos;est pas en lecture seule ni verrouillé par une autre application.</translation>
    </message>
    <message>
        <source>Error writting to the session file</source>
        <translation>Erreur d&apos;écriture du fichier de session</translation>
    </message>
    <message>
        <source>Error writting to the session file. Please check if you have enough storage space and try again.</source>
        <translation>Erreur d&apos;écriture du fichier de session. Veuillez vérifier que l&apos;espace de stockage est suffisant et réessayer.</translation>
    </message>
    <message>
        <source>Could not save the session</source>
        <translation>Impossible d&apos;enregistrer la session</translation>
    </message>
    <message>
        <source>Session file is missing, could not load session. Tap &apos;Close&apos; to discard this message.</source>
        <translation>Le fichier de session est introuvable, la session n&apos;a pas pu être chargée. Touchez «&#xa0;Fermer&#xa0;» pour ignorer ce message.</translation>
    </message>
    <message>
        <source>Could not load session</source>
        <translation>Impossible de charger la session</translation>
    </message>
    <message>
        <source>Could not load the session file - invalid file format.</source>
        <translation>Impossible de charger le fichier de session - format de fichier non valide.</translation>
    </message>
    <message>
        <source>Session error</source>
        <translation>Erreur de session</translation>
    </message>
    <message>
        <source>Error loading the session file - one or more images are missing.</source>
        <translation>Erreur de chargement du fichier de session - une ou plusieurs images sont manquantes.</translation>
    </message>
    <message>
        <source>Missing scan images</source>
        <translation>Images numérisées manquantes</translation>
    </message>
    <message>
        <source>Not enough memory to load all images. Please free up some memory and try again.</source>
        <translation>Mémoire insuffisante pour charger toutes les images. Veuillez libérer de la mémoire et réessayer.</translation>
    </message>
    <message>
        <source>Could not save the modified image file - check if the file is locked by another application or if you have enough storage space.</source>
        <translation>Impossible d&apos;enregistrer le fichier image modifié - vérifiez que le fichier n&apos;est pas verrouillé par une autre application et que l&apos;espace de stockage est suffisant.</translation>
    </message>
    <message>
        <source>Error saving the image</source>
        <translation>Erreur d&apos;enregistrement de l&apos;image</translation>
    </message>
    <message>
        <source>Edit operation failed - not enough memory to complete the operation. Please free up some memory and try again.</source>
        <translation>La modification a échoué - mémoire insuffisante pour terminer l&apos;opération. Veuillez libérer de la mémoire et réessayer.</translation>
    </message>
    <message>
        <source>Save the current session? Tap &apos;Yes&apos; to save it or &apos;No&apos; to cancel.</source>
        <translation>Enregistrer la session en cours&#xa0;? Touchez «&#xa0;Oui&#xa0;» pour l&apos;enregistrer ou «&#xa0;Non&#xa0;» pour annuler.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Save session?</source>
        <translation>Enregistrer la session&#xa0;?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>Supprimer l&apos;image&#xa0;?</translation>
    </message>
    <message>
        <source>Do you really wish to remove the image? Tap &apos;Ok&apos; to remove it or &apos;Cancel&apos; to skip.<byte value="xd"/>
<byte value="xd"/>
To delete the image file as well check the &quot;Remove image&quot; option below.</source>
        <translation>Voulez-vous vraiment retirer l&apos;image&#xa0;? Touchez «&#xa0;OK&#xa0;» pour la retirer ou «&#xa0;Annuler&#xa0;» pour la garder.<byte value="xd"/>
<byte value="xd"/>
Pour supprimer aussi le fichier image, cochez l&apos;option «&#xa0;Retirer l&apos;image&#xa0;» ci-dessous.</translation>
    </message>
    <message>
        <source>Only remove the image from the list</source>
        <translation>Retirer seulement l&apos;image de la liste</translation>
    </message>
    <message>
        <source>Remove the image &amp; delete the image file</source>
        <translation>Retirer l&apos;image et supprimer le fichier</translation>
    </message>
    <message>
        <source>Import file</source>
        <translation>Importer un fichier</translation>
    </message>
    <message>
        <source>Please select the file to import</source>
        <translation>Veuillez choisir le fichier à importer</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Start a new session?</source>
        <translation>Commencer une nouvelle session&#xa0;?</translation>
    </message>
    <message>
        <source>Starting a new session will erase the current session. Are you sure you want to start a new session?</source>
        <translation>Commencer une nouvelle session effacera la session en cours. Voulez-vous vraiment commencer une nouvelle session&#xa0;?</translation>
    </message>
    <message>
        <source>File could not be saved</source>
        <translation>Le fichier n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>Could not save file &apos;%s&apos;. Please check if the file is write-protected or locked by another application.</source>
        <translation>Impossible d&apos;enregistrer le fichier «&#xa0;%s&#xa0;». Veuillez vérifier que le fichier n&apos;est pas protégé en écriture ni verrouillé par une autre application.</translation>
    </message>
    <message>
        <source>Would you like to start a new session?<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Yes&apos; to start a new session or &apos;No&apos; to cancel.<byte value="xd"/>
<byte value="xd"/>
Please note that starting a new session will erase the current one.</source>
        <translation>Voulez-vous commencer une nouvelle session&#xa0;?<byte value="xd"/>
<byte value="xd"/>
Touchez «&#xa0;Oui&#xa0;» pour commencer une nouvelle session ou «&#xa0;Non&#xa0;» pour annuler.<byte value="xd"/>
<byte value="xd"/>
Notez que commencer une nouvelle session effacera la session en cours.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>No camera detected</source>
        <translation>Aucun appareil photo détecté</translation>
    </message>
    <message>
        <source>No supported camera capture device was detected on your device. You won&apos;t be able to scan documents using the built-in camera. You can still make PDF files by importing picture files from the File-&gt;Add menu.</source>
        <translation>Aucun appareil photo pris en charge n&apos;a été détecté sur votre appareil. Vous ne pourrez pas numériser de documents avec l&apos;appareil photo intégré. Vous pouvez toujours créer des fichiers PDF en important des images depuis le menu Fichier-&gt;Ajouter.</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>Crop image?</source>
        <translation>Rogner l&apos;image&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you wish to crop the image? Please choose &apos;Yes&apos; to crop the image or &apos;No&apos; to cancel.<byte value="xd"/>
<byte value="xd"/>
Please note that you can always undo your last action by using the Action-&gt;Undo menu command.</source>
        <translation>Voulez-vous vraiment rogner l&apos;image&#xa0;? Choisissez «&#xa0;Oui&#xa0;» pour rogner l&apos;image ou «&#xa0;Non&#xa0;» pour annuler.<byte value="xd"/>
<byte value="xd"/>
Vous pouvez toujours annuler votre dernière action avec la commande de menu Action-&gt;Annuler.</translation>
    </message>
    <message>
        <source>Discard changes?</source>
        <translation>Abandonner les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>You have modified the source image. Are you sure you wish to discard the changes?</source>
        <translation>Vous avez modifié l&apos;image d&apos;origine. Voulez-vous vraiment abandonner les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>PDF setup</source>
        <translation>Configuration du PDF</translation>
    </message>
    <message>
        <source>Configure PDF file properties</source>
        <translation>Définir les propriétés du fichier PDF</translation>
    </message>
    <message>
        <source>Creating PDF document</source>
        <translation>Création du document PDF</translation>
    </message>
    <message>
        <source>Please wait while the PDF is being created...</source>
        <translation>Veuillez patienter pendant la création du PDF...</translation>
    </message>
    <message>
        <source>Step %d of %d...</source>
        <translation>Étape %d sur %d...</translation>
    </message>
    <message>
        <source>Preparing the PDF document...</source>
        <translation>Préparation du document PDF...</translation>
    </message>
    <message>
        <source>Importing images...</source>
        <translation>Importation des images...</translation>
    </message>
    <message>
        <source>Adding page %d of %d...</source>
        <translation>Ajout de la page %d sur %d...</translation>
    </message>
    <message>
        <source>Saving the PDF document...</source>
        <translation>Enregistrement du document PDF...</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>PDF document created successfully</source>
        <translation>Document PDF créé</translation>
    </message>
    <message>
        <source>Successully compiled file &apos;%s&apos; from the selected images...</source>
        <translation>Le fichier «&#xa0;%s&#xa0;» a été créé à partir des images choisies...</translation>
    </message>
    <message>
        <source>Page %d</source>
        <translation>Page %d</translation>
    </message>
    <message>
        <source>Move page after</source>
        <translation>Déplacer la page après</translation>
    </message>
    <message>
        <source>Select where you wish to move the page</source>
        <translation>Choisissez où déplacer la page</translation>
    </message>
    <message>
        <source>Please select the destination page:</source>
        <translation>Veuillez choisir la page de destination&#xa0;:</translation>
    </message>
    <message>
        <source>Move page before</source>
        <translation>Déplacer la page avant</translation>
    </message>
    <message>
        <source>Swap page</source>
        <translation>Échanger la page</translation>
    </message>
    <message>
        <source>Select the page to swap with</source>
        <translation>Choisissez la page avec laquelle échanger</translation>
    </message>
    <message>
        <source>Please select the destination page</source>
        <translation>Veuillez choisir la page de destination</translation>
    </message>
    <message>
        <source>Sent with %s, the pocket document copier by Tessaly.</source>
        <translation>Envoyé avec %s, le copieur de documents de poche de Tessaly.</translation>
    </message>
    <message>
        <source>Emailing: %s</source>
        <translation>Envoi par e-mail&#xa0;: %s</translation>
    </message>
    <message>
        <source>Could not send mail</source>
        <translation>Impossible d&apos;envoyer l&apos;e-mail</translation>
    </message>
    <message>
        <source>Could not send file &apos;%s&apos; to &apos;%s&apos;. Please check whether your mail account is configured and that you are able to send emails and try again.</source>
        <translation>Impossible d&apos;envoyer le fichier «&#xa0;%s&#xa0;» à «&#xa0;%s&#xa0;». Veuillez vérifier que votre compte de messagerie est configuré et que vous pouvez envoyer des e-mails, puis réessayer.</translation>
    </message>
    <message>
        <source>Email sent</source>
        <translation>E-mail envoyé</translation>
    </message>
    <message>
        <source>File &apos;%s&apos; successfully sent to &apos;%s&apos; via email.</source>
        <translation>Le fichier «&#xa0;%s&#xa0;» a été envoyé par e-mail à «&#xa0;%s&#xa0;».</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Send file via email</source>
        <translation>Envoyer le fichier par e-mail</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>PDF library</source>
        <translation>Bibliothèque PDF</translation>
    </message>
    <message>
        <source>Available PDF files on your device</source>
        <translation>Fichiers PDF de votre appareil</translation>
    </message>
    <message>
        <source>Could not open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>Could not open PDF file &apos;%s&apos;. Please check if you have a PDF file reader installed on your device.</source>
        <translation>Impossible d&apos;ouvrir le fichier PDF «&#xa0;%s&#xa0;». Veuillez vérifier qu&apos;un lecteur de PDF est installé sur votre appareil.</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>View or share the new PDF?</source>
        <translation>Afficher ou partager le nouveau PDF&#xa0;?</translation>
    </message>
    <message>
        <source>Would you like to view the PDF file or send it by email? Please tap &quot;Open&apos; to view the file with your default PDF viewer or &apos;Share&apos; to send it to an email address.</source>
        <translation>Voulez-vous afficher le fichier PDF ou l&apos;envoyer par e-mail&#xa0;? Touchez «&#xa0;Ouvrir&#xa0;» pour l&apos;afficher avec votre lecteur de PDF ou «&#xa0;Partager&#xa0;» pour l&apos;envoyer à une adresse e-mail.</translation>
    </message>
    <message>
        <source>Could not import image</source>
        <translation>Impossible d&apos;importer l&apos;image</translation>
    </message>
    <message>
        <source>Error importing image file &apos;%s&apos;. Please check if the image file is valid.</source>
        <translation>Erreur d&apos;importation du fichier image «&#xa0;%s&#xa0;». Veuillez vérifier que le fichier image est valide.</translation>
    </message>
    <message>
        <source>PDF creation aborted.</source>
        <translation>Création du PDF interrompue.</translation>
    </message>
    <message>
        <source>User abort</source>
        <translation>Interrompu par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Sort order</source>
        <translation>Ordre de tri</translation>
    </message>
    <message>
        <source>Please choose the order of imported pictures</source>
        <translation>Veuillez choisir l&apos;ordre des images importées</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Please select a contact</source>
        <translation>Veuillez choisir un contact</translation>
    </message>
    <message>
        <source>Camera resolution</source>
        <translation>Résolution de l&apos;appareil photo</translation>
    </message>
    <message>
        <source>Configure your camera resolution</source>
        <translation>Régler la résolution de l&apos;appareil photo</translation>
    </message>
    <message>
        <source>Choose contact email</source>
        <translation>Choisir l&apos;adresse e-mail</translation>
    </message>
    <message>
        <source>Please select the email address to use</source>
        <translation>Veuillez choisir l&apos;adresse e-mail à utiliser</translation>
    </message>
    <message>
        <source>Available contact email addresses:</source>
        <translation>Adresses e-mail du contact&#xa0;:</translation>
    </message>
    <message>
        <source>Contact %s has more than 1 email addresses. Please choose the one you wish to use.</source>
        <translation>Le contact %s a plus d&apos;une adresse e-mail. Veuillez choisir celle à utiliser.</translation>
    </message>
    <message>
        <source>Email account</source>
        <translation>Compte de messagerie</translation>
    </message>
    <message>
        <source>Please choose the email account to use</source>
        <translation>Veuillez choisir le compte de messagerie à utiliser</translation>
    </message>
    <message>
        <source>Available email accounts:</source>
        <translation>Comptes de messagerie disponibles&#xa0;:</translation>
    </message>
    <message>
        <source>Please choose the email account to use for sending the document from the list.</source>
        <translation>Veuillez choisir dans la liste le compte de messagerie qui enverra le document.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Image processing settings</source>
        <translation>Paramètres de traitement des images</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>Center inside page</source>
        <translation>Centrer sur la page</translation>
    </message>
    <message>
        <source>PDF Settings</source>
        <translation>Paramètres PDF</translation>
    </message>
    <message>
        <source>Output PDF file configuration</source>
        <translation>Configuration du fichier PDF produit</translation>
    </message>
    <message>
        <source>Misc settings</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Miscellaneous settings</source>
        <translation>Paramètres divers</translation>
    </message>
    <message>
        <source>%s: a document page in a camera frame</source>
        <translation>%s&#xa0;: une page de document dans le cadre de l&apos;appareil photo</translation>
    </message>
    <message>
        <source>%s logo</source>
        <translation>Logo de %s</translation>
    </message>
    <message>
        <source>2MP</source>
        <translation>2 Mpx</translation>
    </message>
    <message>
        <source>3.2MP</source>
        <translation>3,2 Mpx</translation>
    </message>
    <message>
        <source>5MP</source>
        <translation>5 Mpx</translation>
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
        <translation>Créer PDF</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Page actuelle</translation>
    </message>
    <message>
        <source>No pages</source>
        <translation>Aucune page</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Page %d sur %d</translation>
    </message>
    <message>
        <source>Blank page</source>
        <translation>Page blanche</translation>
    </message>
    <message>
        <source>Press Enter to edit the page</source>
        <translation>Appuyez sur Entrée pour modifier la page</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Page&#xa0;:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Scan...</source>
        <translation>Numériser...</translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation>Ajouter un fichier...</translation>
    </message>
    <message>
        <source>Add from folder...</source>
        <translation>Ajouter un dossier...</translation>
    </message>
    <message>
        <source>Add blank page</source>
        <translation>Ajouter une page blanche</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Swap with page...</source>
        <translation>Échanger avec la page...</translation>
    </message>
    <message>
        <source>Move before page...</source>
        <translation>Déplacer avant la page...</translation>
    </message>
    <message>
        <source>Move after page...</source>
        <translation>Déplacer après la page...</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Appareil photo</translation>
    </message>
    <message>
        <source>File import</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>Image embedding</source>
        <translation>Intégration des images</translation>
    </message>
    <message>
        <source>PDF output</source>
        <translation>Sortie PDF</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Create PDF...</source>
        <translation>Créer un PDF...</translation>
    </message>
    <message>
        <source>New session...</source>
        <translation>Nouvelle session...</translation>
    </message>
    <message>
        <source>Library...</source>
        <translation>Bibliothèque...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L&apos;accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disque plein lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Prendre</translation>
    </message>
    <message>
        <source>Viewfinder</source>
        <translation>Viseur</translation>
    </message>
    <message>
        <source>Live picture of the camera. Press Enter or Space to take the picture, Escape to cancel.</source>
        <translation>Image en direct de l&apos;appareil photo. Appuyez sur Entrée ou Espace pour prendre la photo, sur Échap pour annuler.</translation>
    </message>
    <message>
        <source>Starting the camera...</source>
        <translation>Démarrage de l&apos;appareil photo...</translation>
    </message>
    <message>
        <source>Saving the picture...</source>
        <translation>Enregistrement de l&apos;image...</translation>
    </message>
    <message>
        <source>Takes the picture</source>
        <translation>Prend la photo</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Mon appareil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Current folder</source>
        <translation>Dossier actuel</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Please choose the order in which picture files should be imported:</source>
        <translation>Veuillez choisir l&apos;ordre d&apos;importation des fichiers image&#xa0;:</translation>
    </message>
    <message>
        <source>Sort by file name, ascending</source>
        <translation>Par nom de fichier, croissant</translation>
    </message>
    <message>
        <source>Sort by file name, descending</source>
        <translation>Par nom de fichier, décroissant</translation>
    </message>
    <message>
        <source>Sort by file date, ascending</source>
        <translation>Par date de fichier, croissante</translation>
    </message>
    <message>
        <source>Sort by file date, descending</source>
        <translation>Par date de fichier, décroissante</translation>
    </message>
    <message>
        <source>No sorting</source>
        <translation>Sans tri</translation>
    </message>
    <message>
        <source>Ask me</source>
        <translation>Me demander</translation>
    </message>
    <message>
        <source>When scanning, try to force the following camera resolution (make sure your camera supports it):</source>
        <translation>Lors de la numérisation, imposer cette résolution (votre appareil photo doit la prendre en charge)&#xa0;:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>2 Megapixles</source>
        <translation>2 mégapixels</translation>
    </message>
    <message>
        <source>3.2 Megapixles</source>
        <translation>3,2 mégapixels</translation>
    </message>
    <message>
        <source>5 Megapixles</source>
        <translation>5 mégapixels</translation>
    </message>
    <message>
        <source>Embedded image scaling:</source>
        <translation>Mise à l&apos;échelle des images&#xa0;:</translation>
    </message>
    <message>
        <source>Auto-portrait images</source>
        <translation>Images en portrait automatique</translation>
    </message>
    <message>
        <source>Output paper size:</source>
        <translation>Format du papier&#xa0;:</translation>
    </message>
    <message>
        <source>Ask to share/view after creating a PDF</source>
        <translation>Proposer d&apos;afficher ou partager le PDF</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Légal US</translation>
    </message>
    <message>
        <source>Tabloid</source>
        <translation>Tabloïd</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Carte postale</translation>
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
        <translation>Rotation</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200&#xa0;%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100&#xa0;%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50&#xa0;%</translation>
    </message>
    <message>
        <source>Crop image</source>
        <translation>Rogner l&apos;image</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>90 CW</source>
        <translation>90° horaire</translation>
    </message>
    <message>
        <source>90 CCW</source>
        <translation>90° antihoraire</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Page picture</source>
        <translation>Image de la page</translation>
    </message>
    <message>
        <source>Arrow keys scroll the picture. Drag across it, or hold Shift with the arrow keys, to draw the crop frame; Ctrl with the arrow keys moves the frame.</source>
        <translation>Les touches fléchées font défiler l&apos;image. Faites glisser sur l&apos;image, ou maintenez Maj avec les touches fléchées, pour tracer le cadre de rognage ; Ctrl avec les touches fléchées déplace le cadre.</translation>
    </message>
    <message>
        <source>Edit image</source>
        <translation>Modifier l&apos;image</translation>
    </message>
    <message>
        <source>Scroll across the picture</source>
        <translation>Défilement horizontal de l&apos;image</translation>
    </message>
    <message>
        <source>Scroll up and down the picture</source>
        <translation>Défilement vertical de l&apos;image</translation>
    </message>
    <message>
        <source>Straighten...</source>
        <translation>Redresser...</translation>
    </message>
    <message>
        <source>Enhance</source>
        <translation>Améliorer</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Colour document</source>
        <translation>Document couleur</translation>
    </message>
    <message>
        <source>Straighten page</source>
        <translation>Redresser la page</translation>
    </message>
    <message>
        <source>Page corners</source>
        <translation>Coins de la page</translation>
    </message>
    <message>
        <source>Drag each handle onto a corner of the page. Tab picks a corner, the arrow keys move it; hold Shift for larger steps.</source>
        <translation>Faites glisser chaque poignée sur un coin de la page. Tab choisit un coin, les touches fléchées le déplacent ; maintenez Maj pour des pas plus grands.</translation>
    </message>
    <message>
        <source>Top-left corner</source>
        <translation>Coin supérieur gauche</translation>
    </message>
    <message>
        <source>Top-right corner</source>
        <translation>Coin supérieur droit</translation>
    </message>
    <message>
        <source>Bottom-right corner</source>
        <translation>Coin inférieur droit</translation>
    </message>
    <message>
        <source>Bottom-left corner</source>
        <translation>Coin inférieur gauche</translation>
    </message>
    <message>
        <source>Straighten pages automatically</source>
        <translation>Redresser les pages automatiquement</translation>
    </message>
    <message>
        <source>Enhance new pages:</source>
        <translation>Améliorer les nouvelles pages&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Store - invalid cValues!</source>
        <translation>Magasin - cValues non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Store missing PR_ENTRYID!</source>
        <translation>PR_ENTRYID manquant dans le magasin&#xa0;!</translation>
    </message>
    <message>
        <source>email address:</source>
        <translation>adresse e-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Objet&#xa0;:</translation>
    </message>
    <message>
        <source>Message body:</source>
        <translation>Message&#xa0;:</translation>
    </message>
    <message>
        <source>Pick contact</source>
        <translation>Choisir un contact</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>File &apos;%s&apos; successfully sent to &apos;%s&apos; via email. Please synchronize your queue-only mail store to finalize the delivery to the recepient.</source>
        <translation>Le fichier «&#xa0;%s&#xa0;» a été envoyé par e-mail à «&#xa0;%s&#xa0;». Veuillez synchroniser votre boîte d&apos;envoi en file d&apos;attente pour achever la remise au destinataire.</translation>
    </message>
    <message>
        <source>Email handed over</source>
        <translation>E-mail transmis</translation>
    </message>
    <message>
        <source>File &apos;%s&apos; was handed to your desktop&apos;s mail program for &apos;%s&apos;. It is not sent yet: please send it from there.</source>
        <translation>Le fichier «&#xa0;%s&#xa0;» a été transmis au logiciel de messagerie de votre bureau pour «&#xa0;%s&#xa0;». Il n&apos;est pas encore envoyé&#xa0;: veuillez l&apos;envoyer depuis ce logiciel.</translation>
    </message>
    <message>
        <source>Could not send file &apos;%s&apos; to &apos;%s&apos;. Please check whether your desktop&apos;s mail program is configured and that you are able to send emails and try again.</source>
        <translation>Impossible d&apos;envoyer le fichier «&#xa0;%s&#xa0;» à «&#xa0;%s&#xa0;». Veuillez vérifier que le logiciel de messagerie de votre bureau est configuré et que vous pouvez envoyer des e-mails, puis réessayer.</translation>
    </message>
    <message>
        <source>Could not send file &apos;%s&apos; to &apos;%s&apos;. Please check whether your queue-only mail store is configured and that you are able to send emails and try again.</source>
        <translation>Impossible d&apos;envoyer le fichier «&#xa0;%s&#xa0;» à «&#xa0;%s&#xa0;». Veuillez vérifier que votre boîte d&apos;envoi en file d&apos;attente est configurée et que vous pouvez envoyer des e-mails, puis réessayer.</translation>
    </message>
    <message>
        <source>No mail account is set up. Add one with &apos;quillmark account add&apos; (see the README).</source>
        <translation>Aucun compte de messagerie n&apos;est configuré. Ajoutez-en un avec «&#xa0;quillmark account add&#xa0;» (voir le README).</translation>
    </message>
    <message>
        <source>The mail server answered: %s</source>
        <translation>Le serveur de messagerie a répondu&#xa0;: %s</translation>
    </message>
    <message>
        <source>The password could not be found: %s</source>
        <translation>Le mot de passe est introuvable&#xa0;: %s</translation>
    </message>
    <message>
        <source>The desktop&apos;s mail program did not take the message: %s</source>
        <translation>Le logiciel de messagerie du bureau n&apos;a pas accepté le message&#xa0;: %s</translation>
    </message>
    <message>
        <source>Reason: %s</source>
        <translation>Raison&#xa0;: %s</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>a picture changed or went away while the PDF was made</source>
        <translation>une image a changé ou disparu pendant la création du PDF</translation>
    </message>
    <message>
        <source>writing failed (disk full?)</source>
        <translation>l&apos;écriture a échoué (disque plein&#xa0;?)</translation>
    </message>
    <message>
        <source>a JPEG form the PDF library does not take</source>
        <translation>une forme de JPEG que la bibliothèque PDF ne prend pas en charge</translation>
    </message>
    <message>
        <source>not a JPEG file, whatever its name says</source>
        <translation>pas un fichier JPEG, quoi qu&apos;en dise son nom</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>PDF library error 0x%s</source>
        <translation>erreur 0x%s de la bibliothèque PDF</translation>
    </message>
    <message>
        <source>Could not complete the PDF document: %s. Tap &apos;Close&apos; to discard this message.</source>
        <translation>Impossible de terminer le document PDF&#xa0;: %s. Touchez «&#xa0;Fermer&#xa0;» pour ignorer ce message.</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Recognising text on page %d of %d...</source>
        <translation>Reconnaissance du texte de la page %d sur %d...</translation>
    </message>
    <message>
        <source>Recognise text (OCR)</source>
        <translation>Reconnaître le texte (OCR)</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Pictures in the PDF:</source>
        <translation>Images du PDF&#xa0;:</translation>
    </message>
    <message>
        <source>Original pictures</source>
        <translation>Images d’origine</translation>
    </message>
    <message>
        <source>Smaller, for e-mail</source>
        <translation>Plus petit, pour l’e-mail</translation>
    </message>
    <message>
        <source>Smallest, black and white text</source>
        <translation>Le plus petit, texte en noir et blanc</translation>
    </message>
    <message>
        <source>Attachment: %s (%s)</source>
        <translation>Pièce jointe&#xa0;: %s (%s)</translation>
    </message>
    <message>
        <source>Large attachment</source>
        <translation>Pièce jointe volumineuse</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is %s, more than many mail servers accept. Tap &apos;Yes&apos; to send a copy with smaller pictures, or &apos;No&apos; to send the file as it is. The file itself stays unchanged.</source>
        <translation>«&#xa0;%s&#xa0;» fait %s, plus que beaucoup de serveurs de messagerie n’acceptent. Touchez «&#xa0;Oui&#xa0;» pour envoyer une copie avec des images plus petites, ou «&#xa0;Non&#xa0;» pour envoyer le fichier tel quel. Le fichier lui-même reste inchangé.</translation>
    </message>
    <message>
        <source>Smaller copy</source>
        <translation>Copie plus petite</translation>
    </message>
    <message>
        <source>Please wait while a smaller copy is made</source>
        <translation>Veuillez patienter pendant la création d’une copie plus petite</translation>
    </message>
    <message>
        <source>Making picture %d of %d smaller...</source>
        <translation>Réduction de l’image %d sur %d...</translation>
    </message>
    <message>
        <source>Could not make a smaller copy of &apos;%s&apos;: only PDF documents made by this program can be made smaller. The file will be sent as it is.</source>
        <translation>Impossible de créer une copie plus petite de «&#xa0;%s&#xa0;»&#xa0;: seuls les documents PDF créés par ce programme peuvent être réduits. Le fichier sera envoyé tel quel.</translation>
    </message>
    <message>
        <source>The pictures of &apos;%s&apos; cannot be made any smaller. The file will be sent as it is.</source>
        <translation>Les images de «&#xa0;%s&#xa0;» ne peuvent pas être réduites davantage. Le fichier sera envoyé tel quel.</translation>
    </message>
    <message>
        <source>Could not make a smaller copy of &apos;%s&apos;: %s. The file will be sent as it is.</source>
        <translation>Impossible de créer une copie plus petite de «&#xa0;%s&#xa0;»&#xa0;: %s. Le fichier sera envoyé tel quel.</translation>
    </message>
    <message>
        <source>All Files|*.*|</source>
        <translation>Tous les fichiers|*.*|</translation>
    </message>
    <message>
        <source>All Folders</source>
        <translation>Tous les dossiers</translation>
    </message>
    <message>
        <source>\My Documents</source>
        <translation>\Mes documents</translation>
    </message>
    <message>
        <source>Finished searching the document!</source>
        <translation>Recherche dans le document terminée&#xa0;!</translation>
    </message>
    <message>
        <source>No matching item found!</source>
        <translation>Aucun élément correspondant&#xa0;!</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Picture of %d x %d pixels</source>
        <translation>Image de %d x %d pixels</translation>
    </message>
    <message>
        <source>crop frame of %d x %d pixels from %d, %d</source>
        <translation>cadre de recadrage de %d x %d pixels à partir de %d, %d</translation>
    </message>
    <message>
        <source>no crop frame</source>
        <translation>aucun cadre de recadrage</translation>
    </message>
    <message>
        <source>Could not open the help page &apos;%s&apos;. Please check if you have a web browser installed on your device.</source>
        <translation>Impossible d&apos;ouvrir la page d&apos;aide «&#xa0;%s&#xa0;». Veuillez vérifier qu&apos;un navigateur web est installé sur votre appareil.</translation>
    </message>
    <message>
        <source>Restore session</source>
        <translation>Restaurer la session</translation>
    </message>
    <message>
        <source>Restore the last session?</source>
        <translation>Restaurer la dernière session&#xa0;?</translation>
    </message>
    <message>
        <source>The program was not ended with Exit last time, and the session of %d pages was kept.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Yes&apos; to restore the pages or &apos;No&apos; to start an empty session.</source>
        <translation>Le programme n&apos;a pas été fermé avec «&#xa0;Quitter&#xa0;» la dernière fois, et la session de %d pages a été conservée.<byte value="xd"/>
<byte value="xd"/>
Touchez «&#xa0;Oui&#xa0;» pour restaurer les pages ou «&#xa0;Non&#xa0;» pour commencer une session vide.</translation>
    </message>
    <message>
        <source>The program was not ended with Exit last time, and the session of one page was kept.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Yes&apos; to restore the page or &apos;No&apos; to start an empty session.</source>
        <translation>Le programme n&apos;a pas été fermé avec «&#xa0;Quitter&#xa0;» la dernière fois, et la session d&apos;une page a été conservée.<byte value="xd"/>
<byte value="xd"/>
Touchez «&#xa0;Oui&#xa0;» pour restaurer la page ou «&#xa0;Non&#xa0;» pour commencer une session vide.</translation>
    </message>
    <message>
        <source>Some pages were left out</source>
        <translation>Certaines pages ont été omises</translation>
    </message>
    <message>
        <source>These pictures no longer exist or cannot be read, so their pages were left out:<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to discard this message.</source>
        <translation>Ces images n&apos;existent plus ou ne peuvent pas être lues, leurs pages ont donc été omises&#xa0;:<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Touchez «&#xa0;Fermer&#xa0;» pour ignorer ce message.</translation>
    </message>
    <message>
        <source>The last session cannot be restored</source>
        <translation>La dernière session ne peut pas être restaurée</translation>
    </message>
    <message>
        <source>The record of the last session is damaged, so its pages cannot be restored. It was kept as &apos;%s&apos;.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to start an empty session.</source>
        <translation>L&apos;enregistrement de la dernière session est endommagé, ses pages ne peuvent donc pas être restaurées. Il a été conservé sous «&#xa0;%s&#xa0;».<byte value="xd"/>
<byte value="xd"/>
Touchez «&#xa0;Fermer&#xa0;» pour commencer une session vide.</translation>
    </message>
    <message>
        <source>The record of the last session was written by a newer version of the program and cannot be read by this one. It was kept as &apos;%s&apos;.<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to start an empty session.</source>
        <translation>L&apos;enregistrement de la dernière session a été écrit par une version plus récente du programme et ne peut pas être lu par celle-ci. Il a été conservé sous «&#xa0;%s&#xa0;».<byte value="xd"/>
<byte value="xd"/>
Touchez «&#xa0;Fermer&#xa0;» pour commencer une session vide.</translation>
    </message>
    <message>
        <source>Not every page of these pictures could be imported, as copies of their pages cannot be written beside them. Please check if the folder is write-protected or the storage is full.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to discard this message.</source>
        <translation>Toutes les pages de ces images n’ont pas pu être importées, car les copies de leurs pages ne peuvent pas être écrites à côté d’elles. Veuillez vérifier si le dossier est protégé en écriture ou si l’espace de stockage est plein.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Touchez «&#xa0;Fermer&#xa0;» pour ignorer ce message.</translation>
    </message>
    <message>
        <source>Not every page of these pictures could be imported, as some of their pages cannot be read. Please check if the image files are valid.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Tap &apos;Close&apos; to discard this message.</source>
        <translation>Toutes les pages de ces images n’ont pas pu être importées, car certaines de leurs pages ne peuvent pas être lues. Veuillez vérifier si les fichiers image sont valides.<byte value="xd"/>
<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Touchez «&#xa0;Fermer&#xa0;» pour ignorer ce message.</translation>
    </message>
</context>
</TS>
