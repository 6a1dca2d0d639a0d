<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ContactCommands</name>
    <message>
        <source>--import-contacts needs one or more vCard or CSV files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contacts imported, %2 skipped (no fax number), %3 already present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 groups imported, %2 already present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-contacts needs one file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the company directory was not searched: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first line is no header of contact columns</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogSend</name>
    <message>
        <source>Keep the fax in the Outbox to try it again later?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep in Outbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fax is kept in the Outbox as unknown: open the Outbox to send it again or mark it as sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending stopped: the Outbox could not record the fax, and a fax is not sent without its record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fax was sent or taken from the Outbox meanwhile, so it is not sent from here. See the Outbox and Sent Faxes before sending it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>desklet: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set, or the display does not answer)
desklet: desklet --send works without one: desklet --send -file DOCUMENT -fax NUMBER
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentPreview</name>
    <message>
        <source>The file cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages: unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to 1 recipient</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 to %n recipients</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FaxNumberRules</name>
    <message>
        <source>A fax number that begins with 1 must be followed by exactly 10 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 1 can not have either a 0 or 1 as its second digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 0 must be between 8 and 35 digits long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 0 must be followed by 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fax number that doesn&apos;t begin with 0 or 1 must be exactly 10 digits long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrectly formatted fax telephone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please verify the fax telephone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please verify fax telephone number %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FaxSubmission</name>
    <message>
        <source>You must enter at least 1 fax number in the recipient list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipient(s) required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please verify your account name and password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error sending fax - Check Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please verify the path to the file you want to fax.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: File not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error connecting to the mail server.  Please check your Internet connection and mail server settings, or see the online help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error uploading your file to the server.  Please check your connection to the Internet and mail server settings, or see the online help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error sending Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server refused the fax for now.  Please try again later, or see the online help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.  Please check the server&apos;s name in your mail server settings and your Internet connection, or see the online help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server %1 refused the connection on port %2.  Please check the port in your mail server settings, or see the online help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server %1 did not answer in time.  Please check your Internet connection and mail server settings, or try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server answers in plain text on port %1, where SSL/TLS was asked for.  Please choose STARTTLS as the connection security in your mail server settings, or port 465 for SSL/TLS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail server %1, port %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s last reply: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s reason: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate cannot be trusted: %1.  Server: %2.  Please check your mail server settings, or see the online help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not valid for this server&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was issued by an authority this computer does not trust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it did not pass the check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server does not offer an encrypted connection.  Please check the connection security in your mail server settings, or see the online help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server refused your user name or password.  Please check them in your mail server settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server cannot take your login: a login needs an encrypted connection and a login method the server offers.  Please check your mail server settings, or see the online help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fax is too large for the mail server: the message has %1 bytes and the server takes at most %2.  Please send a smaller document, or use another mail server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The fax went to %1 of the %2 numbers. Only the %n numbers not yet sent are left in the list.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobOptions</name>
    <message>
        <source>unknown value of -%1: &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Fax sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 went to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax not sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not go to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutboxCommands</name>
    <message>
        <source>Try &apos;desklet --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sent takes one count of jobs, a whole number from 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--discard takes the id of one job, as --outbox lists it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fax job %1 discarded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--outbox takes no argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fax job %1 sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fax job %1 kept in the outbox: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fax job %1 kept as unknown: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fax job %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhoneBookFailure</name>
    <message>
        <source>The phone book needs Qt&apos;s SQLite driver, which is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book&apos;s folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book&apos;s folder %1 cannot be made private to you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 is a symbolic link; it is left alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 is not a file of yours that only you can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 was written by a newer version of Desklet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 cannot be brought up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book is in use by another program; try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full; nothing was changed in the phone book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book cannot be written; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That entry is no longer in the phone book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A contact needs at least one fax number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is too large for a contact file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %2 of %1 is not part of a vCard or CSV contact file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No contact or group is called &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several contacts or groups are called &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; has several fax numbers and none of them is for work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The group &quot;%1&quot; has no members.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintJobs</name>
    <message>
        <source>job %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (job %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fax printer holds these printed documents in the print queue because your fax inbox is full (%1 documents or %2 GiB):

%3
Send or close the faxes that wait, then let the held documents through with:

%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print to fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printed document
%1
cannot be opened. It stays where it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>You don&apos;t have permission to store information in the Windows Registry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insuffucient security clearance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TerminalMode</name>
    <message>
        <source>Try &apos;desklet --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a file name, or - for standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes with --send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start desklet once with a window to set up the account, or store logon and password in the [Config] section of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a symbolic link; give the file it names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can be read or written by others; make it private (chmod 600)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no password on its first line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no line break within its first %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds a zero byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n fax mails, one for each share of the numbers, written as an mbox</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>no document: give -file DOCUMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no fax number in -fax &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every user of this computer can read the password given with -smtp_password; give it with --password-file instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-%1 is not used: the stored value of %1, which is empty, is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-%1 is not used: the stored value of %1 is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this mode needs a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending fax... %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no fax number: give -fax NUMBER[,NUMBER...] or -to NAME[,NAME...]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not sent to: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes with --send or --flush-outbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fax is sent without a record in the sent log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept in the outbox: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept in the outbox as unknown: %1; desklet --outbox lists it, desklet --discard takes it out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--flush-outbox takes no argument</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes with --flush-outbox</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>the line is not a vCard property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a card begins inside another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only cards may begin here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is outside a card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card ends with something else</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card has no END</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::CAboutDlg</name>
    <message>
        <source>About Quillmark Tarvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desklet Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (c) 2026 Quillmark. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::CConfigSheet</name>
    <message>
        <source>Quillmark Tarvel Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::CFaxClientDlg</name>
    <message>
        <source>MS Word Documents (*.doc) (*.doc *.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart Files (*.xlc) (*.xlc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS Excel Worksheet Files (*.xls) (*.xls)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adobe Acrobate Files (*.pdf) (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postscript Files (*.ps,*.prn,*.psa) (*.ps *.prn *.psa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*) (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmark Tarvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account &amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Quillmark Tarvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File you would like to fax:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax Page Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the file to fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed to the fax printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed to the fax printer. 1 more printed document waits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Printed to the fax printer. %n more printed documents wait.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Phone Book...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Faxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Outbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sent Faxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document %1 is no longer there: the numbers are filled in, choose the document to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent Faxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::CHyperLinkCtrl</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::COnlineHelpDlg</name>
    <message>
        <source>Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewing the online help requires that you are connected to the Internet and you have a web browser installed.  If after reading the online help you require further assistance, or to subscribe to Quillmark services, call:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLICK HERE TO VIEW THE ONLINE HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_AccountSettingsLogon</name>
    <message>
        <source>Account Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmark Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Logon Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Confirm Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional Fax &amp;Station ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you chose to specify a fax station ID, this code will appear next to items that appear on your bill.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_ConfirmationSettings</name>
    <message>
        <source>Confirmations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify when fax is &amp;delivered successfully:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify when a fax can&apos;&amp;t be delivered:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify when a fax is &amp;queued to be sent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify when a fax ca&amp;n&apos;t be queued to be sent:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_Directory</name>
    <message>
        <source>Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book can also search your company&apos;s directory (LDAP). Enter its server as ldap://server, which is encrypted with StartTLS whenever the server offers it, or ldaps://server, and the part of the directory to search. A login name and password are needed only if the directory asks for one; the password is sent over an encrypted connection only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory se&amp;rver:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ldap://directory.example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search &amp;base:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dc=example,dc=com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log&amp;in name (optional):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the directory server as ldap://server or ldaps://server, or leave the field empty.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_SMTP_Settings</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail Server Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmark Tarvel works by sending email to a server at Quillmark&apos;s data center.  Some Internet Service Providers will not allow you to connect directly to Quillmark&apos;s mail server.  If your ISP requires you to use a specific mail server, please enter the address of that server below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP &amp;Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STARTTLS (usually port 587) and SSL/TLS (usually port 465) encrypt the connection; None sends everything as plain text (port 25). Enter a user name and password only if the server asks you to log in; they are sent over an encrypted connection only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connection security:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password is kept in the desktop keyring.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password is kept as plain text in the settings file %1, as no desktop keyring takes it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::CPropertySheet</name>
    <message>
        <source>Properties for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::ContactEditDlg</name>
    <message>
        <source>New Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax numbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label of fax number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::ContactInfoCtrl</name>
    <message>
        <source>If you have any questions or to sign up for Quillmark Fax Services,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or call %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::CoverPageCtrl</name>
    <message>
        <source>Cover Page Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach cover page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional Comment for Cover Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Optional) Send fax Attention to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Optional) Send Fax From:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::DocumentPreviewCtrl</name>
    <message>
        <source>Open the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open the document:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First page of the document</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::GroupEditDlg</name>
    <message>
        <source>New Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Members:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::Outbox</name>
    <message>
        <source>The document could not be kept for a later try: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no fax job %1 in the outbox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax job %1 cannot be changed now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sending program stopped during the try.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax job %1 was not sent and has failed: the outbox&apos;s copy of its document is damaged or gone, as after a power cut. Please send the document again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax job %1 waits for a later try: the outbox&apos;s copy of its document cannot be read just now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::OutboxDlg</name>
    <message>
        <source>Outbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Attempt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faxes in the outbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark as Sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fax to %1 may have gone. Send it again to these numbers?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard the fax to %1? It will not be sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::PhoneBookCompletion</name>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 (directory)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::PhoneBookDlg</name>
    <message>
        <source>Phone Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name, company or number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts and groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Contact...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Group...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to &amp;Recipients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 from the phone book?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete these %1 entries from the phone book?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact files (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contacts imported, %2 skipped (no fax number), %3 already present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 groups imported, %2 already present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to Phone Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::RecipientPanel</name>
    <message>
        <source>Fax Recipients:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To add recipients, enter the number here and click Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt; Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desklet::SendProgressDlg</name>
    <message>
        <source>Sending fax...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending fax... (1 recipient)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Sending fax... (%n recipients)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Sending fax... (1 recipient, mail %1 of %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Sending fax... (%n recipients, mail %1 of %2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>desklet::SentFaxesDlg</name>
    <message>
        <source>Sent Faxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message-ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faxes sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
