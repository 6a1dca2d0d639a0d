<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ContactCommands</name>
    <message>
        <source>--import-contacts needs one or more vCard or CSV files</source>
        <translation>--import-contacts attend un ou plusieurs fichiers vCard ou CSV</translation>
    </message>
    <message>
        <source>%1 contacts imported, %2 skipped (no fax number), %3 already present</source>
        <translation>%1 contacts importés, %2 ignorés (sans numéro de fax), %3 déjà présents</translation>
    </message>
    <message>
        <source>%1 groups imported, %2 already present</source>
        <translation>%1 groupes importés, %2 déjà présents</translation>
    </message>
    <message>
        <source>--export-contacts needs one file to write</source>
        <translation>--export-contacts attend un fichier à écrire</translation>
    </message>
    <message>
        <source>the company directory was not searched: %1</source>
        <translation>l’annuaire de l’entreprise n’a pas été consulté&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n’est pas fermé</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the first line is no header of contact columns</source>
        <translation>la première ligne n’est pas un en-tête de colonnes de contacts</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
</context>
<context>
    <name>DialogSend</name>
    <message>
        <source>Keep the fax in the Outbox to try it again later?</source>
        <translation>Garder le fax dans la boîte d’envoi pour réessayer plus tard&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Keep in Outbox</source>
        <translation>&amp;Garder dans la boîte d’envoi</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>The fax is kept in the Outbox as unknown: open the Outbox to send it again or mark it as sent.</source>
        <translation>Le fax est gardé dans la boîte d’envoi avec l’état inconnu&#xa0;: ouvrez la boîte d’envoi pour le renvoyer ou le marquer comme envoyé.</translation>
    </message>
    <message>
        <source>Sending stopped: the Outbox could not record the fax, and a fax is not sent without its record.</source>
        <translation>Envoi arrêté&#xa0;: la boîte d’envoi n’a pas pu enregistrer le fax, et un fax n’est pas envoyé sans son enregistrement.</translation>
    </message>
    <message>
        <source>The fax was sent or taken from the Outbox meanwhile, so it is not sent from here. See the Outbox and Sent Faxes before sending it again.</source>
        <translation>Le fax a été envoyé ou pris dans la boîte d’envoi entre-temps, il n’est donc pas envoyé d’ici. Consultez la boîte d’envoi et les fax envoyés avant de l’envoyer à nouveau.</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Boîte d’envoi</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>desklet: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set, or the display does not answer)
desklet: desklet --send works without one: desklet --send -file DOCUMENT -fax NUMBER
</source>
        <translation>desklet: aucun écran sur lequel ouvrir la fenêtre (DISPLAY et WAYLAND_DISPLAY ne sont pas définies, ou l’écran ne répond pas)
desklet: desklet --send fonctionne sans écran&#xa0;: desklet --send -file DOCUMENT -fax NUMBER
</translation>
    </message>
</context>
<context>
    <name>DocumentPreview</name>
    <message>
        <source>The file cannot be read</source>
        <translation>Le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>Pages: unknown</source>
        <translation>Pages&#xa0;: inconnu</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to 1 recipient</source>
        <translation>%1 à 1 destinataire</translation>
    </message>
    <message numerus="yes">
        <source>%1 to %n recipients</source>
        <translation>
            <numerusform>%1 à %n destinataire</numerusform>
            <numerusform>%1 à %n destinataires</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FaxNumberRules</name>
    <message>
        <source>A fax number that begins with 1 must be followed by exactly 10 digits</source>
        <translation>Un numéro de fax qui commence par 1 doit être suivi d’exactement 10 chiffres</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 1 can not have either a 0 or 1 as its second digit</source>
        <translation>Dans un numéro de fax qui commence par 1, le deuxième chiffre ne peut être ni 0 ni 1</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 0 must be between 8 and 35 digits long</source>
        <translation>Un numéro de fax qui commence par 0 doit compter entre 8 et 35 chiffres</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 0 must be followed by 11</source>
        <translation>Un numéro de fax qui commence par 0 doit être suivi de 11</translation>
    </message>
    <message>
        <source>A fax number that doesn&apos;t begin with 0 or 1 must be exactly 10 digits long</source>
        <translation>Un numéro de fax qui ne commence ni par 0 ni par 1 doit compter exactement 10 chiffres</translation>
    </message>
    <message>
        <source>Incorrectly formatted fax telephone number</source>
        <translation>Numéro de fax mal formaté</translation>
    </message>
    <message>
        <source>Please verify the fax telephone number</source>
        <translation>Veuillez vérifier le numéro de fax</translation>
    </message>
    <message>
        <source>Please verify fax telephone number %1</source>
        <translation>Veuillez vérifier le numéro de fax %1</translation>
    </message>
