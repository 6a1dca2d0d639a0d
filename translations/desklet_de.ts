<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ContactCommands</name>
    <message>
        <source>--import-contacts needs one or more vCard or CSV files</source>
        <translation>--import-contacts braucht eine oder mehrere vCard- oder CSV-Dateien</translation>
    </message>
    <message>
        <source>%1 contacts imported, %2 skipped (no fax number), %3 already present</source>
        <translation>%1 Kontakte importiert, %2 übersprungen (keine Faxnummer), %3 bereits vorhanden</translation>
    </message>
    <message>
        <source>%1 groups imported, %2 already present</source>
        <translation>%1 Gruppen importiert, %2 bereits vorhanden</translation>
    </message>
    <message>
        <source>--export-contacts needs one file to write</source>
        <translation>--export-contacts braucht eine Datei zum Schreiben</translation>
    </message>
    <message>
        <source>the company directory was not searched: %1</source>
        <translation>das Firmenverzeichnis wurde nicht durchsucht: %1</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the first line is no header of contact columns</source>
        <translation>die erste Zeile ist keine Kopfzeile mit Kontaktspalten</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
</context>
<context>
    <name>DialogSend</name>
    <message>
        <source>Keep the fax in the Outbox to try it again later?</source>
        <translation>Das Fax im Ausgang behalten, um es später noch einmal zu versuchen?</translation>
    </message>
    <message>
        <source>&amp;Keep in Outbox</source>
        <translation>Im Ausgang &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>The fax is kept in the Outbox as unknown: open the Outbox to send it again or mark it as sent.</source>
        <translation>Das Fax bleibt mit unbekanntem Ergebnis im Ausgang: Öffnen Sie den Ausgang, um es erneut zu senden oder als gesendet zu markieren.</translation>
    </message>
    <message>
        <source>Sending stopped: the Outbox could not record the fax, and a fax is not sent without its record.</source>
        <translation>Senden abgebrochen: Der Ausgang konnte das Fax nicht verzeichnen, und ohne diesen Eintrag wird kein Fax gesendet.</translation>
    </message>
    <message>
        <source>The fax was sent or taken from the Outbox meanwhile, so it is not sent from here. See the Outbox and Sent Faxes before sending it again.</source>
        <translation>Das Fax wurde inzwischen gesendet oder aus dem Ausgang übernommen und wird deshalb nicht von hier gesendet. Sehen Sie im Ausgang und unter „Gesendete Faxe“ nach, bevor Sie es erneut senden.</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Ausgang</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>desklet: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set, or the display does not answer)
desklet: desklet --send works without one: desklet --send -file DOCUMENT -fax NUMBER
</source>
        <translation>desklet: Es gibt keine Anzeige, auf der das Fenster geöffnet werden kann (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt, oder die Anzeige antwortet nicht)
desklet: desklet --send funktioniert ohne Anzeige: desklet --send -file DOCUMENT -fax NUMBER
</translation>
    </message>
</context>
<context>
    <name>DocumentPreview</name>
    <message>
        <source>The file cannot be read</source>
        <translation>Die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Pages: unknown</source>
        <translation>Seiten: unbekannt</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to 1 recipient</source>
        <translation>%1 an 1 Empfänger</translation>
    </message>
    <message numerus="yes">
        <source>%1 to %n recipients</source>
        <translation>
            <numerusform>%1 an %n Empfänger</numerusform>
            <numerusform>%1 an %n Empfänger</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FaxNumberRules</name>
    <message>
        <source>A fax number that begins with 1 must be followed by exactly 10 digits</source>
        <translation>Auf eine Faxnummer, die mit 1 beginnt, müssen genau 10 Ziffern folgen</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 1 can not have either a 0 or 1 as its second digit</source>
        <translation>Bei einer Faxnummer, die mit 1 beginnt, darf die zweite Ziffer weder 0 noch 1 sein</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 0 must be between 8 and 35 digits long</source>
        <translation>Eine Faxnummer, die mit 0 beginnt, muss zwischen 8 und 35 Ziffern lang sein</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 0 must be followed by 11</source>
        <translation>Auf eine Faxnummer, die mit 0 beginnt, muss 11 folgen</translation>
    </message>
    <message>
        <source>A fax number that doesn&apos;t begin with 0 or 1 must be exactly 10 digits long</source>
        <translation>Eine Faxnummer, die nicht mit 0 oder 1 beginnt, muss genau 10 Ziffern lang sein</translation>
    </message>
    <message>
        <source>Incorrectly formatted fax telephone number</source>
        <translation>Falsch formatierte Faxnummer</translation>
    </message>
    <message>
        <source>Please verify the fax telephone number</source>
        <translation>Bitte überprüfen Sie die Faxnummer</translation>
    </message>
    <message>
        <source>Please verify fax telephone number %1</source>
        <translation>Bitte überprüfen Sie die Faxnummer %1</translation>
    </message>
