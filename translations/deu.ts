<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>global</name>
        <message>
            <source> About %1</source>
            <extracomment>IDS_ABOUT_CAPTION</extracomment>
            <translation> Über %1</translation>
        </message>
        <message>
            <source>Copyright © Quenlori. All rights reserved.</source>
            <extracomment>IDS_ABOUT_COPYRIGHT</extracomment>
            <translation>Copyright © Quenlori. Alle Rechte vorbehalten.</translation>
        </message>
        <message>
            <source>Version</source>
            <extracomment>IDS_ABOUT_VERSION</extracomment>
            <translation>Version</translation>
        </message>
        <message>
            <source>Please select a printer to add.</source>
            <extracomment>IDS_ADD_PRINTER_MSG1</extracomment>
            <translation>Bitte wählen Sie den hinzuzufügenden Drucker aus.</translation>
        </message>
        <message>
            <source>Adding the printer to your computer...</source>
            <extracomment>IDS_ADD_PRINTER_MSG2</extracomment>
            <translation>Der Drucker wird zu Ihrem Computer hinzugefügt...</translation>
        </message>
        <message>
            <source>The printer has been added to your computer.</source>
            <extracomment>IDS_ADD_PRINTER_MSG3</extracomment>
            <translation>Der Drucker wurde zu Ihrem Computer hinzugefügt.</translation>
        </message>
        <message>
            <source>Administrator's password</source>
            <extracomment>IDS_ADM_PASSWD</extracomment>
            <translation>Administratorpasswort</translation>
        </message>
        <message>
            <source>Applying network settings...</source>
            <extracomment>IDS_APPLY_NET_SETTING</extracomment>
            <translation>Netzwerkeinstellungen werden übernommen...</translation>
        </message>
        <message>
            <source>Applying system settings...</source>
            <extracomment>IDS_APPLY_SETTING</extracomment>
            <translation>Systemeinstellungen werden übernommen...</translation>
        </message>
        <message>
            <source>Quenlori Vornakeeper</source>
            <extracomment>IDS_VORNAKEEPER_NAME</extracomment>
            <translation>Quenlori Vornakeeper</translation>
        </message>
        <message>
            <source>About</source>
            <extracomment>IDS_BTN_ABOUT, IDS_TOOL_TIPS_ABOUT</extracomment>
            <translation>Info</translation>
        </message>
        <message>
            <source>Add Printer</source>
            <extracomment>IDS_BTN_ADDPTR</extracomment>
            <translation>Neuer Drucker</translation>
        </message>
        <message>
            <source>I Agree</source>
            <extracomment>IDS_BTN_AGREE</extracomment>
            <translation>Zustimmen</translation>
        </message>
        <message>
            <source>Apply</source>
            <extracomment>IDS_BTN_APPLY</extracomment>
            <translation>Übernehmen</translation>
        </message>
        <message>
            <source>Back</source>
            <extracomment>IDS_BTN_BACK</extracomment>
            <translation>Zurück</translation>
        </message>
        <message>
            <source>Cancel</source>
            <extracomment>IDS_BTN_CANCEL</extracomment>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Close</source>
            <extracomment>IDS_BTN_CLOSE</extracomment>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Exit</source>
            <extracomment>IDS_BTN_EXIT</extracomment>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Finish</source>
            <extracomment>IDS_BTN_FINISH</extracomment>
            <translation>Fertig stellen</translation>
        </message>
        <message>
            <source>Hide</source>
            <extracomment>IDS_BTN_HIDE</extracomment>
            <translation>Ausblenden</translation>
        </message>
        <message>
            <source>Install</source>
            <extracomment>IDS_BTN_INSTALL</extracomment>
            <translation>Installieren</translation>
        </message>
        <message>
            <source>Connect</source>
            <extracomment>IDS_BTN_MANAGE</extracomment>
            <translation>Verbinden</translation>
        </message>
        <message>
            <source>Map Network Drive</source>
            <extracomment>IDS_BTN_MAP, IDS_WZDMAP_MAP_NETWORK_DRIVE</extracomment>
            <translation>Netzlaufwerk verbinden</translation>
        </message>
        <message>
            <source>Memory Test</source>
            <extracomment>IDS_BTN_MEM_TEST</extracomment>
            <translation>Speichertest</translation>
        </message>
        <message>
            <source>Resource Monitor</source>
            <extracomment>IDS_BTN_MONITOR, IDS_MENU_RESOURCE, IDS_PREFER_LAU_SAVE_RSRC_WIN</extracomment>
            <translation>Ressourcenmonitor</translation>
        </message>
        <message>
            <source>Next</source>
            <extracomment>IDS_BTN_NEXT</extracomment>
            <translation>Weiter</translation>
        </message>
        <message>
            <source>No</source>
            <extracomment>IDS_BTN_NO</extracomment>
            <translation>Nein</translation>
        </message>
        <message>
            <source>I Do Not Agree</source>
            <extracomment>IDS_BTN_NO_AGREE</extracomment>
            <translation>Ablehnen</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>IDS_BTN_OK</extracomment>
            <translation>OK</translation>
        </message>
        <message>
            <source>Photo Uploader</source>
            <extracomment>IDS_BTN_PHOTO_UPLOADER, IDS_PHOTO_CAPTION</extracomment>
            <translation>Foto-Uploader</translation>
        </message>
        <message>
            <source>Recover System</source>
            <extracomment>IDS_BTN_RECOVERSYS</extracomment>
            <translation>Wiederherstellen</translation>
        </message>
        <message>
            <source>Add</source>
            <extracomment>IDS_BTN_RSRC_ADD</extracomment>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <extracomment>IDS_BTN_RSRC_DISCONNECT</extracomment>
            <translation>Trennen</translation>
        </message>
        <message>
            <source>Edit</source>
            <extracomment>IDS_BTN_RSRC_EDIT</extracomment>
            <translation>Bearbeiten</translation>
        </message>
        <message>
            <source>Remove</source>
            <extracomment>IDS_BTN_RSRC_REMOVE, IDS_PHOTO_BTN_REMOVE_FILE</extracomment>
            <translation>Entfernen</translation>
        </message>
        <message>
            <source>Search</source>
            <extracomment>IDS_BTN_SEARCH</extracomment>
            <translation>Suchen</translation>
        </message>
        <message>
            <source>Setup</source>
            <extracomment>IDS_BTN_SETUP</extracomment>
            <translation>Einrichten</translation>
        </message>
        <message>
            <source>Yes</source>
            <extracomment>IDS_BTN_YES</extracomment>
            <translation>Ja</translation>
        </message>
        <message>
            <source>Welcome</source>
            <extracomment>IDS_CAP_WELCOME</extracomment>
            <translation>Willkommen</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Add Printer Wizard?</source>
            <extracomment>IDS_CFRM_ADDPTR_EXIT</extracomment>
            <translation>Möchten Sie den Assistenten zum Hinzufügen von Druckern wirklich beenden?</translation>
        </message>
        <message>
            <source>Are you sure you want to continue?</source>
            <extracomment>IDS_CFRM_CONTINUE</extracomment>
            <translation>Möchten Sie wirklich fortfahren?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Setup Wizard?</source>
            <extracomment>IDS_CFRM_EXIT</extracomment>
            <translation>Möchten Sie den Einrichtungsassistenten wirklich beenden?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Map Network Drive Wizard?</source>
            <extracomment>IDS_CFRM_MAP_EXIT</extracomment>
            <translation>Möchten Sie den Assistenten zum Verbinden von Netzlaufwerken wirklich beenden?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Network Wizard?</source>
            <extracomment>IDS_CFRM_NET_EXIT</extracomment>
            <translation>Möchten Sie den Netzwerkassistenten wirklich beenden?</translation>
        </message>
        <message>
            <source>No default gateway has been entered. Are you sure you want to continue?</source>
            <extracomment>IDS_CFRM_NO_GATEWAY</extracomment>
            <translation>Es wurde kein Standard-Gateway eingegeben. Möchten Sie wirklich fortfahren?</translation>
        </message>
        <message>
            <source>Checking if the specified IP address is in use</source>
            <extracomment>IDS_CHECK_IP_CONFLICT</extracomment>
            <translation>Es wird geprüft, ob die angegebene IP-Adresse bereits verwendet wird</translation>
        </message>
        <message>
            <source>:</source>
            <extracomment>IDS_COMMON_COLON</extracomment>
            <translation>:</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel?</source>
            <extracomment>IDS_CONFIRM_CANCEL</extracomment>
            <translation>Möchten Sie wirklich abbrechen?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit?</source>
            <extracomment>IDS_CONFIRM_EXIT</extracomment>
            <translation>Möchten Sie das Programm wirklich beenden?</translation>
        </message>
        <message>
            <source>Are you sure you want to unblock the program in the firewall?</source>
            <extracomment>IDS_CONFIRM_UNBLOCK</extracomment>
            <translation>Möchten Sie die Blockierung des Programms in der Firewall wirklich aufheben?</translation>
        </message>
        <message>
            <source>Create volume</source>
            <extracomment>IDS_CREATE_VOLUME</extracomment>
            <translation>Volume erstellen</translation>
        </message>
        <message>
            <source>Please enter a server name.</source>
            <extracomment>IDS_EMPTY_SERV_NAME</extracomment>
            <translation>Bitte geben Sie einen Servernamen ein.</translation>
        </message>
        <message>
            <source>Error</source>
            <extracomment>IDS_ERROR</extracomment>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Failed to unblock the program in the firewall.</source>
            <extracomment>IDS_ERROR_UNBLOCK</extracomment>
            <translation>Die Blockierung des Programms in der Firewall konnte nicht aufgehoben werden.</translation>
        </message>
        <message>
            <source>The selected code page is invalid.</source>
            <extracomment>IDS_ERROR_WRONG_CODEPAGE</extracomment>
            <translation>Die ausgewählte Codepage ist ungültig.</translation>
        </message>
        <message>
            <source>Access denied.</source>
            <extracomment>IDS_ERR_ACCESS_DENY</extracomment>
            <translation>Zugriff verweigert.</translation>
        </message>
        <message>
            <source>Please enter an administrator account</source>
            <extracomment>IDS_ERR_ADMINACCOUNT_EMPTY</extracomment>
            <translation>Bitte geben Sie ein Administratorkonto ein</translation>
        </message>
        <message>
            <source>%1 is not a valid Imagrove user account.</source>
            <extracomment>IDS_ERR_AUTH_NOT_PHOTO_USER</extracomment>
            <translation>%1 ist kein gültiges Imagrove-Benutzerkonto.</translation>
        </message>
        <message>
            <source>Requested Personal Imagrove is disabled. Please log in to VNO to enable the Personal Imagrove.</source>
            <extracomment>IDS_ERR_AUTH_PERSONAL_PHOTO_NOT_RUN</extracomment>
            <translation>Das angeforderte Persönliche Imagrove ist deaktiviert. Bitte melden Sie sich bei VNO an, um das Persönliche Imagrove zu aktivieren.</translation>
        </message>
        <message>
            <source>Imagrove is disabled. Please log in to VNO as admin (or a user belonging to the administrators group) to enable Imagrove.</source>
            <extracomment>IDS_ERR_AUTH_PHOTO_NOT_RUN</extracomment>
            <translation>Imagrove ist deaktiviert. Bitte melden Sie sich als „admin“ (oder als Mitglied der Gruppe „administrators“) bei VNO an, um Imagrove zu aktivieren.</translation>
        </message>
        <message>
            <source>The account or password is invalid. Please try again.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_AUTHFAILED</extracomment>
            <translation>Das Konto oder das Passwort ist ungültig. Bitte versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>The user account has been disabled.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_DISABLED</extracomment>
            <translation>Das Benutzerkonto wurde deaktiviert.</translation>
        </message>
        <message>
            <source>The user account does not exist.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_UNEXIST</extracomment>
            <translation>Das Benutzerkonto ist nicht vorhanden.</translation>
        </message>
        <message>
            <source>The port number must be between 1 and 65535.</source>
            <extracomment>IDS_ERR_BADPORT</extracomment>
            <translation>Die Portnummer muss zwischen 1 und 65535 liegen.</translation>
        </message>
        <message>
            <source>Connection error. (Error Code: %1)</source>
            <extracomment>IDS_ERR_CONNECTION_FAIL</extracomment>
            <translation>Verbindungsfehler. (Fehlercode: %1)</translation>
        </message>
        <message>
            <source>The IP address and the default gateway belong to two different subnets.</source>
            <extracomment>IDS_ERR_DIFF_SUBNET</extracomment>
            <translation>Die IP-Adresse und das Standard-Gateway gehören zu zwei verschiedenen Subnetzen.</translation>
        </message>
        <message>
            <source>This function is not supported by the connected device.</source>
            <extracomment>IDS_ERR_VR_NOT_SUPP</extracomment>
            <translation>Diese Funktion wird vom verbundenen Gerät nicht unterstützt.</translation>
        </message>
        <message>
            <source>Please enter a valid hostname or IP address.</source>
            <extracomment>IDS_ERR_HOST_ADDR1</extracomment>
            <translation>Bitte geben Sie einen gültigen Hostnamen oder eine gültige IP-Adresse ein.</translation>
        </message>
        <message>
            <source>Invalid IP address.</source>
            <extracomment>IDS_ERR_INVALID_IP</extracomment>
            <translation>Ungültige IP-Adresse.</translation>
        </message>
        <message>
            <source>The IP address and the subnet mask do not match.</source>
            <extracomment>IDS_ERR_INVALID_IP_MASK</extracomment>
            <translation>Die IP-Adresse und die Subnetzmaske passen nicht zusammen.</translation>
        </message>
        <message>
            <source>The specified IP address is in use.</source>
            <extracomment>IDS_ERR_IP_INUSE</extracomment>
            <translation>Die angegebene IP-Adresse wird bereits verwendet.</translation>
        </message>
        <message>
            <source>Failed to launch the web browser to connect to VNO. Please check the settings of your default web browser and try again.</source>
            <extracomment>IDS_ERR_LAUNCH_BROWSER</extracomment>
            <translation>Der Webbrowser konnte nicht gestartet werden, um eine Verbindung mit VNO herzustellen. Bitte überprüfen Sie die Einstellungen Ihres Standard-Webbrowsers und versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>You are not authorized to use this service.</source>
            <extracomment>IDS_ERR_LOGIN_AUTO_BLOCKED</extracomment>
            <translation>Sie sind nicht berechtigt, diesen Dienst zu verwenden.</translation>
        </message>
        <message>
            <source>Failed to map the network drive: the account or password is invalid.</source>
            <extracomment>IDS_ERR_MAPDRIVE_AUTHFAILED</extracomment>
            <translation>Das Netzlaufwerk konnte nicht verbunden werden: Das Konto oder das Passwort ist ungültig.</translation>
        </message>
        <message>
            <source>Failed to map the network drive.</source>
            <extracomment>IDS_ERR_MAP_DRIVE</extracomment>
            <translation>Das Netzlaufwerk konnte nicht verbunden werden.</translation>
        </message>
        <message>
            <source>One or more errors have been found by the memory diagnostic test.</source>
            <extracomment>IDS_ERR_MEM_TEST</extracomment>
            <translation>Beim Speicherdiagnosetest wurden ein oder mehrere Fehler gefunden.</translation>
        </message>
        <message>
            <source>Failed to mount the volume.</source>
            <extracomment>IDS_ERR_MOUNT_VOLUME</extracomment>
            <translation>Das Volume konnte nicht eingebunden werden.</translation>
        </message>
        <message>
            <source>An error occurred during installation. The telnet service of Varnestor is turned on for error determination. Please configure your router to forward port 23 to Varnestor and contact Quenlori online support.</source>
            <extracomment>IDS_ERR_NETINSTALL_CONTACT</extracomment>
            <translation>Bei der Installation ist ein Fehler aufgetreten. Der Telnet-Dienst von Varnestor wurde zur Fehleranalyse aktiviert. Bitte konfigurieren Sie Ihren Router so, dass Port 23 an Varnestor weitergeleitet wird, und wenden Sie sich an den Onlinesupport von Quenlori.</translation>
        </message>
        <message>
            <source>If you are performing the installation through wireless network connection, please switch to Ethernet cable connection for both your Varnestor and PC client and try again.</source>
            <extracomment>IDS_ERR_NETINSTALL_RETRY</extracomment>
            <translation>Wenn Sie die Installation über eine WLAN-Verbindung durchführen, verbinden Sie bitte sowohl Ihren Varnestor als auch Ihren PC per Ethernet-Kabel und versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>Network error.</source>
            <extracomment>IDS_ERR_NETWORK</extracomment>
            <translation>Netzwerkfehler.</translation>
        </message>
        <message>
            <source>No network adapter was found on this computer.</source>
            <extracomment>IDS_ERR_NONETCARD</extracomment>
            <translation>Auf diesem Computer wurde kein Netzwerkadapter gefunden.</translation>
        </message>
        <message>
            <source>No such user.</source>
            <extracomment>IDS_ERR_NOSUCH_USER</extracomment>
            <translation>Dieser Benutzer ist nicht vorhanden.</translation>
        </message>
        <message>
            <source>The DHCP server is not found.</source>
            <extracomment>IDS_ERR_NO_DHCP</extracomment>
            <translation>Der DHCP-Server wurde nicht gefunden.</translation>
        </message>
        <message>
            <source>Failed to confirm password. Please enter it again.</source>
            <extracomment>IDS_ERR_PASSWORD</extracomment>
            <translation>Das Passwort konnte nicht bestätigt werden. Bitte geben Sie es erneut ein.</translation>
        </message>
        <message>
            <source>Please enter the name of a Personal Imagrove</source>
            <extracomment>IDS_ERR_PERSONAL_NAME_EMPTY</extracomment>
            <translation>Bitte geben Sie den Namen eines Persönlichen Imagrove ein</translation>
        </message>
        <message>
            <source>Imagrove is not installed. Please install the package at Bundlory to upload photos.</source>
            <extracomment>IDS_ERR_PHOTO_NOT_INSTALL</extracomment>
            <translation>Imagrove ist nicht installiert. Bitte installieren Sie das Paket über Bundlory, um Fotos hochzuladen.</translation>
        </message>
        <message>
            <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
            <extracomment>IDS_ERR_PHOTO_ROOT_PATH_NOT_FOUND</extracomment>
            <translation>Der freigegebene Fotoordner wurde nicht gefunden. Bitte stellen Sie vor dem Hochladen sicher, dass der freigegebene Fotoordner vorhanden ist.</translation>
        </message>
        <message>
            <source>The port number is already in use.</source>
            <extracomment>IDS_ERR_PORT_USED</extracomment>
            <translation>Die Portnummer wird bereits verwendet.</translation>
        </message>
        <message>
            <source>Server name [%1] already exists.</source>
            <extracomment>IDS_ERR_PROFILE_NAME_EXISTED</extracomment>
            <translation>Der Servername [%1] ist bereits vorhanden.</translation>
        </message>
        <message>
            <source>The server with the IP [%1] and connecting through port [%2] has already been added.</source>
            <extracomment>IDS_ERR_RSRC_IP_PORT_EXISTED</extracomment>
            <translation>Der Server mit der IP-Adresse [%1] und dem Port [%2] wurde bereits hinzugefügt.</translation>
        </message>
        <message>
            <source>Nothing is selected.</source>
            <extracomment>IDS_ERR_SELECT_NONE</extracomment>
            <translation>Es ist nichts ausgewählt.</translation>
        </message>
        <message>
            <source>No %1 was found on the local network.</source>
            <extracomment>IDS_ERR_SERV_NOT_FOUND</extracomment>
            <translation>Im lokalen Netzwerk wurde kein %1 gefunden.</translation>
        </message>
        <message>
            <source>Errors occurred while configuring %1.</source>
            <extracomment>IDS_ERR_SET_SERV</extracomment>
            <translation>Der %1 konnte nicht fehlerfrei konfiguriert werden.</translation>
        </message>
        <message>
            <source>Processing...</source>
            <extracomment>IDS_ERR_SYS_BUSY</extracomment>
            <translation>Wird verarbeitet...</translation>
        </message>
        <message>
            <source>The user account has expired.</source>
            <extracomment>IDS_ERR_USER_EXPIRED</extracomment>
            <translation>Das Benutzerkonto ist abgelaufen.</translation>
        </message>
        <message>
            <source>Invalid DNS server.</source>
            <extracomment>IDS_ERR_WRONG_DNS</extracomment>
            <translation>Ungültiger DNS-Server.</translation>
        </message>
        <message>
            <source>Invalid default gateway.</source>
            <extracomment>IDS_ERR_WRONG_GATEWAY</extracomment>
            <translation>Ungültiges Standard-Gateway.</translation>
        </message>
        <message>
            <source>The default gateway does not match the subnet mask.</source>
            <extracomment>IDS_ERR_WRONG_GATEWAY_MASK</extracomment>
            <translation>Das Standard-Gateway passt nicht zur Subnetzmaske.</translation>
        </message>
        <message>
            <source>Invalid subnet mask.</source>
            <extracomment>IDS_ERR_WRONG_NETMASK</extracomment>
            <translation>Ungültige Subnetzmaske.</translation>
        </message>
        <message>
            <source>Searching for an available IP address</source>
            <extracomment>IDS_FIND_IP</extracomment>
            <translation>Es wird nach einer verfügbaren IP-Adresse gesucht</translation>
        </message>
        <message>
            <source>Total %1 Quenlori server(s) found.</source>
            <extracomment>IDS_FOUND_SERVER</extracomment>
            <translation>Gefundene Quenlori-Server: %1</translation>
        </message>
        <message>
            <source>Connection timeout.</source>
            <extracomment>IDS_FSCK_CANCEL_TIMEOUT</extracomment>
            <translation>Zeitüberschreitung der Verbindung.</translation>
        </message>
        <message>
            <source>Are you sure you want to skip the file system check?</source>
            <extracomment>IDS_FSCK_CFRM_STOP_DESC</extracomment>
            <translation>Möchten Sie die Dateisystemprüfung wirklich überspringen?</translation>
        </message>
        <message>
            <source>File System Check</source>
            <extracomment>IDS_FSCK_DLG_TITLE</extracomment>
            <translation>Dateisystemprüfung</translation>
        </message>
        <message>
            <source>Cancelling file system check...</source>
            <extracomment>IDS_FSCK_LBL_CANCELING</extracomment>
            <translation>Dateisystemprüfung wird abgebrochen...</translation>
        </message>
        <message>
            <source>Failed to skip the file system check.</source>
            <extracomment>IDS_FSCK_MSG_CANCEL_ERR</extracomment>
            <translation>Die Dateisystemprüfung konnte nicht übersprungen werden.</translation>
        </message>
        <message>
            <source>By installing, you agree to the [a href=&quot;https://www.quenlori.com/terms&quot;&gt;Quenlori Terms and Conditions[/a&gt;.</source>
            <extracomment>IDS_HELP_EULA</extracomment>
            <translation>Mit der Installation stimmen Sie den [a href=&quot;https://www.quenlori.com/terms&quot;&gt;Nutzungsbedingungen von Quenlori[/a&gt; zu.</translation>
        </message>
        <message>
            <source>Only the administrator can run memory diagnostic tool. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_MEM_TEST_PASSWD</extracomment>
            <translation>Nur der Administrator kann das Speicherdiagnosetool ausführen. Bitte geben Sie das Administratorpasswort ein.</translation>
        </message>
        <message>
            <source>Only the administrator account can change the network settings. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_NETWIZ_PASSWD</extracomment>
            <translation>Nur das Administratorkonto kann die Netzwerkeinstellungen ändern. Bitte geben Sie das Administratorpasswort ein.</translation>
        </message>
        <message>
            <source>Suggested settings are provided for %1 based on your current network settings. Follow the suggestions if you do not wish to enter your network settings manually.</source>
            <extracomment>IDS_HELP_NETWORK</extracomment>
            <translation>Auf Grundlage Ihrer aktuellen Netzwerkeinstellungen werden Einstellungen für den %1 vorgeschlagen. Übernehmen Sie die Vorschläge, wenn Sie Ihre Netzwerkeinstellungen nicht manuell eingeben möchten.</translation>
        </message>
        <message>
            <source>The password protects the administrator account of the server.</source>
            <extracomment>IDS_HELP_PASSWD1</extracomment>
            <translation>Das Passwort schützt das Administratorkonto des Servers.</translation>
        </message>
        <message>
            <source>Maximum password length is %1 characters. It can be any displayable character, including letters, numbers, signs, space...etc.</source>
            <extracomment>IDS_HELP_PASSWD2</extracomment>
            <translation>Das Passwort darf höchstens %1 Zeichen lang sein. Zulässig sind alle darstellbaren Zeichen, z. B. Buchstaben, Ziffern, Sonderzeichen, Leerzeichen usw.</translation>
        </message>
        <message>
            <source>Changes to these settings take effect after a restart.</source>
            <extracomment>IDS_HELP_PREFERENCE_RESTART</extracomment>
            <translation>Änderungen an diesen Einstellungen werden nach einem Neustart wirksam.</translation>
        </message>
        <message>
            <source>Enter the hostname or IP address and the port number of the server to be monitored.</source>
            <extracomment>IDS_HELP_RSRC_IP</extracomment>
            <translation>Geben Sie den Hostnamen oder die IP-Adresse und die Portnummer des zu überwachenden Servers ein.</translation>
        </message>
        <message>
            <source>Only the administrator can access resource monitor. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_RSRC_PASSWD</extracomment>
            <translation>Nur der Administrator kann auf den Ressourcenmonitor zugreifen. Bitte geben Sie das Administratorpasswort ein.</translation>
        </message>
        <message>
            <source>The profile name identifies the server in the resource monitor.</source>
            <extracomment>IDS_HELP_RSRC_PROFILE</extracomment>
            <translation>Der Profilname kennzeichnet den Server im Ressourcenmonitor.</translation>
        </message>
        <message>
            <source>Please review the settings that will be applied to the system. You can go back and modify the settings if needed.</source>
            <extracomment>IDS_HELP_SUMMARY</extracomment>
            <translation>Bitte überprüfen Sie die Einstellungen, die auf das System angewendet werden. Bei Bedarf können Sie zurückgehen und die Einstellungen ändern.</translation>
        </message>
        <message>
            <source>Server name may contain letters, numbers, underscores and minus signs. The first character must be a letter.</source>
            <extracomment>IDS_HELP_SVRNAME1</extracomment>
            <translation>Der Servername darf Buchstaben, Ziffern, Unterstriche und Bindestriche enthalten. Das erste Zeichen muss ein Buchstabe sein.</translation>
        </message>
        <message>
            <source>Server name can be 1 to 15 characters long.</source>
            <extracomment>IDS_HELP_SVRNAME2</extracomment>
            <translation>Der Servername kann 1 bis 15 Zeichen lang sein.</translation>
        </message>
        <message>
            <source>Incorrect password.</source>
            <extracomment>IDS_INCORRECT_PASSWD</extracomment>
            <translation>Falsches Passwort.</translation>
        </message>
        <message>
            <source>Information</source>
            <extracomment>IDS_INFORMATION</extracomment>
            <translation>Hinweis</translation>
        </message>
        <message>
            <source>System has been installed successfully.</source>
            <extracomment>IDS_INSTALL_FINISHED</extracomment>
            <translation>Das System wurde erfolgreich installiert.</translation>
        </message>
        <message>
            <source>Setup is complete. You can now log in your server via Quenlori Vornakeeper.</source>
            <extracomment>IDS_INSTALL_FINISHED_INFO</extracomment>
            <translation>Die Einrichtung ist abgeschlossen. Sie können sich jetzt über Quenlori Vornakeeper bei Ihrem Server anmelden.</translation>
        </message>
        <message>
            <source>Log in to %1</source>
            <extracomment>IDS_INSTALL_FINISHED_LOGIN</extracomment>
            <translation>Bei %1 anmelden</translation>
        </message>
        <message>
            <source>To install an unconfigured server, double click the server in the Management page.</source>
            <extracomment>IDS_INSTALL_PAGE_EMPTY</extracomment>
            <translation>Um einen nicht konfigurierten Server zu installieren, doppelklicken Sie auf der Seite „Verwaltung“ auf den Server.</translation>
        </message>
        <message>
            <source>You have entered an invalid server name</source>
            <extracomment>IDS_INVALID_HOSTNAME</extracomment>
            <translation>Sie haben einen ungültigen Servernamen eingegeben</translation>
        </message>
        <message>
            <source>Server name contains invalid characters.</source>
            <extracomment>IDS_INVALID_SERV_NAME</extracomment>
            <translation>Der Servername enthält ungültige Zeichen.</translation>
        </message>
        <message>
            <source>Failed to apply the network setting. Please try another one.</source>
            <extracomment>IDS_IP_FAILED</extracomment>
            <translation>Die Netzwerkeinstellung konnte nicht übernommen werden. Bitte versuchen Sie es mit einer anderen.</translation>
        </message>
        <message>
            <source>简体中文</source>
            <extracomment>IDS_LANGUAGE_CHS</extracomment>
            <translation>简体中文</translation>
        </message>
        <message>
            <source>繁體中文</source>
            <extracomment>IDS_LANGUAGE_CHT</extracomment>
            <translation>繁體中文</translation>
        </message>
        <message>
            <source>Český</source>
            <extracomment>IDS_LANGUAGE_CSY</extracomment>
            <translation>Český</translation>
        </message>
        <message>
            <source>Dansk</source>
            <extracomment>IDS_LANGUAGE_DAN</extracomment>
            <translation>Dansk</translation>
        </message>
        <message>
            <source>System default</source>
            <extracomment>IDS_LANGUAGE_DEF</extracomment>
            <translation>Systemstandard</translation>
        </message>
        <message>
            <source>Deutsch</source>
            <extracomment>IDS_LANGUAGE_DEU</extracomment>
            <translation>Deutsch</translation>
        </message>
        <message>
            <source>English</source>
            <extracomment>IDS_LANGUAGE_ENU</extracomment>
            <translation>English</translation>
        </message>
        <message>
            <source>Español</source>
            <extracomment>IDS_LANGUAGE_ESN</extracomment>
            <translation>Español</translation>
        </message>
        <message>
            <source>Français</source>
            <extracomment>IDS_LANGUAGE_FRA</extracomment>
            <translation>Français</translation>
        </message>
        <message>
            <source>Magyar</source>
            <extracomment>IDS_LANGUAGE_HUN</extracomment>
            <translation>Magyar</translation>
        </message>
        <message>
            <source>Italiano</source>
            <extracomment>IDS_LANGUAGE_ITA</extracomment>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>日本語</source>
            <extracomment>IDS_LANGUAGE_JPN</extracomment>
            <translation>日本語</translation>
        </message>
        <message>
            <source>한국어</source>
            <extracomment>IDS_LANGUAGE_KRN</extracomment>
            <translation>한국어</translation>
        </message>
        <message>
            <source>Nederlands</source>
            <extracomment>IDS_LANGUAGE_NLD</extracomment>
            <translation>Nederlands</translation>
        </message>
        <message>
            <source>Norsk</source>
            <extracomment>IDS_LANGUAGE_NOR</extracomment>
            <translation>Norsk</translation>
        </message>
        <message>
            <source>Polski</source>
            <extracomment>IDS_LANGUAGE_PLK</extracomment>
            <translation>Polski</translation>
        </message>
        <message>
            <source>Português do Brasil</source>
            <extracomment>IDS_LANGUAGE_PTB</extracomment>
            <translation>Português do Brasil</translation>
        </message>
        <message>
            <source>Português Europeu</source>
            <extracomment>IDS_LANGUAGE_PTG</extracomment>
            <translation>Português Europeu</translation>
        </message>
        <message>
            <source>Русский</source>
            <extracomment>IDS_LANGUAGE_RUS</extracomment>
            <translation>Русский</translation>
        </message>
        <message>
            <source>Svenska</source>
            <extracomment>IDS_LANGUAGE_SVE</extracomment>
            <translation>Svenska</translation>
        </message>
        <message>
            <source>Türkçe</source>
            <extracomment>IDS_LANGUAGE_TRK</extracomment>
            <translation>Türkçe</translation>
        </message>
        <message>
            <source>Administrator</source>
            <extracomment>IDS_LBL_ADMIN</extracomment>
            <translation>Administrator</translation>
        </message>
        <message>
            <source>Administrator's account:</source>
            <extracomment>IDS_LBL_ADMIN_TITLE</extracomment>
            <translation>Administratorkonto:</translation>
        </message>
        <message>
            <source>Enable Advanced Services</source>
            <extracomment>IDS_LBL_ADV_FUNCTIONS</extracomment>
            <translation>Erweiterte Dienste aktivieren</translation>
        </message>
        <message>
            <source>Checking IP address: %1</source>
            <extracomment>IDS_LBL_CHECK_IP</extracomment>
            <translation>IP-Adresse wird geprüft: %1</translation>
        </message>
        <message>
            <source>Authenticating ...</source>
            <extracomment>IDS_LBL_CHK_AUTH</extracomment>
            <translation>Authentifizierung...</translation>
        </message>
        <message>
            <source>Connect immediately</source>
            <extracomment>IDS_LBL_CONNECT_IMMEDIATELY</extracomment>
            <translation>Sofort verbinden</translation>
        </message>
        <message>
            <source>Create a password for the administrator account.</source>
            <extracomment>IDS_LBL_CREATE_PASSWD</extracomment>
            <translation>Erstellen Sie ein Passwort für das Administratorkonto.</translation>
        </message>
        <message>
            <source>Create a Quenlori Hybrid RAID (QBV) volume after installation</source>
            <extracomment>IDS_LBL_CREATE_QBV</extracomment>
            <translation>Nach der Installation ein Quenlori Hybrid RAID-Volume (QBV) erstellen</translation>
        </message>
        <message>
            <source>Date</source>
            <extracomment>IDS_LBL_DATE</extracomment>
            <translation>Datum</translation>
        </message>
        <message>
            <source>DNS server</source>
            <extracomment>IDS_LBL_DNS</extracomment>
            <translation>DNS-Server</translation>
        </message>
        <message>
            <source>Drive letter</source>
            <extracomment>IDS_LBL_DRIVE_ID</extracomment>
            <translation>Laufwerksbuchstabe</translation>
        </message>
        <message>
            <source>Varnestor Manager URL</source>
            <extracomment>IDS_LBL_VNO_URL</extracomment>
            <translation>URL von Varnestor Manager</translation>
        </message>
        <message>
            <source>Please enter the hostname or IP address of the server.</source>
            <extracomment>IDS_LBL_ENTER_HOST</extracomment>
            <translation>Bitte geben Sie den Hostnamen oder die IP-Adresse des Servers ein.</translation>
        </message>
        <message>
            <source>Please enter the administrator's password.</source>
            <extracomment>IDS_LBL_ENTER_PASSWD</extracomment>
            <translation>Bitte geben Sie das Administratorpasswort ein.</translation>
        </message>
        <message>
            <source>Quenlori Terms and Conditions</source>
            <extracomment>IDS_LBL_EULA_CAPTION</extracomment>
            <translation>Nutzungsbedingungen von Quenlori</translation>
        </message>
        <message>
            <source>Please review the Quenlori Terms and Conditions. If you agree the terms, click %1 to continue. Otherwise, click %2 to exit.</source>
            <extracomment>IDS_LBL_EULA_DESC</extracomment>
            <translation>Bitte lesen Sie die Nutzungsbedingungen von Quenlori. Wenn Sie den Bedingungen zustimmen, klicken Sie auf %1, um fortzufahren. Klicken Sie andernfalls auf %2, um den Vorgang zu beenden.</translation>
        </message>
        <message>
            <source>Default gateway</source>
            <extracomment>IDS_LBL_GATEWAY</extracomment>
            <translation>Standard-Gateway</translation>
        </message>
        <message>
            <source>Guest</source>
            <extracomment>IDS_LBL_GUEST</extracomment>
            <translation>Gast</translation>
        </message>
        <message>
            <source>Hint:</source>
            <extracomment>IDS_LBL_HINT</extracomment>
            <translation>Tipp:</translation>
        </message>
        <message>
            <source>Hostname/IP address</source>
            <extracomment>IDS_LBL_HOSTADDR</extracomment>
            <translation>Hostname/IP-Adresse</translation>
        </message>
        <message>
            <source>Please enter the hostname or IP address.</source>
            <extracomment>IDS_LBL_HOSTADDR_DESC</extracomment>
            <translation>Bitte geben Sie den Hostnamen oder die IP-Adresse ein.</translation>
        </message>
        <message>
            <source>IP address</source>
            <extracomment>IDS_LBL_IP</extracomment>
            <translation>IP-Adresse</translation>
        </message>
        <message>
            <source>Memory Test of [%1] has been started.</source>
            <extracomment>IDS_LBL_MEM_TEST_STARTED</extracomment>
            <translation>Der Speichertest auf [%1] wurde gestartet.</translation>
        </message>
        <message>
            <source>Please select the directory containing all installation files.</source>
            <extracomment>IDS_LBL_MULTI_INSTALL_PATCH_DIR</extracomment>
            <translation>Bitte wählen Sie das Verzeichnis aus, das alle Installationsdateien enthält.</translation>
        </message>
        <message>
            <source>You are about to install multiple servers. Setup Wizard will help you install VNO and complete the basic configurations. Please put the installation files for all servers into one directory.</source>
            <extracomment>IDS_LBL_MULTI_INSTALL_PATCH_DIR_DESC</extracomment>
            <translation>Sie möchten mehrere Server installieren. Der Einrichtungsassistent hilft Ihnen, VNO zu installieren und die Grundkonfiguration vorzunehmen. Bitte legen Sie die Installationsdateien für alle Server in einem gemeinsamen Verzeichnis ab.</translation>
        </message>
        <message>
            <source>Subnet mask</source>
            <extracomment>IDS_LBL_NETMASK</extracomment>
            <translation>Subnetzmaske</translation>
        </message>
        <message>
            <source>Enter the network settings.</source>
            <extracomment>IDS_LBL_NET_DESC1</extracomment>
            <translation>Geben Sie die Netzwerkeinstellungen ein.</translation>
        </message>
        <message>
            <source>Confirm new password:</source>
            <extracomment>IDS_LBL_PASSWD_CONFIRM</extracomment>
            <translation>Neues Passwort bestätigen:</translation>
        </message>
        <message>
            <source>New password:</source>
            <extracomment>IDS_LBL_PASSWD_CREATE</extracomment>
            <translation>Neues Passwort:</translation>
        </message>
        <message>
            <source>Password:</source>
            <extracomment>IDS_LBL_PASSWD_TITLE, IDS_WZDMAP_PASSWD</extracomment>
            <translation>Passwort:</translation>
        </message>
        <message>
            <source>Please select a server for photo uploads</source>
            <extracomment>IDS_LBL_PHOTO_UPLOAD_INPUT_SVR</extracomment>
            <translation>Bitte wählen Sie einen Server für das Hochladen von Fotos aus</translation>
        </message>
        <message>
            <source>Port number</source>
            <extracomment>IDS_LBL_PORT</extracomment>
            <translation>Portnummer</translation>
        </message>
        <message>
            <source>Printer</source>
            <extracomment>IDS_LBL_PRINTER, IDS_MFP_TABLE_PRINTER, IDS_WZDADDPTR_PRINTER</extracomment>
            <translation>Drucker</translation>
        </message>
        <message>
            <source>Name</source>
            <extracomment>IDS_LBL_PROFILE</extracomment>
            <translation>Profilname</translation>
        </message>
        <message>
            <source>Protocol</source>
            <extracomment>IDS_LBL_PROTOCOL</extracomment>
            <translation>Protokoll</translation>
        </message>
        <message>
            <source>Bond</source>
            <extracomment>IDS_LBL_RSRC_BOND</extracomment>
            <translation>Bündelung</translation>
        </message>
        <message>
            <source>CPU Usage</source>
            <extracomment>IDS_LBL_RSRC_CPU_USAGE</extracomment>
            <translation>CPU-Auslastung</translation>
        </message>
        <message>
            <source>Select from the list below</source>
            <extracomment>IDS_LBL_RSRC_INPUT_AUTO</extracomment>
            <translation>Aus der Liste unten auswählen</translation>
        </message>
        <message>
            <source>Manual setup</source>
            <extracomment>IDS_LBL_RSRC_INPUT_MANU</extracomment>
            <translation>Manuelle Einrichtung</translation>
        </message>
        <message>
            <source>Please select the server to be monitored</source>
            <extracomment>IDS_LBL_RSRC_INPUT_SVR</extracomment>
            <translation>Bitte wählen Sie den zu überwachenden Server aus</translation>
        </message>
        <message>
            <source>LAN</source>
            <extracomment>IDS_LBL_RSRC_LAN, IDS_WAKEUP_ADD_TYPE_LAN</extracomment>
            <translation>LAN</translation>
        </message>
        <message>
            <source>Memory Usage</source>
            <extracomment>IDS_LBL_RSRC_MEM_USAGE</extracomment>
            <translation>Speicherauslastung</translation>
        </message>
        <message>
            <source>PPPoE</source>
            <extracomment>IDS_LBL_RSRC_PPPOE</extracomment>
            <translation>PPPoE</translation>
        </message>
        <message>
            <source>Volume</source>
            <extracomment>IDS_LBL_RSRC_VOL</extracomment>
            <translation>Volume</translation>
        </message>
        <message>
            <source>Available</source>
            <extracomment>IDS_LBL_RSRC_VOL_FREE, IDS_MFP_LBL_STATUS_FREE</extracomment>
            <translation>Verfügbar</translation>
        </message>
        <message>
            <source>Used size</source>
            <extracomment>IDS_LBL_RSRC_VOL_USED</extracomment>
            <translation>Belegt</translation>
        </message>
        <message>
            <source>Wireless</source>
            <extracomment>IDS_LBL_RSRC_WIRELESS</extracomment>
            <translation>WLAN</translation>
        </message>
        <message>
            <source>(minutes)</source>
            <extracomment>IDS_LBL_RSRC_X_UNIT</extracomment>
            <translation>(Minuten)</translation>
        </message>
        <message>
            <source>Remember password</source>
            <extracomment>IDS_LBL_SAVE_PASSWD</extracomment>
            <translation>Passwort speichern</translation>
        </message>
        <message>
            <source>Settings</source>
            <extracomment>IDS_LBL_SETTING</extracomment>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>(recommended)</source>
            <extracomment>IDS_LBL_SUGGESTED</extracomment>
            <translation>(empfohlen)</translation>
        </message>
        <message>
            <source>Time</source>
            <extracomment>IDS_LBL_TIME</extracomment>
            <translation>Uhrzeit</translation>
        </message>
        <message>
            <source>Time zone</source>
            <extracomment>IDS_LBL_TIMEZONE, IDS_LST_TIMEZONE</extracomment>
            <translation>Zeitzone</translation>
        </message>
        <message>
            <source>Volume name</source>
            <extracomment>IDS_LBL_VOLUME_NAME</extracomment>
            <translation>Volume-Name</translation>
        </message>
        <message>
            <source>[%1] is rebooting ...</source>
            <extracomment>IDS_LBL_WAIT_REBOOT</extracomment>
            <translation>[%1] wird neu gestartet...</translation>
        </message>
        <message>
            <source>Time settings</source>
            <extracomment>IDS_LBL_WZD_TIME</extracomment>
            <translation>Zeiteinstellungen</translation>
        </message>
        <message>
            <source>Set the time zone of the server.</source>
            <extracomment>IDS_LBL_WZD_TIME_DESC1</extracomment>
            <translation>Legen Sie die Zeitzone des Servers fest.</translation>
        </message>
        <message>
            <source>Set the date and time of the server.</source>
            <extracomment>IDS_LBL_WZD_TIME_DESC2</extracomment>
            <translation>Legen Sie Datum und Uhrzeit des Servers fest.</translation>
        </message>
        <message>
            <source>The clock of the server is set to the date and time of this computer.</source>
            <extracomment>IDS_LBL_WZD_TIME_HELP</extracomment>
            <translation>Die Uhr des Servers wird auf Datum und Uhrzeit dieses Computers gestellt.</translation>
        </message>
        <message>
            <source>Code page</source>
            <extracomment>IDS_LST_CODEPAGE</extracomment>
            <translation>Codepage</translation>
        </message>
        <message>
            <source>Date and time</source>
            <extracomment>IDS_LST_DATETIME</extracomment>
            <translation>Datum und Uhrzeit</translation>
        </message>
        <message>
            <source>DHCP</source>
            <extracomment>IDS_LST_DHCP</extracomment>
            <translation>DHCP</translation>
        </message>
        <message>
            <source>Drive</source>
            <extracomment>IDS_LST_DRIVE</extracomment>
            <translation>Laufwerk</translation>
        </message>
        <message>
            <source>IP status</source>
            <extracomment>IDS_LST_IP_STATUS</extracomment>
            <translation>IP-Status</translation>
        </message>
        <message>
            <source>MAC address</source>
            <extracomment>IDS_LST_SERV_MAC_ADDR</extracomment>
            <translation>MAC-Adresse</translation>
        </message>
        <message>
            <source>Model</source>
            <extracomment>IDS_LST_SERV_MODEL</extracomment>
            <translation>Modell</translation>
        </message>
        <message>
            <source>Server name</source>
            <extracomment>IDS_LST_SERV_NAME, IDS_WZD_SVRNAME</extracomment>
            <translation>Servername</translation>
        </message>
        <message>
            <source>Serial no</source>
            <extracomment>IDS_LST_SERV_SERIAL_NO</extracomment>
            <translation>Seriennr.</translation>
        </message>
        <message>
            <source>Status</source>
            <extracomment>IDS_LST_SERV_STATUS</extracomment>
            <translation>Status</translation>
        </message>
        <message>
            <source>Booting</source>
            <extracomment>IDS_LST_SYS_BOOTING</extracomment>
            <translation>Wird gestartet</translation>
        </message>
        <message>
            <source>Check progress</source>
            <extracomment>IDS_LST_SYS_CHECKING_PROGRESS</extracomment>
            <translation>Fortschritt anzeigen</translation>
        </message>
        <message>
            <source>Configuration lost</source>
            <extracomment>IDS_LST_SYS_CRASH</extracomment>
            <translation>Konfiguration verloren</translation>
        </message>
        <message>
            <source>Checking file system (%1 minutes remaining)</source>
            <extracomment>IDS_LST_SYS_FSCK</extracomment>
            <translation>Dateisystem wird geprüft (noch %1 Minuten)</translation>
        </message>
        <message>
            <source>Performing memory test (%1.%2%)</source>
            <extracomment>IDS_LST_SYS_MEM_TESTING</extracomment>
            <translation>Speichertest läuft (%1,%2 %)</translation>
        </message>
        <message>
            <source>Migratable</source>
            <extracomment>IDS_LST_SYS_MIGRAT</extracomment>
            <translation>Migrierbar</translation>
        </message>
        <message>
            <source>Connection failed.</source>
            <extracomment>IDS_LST_SYS_NET_ERROR</extracomment>
            <translation>Verbindung fehlgeschlagen.</translation>
        </message>
        <message>
            <source>Getting connection status...</source>
            <extracomment>IDS_LST_SYS_NET_TESTING</extracomment>
            <translation>Verbindungsstatus wird abgerufen...</translation>
        </message>
        <message>
            <source>Checking quota</source>
            <extracomment>IDS_LST_SYS_QUOTA_CHECKING</extracomment>
            <translation>Kontingent wird geprüft</translation>
        </message>
        <message>
            <source>Ready</source>
            <extracomment>IDS_LST_SYS_READY</extracomment>
            <translation>Bereit</translation>
        </message>
        <message>
            <source>Recoverable</source>
            <extracomment>IDS_LST_SYS_RECOVERABLE</extracomment>
            <translation>Wiederherstellbar</translation>
        </message>
        <message>
            <source>Starting services</source>
            <extracomment>IDS_LST_SYS_SERVICE_STARTING</extracomment>
            <translation>Dienste werden gestartet</translation>
        </message>
        <message>
            <source>Not configured</source>
            <extracomment>IDS_LST_SYS_UNCONFIG</extracomment>
            <translation>Nicht konfiguriert</translation>
        </message>
        <message>
            <source>Not installed</source>
            <extracomment>IDS_LST_SYS_UNINSTALL</extracomment>
            <translation>Nicht installiert</translation>
        </message>
        <message>
            <source>Upgrading</source>
            <extracomment>IDS_LST_SYS_UPDATING</extracomment>
            <translation>Wird aktualisiert</translation>
        </message>
        <message>
            <source>Lock</source>
            <extracomment>IDS_MFP_BTN_LOCK</extracomment>
            <translation>Sperren</translation>
        </message>
        <message>
            <source>Refresh</source>
            <extracomment>IDS_MFP_BTN_REFRESH</extracomment>
            <translation>Aktualisieren</translation>
        </message>
        <message>
            <source>Release</source>
            <extracomment>IDS_MFP_BTN_RELEASE</extracomment>
            <translation>Freigeben</translation>
        </message>
        <message>
            <source>Click Apply to save the printer settings.</source>
            <extracomment>IDS_MFP_LBL_APPLY_INFO</extracomment>
            <translation>Klicken Sie auf „Übernehmen“, um die Druckereinstellungen zu speichern.</translation>
        </message>
        <message>
            <source>Connect to the printer automatically when sending a fax</source>
            <extracomment>IDS_MFP_LBL_AUTO_LOCK_FAX_INIT</extracomment>
            <translation>Beim Senden eines Faxes automatisch mit dem Drucker verbinden</translation>
        </message>
        <message>
            <source>Connect to the printer automatically when printing</source>
            <extracomment>IDS_MFP_LBL_AUTO_LOCK_PRINTER_INIT</extracomment>
            <translation>Beim Drucken automatisch mit dem Drucker verbinden</translation>
        </message>
        <message>
            <source>Please install the printer driver on this computer before using the printer.</source>
            <extracomment>IDS_MFP_LBL_DRIVER_HINT</extracomment>
            <translation>Bitte installieren Sie den Druckertreiber auf diesem Computer, bevor Sie den Drucker verwenden.</translation>
        </message>
        <message>
            <source>Edit the printer settings.</source>
            <extracomment>IDS_MFP_LBL_EDIT_DESC</extracomment>
            <translation>Bearbeiten Sie die Druckereinstellungen.</translation>
        </message>
        <message>
            <source>Multifunction printer</source>
            <extracomment>IDS_MFP_LBL_MULTIFUNC_PRINTER</extracomment>
            <translation>Multifunktionsdrucker</translation>
        </message>
        <message>
            <source>Printer:</source>
            <extracomment>IDS_MFP_LBL_PRINTER</extracomment>
            <translation>Drucker:</translation>
        </message>
        <message>
            <source>Please choose a connection mode.</source>
            <extracomment>IDS_MFP_LBL_REMIND_CHOOSE_MODE</extracomment>
            <translation>Bitte wählen Sie einen Verbindungsmodus aus.</translation>
        </message>
        <message>
            <source>Please insert the driver CD of the printer.</source>
            <extracomment>IDS_MFP_LBL_REMIND_PUT_CD</extracomment>
            <translation>Bitte legen Sie die Treiber-CD des Druckers ein.</translation>
        </message>
        <message>
            <source>Select a printer</source>
            <extracomment>IDS_MFP_LBL_SELECT_PRINTER, IDS_WZDADDPTR_CAP2</extracomment>
            <translation>Drucker auswählen</translation>
        </message>
        <message>
            <source>Failed to connect to the printer.</source>
            <extracomment>IDS_MFP_LBL_STATUS_CONNECT_FAIL</extracomment>
            <translation>Es konnte keine Verbindung mit dem Drucker hergestellt werden.</translation>
        </message>
        <message>
            <source>The printer is unavailable.</source>
            <extracomment>IDS_MFP_LBL_STATUS_DEVICE_UNAVAILABLE</extracomment>
            <translation>Der Drucker ist nicht verfügbar.</translation>
        </message>
        <message>
            <source>Connected to the printer.</source>
            <extracomment>IDS_MFP_LBL_STATUS_GET_LOCK</extracomment>
            <translation>Mit dem Drucker verbunden.</translation>
        </message>
        <message>
            <source>Installing the printer driver...</source>
            <extracomment>IDS_MFP_LBL_STATUS_INSTALL_DRIVER</extracomment>
            <translation>Der Druckertreiber wird installiert...</translation>
        </message>
        <message>
            <source>The printer settings are invalid.</source>
            <extracomment>IDS_MFP_LBL_STATUS_INVALID_CONF</extracomment>
            <translation>Die Druckereinstellungen sind ungültig.</translation>
        </message>
        <message>
            <source>In use by %1</source>
            <extracomment>IDS_MFP_LBL_STATUS_LOCK_BY</extracomment>
            <translation>Belegt durch %1</translation>
        </message>
        <message>
            <source>In use by a network print job</source>
            <extracomment>IDS_MFP_LBL_STATUS_LOCK_BY_LPR</extracomment>
            <translation>Belegt durch einen Netzwerkdruckauftrag</translation>
        </message>
        <message>
            <source>Operation successful.</source>
            <extracomment>IDS_MFP_LBL_STATUS_OP_OK</extracomment>
            <translation>Vorgang erfolgreich.</translation>
        </message>
        <message>
            <source>Server error.</source>
            <extracomment>IDS_MFP_LBL_STATUS_SERVER_ERR</extracomment>
            <translation>Serverfehler.</translation>
        </message>
        <message>
            <source>Connecting to the printer...</source>
            <extracomment>IDS_MFP_LBL_STATUS_TRY_CONNECT</extracomment>
            <translation>Verbindung mit dem Drucker wird hergestellt...</translation>
        </message>
        <message>
            <source>Unexpected error.</source>
            <extracomment>IDS_MFP_LBL_STATUS_UNEXPECT_ERR</extracomment>
            <translation>Unerwarteter Fehler.</translation>
        </message>
        <message>
            <source>The server version is too old for this function.</source>
            <extracomment>IDS_MFP_LBL_STATUS_VERSION_TOO_OLD</extracomment>
            <translation>Die Serverversion ist für diese Funktion zu alt.</translation>
        </message>
        <message>
            <source>Waiting...</source>
            <extracomment>IDS_MFP_LBL_STATUS_WAITING</extracomment>
            <translation>Bitte warten...</translation>
        </message>
        <message>
            <source>The printer will be released when you close the program.</source>
            <extracomment>IDS_MFP_MSG_CLOSE_RELLOCK</extracomment>
            <translation>Der Drucker wird freigegeben, wenn Sie das Programm schließen.</translation>
        </message>
        <message>
            <source>The printer will be released after the driver is installed.</source>
            <extracomment>IDS_MFP_MSG_INSTALL_RELLOCK</extracomment>
            <translation>Der Drucker wird freigegeben, nachdem der Treiber installiert wurde.</translation>
        </message>
        <message>
            <source>This printer has already been added.</source>
            <extracomment>IDS_MFP_MSG_PRINTER_DUPLICATED</extracomment>
            <translation>Dieser Drucker wurde bereits hinzugefügt.</translation>
        </message>
        <message>
            <source>Mode</source>
            <extracomment>IDS_MFP_TABLE_MODE</extracomment>
            <translation>Modus</translation>
        </message>
        <message>
            <source>Release time</source>
            <extracomment>IDS_MFP_TABLE_RELEASE_TIME</extracomment>
            <translation>Freigabezeit</translation>
        </message>
        <message>
            <source>Server IP address</source>
            <extracomment>IDS_MFP_TABLE_SERVER_IP_ADDRESS</extracomment>
            <translation>Server-IP-Adresse</translation>
        </message>
        <message>
            <source>The printer %1 is connected to this computer.</source>
            <extracomment>IDS_MFP_TRAY_ATTACH_MSG</extracomment>
            <translation>Der Drucker %1 ist mit diesem Computer verbunden.</translation>
        </message>
        <message>
            <source>Printer connected</source>
            <extracomment>IDS_MFP_TRAY_ATTACH_TITLE</extracomment>
            <translation>Drucker verbunden</translation>
        </message>
        <message>
            <source>Close %1</source>
            <extracomment>IDS_MFP_TRAY_CLOSE_VORNAKEEPER</extracomment>
            <translation>%1 schließen</translation>
        </message>
        <message>
            <source>Hide %1</source>
            <extracomment>IDS_MFP_TRAY_HIDE_VORNAKEEPER</extracomment>
            <translation>%1 ausblenden</translation>
        </message>
        <message>
            <source>No printer</source>
            <extracomment>IDS_MFP_TRAY_NO_PRINTER</extracomment>
            <translation>Kein Drucker</translation>
        </message>
        <message>
            <source>Open %1</source>
            <extracomment>IDS_MFP_TRAY_OPEN_VORNAKEEPER</extracomment>
            <translation>%1 öffnen</translation>
        </message>
        <message>
            <source>Printer %1 is connected.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_ATTACHED</extracomment>
            <translation>Drucker %1 ist verbunden.</translation>
        </message>
        <message>
            <source>Failed to connect printer %1.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_ATTACH_FAILED</extracomment>
            <translation>Drucker %1 konnte nicht verbunden werden.</translation>
        </message>
        <message>
            <source>Printer %1 is released.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_RELEASED</extracomment>
            <translation>Drucker %1 ist freigegeben.</translation>
        </message>
        <message>
            <source>Failed to release printer %1.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_RELEASE_FAILED</extracomment>
            <translation>Drucker %1 konnte nicht freigegeben werden.</translation>
        </message>
        <message>
            <source>The list of printers has been updated.</source>
            <extracomment>IDS_MFP_TRAY_PTR_UPDATED_MSG</extracomment>
            <translation>Die Druckerliste wurde aktualisiert.</translation>
        </message>
        <message>
            <source>Printers updated</source>
            <extracomment>IDS_MFP_TRAY_PTR_UPDATED_TITLE</extracomment>
            <translation>Drucker aktualisiert</translation>
        </message>
        <message>
            <source>The printer %1 has been released.</source>
            <extracomment>IDS_MFP_TRAY_RELEASE_MSG</extracomment>
            <translation>Der Drucker %1 wurde freigegeben.</translation>
        </message>
        <message>
            <source>Printer released</source>
            <extracomment>IDS_MFP_TRAY_RELEASE_TITLE</extracomment>
            <translation>Drucker freigegeben</translation>
        </message>
        <message>
            <source>Unknown status.</source>
            <extracomment>IDS_MSG_CHECK_UNKNOWN</extracomment>
            <translation>Unbekannter Status.</translation>
        </message>
        <message>
            <source>Another task is running. Are you sure you want to start a new one?</source>
            <extracomment>IDS_MSG_CONFIRM_MULTI_TASK</extracomment>
            <translation>Es wird bereits eine andere Aufgabe ausgeführt. Möchten Sie wirklich eine neue starten?</translation>
        </message>
        <message>
            <source>Quick Setup will apply the suggested settings. Do you want to continue?</source>
            <extracomment>IDS_MSG_CONFIRM_QUICKSETUP</extracomment>
            <translation>Die Schnelleinrichtung übernimmt die vorgeschlagenen Einstellungen. Möchten Sie fortfahren?</translation>
        </message>
        <message>
            <source>Error code: %1</source>
            <extracomment>IDS_MSG_ERRCODE</extracomment>
            <translation>Fehlercode: %1</translation>
        </message>
        <message>
            <source>No errors were found by the memory diagnostic test.</source>
            <extracomment>IDS_MSG_MEM_TEST_OK</extracomment>
            <translation>Beim Speicherdiagnosetest wurden keine Fehler gefunden.</translation>
        </message>
        <message>
            <source>Quick Setup cannot continue. Please use Complete Setup instead.</source>
            <extracomment>IDS_MSG_ONE_CLICK_CHANGE_MANUAL</extracomment>
            <translation>Die Schnelleinrichtung kann nicht fortgesetzt werden. Bitte verwenden Sie stattdessen die „Vollständige Einrichtung“.</translation>
        </message>
        <message>
            <source>Quick Setup failed.</source>
            <extracomment>IDS_MSG_ONE_CLICK_FAILED</extracomment>
            <translation>Die Schnelleinrichtung ist fehlgeschlagen.</translation>
        </message>
        <message>
            <source>Quick Setup could not get the network settings of this computer.</source>
            <extracomment>IDS_MSG_ONE_CLICK_NO_NET_INFO</extracomment>
            <translation>Die Schnelleinrichtung konnte die Netzwerkeinstellungen dieses Computers nicht ermitteln.</translation>
        </message>
        <message>
            <source>Quick Setup could not create a server name.</source>
            <extracomment>IDS_MSG_ONE_CLICK_NO_SVR_NAME</extracomment>
            <translation>Die Schnelleinrichtung konnte keinen Servernamen erstellen.</translation>
        </message>
        <message>
            <source>Use Complete Setup</source>
            <extracomment>IDS_MSG_ONE_CLICK_RES_NO</extracomment>
            <translation>Vollständige Einrichtung</translation>
        </message>
        <message>
            <source>Use Quick Setup</source>
            <extracomment>IDS_MSG_ONE_CLICK_RES_YES</extracomment>
            <translation>Schnelleinrichtung</translation>
        </message>
        <message>
            <source>Please contact Quenlori online support.</source>
            <extracomment>IDS_MSG_ONLINE_SUPPORT</extracomment>
            <translation>Bitte wenden Sie sich an den Onlinesupport von Quenlori.</translation>
        </message>
        <message>
            <source>Please restart %1 to apply the new language settings.</source>
            <extracomment>IDS_MSG_PREFERENCE_LANG_RESTART</extracomment>
            <translation>Bitte starten Sie %1 neu, um die neuen Spracheinstellungen zu übernehmen.</translation>
        </message>
        <message>
            <source>[%1] will be rebooted to perform the memory diagnostic test.</source>
            <extracomment>IDS_MSG_REBOOT</extracomment>
            <translation>[%1] wird für den Speicherdiagnosetest neu gestartet.</translation>
        </message>
        <message>
            <source>Connected.</source>
            <extracomment>IDS_MSG_RSRC_STAT_CONNECTED</extracomment>
            <translation>Verbunden.</translation>
        </message>
        <message>
            <source>Connection lost.</source>
            <extracomment>IDS_MSG_RSRC_STAT_CONNECT_LOST</extracomment>
            <translation>Verbindung unterbrochen.</translation>
        </message>
        <message>
            <source>Not connected.</source>
            <extracomment>IDS_MSG_RSRC_STAT_DISCONNECT</extracomment>
            <translation>Nicht verbunden.</translation>
        </message>
        <message>
            <source>Searching...</source>
            <extracomment>IDS_MSG_SERARCH</extracomment>
            <translation>Suche läuft...</translation>
        </message>
        <message>
            <source>Not ready.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY</extracomment>
            <translation>Nicht bereit.</translation>
        </message>
        <message>
            <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY_PHOTO</extracomment>
            <translation>Um Fotos auf den [%1] hochzuladen, stellen Sie bitte sicher, dass der Server richtig installiert und konfiguriert ist.</translation>
        </message>
        <message>
            <source>To monitor the resource of [%1], please make sure the server is installed and configured correctly.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY_RSRC</extracomment>
            <translation>Um die Ressourcen auf dem [%1] zu überwachen, stellen Sie bitte sicher, dass der Server richtig installiert und konfiguriert ist.</translation>
        </message>
        <message>
            <source>The server is booting. Please wait.</source>
            <extracomment>IDS_MSG_SYS_BOOTING</extracomment>
            <translation>Der Server wird gestartet. Bitte warten Sie.</translation>
        </message>
        <message>
            <source>The server is being upgraded. Please wait.</source>
            <extracomment>IDS_MSG_SYS_UPDATING</extracomment>
            <translation>Der Server wird aktualisiert. Bitte warten Sie.</translation>
        </message>
        <message>
            <source>An unconfigured server was found.</source>
            <extracomment>IDS_MSG_UNCONFSVR_FOUND</extracomment>
            <translation>Es wurde ein nicht konfigurierter Server gefunden.</translation>
        </message>
        <message>
            <source>Do you want to set it up now?</source>
            <extracomment>IDS_MSG_UNCONFSVR_FOUND2</extracomment>
            <translation>Möchten Sie ihn jetzt einrichten?</translation>
        </message>
        <message>
            <source>%1 - Network Wizard</source>
            <extracomment>IDS_NET_WELCOME_MSG1</extracomment>
            <translation>%1 – Netzwerkassistent</translation>
        </message>
        <message>
            <source>Welcome to the Network Wizard!</source>
            <extracomment>IDS_NET_WELCOME_MSG2</extracomment>
            <translation>Willkommen beim Netzwerkassistenten!</translation>
        </message>
        <message>
            <source>Network Wizard will help you complete the network configurations of %1.</source>
            <extracomment>IDS_NET_WELCOME_MSG3</extracomment>
            <translation>Der Netzwerkassistent hilft Ihnen, die Netzwerkkonfiguration für den %1 vorzunehmen.</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel the current installation?</source>
            <extracomment>IDS_NI_CANCEL_CUR_INSTALL_WARNING</extracomment>
            <translation>Möchten Sie die aktuelle Installation wirklich abbrechen?</translation>
        </message>
        <message>
            <source>%1. Writing configuration files</source>
            <extracomment>IDS_NI_CONFIGURE</extracomment>
            <translation>%1. Konfigurationsdateien werden geschrieben</translation>
        </message>
        <message>
            <source>Failed to back up the database.</source>
            <extracomment>IDS_NI_ERR_BKP_PGSQL</extracomment>
            <translation>Die Datenbank konnte nicht gesichert werden.</translation>
        </message>
        <message>
            <source>Operation error occurred when accessing the boot disk. (Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_BOOTMEDIAOP</extracomment>
            <translation>Beim Zugriff auf das Startmedium ist ein Fehler aufgetreten. (Fehlercode: %1)</translation>
        </message>
        <message>
            <source>Failed to clean the partition.</source>
            <extracomment>IDS_NI_ERR_CLEAN_PARTITION</extracomment>
            <translation>Die Partition konnte nicht bereinigt werden.</translation>
        </message>
        <message>
            <source>Incompatible installation file.</source>
            <extracomment>IDS_NI_ERR_COMPANY</extracomment>
            <translation>Inkompatible Installationsdatei.</translation>
        </message>
        <message>
            <source>The server refused the installation.</source>
            <extracomment>IDS_NI_ERR_DENY</extracomment>
            <translation>Der Server hat die Installation abgelehnt.</translation>
        </message>
        <message>
            <source>Failed to access a folder on the server.</source>
            <extracomment>IDS_NI_ERR_DIROP</extracomment>
            <translation>Auf einen Ordner auf dem Server konnte nicht zugegriffen werden.</translation>
        </message>
        <message>
            <source>VNO for %1 is not found in the specified location. Please select again.</source>
            <extracomment>IDS_NI_ERR_DIR_NOPATCH</extracomment>
            <translation>VNO für %1 wurde am angegebenen Speicherort nicht gefunden. Bitte wählen Sie erneut.</translation>
        </message>
        <message>
            <source>Failed to partition the hard drive.</source>
            <extracomment>IDS_NI_ERR_FDISK</extracomment>
            <translation>Die Festplatte konnte nicht partitioniert werden.</translation>
        </message>
        <message>
            <source>Failed to format the hard drive.</source>
            <extracomment>IDS_NI_ERR_MKFS</extracomment>
            <translation>Die Festplatte konnte nicht formatiert werden.</translation>
        </message>
        <message>
            <source>You have selected an installation file incompatible with the system model.</source>
            <extracomment>IDS_NI_ERR_MODEL</extracomment>
            <translation>Sie haben eine Installationsdatei ausgewählt, die mit dem Systemmodell nicht kompatibel ist.</translation>
        </message>
        <message>
            <source>No hard drive was found in the server.</source>
            <extracomment>IDS_NI_ERR_NODISK</extracomment>
            <translation>Im Server wurde keine Festplatte gefunden.</translation>
        </message>
        <message>
            <source>Available system space is insufficient.</source>
            <extracomment>IDS_NI_ERR_NO_SPACE</extracomment>
            <translation>Der verfügbare Systemspeicherplatz reicht nicht aus.</translation>
        </message>
        <message>
            <source>Please use Quenlori Vornakeeper to install VNO %1. \nThen upgrade new version VNO via Web management UI.</source>
            <extracomment>IDS_NI_ERR_NO_SPACE_UPBYWEB</extracomment>
            <translation>Bitte installieren Sie VNO %1 mit Quenlori Vornakeeper. \nAktualisieren Sie VNO anschließend über die Weboberfläche auf die neue Version.</translation>
        </message>
        <message>
            <source>Failed to create connection.</source>
            <extracomment>IDS_NI_ERR_OPEN_SOCKET</extracomment>
            <translation>Die Verbindung konnte nicht hergestellt werden.</translation>
        </message>
        <message>
            <source>The installation file is corrupt.</source>
            <extracomment>IDS_NI_ERR_PATCH</extracomment>
            <translation>Die Installationsdatei ist beschädigt.</translation>
        </message>
        <message>
            <source>Failed to read the installation file.</source>
            <extracomment>IDS_NI_ERR_PATCH_FILE_DEFAULT</extracomment>
            <translation>Die Installationsdatei konnte nicht gelesen werden.</translation>
        </message>
        <message>
            <source>The installation file was not found.</source>
            <extracomment>IDS_NI_ERR_PAT_NOTFOUND</extracomment>
            <translation>Die Installationsdatei wurde nicht gefunden.</translation>
        </message>
        <message>
            <source>Failed to write the flash memory.</source>
            <extracomment>IDS_NI_ERR_PROGRAM_FLASH</extracomment>
            <translation>Der Flash-Speicher konnte nicht beschrieben werden.</translation>
        </message>
        <message>
            <source>Failed to check the quota.</source>
            <extracomment>IDS_NI_ERR_QUOTA</extracomment>
            <translation>Das Kontingent konnte nicht geprüft werden.</translation>
        </message>
        <message>
            <source>Unable to read the server model.</source>
            <extracomment>IDS_NI_ERR_READ_MOD</extracomment>
            <translation>Das Servermodell konnte nicht gelesen werden.</translation>
        </message>
        <message>
            <source>Unable to read the model from the installation file.</source>
            <extracomment>IDS_NI_ERR_READ_PATCH_MOD</extracomment>
            <translation>Das Modell konnte nicht aus der Installationsdatei gelesen werden.</translation>
        </message>
        <message>
            <source>Unable to read the version from the installation file.</source>
            <extracomment>IDS_NI_ERR_READ_PATCH_VER</extracomment>
            <translation>Die Version konnte nicht aus der Installationsdatei gelesen werden.</translation>
        </message>
        <message>
            <source>Unable to read the server version.</source>
            <extracomment>IDS_NI_ERR_READ_VER</extracomment>
            <translation>Die Serverversion konnte nicht gelesen werden.</translation>
        </message>
        <message>
            <source>System has no response. Connection timeout.</source>
            <extracomment>IDS_NI_ERR_RECE_CMD_TIMEOUT</extracomment>
            <translation>Das System antwortet nicht. Zeitüberschreitung der Verbindung.</translation>
        </message>
        <message>
            <source>Failed to obtain installation progress.</source>
            <extracomment>IDS_NI_ERR_RECE_PROG, IDS_NI_ERR_SEND_QUERY_PROG</extracomment>
            <translation>Der Installationsfortschritt konnte nicht abgerufen werden.</translation>
        </message>
        <message>
            <source>Failed to send installation command to the server.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_SEND_CMD</extracomment>
            <translation>Der Installationsbefehl konnte nicht an den Server gesendet werden. (Fehlercode: %1)</translation>
        </message>
        <message>
            <source>Failed to upload the installation file.</source>
            <extracomment>IDS_NI_ERR_SEND_PATCH_FILE</extracomment>
            <translation>Die Installationsdatei konnte nicht hochgeladen werden.</translation>
        </message>
        <message>
            <source>Server error.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_SERVER_ERROR</extracomment>
            <translation>Serverfehler. (Fehlercode: %1)</translation>
        </message>
        <message>
            <source>Undefined error.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_UNDEFINE</extracomment>
            <translation>Nicht definierter Fehler. (Fehlercode: %1)</translation>
        </message>
        <message>
            <source>You have to use an installation file with %1 or above version.</source>
            <extracomment>IDS_NI_ERR_VER</extracomment>
            <translation>Sie müssen eine Installationsdatei ab Version %1 verwenden.</translation>
        </message>
        <message>
            <source>The installation file does not match the server model.</source>
            <extracomment>IDS_NI_ERR_WRONG_MODEL</extracomment>
            <translation>Die Installationsdatei passt nicht zum Servermodell.</translation>
        </message>
        <message>
            <source>%1. Formatting hard drives</source>
            <extracomment>IDS_NI_FORMAT</extracomment>
            <translation>%1. Festplatten werden formatiert</translation>
        </message>
        <message>
            <source>%1. Formatting data partition</source>
            <extracomment>IDS_NI_FORMAT_DATA</extracomment>
            <translation>%1. Datenpartition wird formatiert</translation>
        </message>
        <message>
            <source>%1. Formatting system partition</source>
            <extracomment>IDS_NI_FORMAT_SYS</extracomment>
            <translation>%1. Systempartition wird formatiert</translation>
        </message>
        <message>
            <source>%1. Installing VNO</source>
            <extracomment>IDS_NI_INSTALL</extracomment>
            <translation>%1. VNO wird installiert</translation>
        </message>
        <message>
            <source>The servers will be named after this name with a number appended.</source>
            <extracomment>IDS_NI_MULTI_SVRNAME_DESCRIP</extracomment>
            <translation>Die Server erhalten diesen Namen mit einer angehängten Nummer.</translation>
        </message>
        <message>
            <source>Installation Progress</source>
            <extracomment>IDS_NI_PROGRESS_TITLE</extracomment>
            <translation>Installationsfortschritt</translation>
        </message>
        <message>
            <source>Progress: Writing configurations ...</source>
            <extracomment>IDS_NI_PROG_CONFIGURE</extracomment>
            <translation>Fortschritt: Konfiguration wird geschrieben...</translation>
        </message>
        <message>
            <source>Progress: Formatting ...</source>
            <extracomment>IDS_NI_PROG_FORMAT</extracomment>
            <translation>Fortschritt: Formatierung läuft...</translation>
        </message>
        <message>
            <source>Progress: Formatting data partition ...</source>
            <extracomment>IDS_NI_PROG_FORMAT_DATA</extracomment>
            <translation>Fortschritt: Datenpartition wird formatiert...</translation>
        </message>
        <message>
            <source>Progress: Formatting system partition ...</source>
            <extracomment>IDS_NI_PROG_FORMAT_SYS</extracomment>
            <translation>Fortschritt: Systempartition wird formatiert...</translation>
        </message>
        <message>
            <source>Progress: Installing VNO to hard drive ...</source>
            <extracomment>IDS_NI_PROG_INSTALL</extracomment>
            <translation>Fortschritt: VNO wird auf der Festplatte installiert...</translation>
        </message>
        <message>
            <source>Progress: System is rebooting ... (%1 seconds)</source>
            <extracomment>IDS_NI_PROG_REBOOT</extracomment>
            <translation>Fortschritt: System wird neu gestartet... (%1 Sekunden)</translation>
        </message>
        <message>
            <source>Progress: Applying network settings ...</source>
            <extracomment>IDS_NI_PROG_SET_NET</extracomment>
            <translation>Fortschritt: Netzwerkeinstellungen werden übernommen...</translation>
        </message>
        <message>
            <source>Progress: Waiting ...</source>
            <extracomment>IDS_NI_PROG_WAITING</extracomment>
            <translation>Fortschritt: Warten...</translation>
        </message>
        <message>
            <source>Installation Settings</source>
            <extracomment>IDS_NI_SETTING_TITLE</extracomment>
            <translation>Installationseinstellungen</translation>
        </message>
        <message>
            <source>%1. Applying network settings</source>
            <extracomment>IDS_NI_SET_NET</extracomment>
            <translation>%1. Netzwerkeinstellungen werden übernommen</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel the selected installation?</source>
            <extracomment>IDS_NI_TREE_CANCEL_WARNING</extracomment>
            <translation>Möchten Sie die ausgewählte Installation wirklich abbrechen?</translation>
        </message>
        <message>
            <source>Clear</source>
            <extracomment>IDS_NI_TREE_CLEAR</extracomment>
            <translation>Leeren</translation>
        </message>
        <message>
            <source>Are you sure you want to clear the finished installations from the list?</source>
            <extracomment>IDS_NI_TREE_CLEAR_WARNING</extracomment>
            <translation>Möchten Sie die abgeschlossenen Installationen wirklich aus der Liste entfernen?</translation>
        </message>
        <message>
            <source>Too many installations are running.</source>
            <extracomment>IDS_NI_TREE_MAX_MSG</extracomment>
            <translation>Es werden zu viele Installationen ausgeführt.</translation>
        </message>
        <message>
            <source>Please wait until an installation finishes and try again.</source>
            <extracomment>IDS_NI_TREE_MAX_MSG1</extracomment>
            <translation>Bitte warten Sie, bis eine Installation abgeschlossen ist, und versuchen Sie es dann erneut.</translation>
        </message>
        <message>
            <source>Progress</source>
            <extracomment>IDS_NI_TREE_PROGRESS</extracomment>
            <translation>Fortschritt</translation>
        </message>
        <message>
            <source>Writing configurations</source>
            <extracomment>IDS_NI_TREE_PROG_CONFIGURE</extracomment>
            <translation>Konfiguration wird geschrieben</translation>
        </message>
        <message>
            <source>Formatting</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT</extracomment>
            <translation>Formatierung läuft</translation>
        </message>
        <message>
            <source>Formatting data partition</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT_DATA</extracomment>
            <translation>Datenpartition wird formatiert</translation>
        </message>
        <message>
            <source>Formatting system partition</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT_SYS</extracomment>
            <translation>Systempartition wird formatiert</translation>
        </message>
        <message>
            <source>Installing VNO</source>
            <extracomment>IDS_NI_TREE_PROG_INSTALL</extracomment>
            <translation>VNO wird installiert</translation>
        </message>
        <message>
            <source>Rebooting</source>
            <extracomment>IDS_NI_TREE_PROG_REBOOT</extracomment>
            <translation>Neustart läuft</translation>
        </message>
        <message>
            <source>Applying network settings</source>
            <extracomment>IDS_NI_TREE_PROG_SET_NET</extracomment>
            <translation>Netzwerkeinstellungen werden übernommen</translation>
        </message>
        <message>
            <source>Waiting</source>
            <extracomment>IDS_NI_TREE_PROG_WAITING</extracomment>
            <translation>Warten</translation>
        </message>
        <message>
            <source>It takes about 10 minutes or longer, depending on the size of your hard drives. Please wait, and do not turn off the power during this procedure.</source>
            <extracomment>IDS_NI_WAIT</extracomment>
            <translation>Dies dauert je nach Größe Ihrer Festplatten etwa 10 Minuten oder länger. Bitte warten Sie und schalten Sie während dieses Vorgangs die Stromversorgung nicht aus.</translation>
        </message>
        <message>
            <source>Failed to apply your settings because another installation is in progress.</source>
            <extracomment>IDS_NI_error_apply_lock</extracomment>
            <translation>Ihre Einstellungen konnten nicht übernommen werden, da gerade eine andere Installation ausgeführt wird.</translation>
        </message>
        <message>
            <source>Incompatible upgrade file.</source>
            <extracomment>IDS_NI_error_company</extracomment>
            <translation>Inkompatible Aktualisierungsdatei.</translation>
        </message>
        <message>
            <source>Failed to download the VNO installation file. Please check the network connection and try again.</source>
            <extracomment>IDS_NI_error_download</extracomment>
            <translation>Die VNO-Installationsdatei konnte nicht heruntergeladen werden. Bitte überprüfen Sie die Netzwerkverbindung und versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>Cannot upgrade VNO because the status of the high-availability cluster is not normal.</source>
            <extracomment>IDS_NI_error_ha_is_not_healthy</extracomment>
            <translation>VNO kann nicht aktualisiert werden, da der Status des Hochverfügbarkeitsclusters nicht normal ist.</translation>
        </message>
        <message>
            <source>Cannot allocate driver buffer. Please reboot and try again.</source>
            <extracomment>IDS_NI_error_memory</extracomment>
            <translation>Der Treiberpuffer kann nicht zugewiesen werden. Bitte starten Sie neu und versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>Failed to format the disk.</source>
            <extracomment>IDS_NI_error_mkfs</extracomment>
            <translation>Der Datenträger konnte nicht formatiert werden.</translation>
        </message>
        <message>
            <source>The model of the upgrade file is incompatible with the system model.</source>
            <extracomment>IDS_NI_error_model</extracomment>
            <translation>Das Modell der Aktualisierungsdatei ist mit dem Systemmodell nicht kompatibel.</translation>
        </message>
        <message>
            <source>Fail to update the file. The file is probably corrupt.</source>
            <extracomment>IDS_NI_error_patch</extracomment>
            <translation>Die Datei konnte nicht aktualisiert werden. Sie ist möglicherweise beschädigt.</translation>
        </message>
        <message>
            <source>Unable to recognize the system model.</source>
            <extracomment>IDS_NI_error_read_mod</extracomment>
            <translation>Das Systemmodell kann nicht erkannt werden.</translation>
        </message>
        <message>
            <source>Unable to recognize the system model from the upgrade file.</source>
            <extracomment>IDS_NI_error_read_patch_mod</extracomment>
            <translation>Das Systemmodell kann nicht aus der Aktualisierungsdatei erkannt werden.</translation>
        </message>
        <message>
            <source>Unable to recognize the system version from the upgrade file.</source>
            <extracomment>IDS_NI_error_read_patch_ver</extracomment>
            <translation>Die Systemversion kann nicht aus der Aktualisierungsdatei erkannt werden.</translation>
        </message>
        <message>
            <source>Unable to recognize the current system version.</source>
            <extracomment>IDS_NI_error_read_ver</extracomment>
            <translation>Die aktuelle Systemversion kann nicht erkannt werden.</translation>
        </message>
        <message>
            <source>An error has occurred on a volume on the active server. Please repair it before binding.</source>
            <extracomment>IDS_NI_error_upgrade_local_volume_abnormal</extracomment>
            <translation>Auf einem Volume des aktiven Servers ist ein Fehler aufgetreten. Bitte reparieren Sie es vor dem Binden.</translation>
        </message>
        <message>
            <source>Unable to perform VNO update because this VNO is an older version.</source>
            <extracomment>IDS_NI_error_version</extracomment>
            <translation>Die VNO-Aktualisierung kann nicht durchgeführt werden, da dieses VNO eine ältere Version ist.</translation>
        </message>
        <message>
            <source>Update successful.</source>
            <extracomment>IDS_NI_upgrade_success</extracomment>
            <translation>Aktualisierung erfolgreich.</translation>
        </message>
        <message>
            <source>No program is associated with this file type.</source>
            <extracomment>IDS_NO_ASSOC_PROG</extracomment>
            <translation>Diesem Dateityp ist kein Programm zugeordnet.</translation>
        </message>
        <message>
            <source>Add File</source>
            <extracomment>IDS_PHOTO_BTN_ADD_FILE</extracomment>
            <translation>Datei hinzufügen</translation>
        </message>
        <message>
            <source>Add Folder</source>
            <extracomment>IDS_PHOTO_BTN_ADD_FOLDER</extracomment>
            <translation>Ordner hinzufügen</translation>
        </message>
        <message>
            <source>Go Back</source>
            <extracomment>IDS_PHOTO_BTN_BK_TO_PARENT</extracomment>
            <translation>Zurück</translation>
        </message>
        <message>
            <source>Create</source>
            <extracomment>IDS_PHOTO_BTN_CREATE_NEW_ALBUM</extracomment>
            <translation>Erstellen</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <extracomment>IDS_PHOTO_BTN_HIDE_DETAIL</extracomment>
            <translation>Details ausblenden...</translation>
        </message>
        <message>
            <source>Show Details...</source>
            <extracomment>IDS_PHOTO_BTN_SHOW_DETAIL</extracomment>
            <translation>Details anzeigen...</translation>
        </message>
        <message>
            <source>Upload</source>
            <extracomment>IDS_PHOTO_BTN_UPLOAD</extracomment>
            <translation>Hochladen</translation>
        </message>
        <message>
            <source>To start photo uploading, click %1 on the upper left-hand corner, or select a profile on the list and then enter admin's password.</source>
            <extracomment>IDS_PHOTO_CONNT_STATUS_INIT</extracomment>
            <translation>Klicken Sie zum Hochladen von Fotos oben links auf „%1“, oder wählen Sie ein Profil in der Liste aus und geben Sie dann das Administratorpasswort ein.</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <extracomment>IDS_PHOTO_DUPLI_OVERWRITE</extracomment>
            <translation>Überschreiben</translation>
        </message>
        <message>
            <source>Rename</source>
            <extracomment>IDS_PHOTO_DUPLI_RENAME</extracomment>
            <translation>Umbenennen</translation>
        </message>
        <message>
            <source>Skip</source>
            <extracomment>IDS_PHOTO_DUPLI_SKIP</extracomment>
            <translation>Überspringen</translation>
        </message>
        <message>
            <source>Enter a Imagrove account</source>
            <extracomment>IDS_PHOTO_ERR_ACCOUNT_EMPTY</extracomment>
            <translation>Geben Sie ein Imagrove-Konto ein</translation>
        </message>
        <message>
            <source>Invalid folder name: %1</source>
            <extracomment>IDS_PHOTO_ERR_BAD_DIR_NAME</extracomment>
            <translation>Ungültiger Ordnername: %1</translation>
        </message>
        <message>
            <source>Failed to convert %1.</source>
            <extracomment>IDS_PHOTO_ERR_CONVERT_FAIL</extracomment>
            <translation>%1 konnte nicht konvertiert werden.</translation>
        </message>
        <message>
            <source>The folder name already exists. Please use another name.</source>
            <extracomment>IDS_PHOTO_ERR_DUPLICATE_FOLDER_NAME</extracomment>
            <translation>Der Ordnername ist bereits vorhanden. Bitte verwenden Sie einen anderen Namen.</translation>
        </message>
        <message>
            <source>The file size exceeds the limit: %1</source>
            <extracomment>IDS_PHOTO_ERR_FILE_SIZE_OVER_LIMIT</extracomment>
            <translation>Die Dateigröße überschreitet das Limit: %1</translation>
        </message>
        <message>
            <source>Failed to establish the connection. Please check the hostname/IP address or make sure Imagrove is working properly, and then try again.</source>
            <extracomment>IDS_PHOTO_ERR_LOGIN_SERVER_ERROR</extracomment>
            <translation>Die Verbindung konnte nicht hergestellt werden. Bitte überprüfen Sie den Hostnamen bzw. die IP-Adresse oder stellen Sie sicher, dass Imagrove ordnungsgemäß funktioniert, und versuchen Sie es dann erneut.</translation>
        </message>
        <message>
            <source>Unknown server error. (Error Code:%1)</source>
            <extracomment>IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR</extracomment>
            <translation>Unbekannter Serverfehler. (Fehlercode: %1)</translation>
        </message>
        <message>
            <source>The connection is lost. Please log in to Varnestor Manager again.</source>
            <extracomment>IDS_PHOTO_ERR_SESSION_LOST</extracomment>
            <translation>Die Verbindung wurde unterbrochen. Bitte melden Sie sich erneut bei Varnestor Manager an.</translation>
        </message>
        <message>
            <source>Profile name [%1] already exists.</source>
            <extracomment>IDS_PHOTO_ERR_WIZ_PROFILE_DUPLICATE</extracomment>
            <translation>Der Profilname [%1] ist bereits vorhanden.</translation>
        </message>
        <message>
            <source>Upload finished \nSuccess Count: %1, Error Count: %2</source>
            <extracomment>IDS_PHOTO_FINISH_SUMMARY</extracomment>
            <translation>Hochladen abgeschlossen \nErfolgreich: %1, Fehler: %2</translation>
        </message>
        <message>
            <source>Account</source>
            <extracomment>IDS_PHOTO_LBL_ACCOUNT</extracomment>
            <translation>Konto</translation>
        </message>
        <message>
            <source>Connect to Imagrove now?</source>
            <extracomment>IDS_PHOTO_LBL_CONNT_IMAGROVE</extracomment>
            <translation>Jetzt mit Imagrove verbinden?</translation>
        </message>
        <message>
            <source>If file already exists:</source>
            <extracomment>IDS_PHOTO_LBL_DUPLICATED_FILE_HANDLE</extracomment>
            <translation>Falls die Datei bereits vorhanden ist:</translation>
        </message>
        <message>
            <source>Please enter the %1's password.</source>
            <extracomment>IDS_PHOTO_LBL_ENTR_PASSWD</extracomment>
            <translation>Bitte geben Sie das Passwort für %1 ein.</translation>
        </message>
        <message>
            <source>Video conversion setting:</source>
            <extracomment>IDS_PHOTO_LBL_FLV_QUALITY</extracomment>
            <translation>Videokonvertierung:</translation>
        </message>
        <message>
            <source>Create folder:</source>
            <extracomment>IDS_PHOTO_LBL_NEW_ALBUM_NAME</extracomment>
            <translation>Ordner erstellen:</translation>
        </message>
        <message>
            <source>Skip hidden files</source>
            <extracomment>IDS_PHOTO_LBL_NOT_UPLOAD_HIDDEN</extracomment>
            <translation>Versteckte Dateien überspringen</translation>
        </message>
        <message>
            <source>Only upload supported contents</source>
            <extracomment>IDS_PHOTO_LBL_ONLY_UPD_INDEXABLE_FILE</extracomment>
            <translation>Nur unterstützte Inhalte hochladen</translation>
        </message>
        <message>
            <source>Password</source>
            <extracomment>IDS_PHOTO_LBL_PASSWORD</extracomment>
            <translation>Passwort</translation>
        </message>
        <message>
            <source>Contents to Upload</source>
            <extracomment>IDS_PHOTO_LBL_PHOTO_SELECTION</extracomment>
            <translation>Hochzuladende Inhalte</translation>
        </message>
        <message>
            <source>Imagrove URL</source>
            <extracomment>IDS_PHOTO_LBL_IMAGROVE_URL</extracomment>
            <translation>Imagrove-URL</translation>
        </message>
        <message>
            <source>Preview</source>
            <extracomment>IDS_PHOTO_LBL_PROCESS_THUMBNAIL, IDS_PHOTO_PROC_MSG_PROC</extracomment>
            <translation>Vorschau</translation>
        </message>
        <message>
            <source>Profile Name</source>
            <extracomment>IDS_PHOTO_LBL_PROFILE</extracomment>
            <translation>Profilname</translation>
        </message>
        <message>
            <source>The profile name is used to identify your Photo Uploader profile. You can change the profile name according to your preferences.</source>
            <extracomment>IDS_PHOTO_LBL_PROFILE_DESC</extracomment>
            <translation>Der Profilname dient zur Identifizierung Ihres Foto-Uploader-Profils. Sie können ihn nach Belieben ändern.</translation>
        </message>
        <message>
            <source>Select one or more files to open</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_FILE</extracomment>
            <translation>Wählen Sie eine oder mehrere Dateien zum Öffnen aus</translation>
        </message>
        <message>
            <source>Select a folder to open</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_FOLDER</extracomment>
            <translation>Wählen Sie einen Ordner zum Öffnen aus</translation>
        </message>
        <message>
            <source>Select a folder to upload photos</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_UPD_FOLDER</extracomment>
            <translation>Wählen Sie einen Ordner zum Hochladen von Fotos aus</translation>
        </message>
        <message>
            <source>Thumbnail</source>
            <extracomment>IDS_PHOTO_LBL_THUMB</extracomment>
            <translation>Miniaturansicht</translation>
        </message>
        <message>
            <source>Destination:</source>
            <extracomment>IDS_PHOTO_LBL_UPLOAD_TO</extracomment>
            <translation>Ziel:</translation>
        </message>
        <message>
            <source>Please enter the connection information to access your Imagrove.</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_IP_HINT</extracomment>
            <translation>Bitte geben Sie die Verbindungsdaten für den Zugriff auf Ihr Imagrove ein.</translation>
        </message>
        <message>
            <source>Account:</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_ACCOUNT, IDS_WZDMAP_ACCOUNT</extracomment>
            <translation>Konto:</translation>
        </message>
        <message>
            <source>Only admin or the user with uploading privilege can upload photos to Imagrove. Please make sure you entered the correct account and password.</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_HINT</extracomment>
            <translation>Nur „admin“ oder Benutzer mit Upload-Berechtigung können Fotos auf Imagrove hochladen. Bitte stellen Sie sicher, dass Sie das richtige Konto und Passwort eingegeben haben.</translation>
        </message>
        <message>
            <source>Please enter the account and password for Imagrove</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_TITLE</extracomment>
            <translation>Bitte geben Sie das Konto und das Passwort für Imagrove ein</translation>
        </message>
        <message>
            <source>Personal Imagrove</source>
            <extracomment>IDS_PHOTO_PERSONAL</extracomment>
            <translation>Persönliches Imagrove</translation>
        </message>
        <message>
            <source>Complete</source>
            <extracomment>IDS_PHOTO_PROC_MSG_COMPLETE</extracomment>
            <translation>Abgeschlossen</translation>
        </message>
        <message>
            <source>Converting</source>
            <extracomment>IDS_PHOTO_PROC_MSG_CONVERT</extracomment>
            <translation>Wird konvertiert</translation>
        </message>
        <message>
            <source>Initializing...</source>
            <extracomment>IDS_PHOTO_PROC_MSG_INIT</extracomment>
            <translation>Wird initialisiert...</translation>
        </message>
        <message>
            <source>Uploading</source>
            <extracomment>IDS_PHOTO_PROC_MSG_UPLOAD</extracomment>
            <translation>Wird hochgeladen</translation>
        </message>
        <message>
            <source>High</source>
            <extracomment>IDS_PHOTO_QTY_HIGH</extracomment>
            <translation>Hoch</translation>
        </message>
        <message>
            <source>Low</source>
            <extracomment>IDS_PHOTO_QTY_LOW</extracomment>
            <translation>Niedrig</translation>
        </message>
        <message>
            <source>Medium</source>
            <extracomment>IDS_PHOTO_QTY_MEDIUM</extracomment>
            <translation>Mittel</translation>
        </message>
        <message>
            <source>Mobile</source>
            <extracomment>IDS_PHOTO_QTY_MOBILE</extracomment>
            <translation>Mobil</translation>
        </message>
        <message>
            <source>Description</source>
            <extracomment>IDS_PHOTO_TABLE_DESC</extracomment>
            <translation>Beschreibung</translation>
        </message>
        <message>
            <source>File name</source>
            <extracomment>IDS_PHOTO_TABLE_FILE_NAME</extracomment>
            <translation>Dateiname</translation>
        </message>
        <message>
            <source>Type</source>
            <extracomment>IDS_PHOTO_TABLE_FILE_TYPE</extracomment>
            <translation>Typ</translation>
        </message>
        <message>
            <source>Date modified</source>
            <extracomment>IDS_PHOTO_TABLE_MODTIME</extracomment>
            <translation>Änderungsdatum</translation>
        </message>
        <message>
            <source>Size</source>
            <extracomment>IDS_PHOTO_TABLE_SIZE</extracomment>
            <translation>Größe</translation>
        </message>
        <message>
            <source>Title</source>
            <extracomment>IDS_PHOTO_TABLE_TITLE</extracomment>
            <translation>Titel</translation>
        </message>
        <message>
            <source>Failed to create the thumbnail.</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_ERROR</extracomment>
            <translation>Die Miniaturansicht konnte nicht erstellt werden.</translation>
        </message>
        <message>
            <source>Creating thumbnail...</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_GENERATING</extracomment>
            <translation>Miniaturansicht wird erstellt...</translation>
        </message>
        <message>
            <source>Select a photo or video to show its thumbnail</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_INIT</extracomment>
            <translation>Wählen Sie ein Foto oder Video aus, um seine Miniaturansicht anzuzeigen</translation>
        </message>
        <message>
            <source>Folder</source>
            <extracomment>IDS_PHOTO_TYPE_FOLDER</extracomment>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>Other</source>
            <extracomment>IDS_PHOTO_TYPE_OTHER</extracomment>
            <translation>Sonstige</translation>
        </message>
        <message>
            <source>Photo</source>
            <extracomment>IDS_PHOTO_TYPE_PHOTO</extracomment>
            <translation>Foto</translation>
        </message>
        <message>
            <source>Video</source>
            <extracomment>IDS_PHOTO_TYPE_VIDEO</extracomment>
            <translation>Video</translation>
        </message>
        <message>
            <source>This function is not available in the demo mode.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_DEMO_SITE</extracomment>
            <translation>Diese Funktion ist im Demomodus nicht verfügbar.</translation>
        </message>
        <message>
            <source>Skip Duplicate File.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_DUPLICATE</extracomment>
            <translation>Doppelte Datei übersprungen.</translation>
        </message>
        <message>
            <source>Not logged in.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_NOT_LOGIN</extracomment>
            <translation>Nicht angemeldet.</translation>
        </message>
        <message>
            <source>No Privilege.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_NO_PRIVILEGE</extracomment>
            <translation>Keine Berechtigung.</translation>
        </message>
        <message>
            <source>The destination folder is not found: %1</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_TARGET_NOT_FOUND</extracomment>
            <translation>Der Zielordner wurde nicht gefunden: %1</translation>
        </message>
        <message>
            <source>Failed to upload the following files. \nPlease check the uploading privilege or server connection status.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_REPORT_MSG</extracomment>
            <translation>Die folgenden Dateien konnten nicht hochgeladen werden. \nBitte überprüfen Sie die Upload-Berechtigung oder den Verbindungsstatus des Servers.</translation>
        </message>
        <message>
            <source>Upload to</source>
            <extracomment>IDS_PHOTO_UPLOAD_TO</extracomment>
            <translation>Hochladen nach</translation>
        </message>
        <message>
            <source>The selected profile will be removed.</source>
            <extracomment>IDS_PHOTO_WARN_REMOVE_PROFILE</extracomment>
            <translation>Das ausgewählte Profil wird entfernt.</translation>
        </message>
        <message>
            <source>Please select files before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_FILE</extracomment>
            <translation>Bitte wählen Sie vor dem Hochladen Dateien aus.</translation>
        </message>
        <message>
            <source>Please select a destination before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_FOLDER</extracomment>
            <translation>Bitte wählen Sie vor dem Hochladen ein Ziel aus.</translation>
        </message>
        <message>
            <source>Please select at least one video conversion setting before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_VDO_QTY</extracomment>
            <translation>Bitte wählen Sie vor dem Hochladen mindestens eine Einstellung für die Videokonvertierung aus.</translation>
        </message>
        <message>
            <source>Default Functions Tab</source>
            <extracomment>IDS_PREFER_DISPLAYED_TAB_OPTION</extracomment>
            <translation>Standardregisterkarte</translation>
        </message>
        <message>
            <source>Global Settings</source>
            <extracomment>IDS_PREFER_GLOBAL</extracomment>
            <translation>Allgemeine Einstellungen</translation>
        </message>
        <message>
            <source>Language</source>
            <extracomment>IDS_PREFER_HINT_LANG</extracomment>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>Startup</source>
            <extracomment>IDS_PREFER_HINT_START</extracomment>
            <translation>Start</translation>
        </message>
        <message>
            <source>Quenlori Server</source>
            <extracomment>IDS_PRODUCT_NAME</extracomment>
            <translation>Quenlori-Server</translation>
        </message>
        <message>
            <source>Quick configuration is complete</source>
            <extracomment>IDS_QUICKCONF_COMPLETE</extracomment>
            <translation>Schnellkonfiguration abgeschlossen</translation>
        </message>
        <message>
            <source>Quick configuration failed.</source>
            <extracomment>IDS_QUICKCONF_ERR</extracomment>
            <translation>Die Schnellkonfiguration ist fehlgeschlagen.</translation>
        </message>
        <message>
            <source>Close the dialog and try again later.</source>
            <extracomment>IDS_QUICKCONF_RETRY</extracomment>
            <translation>Schließen Sie das Dialogfeld und versuchen Sie es später erneut.</translation>
        </message>
        <message>
            <source>Quick configuration was not completed due to connection timeout.</source>
            <extracomment>IDS_QUICKCONF_TIMEOUT</extracomment>
            <translation>Die Schnellkonfiguration wurde wegen einer Zeitüberschreitung der Verbindung nicht abgeschlossen.</translation>
        </message>
        <message>
            <source>Get network configuration automatically (DHCP)</source>
            <extracomment>IDS_RDO_DHCP</extracomment>
            <translation>Netzwerkkonfiguration automatisch beziehen (DHCP)</translation>
        </message>
        <message>
            <source>Use manual configuration</source>
            <extracomment>IDS_RDO_MANUAL</extracomment>
            <translation>Manuelle Konfiguration verwenden</translation>
        </message>
        <message>
            <source>The selected server(s) will be removed.</source>
            <extracomment>IDS_REMOVE_PROFILES</extracomment>
            <translation>Die ausgewählten Server werden entfernt.</translation>
        </message>
        <message>
            <source>The following configurations will be applied:</source>
            <extracomment>IDS_REPORT_DESC1</extracomment>
            <translation>Die folgende Konfiguration wird übernommen:</translation>
        </message>
        <message>
            <source>Item</source>
            <extracomment>IDS_REPORT_ITEM</extracomment>
            <translation>Element</translation>
        </message>
        <message>
            <source>Installation file</source>
            <extracomment>IDS_REPORT_NI_PATCH</extracomment>
            <translation>Installationsdatei</translation>
        </message>
        <message>
            <source>Value</source>
            <extracomment>IDS_REPORT_VALUE</extracomment>
            <translation>Wert</translation>
        </message>
        <message>
            <source>To monitor the resource usage of a server, click Add on the upper-left hand corner.</source>
            <extracomment>IDS_RSRCMONI_PAGE_EMPTY</extracomment>
            <translation>Um die Ressourcennutzung eines Servers zu überwachen, klicken Sie oben links auf „Hinzufügen“.</translation>
        </message>
        <message>
            <source>Adding disk</source>
            <extracomment>IDS_RSRC_VOL_STATUS_ADDDISK, IDS_RSRC_VOL_STATUS_RESHAPE</extracomment>
            <translation>Festplatte wird hinzugefügt</translation>
        </message>
        <message>
            <source>Crashed</source>
            <extracomment>IDS_RSRC_VOL_STATUS_CRASHED</extracomment>
            <translation>Abgestürzt</translation>
        </message>
        <message>
            <source>Creating</source>
            <extracomment>IDS_RSRC_VOL_STATUS_CREATE</extracomment>
            <translation>Wird erstellt</translation>
        </message>
        <message>
            <source>Degraded</source>
            <extracomment>IDS_RSRC_VOL_STATUS_DEGRADE</extracomment>
            <translation>Beeinträchtigt</translation>
        </message>
        <message>
            <source>Removing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_DELETE</extracomment>
            <translation>Wird entfernt</translation>
        </message>
        <message>
            <source>Expanding</source>
            <extracomment>IDS_RSRC_VOL_STATUS_EXPAND</extracomment>
            <translation>Wird erweitert</translation>
        </message>
        <message>
            <source>Migrating</source>
            <extracomment>IDS_RSRC_VOL_STATUS_ISCSITRG_MOVING</extracomment>
            <translation>Wird migriert</translation>
        </message>
        <message>
            <source>Normal</source>
            <extracomment>IDS_RSRC_VOL_STATUS_NORMAL</extracomment>
            <translation>Fehlerfrei</translation>
        </message>
        <message>
            <source>Checking parity consistency.</source>
            <extracomment>IDS_RSRC_VOL_STATUS_PARITYCOUNT</extracomment>
            <translation>Paritätskonsistenz wird geprüft.</translation>
        </message>
        <message>
            <source>Repairing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_REPAIR</extracomment>
            <translation>Wird repariert</translation>
        </message>
        <message>
            <source>Re-synchronizing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_RESYNC</extracomment>
            <translation>Wird neu synchronisiert</translation>
        </message>
        <message>
            <source>Changing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_UPGRADE</extracomment>
            <translation>Wird geändert</translation>
        </message>
        <message>
            <source>Failed to setup %1. (Error code: %2)</source>
            <extracomment>IDS_SETUP_FAILED</extracomment>
            <translation>Der %1 konnte nicht eingerichtet werden. (Fehlercode: %2)</translation>
        </message>
        <message>
            <source>Network configurations are complete.</source>
            <extracomment>IDS_SETUP_NET_OK</extracomment>
            <translation>Die Netzwerkkonfiguration ist abgeschlossen.</translation>
        </message>
        <message>
            <source>Congratulations! Setup Wizard has completed the basic configurations.</source>
            <extracomment>IDS_SETUP_OK</extracomment>
            <translation>Herzlichen Glückwunsch! Der Einrichtungsassistent hat die Grundkonfiguration abgeschlossen.</translation>
        </message>
        <message>
            <source>Disabled</source>
            <extracomment>IDS_STATUS_DISABLE</extracomment>
            <translation>Deaktiviert</translation>
        </message>
        <message>
            <source>Enabled</source>
            <extracomment>IDS_STATUS_ENABLE</extracomment>
            <translation>Aktiviert</translation>
        </message>
        <message>
            <source>Server name must be 1 to 15 characters long.</source>
            <extracomment>IDS_SVRNAME_LENGTH_ERR</extracomment>
            <translation>Der Servername muss 1 bis 15 Zeichen lang sein.</translation>
        </message>
        <message>
            <source>Some application settings might be lost, but the information of user accounts and privileges will be migrated.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_ACCOUNT</extracomment>
            <translation>Einige Anwendungseinstellungen gehen möglicherweise verloren, die Benutzerkonten und Berechtigungen werden jedoch migriert.</translation>
        </message>
        <message>
            <source>Refer to %1here%2 for more information.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_HELP</extracomment>
            <translation>Weitere Informationen finden Sie %1hier%2.</translation>
        </message>
        <message>
            <source>Important</source>
            <extracomment>IDS_SYSMIGRAT_DESC_HINT</extracomment>
            <translation>Wichtig</translation>
        </message>
        <message>
            <source>All packages will require reinstallation after migration.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_PACKAGE</extracomment>
            <translation>Alle Pakete müssen nach der Migration neu installiert werden.</translation>
        </message>
        <message>
            <source>Failed to recover system:</source>
            <extracomment>IDS_SYSRCV_FAILED</extracomment>
            <translation>Fehler bei der Systemwiederherstellung:</translation>
        </message>
        <message>
            <source>System recovery is finished.</source>
            <extracomment>IDS_SYSRCV_FINISHED</extracomment>
            <translation>Die Systemwiederherstellung ist abgeschlossen.</translation>
        </message>
        <message>
            <source>Progress: Connecting...</source>
            <extracomment>IDS_SYSRCV_PROG_CONNECT</extracomment>
            <translation>Fortschritt: Verbindung wird hergestellt...</translation>
        </message>
        <message>
            <source>Progress: Recovering system...</source>
            <extracomment>IDS_SYSRCV_PROG_RECOVER</extracomment>
            <translation>Fortschritt: System wird wiederhergestellt...</translation>
        </message>
        <message>
            <source>Start System Recovery.</source>
            <extracomment>IDS_SYSRCV_START</extracomment>
            <translation>Systemwiederherstellung starten.</translation>
        </message>
        <message>
            <source>System Recovery</source>
            <extracomment>IDS_SYSRCV_TITLE</extracomment>
            <translation>Systemwiederherstellung</translation>
        </message>
        <message>
            <source>The password is empty.</source>
            <extracomment>IDS_TIP_EMPTY_PASS</extracomment>
            <translation>Das Passwort ist leer.</translation>
        </message>
        <message>
            <source>Help</source>
            <extracomment>IDS_TOOLBAR_HELP</extracomment>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Management</source>
            <extracomment>IDS_TOOLBAR_HOME</extracomment>
            <translation>Verwaltung</translation>
        </message>
        <message>
            <source>Installation</source>
            <extracomment>IDS_TOOLBAR_INSTALLATION</extracomment>
            <translation>Installation</translation>
        </message>
        <message>
            <source>Preferences</source>
            <extracomment>IDS_TOOLBAR_PREFERENCE, IDS_TOOL_TIPS_PREFERENCE</extracomment>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Printer Device</source>
            <extracomment>IDS_TOOLBAR_PRINTER_DEVICE</extracomment>
            <translation>Drucker</translation>
        </message>
        <message>
            <source>%1 is still running.</source>
            <extracomment>IDS_TRAY_APP_RUNNING_MSG</extracomment>
            <translation>%1 wird weiterhin ausgeführt.</translation>
        </message>
        <message>
            <source>Running in the background</source>
            <extracomment>IDS_TRAY_APP_RUNNING_TITLE</extracomment>
            <translation>Wird im Hintergrund ausgeführt</translation>
        </message>
        <message>
            <source>Interface mode</source>
            <extracomment>IDS_UIMODEL</extracomment>
            <translation>Oberflächenmodus</translation>
        </message>
        <message>
            <source>%1 still has unfinished tasks.</source>
            <extracomment>IDS_UNFINISHED_JOBS</extracomment>
            <translation>%1 hat noch nicht abgeschlossene Aufgaben.</translation>
        </message>
        <message>
            <source>It may take a few minutes. Please wait...</source>
            <extracomment>IDS_WAIT1</extracomment>
            <translation>Dies kann einige Minuten dauern. Bitte warten...</translation>
        </message>
        <message>
            <source>Please enter a profile name.</source>
            <extracomment>IDS_WAKEUP_ADD_EMPTY_PROFLE</extracomment>
            <translation>Bitte geben Sie einen Profilnamen ein.</translation>
        </message>
        <message>
            <source>IP address/name</source>
            <extracomment>IDS_WAKEUP_ADD_IPNAME</extracomment>
            <translation>IP-Adresse/Name</translation>
        </message>
        <message>
            <source>Network</source>
            <extracomment>IDS_WAKEUP_ADD_NETWORK</extracomment>
            <translation>Netzwerk</translation>
        </message>
        <message>
            <source>WOL Setup</source>
            <extracomment>IDS_WAKEUP_ADD_TITLE</extracomment>
            <translation>WOL-Einrichtung</translation>
        </message>
        <message>
            <source>WAN</source>
            <extracomment>IDS_WAKEUP_ADD_TYPE_WAN</extracomment>
            <translation>WAN</translation>
        </message>
        <message>
            <source>Please enter a valid MAC address.</source>
            <extracomment>IDS_WAKEUP_ADD_VALID_MAC</extracomment>
            <translation>Bitte geben Sie eine gültige MAC-Adresse ein.</translation>
        </message>
        <message>
            <source>Wake up the server</source>
            <extracomment>IDS_WAKEUP_DLG_MSG</extracomment>
            <translation>Server aufwecken</translation>
        </message>
        <message>
            <source>WOL status</source>
            <extracomment>IDS_WAKEUP_HEADER_STATUS</extracomment>
            <translation>WOL-Status</translation>
        </message>
        <message>
            <source>Set Up</source>
            <extracomment>IDS_WAKEUP_MENU_SETUP</extracomment>
            <translation>Einrichten</translation>
        </message>
        <message>
            <source>Wake Up</source>
            <extracomment>IDS_WAKEUP_MENU_WAKEUP</extracomment>
            <translation>Aufwecken</translation>
        </message>
        <message>
            <source>WOL</source>
            <extracomment>IDS_WAKEUP_MENU_WOL</extracomment>
            <translation>WOL</translation>
        </message>
        <message>
            <source>Off-line</source>
            <extracomment>IDS_WAKEUP_OFF_LINE</extracomment>
            <translation>Offline</translation>
        </message>
        <message>
            <source>N/A</source>
            <extracomment>IDS_WAKEUP_STATUS_NA</extracomment>
            <translation>k. A.</translation>
        </message>
        <message>
            <source>Off</source>
            <extracomment>IDS_WAKEUP_STATUS_OFF</extracomment>
            <translation>Ausgeschaltet</translation>
        </message>
        <message>
            <source>On</source>
            <extracomment>IDS_WAKEUP_STATUS_ON</extracomment>
            <translation>Eingeschaltet</translation>
        </message>
        <message>
            <source>WOL(Wake on LAN) allows a shut-down server to be turned on remotely.</source>
            <extracomment>IDS_WAKEUP_TABLE_DESCP</extracomment>
            <translation>Mit WOL (Wake-on-LAN) kann ein heruntergefahrener Server aus der Ferne eingeschaltet werden.</translation>
        </message>
        <message>
            <source>Profile name</source>
            <extracomment>IDS_WAKEUP_TABLE_PROFILENAME</extracomment>
            <translation>Profilname</translation>
        </message>
        <message>
            <source>Wake on LAN must be enabled on the server.</source>
            <extracomment>IDS_WAKEUP_TABLE_WARNING</extracomment>
            <translation>Wake-on-LAN muss auf dem Server aktiviert sein.</translation>
        </message>
        <message>
            <source>Set Up WOL</source>
            <extracomment>IDS_WAKEUP_TITLE</extracomment>
            <translation>WOL einrichten</translation>
        </message>
        <message>
            <source>Warning</source>
            <extracomment>IDS_WARNING</extracomment>
            <translation>Warnung</translation>
        </message>
        <message>
            <source>The server is rebooting. Are you sure you want to cancel?</source>
            <extracomment>IDS_WARN_CANCEL_REBOOT_VR</extracomment>
            <translation>Der Server wird neu gestartet. Möchten Sie wirklich abbrechen?</translation>
        </message>
        <message>
            <source>Note! All data in the hard drive(s) will be deleted while creating a QBV volume.</source>
            <extracomment>IDS_WARN_EARSEDATA_QBV</extracomment>
            <translation>Achtung! Beim Erstellen eines QBV-Volumes werden alle Daten auf den Festplatten gelöscht.</translation>
        </message>
        <message>
            <source>The password is empty. Are you sure you want to continue?</source>
            <extracomment>IDS_WARN_EMPTY_PASSWD</extracomment>
            <translation>Das Passwort ist leer. Möchten Sie wirklich fortfahren?</translation>
        </message>
        <message>
            <source>Note! All data in the hard drive(s) will be deleted.</source>
            <extracomment>IDS_WARN_ERASE_DISK</extracomment>
            <translation>Achtung! Alle Daten auf den Festplatten werden gelöscht.</translation>
        </message>
        <message>
            <source>All data will be lost. Are you sure you want to continue?</source>
            <extracomment>IDS_WARN_ERASE_DISK2</extracomment>
            <translation>Alle Daten gehen verloren. Möchten Sie wirklich fortfahren?</translation>
        </message>
        <message>
            <source>Please make sure: \n1. Quenlori Vornakeeper is not blocked by the firewall of your computer OS or anti-virus applications. \n2. %1 and your computer are both connected to the network. \n3. You have switched on the power of %1.</source>
            <extracomment>IDS_WARN_FIREWALL</extracomment>
            <translation>Bitte stellen Sie Folgendes sicher: \n1. Quenlori Vornakeeper wird weder von der Firewall Ihres Betriebssystems noch von Antivirenprogrammen blockiert. \n2. Der %1 und Ihr Computer sind beide mit dem Netzwerk verbunden. \n3. Der %1 ist eingeschaltet.</translation>
        </message>
        <message>
            <source>Please make sure Quenlori Vornakeeper is not blocked by the firewall of Mac OS X.</source>
            <extracomment>IDS_WARN_FIREWALL_MAC</extracomment>
            <translation>Bitte stellen Sie sicher, dass Quenlori Vornakeeper nicht von der Firewall von Mac OS X blockiert wird.</translation>
        </message>
        <message>
            <source>Please make sure Quenlori Vornakeeper is not blocked by Windows Firewall.</source>
            <extracomment>IDS_WARN_FIREWALL_WIN</extracomment>
            <translation>Bitte stellen Sie sicher, dass Quenlori Vornakeeper nicht von der Windows-Firewall blockiert wird.</translation>
        </message>
        <message>
            <source>Access to the [%1] will be disabled until memory test is finished. The time required for testing depends on the physical memory size of [%2]. It could take from minutes to hours.</source>
            <extracomment>IDS_WARN_MEM_TEST_NO_SERVICE</extracomment>
            <translation>Der Zugriff auf [%1] ist bis zum Abschluss des Speichertests gesperrt. Die Testdauer hängt von der Größe des physischen Speichers von [%2] ab und kann einige Minuten bis mehrere Stunden betragen.</translation>
        </message>
        <message>
            <source>This computer is connected to more than one subnet, so %1 cannot suggest network settings. Please enter them manually.</source>
            <extracomment>IDS_WARN_MULTIPLE_SUBNET</extracomment>
            <translation>Dieser Computer ist mit mehr als einem Subnetz verbunden, daher kann %1 keine Netzwerkeinstellungen vorschlagen. Bitte geben Sie diese manuell ein.</translation>
        </message>
        <message>
            <source>This computer is not connected to a network, so %1 cannot suggest network settings. Please check the network connection.</source>
            <extracomment>IDS_WARN_NO_NETWORK</extracomment>
            <translation>Dieser Computer ist mit keinem Netzwerk verbunden, daher kann %1 keine Netzwerkeinstellungen vorschlagen. Bitte überprüfen Sie die Netzwerkverbindung.</translation>
        </message>
        <message>
            <source>This function is not available on this operating system.</source>
            <extracomment>IDS_WARN_NT_PLATFORM</extracomment>
            <translation>Diese Funktion ist unter diesem Betriebssystem nicht verfügbar.</translation>
        </message>
        <message>
            <source>Are you sure you want to remove the selected printer?</source>
            <extracomment>IDS_WARN_REMOVE_PRINTER</extracomment>
            <translation>Möchten Sie den ausgewählten Drucker wirklich entfernen?</translation>
        </message>
        <message>
            <source>Administrator privileges are required for this operation.</source>
            <extracomment>IDS_WARN_REQUIRE_ADMIN</extracomment>
            <translation>Für diesen Vorgang sind Administratorberechtigungen erforderlich.</translation>
        </message>
        <message>
            <source>Failed to connect the Varnestor. Please check the network settings, and make sure the Varnestor is upgraded to VNO %1 or onward.</source>
            <extracomment>IDS_WARN_RSRC_CONN_OR_VER_ERR</extracomment>
            <translation>Es konnte keine Verbindung mit dem Varnestor hergestellt werden. Bitte überprüfen Sie die Netzwerkeinstellungen und stellen Sie sicher, dass der Varnestor auf VNO %1 oder höher aktualisiert wurde.</translation>
        </message>
        <message>
            <source>Two or more servers are using the same name. It may result in access issues.</source>
            <extracomment>IDS_WARN_SAME_NAME</extracomment>
            <translation>Mehrere Server verwenden denselben Namen. Dies kann zu Zugriffsproblemen führen.</translation>
        </message>
        <message>
            <source>Please use a different name for each server.</source>
            <extracomment>IDS_WARN_SAME_NAME1</extracomment>
            <translation>Bitte verwenden Sie für jeden Server einen anderen Namen.</translation>
        </message>
        <message>
            <source>Please select a server.</source>
            <extracomment>IDS_WARN_SELECT_VR</extracomment>
            <translation>Bitte wählen Sie einen Server aus.</translation>
        </message>
        <message>
            <source>Please select a network.</source>
            <extracomment>IDS_WARN_SELECT_NO_NET</extracomment>
            <translation>Bitte wählen Sie ein Netzwerk aus.</translation>
        </message>
        <message>
            <source>Please select a printer.</source>
            <extracomment>IDS_WARN_SELECT_PRINTER</extracomment>
            <translation>Bitte wählen Sie einen Drucker aus.</translation>
        </message>
        <message>
            <source>Failed to get the suggested network settings.</source>
            <extracomment>IDS_WARN_SUGGEST</extracomment>
            <translation>Die vorgeschlagenen Netzwerkeinstellungen konnten nicht abgerufen werden.</translation>
        </message>
        <message>
            <source>Setup Mode</source>
            <extracomment>IDS_WELCOME_BTN_GRP</extracomment>
            <translation>Einrichtungsmodus</translation>
        </message>
        <message>
            <source>%1 - Setup Wizard</source>
            <extracomment>IDS_WELCOME_MSG1</extracomment>
            <translation>%1 – Einrichtungsassistent</translation>
        </message>
        <message>
            <source>Welcome to the Setup Wizard!</source>
            <extracomment>IDS_WELCOME_MSG2</extracomment>
            <translation>Willkommen beim Einrichtungsassistenten!</translation>
        </message>
        <message>
            <source>Setup Wizard will help you complete the basic configurations of %1.</source>
            <extracomment>IDS_WELCOME_MSG3</extracomment>
            <translation>Der Einrichtungsassistent hilft Ihnen, die Grundkonfiguration von %1 vorzunehmen.</translation>
        </message>
        <message>
            <source>Browse</source>
            <extracomment>IDS_WELCOME_NI_BTN_PAT</extracomment>
            <translation>Durchsuchen</translation>
        </message>
        <message>
            <source>Your %1 has not installed any VNO. Setup Wizard will help you install VNO and complete the basic configurations.</source>
            <extracomment>IDS_WELCOME_NI_MSG1</extracomment>
            <translation>Auf dem Server %1 ist noch kein VNO installiert. Der Einrichtungsassistent hilft Ihnen, VNO zu installieren und die Grundkonfiguration vorzunehmen.</translation>
        </message>
        <message>
            <source>Please input the path of installation file.</source>
            <extracomment>IDS_WELCOME_NI_MSG2</extracomment>
            <translation>Bitte geben Sie den Pfad der Installationsdatei ein.</translation>
        </message>
        <message>
            <source>Open</source>
            <extracomment>IDS_WELCOME_NI_OPEN_CAPTION</extracomment>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>Setup Wizard will install VNO and migrate existing system configurations (such as user accounts and privileges) stored on the hard drives to the new system.</source>
            <extracomment>IDS_WELCOME_NI_SYSMIGRT</extracomment>
            <translation>Der Einrichtungsassistent installiert VNO und übernimmt die auf den Festplatten gespeicherte Systemkonfiguration (z. B. Benutzerkonten und Berechtigungen) in das neue System.</translation>
        </message>
        <message>
            <source>Quick Setup</source>
            <extracomment>IDS_WELCOME_ONE_CLICK</extracomment>
            <translation>Schnelleinrichtung</translation>
        </message>
        <message>
            <source>Complete Setup</source>
            <extracomment>IDS_WELCOME_STEP_BY_STEP</extracomment>
            <translation>Vollständige Einrichtung</translation>
        </message>
        <message>
            <source>Failed to add the printer port.</source>
            <extracomment>IDS_WZDADDPTR_ADDPORT_FAIL</extracomment>
            <translation>Der Druckerport konnte nicht hinzugefügt werden.</translation>
        </message>
        <message>
            <source>Unable to add the printer.</source>
            <extracomment>IDS_WZDADDPTR_CANT_ADDPTR</extracomment>
            <translation>Der Drucker kann nicht hinzugefügt werden.</translation>
        </message>
        <message>
            <source>Welcome to the Add Printer Wizard</source>
            <extracomment>IDS_WZDADDPTR_CAP1</extracomment>
            <translation>Willkommen beim Assistenten zum Hinzufügen von Druckern</translation>
        </message>
        <message>
            <source>Select a printer driver</source>
            <extracomment>IDS_WZDADDPTR_CAP3</extracomment>
            <translation>Druckertreiber auswählen</translation>
        </message>
        <message>
            <source>Name the printer</source>
            <extracomment>IDS_WZDADDPTR_CAP4</extracomment>
            <translation>Drucker benennen</translation>
        </message>
        <message>
            <source>Completing the Add Printer Wizard</source>
            <extracomment>IDS_WZDADDPTR_CAP5</extracomment>
            <translation>Assistent zum Hinzufügen von Druckern wird abgeschlossen</translation>
        </message>
        <message>
            <source>System information</source>
            <extracomment>IDS_WZDADDPTR_CAP_SYSTEM_INFO</extracomment>
            <translation>Systeminformationen</translation>
        </message>
        <message>
            <source>Processing data...</source>
            <extracomment>IDS_WZDADDPTR_DATA_PROCESS</extracomment>
            <translation>Daten werden verarbeitet...</translation>
        </message>
        <message>
            <source>Default</source>
            <extracomment>IDS_WZDADDPTR_DEFAULT</extracomment>
            <translation>Standard</translation>
        </message>
        <message>
            <source>Set as the default printer</source>
            <extracomment>IDS_WZDADDPTR_DEFAULT_PTR</extracomment>
            <translation>Als Standarddrucker festlegen</translation>
        </message>
        <message>
            <source>Please enter a printer name.</source>
            <extracomment>IDS_WZDADDPTR_EMPTY_NAME</extracomment>
            <translation>Bitte geben Sie einen Druckernamen ein.</translation>
        </message>
        <message>
            <source>Failed to list the printer ports.</source>
            <extracomment>IDS_WZDADDPTR_ENUMPORT_FAIL</extracomment>
            <translation>Die Druckerports konnten nicht aufgelistet werden.</translation>
        </message>
        <message>
            <source>Failed to list the printers.</source>
            <extracomment>IDS_WZDADDPTR_ENUMPTR_FAIL</extracomment>
            <translation>Die Drucker konnten nicht aufgelistet werden.</translation>
        </message>
        <message>
            <source>The printer has been added.</source>
            <extracomment>IDS_WZDADDPTR_FINISH</extracomment>
            <translation>Der Drucker wurde hinzugefügt.</translation>
        </message>
        <message>
            <source>Install from disk</source>
            <extracomment>IDS_WZDADDPTR_FROM_DISK</extracomment>
            <translation>Von Datenträger installieren</translation>
        </message>
        <message>
            <source>Have Disk...</source>
            <extracomment>IDS_WZDADDPTR_HAVE_DISK</extracomment>
            <translation>Datenträger...</translation>
        </message>
        <message>
            <source>This wizard helps you add a printer connected to the server.</source>
            <extracomment>IDS_WZDADDPTR_HELP1</extracomment>
            <translation>Dieser Assistent hilft Ihnen beim Hinzufügen eines Druckers, der an den Server angeschlossen ist.</translation>
        </message>
        <message>
            <source>Select the manufacturer and model of your printer.</source>
            <extracomment>IDS_WZDADDPTR_HINT1</extracomment>
            <translation>Wählen Sie den Hersteller und das Modell Ihres Druckers aus.</translation>
        </message>
        <message>
            <source>Driver information file</source>
            <extracomment>IDS_WZDADDPTR_INF</extracomment>
            <translation>Treiberinformationsdatei</translation>
        </message>
        <message>
            <source>Failed to install the printer driver.</source>
            <extracomment>IDS_WZDADDPTR_INSTALL_FAIL</extracomment>
            <translation>Der Druckertreiber konnte nicht installiert werden.</translation>
        </message>
        <message>
            <source>The printer name contains invalid characters.</source>
            <extracomment>IDS_WZDADDPTR_INVALID_NAMEA</extracomment>
            <translation>Der Druckername enthält ungültige Zeichen.</translation>
        </message>
        <message>
            <source>The printer name is invalid.</source>
            <extracomment>IDS_WZDADDPTR_INVALID_NAMEW</extracomment>
            <translation>Der Druckername ist ungültig.</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <extracomment>IDS_WZDADDPTR_MANUFACTURER</extracomment>
            <translation>Hersteller</translation>
        </message>
        <message>
            <source>Printer model</source>
            <extracomment>IDS_WZDADDPTR_MODEL</extracomment>
            <translation>Druckermodell</translation>
        </message>
        <message>
            <source>Printer name:</source>
            <extracomment>IDS_WZDADDPTR_NAME</extracomment>
            <translation>Druckername:</translation>
        </message>
        <message>
            <source>A printer with this name already exists.</source>
            <extracomment>IDS_WZDADDPTR_NAME_CONFLICT</extracomment>
            <translation>Es ist bereits ein Drucker mit diesem Namen vorhanden.</translation>
        </message>
        <message>
            <source>No printer was found.</source>
            <extracomment>IDS_WZDADDPTR_NO_PTR</extracomment>
            <translation>Es wurde kein Drucker gefunden.</translation>
        </message>
        <message>
            <source>The printer is offline.</source>
            <extracomment>IDS_WZDADDPTR_OFFLINE</extracomment>
            <translation>Der Drucker ist offline.</translation>
        </message>
        <message>
            <source>Failed to open the printer.</source>
            <extracomment>IDS_WZDADDPTR_OPENPTR_FAIL</extracomment>
            <translation>Der Drucker konnte nicht geöffnet werden.</translation>
        </message>
        <message>
            <source>Port</source>
            <extracomment>IDS_WZDADDPTR_PORT</extracomment>
            <translation>Port</translation>
        </message>
        <message>
            <source>Printer name</source>
            <extracomment>IDS_WZDADDPTR_PRINTER_NAME</extracomment>
            <translation>Druckername</translation>
        </message>
        <message>
            <source>Selected printer:</source>
            <extracomment>IDS_WZDADDPTR_SELECTED_PTR</extracomment>
            <translation>Ausgewählter Drucker:</translation>
        </message>
        <message>
            <source>Select the printer driver.</source>
            <extracomment>IDS_WZDADDPTR_SELECT_DRIVER</extracomment>
            <translation>Wählen Sie den Druckertreiber aus.</translation>
        </message>
        <message>
            <source>Select the printer to add.</source>
            <extracomment>IDS_WZDADDPTR_SELECT_PTR</extracomment>
            <translation>Wählen Sie den hinzuzufügenden Drucker aus.</translation>
        </message>
        <message>
            <source>Summary</source>
            <extracomment>IDS_WZDADDPTR_SUMMARY</extracomment>
            <translation>Zusammenfassung</translation>
        </message>
        <message>
            <source>Operating system: %1</source>
            <extracomment>IDS_WZDADDPTR_SYSTEM_INFO</extracomment>
            <translation>Betriebssystem: %1</translation>
        </message>
        <message>
            <source>An unexpected error occurred.</source>
            <extracomment>IDS_WZDADDPTR_UNEXPECTED</extracomment>
            <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
        </message>
        <message>
            <source>Failed to find the USB printer.</source>
            <extracomment>IDS_WZDADDPTR_USB_FAIL</extracomment>
            <translation>Der USB-Drucker wurde nicht gefunden.</translation>
        </message>
        <message>
            <source>Please wait...</source>
            <extracomment>IDS_WZDADDPTR_WAIT</extracomment>
            <translation>Bitte warten...</translation>
        </message>
        <message>
            <source>The driver information file is invalid.</source>
            <extracomment>IDS_WZDADDPTR_WRONG_INF</extracomment>
            <translation>Die Treiberinformationsdatei ist ungültig.</translation>
        </message>
        <message>
            <source>Unable to map the network drive.</source>
            <extracomment>IDS_WZDMAP_CANT_MAP</extracomment>
            <translation>Das Netzlaufwerk kann nicht verbunden werden.</translation>
        </message>
        <message>
            <source>Unable to map %1 to drive %2.</source>
            <extracomment>IDS_WZDMAP_CANT_MAP_DETAIL</extracomment>
            <translation>%1 kann nicht mit Laufwerk %2 verbunden werden.</translation>
        </message>
        <message>
            <source>Drive letter conflict</source>
            <extracomment>IDS_WZDMAP_CONFLICT</extracomment>
            <translation>Konflikt beim Laufwerksbuchstaben</translation>
        </message>
        <message>
            <source>Use the existing connection</source>
            <extracomment>IDS_WZDMAP_CONFLICT_DEFAULT</extracomment>
            <translation>Vorhandene Verbindung verwenden</translation>
        </message>
        <message>
            <source>Keep the drive that is mapped now.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_DEFAULT2</extracomment>
            <translation>Das derzeit verbundene Laufwerk beibehalten.</translation>
        </message>
        <message>
            <source>The selected drive letter is already in use.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_INTRO</extracomment>
            <translation>Der ausgewählte Laufwerksbuchstabe wird bereits verwendet.</translation>
        </message>
        <message>
            <source>Use a new connection</source>
            <extracomment>IDS_WZDMAP_CONFLICT_NEW</extracomment>
            <translation>Neue Verbindung verwenden</translation>
        </message>
        <message>
            <source>Disconnect the drive and map it again.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_NEW2</extracomment>
            <translation>Das Laufwerk trennen und erneut verbinden.</translation>
        </message>
        <message>
            <source>Log in again with another account</source>
            <extracomment>IDS_WZDMAP_CONFLICT_PASSWD</extracomment>
            <translation>Mit einem anderen Konto erneut anmelden</translation>
        </message>
        <message>
            <source>Connecting to server...</source>
            <extracomment>IDS_WZDMAP_CONNECT</extracomment>
            <translation>Verbindung mit dem Server wird hergestellt...</translation>
        </message>
        <message>
            <source>Failed to connect to the server.</source>
            <extracomment>IDS_WZDMAP_CONNECT_FAIL</extracomment>
            <translation>Es konnte keine Verbindung mit dem Server hergestellt werden.</translation>
        </message>
        <message>
            <source>Drive:</source>
            <extracomment>IDS_WZDMAP_DRIVE</extracomment>
            <translation>Laufwerk:</translation>
        </message>
        <message>
            <source>Please enter an account name.</source>
            <extracomment>IDS_WZDMAP_EMPTY_NAME</extracomment>
            <translation>Bitte geben Sie einen Kontonamen ein.</translation>
        </message>
        <message>
            <source>The network drive could not be mapped.</source>
            <extracomment>IDS_WZDMAP_ERROR_INTRO</extracomment>
            <translation>Das Netzlaufwerk ließ sich nicht verbinden.</translation>
        </message>
        <message>
            <source>The drive letter is in use.</source>
            <extracomment>IDS_WZDMAP_ERROR_IN_USE</extracomment>
            <translation>Der Laufwerksbuchstabe wird bereits verwendet.</translation>
        </message>
        <message>
            <source>Mapping failed.</source>
            <extracomment>IDS_WZDMAP_FAILED</extracomment>
            <translation>Verbinden fehlgeschlagen.</translation>
        </message>
        <message>
            <source>Shared folder:</source>
            <extracomment>IDS_WZDMAP_FOLDER</extracomment>
            <translation>Freigegebener Ordner:</translation>
        </message>
        <message>
            <source>Enter account information</source>
            <extracomment>IDS_WZDMAP_INPUT_TITLE</extracomment>
            <translation>Kontoinformationen eingeben</translation>
        </message>
        <message>
            <source>You do not have the rights to access this shared folder.</source>
            <extracomment>IDS_WZDMAP_INSUFFICIENT_RIGHT</extracomment>
            <translation>Sie haben keine Berechtigung für den Zugriff auf diesen freigegebenen Ordner.</translation>
        </message>
        <message>
            <source>Welcome to the Map Network Drive Wizard</source>
            <extracomment>IDS_WZDMAP_INTRO1</extracomment>
            <translation>Willkommen beim Assistenten zum Verbinden von Netzlaufwerken</translation>
        </message>
        <message>
            <source>This wizard maps a shared folder of the server to a drive of this computer.</source>
            <extracomment>IDS_WZDMAP_INTRO2</extracomment>
            <translation>Dieser Assistent verbindet einen freigegebenen Ordner des Servers mit einem Laufwerk dieses Computers.</translation>
        </message>
        <message>
            <source>Select the shared folder to map.</source>
            <extracomment>IDS_WZDMAP_INTRO3</extracomment>
            <translation>Wählen Sie den zu verbindenden freigegebenen Ordner aus.</translation>
        </message>
        <message>
            <source>Select a drive letter for the shared folder.</source>
            <extracomment>IDS_WZDMAP_INTRO4</extracomment>
            <translation>Wählen Sie einen Laufwerksbuchstaben für den freigegebenen Ordner aus.</translation>
        </message>
        <message>
            <source>Log in as guest</source>
            <extracomment>IDS_WZDMAP_LOGIN_BY_GUEST</extracomment>
            <translation>Als Gast anmelden</translation>
        </message>
        <message>
            <source>Log in as the previous user</source>
            <extracomment>IDS_WZDMAP_LOGIN_PREV_USER</extracomment>
            <translation>Als vorheriger Benutzer anmelden</translation>
        </message>
        <message>
            <source>Name:</source>
            <extracomment>IDS_WZDMAP_NAME</extracomment>
            <translation>Name:</translation>
        </message>
        <message>
            <source>Network status</source>
            <extracomment>IDS_WZDMAP_NETWORK_STATUS</extracomment>
            <translation>Netzwerkstatus</translation>
        </message>
        <message>
            <source>The network drive has been mapped.</source>
            <extracomment>IDS_WZDMAP_OK_INTRO</extracomment>
            <translation>Das Netzlaufwerk wurde verbunden.</translation>
        </message>
        <message>
            <source>Open the drive now</source>
            <extracomment>IDS_WZDMAP_OK_OPEN</extracomment>
            <translation>Laufwerk jetzt öffnen</translation>
        </message>
        <message>
            <source>Reconnect at logon</source>
            <extracomment>IDS_WZDMAP_RECONNECT</extracomment>
            <translation>Bei Anmeldung verbinden</translation>
        </message>
        <message>
            <source>Map again</source>
            <extracomment>IDS_WZDMAP_REMAP</extracomment>
            <translation>Erneut verbinden</translation>
        </message>
        <message>
            <source>Please select a shared folder.</source>
            <extracomment>IDS_WZDMAP_SELECT_NONE</extracomment>
            <translation>Bitte wählen Sie einen freigegebenen Ordner aus.</translation>
        </message>
        <message>
            <source>The network drive has been mapped successfully.</source>
            <extracomment>IDS_WZDMAP_SUCCEED</extracomment>
            <translation>Das Netzlaufwerk wurde erfolgreich verbunden.</translation>
        </message>
        <message>
            <source>Enter a name for this server profile.</source>
            <extracomment>IDS_WZDRSRC_PROFILE_SUBTITLE</extracomment>
            <translation>Geben Sie einen Namen für dieses Serverprofil ein.</translation>
        </message>
        <message>
            <source>Conclusion</source>
            <extracomment>IDS_WZD_CONCLUSION</extracomment>
            <translation>Abschluss</translation>
        </message>
        <message>
            <source>Configuration finished</source>
            <extracomment>IDS_WZD_CONF_FINISHED</extracomment>
            <translation>Konfiguration abgeschlossen</translation>
        </message>
        <message>
            <source>Create password</source>
            <extracomment>IDS_WZD_CREATE_PASSWD</extracomment>
            <translation>Passwort erstellen</translation>
        </message>
        <message>
            <source>Enter password</source>
            <extracomment>IDS_WZD_ENTER_PASSWD</extracomment>
            <translation>Passwort eingeben</translation>
        </message>
        <message>
            <source>Launch the Add Printer Wizard</source>
            <extracomment>IDS_WZD_LAUNCH_ADDPTR</extracomment>
            <translation>Assistenten zum Hinzufügen von Druckern starten</translation>
        </message>
        <message>
            <source>Welcome to the Memory Diagnostic Tool</source>
            <extracomment>IDS_WZD_MEM_TEST</extracomment>
            <translation>Willkommen beim Speicherdiagnosetool</translation>
        </message>
        <message>
            <source>Setup network</source>
            <extracomment>IDS_WZD_NETWORK</extracomment>
            <translation>Netzwerk einrichten</translation>
        </message>
        <message>
            <source>Network settings finished</source>
            <extracomment>IDS_WZD_NET_FINISHED</extracomment>
            <translation>Netzwerkeinstellungen abgeschlossen</translation>
        </message>
        <message>
            <source>Network settings report</source>
            <extracomment>IDS_WZD_NET_REPORT</extracomment>
            <translation>Bericht der Netzwerkeinstellungen</translation>
        </message>
        <message>
            <source>Configuration report</source>
            <extracomment>IDS_WZD_REPORT</extracomment>
            <translation>Konfigurationsbericht</translation>
        </message>
        <message>
            <source>Enter server information</source>
            <extracomment>IDS_WZD_SVR_INFO</extracomment>
            <translation>Serverinformationen eingeben</translation>
        </message>
        <message>
            <source>The local file could not be read: %1</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_LOCAL_READ</extracomment>
            <translation>Die lokale Datei konnte nicht gelesen werden: %1</translation>
        </message>
    </context>
    <context>
        <name>CVorkNasinfoModel</name>
        <message>
            <source>Manual</source>
            <translation>Manuell</translation>
        </message>
        <message>
            <source>DHCP</source>
            <translation>DHCP</translation>
        </message>
        <message>
            <source>update %1</source>
            <translation>Update %1</translation>
        </message>
    </context>
    <context>
        <name>CQuenWizard</name>
        <message>
            <source>&lt; </source>
            <translation>&lt; </translation>
        </message>
        <message>
            <source> &gt;</source>
            <translation> &gt;</translation>
        </message>
    </context>
    <context>
        <name>CWizPhotoIPDialog</name>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
    </context>
</TS>