</context>
<context>
    <name>FaxSubmission</name>
    <message>
        <source>You must enter at least 1 fax number in the recipient list.</source>
        <translation>Vous devez saisir au moins 1 numéro de fax dans la liste des destinataires.</translation>
    </message>
    <message>
        <source>Recipient(s) required</source>
        <translation>Destinataire(s) requis</translation>
    </message>
    <message>
        <source>Please verify your account name and password</source>
        <translation>Veuillez vérifier votre nom de compte et votre mot de passe</translation>
    </message>
    <message>
        <source>Error sending fax - Check Password</source>
        <translation>Erreur d’envoi du fax – vérifiez le mot de passe</translation>
    </message>
    <message>
        <source>Please verify the path to the file you want to fax.</source>
        <translation>Veuillez vérifier le chemin du fichier que vous voulez faxer.</translation>
    </message>
    <message>
        <source>Error: File not found!</source>
        <translation>Erreur&#xa0;: fichier introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>Error connecting to the mail server.  Please check your Internet connection and mail server settings, or see the online help.</source>
        <translation>Erreur de connexion au serveur de messagerie.  Veuillez vérifier votre connexion Internet et les paramètres du serveur de messagerie, ou consulter l’aide en ligne.</translation>
    </message>
    <message>
        <source>Error uploading your file to the server.  Please check your connection to the Internet and mail server settings, or see the online help.</source>
        <translation>Erreur lors de l’envoi de votre fichier au serveur.  Veuillez vérifier votre connexion Internet et les paramètres du serveur de messagerie, ou consulter l’aide en ligne.</translation>
    </message>
    <message>
        <source>Error sending Fax</source>
        <translation>Erreur d’envoi du fax</translation>
    </message>
    <message>
        <source>The mail server refused the fax for now.  Please try again later, or see the online help.</source>
        <translation>Le serveur de messagerie a refusé le fax pour le moment.  Veuillez réessayer plus tard, ou consulter l’aide en ligne.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.  Please check the server&apos;s name in your mail server settings and your Internet connection, or see the online help.</source>
        <translation>Le serveur de messagerie %1 est introuvable.  Veuillez vérifier le nom du serveur dans les paramètres du serveur de messagerie ainsi que votre connexion Internet, ou consulter l’aide en ligne.</translation>
    </message>
    <message>
        <source>The mail server %1 refused the connection on port %2.  Please check the port in your mail server settings, or see the online help.</source>
        <translation>Le serveur de messagerie %1 a refusé la connexion sur le port %2.  Veuillez vérifier le port dans les paramètres du serveur de messagerie, ou consulter l’aide en ligne.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer in time.  Please check your Internet connection and mail server settings, or try again later.</source>
        <translation>Le serveur de messagerie %1 n’a pas répondu à temps.  Veuillez vérifier votre connexion Internet et les paramètres du serveur de messagerie, ou réessayer plus tard.</translation>
    </message>
    <message>
        <source>The mail server answers in plain text on port %1, where SSL/TLS was asked for.  Please choose STARTTLS as the connection security in your mail server settings, or port 465 for SSL/TLS.</source>
        <translation>Le serveur de messagerie répond en clair sur le port %1, alors que SSL/TLS était demandé.  Veuillez choisir STARTTLS comme sécurité de la connexion dans les paramètres du serveur de messagerie, ou le port 465 pour SSL/TLS.</translation>
    </message>
    <message>
        <source>Mail server %1, port %2.</source>
        <translation>Serveur de messagerie %1, port %2.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Le port doit être un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>The server&apos;s last reply: %1</source>
        <translation>Dernière réponse du serveur&#xa0;: %1</translation>
    </message>
    <message>
        <source>The system&apos;s reason: %1.</source>
        <translation>Raison donnée par le système&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate cannot be trusted: %1.  Server: %2.  Please check your mail server settings, or see the online help.</source>
        <translation>Le certificat du serveur de messagerie n’est pas digne de confiance&#xa0;: %1.  Serveur&#xa0;: %2.  Veuillez vérifier les paramètres du serveur de messagerie, ou consulter l’aide en ligne.</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>il a expiré</translation>
    </message>
    <message>
        <source>it is not valid for this server&apos;s name</source>
        <translation>il n’est pas valable pour le nom de ce serveur</translation>
    </message>
    <message>
        <source>it was issued by an authority this computer does not trust</source>
        <translation>il a été émis par une autorité à laquelle cet ordinateur ne fait pas confiance</translation>
    </message>
    <message>
        <source>it did not pass the check</source>
        <translation>il n’a pas passé la vérification</translation>
    </message>
    <message>
        <source>The mail server does not offer an encrypted connection.  Please check the connection security in your mail server settings, or see the online help.</source>
        <translation>Le serveur de messagerie ne propose pas de connexion chiffrée.  Veuillez vérifier la sécurité de la connexion dans les paramètres du serveur de messagerie, ou consulter l’aide en ligne.</translation>
    </message>
    <message>
        <source>The mail server refused your user name or password.  Please check them in your mail server settings.</source>
        <translation>Le serveur de messagerie a refusé votre nom d’utilisateur ou votre mot de passe.  Veuillez les vérifier dans les paramètres du serveur de messagerie.</translation>
    </message>
    <message>
        <source>The mail server cannot take your login: a login needs an encrypted connection and a login method the server offers.  Please check your mail server settings, or see the online help.</source>
        <translation>Le serveur de messagerie ne peut pas accepter votre connexion&#xa0;: elle exige une connexion chiffrée et une méthode d’authentification proposée par le serveur.  Veuillez vérifier les paramètres du serveur de messagerie, ou consulter l’aide en ligne.</translation>
    </message>
    <message>
        <source>The fax is too large for the mail server: the message has %1 bytes and the server takes at most %2.  Please send a smaller document, or use another mail server.</source>
        <translation>Le fax est trop volumineux pour le serveur de messagerie&#xa0;: le message fait %1 octets et le serveur en accepte au plus %2.  Veuillez envoyer un document plus petit, ou utiliser un autre serveur de messagerie.</translation>
    </message>
    <message numerus="yes">
        <source>The fax went to %1 of the %2 numbers. Only the %n numbers not yet sent are left in the list.</source>
        <translation>
            <numerusform>Le fax est parti vers %1 des %2 numéros. Seul le numéro pas encore envoyé (%n) reste dans la liste.</numerusform>
            <numerusform>Le fax est parti vers %1 des %2 numéros. Seuls les %n numéros pas encore envoyés restent dans la liste.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobOptions</name>
    <message>
        <source>unknown value of -%1: &quot;%2&quot;</source>
        <translation>valeur inconnue pour -%1&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Fax sent</source>
        <translation>Fax envoyé</translation>
    </message>
    <message>
        <source>%1 went to %2.</source>
        <translation>%1 a été envoyé à %2.</translation>
    </message>
    <message>
        <source>Fax not sent</source>
        <translation>Fax non envoyé</translation>
    </message>
    <message>
        <source>%1 could not go to %2: %3</source>
        <translation>%1 n’a pas pu être envoyé à %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d’exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d’exploitation a refusé