</context>
<context>
    <name>FaxSubmission</name>
    <message>
        <source>You must enter at least 1 fax number in the recipient list.</source>
        <translation>Sie müssen mindestens 1 Faxnummer in die Empfängerliste eingeben.</translation>
    </message>
    <message>
        <source>Recipient(s) required</source>
        <translation>Empfänger erforderlich</translation>
    </message>
    <message>
        <source>Please verify your account name and password</source>
        <translation>Bitte überprüfen Sie Ihren Kontonamen und Ihr Passwort</translation>
    </message>
    <message>
        <source>Error sending fax - Check Password</source>
        <translation>Fehler beim Senden des Faxes – Passwort prüfen</translation>
    </message>
    <message>
        <source>Please verify the path to the file you want to fax.</source>
        <translation>Bitte überprüfen Sie den Pfad zu der Datei, die Sie faxen möchten.</translation>
    </message>
    <message>
        <source>Error: File not found!</source>
        <translation>Fehler: Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>Error connecting to the mail server.  Please check your Internet connection and mail server settings, or see the online help.</source>
        <translation>Fehler beim Verbinden mit dem Mailserver.  Bitte prüfen Sie Ihre Internetverbindung und die Mailserver-Einstellungen, oder lesen Sie die Online-Hilfe.</translation>
    </message>
    <message>
        <source>Error uploading your file to the server.  Please check your connection to the Internet and mail server settings, or see the online help.</source>
        <translation>Fehler beim Hochladen Ihrer Datei auf den Server.  Bitte prüfen Sie Ihre Internetverbindung und die Mailserver-Einstellungen, oder lesen Sie die Online-Hilfe.</translation>
    </message>
    <message>
        <source>Error sending Fax</source>
        <translation>Fehler beim Senden des Faxes</translation>
    </message>
    <message>
        <source>The mail server refused the fax for now.  Please try again later, or see the online help.</source>
        <translation>Der Mailserver hat das Fax vorerst abgelehnt.  Bitte versuchen Sie es später noch einmal, oder lesen Sie die Online-Hilfe.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.  Please check the server&apos;s name in your mail server settings and your Internet connection, or see the online help.</source>
        <translation>Der Mailserver %1 wurde nicht gefunden.  Bitte prüfen Sie den Namen des Servers in Ihren Mailserver-Einstellungen und Ihre Internetverbindung, oder lesen Sie die Online-Hilfe.</translation>
    </message>
    <message>
        <source>The mail server %1 refused the connection on port %2.  Please check the port in your mail server settings, or see the online help.</source>
        <translation>Der Mailserver %1 hat die Verbindung auf Port %2 abgelehnt.  Bitte prüfen Sie den Port in Ihren Mailserver-Einstellungen, oder lesen Sie die Online-Hilfe.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer in time.  Please check your Internet connection and mail server settings, or try again later.</source>
        <translation>Der Mailserver %1 hat nicht rechtzeitig geantwortet.  Bitte prüfen Sie Ihre Internetverbindung und die Mailserver-Einstellungen, oder versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>The mail server answers in plain text on port %1, where SSL/TLS was asked for.  Please choose STARTTLS as the connection security in your mail server settings, or port 465 for SSL/TLS.</source>
        <translation>Der Mailserver antwortet auf Port %1 unverschlüsselt, obwohl SSL/TLS verlangt wurde.  Bitte wählen Sie in Ihren Mailserver-Einstellungen STARTTLS als Verbindungssicherheit, oder Port 465 für SSL/TLS.</translation>
    </message>
    <message>
        <source>Mail server %1, port %2.</source>
        <translation>Mailserver %1, Port %2.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <source>The server&apos;s last reply: %1</source>
        <translation>Die letzte Antwort des Servers: %1</translation>
    </message>
    <message>
        <source>The system&apos;s reason: %1.</source>
        <translation>Der Grund laut System: %1.</translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate cannot be trusted: %1.  Server: %2.  Please check your mail server settings, or see the online help.</source>
        <translation>Dem Zertifikat des Mailservers kann nicht vertraut werden: %1.  Server: %2.  Bitte prüfen Sie Ihre Mailserver-Einstellungen, oder lesen Sie die Online-Hilfe.</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>es ist abgelaufen</translation>
    </message>
    <message>
        <source>it is not valid for this server&apos;s name</source>
        <translation>es gilt nicht für den Namen dieses Servers</translation>
    </message>
    <message>
        <source>it was issued by an authority this computer does not trust</source>
        <translation>es wurde von einer Stelle ausgestellt, der dieser Computer nicht vertraut</translation>
    </message>
    <message>
        <source>it did not pass the check</source>
        <translation>es hat die Prüfung nicht bestanden</translation>
    </message>
    <message>
        <source>The mail server does not offer an encrypted connection.  Please check the connection security in your mail server settings, or see the online help.</source>
        <translation>Der Mailserver bietet keine verschlüsselte Verbindung an.  Bitte prüfen Sie die Verbindungssicherheit in Ihren Mailserver-Einstellungen, oder lesen Sie die Online-Hilfe.</translation>
    </message>
    <message>
        <source>The mail server refused your user name or password.  Please check them in your mail server settings.</source>
        <translation>Der Mailserver hat Ihren Benutzernamen oder Ihr Passwort abgelehnt.  Bitte prüfen Sie beides in Ihren Mailserver-Einstellungen.</translation>
    </message>
    <message>
        <source>The mail server cannot take your login: a login needs an encrypted connection and a login method the server offers.  Please check your mail server settings, or see the online help.</source>
        <translation>Der Mailserver kann Ihre Anmeldung nicht annehmen: Eine Anmeldung braucht eine verschlüsselte Verbindung und ein Anmeldeverfahren, das der Server anbietet.  Bitte prüfen Sie Ihre Mailserver-Einstellungen, oder lesen Sie die Online-Hilfe.</translation>
    </message>
    <message>
        <source>The fax is too large for the mail server: the message has %1 bytes and the server takes at most %2.  Please send a smaller document, or use another mail server.</source>
        <translation>Das Fax ist zu groß für den Mailserver: Die Nachricht hat %1 Bytes, der Server nimmt höchstens %2.  Bitte senden Sie ein kleineres Dokument, oder verwenden Sie einen anderen Mailserver.</translation>
    </message>
    <message numerus="yes">
        <source>The fax went to %1 of the %2 numbers. Only the %n numbers not yet sent are left in the list.</source>
        <translation>
            <numerusform>Das Fax ging an %1 der %2 Nummern. Nur die %n noch nicht gesendete Nummer bleibt in der Liste.</numerusform>
            <numerusform>Das Fax ging an %1 der %2 Nummern. Nur die %n noch nicht gesendeten Nummern bleiben in der Liste.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobOptions</name>
    <message>
        <source>unknown value of -%1: &quot;%2&quot;</source>
        <translation>unbekannter Wert für -%1: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Fax sent</source>
        <translation>Fax gesendet</translation>
    </message>
    <message>
        <source>%1 went to %2.</source>
        <translation>%1 wurde an %2 gesendet.</translation>
    </message>
    <message>
        <source>Fax not sent</source>
        <translation>Fax nicht gesendet</translation>
    </message>
    <message>
        <source>%1 could not go to %2: %3</source>
        <translation>%1 konnte nicht an %2 gesendet werden: %3</translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt es an
Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Es war nicht genügend Speicher vorhanden, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Es ist eine Freigabeverletzung aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil die Anforderung abgelaufen ist.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil andere DDE-Transaktionen
gerade verarbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateinamenerweiterung
ist keine Anwendung zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene DLL (Dynamic Link Library) wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ein unbekannter Fehler (%1) ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>OutboxCommands</name>
    <message>
        <source>Try &apos;desklet --help&apos; for more information.</source>
        <translation>Mehr Informationen mit &apos;desklet --help&apos;.</translation>
    </message>
    <message>
        <source>--sent takes one count of jobs, a whole number from 1</source>
        <translation>--sent braucht eine Anzahl von Aufträgen, eine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>--discard takes the id of one job, as --outbox lists it</source>
        <translation>--discard braucht die ID eines Auftrags, wie --outbox sie auflistet</translation>
    </message>
    <message>
        <source>fax job %1 discarded</source>
        <translation>Faxauftrag %1 verworfen</translation>
    </message>
    <message>
        <source>--outbox takes no argument</source>
        <translation>--outbox erwartet kein Argument</translation>
    </message>
    <message>
        <source>fax job %1 sent</source>
        <translation>Faxauftrag %1 gesendet</translation>
    </message>
    <message>
        <source>fax job %1 kept in the outbox: %2</source>
        <translation>Faxauftrag %1 bleibt im Ausgang: %2</translation>
    </message>
    <message>
        <source>fax job %1 kept as unknown: %2</source>
        <translation>Faxauftrag %1 bleibt mit unbekanntem Ergebnis im Ausgang: %2</translation>
    </message>
    <message>
        <source>fax job %1 failed: %2</source>
        <translation>Faxauftrag %1 fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>PhoneBookFailure</name>
    <message>
        <source>The phone book needs Qt&apos;s SQLite driver, which is not installed.</source>
        <translation>Das Telefonbuch braucht den SQLite-Treiber von Qt, der nicht installiert ist.</translation>
    </message>
    <message>
        <source>The phone book&apos;s folder %1 cannot be created.</source>
        <translation>Der Ordner des Telefonbuchs %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The phone book&apos;s folder %1 cannot be made private to you.</source>
        <translation>Der Ordner des Telefonbuchs %1 kann nicht für Sie allein zugänglich gemacht werden.</translation>
    </message>
    <message>
        <source>The phone book %1 is a symbolic link; it is left alone.</source>
        <translation>Das Telefonbuch %1 ist ein symbolischer Link; es bleibt unberührt.</translation>
    </message>
    <message>
        <source>The phone book %1 is not a file of yours that only you can read.</source>
        <translation>Das Telefonbuch %1 ist keine Datei von Ihnen, die nur Sie lesen können.</translation>
    </message>
    <message>
        <source>The phone book %1 cannot be opened.</source>
        <translation>Das Telefonbuch %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The phone book %1 was written by a newer version of Desklet.</source>
        <translation>Das Telefonbuch %1 wurde von einer neueren Version von Desklet geschrieben.</translation>
    </message>
    <message>
        <source>The phone book %1 cannot be brought up to date.</source>
        <translation>Das Telefonbuch %1 kann nicht auf den neuesten Stand gebracht werden.</translation>
    </message>
    <message>
        <source>The phone book is in use by another program; try again.</source>
        <translation>Das Telefonbuch wird von einem anderen Programm verwendet; versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>The disk is full; nothing was changed in the phone book.</source>
        <translation>Der Datenträger ist voll; am Telefonbuch wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The phone book cannot be written; nothing was changed.</source>
        <translation>Das Telefonbuch kann nicht geschrieben werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The phone book cannot be read.</source>
        <translation>Das Telefonbuch kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>That entry is no longer in the phone book.</source>
        <translation>Dieser Eintrag ist nicht mehr im Telefonbuch.</translation>
    </message>
    <message>
        <source>A contact needs at least one fax number.</source>
        <translation>Ein Kontakt braucht mindestens eine Faxnummer.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a contact file.</source>
        <translation>Die Datei %1 ist zu groß für eine Kontaktdatei.</translation>
    </message>
    <message>
        <source>Line %2 of %1 is not part of a vCard or CSV contact file.</source>
        <translation>Zeile %2 von %1 gehört nicht zu einer vCard- oder CSV-Kontaktdatei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No contact or group is called &quot;%1&quot;.</source>
        <translation>Kein Kontakt und keine Gruppe heißt „%1“.</translation>
    </message>
    <message>
        <source>Several contacts or groups are called &quot;%1&quot;.</source>
        <translation>Mehrere Kontakte oder Gruppen heißen „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has several fax numbers and none of them is for work.</source>
        <translation>„%1“ hat mehrere Faxnummern, und keine davon ist geschäftlich.</translation>
    </message>
    <message>
        <source>The group &quot;%1&quot; has no members.</source>
        <translation>Die Gruppe „%1“ hat keine Mitglieder.</translation>
    </message>
