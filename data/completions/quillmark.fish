# fish completion for quillmark

set -l commands settings pdf scan account send
complete -c quillmark -f
complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -F
complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -s h -l help -d 'Show the options and commands'
complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -s V -l version -d 'Show the version'
complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -l screen -x -a '480x640 240x320 640x480 320x240' -d 'Fix the window at this size'
complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -l landscape -d 'Start with the device turned sideways'
complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -l log -d 'Write every log record to Quillmark.log'
complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -l screenshots -x -a '(__fish_complete_directories)' -d 'Write a picture of every screen into a folder'

complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -a settings -d 'Show or change the settings'
complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -a pdf -d 'Make one PDF from pictures'
complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -a scan -d 'Scan pages into one PDF'
complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -a account -d 'Set up e-mail accounts'
complete -c quillmark -n "not __fish_seen_subcommand_from $commands" -a send -d 'E-mail a file'

complete -c quillmark -n "__fish_seen_subcommand_from settings" -a 'list get set' -d 'Settings action'

complete -c quillmark -n "__fish_seen_subcommand_from pdf" -F
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -s o -l output -r -d 'The PDF to write (- for standard output)'
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -l page-size -x -a 'Letter Note Legal Tabloid Postcard A0 A1 A2 A3 A4 A5 A6' -d 'Paper size'
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -l fit -d 'Scale pictures other than JPEG to the page'
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -l center -d 'Keep the size of pictures that fit'
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -l auto-portrait -d 'Turn landscape pictures upright'
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -l no-auto-portrait -d 'Keep landscape pictures as they are'
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -l order -x -a 'name name-desc newest oldest found' -d 'Order of the pictures of a folder'
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -l ocr -x -d 'Recognise the text in this language'
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -l straighten -d 'Find the sheet in each photo and flatten it'
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -l enhance -x -a 'none grey bw colour' -d 'Give each page a document look'
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -l quality -x -a 'original email bw' -d 'Pictures as they are, smaller for e-mail, or black and white text'
complete -c quillmark -n "__fish_seen_subcommand_from pdf" -l files-from -r -d 'Read picture paths from a file'

complete -c quillmark -n "__fish_seen_subcommand_from account" -a 'add list remove contacts' -d 'Account action'
complete -c quillmark -n "__fish_seen_subcommand_from account" -l from -x -d 'Sender address'
complete -c quillmark -n "__fish_seen_subcommand_from account" -l host -x -d 'SMTP server'
complete -c quillmark -n "__fish_seen_subcommand_from account" -l port -x -d 'SMTP port'
complete -c quillmark -n "__fish_seen_subcommand_from account" -l security -x -a 'none starttls tls' -d 'Connection security'
complete -c quillmark -n "__fish_seen_subcommand_from account" -l user -x -d 'User name'
complete -c quillmark -n "__fish_seen_subcommand_from account" -l password-command -x -a '(__fish_complete_command)' -d 'Command that prints the password'
complete -c quillmark -n "__fish_seen_subcommand_from account" -l password-file -r -d 'File that holds the password'
complete -c quillmark -n "__fish_seen_subcommand_from account" -l ca-file -r -d 'Certificate authority to trust'
complete -c quillmark -n "__fish_seen_subcommand_from account" -l sync -d 'Queue messages only'
complete -c quillmark -n "__fish_seen_subcommand_from account" -l desktop -d 'Hand messages to the desktop mail program'

complete -c quillmark -n "__fish_seen_subcommand_from send" -F
complete -c quillmark -n "__fish_seen_subcommand_from send" -l to -x -d 'Recipients'
complete -c quillmark -n "__fish_seen_subcommand_from send" -l subject -x -d 'Subject'
complete -c quillmark -n "__fish_seen_subcommand_from send" -l body -x -d 'Message text'
complete -c quillmark -n "__fish_seen_subcommand_from send" -l account -x -d 'Account name'
complete -c quillmark -n "__fish_seen_subcommand_from send" -l help -d 'Show the help of the command'

set -l scan "__fish_seen_subcommand_from scan"
complete -c quillmark -n $scan -s o -l output -r -d 'The PDF to write'
complete -c quillmark -n $scan -l list -d 'List the scanners'
complete -c quillmark -n $scan -l device -x -a '(quillmark scan --list 2>/dev/null | cut -f1)' -d 'The scanner by its SANE name'
complete -c quillmark -n $scan -l source -x -a 'flatbed adf duplex' -d 'Where the sheets come from'
complete -c quillmark -n $scan -l resolution -x -a '75 150 200 300 600' -d 'Dots per inch'
complete -c quillmark -n $scan -l mode -x -a 'color gray lineart' -d 'Colour, grey or black and white'
complete -c quillmark -n $scan -l pages -x -d 'Scan at most this many pages'
complete -c quillmark -n $scan -l page-size -x -a 'Letter Note Legal Tabloid Postcard A0 A1 A2 A3 A4 A5 A6' -d 'Paper size'
complete -c quillmark -n $scan -l fit -d 'Scale black and white pages to the page'
complete -c quillmark -n $scan -l center -d 'Keep the size of pages that fit'
complete -c quillmark -n $scan -l auto-portrait -d 'Turn landscape pages upright'
complete -c quillmark -n $scan -l no-auto-portrait -d 'Keep landscape pages as they are'
complete -c quillmark -n $scan -l ocr -x -d 'Recognise the text in this language'
complete -c quillmark -n $scan -l straighten -d 'Find the sheet in each page and flatten it'
complete -c quillmark -n $scan -l enhance -x -a 'none grey bw colour' -d 'Give each page a document look'