l’accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l’opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n’est pas valide
(.EXE non Win32 ou erreur dans l’image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s’est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L’association de nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n’a pas pu
aboutir car la requête a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n’a pas pu
aboutir car d’autres transactions DDE
étaient en cours de traitement.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n’est associée
à l’extension de nom de fichier donnée.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s’est produite.</translation>
    </message>
</context>
<context>
    <name>OutboxCommands</name>
    <message>
        <source>Try &apos;desklet --help&apos; for more information.</source>
        <translation>Essayez &apos;desklet --help&apos; pour plus d’informations.</translation>
    </message>
    <message>
        <source>--sent takes one count of jobs, a whole number from 1</source>
        <translation>--sent attend un nombre de tâches, un entier à partir de 1</translation>
    </message>
    <message>
        <source>--discard takes the id of one job, as --outbox lists it</source>
        <translation>--discard attend l’identifiant d’une tâche, tel que --outbox l’affiche</translation>
    </message>
    <message>
        <source>fax job %1 discarded</source>
        <translation>tâche de fax %1 abandonnée</translation>
    </message>
    <message>
        <source>--outbox takes no argument</source>
        <translation>--outbox n’attend aucun argument</translation>
    </message>
    <message>
        <source>fax job %1 sent</source>
        <translation>tâche de fax %1 envoyée</translation>
    </message>
    <message>
        <source>fax job %1 kept in the outbox: %2</source>
        <translation>tâche de fax %1 gardée dans la boîte d’envoi&#xa0;: %2</translation>
    </message>
    <message>
        <source>fax job %1 kept as unknown: %2</source>
        <translation>tâche de fax %1 gardée avec l’état inconnu&#xa0;: %2</translation>
    </message>
    <message>
        <source>fax job %1 failed: %2</source>
        <translation>échec de la tâche de fax %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PhoneBookFailure</name>
    <message>
        <source>The phone book needs Qt&apos;s SQLite driver, which is not installed.</source>
        <translation>Le carnet d’adresses a besoin du pilote SQLite de Qt, qui n’est pas installé.</translation>
    </message>
    <message>
        <source>The phone book&apos;s folder %1 cannot be created.</source>
        <translation>Le dossier du carnet d’adresses %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The phone book&apos;s folder %1 cannot be made private to you.</source>
        <translation>Le dossier du carnet d’adresses %1 ne peut pas être rendu privé.</translation>
    </message>
    <message>
        <source>The phone book %1 is a symbolic link; it is left alone.</source>
        <translation>Le carnet d’adresses %1 est un lien symbolique&#xa0;; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>The phone book %1 is not a file of yours that only you can read.</source>
        <translation>Le carnet d’adresses %1 n’est pas un fichier à vous que vous seul pouvez lire.</translation>
    </message>
    <message>
        <source>The phone book %1 cannot be opened.</source>
        <translation>Le carnet d’adresses %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The phone book %1 was written by a newer version of Desklet.</source>
        <translation>Le carnet d’adresses %1 a été écrit par une version plus récente de Desklet.</translation>
    </message>
    <message>
        <source>The phone book %1 cannot be brought up to date.</source>
        <translation>Le carnet d’adresses %1 ne peut pas être mis à jour.</translation>
    </message>
    <message>
        <source>The phone book is in use by another program; try again.</source>
        <translation>Le carnet d’adresses est utilisé par un autre programme&#xa0;; réessayez.</translation>
    </message>
    <message>
        <source>The disk is full; nothing was changed in the phone book.</source>
        <translation>Le disque est plein&#xa0;; rien n’a été modifié dans le carnet d’adresses.</translation>
    </message>
    <message>
        <source>The phone book cannot be written; nothing was changed.</source>
        <translation>Le carnet d’adresses ne peut pas être écrit&#xa0;; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The phone book cannot be read.</source>
        <translation>Le carnet d’adresses ne peut pas être lu.</translation>
    </message>
    <message>
        <source>That entry is no longer in the phone book.</source>
        <translation>Cette entrée n’est plus dans le carnet d’adresses.</translation>
    </message>
    <message>
        <source>A contact needs at least one fax number.</source>
        <translation>Un contact doit avoir au moins un numéro de fax.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Le fichier %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a contact file.</source>
        <translation>Le fichier %1 est trop volumineux pour un fichier de contacts.</translation>
    </message>
    <message>
        <source>Line %2 of %1 is not part of a vCard or CSV contact file.</source>
        <translation>La ligne %2 de %1 ne fait pas partie d’un fichier de contacts vCard ou CSV.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Le fichier %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>No contact or group is called &quot;%1&quot;.</source>
        <translation>Aucun contact ni groupe ne s’appelle «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Several contacts or groups are called &quot;%1&quot;.</source>
        <translation>Plusieurs contacts ou groupes s’appellent «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has several fax numbers and none of them is for work.</source>
        <translation>«&#xa0;%1&#xa0;» a plusieurs numéros de fax et aucun n’est professionnel.</translation>
    </message>
    <message>
        <source>The group &quot;%1&quot; has no members.</source>
        <translation>Le groupe «&#xa0;%1&#xa0;» n’a aucun membre.</translation>
    </message>
</context>
<context>
    <name>PrintJobs</name>
    <message>
        <source>job %1</source>
        <translation>tâche %1</translation>
    </message>
    <message>
        <source>%1 (job %2)</source>
        <translation>%1 (tâche %2)</translation>
    </message>
    <message>
        <source>The fax printer holds these printed documents in the print queue because your fax inbox is full (%1 documents or %2 GiB):

%3
Send or close the faxes that wait, then let the held documents through with:

%4</source>
        <translation>L’imprimante fax retient ces documents imprimés dans la file d’impression, car votre boîte de fax est pleine (%1 documents ou %2 Gio)&#xa0;:

%3
Envoyez ou fermez les fax en attente, puis libérez les documents retenus avec&#xa0;:

%4</translation>
    </message>
    <message>
        <source>Print to fax</source>
        <translation>Imprimer vers le fax</translation>
    </message>
    <message>
        <source>The printed document
%1
cannot be opened. It stays where it is.</source>
        <translation>Le document imprimé
%1
ne peut pas être ouvert. Il reste où il est.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>You don&apos;t have permission to store information in the Windows Registry</source>
        <translation>Vous n’avez pas l’autorisation d’enregistrer des informations dans le Registre Windows</translation>
    </message>
    <message>
        <source>Insuffucient security clearance</source>
        <translation>Niveau de sécurité insuffisant</translation>
    </message>
</context>
<context>
    <name>TerminalMode</name>
    <message>
        <source>Try &apos;desklet --help&apos; for more information.</source>
        <translation>Essayez &apos;desklet --help&apos; pour plus d’informations.</translation>
    </message>
    <message>
        <source>sending fax... %1%</source>
        <translation>envoi du fax... %1%</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together</source>
        <translation>%1 et %2 ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <source>%1 needs a file name, or - for standard input</source>
        <translation>%1 attend un nom de fichier, ou - pour l’entrée standard</translation>
    </message>
    <message>
        <source>%1 goes with --send</source>
        <translation>%1 va avec --send</translation>
    </message>
    <message>
        <source>start desklet once with a window to set up the account, or store logon and password in the [Config] section of %1</source>
        <translation>lancez desklet une fois avec une fenêtre pour configurer le compte, ou enregistrez logon et password dans la section [Config] de %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>the password file %1</source>
        <translation>le fichier de mot de passe %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n’existe pas</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; give the file it names</source>
        <translation>%1 est un lien symbolique&#xa0;; donnez le fichier qu’il désigne</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 can be read or written by others; make it private (chmod 600)</source>
        <translation>%1 peut être lu ou écrit par d’autres&#xa0;; rendez-le privé (chmod 600)</translation>
    </message>
    <message>
        <source>%1 holds no password on its first line</source>
        <translation>%1 ne contient pas de mot de passe sur sa première ligne</translation>
    </message>
    <message>
        <source>%1 has no line break within its first %2 bytes</source>
        <translation>%1 n’a pas de saut de ligne dans ses %2 premiers octets</translation>
    </message>
    <message>
        <source>%1 holds a zero byte</source>
        <translation>%1 contient un octet nul</translation>
    </message>
    <message numerus="yes">
        <source>%n fax mails, one for each share of the numbers, written as an mbox</source>
        <translation>
            <numerusform>%n courriel de fax, un par part des numéros, écrit au format mbox</numerusform>
            <numerusform>%n courriels de fax, un par part des numéros, écrits au format mbox</numerusform>
        </translation>
    </message>
    <message>
        <source>no fax number: give -fax NUMBER[,NUMBER...] or -to NAME[,NAME...]</source>
        <translation>aucun numéro de fax&#xa0;: donnez -fax NUMBER[,NUMBER...] ou -to NAME[,NAME...]</translation>
    </message>
    <message>
        <source>no document: give -file DOCUMENT</source>
        <translation>aucun document&#xa0;: donnez -file DOCUMENT</translation>
    </message>
    <message>
        <source>no fax number in -fax &quot;%1&quot;</source>
        <translation>aucun numéro de fax dans -fax «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>every user of this computer can read the password given with -smtp_password; give it with --password-file instead</source>
        <translation>tout utilisateur de cet ordinateur peut lire le mot de passe donné avec -smtp_password&#xa0;; donnez-le plutôt avec --password-file</translation>
    </message>
    <message>
        <source>-%1 is not used: the stored value of %1, which is empty, is</source>
        <translation>-%1 n’est pas utilisé&#xa0;: c’est la valeur enregistrée de %1, qui est vide, qui s’applique</translation>
    </message>
    <message>
        <source>-%1 is not used: the stored value of %1 is</source>
        <translation>-%1 n’est pas utilisé&#xa0;: c’est la valeur enregistrée de %1 qui s’applique</translation>
    </message>
    <message>
        <source>not sent to: %1</source>
        <translation>non envoyé à&#xa0;: %1</translation>
    </message>
    <message>
        <source>this mode needs a window</source>
        <translation>ce mode a besoin d’une fenêtre</translation>
    </message>
    <message>
        <source>%1 goes with --send or --flush-outbox</source>
        <translation>%1 va avec --send ou --flush-outbox</translation>
    </message>
    <message>
        <source>the fax is sent without a record in the sent log</source>
        <translation>le fax est envoyé sans être inscrit au journal des envois</translation>
    </message>
    <message>
        <source>kept in the outbox: %1</source>
        <translation>gardé dans la boîte d’envoi&#xa0;: %1</translation>
    </message>
    <message>
        <source>kept in the outbox as unknown: %1; desklet --outbox lists it, desklet --discard takes it out</source>
        <translation>gardé dans la boîte d’envoi avec l’état inconnu&#xa0;: %1&#xa0;; desklet --outbox l’affiche, desklet --discard l’en retire</translation>
    </message>
    <message>
        <source>--flush-outbox takes no argument</source>
        <translation>--flush-outbox n’attend aucun argument</translation>
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
        <translation>Usage&#xa0;: desklet [-file DOCUMENT] [-fax NUMBER[,NUMBER...]] [KEY VALUE...]
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

Sans option, la boîte de dialogue du fax s’ouvre, remplie à partir des clés.
  --send           envoyer le fax sans fenêtre&#xa0;; les messages vont sur la
                   sortie d’erreur standard&#xa0;; chaque fax envoyé est inscrit au
                   journal des envois
  --queue          avec --send&#xa0;: un échec qui peut passer (pas de serveur, un
                   refus pour le moment) garde le fax dans la boîte d’envoi,
                   pour partir avec --flush-outbox ou la prochaine tentative
                   de l’assistant de session, et l’exécution se termine par 0
  --outbox         lister les fax en attente dans la boîte d’envoi et ceux dont
                   le sort est inconnu&#xa0;: id&lt;TAB&gt;état&lt;TAB&gt;mise en file
                   &lt;TAB&gt;numéros&lt;TAB&gt;document&lt;TAB&gt;tentatives&lt;TAB&gt;prochaine
                   tentative&lt;TAB&gt;dernière erreur
  --flush-outbox   tenter maintenant chaque fax en attente&#xa0;; se termine par 0
                   quand plus aucun n’attend, par 75 quand certains attendent
  --due            avec --flush-outbox&#xa0;: ne tenter que les fax dont la prochaine
                   tentative est due, pour que les autres gardent leur heure
  --discard ID     retirer de la boîte d’envoi un fax en attente ou inconnu
  --sent [N]       afficher les fax des N dernières tâches (20 sans N), un
                   courriel par ligne&#xa0;: date&lt;TAB&gt;numéros&lt;TAB&gt;document
                   &lt;TAB&gt;résultat&lt;TAB&gt;Message-ID&lt;TAB&gt;réponse du serveur
  --print-message  écrire le courriel du fax sur la sortie standard sans rien
                   envoyer&#xa0;; un fax envoyé en plusieurs courriels est écrit
                   au format mbox
  --print-jobs     ouvrir la boîte de dialogue du fax pour chaque document
                   imprimé en attente
  --import-contacts FILE...
                   ajouter au carnet d’adresses les contacts et groupes de
                   fichiers vCard ou CSV&#xa0;; les totaux vont sur la sortie
                   d’erreur standard
  --export-contacts FILE
                   écrire tous les contacts et groupes dans FILE au format
                   vCard 4.0
  --contacts [TEXT]
                   afficher les contacts et groupes dont le nom, la société ou
                   le numéro contient TEXT, un numéro de fax par ligne&#xa0;:
                   nom&lt;TAB&gt;société&lt;TAB&gt;numéro&lt;TAB&gt;libellé
  --help           afficher ce texte
  --version        afficher la version
  --password-file FILE
                   avec --send ou --flush-outbox&#xa0;: la première ligne de FILE
                   est le mot de passe du serveur de messagerie&#xa0;; FILE ne
                   doit être lisible que par son propriétaire (- lit l’entrée
                   standard)&#xa0;; ce mot de passe sert pour cette exécution,
                   avant celui enregistré