</context>
<context>
    <name>PrintJobs</name>
    <message>
        <source>job %1</source>
        <translation>Auftrag %1</translation>
    </message>
    <message>
        <source>%1 (job %2)</source>
        <translation>%1 (Auftrag %2)</translation>
    </message>
    <message>
        <source>The fax printer holds these printed documents in the print queue because your fax inbox is full (%1 documents or %2 GiB):

%3
Send or close the faxes that wait, then let the held documents through with:

%4</source>
        <translation>Der Faxdrucker hält diese gedruckten Dokumente in der Druckwarteschlange zurück, weil Ihr Fax-Eingang voll ist (%1 Dokumente oder %2 GiB):

%3
Senden oder schließen Sie die wartenden Faxe, und geben Sie die zurückgehaltenen Dokumente dann frei mit:

%4</translation>
    </message>
    <message>
        <source>Print to fax</source>
        <translation>Als Fax drucken</translation>
    </message>
    <message>
        <source>The printed document
%1
cannot be opened. It stays where it is.</source>
        <translation>Das gedruckte Dokument
%1
kann nicht geöffnet werden. Es bleibt, wo es ist.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>You don&apos;t have permission to store information in the Windows Registry</source>
        <translation>Sie haben keine Berechtigung, Informationen in der Windows-Registrierung zu speichern</translation>
    </message>
    <message>
        <source>Insuffucient security clearance</source>
        <translation>Unzureichende Sicherheitsberechtigung</translation>
    </message>
</context>
<context>
    <name>TerminalMode</name>
    <message>
        <source>Try &apos;desklet --help&apos; for more information.</source>
        <translation>Mehr Informationen mit &apos;desklet --help&apos;.</translation>
    </message>
    <message>
        <source>sending fax... %1%</source>
        <translation>Fax wird gesendet... %1%</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together</source>
        <translation>%1 und %2 können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>%1 needs a file name, or - for standard input</source>
        <translation>%1 braucht einen Dateinamen, oder - für die Standardeingabe</translation>
    </message>
    <message>
        <source>%1 goes with --send</source>
        <translation>%1 gehört zu --send</translation>
    </message>
    <message>
        <source>start desklet once with a window to set up the account, or store logon and password in the [Config] section of %1</source>
        <translation>starten Sie desklet einmal mit Fenster, um das Konto einzurichten, oder speichern Sie logon und password im Abschnitt [Config] von %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>the password file %1</source>
        <translation>die Passwortdatei %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; give the file it names</source>
        <translation>%1 ist ein symbolischer Link; geben Sie die Datei an, auf die er zeigt</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 can be read or written by others; make it private (chmod 600)</source>
        <translation>%1 kann von anderen gelesen oder geschrieben werden; machen Sie sie privat (chmod 600)</translation>
    </message>
    <message>
        <source>%1 holds no password on its first line</source>
        <translation>%1 enthält in der ersten Zeile kein Passwort</translation>
    </message>
    <message>
        <source>%1 has no line break within its first %2 bytes</source>
        <translation>%1 hat in den ersten %2 Bytes keinen Zeilenumbruch</translation>
    </message>
    <message>
        <source>%1 holds a zero byte</source>
        <translation>%1 enthält ein Nullbyte</translation>
    </message>
    <message numerus="yes">
        <source>%n fax mails, one for each share of the numbers, written as an mbox</source>
        <translation>
            <numerusform>%n Fax-Mail, eine für jeden Teil der Nummern, als mbox geschrieben</numerusform>
            <numerusform>%n Fax-Mails, eine für jeden Teil der Nummern, als mbox geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>no fax number: give -fax NUMBER[,NUMBER...] or -to NAME[,NAME...]</source>
        <translation>keine Faxnummer: geben Sie -fax NUMBER[,NUMBER...] oder -to NAME[,NAME...] an</translation>
    </message>
    <message>
        <source>no document: give -file DOCUMENT</source>
        <translation>kein Dokument: geben Sie -file DOCUMENT an</translation>
    </message>
    <message>
        <source>no fax number in -fax &quot;%1&quot;</source>
        <translation>keine Faxnummer in -fax &quot;%1&quot;</translation>
    </message>
    <message>
        <source>every user of this computer can read the password given with -smtp_password; give it with --password-file instead</source>
        <translation>jeder Benutzer dieses Computers kann das mit -smtp_password angegebene Passwort lesen; geben Sie es stattdessen mit --password-file an</translation>
    </message>
    <message>
        <source>-%1 is not used: the stored value of %1, which is empty, is</source>
        <translation>-%1 wird nicht verwendet: Es gilt der gespeicherte Wert von %1, der leer ist</translation>
    </message>
    <message>
        <source>-%1 is not used: the stored value of %1 is</source>
        <translation>-%1 wird nicht verwendet: Es gilt der gespeicherte Wert von %1</translation>
    </message>
    <message>
        <source>not sent to: %1</source>
        <translation>nicht gesendet an: %1</translation>
    </message>
    <message>
        <source>this mode needs a window</source>
        <translation>dieser Modus braucht ein Fenster</translation>
    </message>
    <message>
        <source>%1 goes with --send or --flush-outbox</source>
        <translation>%1 gehört zu --send oder --flush-outbox</translation>
    </message>
    <message>
        <source>the fax is sent without a record in the sent log</source>
        <translation>das Fax wird ohne Eintrag im Sendeprotokoll gesendet</translation>
    </message>
    <message>
        <source>kept in the outbox: %1</source>
        <translation>bleibt im Ausgang: %1</translation>
    </message>
    <message>
        <source>kept in the outbox as unknown: %1; desklet --outbox lists it, desklet --discard takes it out</source>
        <translation>bleibt mit unbekanntem Ergebnis im Ausgang: %1; desklet --outbox listet es auf, desklet --discard nimmt es heraus</translation>
    </message>
    <message>
        <source>--flush-outbox takes no argument</source>
        <translation>--flush-outbox erwartet kein Argument</translation>
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
        <translation>Aufruf: desklet [-file DOCUMENT] [-fax NUMBER[,NUMBER...]] [KEY VALUE...]
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

Ohne Option öffnet sich der Faxdialog, ausgefüllt aus den Schlüsseln.
  --send           das Fax ohne Fenster senden; Meldungen gehen an die
                   Standardfehlerausgabe; jedes gesendete Fax wird im
                   Sendeprotokoll festgehalten
  --queue          mit --send: bei einem Fehler, der vorübergehen kann (kein
                   Server, eine vorläufige Ablehnung), bleibt das Fax im
                   Ausgang, bis es mit --flush-outbox oder dem nächsten Versuch
                   des Sitzungshelfers geht, und der Lauf endet mit 0
  --outbox         die Faxe auflisten, die im Ausgang warten oder deren Verbleib
                   unbekannt ist: ID&lt;TAB&gt;Status&lt;TAB&gt;eingereiht&lt;TAB&gt;Nummern
                   &lt;TAB&gt;Dokument&lt;TAB&gt;Versuche&lt;TAB&gt;nächster Versuch&lt;TAB&gt;letzter
                   Fehler
  --flush-outbox   jedes wartende Fax jetzt versuchen; endet mit 0, wenn keines
                   mehr wartet, mit 75, wenn noch welche warten
  --due            mit --flush-outbox: nur die Faxe versuchen, deren nächster
                   Versuch fällig ist, damit die anderen ihren Termin behalten
  --discard ID     ein wartendes oder unbekanntes Fax aus dem Ausgang nehmen
  --sent [N]       die Faxe der letzten N Aufträge ausgeben (ohne N 20), eine
                   Mail pro Zeile: Zeit&lt;TAB&gt;Nummern&lt;TAB&gt;Dokument&lt;TAB&gt;Ergebnis
                   &lt;TAB&gt;Message-ID&lt;TAB&gt;Antwort des Servers
  --print-message  die Fax-Mail auf die Standardausgabe schreiben und nichts
                   senden; ein Fax aus mehreren Mails wird als mbox geschrieben
  --print-jobs     den Faxdialog für jedes wartende gedruckte Dokument öffnen
  --import-contacts FILE...
                   die Kontakte und Gruppen aus vCard- oder CSV-Dateien ins
                   Telefonbuch aufnehmen; die Anzahlen gehen an die
                   Standardfehlerausgabe
  --export-contacts FILE
                   alle Kontakte und Gruppen als vCard 4.0 in FILE schreiben
  --contacts [TEXT]
                   die Kontakte und Gruppen ausgeben, deren Name, Firma oder
                   Nummer TEXT enthält, eine Faxnummer pro Zeile:
                   Name&lt;TAB&gt;Firma&lt;TAB&gt;Nummer&lt;TAB&gt;Bezeichnung
  --help           diesen Text anzeigen
  --version        die Version anzeigen
  --password-file FILE
                   mit --send oder --flush-outbox: die erste Zeile von FILE
                   ist das Passwort für den Mailserver; nur der Eigentümer
                   darf FILE lesen (- liest die Standardeingabe); es gilt für
                   diesen Lauf, vor dem gespeicherten