Clés (un tiret, la clé, puis la valeur&#xa0;: l’argument suivant, en entier)&#xa0;:
  -file DOCUMENT       le document à faxer
  -fax LIST            numéros de fax, séparés par des virgules
  -to NAMES            contacts ou groupes du carnet, séparés par des virgules
  -font regular|bold   la police de la page de fax
  -resolution low|high
  -cover yes|no        joindre une page de garde
  -comment TEXT        -from TEXT        -attention TEXT
Tout paramètre se donne de la même façon (-logon, -smtp, -smtp_port, ...),
pour les paramètres non enregistrés&#xa0;: une valeur enregistrée l’emporte, et
--send nomme chaque clé qu’il remplace. Tout utilisateur de cet ordinateur
peut lire une ligne de commande&#xa0;: donnez donc le mot de passe avec
--password-file plutôt qu’avec -smtp_password.

Les paramètres se trouvent dans $XDG_CONFIG_HOME/Quillmark/Desklet.conf (~/.config/Quillmark/Desklet.conf)&#xa0;;
lancez desklet une fois avec une fenêtre pour configurer le compte.

Code de sortie&#xa0;:
   0 envoyé (ou affiché)&#xa0;; avec --queue, aussi&#xa0;: gardé dans la boîte d’envoi
     pour une tentative ultérieure
  64 la ligne de commande est erronée&#xa0;: pas de -fax ou de -file, une valeur ou
     une option inconnue, --password-file sans fichier ou sans --send ni
     --flush-outbox, --queue sans --send, --due sans --flush-outbox
  65 un numéro de fax enfreint les règles de numérotation&#xa0;; un nom de -to est
     inconnu ou désigne plusieurs contacts&#xa0;; un fichier de contacts n’est ni
     vCard ni CSV&#xa0;; --discard ne désigne aucune tâche de la boîte d’envoi
  66 le document ou un fichier de contacts est absent ou illisible
  69 le serveur était injoignable, a refusé le fax définitivement (5xx), ne
     propose pas le chiffrement demandé ou n’accepte pas un message aussi
     gros&#xa0;; ou il n’y a pas d’écran pour la fenêtre (desklet,
     desklet --print-jobs)
  75 le serveur a refusé le fax pour le moment (4xx), ou sa réponse au message
     n’est jamais arrivée (le fax est gardé dans la boîte d’envoi avec l’état
     inconnu)&#xa0;; réessayez plus tard&#xa0;; avec --flush-outbox&#xa0;: des fax attendent
     encore
  76 les réponses du serveur n’avaient aucun sens, ou il a fermé la connexion
     en cours de session
  77 le serveur a refusé la connexion ou son certificat
  73 le fichier exporté ne peut pas être écrit
  74 le carnet d’adresses, la boîte d’envoi ou le journal des envois ne peut
     pas être ouvert, lu ou écrit
  78 aucun compte n’est configuré&#xa0;: lancez desklet une fois avec une fenêtre&#xa0;;
     ou les paramètres du serveur de messagerie sont inutilisables (une
     connexion sans chiffrement, un smtp_security inconnu)&#xa0;; ou le fichier de
     mot de passe est inutilisable (absent, lisible par d’autres, un lien
     symbolique, pas de mot de passe sur sa première ligne)