Schlüssel (Bindestrich, Schlüssel, dann der Wert: das nächste Argument, ganz):
  -file DOCUMENT       das zu faxende Dokument
  -fax LIST            Faxnummern, durch Kommas getrennt
  -to NAMES            Kontakte oder Gruppen des Telefonbuchs, kommagetrennt
  -font regular|bold   die Schrift der Faxseite
  -resolution low|high
  -cover yes|no        ein Deckblatt anfügen
  -comment TEXT        -from TEXT        -attention TEXT
Jede Einstellung lässt sich so angeben (-logon, -smtp, -smtp_port, ...), für
die nicht gespeicherten Einstellungen: ein gespeicherter Wert gewinnt, und
--send nennt jeden Schlüssel, den er überschreibt. Jeder Benutzer dieses
Computers kann eine Befehlszeile lesen; geben Sie das Passwort daher mit
--password-file statt mit -smtp_password an.

Die Einstellungen liegen in $XDG_CONFIG_HOME/Quillmark/Desklet.conf (~/.config/Quillmark/Desklet.conf);
starten Sie desklet einmal mit Fenster, um das Konto einzurichten.

Exit-Status:
   0 gesendet (oder ausgegeben); mit --queue auch: für einen späteren Versuch
     im Ausgang behalten
  64 die Befehlszeile ist falsch: kein -fax oder -file, ein unbekannter Wert
     oder eine unbekannte Option, --password-file ohne Datei oder ohne --send
     oder --flush-outbox, --queue ohne --send, --due ohne --flush-outbox
  65 eine Faxnummer verletzt die Nummernregeln; ein -to-Name ist unbekannt oder
     passt auf mehrere Kontakte; eine Kontaktdatei ist weder vCard noch CSV;
     --discard nennt keinen Auftrag des Ausgangs
  66 das Dokument oder eine Kontaktdatei fehlt oder ist nicht lesbar
  69 der Server war nicht erreichbar, hat das Fax endgültig abgelehnt (5xx),
     bietet die verlangte Verschlüsselung nicht an oder nimmt keine so große
     Nachricht; oder es gibt keine Anzeige für das Fenster (desklet,
     desklet --print-jobs)
  75 der Server hat das Fax vorerst abgelehnt (4xx), oder seine Antwort auf
     die Nachricht kam nie (das Fax bleibt als unbekannt im Ausgang);
     versuchen Sie es später noch einmal; mit --flush-outbox: es warten noch
     Faxe
  76 die Antworten des Servers ergaben keinen Sinn, oder er hat die Verbindung
     mitten in der Sitzung geschlossen
  77 der Server hat die Anmeldung oder sein Zertifikat abgelehnt
  73 die exportierte Datei kann nicht geschrieben werden
  74 das Telefonbuch, der Ausgang oder das Sendeprotokoll kann nicht geöffnet,
     gelesen oder geschrieben werden
  78 kein Konto eingerichtet: starten Sie desklet einmal mit Fenster; oder die
     Mailserver-Einstellungen sind unbrauchbar (eine Anmeldung ohne
     Verschlüsselung, ein unbekanntes smtp_security); oder die Passwortdatei
     ist unbrauchbar (fehlt, für andere lesbar, ein symbolischer Link, kein
     Passwort in der ersten Zeile)
</translation>
    </message>
    <message>
        <source>%1 goes with --flush-outbox</source>
        <translation>%1 gehört zu --flush-outbox</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>the line is not a vCard property</source>
        <translation>die Zeile ist keine vCard-Eigenschaft</translation>
    </message>
    <message>
        <source>a card begins inside another</source>
        <translation>eine Karte beginnt innerhalb einer anderen</translation>
    </message>
    <message>
        <source>only cards may begin here</source>
        <translation>hier dürfen nur Karten beginnen</translation>
    </message>
    <message>
        <source>the line is outside a card</source>
        <translation>die Zeile liegt außerhalb einer Karte</translation>
    </message>
    <message>
        <source>the card ends with something else</source>
        <translation>die Karte endet mit etwas anderem</translation>
    </message>
    <message>
        <source>the card has no END</source>
        <translation>die Karte hat kein END</translation>
    </message>
    <message>
        <source>the file holds no card</source>
        <translation>die Datei enthält keine Karte</translation>
    </message>
</context>
<context>
    <name>desklet::CAboutDlg</name>
    <message>
        <source>About Quillmark Tarvel</source>
        <translation>Über Quillmark Tarvel</translation>
    </message>
    <message>
        <source>Desklet Version %1</source>
        <translation>Desklet Version %1</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 Quillmark. All rights reserved.</source>
        <translation>Copyright (c) 2026 Quillmark. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>desklet::CConfigSheet</name>
    <message>
        <source>Quillmark Tarvel Setup</source>
        <translation>Quillmark Tarvel einrichten</translation>
    </message>
</context>
<context>
    <name>desklet::CFaxClientDlg</name>
    <message>
        <source>MS Word Documents (*.doc) (*.doc *.rtf)</source>
        <translation>MS-Word-Dokumente (*.doc) (*.doc *.rtf)</translation>
    </message>
    <message>
        <source>Chart Files (*.xlc) (*.xlc)</source>
        <translation>Diagrammdateien (*.xlc) (*.xlc)</translation>
    </message>
    <message>
        <source>MS Excel Worksheet Files (*.xls) (*.xls)</source>
        <translation>MS-Excel-Arbeitsblattdateien (*.xls) (*.xls)</translation>
    </message>
    <message>
        <source>Adobe Acrobate Files (*.pdf) (*.pdf)</source>
        <translation>Adobe-Acrobat-Dateien (*.pdf) (*.pdf)</translation>
    </message>
    <message>
        <source>Postscript Files (*.ps,*.prn,*.psa) (*.ps *.prn *.psa)</source>
        <translation>PostScript-Dateien (*.ps,*.prn,*.psa) (*.ps *.prn *.psa)</translation>
    </message>
    <message>
        <source>All Files (*.*) (*)</source>
        <translation>Alle Dateien (*.*) (*)</translation>
    </message>
    <message>
        <source>Quillmark Tarvel</source>
        <translation>Quillmark Tarvel</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einrichtung</translation>
    </message>
    <message>
        <source>Account &amp;Settings</source>
        <translation>&amp;Kontoeinstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Quillmark Tarvel</source>
        <translation>Ü&amp;ber Quillmark Tarvel</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>File you would like to fax:</source>
        <translation>Datei, die Sie faxen möchten:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Fax Page Font</source>
        <translation>Schrift der Faxseite</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Niedrige Auflösung</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Hohe Auflösung</translation>
    </message>
    <message>
        <source>Phone Book...</source>
        <translation>Telefonbuch...</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Send Fax</source>
        <translation>Fax senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Browse for the file to fax</source>
        <translation>Die zu faxende Datei suchen</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Phone Book</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>Printed to the fax printer.</source>
        <translation>An den Faxdrucker gedruckt.</translation>
    </message>
    <message>
        <source>Printed to the fax printer. 1 more printed document waits.</source>
        <translation>An den Faxdrucker gedruckt. 1 weiteres gedrucktes Dokument wartet.</translation>
    </message>
    <message numerus="yes">
        <source>Printed to the fax printer. %n more printed documents wait.</source>
        <translation>
            <numerusform>An den Faxdrucker gedruckt. %n weiteres gedrucktes Dokument wartet.</numerusform>
            <numerusform>An den Faxdrucker gedruckt. %n weitere gedruckte Dokumente warten.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Faxes</source>
        <translation>&amp;Faxe</translation>
    </message>
    <message>
        <source>&amp;Outbox</source>
        <translation>&amp;Ausgang</translation>
    </message>
    <message>
        <source>&amp;Sent Faxes</source>
        <translation>&amp;Gesendete Faxe</translation>
    </message>
    <message>
        <source>The document %1 is no longer there: the numbers are filled in, choose the document to send.</source>
        <translation>Das Dokument %1 ist nicht mehr vorhanden: Die Nummern sind eingetragen, wählen Sie das zu sendende Dokument.</translation>
    </message>
    <message>
        <source>Sent Faxes</source>
        <translation>Gesendete Faxe</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Ausgang</translation>
    </message>
</context>
<context>
    <name>desklet::CHyperLinkCtrl</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Der Link kann nicht geöffnet werden:

%1</translation>
    </message>
</context>
<context>
    <name>desklet::COnlineHelpDlg</name>
    <message>
        <source>Online Help</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>Viewing the online help requires that you are connected to the Internet and you have a web browser installed.  If after reading the online help you require further assistance, or to subscribe to Quillmark services, call:</source>
        <translation>Um die Online-Hilfe anzusehen, brauchen Sie eine Internetverbindung und einen installierten Webbrowser.  Wenn Sie nach dem Lesen der Online-Hilfe weitere Unterstützung brauchen oder Quillmark-Dienste abonnieren möchten, rufen Sie an:</translation>
    </message>
    <message>
        <source>CLICK HERE TO VIEW THE ONLINE HELP</source>
        <translation>HIER KLICKEN, UM DIE ONLINE-HILFE ANZUSEHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_AccountSettingsLogon</name>
    <message>
        <source>Account Settings</source>
        <translation>Kontoeinstellungen</translation>
    </message>
    <message>
        <source>Quillmark Account</source>
        <translation>Quillmark-Konto</translation>
    </message>
    <message>
        <source>&amp;Logon Name:</source>
        <translation>&amp;Anmeldename:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Confirm Password:</source>
        <translation>Passwort bes&amp;tätigen:</translation>
    </message>
    <message>
        <source>Optional Fax &amp;Station ID:</source>
        <translation>Optionale Fax-&amp;Stations-ID:</translation>
    </message>
    <message>
        <source>If you chose to specify a fax station ID, this code will appear next to items that appear on your bill.</source>
        <translation>Wenn Sie eine Fax-Stations-ID angeben, erscheint dieser Code neben den Posten auf Ihrer Rechnung.</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_ConfirmationSettings</name>
    <message>
        <source>Confirmations</source>
        <translation>Bestätigungen</translation>
    </message>
    <message>
        <source>E-Mail Addresses</source>
        <translation>E-Mail-Adressen</translation>
    </message>
    <message>
        <source>Notify when fax is &amp;delivered successfully:</source>
        <translation>Benachrichtigen, wenn das Fax erfolgreich &amp;zugestellt wurde:</translation>
    </message>
    <message>
        <source>Notify when a fax can&apos;&amp;t be delivered:</source>
        <translation>Benachrichtigen, wenn ein Fax &amp;nicht zugestellt werden kann:</translation>
    </message>
    <message>
        <source>Notify when a fax is &amp;queued to be sent:</source>
        <translation>Benachrichtigen, wenn ein Fax zum Senden &amp;eingereiht wird:</translation>
    </message>
    <message>
        <source>Notify when a fax ca&amp;n&apos;t be queued to be sent:</source>
        <translation>Benachrichtigen, wenn ein Fax nicht zum Senden einge&amp;reiht werden kann:</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_Directory</name>
    <message>
        <source>Directory</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>The phone book can also search your company&apos;s directory (LDAP). Enter its server as ldap://server, which is encrypted with StartTLS whenever the server offers it, or ldaps://server, and the part of the directory to search. A login name and password are needed only if the directory asks for one; the password is sent over an encrypted connection only.</source>
        <translation>Das Telefonbuch kann auch das Verzeichnis Ihrer Firma (LDAP) durchsuchen. Geben Sie dessen Server als ldap://server ein, was mit StartTLS verschlüsselt wird, wann immer der Server es anbietet, oder als ldaps://server, dazu den Teil des Verzeichnisses, der durchsucht werden soll. Anmeldename und Passwort sind nur nötig, wenn das Verzeichnis danach fragt; das Passwort wird nur über eine verschlüsselte Verbindung gesendet.</translation>
    </message>
    <message>
        <source>Directory se&amp;rver:</source>
        <translation>Verzeichnis&amp;server:</translation>
    </message>
    <message>
        <source>ldap://directory.example.com</source>
        <translation>ldap://directory.example.com</translation>
    </message>
    <message>
        <source>Search &amp;base:</source>
        <translation>Suchb&amp;asis:</translation>
    </message>
    <message>
        <source>dc=example,dc=com</source>
        <translation>dc=example,dc=com</translation>
    </message>
    <message>
        <source>Log&amp;in name (optional):</source>
        <translation>Anmelde&amp;name (optional):</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>Enter the directory server as ldap://server or ldaps://server, or leave the field empty.</source>
        <translation>Geben Sie den Verzeichnisserver als ldap://server oder ldaps://server ein, oder lassen Sie das Feld leer.</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_SMTP_Settings</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Mail Server Settings</source>
        <translation>Mailserver-Einstellungen</translation>
    </message>
    <message>
        <source>Quillmark Tarvel works by sending email to a server at Quillmark&apos;s data center.  Some Internet Service Providers will not allow you to connect directly to Quillmark&apos;s mail server.  If your ISP requires you to use a specific mail server, please enter the address of that server below.</source>
        <translation>Quillmark Tarvel sendet E-Mails an einen Server im Rechenzentrum von Quillmark.  Manche Internetanbieter erlauben keine direkte Verbindung zum Mailserver von Quillmark.  Wenn Ihr Anbieter verlangt, dass Sie einen bestimmten Mailserver verwenden, geben Sie bitte unten die Adresse dieses Servers ein.</translation>
    </message>
    <message>
        <source>SMTP &amp;Server:</source>
        <translation>SMTP-&amp;Server:</translation>
    </message>
    <message>
        <source>SMTP Port:</source>
        <translation>SMTP-Port:</translation>
    </message>
    <message>
        <source>STARTTLS (usually port 587) and SSL/TLS (usually port 465) encrypt the connection; None sends everything as plain text (port 25). Enter a user name and password only if the server asks you to log in; they are sent over an encrypted connection only.</source>
        <translation>STARTTLS (meist Port 587) und SSL/TLS (meist Port 465) verschlüsseln die Verbindung; Keine sendet alles als Klartext (Port 25). Geben Sie Benutzername und Passwort nur an, wenn der Server eine Anmeldung verlangt; sie werden nur über eine verschlüsselte Verbindung gesendet.</translation>
    </message>
    <message>
        <source>&amp;Connection security:</source>
        <translation>&amp;Verbindungssicherheit:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Ben&amp;utzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>The password is kept in the desktop keyring.</source>
        <translation>Das Passwort liegt im Schlüsselbund der Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>The password is kept as plain text in the settings file %1, as no desktop keyring takes it.</source>
        <translation>Das Passwort liegt als Klartext in der Einstellungsdatei %1, da kein Schlüsselbund der Arbeitsumgebung es aufnimmt.</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertySheet</name>
    <message>
        <source>Properties for %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