</translation>
    </message>
    <message>
        <source>%1 goes with --flush-outbox</source>
        <translation>%1 va avec --flush-outbox</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>the line is not a vCard property</source>
        <translation>la ligne n’est pas une propriété vCard</translation>
    </message>
    <message>
        <source>a card begins inside another</source>
        <translation>une carte commence à l’intérieur d’une autre</translation>
    </message>
    <message>
        <source>only cards may begin here</source>
        <translation>seules des cartes peuvent commencer ici</translation>
    </message>
    <message>
        <source>the line is outside a card</source>
        <translation>la ligne est en dehors d’une carte</translation>
    </message>
    <message>
        <source>the card ends with something else</source>
        <translation>la carte se termine par autre chose</translation>
    </message>
    <message>
        <source>the card has no END</source>
        <translation>la carte n’a pas de END</translation>
    </message>
    <message>
        <source>the file holds no card</source>
        <translation>le fichier ne contient aucune carte</translation>
    </message>
</context>
<context>
    <name>desklet::CAboutDlg</name>
    <message>
        <source>About Quillmark Tarvel</source>
        <translation>À propos de Quillmark Tarvel</translation>
    </message>
    <message>
        <source>Desklet Version %1</source>
        <translation>Desklet version %1</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 Quillmark. All rights reserved.</source>
        <translation>Copyright (c) 2026 Quillmark. Tous droits réservés.</translation>
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
        <translation>Configuration de Quillmark Tarvel</translation>
    </message>
</context>
<context>
    <name>desklet::CFaxClientDlg</name>
    <message>
        <source>MS Word Documents (*.doc) (*.doc *.rtf)</source>
        <translation>Documents MS Word (*.doc) (*.doc *.rtf)</translation>
    </message>
    <message>
        <source>Chart Files (*.xlc) (*.xlc)</source>
        <translation>Fichiers de graphiques (*.xlc) (*.xlc)</translation>
    </message>
    <message>
        <source>MS Excel Worksheet Files (*.xls) (*.xls)</source>
        <translation>Feuilles de calcul MS Excel (*.xls) (*.xls)</translation>
    </message>
    <message>
        <source>Adobe Acrobate Files (*.pdf) (*.pdf)</source>
        <translation>Fichiers Adobe Acrobat (*.pdf) (*.pdf)</translation>
    </message>
    <message>
        <source>Postscript Files (*.ps,*.prn,*.psa) (*.ps *.prn *.psa)</source>
        <translation>Fichiers PostScript (*.ps,*.prn,*.psa) (*.ps *.prn *.psa)</translation>
    </message>
    <message>
        <source>All Files (*.*) (*)</source>
        <translation>Tous les fichiers (*.*) (*)</translation>
    </message>
    <message>
        <source>Quillmark Tarvel</source>
        <translation>Quillmark Tarvel</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>Account &amp;Settings</source>
        <translation>&amp;Paramètres du compte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Quillmark Tarvel</source>
        <translation>À &amp;propos de Quillmark Tarvel</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>File you would like to fax:</source>
        <translation>Fichier à faxer&#xa0;:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Fax Page Font</source>
        <translation>Police de la page de fax</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Basse résolution</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Haute résolution</translation>
    </message>
    <message>
        <source>Phone Book...</source>
        <translation>Carnet d’adresses...</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Send Fax</source>
        <translation>Envoyer le fax</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Browse for the file to fax</source>
        <translation>Rechercher le fichier à faxer</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Phone Book</source>
        <translation>Carnet d’adresses</translation>
    </message>
    <message>
        <source>Printed to the fax printer.</source>
        <translation>Imprimé vers l’imprimante fax.</translation>
    </message>
    <message>
        <source>Printed to the fax printer. 1 more printed document waits.</source>
        <translation>Imprimé vers l’imprimante fax. 1 autre document imprimé attend.</translation>
    </message>
    <message numerus="yes">
        <source>Printed to the fax printer. %n more printed documents wait.</source>
        <translation>
            <numerusform>Imprimé vers l’imprimante fax. %n autre document imprimé attend.</numerusform>
            <numerusform>Imprimé vers l’imprimante fax. %n autres documents imprimés attendent.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Faxes</source>
        <translation>&amp;Fax</translation>
    </message>
    <message>
        <source>&amp;Outbox</source>
        <translation>&amp;Boîte d’envoi</translation>
    </message>
    <message>
        <source>&amp;Sent Faxes</source>
        <translation>Fax &amp;envoyés</translation>
    </message>
    <message>
        <source>The document %1 is no longer there: the numbers are filled in, choose the document to send.</source>
        <translation>Le document %1 n’existe plus&#xa0;: les numéros sont renseignés, choisissez le document à envoyer.</translation>
    </message>
    <message>
        <source>Sent Faxes</source>
        <translation>Fax envoyés</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Boîte d’envoi</translation>
    </message>
</context>
<context>
    <name>desklet::CHyperLinkCtrl</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossible d’ouvrir le lien&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>desklet::COnlineHelpDlg</name>
    <message>
        <source>Online Help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>Viewing the online help requires that you are connected to the Internet and you have a web browser installed.  If after reading the online help you require further assistance, or to subscribe to Quillmark services, call:</source>
        <translation>Pour consulter l’aide en ligne, vous devez être connecté à Internet et disposer d’un navigateur web.  Si, après avoir lu l’aide en ligne, vous avez besoin d’une aide supplémentaire, ou pour souscrire aux services Quillmark, appelez le&#xa0;:</translation>
    </message>
    <message>
        <source>CLICK HERE TO VIEW THE ONLINE HELP</source>
        <translation>CLIQUEZ ICI POUR CONSULTER L’AIDE EN LIGNE</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_AccountSettingsLogon</name>
    <message>
        <source>Account Settings</source>
        <translation>Paramètres du compte</translation>
    </message>
    <message>
        <source>Quillmark Account</source>
        <translation>Compte Quillmark</translation>
    </message>
    <message>
        <source>&amp;Logon Name:</source>
        <translation>&amp;Nom de connexion&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Confirm Password:</source>
        <translation>&amp;Confirmer le mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Optional Fax &amp;Station ID:</source>
        <translation>&amp;Identifiant de poste fax (facultatif)&#xa0;:</translation>
    </message>
    <message>
        <source>If you chose to specify a fax station ID, this code will appear next to items that appear on your bill.</source>
        <translation>Si vous indiquez un identifiant de poste fax, ce code apparaîtra à côté des éléments de votre facture.</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_ConfirmationSettings</name>
    <message>
        <source>Confirmations</source>
        <translation>Confirmations</translation>
    </message>
    <message>
        <source>E-Mail Addresses</source>
        <translation>Adresses e-mail</translation>
    </message>
    <message>
        <source>Notify when fax is &amp;delivered successfully:</source>
        <translation>Avertir quand le fax est &amp;distribué avec succès&#xa0;:</translation>
    </message>
    <message>
        <source>Notify when a fax can&apos;&amp;t be delivered:</source>
        <translation>Avertir quand un fax ne peut pas être dis&amp;tribué&#xa0;:</translation>
    </message>
    <message>
        <source>Notify when a fax is &amp;queued to be sent:</source>
        <translation>Avertir quand un fax est mis en &amp;file d’attente pour l’envoi&#xa0;:</translation>
    </message>
    <message>
        <source>Notify when a fax ca&amp;n&apos;t be queued to be sent:</source>
        <translation>Avertir quand un fax &amp;ne peut pas être mis en file d’attente&#xa0;:</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_Directory</name>
    <message>
        <source>Directory</source>
        <translation>Annuaire</translation>
    </message>
    <message>
        <source>The phone book can also search your company&apos;s directory (LDAP). Enter its server as ldap://server, which is encrypted with StartTLS whenever the server offers it, or ldaps://server, and the part of the directory to search. A login name and password are needed only if the directory asks for one; the password is sent over an encrypted connection only.</source>
        <translation>Le carnet d’adresses peut aussi chercher dans l’annuaire de votre entreprise (LDAP). Saisissez son serveur sous la forme ldap://serveur, chiffré avec StartTLS chaque fois que le serveur le propose, ou ldaps://serveur, ainsi que la partie de l’annuaire à parcourir. Un nom de connexion et un mot de passe ne sont nécessaires que si l’annuaire en demande&#xa0;; le mot de passe n’est envoyé que sur une connexion chiffrée.</translation>
    </message>
    <message>
        <source>Directory se&amp;rver:</source>
        <translation>&amp;Serveur d’annuaire&#xa0;:</translation>
    </message>
    <message>
        <source>ldap://directory.example.com</source>
        <translation>ldap://directory.example.com</translation>
    </message>
    <message>
        <source>Search &amp;base:</source>
        <translation>&amp;Base de recherche&#xa0;:</translation>
    </message>
    <message>
        <source>dc=example,dc=com</source>
        <translation>dc=example,dc=com</translation>
    </message>
    <message>
        <source>Log&amp;in name (optional):</source>
        <translation>Nom de &amp;connexion (facultatif)&#xa0;:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Enter the directory server as ldap://server or ldaps://server, or leave the field empty.</source>
        <translation>Saisissez le serveur d’annuaire sous la forme ldap://serveur ou ldaps://serveur, ou laissez le champ vide.</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_SMTP_Settings</name>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Mail Server Settings</source>
        <translation>Paramètres du serveur de messagerie</translation>
    </message>
    <message>
        <source>Quillmark Tarvel works by sending email to a server at Quillmark&apos;s data center.  Some Internet Service Providers will not allow you to connect directly to Quillmark&apos;s mail server.  If your ISP requires you to use a specific mail server, please enter the address of that server below.</source>
        <translation>Quillmark Tarvel fonctionne en envoyant des e-mails à un serveur du centre de données de Quillmark.  Certains fournisseurs d’accès à Internet ne vous permettent pas de vous connecter directement au serveur de messagerie de Quillmark.  Si votre fournisseur vous impose un serveur de messagerie particulier, veuillez saisir l’adresse de ce serveur ci-dessous.</translation>
    </message>
    <message>
        <source>SMTP &amp;Server:</source>
        <translation>&amp;Serveur SMTP&#xa0;:</translation>
    </message>
    <message>
        <source>SMTP Port:</source>
        <translation>Port SMTP&#xa0;:</translation>
    </message>
    <message>
        <source>STARTTLS (usually port 587) and SSL/TLS (usually port 465) encrypt the connection; None sends everything as plain text (port 25). Enter a user name and password only if the server asks you to log in; they are sent over an encrypted connection only.</source>
        <translation>STARTTLS (en général le port 587) et SSL/TLS (en général le port 465) chiffrent la connexion&#xa0;; Aucune envoie tout en clair (port 25). Ne saisissez un nom d’utilisateur et un mot de passe que si le serveur vous demande de vous connecter&#xa0;; ils ne sont envoyés que sur une connexion chiffrée.</translation>
    </message>
    <message>
        <source>&amp;Connection security:</source>
        <translation>Sécurité de la &amp;connexion&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d’&amp;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>The password is kept in the desktop keyring.</source>
        <translation>Le mot de passe est conservé dans le trousseau du bureau.</translation>
    </message>
    <message>
        <source>The password is kept as plain text in the settings file %1, as no desktop keyring takes it.</source>
        <translation>Le mot de passe est conservé en clair dans le fichier de paramètres %1, car aucun trousseau du bureau ne peut le prendre.</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertySheet</name>
    <message>
        <source>Properties for %1</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