</context>
<context>
    <name>desklet::ContactEditDlg</name>
    <message>
        <source>New Contact</source>
        <translation>Neuer Kontakt</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Kontakt bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Firma:</translation>
    </message>
    <message>
        <source>Fax numbers:</source>
        <translation>Faxnummern:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otiz:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Fax number %1</source>
        <translation>Faxnummer %1</translation>
    </message>
    <message>
        <source>Label of fax number %1</source>
        <translation>Bezeichnung der Faxnummer %1</translation>
    </message>
    <message>
        <source>work</source>
        <translation>geschäftlich</translation>
    </message>
    <message>
        <source>home</source>
        <translation>privat</translation>
    </message>
    <message>
        <source>other</source>
        <translation>andere</translation>
    </message>
    <message>
        <source>&amp;Add Number</source>
        <translation>Nummer &amp;hinzufügen</translation>
    </message>
</context>
<context>
    <name>desklet::ContactInfoCtrl</name>
    <message>
        <source>If you have any questions or to sign up for Quillmark Fax Services,</source>
        <translation>Bei Fragen oder um sich für die Quillmark-Faxdienste anzumelden,</translation>
    </message>
    <message>
        <source>visit %1</source>
        <translation>besuchen Sie %1</translation>
    </message>
    <message>
        <source> or call %1.</source>
        <translation> oder rufen Sie %1 an.</translation>
    </message>
</context>
<context>
    <name>desklet::CoverPageCtrl</name>
    <message>
        <source>Cover Page Options</source>
        <translation>Deckblatt-Optionen</translation>
    </message>
    <message>
        <source>Attach cover page</source>
        <translation>Deckblatt anfügen</translation>
    </message>
    <message>
        <source>Optional Comment for Cover Page:</source>
        <translation>Optionaler Kommentar für das Deckblatt:</translation>
    </message>
    <message>
        <source>(Optional) Send fax Attention to:</source>
        <translation>(Optional) Fax zu Händen von:</translation>
    </message>
    <message>
        <source>(Optional) Send Fax From:</source>
        <translation>(Optional) Fax von:</translation>
    </message>
</context>
<context>
    <name>desklet::DocumentPreviewCtrl</name>
    <message>
        <source>Open the document</source>
        <translation>Das Dokument öffnen</translation>
    </message>
    <message>
        <source>Unable to open the document:

%1</source>
        <translation>Das Dokument kann nicht geöffnet werden:

%1</translation>
    </message>
    <message>
        <source>First page of the document</source>
        <translation>Erste Seite des Dokuments</translation>
    </message>