</context>
<context>
    <name>desklet::ContactEditDlg</name>
    <message>
        <source>New Contact</source>
        <translation>Nouveau contact</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Modifier le contact</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Société&#xa0;:</translation>
    </message>
    <message>
        <source>Fax numbers:</source>
        <translation>Numéros de fax&#xa0;:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ote&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Fax number %1</source>
        <translation>Numéro de fax %1</translation>
    </message>
    <message>
        <source>Label of fax number %1</source>
        <translation>Libellé du numéro de fax %1</translation>
    </message>
    <message>
        <source>work</source>
        <translation>travail</translation>
    </message>
    <message>
        <source>home</source>
        <translation>domicile</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
    </message>
    <message>
        <source>&amp;Add Number</source>
        <translation>&amp;Ajouter un numéro</translation>
    </message>
</context>
<context>
    <name>desklet::ContactInfoCtrl</name>
    <message>
        <source>If you have any questions or to sign up for Quillmark Fax Services,</source>
        <translation>Pour toute question, ou pour vous abonner aux services de fax Quillmark,</translation>
    </message>
    <message>
        <source>visit %1</source>
        <translation>consultez %1</translation>
    </message>
    <message>
        <source> or call %1.</source>
        <translation> ou appelez le %1.</translation>
    </message>
</context>
<context>
    <name>desklet::CoverPageCtrl</name>
    <message>
        <source>Cover Page Options</source>
        <translation>Options de la page de garde</translation>
    </message>
    <message>
        <source>Attach cover page</source>
        <translation>Joindre une page de garde</translation>
    </message>
    <message>
        <source>Optional Comment for Cover Page:</source>
        <translation>Commentaire pour la page de garde (facultatif)&#xa0;:</translation>
    </message>
    <message>
        <source>(Optional) Send fax Attention to:</source>
        <translation>(Facultatif) Fax à l’attention de&#xa0;:</translation>
    </message>
    <message>
        <source>(Optional) Send Fax From:</source>
        <translation>(Facultatif) Fax envoyé par&#xa0;:</translation>
    </message>
</context>
<context>
    <name>desklet::DocumentPreviewCtrl</name>
    <message>
        <source>Open the document</source>
        <translation>Ouvrir le document</translation>
    </message>
    <message>
        <source>Unable to open the document:

%1</source>
        <translation>Impossible d’ouvrir le document&#xa0;:

%1</translation>
    </message>
    <message>
        <source>First page of the document</source>
        <translation>Première page du document</translation>
    </message>
</context>
<context>
    <name>desklet::GroupEditDlg</name>
    <message>
        <source>New Group</source>
        <translation>Nouveau groupe</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Modifier le groupe</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Members:</source>
        <translation>&amp;Membres&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>desklet::Outbox</name>
    <message>
        <source>The document could not be kept for a later try: %1</source>
        <translation>Le document n’a pas pu être conservé pour une nouvelle tentative&#xa0;: %1</translation>
    </message>
    <message>
        <source>There is no fax job %1 in the outbox.</source>
        <translation>Il n’y a pas de tâche de fax %1 dans la boîte d’envoi.</translation>
    </message>
    <message>
        <source>Fax job %1 cannot be changed now.</source>
        <translation>La tâche de fax %1 ne peut pas être modifiée maintenant.</translation>
    </message>
    <message>
        <source>The sending program stopped during the try.</source>
        <translation>Le programme d’envoi s’est arrêté pendant la tentative.</translation>
    </message>
    <message>
        <source>Fax job %1 was not sent and has failed: the outbox&apos;s copy of its document is damaged or gone, as after a power cut. Please send the document again.</source>
        <translation>La tâche de fax %1 n’a pas été envoyée et a échoué&#xa0;: la copie de son document dans la boîte d’envoi est endommagée ou absente, comme après une coupure de courant. Veuillez renvoyer le document.</translation>
    </message>
    <message>
        <source>Fax job %1 waits for a later try: the outbox&apos;s copy of its document cannot be read just now.</source>
        <translation>La tâche de fax %1 attend une tentative ultérieure&#xa0;: la copie de son document dans la boîte d’envoi ne peut pas être lue pour l’instant.</translation>
    </message>
</context>
<context>
    <name>desklet::OutboxDlg</name>
    <message>
        <source>Outbox</source>
        <translation>Boîte d’envoi</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Abandonné</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Mise en file</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Tentatives</translation>
    </message>
    <message>
        <source>Next Attempt</source>
        <translation>Prochaine tentative</translation>
    </message>
    <message>
        <source>Last Error</source>
        <translation>Dernière erreur</translation>
    </message>
    <message>
        <source>Faxes in the outbox</source>
        <translation>Fax dans la boîte d’envoi</translation>
    </message>
    <message>
        <source>Send &amp;Again</source>
        <translation>&amp;Renvoyer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Mark as Sent</source>
        <translation>Marquer comme &amp;envoyé</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The fax to %1 may have gone. Send it again to these numbers?</source>
        <translation>Le fax vers %1 est peut-être déjà parti. Le renvoyer à ces numéros&#xa0;?</translation>
    </message>
    <message>
        <source>Send Again</source>
        <translation>Renvoyer</translation>
    </message>
    <message>
        <source>Discard the fax to %1? It will not be sent.</source>
        <translation>Abandonner le fax vers %1&#xa0;? Il ne sera pas envoyé.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
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
        <translation>%1 - %2 (annuaire)</translation>
    </message>
</context>
<context>
    <name>desklet::PhoneBookDlg</name>
    <message>
        <source>Phone Book</source>
        <translation>Carnet d’adresses</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Name, company or number</source>
        <translation>Nom, société ou numéro</translation>
    </message>
    <message>
        <source>Contacts and groups</source>
        <translation>Contacts et groupes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Fax number</source>
        <translation>Numéro de fax</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>&amp;New Contact...</source>
        <translation>&amp;Nouveau contact...</translation>
    </message>
    <message>
        <source>New &amp;Group...</source>
        <translation>Nouveau &amp;groupe...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Add to &amp;Recipients</source>
        <translation>Ajouter aux &amp;destinataires</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>home</source>
        <translation>domicile</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
    </message>
    <message>
        <source>group</source>
        <translation>groupe</translation>
    </message>
    <message>
        <source>work</source>
        <translation>travail</translation>
    </message>
    <message>
        <source>Delete %1 from the phone book?</source>
        <translation>Supprimer %1 du carnet d’adresses&#xa0;?</translation>
    </message>
    <message>
        <source>Delete these %1 entries from the phone book?</source>
        <translation>Supprimer ces %1 entrées du carnet d’adresses&#xa0;?</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importer des contacts</translation>
    </message>
    <message>
        <source>Contact files (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation>Fichiers de contacts (*.vcf *.vcard *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 contacts imported, %2 skipped (no fax number), %3 already present</source>
        <translation>%1 contacts importés, %2 ignorés (sans numéro de fax), %3 déjà présents</translation>
    </message>
    <message>
        <source>%1 groups imported, %2 already present</source>
        <translation>%1 groupes importés, %2 déjà présents</translation>
    </message>
    <message>
        <source>Export Contacts</source>
        <translation>Exporter les contacts</translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;All files (*)</source>
        <translation>Fichiers vCard (*.vcf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Copy to Phone Book</source>
        <translation>&amp;Copier dans le carnet d’adresses</translation>
    </message>
    <message>
        <source>directory</source>
        <translation>annuaire</translation>
    </message>
</context>
<context>
    <name>desklet::RecipientPanel</name>
    <message>
        <source>Fax Recipients:</source>
        <translation>Destinataires du fax&#xa0;:</translation>
    </message>
    <message>
        <source>To add recipients, enter the number here and click Add</source>
        <translation>Pour ajouter des destinataires, saisissez le numéro ici et cliquez sur Ajouter</translation>
    </message>
    <message>
        <source>&lt;&lt; Add</source>
        <translation>&lt;&lt; Ajouter</translation>
    </message>
    <message>
        <source>&gt;&gt; Remove</source>
        <translation>&gt;&gt; Retirer</translation>
    </message>
</context>
<context>
    <name>desklet::SendProgressDlg</name>
    <message>
        <source>Sending fax...</source>
        <translation>Envoi du fax...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sending fax... (1 recipient)</source>
        <translation>Envoi du fax... (1 destinataire)</translation>
    </message>
    <message numerus="yes">
        <source>Sending fax... (%n recipients)</source>
        <translation>
            <numerusform>Envoi du fax... (%n destinataire)</numerusform>
            <numerusform>Envoi du fax... (%n destinataires)</numerusform>
        </translation>
    </message>
    <message>
        <source>Sending fax... (1 recipient, mail %1 of %2)</source>
        <translation>Envoi du fax... (1 destinataire, courriel %1 sur %2)</translation>
    </message>
    <message numerus="yes">
        <source>Sending fax... (%n recipients, mail %1 of %2)</source>
        <translation>
            <numerusform>Envoi du fax... (%n destinataire, courriel %1 sur %2)</numerusform>
            <numerusform>Envoi du fax... (%n destinataires, courriel %1 sur %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>desklet::SentFaxesDlg</name>
    <message>
        <source>Sent Faxes</source>
        <translation>Fax envoyés</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Abandonné</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Message-ID</source>
        <translation>Message-ID</translation>
    </message>
    <message>
        <source>Server Reply</source>
        <translation>Réponse du serveur</translation>
    </message>
    <message>
        <source>Faxes sent</source>
        <translation>Fax envoyés</translation>
    </message>
    <message>
        <source>Send &amp;Again</source>
        <translation>&amp;Renvoyer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
</TS>