</context>
<context>
    <name>desklet::GroupEditDlg</name>
    <message>
        <source>New Group</source>
        <translation>Neue Gruppe</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Gruppe bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Members:</source>
        <translation>&amp;Mitglieder:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>desklet::Outbox</name>
    <message>
        <source>The document could not be kept for a later try: %1</source>
        <translation>Das Dokument konnte nicht für einen späteren Versuch aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>There is no fax job %1 in the outbox.</source>
        <translation>Im Ausgang gibt es keinen Faxauftrag %1.</translation>
    </message>
    <message>
        <source>Fax job %1 cannot be changed now.</source>
        <translation>Der Faxauftrag %1 kann jetzt nicht geändert werden.</translation>
    </message>
    <message>
        <source>The sending program stopped during the try.</source>
        <translation>Das sendende Programm hat während des Versuchs angehalten.</translation>
    </message>
    <message>
        <source>Fax job %1 was not sent and has failed: the outbox&apos;s copy of its document is damaged or gone, as after a power cut. Please send the document again.</source>
        <translation>Der Faxauftrag %1 wurde nicht gesendet und ist fehlgeschlagen: Die Kopie seines Dokuments im Ausgang ist beschädigt oder fehlt, wie nach einem Stromausfall. Bitte senden Sie das Dokument erneut.</translation>
    </message>
    <message>
        <source>Fax job %1 waits for a later try: the outbox&apos;s copy of its document cannot be read just now.</source>
        <translation>Der Faxauftrag %1 wartet auf einen späteren Versuch: Die Kopie seines Dokuments im Ausgang kann gerade nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>desklet::OutboxDlg</name>
    <message>
        <source>Outbox</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartend</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Wird gesendet</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Verworfen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Eingereiht</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nummern</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Next Attempt</source>
        <translation>Nächster Versuch</translation>
    </message>
    <message>
        <source>Last Error</source>
        <translation>Letzter Fehler</translation>
    </message>
    <message>
        <source>Faxes in the outbox</source>
        <translation>Faxe im Ausgang</translation>
    </message>
    <message>
        <source>Send &amp;Again</source>
        <translation>&amp;Erneut senden</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Mark as Sent</source>
        <translation>Als gesendet &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The fax to %1 may have gone. Send it again to these numbers?</source>
        <translation>Das Fax an %1 wurde vielleicht schon gesendet. Noch einmal an diese Nummern senden?</translation>
    </message>
    <message>
        <source>Send Again</source>
        <translation>Erneut senden</translation>
    </message>
    <message>
        <source>Discard the fax to %1? It will not be sent.</source>
        <translation>Das Fax an %1 verwerfen? Es wird nicht gesendet.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
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
        <translation>%1 - %2 (Verzeichnis)</translation>
    </message>
</context>
<context>
    <name>desklet::PhoneBookDlg</name>
    <message>
        <source>Phone Book</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Name, company or number</source>
        <translation>Name, Firma oder Nummer</translation>
    </message>
    <message>
        <source>Contacts and groups</source>
        <translation>Kontakte und Gruppen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>&amp;New Contact...</source>
        <translation>&amp;Neuer Kontakt...</translation>
    </message>
    <message>
        <source>New &amp;Group...</source>
        <translation>Neue &amp;Gruppe...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Add to &amp;Recipients</source>
        <translation>Zu &amp;Empfängern hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>home</source>
        <translation>privat</translation>
    </message>
    <message>
        <source>other</source>
        <translation>andere</translation>
    </message>
    <message>
        <source>group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>work</source>
        <translation>geschäftlich</translation>
    </message>
    <message>
        <source>Delete %1 from the phone book?</source>
        <translation>%1 aus dem Telefonbuch löschen?</translation>
    </message>
    <message>
        <source>Delete these %1 entries from the phone book?</source>
        <translation>Diese %1 Einträge aus dem Telefonbuch löschen?</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>Contact files (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation>Kontaktdateien (*.vcf *.vcard *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 contacts imported, %2 skipped (no fax number), %3 already present</source>
        <translation>%1 Kontakte importiert, %2 übersprungen (keine Faxnummer), %3 bereits vorhanden</translation>
    </message>
    <message>
        <source>%1 groups imported, %2 already present</source>
        <translation>%1 Gruppen importiert, %2 bereits vorhanden</translation>
    </message>
    <message>
        <source>Export Contacts</source>
        <translation>Kontakte exportieren</translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;All files (*)</source>
        <translation>vCard-Dateien (*.vcf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Copy to Phone Book</source>
        <translation>Ins Telefonbuch &amp;kopieren</translation>
    </message>
    <message>
        <source>directory</source>
        <translation>Verzeichnis</translation>
    </message>
</context>
<context>
    <name>desklet::RecipientPanel</name>
    <message>
        <source>Fax Recipients:</source>
        <translation>Faxempfänger:</translation>
    </message>
    <message>
        <source>To add recipients, enter the number here and click Add</source>
        <translation>Um Empfänger hinzuzufügen, geben Sie hier die Nummer ein und klicken Sie auf Hinzufügen</translation>
    </message>
    <message>
        <source>&lt;&lt; Add</source>
        <translation>&lt;&lt; Hinzufügen</translation>
    </message>
    <message>
        <source>&gt;&gt; Remove</source>
        <translation>&gt;&gt; Entfernen</translation>
    </message>
</context>
<context>
    <name>desklet::SendProgressDlg</name>
    <message>
        <source>Sending fax...</source>
        <translation>Fax wird gesendet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sending fax... (1 recipient)</source>
        <translation>Fax wird gesendet... (1 Empfänger)</translation>
    </message>
    <message numerus="yes">
        <source>Sending fax... (%n recipients)</source>
        <translation>
            <numerusform>Fax wird gesendet... (%n Empfänger)</numerusform>
            <numerusform>Fax wird gesendet... (%n Empfänger)</numerusform>
        </translation>
    </message>
    <message>
        <source>Sending fax... (1 recipient, mail %1 of %2)</source>
        <translation>Fax wird gesendet... (1 Empfänger, Mail %1 von %2)</translation>
    </message>
    <message numerus="yes">
        <source>Sending fax... (%n recipients, mail %1 of %2)</source>
        <translation>
            <numerusform>Fax wird gesendet... (%n Empfänger, Mail %1 von %2)</numerusform>
            <numerusform>Fax wird gesendet... (%n Empfänger, Mail %1 von %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>desklet::SentFaxesDlg</name>
    <message>
        <source>Sent Faxes</source>
        <translation>Gesendete Faxe</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartend</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Wird gesendet</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Verworfen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nummern</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Message-ID</source>
        <translation>Message-ID</translation>
    </message>
    <message>
        <source>Server Reply</source>
        <translation>Antwort des Servers</translation>
    </message>
    <message>
        <source>Faxes sent</source>
        <translation>Gesendete Faxe</translation>
    </message>
    <message>
        <source>Send &amp;Again</source>
        <translation>&amp;Erneut senden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
</TS>
