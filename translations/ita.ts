<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
    <context>
        <name>global</name>
        <message>
            <source> About %1</source>
            <extracomment>IDS_ABOUT_CAPTION</extracomment>
            <translation> Informazioni su %1</translation>
        </message>
        <message>
            <source>Copyright © Quenlori. All rights reserved.</source>
            <extracomment>IDS_ABOUT_COPYRIGHT</extracomment>
            <translation>Copyright © Quenlori. Tutti i diritti riservati.</translation>
        </message>
        <message>
            <source>Version</source>
            <extracomment>IDS_ABOUT_VERSION</extracomment>
            <translation>Versione</translation>
        </message>
        <message>
            <source>Please select a printer to add.</source>
            <extracomment>IDS_ADD_PRINTER_MSG1</extracomment>
            <translation>Selezionare una stampante da aggiungere.</translation>
        </message>
        <message>
            <source>Adding the printer to your computer...</source>
            <extracomment>IDS_ADD_PRINTER_MSG2</extracomment>
            <translation>Aggiunta della stampante al computer...</translation>
        </message>
        <message>
            <source>The printer has been added to your computer.</source>
            <extracomment>IDS_ADD_PRINTER_MSG3</extracomment>
            <translation>La stampante è stata aggiunta al computer.</translation>
        </message>
        <message>
            <source>Administrator's password</source>
            <extracomment>IDS_ADM_PASSWD</extracomment>
            <translation>Password dell'amministratore</translation>
        </message>
        <message>
            <source>Applying network settings...</source>
            <extracomment>IDS_APPLY_NET_SETTING</extracomment>
            <translation>Applicazione delle impostazioni di rete...</translation>
        </message>
        <message>
            <source>Applying system settings...</source>
            <extracomment>IDS_APPLY_SETTING</extracomment>
            <translation>Applicazione delle impostazioni di sistema...</translation>
        </message>
        <message>
            <source>Quenlori Vornakeeper</source>
            <extracomment>IDS_VORNAKEEPER_NAME</extracomment>
            <translation>Quenlori Vornakeeper</translation>
        </message>
        <message>
            <source>About</source>
            <extracomment>IDS_BTN_ABOUT, IDS_TOOL_TIPS_ABOUT</extracomment>
            <translation>Informazioni</translation>
        </message>
        <message>
            <source>Add Printer</source>
            <extracomment>IDS_BTN_ADDPTR</extracomment>
            <translation>Aggiungi stampante</translation>
        </message>
        <message>
            <source>I Agree</source>
            <extracomment>IDS_BTN_AGREE</extracomment>
            <translation>Accetto</translation>
        </message>
        <message>
            <source>Apply</source>
            <extracomment>IDS_BTN_APPLY</extracomment>
            <translation>Applica</translation>
        </message>
        <message>
            <source>Back</source>
            <extracomment>IDS_BTN_BACK</extracomment>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Cancel</source>
            <extracomment>IDS_BTN_CANCEL</extracomment>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Close</source>
            <extracomment>IDS_BTN_CLOSE</extracomment>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>Exit</source>
            <extracomment>IDS_BTN_EXIT</extracomment>
            <translation>Esci</translation>
        </message>
        <message>
            <source>Finish</source>
            <extracomment>IDS_BTN_FINISH</extracomment>
            <translation>Fine</translation>
        </message>
        <message>
            <source>Hide</source>
            <extracomment>IDS_BTN_HIDE</extracomment>
            <translation>Nascondi</translation>
        </message>
        <message>
            <source>Install</source>
            <extracomment>IDS_BTN_INSTALL</extracomment>
            <translation>Installa</translation>
        </message>
        <message>
            <source>Connect</source>
            <extracomment>IDS_BTN_MANAGE</extracomment>
            <translation>Connetti</translation>
        </message>
        <message>
            <source>Map Network Drive</source>
            <extracomment>IDS_BTN_MAP, IDS_WZDMAP_MAP_NETWORK_DRIVE</extracomment>
            <translation>Connetti unità di rete</translation>
        </message>
        <message>
            <source>Memory Test</source>
            <extracomment>IDS_BTN_MEM_TEST</extracomment>
            <translation>Test memoria</translation>
        </message>
        <message>
            <source>Resource Monitor</source>
            <extracomment>IDS_BTN_MONITOR, IDS_MENU_RESOURCE, IDS_PREFER_LAU_SAVE_RSRC_WIN</extracomment>
            <translation>Monitoraggio risorse</translation>
        </message>
        <message>
            <source>Next</source>
            <extracomment>IDS_BTN_NEXT</extracomment>
            <translation>Avanti</translation>
        </message>
        <message>
            <source>No</source>
            <extracomment>IDS_BTN_NO</extracomment>
            <translation>No</translation>
        </message>
        <message>
            <source>I Do Not Agree</source>
            <extracomment>IDS_BTN_NO_AGREE</extracomment>
            <translation>Non accetto</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>IDS_BTN_OK</extracomment>
            <translation>OK</translation>
        </message>
        <message>
            <source>Photo Uploader</source>
            <extracomment>IDS_BTN_PHOTO_UPLOADER, IDS_PHOTO_CAPTION</extracomment>
            <translation>Caricamento foto</translation>
        </message>
        <message>
            <source>Recover System</source>
            <extracomment>IDS_BTN_RECOVERSYS</extracomment>
            <translation>Ripristina sistema</translation>
        </message>
        <message>
            <source>Add</source>
            <extracomment>IDS_BTN_RSRC_ADD</extracomment>
            <translation>Aggiungi</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <extracomment>IDS_BTN_RSRC_DISCONNECT</extracomment>
            <translation>Disconnetti</translation>
        </message>
        <message>
            <source>Edit</source>
            <extracomment>IDS_BTN_RSRC_EDIT</extracomment>
            <translation>Modifica</translation>
        </message>
        <message>
            <source>Remove</source>
            <extracomment>IDS_BTN_RSRC_REMOVE, IDS_PHOTO_BTN_REMOVE_FILE</extracomment>
            <translation>Rimuovi</translation>
        </message>
        <message>
            <source>Search</source>
            <extracomment>IDS_BTN_SEARCH</extracomment>
            <translation>Cerca</translation>
        </message>
        <message>
            <source>Setup</source>
            <extracomment>IDS_BTN_SETUP</extracomment>
            <translation>Configura</translation>
        </message>
        <message>
            <source>Yes</source>
            <extracomment>IDS_BTN_YES</extracomment>
            <translation>Sì</translation>
        </message>
        <message>
            <source>Welcome</source>
            <extracomment>IDS_CAP_WELCOME</extracomment>
            <translation>Benvenuti</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Add Printer Wizard?</source>
            <extracomment>IDS_CFRM_ADDPTR_EXIT</extracomment>
            <translation>Si è sicuri di voler uscire dall'Installazione guidata stampante?</translation>
        </message>
        <message>
            <source>Are you sure you want to continue?</source>
            <extracomment>IDS_CFRM_CONTINUE</extracomment>
            <translation>Si è sicuri di voler continuare?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Setup Wizard?</source>
            <extracomment>IDS_CFRM_EXIT</extracomment>
            <translation>Si è sicuri di voler uscire dalla Configurazione guidata?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Map Network Drive Wizard?</source>
            <extracomment>IDS_CFRM_MAP_EXIT</extracomment>
            <translation>Si è sicuri di voler uscire dalla Connessione guidata unità di rete?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Network Wizard?</source>
            <extracomment>IDS_CFRM_NET_EXIT</extracomment>
            <translation>Si è sicuri di voler uscire dalla Configurazione guidata della rete?</translation>
        </message>
        <message>
            <source>No default gateway has been entered. Are you sure you want to continue?</source>
            <extracomment>IDS_CFRM_NO_GATEWAY</extracomment>
            <translation>Non è stato immesso alcun gateway predefinito. Si è sicuri di voler continuare?</translation>
        </message>
        <message>
            <source>Checking if the specified IP address is in use</source>
            <extracomment>IDS_CHECK_IP_CONFLICT</extracomment>
            <translation>Verifica della disponibilità dell'indirizzo IP specificato</translation>
        </message>
        <message>
            <source>:</source>
            <extracomment>IDS_COMMON_COLON</extracomment>
            <translation>:</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel?</source>
            <extracomment>IDS_CONFIRM_CANCEL</extracomment>
            <translation>Si è sicuri di voler annullare?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit?</source>
            <extracomment>IDS_CONFIRM_EXIT</extracomment>
            <translation>Si è sicuri di voler uscire?</translation>
        </message>
        <message>
            <source>Are you sure you want to unblock the program in the firewall?</source>
            <extracomment>IDS_CONFIRM_UNBLOCK</extracomment>
            <translation>Si è sicuri di voler sbloccare il programma nel firewall?</translation>
        </message>
        <message>
            <source>Create volume</source>
            <extracomment>IDS_CREATE_VOLUME</extracomment>
            <translation>Crea volume</translation>
        </message>
        <message>
            <source>Please enter a server name.</source>
            <extracomment>IDS_EMPTY_SERV_NAME</extracomment>
            <translation>Immettere un nome server.</translation>
        </message>
        <message>
            <source>Error</source>
            <extracomment>IDS_ERROR</extracomment>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Failed to unblock the program in the firewall.</source>
            <extracomment>IDS_ERROR_UNBLOCK</extracomment>
            <translation>Impossibile sbloccare il programma nel firewall.</translation>
        </message>
        <message>
            <source>The selected code page is invalid.</source>
            <extracomment>IDS_ERROR_WRONG_CODEPAGE</extracomment>
            <translation>La tabella codici selezionata non è valida.</translation>
        </message>
        <message>
            <source>Access denied.</source>
            <extracomment>IDS_ERR_ACCESS_DENY</extracomment>
            <translation>Accesso negato.</translation>
        </message>
        <message>
            <source>Please enter an administrator account</source>
            <extracomment>IDS_ERR_ADMINACCOUNT_EMPTY</extracomment>
            <translation>Immettere un account amministratore</translation>
        </message>
        <message>
            <source>%1 is not a valid Imagrove user account.</source>
            <extracomment>IDS_ERR_AUTH_NOT_PHOTO_USER</extracomment>
            <translation>%1 non è un account utente Imagrove valido.</translation>
        </message>
        <message>
            <source>Requested Personal Imagrove is disabled. Please log in to VNO to enable the Personal Imagrove.</source>
            <extracomment>IDS_ERR_AUTH_PERSONAL_PHOTO_NOT_RUN</extracomment>
            <translation>L'Imagrove personale richiesto è disattivato. Accedere a VNO per attivare l'Imagrove personale.</translation>
        </message>
        <message>
            <source>Imagrove is disabled. Please log in to VNO as admin (or a user belonging to the administrators group) to enable Imagrove.</source>
            <extracomment>IDS_ERR_AUTH_PHOTO_NOT_RUN</extracomment>
            <translation>Imagrove è disattivato. Accedere a VNO come admin (o come utente appartenente al gruppo degli amministratori) per attivare Imagrove.</translation>
        </message>
        <message>
            <source>The account or password is invalid. Please try again.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_AUTHFAILED</extracomment>
            <translation>Account o password non validi. Riprovare.</translation>
        </message>
        <message>
            <source>The user account has been disabled.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_DISABLED</extracomment>
            <translation>L'account utente è stato disattivato.</translation>
        </message>
        <message>
            <source>The user account does not exist.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_UNEXIST</extracomment>
            <translation>L'account utente non esiste.</translation>
        </message>
        <message>
            <source>The port number must be between 1 and 65535.</source>
            <extracomment>IDS_ERR_BADPORT</extracomment>
            <translation>Il numero di porta deve essere compreso tra 1 e 65535.</translation>
        </message>
        <message>
            <source>Connection error. (Error Code: %1)</source>
            <extracomment>IDS_ERR_CONNECTION_FAIL</extracomment>
            <translation>Errore di connessione. (Codice di errore: %1)</translation>
        </message>
        <message>
            <source>The IP address and the default gateway belong to two different subnets.</source>
            <extracomment>IDS_ERR_DIFF_SUBNET</extracomment>
            <translation>L'indirizzo IP e il gateway predefinito appartengono a due subnet diverse.</translation>
        </message>
        <message>
            <source>This function is not supported by the connected device.</source>
            <extracomment>IDS_ERR_VR_NOT_SUPP</extracomment>
            <translation>Questa funzione non è supportata dal dispositivo connesso.</translation>
        </message>
        <message>
            <source>Please enter a valid hostname or IP address.</source>
            <extracomment>IDS_ERR_HOST_ADDR1</extracomment>
            <translation>Immettere un nome host o un indirizzo IP valido.</translation>
        </message>
        <message>
            <source>Invalid IP address.</source>
            <extracomment>IDS_ERR_INVALID_IP</extracomment>
            <translation>Indirizzo IP non valido.</translation>
        </message>
        <message>
            <source>The IP address and the subnet mask do not match.</source>
            <extracomment>IDS_ERR_INVALID_IP_MASK</extracomment>
            <translation>L'indirizzo IP e la subnet mask non corrispondono.</translation>
        </message>
        <message>
            <source>The specified IP address is in use.</source>
            <extracomment>IDS_ERR_IP_INUSE</extracomment>
            <translation>L'indirizzo IP specificato è già in uso.</translation>
        </message>
        <message>
            <source>Failed to launch the web browser to connect to VNO. Please check the settings of your default web browser and try again.</source>
            <extracomment>IDS_ERR_LAUNCH_BROWSER</extracomment>
            <translation>Impossibile avviare il browser web per la connessione a VNO. Controllare le impostazioni del browser web predefinito e riprovare.</translation>
        </message>
        <message>
            <source>You are not authorized to use this service.</source>
            <extracomment>IDS_ERR_LOGIN_AUTO_BLOCKED</extracomment>
            <translation>Non si dispone dell'autorizzazione per utilizzare questo servizio.</translation>
        </message>
        <message>
            <source>Failed to map the network drive: the account or password is invalid.</source>
            <extracomment>IDS_ERR_MAPDRIVE_AUTHFAILED</extracomment>
            <translation>Impossibile connettere l'unità di rete: account o password non validi.</translation>
        </message>
        <message>
            <source>Failed to map the network drive.</source>
            <extracomment>IDS_ERR_MAP_DRIVE</extracomment>
            <translation>Impossibile connettere l'unità di rete.</translation>
        </message>
        <message>
            <source>One or more errors have been found by the memory diagnostic test.</source>
            <extracomment>IDS_ERR_MEM_TEST</extracomment>
            <translation>Il test di diagnostica della memoria ha rilevato uno o più errori.</translation>
        </message>
        <message>
            <source>Failed to mount the volume.</source>
            <extracomment>IDS_ERR_MOUNT_VOLUME</extracomment>
            <translation>Impossibile montare il volume.</translation>
        </message>
        <message>
            <source>An error occurred during installation. The telnet service of Varnestor is turned on for error determination. Please configure your router to forward port 23 to Varnestor and contact Quenlori online support.</source>
            <extracomment>IDS_ERR_NETINSTALL_CONTACT</extracomment>
            <translation>Si è verificato un errore durante l'installazione. Il servizio telnet di Varnestor è stato attivato per consentire la diagnosi dell'errore. Configurare il router per inoltrare la porta 23 a Varnestor e contattare l'assistenza online di Quenlori.</translation>
        </message>
        <message>
            <source>If you are performing the installation through wireless network connection, please switch to Ethernet cable connection for both your Varnestor and PC client and try again.</source>
            <extracomment>IDS_ERR_NETINSTALL_RETRY</extracomment>
            <translation>Se l'installazione viene eseguita tramite una connessione di rete wireless, collegare sia Varnestor sia il PC client con un cavo Ethernet e riprovare.</translation>
        </message>
        <message>
            <source>Network error.</source>
            <extracomment>IDS_ERR_NETWORK</extracomment>
            <translation>Errore di rete.</translation>
        </message>
        <message>
            <source>No network adapter was found on this computer.</source>
            <extracomment>IDS_ERR_NONETCARD</extracomment>
            <translation>Nessuna scheda di rete trovata in questo computer.</translation>
        </message>
        <message>
            <source>No such user.</source>
            <extracomment>IDS_ERR_NOSUCH_USER</extracomment>
            <translation>Utente inesistente.</translation>
        </message>
        <message>
            <source>The DHCP server is not found.</source>
            <extracomment>IDS_ERR_NO_DHCP</extracomment>
            <translation>Server DHCP non trovato.</translation>
        </message>
        <message>
            <source>Failed to confirm password. Please enter it again.</source>
            <extracomment>IDS_ERR_PASSWORD</extracomment>
            <translation>Conferma della password non riuscita. Immetterla di nuovo.</translation>
        </message>
        <message>
            <source>Please enter the name of a Personal Imagrove</source>
            <extracomment>IDS_ERR_PERSONAL_NAME_EMPTY</extracomment>
            <translation>Immettere il nome di un Imagrove personale</translation>
        </message>
        <message>
            <source>Imagrove is not installed. Please install the package at Bundlory to upload photos.</source>
            <extracomment>IDS_ERR_PHOTO_NOT_INSTALL</extracomment>
            <translation>Imagrove non è installato. Per caricare foto, installare il pacchetto da Bundlory.</translation>
        </message>
        <message>
            <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
            <extracomment>IDS_ERR_PHOTO_ROOT_PATH_NOT_FOUND</extracomment>
            <translation>La cartella condivisa delle foto non è stata trovata. Prima del caricamento, verificare che la cartella condivisa delle foto esista.</translation>
        </message>
        <message>
            <source>The port number is already in use.</source>
            <extracomment>IDS_ERR_PORT_USED</extracomment>
            <translation>Il numero di porta è già in uso.</translation>
        </message>
        <message>
            <source>Server name [%1] already exists.</source>
            <extracomment>IDS_ERR_PROFILE_NAME_EXISTED</extracomment>
            <translation>Il nome server [%1] esiste già.</translation>
        </message>
        <message>
            <source>The server with the IP [%1] and connecting through port [%2] has already been added.</source>
            <extracomment>IDS_ERR_RSRC_IP_PORT_EXISTED</extracomment>
            <translation>Il server con indirizzo IP [%1] e connessione tramite la porta [%2] è già stato aggiunto.</translation>
        </message>
        <message>
            <source>Nothing is selected.</source>
            <extracomment>IDS_ERR_SELECT_NONE</extracomment>
            <translation>Nessun elemento selezionato.</translation>
        </message>
        <message>
            <source>No %1 was found on the local network.</source>
            <extracomment>IDS_ERR_SERV_NOT_FOUND</extracomment>
            <translation>Nessun %1 trovato nella rete locale.</translation>
        </message>
        <message>
            <source>Errors occurred while configuring %1.</source>
            <extracomment>IDS_ERR_SET_SERV</extracomment>
            <translation>Si sono verificati errori durante la configurazione del %1.</translation>
        </message>
        <message>
            <source>Processing...</source>
            <extracomment>IDS_ERR_SYS_BUSY</extracomment>
            <translation>Elaborazione...</translation>
        </message>
        <message>
            <source>The user account has expired.</source>
            <extracomment>IDS_ERR_USER_EXPIRED</extracomment>
            <translation>L'account utente è scaduto.</translation>
        </message>
        <message>
            <source>Invalid DNS server.</source>
            <extracomment>IDS_ERR_WRONG_DNS</extracomment>
            <translation>Server DNS non valido.</translation>
        </message>
        <message>
            <source>Invalid default gateway.</source>
            <extracomment>IDS_ERR_WRONG_GATEWAY</extracomment>
            <translation>Gateway predefinito non valido.</translation>
        </message>
        <message>
            <source>The default gateway does not match the subnet mask.</source>
            <extracomment>IDS_ERR_WRONG_GATEWAY_MASK</extracomment>
            <translation>Il gateway predefinito non corrisponde alla subnet mask.</translation>
        </message>
        <message>
            <source>Invalid subnet mask.</source>
            <extracomment>IDS_ERR_WRONG_NETMASK</extracomment>
            <translation>Subnet mask non valida.</translation>
        </message>
        <message>
            <source>Searching for an available IP address</source>
            <extracomment>IDS_FIND_IP</extracomment>
            <translation>Ricerca di un indirizzo IP disponibile</translation>
        </message>
        <message>
            <source>Total %1 Quenlori server(s) found.</source>
            <extracomment>IDS_FOUND_SERVER</extracomment>
            <translation>Server Quenlori trovati: %1</translation>
        </message>
        <message>
            <source>Connection timeout.</source>
            <extracomment>IDS_FSCK_CANCEL_TIMEOUT</extracomment>
            <translation>Timeout della connessione.</translation>
        </message>
        <message>
            <source>Are you sure you want to skip the file system check?</source>
            <extracomment>IDS_FSCK_CFRM_STOP_DESC</extracomment>
            <translation>Si è sicuri di voler ignorare il controllo del file system?</translation>
        </message>
        <message>
            <source>File System Check</source>
            <extracomment>IDS_FSCK_DLG_TITLE</extracomment>
            <translation>Controllo del file system</translation>
        </message>
        <message>
            <source>Cancelling file system check...</source>
            <extracomment>IDS_FSCK_LBL_CANCELING</extracomment>
            <translation>Annullamento del controllo del file system...</translation>
        </message>
        <message>
            <source>Failed to skip the file system check.</source>
            <extracomment>IDS_FSCK_MSG_CANCEL_ERR</extracomment>
            <translation>Impossibile ignorare il controllo del file system.</translation>
        </message>
        <message>
            <source>By installing, you agree to the [a href=&quot;https://www.quenlori.com/terms&quot;&gt;Quenlori Terms and Conditions[/a&gt;.</source>
            <extracomment>IDS_HELP_EULA</extracomment>
            <translation>Con l'installazione si accettano i [a href=&quot;https://www.quenlori.com/terms&quot;&gt;Termini e condizioni di Quenlori[/a&gt;.</translation>
        </message>
        <message>
            <source>Only the administrator can run memory diagnostic tool. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_MEM_TEST_PASSWD</extracomment>
            <translation>Solo l'amministratore può eseguire lo strumento di diagnostica della memoria. Immettere la password dell'amministratore.</translation>
        </message>
        <message>
            <source>Only the administrator account can change the network settings. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_NETWIZ_PASSWD</extracomment>
            <translation>Solo l'account amministratore può modificare le impostazioni di rete. Immettere la password dell'amministratore.</translation>
        </message>
        <message>
            <source>Suggested settings are provided for %1 based on your current network settings. Follow the suggestions if you do not wish to enter your network settings manually.</source>
            <extracomment>IDS_HELP_NETWORK</extracomment>
            <translation>In base alle impostazioni di rete correnti vengono suggerite impostazioni per il %1. Seguire i suggerimenti se non si desidera immettere manualmente le impostazioni di rete.</translation>
        </message>
        <message>
            <source>The password protects the administrator account of the server.</source>
            <extracomment>IDS_HELP_PASSWD1</extracomment>
            <translation>La password protegge l'account amministratore del server.</translation>
        </message>
        <message>
            <source>Maximum password length is %1 characters. It can be any displayable character, including letters, numbers, signs, space...etc.</source>
            <extracomment>IDS_HELP_PASSWD2</extracomment>
            <translation>La password può contenere al massimo %1 caratteri. Sono ammessi tutti i caratteri visualizzabili: lettere, numeri, simboli, spazi e così via.</translation>
        </message>
        <message>
            <source>Changes to these settings take effect after a restart.</source>
            <extracomment>IDS_HELP_PREFERENCE_RESTART</extracomment>
            <translation>Le modifiche a queste impostazioni diventano effettive dopo il riavvio.</translation>
        </message>
        <message>
            <source>Enter the hostname or IP address and the port number of the server to be monitored.</source>
            <extracomment>IDS_HELP_RSRC_IP</extracomment>
            <translation>Immettere il nome host o l'indirizzo IP e il numero di porta del server da monitorare.</translation>
        </message>
        <message>
            <source>Only the administrator can access resource monitor. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_RSRC_PASSWD</extracomment>
            <translation>Solo l'amministratore può accedere al monitoraggio risorse. Immettere la password dell'amministratore.</translation>
        </message>
        <message>
            <source>The profile name identifies the server in the resource monitor.</source>
            <extracomment>IDS_HELP_RSRC_PROFILE</extracomment>
            <translation>Il nome profilo identifica il server nel monitoraggio risorse.</translation>
        </message>
        <message>
            <source>Please review the settings that will be applied to the system. You can go back and modify the settings if needed.</source>
            <extracomment>IDS_HELP_SUMMARY</extracomment>
            <translation>Verificare le impostazioni che verranno applicate al sistema. Se necessario, è possibile tornare indietro e modificarle.</translation>
        </message>
        <message>
            <source>Server name may contain letters, numbers, underscores and minus signs. The first character must be a letter.</source>
            <extracomment>IDS_HELP_SVRNAME1</extracomment>
            <translation>Il nome server può contenere lettere, numeri, caratteri di sottolineatura e segni meno. Il primo carattere deve essere una lettera.</translation>
        </message>
        <message>
            <source>Server name can be 1 to 15 characters long.</source>
            <extracomment>IDS_HELP_SVRNAME2</extracomment>
            <translation>Il nome server può contenere da 1 a 15 caratteri.</translation>
        </message>
        <message>
            <source>Incorrect password.</source>
            <extracomment>IDS_INCORRECT_PASSWD</extracomment>
            <translation>Password errata.</translation>
        </message>
        <message>
            <source>Information</source>
            <extracomment>IDS_INFORMATION</extracomment>
            <translation>Informazioni</translation>
        </message>
        <message>
            <source>System has been installed successfully.</source>
            <extracomment>IDS_INSTALL_FINISHED</extracomment>
            <translation>Il sistema è stato installato correttamente.</translation>
        </message>
        <message>
            <source>Setup is complete. You can now log in your server via Quenlori Vornakeeper.</source>
            <extracomment>IDS_INSTALL_FINISHED_INFO</extracomment>
            <translation>La configurazione è stata completata. È ora possibile accedere al server tramite Quenlori Vornakeeper.</translation>
        </message>
        <message>
            <source>Log in to %1</source>
            <extracomment>IDS_INSTALL_FINISHED_LOGIN</extracomment>
            <translation>Accedi a %1</translation>
        </message>
        <message>
            <source>To install an unconfigured server, double click the server in the Management page.</source>
            <extracomment>IDS_INSTALL_PAGE_EMPTY</extracomment>
            <translation>Per installare un server non configurato, fare doppio clic sul server nella pagina «Gestione».</translation>
        </message>
        <message>
            <source>You have entered an invalid server name</source>
            <extracomment>IDS_INVALID_HOSTNAME</extracomment>
            <translation>Il nome server immesso non è valido</translation>
        </message>
        <message>
            <source>Server name contains invalid characters.</source>
            <extracomment>IDS_INVALID_SERV_NAME</extracomment>
            <translation>Il nome server contiene caratteri non validi.</translation>
        </message>
        <message>
            <source>Failed to apply the network setting. Please try another one.</source>
            <extracomment>IDS_IP_FAILED</extracomment>
            <translation>Impossibile applicare l'impostazione di rete. Provarne un'altra.</translation>
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
            <translation>Lingua di sistema</translation>
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
            <translation>Amministratore</translation>
        </message>
        <message>
            <source>Administrator's account:</source>
            <extracomment>IDS_LBL_ADMIN_TITLE</extracomment>
            <translation>Account amministratore:</translation>
        </message>
        <message>
            <source>Enable Advanced Services</source>
            <extracomment>IDS_LBL_ADV_FUNCTIONS</extracomment>
            <translation>Attiva servizi avanzati</translation>
        </message>
        <message>
            <source>Checking IP address: %1</source>
            <extracomment>IDS_LBL_CHECK_IP</extracomment>
            <translation>Verifica indirizzo IP: %1</translation>
        </message>
        <message>
            <source>Authenticating ...</source>
            <extracomment>IDS_LBL_CHK_AUTH</extracomment>
            <translation>Autenticazione...</translation>
        </message>
        <message>
            <source>Connect immediately</source>
            <extracomment>IDS_LBL_CONNECT_IMMEDIATELY</extracomment>
            <translation>Connetti subito</translation>
        </message>
        <message>
            <source>Create a password for the administrator account.</source>
            <extracomment>IDS_LBL_CREATE_PASSWD</extracomment>
            <translation>Creare una password per l'account amministratore.</translation>
        </message>
        <message>
            <source>Create a Quenlori Hybrid RAID (QBV) volume after installation</source>
            <extracomment>IDS_LBL_CREATE_QBV</extracomment>
            <translation>Crea un volume Quenlori Hybrid RAID (QBV) dopo l'installazione</translation>
        </message>
        <message>
            <source>Date</source>
            <extracomment>IDS_LBL_DATE</extracomment>
            <translation>Data</translation>
        </message>
        <message>
            <source>DNS server</source>
            <extracomment>IDS_LBL_DNS</extracomment>
            <translation>Server DNS</translation>
        </message>
        <message>
            <source>Drive letter</source>
            <extracomment>IDS_LBL_DRIVE_ID</extracomment>
            <translation>Lettera di unità</translation>
        </message>
        <message>
            <source>Varnestor Manager URL</source>
            <extracomment>IDS_LBL_VNO_URL</extracomment>
            <translation>URL di Varnestor Manager</translation>
        </message>
        <message>
            <source>Please enter the hostname or IP address of the server.</source>
            <extracomment>IDS_LBL_ENTER_HOST</extracomment>
            <translation>Immettere il nome host o l'indirizzo IP del server.</translation>
        </message>
        <message>
            <source>Please enter the administrator's password.</source>
            <extracomment>IDS_LBL_ENTER_PASSWD</extracomment>
            <translation>Immettere la password dell'amministratore.</translation>
        </message>
        <message>
            <source>Quenlori Terms and Conditions</source>
            <extracomment>IDS_LBL_EULA_CAPTION</extracomment>
            <translation>Termini e condizioni di Quenlori</translation>
        </message>
        <message>
            <source>Please review the Quenlori Terms and Conditions. If you agree the terms, click %1 to continue. Otherwise, click %2 to exit.</source>
            <extracomment>IDS_LBL_EULA_DESC</extracomment>
            <translation>Leggere i Termini e condizioni di Quenlori. Se si accettano i termini, fare clic su %1 per continuare. In caso contrario, fare clic su %2 per uscire.</translation>
        </message>
        <message>
            <source>Default gateway</source>
            <extracomment>IDS_LBL_GATEWAY</extracomment>
            <translation>Gateway predefinito</translation>
        </message>
        <message>
            <source>Guest</source>
            <extracomment>IDS_LBL_GUEST</extracomment>
            <translation>Ospite</translation>
        </message>
        <message>
            <source>Hint:</source>
            <extracomment>IDS_LBL_HINT</extracomment>
            <translation>Nota:</translation>
        </message>
        <message>
            <source>Hostname/IP address</source>
            <extracomment>IDS_LBL_HOSTADDR</extracomment>
            <translation>Nome host/indirizzo IP</translation>
        </message>
        <message>
            <source>Please enter the hostname or IP address.</source>
            <extracomment>IDS_LBL_HOSTADDR_DESC</extracomment>
            <translation>Immettere il nome host o l'indirizzo IP.</translation>
        </message>
        <message>
            <source>IP address</source>
            <extracomment>IDS_LBL_IP</extracomment>
            <translation>Indirizzo IP</translation>
        </message>
        <message>
            <source>Memory Test of [%1] has been started.</source>
            <extracomment>IDS_LBL_MEM_TEST_STARTED</extracomment>
            <translation>Il test della memoria di [%1] è stato avviato.</translation>
        </message>
        <message>
            <source>Please select the directory containing all installation files.</source>
            <extracomment>IDS_LBL_MULTI_INSTALL_PATCH_DIR</extracomment>
            <translation>Selezionare la cartella contenente tutti i file di installazione.</translation>
        </message>
        <message>
            <source>You are about to install multiple servers. Setup Wizard will help you install VNO and complete the basic configurations. Please put the installation files for all servers into one directory.</source>
            <extracomment>IDS_LBL_MULTI_INSTALL_PATCH_DIR_DESC</extracomment>
            <translation>Si stanno per installare più server. La Configurazione guidata consente di installare VNO e di completare la configurazione di base. Inserire i file di installazione di tutti i server in un'unica cartella.</translation>
        </message>
        <message>
            <source>Subnet mask</source>
            <extracomment>IDS_LBL_NETMASK</extracomment>
            <translation>Subnet mask</translation>
        </message>
        <message>
            <source>Enter the network settings.</source>
            <extracomment>IDS_LBL_NET_DESC1</extracomment>
            <translation>Immettere le impostazioni di rete.</translation>
        </message>
        <message>
            <source>Confirm new password:</source>
            <extracomment>IDS_LBL_PASSWD_CONFIRM</extracomment>
            <translation>Conferma nuova password:</translation>
        </message>
        <message>
            <source>New password:</source>
            <extracomment>IDS_LBL_PASSWD_CREATE</extracomment>
            <translation>Nuova password:</translation>
        </message>
        <message>
            <source>Password:</source>
            <extracomment>IDS_LBL_PASSWD_TITLE, IDS_WZDMAP_PASSWD</extracomment>
            <translation>Password:</translation>
        </message>
        <message>
            <source>Please select a server for photo uploads</source>
            <extracomment>IDS_LBL_PHOTO_UPLOAD_INPUT_SVR</extracomment>
            <translation>Selezionare un server per il caricamento delle foto</translation>
        </message>
        <message>
            <source>Port number</source>
            <extracomment>IDS_LBL_PORT</extracomment>
            <translation>Numero di porta</translation>
        </message>
        <message>
            <source>Printer</source>
            <extracomment>IDS_LBL_PRINTER, IDS_MFP_TABLE_PRINTER, IDS_WZDADDPTR_PRINTER</extracomment>
            <translation>Stampante</translation>
        </message>
        <message>
            <source>Name</source>
            <extracomment>IDS_LBL_PROFILE</extracomment>
            <translation>Nome</translation>
        </message>
        <message>
            <source>Protocol</source>
            <extracomment>IDS_LBL_PROTOCOL</extracomment>
            <translation>Protocollo</translation>
        </message>
        <message>
            <source>Bond</source>
            <extracomment>IDS_LBL_RSRC_BOND</extracomment>
            <translation>Aggregazione</translation>
        </message>
        <message>
            <source>CPU Usage</source>
            <extracomment>IDS_LBL_RSRC_CPU_USAGE</extracomment>
            <translation>Utilizzo CPU</translation>
        </message>
        <message>
            <source>Select from the list below</source>
            <extracomment>IDS_LBL_RSRC_INPUT_AUTO</extracomment>
            <translation>Seleziona dall'elenco seguente</translation>
        </message>
        <message>
            <source>Manual setup</source>
            <extracomment>IDS_LBL_RSRC_INPUT_MANU</extracomment>
            <translation>Configurazione manuale</translation>
        </message>
        <message>
            <source>Please select the server to be monitored</source>
            <extracomment>IDS_LBL_RSRC_INPUT_SVR</extracomment>
            <translation>Selezionare il server da monitorare</translation>
        </message>
        <message>
            <source>LAN</source>
            <extracomment>IDS_LBL_RSRC_LAN, IDS_WAKEUP_ADD_TYPE_LAN</extracomment>
            <translation>LAN</translation>
        </message>
        <message>
            <source>Memory Usage</source>
            <extracomment>IDS_LBL_RSRC_MEM_USAGE</extracomment>
            <translation>Utilizzo memoria</translation>
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
            <translation>Disponibile</translation>
        </message>
        <message>
            <source>Used size</source>
            <extracomment>IDS_LBL_RSRC_VOL_USED</extracomment>
            <translation>Spazio utilizzato</translation>
        </message>
        <message>
            <source>Wireless</source>
            <extracomment>IDS_LBL_RSRC_WIRELESS</extracomment>
            <translation>Wi-Fi</translation>
        </message>
        <message>
            <source>(minutes)</source>
            <extracomment>IDS_LBL_RSRC_X_UNIT</extracomment>
            <translation>(minuti)</translation>
        </message>
        <message>
            <source>Remember password</source>
            <extracomment>IDS_LBL_SAVE_PASSWD</extracomment>
            <translation>Memorizza password</translation>
        </message>
        <message>
            <source>Settings</source>
            <extracomment>IDS_LBL_SETTING</extracomment>
            <translation>Impostazioni</translation>
        </message>
        <message>
            <source>(recommended)</source>
            <extracomment>IDS_LBL_SUGGESTED</extracomment>
            <translation>(consigliato)</translation>
        </message>
        <message>
            <source>Time</source>
            <extracomment>IDS_LBL_TIME</extracomment>
            <translation>Ora</translation>
        </message>
        <message>
            <source>Time zone</source>
            <extracomment>IDS_LBL_TIMEZONE, IDS_LST_TIMEZONE</extracomment>
            <translation>Fuso orario</translation>
        </message>
        <message>
            <source>Volume name</source>
            <extracomment>IDS_LBL_VOLUME_NAME</extracomment>
            <translation>Nome volume</translation>
        </message>
        <message>
            <source>[%1] is rebooting ...</source>
            <extracomment>IDS_LBL_WAIT_REBOOT</extracomment>
            <translation>Riavvio di [%1] in corso...</translation>
        </message>
        <message>
            <source>Time settings</source>
            <extracomment>IDS_LBL_WZD_TIME</extracomment>
            <translation>Impostazioni ora</translation>
        </message>
        <message>
            <source>Set the time zone of the server.</source>
            <extracomment>IDS_LBL_WZD_TIME_DESC1</extracomment>
            <translation>Impostare il fuso orario del server.</translation>
        </message>
        <message>
            <source>Set the date and time of the server.</source>
            <extracomment>IDS_LBL_WZD_TIME_DESC2</extracomment>
            <translation>Impostare la data e l'ora del server.</translation>
        </message>
        <message>
            <source>The clock of the server is set to the date and time of this computer.</source>
            <extracomment>IDS_LBL_WZD_TIME_HELP</extracomment>
            <translation>L'orologio del server viene impostato sulla data e l'ora di questo computer.</translation>
        </message>
        <message>
            <source>Code page</source>
            <extracomment>IDS_LST_CODEPAGE</extracomment>
            <translation>Tabella codici</translation>
        </message>
        <message>
            <source>Date and time</source>
            <extracomment>IDS_LST_DATETIME</extracomment>
            <translation>Data e ora</translation>
        </message>
        <message>
            <source>DHCP</source>
            <extracomment>IDS_LST_DHCP</extracomment>
            <translation>DHCP</translation>
        </message>
        <message>
            <source>Drive</source>
            <extracomment>IDS_LST_DRIVE</extracomment>
            <translation>Unità</translation>
        </message>
        <message>
            <source>IP status</source>
            <extracomment>IDS_LST_IP_STATUS</extracomment>
            <translation>Stato IP</translation>
        </message>
        <message>
            <source>MAC address</source>
            <extracomment>IDS_LST_SERV_MAC_ADDR</extracomment>
            <translation>Indirizzo MAC</translation>
        </message>
        <message>
            <source>Model</source>
            <extracomment>IDS_LST_SERV_MODEL</extracomment>
            <translation>Modello</translation>
        </message>
        <message>
            <source>Server name</source>
            <extracomment>IDS_LST_SERV_NAME, IDS_WZD_SVRNAME</extracomment>
            <translation>Nome server</translation>
        </message>
        <message>
            <source>Serial no</source>
            <extracomment>IDS_LST_SERV_SERIAL_NO</extracomment>
            <translation>N. di serie</translation>
        </message>
        <message>
            <source>Status</source>
            <extracomment>IDS_LST_SERV_STATUS</extracomment>
            <translation>Stato</translation>
        </message>
        <message>
            <source>Booting</source>
            <extracomment>IDS_LST_SYS_BOOTING</extracomment>
            <translation>Avvio in corso</translation>
        </message>
        <message>
            <source>Check progress</source>
            <extracomment>IDS_LST_SYS_CHECKING_PROGRESS</extracomment>
            <translation>Visualizza avanzamento</translation>
        </message>
        <message>
            <source>Configuration lost</source>
            <extracomment>IDS_LST_SYS_CRASH</extracomment>
            <translation>Configurazione persa</translation>
        </message>
        <message>
            <source>Checking file system (%1 minutes remaining)</source>
            <extracomment>IDS_LST_SYS_FSCK</extracomment>
            <translation>Controllo del file system (%1 minuti rimanenti)</translation>
        </message>
        <message>
            <source>Performing memory test (%1.%2%)</source>
            <extracomment>IDS_LST_SYS_MEM_TESTING</extracomment>
            <translation>Test della memoria in corso (%1,%2%)</translation>
        </message>
        <message>
            <source>Migratable</source>
            <extracomment>IDS_LST_SYS_MIGRAT</extracomment>
            <translation>Migrabile</translation>
        </message>
        <message>
            <source>Connection failed.</source>
            <extracomment>IDS_LST_SYS_NET_ERROR</extracomment>
            <translation>Connessione non riuscita.</translation>
        </message>
        <message>
            <source>Getting connection status...</source>
            <extracomment>IDS_LST_SYS_NET_TESTING</extracomment>
            <translation>Rilevamento dello stato della connessione...</translation>
        </message>
        <message>
            <source>Checking quota</source>
            <extracomment>IDS_LST_SYS_QUOTA_CHECKING</extracomment>
            <translation>Controllo quote</translation>
        </message>
        <message>
            <source>Ready</source>
            <extracomment>IDS_LST_SYS_READY</extracomment>
            <translation>Pronto</translation>
        </message>
        <message>
            <source>Recoverable</source>
            <extracomment>IDS_LST_SYS_RECOVERABLE</extracomment>
            <translation>Ripristinabile</translation>
        </message>
        <message>
            <source>Starting services</source>
            <extracomment>IDS_LST_SYS_SERVICE_STARTING</extracomment>
            <translation>Avvio dei servizi</translation>
        </message>
        <message>
            <source>Not configured</source>
            <extracomment>IDS_LST_SYS_UNCONFIG</extracomment>
            <translation>Non configurato</translation>
        </message>
        <message>
            <source>Not installed</source>
            <extracomment>IDS_LST_SYS_UNINSTALL</extracomment>
            <translation>Non installato</translation>
        </message>
        <message>
            <source>Upgrading</source>
            <extracomment>IDS_LST_SYS_UPDATING</extracomment>
            <translation>Aggiornamento</translation>
        </message>
        <message>
            <source>Lock</source>
            <extracomment>IDS_MFP_BTN_LOCK</extracomment>
            <translation>Blocca</translation>
        </message>
        <message>
            <source>Refresh</source>
            <extracomment>IDS_MFP_BTN_REFRESH</extracomment>
            <translation>Aggiorna</translation>
        </message>
        <message>
            <source>Release</source>
            <extracomment>IDS_MFP_BTN_RELEASE</extracomment>
            <translation>Rilascia</translation>
        </message>
        <message>
            <source>Click Apply to save the printer settings.</source>
            <extracomment>IDS_MFP_LBL_APPLY_INFO</extracomment>
            <translation>Fare clic su «Applica» per salvare le impostazioni della stampante.</translation>
        </message>
        <message>
            <source>Connect to the printer automatically when sending a fax</source>
            <extracomment>IDS_MFP_LBL_AUTO_LOCK_FAX_INIT</extracomment>
            <translation>Connetti automaticamente alla stampante all'invio di un fax</translation>
        </message>
        <message>
            <source>Connect to the printer automatically when printing</source>
            <extracomment>IDS_MFP_LBL_AUTO_LOCK_PRINTER_INIT</extracomment>
            <translation>Connetti automaticamente alla stampante durante la stampa</translation>
        </message>
        <message>
            <source>Please install the printer driver on this computer before using the printer.</source>
            <extracomment>IDS_MFP_LBL_DRIVER_HINT</extracomment>
            <translation>Installare il driver della stampante su questo computer prima di utilizzare la stampante.</translation>
        </message>
        <message>
            <source>Edit the printer settings.</source>
            <extracomment>IDS_MFP_LBL_EDIT_DESC</extracomment>
            <translation>Modificare le impostazioni della stampante.</translation>
        </message>
        <message>
            <source>Multifunction printer</source>
            <extracomment>IDS_MFP_LBL_MULTIFUNC_PRINTER</extracomment>
            <translation>Stampante multifunzione</translation>
        </message>
        <message>
            <source>Printer:</source>
            <extracomment>IDS_MFP_LBL_PRINTER</extracomment>
            <translation>Stampante:</translation>
        </message>
        <message>
            <source>Please choose a connection mode.</source>
            <extracomment>IDS_MFP_LBL_REMIND_CHOOSE_MODE</extracomment>
            <translation>Scegliere una modalità di connessione.</translation>
        </message>
        <message>
            <source>Please insert the driver CD of the printer.</source>
            <extracomment>IDS_MFP_LBL_REMIND_PUT_CD</extracomment>
            <translation>Inserire il CD del driver della stampante.</translation>
        </message>
        <message>
            <source>Select a printer</source>
            <extracomment>IDS_MFP_LBL_SELECT_PRINTER, IDS_WZDADDPTR_CAP2</extracomment>
            <translation>Seleziona una stampante</translation>
        </message>
        <message>
            <source>Failed to connect to the printer.</source>
            <extracomment>IDS_MFP_LBL_STATUS_CONNECT_FAIL</extracomment>
            <translation>Impossibile connettersi alla stampante.</translation>
        </message>
        <message>
            <source>The printer is unavailable.</source>
            <extracomment>IDS_MFP_LBL_STATUS_DEVICE_UNAVAILABLE</extracomment>
            <translation>La stampante non è disponibile.</translation>
        </message>
        <message>
            <source>Connected to the printer.</source>
            <extracomment>IDS_MFP_LBL_STATUS_GET_LOCK</extracomment>
            <translation>Connesso alla stampante.</translation>
        </message>
        <message>
            <source>Installing the printer driver...</source>
            <extracomment>IDS_MFP_LBL_STATUS_INSTALL_DRIVER</extracomment>
            <translation>Installazione del driver della stampante...</translation>
        </message>
        <message>
            <source>The printer settings are invalid.</source>
            <extracomment>IDS_MFP_LBL_STATUS_INVALID_CONF</extracomment>
            <translation>Le impostazioni della stampante non sono valide.</translation>
        </message>
        <message>
            <source>In use by %1</source>
            <extracomment>IDS_MFP_LBL_STATUS_LOCK_BY</extracomment>
            <translation>In uso da parte di %1</translation>
        </message>
        <message>
            <source>In use by a network print job</source>
            <extracomment>IDS_MFP_LBL_STATUS_LOCK_BY_LPR</extracomment>
            <translation>In uso da parte di un processo di stampa di rete</translation>
        </message>
        <message>
            <source>Operation successful.</source>
            <extracomment>IDS_MFP_LBL_STATUS_OP_OK</extracomment>
            <translation>Operazione completata.</translation>
        </message>
        <message>
            <source>Server error.</source>
            <extracomment>IDS_MFP_LBL_STATUS_SERVER_ERR</extracomment>
            <translation>Errore del server.</translation>
        </message>
        <message>
            <source>Connecting to the printer...</source>
            <extracomment>IDS_MFP_LBL_STATUS_TRY_CONNECT</extracomment>
            <translation>Connessione alla stampante...</translation>
        </message>
        <message>
            <source>Unexpected error.</source>
            <extracomment>IDS_MFP_LBL_STATUS_UNEXPECT_ERR</extracomment>
            <translation>Errore imprevisto.</translation>
        </message>
        <message>
            <source>The server version is too old for this function.</source>
            <extracomment>IDS_MFP_LBL_STATUS_VERSION_TOO_OLD</extracomment>
            <translation>La versione del server è troppo vecchia per questa funzione.</translation>
        </message>
        <message>
            <source>Waiting...</source>
            <extracomment>IDS_MFP_LBL_STATUS_WAITING</extracomment>
            <translation>In attesa...</translation>
        </message>
        <message>
            <source>The printer will be released when you close the program.</source>
            <extracomment>IDS_MFP_MSG_CLOSE_RELLOCK</extracomment>
            <translation>La stampante verrà rilasciata alla chiusura del programma.</translation>
        </message>
        <message>
            <source>The printer will be released after the driver is installed.</source>
            <extracomment>IDS_MFP_MSG_INSTALL_RELLOCK</extracomment>
            <translation>La stampante verrà rilasciata dopo l'installazione del driver.</translation>
        </message>
        <message>
            <source>This printer has already been added.</source>
            <extracomment>IDS_MFP_MSG_PRINTER_DUPLICATED</extracomment>
            <translation>Questa stampante è già stata aggiunta.</translation>
        </message>
        <message>
            <source>Mode</source>
            <extracomment>IDS_MFP_TABLE_MODE</extracomment>
            <translation>Modalità</translation>
        </message>
        <message>
            <source>Release time</source>
            <extracomment>IDS_MFP_TABLE_RELEASE_TIME</extracomment>
            <translation>Ora di rilascio</translation>
        </message>
        <message>
            <source>Server IP address</source>
            <extracomment>IDS_MFP_TABLE_SERVER_IP_ADDRESS</extracomment>
            <translation>Indirizzo IP del server</translation>
        </message>
        <message>
            <source>The printer %1 is connected to this computer.</source>
            <extracomment>IDS_MFP_TRAY_ATTACH_MSG</extracomment>
            <translation>La stampante %1 è connessa a questo computer.</translation>
        </message>
        <message>
            <source>Printer connected</source>
            <extracomment>IDS_MFP_TRAY_ATTACH_TITLE</extracomment>
            <translation>Stampante connessa</translation>
        </message>
        <message>
            <source>Close %1</source>
            <extracomment>IDS_MFP_TRAY_CLOSE_VORNAKEEPER</extracomment>
            <translation>Chiudi %1</translation>
        </message>
        <message>
            <source>Hide %1</source>
            <extracomment>IDS_MFP_TRAY_HIDE_VORNAKEEPER</extracomment>
            <translation>Nascondi %1</translation>
        </message>
        <message>
            <source>No printer</source>
            <extracomment>IDS_MFP_TRAY_NO_PRINTER</extracomment>
            <translation>Nessuna stampante</translation>
        </message>
        <message>
            <source>Open %1</source>
            <extracomment>IDS_MFP_TRAY_OPEN_VORNAKEEPER</extracomment>
            <translation>Apri %1</translation>
        </message>
        <message>
            <source>Printer %1 is connected.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_ATTACHED</extracomment>
            <translation>La stampante %1 è connessa.</translation>
        </message>
        <message>
            <source>Failed to connect printer %1.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_ATTACH_FAILED</extracomment>
            <translation>Impossibile connettere la stampante %1.</translation>
        </message>
        <message>
            <source>Printer %1 is released.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_RELEASED</extracomment>
            <translation>La stampante %1 è stata rilasciata.</translation>
        </message>
        <message>
            <source>Failed to release printer %1.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_RELEASE_FAILED</extracomment>
            <translation>Impossibile rilasciare la stampante %1.</translation>
        </message>
        <message>
            <source>The list of printers has been updated.</source>
            <extracomment>IDS_MFP_TRAY_PTR_UPDATED_MSG</extracomment>
            <translation>L'elenco delle stampanti è stato aggiornato.</translation>
        </message>
        <message>
            <source>Printers updated</source>
            <extracomment>IDS_MFP_TRAY_PTR_UPDATED_TITLE</extracomment>
            <translation>Stampanti aggiornate</translation>
        </message>
        <message>
            <source>The printer %1 has been released.</source>
            <extracomment>IDS_MFP_TRAY_RELEASE_MSG</extracomment>
            <translation>La stampante %1 è stata rilasciata.</translation>
        </message>
        <message>
            <source>Printer released</source>
            <extracomment>IDS_MFP_TRAY_RELEASE_TITLE</extracomment>
            <translation>Stampante rilasciata</translation>
        </message>
        <message>
            <source>Unknown status.</source>
            <extracomment>IDS_MSG_CHECK_UNKNOWN</extracomment>
            <translation>Stato sconosciuto.</translation>
        </message>
        <message>
            <source>Another task is running. Are you sure you want to start a new one?</source>
            <extracomment>IDS_MSG_CONFIRM_MULTI_TASK</extracomment>
            <translation>È in esecuzione un'altra attività. Si è sicuri di volerne avviare una nuova?</translation>
        </message>
        <message>
            <source>Quick Setup will apply the suggested settings. Do you want to continue?</source>
            <extracomment>IDS_MSG_CONFIRM_QUICKSETUP</extracomment>
            <translation>La Configurazione rapida applicherà le impostazioni suggerite. Continuare?</translation>
        </message>
        <message>
            <source>Error code: %1</source>
            <extracomment>IDS_MSG_ERRCODE</extracomment>
            <translation>Codice di errore: %1</translation>
        </message>
        <message>
            <source>No errors were found by the memory diagnostic test.</source>
            <extracomment>IDS_MSG_MEM_TEST_OK</extracomment>
            <translation>Il test di diagnostica della memoria non ha rilevato errori.</translation>
        </message>
        <message>
            <source>Quick Setup cannot continue. Please use Complete Setup instead.</source>
            <extracomment>IDS_MSG_ONE_CLICK_CHANGE_MANUAL</extracomment>
            <translation>Impossibile proseguire con la Configurazione rapida. Utilizzare la Configurazione completa.</translation>
        </message>
        <message>
            <source>Quick Setup failed.</source>
            <extracomment>IDS_MSG_ONE_CLICK_FAILED</extracomment>
            <translation>Configurazione rapida non riuscita.</translation>
        </message>
        <message>
            <source>Quick Setup could not get the network settings of this computer.</source>
            <extracomment>IDS_MSG_ONE_CLICK_NO_NET_INFO</extracomment>
            <translation>La Configurazione rapida non è riuscita a ottenere le impostazioni di rete di questo computer.</translation>
        </message>
        <message>
            <source>Quick Setup could not create a server name.</source>
            <extracomment>IDS_MSG_ONE_CLICK_NO_SVR_NAME</extracomment>
            <translation>La Configurazione rapida non è riuscita a creare un nome server.</translation>
        </message>
        <message>
            <source>Use Complete Setup</source>
            <extracomment>IDS_MSG_ONE_CLICK_RES_NO</extracomment>
            <translation>Configurazione completa</translation>
        </message>
        <message>
            <source>Use Quick Setup</source>
            <extracomment>IDS_MSG_ONE_CLICK_RES_YES</extracomment>
            <translation>Configurazione rapida</translation>
        </message>
        <message>
            <source>Please contact Quenlori online support.</source>
            <extracomment>IDS_MSG_ONLINE_SUPPORT</extracomment>
            <translation>Contattare l'assistenza online di Quenlori.</translation>
        </message>
        <message>
            <source>Please restart %1 to apply the new language settings.</source>
            <extracomment>IDS_MSG_PREFERENCE_LANG_RESTART</extracomment>
            <translation>Riavviare %1 per applicare le nuove impostazioni della lingua.</translation>
        </message>
        <message>
            <source>[%1] will be rebooted to perform the memory diagnostic test.</source>
            <extracomment>IDS_MSG_REBOOT</extracomment>
            <translation>[%1] verrà riavviato per eseguire il test di diagnostica della memoria.</translation>
        </message>
        <message>
            <source>Connected.</source>
            <extracomment>IDS_MSG_RSRC_STAT_CONNECTED</extracomment>
            <translation>Connesso.</translation>
        </message>
        <message>
            <source>Connection lost.</source>
            <extracomment>IDS_MSG_RSRC_STAT_CONNECT_LOST</extracomment>
            <translation>Connessione persa.</translation>
        </message>
        <message>
            <source>Not connected.</source>
            <extracomment>IDS_MSG_RSRC_STAT_DISCONNECT</extracomment>
            <translation>Non connesso.</translation>
        </message>
        <message>
            <source>Searching...</source>
            <extracomment>IDS_MSG_SERARCH</extracomment>
            <translation>Ricerca...</translation>
        </message>
        <message>
            <source>Not ready.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY</extracomment>
            <translation>Non pronto.</translation>
        </message>
        <message>
            <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY_PHOTO</extracomment>
            <translation>Per caricare foto sul %1, verificare che il server sia installato e configurato correttamente.</translation>
        </message>
        <message>
            <source>To monitor the resource of [%1], please make sure the server is installed and configured correctly.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY_RSRC</extracomment>
            <translation>Per monitorare le risorse del %1, verificare che il server sia installato e configurato correttamente.</translation>
        </message>
        <message>
            <source>The server is booting. Please wait.</source>
            <extracomment>IDS_MSG_SYS_BOOTING</extracomment>
            <translation>Avvio del server in corso. Attendere.</translation>
        </message>
        <message>
            <source>The server is being upgraded. Please wait.</source>
            <extracomment>IDS_MSG_SYS_UPDATING</extracomment>
            <translation>Aggiornamento del server in corso. Attendere.</translation>
        </message>
        <message>
            <source>An unconfigured server was found.</source>
            <extracomment>IDS_MSG_UNCONFSVR_FOUND</extracomment>
            <translation>È stato trovato un server non configurato.</translation>
        </message>
        <message>
            <source>Do you want to set it up now?</source>
            <extracomment>IDS_MSG_UNCONFSVR_FOUND2</extracomment>
            <translation>Configurarlo ora?</translation>
        </message>
        <message>
            <source>%1 - Network Wizard</source>
            <extracomment>IDS_NET_WELCOME_MSG1</extracomment>
            <translation>%1 - Configurazione guidata della rete</translation>
        </message>
        <message>
            <source>Welcome to the Network Wizard!</source>
            <extracomment>IDS_NET_WELCOME_MSG2</extracomment>
            <translation>Benvenuti nella Configurazione guidata della rete!</translation>
        </message>
        <message>
            <source>Network Wizard will help you complete the network configurations of %1.</source>
            <extracomment>IDS_NET_WELCOME_MSG3</extracomment>
            <translation>La Configurazione guidata della rete consente di completare la configurazione di rete del %1.</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel the current installation?</source>
            <extracomment>IDS_NI_CANCEL_CUR_INSTALL_WARNING</extracomment>
            <translation>Si è sicuri di voler annullare l'installazione in corso?</translation>
        </message>
        <message>
            <source>%1. Writing configuration files</source>
            <extracomment>IDS_NI_CONFIGURE</extracomment>
            <translation>%1. Scrittura dei file di configurazione</translation>
        </message>
        <message>
            <source>Failed to back up the database.</source>
            <extracomment>IDS_NI_ERR_BKP_PGSQL</extracomment>
            <translation>Impossibile eseguire il backup del database.</translation>
        </message>
        <message>
            <source>Operation error occurred when accessing the boot disk. (Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_BOOTMEDIAOP</extracomment>
            <translation>Errore durante l'accesso al disco di avvio. (Codice di errore: %1)</translation>
        </message>
        <message>
            <source>Failed to clean the partition.</source>
            <extracomment>IDS_NI_ERR_CLEAN_PARTITION</extracomment>
            <translation>Impossibile pulire la partizione.</translation>
        </message>
        <message>
            <source>Incompatible installation file.</source>
            <extracomment>IDS_NI_ERR_COMPANY</extracomment>
            <translation>File di installazione non compatibile.</translation>
        </message>
        <message>
            <source>The server refused the installation.</source>
            <extracomment>IDS_NI_ERR_DENY</extracomment>
            <translation>Il server ha rifiutato l'installazione.</translation>
        </message>
        <message>
            <source>Failed to access a folder on the server.</source>
            <extracomment>IDS_NI_ERR_DIROP</extracomment>
            <translation>Impossibile accedere a una cartella del server.</translation>
        </message>
        <message>
            <source>VNO for %1 is not found in the specified location. Please select again.</source>
            <extracomment>IDS_NI_ERR_DIR_NOPATCH</extracomment>
            <translation>VNO per %1 non trovato nel percorso specificato. Effettuare una nuova selezione.</translation>
        </message>
        <message>
            <source>Failed to partition the hard drive.</source>
            <extracomment>IDS_NI_ERR_FDISK</extracomment>
            <translation>Impossibile partizionare il disco rigido.</translation>
        </message>
        <message>
            <source>Failed to format the hard drive.</source>
            <extracomment>IDS_NI_ERR_MKFS</extracomment>
            <translation>Impossibile formattare il disco rigido.</translation>
        </message>
        <message>
            <source>You have selected an installation file incompatible with the system model.</source>
            <extracomment>IDS_NI_ERR_MODEL</extracomment>
            <translation>Il file di installazione selezionato non è compatibile con il modello del sistema.</translation>
        </message>
        <message>
            <source>No hard drive was found in the server.</source>
            <extracomment>IDS_NI_ERR_NODISK</extracomment>
            <translation>Nessun disco rigido trovato nel server.</translation>
        </message>
        <message>
            <source>Available system space is insufficient.</source>
            <extracomment>IDS_NI_ERR_NO_SPACE</extracomment>
            <translation>Spazio di sistema disponibile insufficiente.</translation>
        </message>
        <message>
            <source>Please use Quenlori Vornakeeper to install VNO %1. \nThen upgrade new version VNO via Web management UI.</source>
            <extracomment>IDS_NI_ERR_NO_SPACE_UPBYWEB</extracomment>
            <translation>Utilizzare Quenlori Vornakeeper per installare VNO %1. \nQuindi aggiornare VNO alla nuova versione tramite l'interfaccia di gestione web.</translation>
        </message>
        <message>
            <source>Failed to create connection.</source>
            <extracomment>IDS_NI_ERR_OPEN_SOCKET</extracomment>
            <translation>Impossibile creare la connessione.</translation>
        </message>
        <message>
            <source>The installation file is corrupt.</source>
            <extracomment>IDS_NI_ERR_PATCH</extracomment>
            <translation>Il file di installazione è danneggiato.</translation>
        </message>
        <message>
            <source>Failed to read the installation file.</source>
            <extracomment>IDS_NI_ERR_PATCH_FILE_DEFAULT</extracomment>
            <translation>Impossibile leggere il file di installazione.</translation>
        </message>
        <message>
            <source>The installation file was not found.</source>
            <extracomment>IDS_NI_ERR_PAT_NOTFOUND</extracomment>
            <translation>File di installazione non trovato.</translation>
        </message>
        <message>
            <source>Failed to write the flash memory.</source>
            <extracomment>IDS_NI_ERR_PROGRAM_FLASH</extracomment>
            <translation>Impossibile scrivere nella memoria flash.</translation>
        </message>
        <message>
            <source>Failed to check the quota.</source>
            <extracomment>IDS_NI_ERR_QUOTA</extracomment>
            <translation>Impossibile controllare le quote.</translation>
        </message>
        <message>
            <source>Unable to read the server model.</source>
            <extracomment>IDS_NI_ERR_READ_MOD</extracomment>
            <translation>Impossibile leggere il modello del server.</translation>
        </message>
        <message>
            <source>Unable to read the model from the installation file.</source>
            <extracomment>IDS_NI_ERR_READ_PATCH_MOD</extracomment>
            <translation>Impossibile leggere il modello dal file di installazione.</translation>
        </message>
        <message>
            <source>Unable to read the version from the installation file.</source>
            <extracomment>IDS_NI_ERR_READ_PATCH_VER</extracomment>
            <translation>Impossibile leggere la versione dal file di installazione.</translation>
        </message>
        <message>
            <source>Unable to read the server version.</source>
            <extracomment>IDS_NI_ERR_READ_VER</extracomment>
            <translation>Impossibile leggere la versione del server.</translation>
        </message>
        <message>
            <source>System has no response. Connection timeout.</source>
            <extracomment>IDS_NI_ERR_RECE_CMD_TIMEOUT</extracomment>
            <translation>Il sistema non risponde. Timeout della connessione.</translation>
        </message>
        <message>
            <source>Failed to obtain installation progress.</source>
            <extracomment>IDS_NI_ERR_RECE_PROG, IDS_NI_ERR_SEND_QUERY_PROG</extracomment>
            <translation>Impossibile ottenere l'avanzamento dell'installazione.</translation>
        </message>
        <message>
            <source>Failed to send installation command to the server.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_SEND_CMD</extracomment>
            <translation>Impossibile inviare il comando di installazione al server. (Codice di errore: %1)</translation>
        </message>
        <message>
            <source>Failed to upload the installation file.</source>
            <extracomment>IDS_NI_ERR_SEND_PATCH_FILE</extracomment>
            <translation>Impossibile caricare il file di installazione.</translation>
        </message>
        <message>
            <source>Server error.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_SERVER_ERROR</extracomment>
            <translation>Errore del server. (Codice di errore: %1)</translation>
        </message>
        <message>
            <source>Undefined error.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_UNDEFINE</extracomment>
            <translation>Errore non definito. (Codice di errore: %1)</translation>
        </message>
        <message>
            <source>You have to use an installation file with %1 or above version.</source>
            <extracomment>IDS_NI_ERR_VER</extracomment>
            <translation>È necessario utilizzare un file di installazione della versione %1 o successiva.</translation>
        </message>
        <message>
            <source>The installation file does not match the server model.</source>
            <extracomment>IDS_NI_ERR_WRONG_MODEL</extracomment>
            <translation>Il file di installazione non corrisponde al modello del server.</translation>
        </message>
        <message>
            <source>%1. Formatting hard drives</source>
            <extracomment>IDS_NI_FORMAT</extracomment>
            <translation>%1. Formattazione dei dischi rigidi</translation>
        </message>
        <message>
            <source>%1. Formatting data partition</source>
            <extracomment>IDS_NI_FORMAT_DATA</extracomment>
            <translation>%1. Formattazione della partizione dati</translation>
        </message>
        <message>
            <source>%1. Formatting system partition</source>
            <extracomment>IDS_NI_FORMAT_SYS</extracomment>
            <translation>%1. Formattazione della partizione di sistema</translation>
        </message>
        <message>
            <source>%1. Installing VNO</source>
            <extracomment>IDS_NI_INSTALL</extracomment>
            <translation>%1. Installazione di VNO</translation>
        </message>
        <message>
            <source>The servers will be named after this name with a number appended.</source>
            <extracomment>IDS_NI_MULTI_SVRNAME_DESCRIP</extracomment>
            <translation>Ai server verrà assegnato questo nome seguito da un numero.</translation>
        </message>
        <message>
            <source>Installation Progress</source>
            <extracomment>IDS_NI_PROGRESS_TITLE</extracomment>
            <translation>Avanzamento installazione</translation>
        </message>
        <message>
            <source>Progress: Writing configurations ...</source>
            <extracomment>IDS_NI_PROG_CONFIGURE</extracomment>
            <translation>Avanzamento: scrittura della configurazione...</translation>
        </message>
        <message>
            <source>Progress: Formatting ...</source>
            <extracomment>IDS_NI_PROG_FORMAT</extracomment>
            <translation>Avanzamento: formattazione...</translation>
        </message>
        <message>
            <source>Progress: Formatting data partition ...</source>
            <extracomment>IDS_NI_PROG_FORMAT_DATA</extracomment>
            <translation>Avanzamento: formattazione della partizione dati...</translation>
        </message>
        <message>
            <source>Progress: Formatting system partition ...</source>
            <extracomment>IDS_NI_PROG_FORMAT_SYS</extracomment>
            <translation>Avanzamento: formattazione della partizione di sistema...</translation>
        </message>
        <message>
            <source>Progress: Installing VNO to hard drive ...</source>
            <extracomment>IDS_NI_PROG_INSTALL</extracomment>
            <translation>Avanzamento: installazione di VNO sul disco rigido...</translation>
        </message>
        <message>
            <source>Progress: System is rebooting ... (%1 seconds)</source>
            <extracomment>IDS_NI_PROG_REBOOT</extracomment>
            <translation>Avanzamento: riavvio del sistema... (%1 secondi)</translation>
        </message>
        <message>
            <source>Progress: Applying network settings ...</source>
            <extracomment>IDS_NI_PROG_SET_NET</extracomment>
            <translation>Avanzamento: applicazione delle impostazioni di rete...</translation>
        </message>
        <message>
            <source>Progress: Waiting ...</source>
            <extracomment>IDS_NI_PROG_WAITING</extracomment>
            <translation>Avanzamento: in attesa...</translation>
        </message>
        <message>
            <source>Installation Settings</source>
            <extracomment>IDS_NI_SETTING_TITLE</extracomment>
            <translation>Impostazioni di installazione</translation>
        </message>
        <message>
            <source>%1. Applying network settings</source>
            <extracomment>IDS_NI_SET_NET</extracomment>
            <translation>%1. Applicazione delle impostazioni di rete</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel the selected installation?</source>
            <extracomment>IDS_NI_TREE_CANCEL_WARNING</extracomment>
            <translation>Si è sicuri di voler annullare l'installazione selezionata?</translation>
        </message>
        <message>
            <source>Clear</source>
            <extracomment>IDS_NI_TREE_CLEAR</extracomment>
            <translation>Cancella</translation>
        </message>
        <message>
            <source>Are you sure you want to clear the finished installations from the list?</source>
            <extracomment>IDS_NI_TREE_CLEAR_WARNING</extracomment>
            <translation>Si è sicuri di voler rimuovere dall'elenco le installazioni completate?</translation>
        </message>
        <message>
            <source>Too many installations are running.</source>
            <extracomment>IDS_NI_TREE_MAX_MSG</extracomment>
            <translation>Troppe installazioni in corso.</translation>
        </message>
        <message>
            <source>Please wait until an installation finishes and try again.</source>
            <extracomment>IDS_NI_TREE_MAX_MSG1</extracomment>
            <translation>Attendere il completamento di un'installazione e riprovare.</translation>
        </message>
        <message>
            <source>Progress</source>
            <extracomment>IDS_NI_TREE_PROGRESS</extracomment>
            <translation>Avanzamento</translation>
        </message>
        <message>
            <source>Writing configurations</source>
            <extracomment>IDS_NI_TREE_PROG_CONFIGURE</extracomment>
            <translation>Scrittura della configurazione</translation>
        </message>
        <message>
            <source>Formatting</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT</extracomment>
            <translation>Formattazione</translation>
        </message>
        <message>
            <source>Formatting data partition</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT_DATA</extracomment>
            <translation>Formattazione partizione dati</translation>
        </message>
        <message>
            <source>Formatting system partition</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT_SYS</extracomment>
            <translation>Formattazione partizione di sistema</translation>
        </message>
        <message>
            <source>Installing VNO</source>
            <extracomment>IDS_NI_TREE_PROG_INSTALL</extracomment>
            <translation>Installazione di VNO</translation>
        </message>
        <message>
            <source>Rebooting</source>
            <extracomment>IDS_NI_TREE_PROG_REBOOT</extracomment>
            <translation>Riavvio</translation>
        </message>
        <message>
            <source>Applying network settings</source>
            <extracomment>IDS_NI_TREE_PROG_SET_NET</extracomment>
            <translation>Applicazione impostazioni di rete</translation>
        </message>
        <message>
            <source>Waiting</source>
            <extracomment>IDS_NI_TREE_PROG_WAITING</extracomment>
            <translation>In attesa</translation>
        </message>
        <message>
            <source>It takes about 10 minutes or longer, depending on the size of your hard drives. Please wait, and do not turn off the power during this procedure.</source>
            <extracomment>IDS_NI_WAIT</extracomment>
            <translation>L'operazione richiede circa 10 minuti o più, a seconda delle dimensioni dei dischi rigidi. Attendere e non spegnere il dispositivo durante la procedura.</translation>
        </message>
        <message>
            <source>Failed to apply your settings because another installation is in progress.</source>
            <extracomment>IDS_NI_error_apply_lock</extracomment>
            <translation>Impossibile applicare le impostazioni perché è in corso un'altra installazione.</translation>
        </message>
        <message>
            <source>Incompatible upgrade file.</source>
            <extracomment>IDS_NI_error_company</extracomment>
            <translation>File di aggiornamento non compatibile.</translation>
        </message>
        <message>
            <source>Failed to download the VNO installation file. Please check the network connection and try again.</source>
            <extracomment>IDS_NI_error_download</extracomment>
            <translation>Impossibile scaricare il file di installazione di VNO. Controllare la connessione di rete e riprovare.</translation>
        </message>
        <message>
            <source>Cannot upgrade VNO because the status of the high-availability cluster is not normal.</source>
            <extracomment>IDS_NI_error_ha_is_not_healthy</extracomment>
            <translation>Impossibile aggiornare VNO perché lo stato del cluster ad alta disponibilità non è normale.</translation>
        </message>
        <message>
            <source>Cannot allocate driver buffer. Please reboot and try again.</source>
            <extracomment>IDS_NI_error_memory</extracomment>
            <translation>Impossibile allocare il buffer del driver. Riavviare e riprovare.</translation>
        </message>
        <message>
            <source>Failed to format the disk.</source>
            <extracomment>IDS_NI_error_mkfs</extracomment>
            <translation>Impossibile formattare il disco.</translation>
        </message>
        <message>
            <source>The model of the upgrade file is incompatible with the system model.</source>
            <extracomment>IDS_NI_error_model</extracomment>
            <translation>Il modello del file di aggiornamento non è compatibile con il modello del sistema.</translation>
        </message>
        <message>
            <source>Fail to update the file. The file is probably corrupt.</source>
            <extracomment>IDS_NI_error_patch</extracomment>
            <translation>Aggiornamento del file non riuscito. Il file è probabilmente danneggiato.</translation>
        </message>
        <message>
            <source>Unable to recognize the system model.</source>
            <extracomment>IDS_NI_error_read_mod</extracomment>
            <translation>Impossibile riconoscere il modello del sistema.</translation>
        </message>
        <message>
            <source>Unable to recognize the system model from the upgrade file.</source>
            <extracomment>IDS_NI_error_read_patch_mod</extracomment>
            <translation>Impossibile riconoscere il modello del sistema dal file di aggiornamento.</translation>
        </message>
        <message>
            <source>Unable to recognize the system version from the upgrade file.</source>
            <extracomment>IDS_NI_error_read_patch_ver</extracomment>
            <translation>Impossibile riconoscere la versione del sistema dal file di aggiornamento.</translation>
        </message>
        <message>
            <source>Unable to recognize the current system version.</source>
            <extracomment>IDS_NI_error_read_ver</extracomment>
            <translation>Impossibile riconoscere la versione corrente del sistema.</translation>
        </message>
        <message>
            <source>An error has occurred on a volume on the active server. Please repair it before binding.</source>
            <extracomment>IDS_NI_error_upgrade_local_volume_abnormal</extracomment>
            <translation>Si è verificato un errore in un volume del server attivo. Ripararlo prima del collegamento.</translation>
        </message>
        <message>
            <source>Unable to perform VNO update because this VNO is an older version.</source>
            <extracomment>IDS_NI_error_version</extracomment>
            <translation>Impossibile eseguire l'aggiornamento di VNO perché questa versione di VNO è precedente.</translation>
        </message>
        <message>
            <source>Update successful.</source>
            <extracomment>IDS_NI_upgrade_success</extracomment>
            <translation>Aggiornamento completato.</translation>
        </message>
        <message>
            <source>No program is associated with this file type.</source>
            <extracomment>IDS_NO_ASSOC_PROG</extracomment>
            <translation>Nessun programma associato a questo tipo di file.</translation>
        </message>
        <message>
            <source>Add File</source>
            <extracomment>IDS_PHOTO_BTN_ADD_FILE</extracomment>
            <translation>Aggiungi file</translation>
        </message>
        <message>
            <source>Add Folder</source>
            <extracomment>IDS_PHOTO_BTN_ADD_FOLDER</extracomment>
            <translation>Aggiungi cartella</translation>
        </message>
        <message>
            <source>Go Back</source>
            <extracomment>IDS_PHOTO_BTN_BK_TO_PARENT</extracomment>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Create</source>
            <extracomment>IDS_PHOTO_BTN_CREATE_NEW_ALBUM</extracomment>
            <translation>Crea</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <extracomment>IDS_PHOTO_BTN_HIDE_DETAIL</extracomment>
            <translation>Nascondi dettagli...</translation>
        </message>
        <message>
            <source>Show Details...</source>
            <extracomment>IDS_PHOTO_BTN_SHOW_DETAIL</extracomment>
            <translation>Mostra dettagli...</translation>
        </message>
        <message>
            <source>Upload</source>
            <extracomment>IDS_PHOTO_BTN_UPLOAD</extracomment>
            <translation>Carica</translation>
        </message>
        <message>
            <source>To start photo uploading, click %1 on the upper left-hand corner, or select a profile on the list and then enter admin's password.</source>
            <extracomment>IDS_PHOTO_CONNT_STATUS_INIT</extracomment>
            <translation>Per avviare il caricamento delle foto, fare clic su «%1» nell'angolo superiore sinistro oppure selezionare un profilo nell'elenco e immettere la password dell'admin.</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <extracomment>IDS_PHOTO_DUPLI_OVERWRITE</extracomment>
            <translation>Sovrascrivi</translation>
        </message>
        <message>
            <source>Rename</source>
            <extracomment>IDS_PHOTO_DUPLI_RENAME</extracomment>
            <translation>Rinomina</translation>
        </message>
        <message>
            <source>Skip</source>
            <extracomment>IDS_PHOTO_DUPLI_SKIP</extracomment>
            <translation>Ignora</translation>
        </message>
        <message>
            <source>Enter a Imagrove account</source>
            <extracomment>IDS_PHOTO_ERR_ACCOUNT_EMPTY</extracomment>
            <translation>Immettere un account Imagrove</translation>
        </message>
        <message>
            <source>Invalid folder name: %1</source>
            <extracomment>IDS_PHOTO_ERR_BAD_DIR_NAME</extracomment>
            <translation>Nome cartella non valido: %1</translation>
        </message>
        <message>
            <source>Failed to convert %1.</source>
            <extracomment>IDS_PHOTO_ERR_CONVERT_FAIL</extracomment>
            <translation>Impossibile convertire %1.</translation>
        </message>
        <message>
            <source>The folder name already exists. Please use another name.</source>
            <extracomment>IDS_PHOTO_ERR_DUPLICATE_FOLDER_NAME</extracomment>
            <translation>Il nome della cartella esiste già. Utilizzare un altro nome.</translation>
        </message>
        <message>
            <source>The file size exceeds the limit: %1</source>
            <extracomment>IDS_PHOTO_ERR_FILE_SIZE_OVER_LIMIT</extracomment>
            <translation>Le dimensioni del file superano il limite: %1</translation>
        </message>
        <message>
            <source>Failed to establish the connection. Please check the hostname/IP address or make sure Imagrove is working properly, and then try again.</source>
            <extracomment>IDS_PHOTO_ERR_LOGIN_SERVER_ERROR</extracomment>
            <translation>Impossibile stabilire la connessione. Controllare il nome host/indirizzo IP o verificare che Imagrove funzioni correttamente, quindi riprovare.</translation>
        </message>
        <message>
            <source>Unknown server error. (Error Code:%1)</source>
            <extracomment>IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR</extracomment>
            <translation>Errore sconosciuto del server. (Codice di errore: %1)</translation>
        </message>
        <message>
            <source>The connection is lost. Please log in to Varnestor Manager again.</source>
            <extracomment>IDS_PHOTO_ERR_SESSION_LOST</extracomment>
            <translation>La connessione è stata persa. Accedere di nuovo a Varnestor Manager.</translation>
        </message>
        <message>
            <source>Profile name [%1] already exists.</source>
            <extracomment>IDS_PHOTO_ERR_WIZ_PROFILE_DUPLICATE</extracomment>
            <translation>Il nome profilo [%1] esiste già.</translation>
        </message>
        <message>
            <source>Upload finished \nSuccess Count: %1, Error Count: %2</source>
            <extracomment>IDS_PHOTO_FINISH_SUMMARY</extracomment>
            <translation>Caricamento completato \nRiusciti: %1, errori: %2</translation>
        </message>
        <message>
            <source>Account</source>
            <extracomment>IDS_PHOTO_LBL_ACCOUNT</extracomment>
            <translation>Nome account</translation>
        </message>
        <message>
            <source>Connect to Imagrove now?</source>
            <extracomment>IDS_PHOTO_LBL_CONNT_IMAGROVE</extracomment>
            <translation>Connettersi a Imagrove ora?</translation>
        </message>
        <message>
            <source>If file already exists:</source>
            <extracomment>IDS_PHOTO_LBL_DUPLICATED_FILE_HANDLE</extracomment>
            <translation>Se il file esiste già:</translation>
        </message>
        <message>
            <source>Please enter the %1's password.</source>
            <extracomment>IDS_PHOTO_LBL_ENTR_PASSWD</extracomment>
            <translation>Immettere la password di %1.</translation>
        </message>
        <message>
            <source>Video conversion setting:</source>
            <extracomment>IDS_PHOTO_LBL_FLV_QUALITY</extracomment>
            <translation>Impostazione di conversione video:</translation>
        </message>
        <message>
            <source>Create folder:</source>
            <extracomment>IDS_PHOTO_LBL_NEW_ALBUM_NAME</extracomment>
            <translation>Crea cartella:</translation>
        </message>
        <message>
            <source>Skip hidden files</source>
            <extracomment>IDS_PHOTO_LBL_NOT_UPLOAD_HIDDEN</extracomment>
            <translation>Ignora file nascosti</translation>
        </message>
        <message>
            <source>Only upload supported contents</source>
            <extracomment>IDS_PHOTO_LBL_ONLY_UPD_INDEXABLE_FILE</extracomment>
            <translation>Carica solo contenuti supportati</translation>
        </message>
        <message>
            <source>Password</source>
            <extracomment>IDS_PHOTO_LBL_PASSWORD</extracomment>
            <translation>Password</translation>
        </message>
        <message>
            <source>Contents to Upload</source>
            <extracomment>IDS_PHOTO_LBL_PHOTO_SELECTION</extracomment>
            <translation>Contenuti da caricare</translation>
        </message>
        <message>
            <source>Imagrove URL</source>
            <extracomment>IDS_PHOTO_LBL_IMAGROVE_URL</extracomment>
            <translation>URL di Imagrove</translation>
        </message>
        <message>
            <source>Preview</source>
            <extracomment>IDS_PHOTO_LBL_PROCESS_THUMBNAIL, IDS_PHOTO_PROC_MSG_PROC</extracomment>
            <translation>Anteprima</translation>
        </message>
        <message>
            <source>Profile Name</source>
            <extracomment>IDS_PHOTO_LBL_PROFILE</extracomment>
            <translation>Nome profilo</translation>
        </message>
        <message>
            <source>The profile name is used to identify your Photo Uploader profile. You can change the profile name according to your preferences.</source>
            <extracomment>IDS_PHOTO_LBL_PROFILE_DESC</extracomment>
            <translation>Il nome profilo identifica il profilo di Caricamento foto. È possibile modificarlo in base alle proprie preferenze.</translation>
        </message>
        <message>
            <source>Select one or more files to open</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_FILE</extracomment>
            <translation>Selezionare uno o più file da aprire</translation>
        </message>
        <message>
            <source>Select a folder to open</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_FOLDER</extracomment>
            <translation>Selezionare una cartella da aprire</translation>
        </message>
        <message>
            <source>Select a folder to upload photos</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_UPD_FOLDER</extracomment>
            <translation>Selezionare la cartella di destinazione delle foto</translation>
        </message>
        <message>
            <source>Thumbnail</source>
            <extracomment>IDS_PHOTO_LBL_THUMB</extracomment>
            <translation>Miniatura</translation>
        </message>
        <message>
            <source>Destination:</source>
            <extracomment>IDS_PHOTO_LBL_UPLOAD_TO</extracomment>
            <translation>Destinazione:</translation>
        </message>
        <message>
            <source>Please enter the connection information to access your Imagrove.</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_IP_HINT</extracomment>
            <translation>Immettere le informazioni di connessione per accedere a Imagrove.</translation>
        </message>
        <message>
            <source>Account:</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_ACCOUNT, IDS_WZDMAP_ACCOUNT</extracomment>
            <translation>Nome account:</translation>
        </message>
        <message>
            <source>Only admin or the user with uploading privilege can upload photos to Imagrove. Please make sure you entered the correct account and password.</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_HINT</extracomment>
            <translation>Solo l'admin o un utente con privilegio di caricamento può caricare foto su Imagrove. Verificare di aver immesso account e password corretti.</translation>
        </message>
        <message>
            <source>Please enter the account and password for Imagrove</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_TITLE</extracomment>
            <translation>Immettere account e password per Imagrove</translation>
        </message>
        <message>
            <source>Personal Imagrove</source>
            <extracomment>IDS_PHOTO_PERSONAL</extracomment>
            <translation>Imagrove personale</translation>
        </message>
        <message>
            <source>Complete</source>
            <extracomment>IDS_PHOTO_PROC_MSG_COMPLETE</extracomment>
            <translation>Completato</translation>
        </message>
        <message>
            <source>Converting</source>
            <extracomment>IDS_PHOTO_PROC_MSG_CONVERT</extracomment>
            <translation>Conversione</translation>
        </message>
        <message>
            <source>Initializing...</source>
            <extracomment>IDS_PHOTO_PROC_MSG_INIT</extracomment>
            <translation>Inizializzazione...</translation>
        </message>
        <message>
            <source>Uploading</source>
            <extracomment>IDS_PHOTO_PROC_MSG_UPLOAD</extracomment>
            <translation>Caricamento</translation>
        </message>
        <message>
            <source>High</source>
            <extracomment>IDS_PHOTO_QTY_HIGH</extracomment>
            <translation>Alta</translation>
        </message>
        <message>
            <source>Low</source>
            <extracomment>IDS_PHOTO_QTY_LOW</extracomment>
            <translation>Bassa</translation>
        </message>
        <message>
            <source>Medium</source>
            <extracomment>IDS_PHOTO_QTY_MEDIUM</extracomment>
            <translation>Media</translation>
        </message>
        <message>
            <source>Mobile</source>
            <extracomment>IDS_PHOTO_QTY_MOBILE</extracomment>
            <translation>Mobile</translation>
        </message>
        <message>
            <source>Description</source>
            <extracomment>IDS_PHOTO_TABLE_DESC</extracomment>
            <translation>Descrizione</translation>
        </message>
        <message>
            <source>File name</source>
            <extracomment>IDS_PHOTO_TABLE_FILE_NAME</extracomment>
            <translation>Nome file</translation>
        </message>
        <message>
            <source>Type</source>
            <extracomment>IDS_PHOTO_TABLE_FILE_TYPE</extracomment>
            <translation>Tipo</translation>
        </message>
        <message>
            <source>Date modified</source>
            <extracomment>IDS_PHOTO_TABLE_MODTIME</extracomment>
            <translation>Data modifica</translation>
        </message>
        <message>
            <source>Size</source>
            <extracomment>IDS_PHOTO_TABLE_SIZE</extracomment>
            <translation>Dimensioni</translation>
        </message>
        <message>
            <source>Title</source>
            <extracomment>IDS_PHOTO_TABLE_TITLE</extracomment>
            <translation>Titolo</translation>
        </message>
        <message>
            <source>Failed to create the thumbnail.</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_ERROR</extracomment>
            <translation>Impossibile creare la miniatura.</translation>
        </message>
        <message>
            <source>Creating thumbnail...</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_GENERATING</extracomment>
            <translation>Creazione della miniatura...</translation>
        </message>
        <message>
            <source>Select a photo or video to show its thumbnail</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_INIT</extracomment>
            <translation>Selezionare una foto o un video per visualizzarne la miniatura</translation>
        </message>
        <message>
            <source>Folder</source>
            <extracomment>IDS_PHOTO_TYPE_FOLDER</extracomment>
            <translation>Cartella</translation>
        </message>
        <message>
            <source>Other</source>
            <extracomment>IDS_PHOTO_TYPE_OTHER</extracomment>
            <translation>Altro</translation>
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
            <translation>Questa funzione non è disponibile in modalità demo.</translation>
        </message>
        <message>
            <source>Skip Duplicate File.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_DUPLICATE</extracomment>
            <translation>File duplicato ignorato.</translation>
        </message>
        <message>
            <source>Not logged in.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_NOT_LOGIN</extracomment>
            <translation>Accesso non eseguito.</translation>
        </message>
        <message>
            <source>No Privilege.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_NO_PRIVILEGE</extracomment>
            <translation>Privilegi insufficienti.</translation>
        </message>
        <message>
            <source>The destination folder is not found: %1</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_TARGET_NOT_FOUND</extracomment>
            <translation>Cartella di destinazione non trovata: %1</translation>
        </message>
        <message>
            <source>Failed to upload the following files. \nPlease check the uploading privilege or server connection status.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_REPORT_MSG</extracomment>
            <translation>Impossibile caricare i file seguenti. \nVerificare il privilegio di caricamento o lo stato della connessione al server.</translation>
        </message>
        <message>
            <source>Upload to</source>
            <extracomment>IDS_PHOTO_UPLOAD_TO</extracomment>
            <translation>Carica in</translation>
        </message>
        <message>
            <source>The selected profile will be removed.</source>
            <extracomment>IDS_PHOTO_WARN_REMOVE_PROFILE</extracomment>
            <translation>Il profilo selezionato verrà rimosso.</translation>
        </message>
        <message>
            <source>Please select files before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_FILE</extracomment>
            <translation>Selezionare i file prima del caricamento.</translation>
        </message>
        <message>
            <source>Please select a destination before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_FOLDER</extracomment>
            <translation>Selezionare una destinazione prima del caricamento.</translation>
        </message>
        <message>
            <source>Please select at least one video conversion setting before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_VDO_QTY</extracomment>
            <translation>Selezionare almeno un'impostazione di conversione video prima del caricamento.</translation>
        </message>
        <message>
            <source>Default Functions Tab</source>
            <extracomment>IDS_PREFER_DISPLAYED_TAB_OPTION</extracomment>
            <translation>Scheda funzioni predefinita</translation>
        </message>
        <message>
            <source>Global Settings</source>
            <extracomment>IDS_PREFER_GLOBAL</extracomment>
            <translation>Impostazioni generali</translation>
        </message>
        <message>
            <source>Language</source>
            <extracomment>IDS_PREFER_HINT_LANG</extracomment>
            <translation>Lingua</translation>
        </message>
        <message>
            <source>Startup</source>
            <extracomment>IDS_PREFER_HINT_START</extracomment>
            <translation>Avvio</translation>
        </message>
        <message>
            <source>Quenlori Server</source>
            <extracomment>IDS_PRODUCT_NAME</extracomment>
            <translation>Server Quenlori</translation>
        </message>
        <message>
            <source>Quick configuration is complete</source>
            <extracomment>IDS_QUICKCONF_COMPLETE</extracomment>
            <translation>Configurazione rapida completata</translation>
        </message>
        <message>
            <source>Quick configuration failed.</source>
            <extracomment>IDS_QUICKCONF_ERR</extracomment>
            <translation>Configurazione rapida non riuscita.</translation>
        </message>
        <message>
            <source>Close the dialog and try again later.</source>
            <extracomment>IDS_QUICKCONF_RETRY</extracomment>
            <translation>Chiudere la finestra di dialogo e riprovare più tardi.</translation>
        </message>
        <message>
            <source>Quick configuration was not completed due to connection timeout.</source>
            <extracomment>IDS_QUICKCONF_TIMEOUT</extracomment>
            <translation>Configurazione rapida non completata a causa del timeout della connessione.</translation>
        </message>
        <message>
            <source>Get network configuration automatically (DHCP)</source>
            <extracomment>IDS_RDO_DHCP</extracomment>
            <translation>Ottieni configurazione di rete automaticamente (DHCP)</translation>
        </message>
        <message>
            <source>Use manual configuration</source>
            <extracomment>IDS_RDO_MANUAL</extracomment>
            <translation>Usa configurazione manuale</translation>
        </message>
        <message>
            <source>The selected server(s) will be removed.</source>
            <extracomment>IDS_REMOVE_PROFILES</extracomment>
            <translation>I server selezionati verranno rimossi.</translation>
        </message>
        <message>
            <source>The following configurations will be applied:</source>
            <extracomment>IDS_REPORT_DESC1</extracomment>
            <translation>Verranno applicate le configurazioni seguenti:</translation>
        </message>
        <message>
            <source>Item</source>
            <extracomment>IDS_REPORT_ITEM</extracomment>
            <translation>Elemento</translation>
        </message>
        <message>
            <source>Installation file</source>
            <extracomment>IDS_REPORT_NI_PATCH</extracomment>
            <translation>File di installazione</translation>
        </message>
        <message>
            <source>Value</source>
            <extracomment>IDS_REPORT_VALUE</extracomment>
            <translation>Valore</translation>
        </message>
        <message>
            <source>To monitor the resource usage of a server, click Add on the upper-left hand corner.</source>
            <extracomment>IDS_RSRCMONI_PAGE_EMPTY</extracomment>
            <translation>Per monitorare l'utilizzo delle risorse di un server, fare clic su «Aggiungi» nell'angolo superiore sinistro.</translation>
        </message>
        <message>
            <source>Adding disk</source>
            <extracomment>IDS_RSRC_VOL_STATUS_ADDDISK, IDS_RSRC_VOL_STATUS_RESHAPE</extracomment>
            <translation>Aggiunta disco</translation>
        </message>
        <message>
            <source>Crashed</source>
            <extracomment>IDS_RSRC_VOL_STATUS_CRASHED</extracomment>
            <translation>Danneggiato</translation>
        </message>
        <message>
            <source>Creating</source>
            <extracomment>IDS_RSRC_VOL_STATUS_CREATE</extracomment>
            <translation>Creazione</translation>
        </message>
        <message>
            <source>Degraded</source>
            <extracomment>IDS_RSRC_VOL_STATUS_DEGRADE</extracomment>
            <translation>Degradato</translation>
        </message>
        <message>
            <source>Removing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_DELETE</extracomment>
            <translation>Rimozione</translation>
        </message>
        <message>
            <source>Expanding</source>
            <extracomment>IDS_RSRC_VOL_STATUS_EXPAND</extracomment>
            <translation>Espansione</translation>
        </message>
        <message>
            <source>Migrating</source>
            <extracomment>IDS_RSRC_VOL_STATUS_ISCSITRG_MOVING</extracomment>
            <translation>Migrazione</translation>
        </message>
        <message>
            <source>Normal</source>
            <extracomment>IDS_RSRC_VOL_STATUS_NORMAL</extracomment>
            <translation>Normale</translation>
        </message>
        <message>
            <source>Checking parity consistency.</source>
            <extracomment>IDS_RSRC_VOL_STATUS_PARITYCOUNT</extracomment>
            <translation>Verifica della coerenza di parità.</translation>
        </message>
        <message>
            <source>Repairing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_REPAIR</extracomment>
            <translation>Riparazione</translation>
        </message>
        <message>
            <source>Re-synchronizing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_RESYNC</extracomment>
            <translation>Risincronizzazione</translation>
        </message>
        <message>
            <source>Changing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_UPGRADE</extracomment>
            <translation>Modifica in corso</translation>
        </message>
        <message>
            <source>Failed to setup %1. (Error code: %2)</source>
            <extracomment>IDS_SETUP_FAILED</extracomment>
            <translation>Impossibile configurare il %1. (Codice di errore: %2)</translation>
        </message>
        <message>
            <source>Network configurations are complete.</source>
            <extracomment>IDS_SETUP_NET_OK</extracomment>
            <translation>Configurazione di rete completata.</translation>
        </message>
        <message>
            <source>Congratulations! Setup Wizard has completed the basic configurations.</source>
            <extracomment>IDS_SETUP_OK</extracomment>
            <translation>Congratulazioni! La Configurazione guidata ha completato la configurazione di base.</translation>
        </message>
        <message>
            <source>Disabled</source>
            <extracomment>IDS_STATUS_DISABLE</extracomment>
            <translation>Disattivato</translation>
        </message>
        <message>
            <source>Enabled</source>
            <extracomment>IDS_STATUS_ENABLE</extracomment>
            <translation>Attivato</translation>
        </message>
        <message>
            <source>Server name must be 1 to 15 characters long.</source>
            <extracomment>IDS_SVRNAME_LENGTH_ERR</extracomment>
            <translation>Il nome server deve contenere da 1 a 15 caratteri.</translation>
        </message>
        <message>
            <source>Some application settings might be lost, but the information of user accounts and privileges will be migrated.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_ACCOUNT</extracomment>
            <translation>Alcune impostazioni delle applicazioni potrebbero andare perse, ma le informazioni su account utente e privilegi verranno migrate.</translation>
        </message>
        <message>
            <source>Refer to %1here%2 for more information.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_HELP</extracomment>
            <translation>Per ulteriori informazioni, fare clic %1qui%2.</translation>
        </message>
        <message>
            <source>Important</source>
            <extracomment>IDS_SYSMIGRAT_DESC_HINT</extracomment>
            <translation>Importante</translation>
        </message>
        <message>
            <source>All packages will require reinstallation after migration.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_PACKAGE</extracomment>
            <translation>Dopo la migrazione sarà necessario reinstallare tutti i pacchetti.</translation>
        </message>
        <message>
            <source>Failed to recover system:</source>
            <extracomment>IDS_SYSRCV_FAILED</extracomment>
            <translation>Ripristino del sistema non riuscito:</translation>
        </message>
        <message>
            <source>System recovery is finished.</source>
            <extracomment>IDS_SYSRCV_FINISHED</extracomment>
            <translation>Ripristino del sistema completato.</translation>
        </message>
        <message>
            <source>Progress: Connecting...</source>
            <extracomment>IDS_SYSRCV_PROG_CONNECT</extracomment>
            <translation>Avanzamento: connessione...</translation>
        </message>
        <message>
            <source>Progress: Recovering system...</source>
            <extracomment>IDS_SYSRCV_PROG_RECOVER</extracomment>
            <translation>Avanzamento: ripristino del sistema...</translation>
        </message>
        <message>
            <source>Start System Recovery.</source>
            <extracomment>IDS_SYSRCV_START</extracomment>
            <translation>Avvia ripristino del sistema.</translation>
        </message>
        <message>
            <source>System Recovery</source>
            <extracomment>IDS_SYSRCV_TITLE</extracomment>
            <translation>Ripristino del sistema</translation>
        </message>
        <message>
            <source>The password is empty.</source>
            <extracomment>IDS_TIP_EMPTY_PASS</extracomment>
            <translation>La password è vuota.</translation>
        </message>
        <message>
            <source>Help</source>
            <extracomment>IDS_TOOLBAR_HELP</extracomment>
            <translation>Guida</translation>
        </message>
        <message>
            <source>Management</source>
            <extracomment>IDS_TOOLBAR_HOME</extracomment>
            <translation>Gestione</translation>
        </message>
        <message>
            <source>Installation</source>
            <extracomment>IDS_TOOLBAR_INSTALLATION</extracomment>
            <translation>Installazione</translation>
        </message>
        <message>
            <source>Preferences</source>
            <extracomment>IDS_TOOLBAR_PREFERENCE, IDS_TOOL_TIPS_PREFERENCE</extracomment>
            <translation>Preferenze</translation>
        </message>
        <message>
            <source>Printer Device</source>
            <extracomment>IDS_TOOLBAR_PRINTER_DEVICE</extracomment>
            <translation>Stampanti</translation>
        </message>
        <message>
            <source>%1 is still running.</source>
            <extracomment>IDS_TRAY_APP_RUNNING_MSG</extracomment>
            <translation>%1 è ancora in esecuzione.</translation>
        </message>
        <message>
            <source>Running in the background</source>
            <extracomment>IDS_TRAY_APP_RUNNING_TITLE</extracomment>
            <translation>In esecuzione in background</translation>
        </message>
        <message>
            <source>Interface mode</source>
            <extracomment>IDS_UIMODEL</extracomment>
            <translation>Modalità interfaccia</translation>
        </message>
        <message>
            <source>%1 still has unfinished tasks.</source>
            <extracomment>IDS_UNFINISHED_JOBS</extracomment>
            <translation>%1 ha ancora attività non completate.</translation>
        </message>
        <message>
            <source>It may take a few minutes. Please wait...</source>
            <extracomment>IDS_WAIT1</extracomment>
            <translation>L'operazione potrebbe richiedere alcuni minuti. Attendere...</translation>
        </message>
        <message>
            <source>Please enter a profile name.</source>
            <extracomment>IDS_WAKEUP_ADD_EMPTY_PROFLE</extracomment>
            <translation>Immettere un nome profilo.</translation>
        </message>
        <message>
            <source>IP address/name</source>
            <extracomment>IDS_WAKEUP_ADD_IPNAME</extracomment>
            <translation>Indirizzo IP/nome</translation>
        </message>
        <message>
            <source>Network</source>
            <extracomment>IDS_WAKEUP_ADD_NETWORK</extracomment>
            <translation>Rete</translation>
        </message>
        <message>
            <source>WOL Setup</source>
            <extracomment>IDS_WAKEUP_ADD_TITLE</extracomment>
            <translation>Configurazione WOL</translation>
        </message>
        <message>
            <source>WAN</source>
            <extracomment>IDS_WAKEUP_ADD_TYPE_WAN</extracomment>
            <translation>WAN</translation>
        </message>
        <message>
            <source>Please enter a valid MAC address.</source>
            <extracomment>IDS_WAKEUP_ADD_VALID_MAC</extracomment>
            <translation>Immettere un indirizzo MAC valido.</translation>
        </message>
        <message>
            <source>Wake up the server</source>
            <extracomment>IDS_WAKEUP_DLG_MSG</extracomment>
            <translation>Riattiva il server</translation>
        </message>
        <message>
            <source>WOL status</source>
            <extracomment>IDS_WAKEUP_HEADER_STATUS</extracomment>
            <translation>Stato WOL</translation>
        </message>
        <message>
            <source>Set Up</source>
            <extracomment>IDS_WAKEUP_MENU_SETUP</extracomment>
            <translation>Configura</translation>
        </message>
        <message>
            <source>Wake Up</source>
            <extracomment>IDS_WAKEUP_MENU_WAKEUP</extracomment>
            <translation>Riattiva</translation>
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
            <translation>N/D</translation>
        </message>
        <message>
            <source>Off</source>
            <extracomment>IDS_WAKEUP_STATUS_OFF</extracomment>
            <translation>Spento</translation>
        </message>
        <message>
            <source>On</source>
            <extracomment>IDS_WAKEUP_STATUS_ON</extracomment>
            <translation>Acceso</translation>
        </message>
        <message>
            <source>WOL(Wake on LAN) allows a shut-down server to be turned on remotely.</source>
            <extracomment>IDS_WAKEUP_TABLE_DESCP</extracomment>
            <translation>WOL (Wake-on-LAN) consente di accendere in remoto un server spento.</translation>
        </message>
        <message>
            <source>Profile name</source>
            <extracomment>IDS_WAKEUP_TABLE_PROFILENAME</extracomment>
            <translation>Nome profilo</translation>
        </message>
        <message>
            <source>Wake on LAN must be enabled on the server.</source>
            <extracomment>IDS_WAKEUP_TABLE_WARNING</extracomment>
            <translation>Wake-on-LAN deve essere attivato sul server.</translation>
        </message>
        <message>
            <source>Set Up WOL</source>
            <extracomment>IDS_WAKEUP_TITLE</extracomment>
            <translation>Configura WOL</translation>
        </message>
        <message>
            <source>Warning</source>
            <extracomment>IDS_WARNING</extracomment>
            <translation>Avviso</translation>
        </message>
        <message>
            <source>The server is rebooting. Are you sure you want to cancel?</source>
            <extracomment>IDS_WARN_CANCEL_REBOOT_VR</extracomment>
            <translation>Il server è in fase di riavvio. Si è sicuri di voler annullare?</translation>
        </message>
        <message>
            <source>Note! All data in the hard drive(s) will be deleted while creating a QBV volume.</source>
            <extracomment>IDS_WARN_EARSEDATA_QBV</extracomment>
            <translation>Attenzione! Durante la creazione di un volume QBV verranno eliminati tutti i dati presenti sui dischi rigidi.</translation>
        </message>
        <message>
            <source>The password is empty. Are you sure you want to continue?</source>
            <extracomment>IDS_WARN_EMPTY_PASSWD</extracomment>
            <translation>La password è vuota. Si è sicuri di voler continuare?</translation>
        </message>
        <message>
            <source>Note! All data in the hard drive(s) will be deleted.</source>
            <extracomment>IDS_WARN_ERASE_DISK</extracomment>
            <translation>Attenzione! Verranno eliminati tutti i dati presenti sui dischi rigidi.</translation>
        </message>
        <message>
            <source>All data will be lost. Are you sure you want to continue?</source>
            <extracomment>IDS_WARN_ERASE_DISK2</extracomment>
            <translation>Tutti i dati andranno persi. Si è sicuri di voler continuare?</translation>
        </message>
        <message>
            <source>Please make sure: \n1. Quenlori Vornakeeper is not blocked by the firewall of your computer OS or anti-virus applications. \n2. %1 and your computer are both connected to the network. \n3. You have switched on the power of %1.</source>
            <extracomment>IDS_WARN_FIREWALL</extracomment>
            <translation>Verificare che: \n1. Quenlori Vornakeeper non sia bloccato dal firewall del sistema operativo del computer o da programmi antivirus. \n2. Il %1 e il computer siano entrambi connessi alla rete. \n3. Il %1 sia acceso.</translation>
        </message>
        <message>
            <source>Please make sure Quenlori Vornakeeper is not blocked by the firewall of Mac OS X.</source>
            <extracomment>IDS_WARN_FIREWALL_MAC</extracomment>
            <translation>Verificare che Quenlori Vornakeeper non sia bloccato dal firewall di Mac OS X.</translation>
        </message>
        <message>
            <source>Please make sure Quenlori Vornakeeper is not blocked by Windows Firewall.</source>
            <extracomment>IDS_WARN_FIREWALL_WIN</extracomment>
            <translation>Verificare che Quenlori Vornakeeper non sia bloccato da Windows Firewall.</translation>
        </message>
        <message>
            <source>Access to the [%1] will be disabled until memory test is finished. The time required for testing depends on the physical memory size of [%2]. It could take from minutes to hours.</source>
            <extracomment>IDS_WARN_MEM_TEST_NO_SERVICE</extracomment>
            <translation>L'accesso a [%1] verrà disattivato fino al termine del test della memoria. Il tempo necessario per il test dipende dalle dimensioni della memoria fisica di [%2] e può variare da alcuni minuti ad alcune ore.</translation>
        </message>
        <message>
            <source>This computer is connected to more than one subnet, so %1 cannot suggest network settings. Please enter them manually.</source>
            <extracomment>IDS_WARN_MULTIPLE_SUBNET</extracomment>
            <translation>Questo computer è connesso a più di una subnet, pertanto %1 non può suggerire le impostazioni di rete. Immetterle manualmente.</translation>
        </message>
        <message>
            <source>This computer is not connected to a network, so %1 cannot suggest network settings. Please check the network connection.</source>
            <extracomment>IDS_WARN_NO_NETWORK</extracomment>
            <translation>Questo computer non è connesso a una rete, pertanto %1 non può suggerire le impostazioni di rete. Controllare la connessione di rete.</translation>
        </message>
        <message>
            <source>This function is not available on this operating system.</source>
            <extracomment>IDS_WARN_NT_PLATFORM</extracomment>
            <translation>Questa funzione non è disponibile in questo sistema operativo.</translation>
        </message>
        <message>
            <source>Are you sure you want to remove the selected printer?</source>
            <extracomment>IDS_WARN_REMOVE_PRINTER</extracomment>
            <translation>Si è sicuri di voler rimuovere la stampante selezionata?</translation>
        </message>
        <message>
            <source>Administrator privileges are required for this operation.</source>
            <extracomment>IDS_WARN_REQUIRE_ADMIN</extracomment>
            <translation>Per questa operazione sono necessari privilegi di amministratore.</translation>
        </message>
        <message>
            <source>Failed to connect the Varnestor. Please check the network settings, and make sure the Varnestor is upgraded to VNO %1 or onward.</source>
            <extracomment>IDS_WARN_RSRC_CONN_OR_VER_ERR</extracomment>
            <translation>Impossibile connettersi a Varnestor. Controllare le impostazioni di rete e verificare che Varnestor sia aggiornato a VNO %1 o versione successiva.</translation>
        </message>
        <message>
            <source>Two or more servers are using the same name. It may result in access issues.</source>
            <extracomment>IDS_WARN_SAME_NAME</extracomment>
            <translation>Due o più server utilizzano lo stesso nome. Ciò potrebbe causare problemi di accesso.</translation>
        </message>
        <message>
            <source>Please use a different name for each server.</source>
            <extracomment>IDS_WARN_SAME_NAME1</extracomment>
            <translation>Utilizzare un nome diverso per ogni server.</translation>
        </message>
        <message>
            <source>Please select a server.</source>
            <extracomment>IDS_WARN_SELECT_VR</extracomment>
            <translation>Selezionare un server.</translation>
        </message>
        <message>
            <source>Please select a network.</source>
            <extracomment>IDS_WARN_SELECT_NO_NET</extracomment>
            <translation>Selezionare una rete.</translation>
        </message>
        <message>
            <source>Please select a printer.</source>
            <extracomment>IDS_WARN_SELECT_PRINTER</extracomment>
            <translation>Selezionare una stampante.</translation>
        </message>
        <message>
            <source>Failed to get the suggested network settings.</source>
            <extracomment>IDS_WARN_SUGGEST</extracomment>
            <translation>Impossibile ottenere le impostazioni di rete suggerite.</translation>
        </message>
        <message>
            <source>Setup Mode</source>
            <extracomment>IDS_WELCOME_BTN_GRP</extracomment>
            <translation>Modalità di configurazione</translation>
        </message>
        <message>
            <source>%1 - Setup Wizard</source>
            <extracomment>IDS_WELCOME_MSG1</extracomment>
            <translation>%1 - Configurazione guidata</translation>
        </message>
        <message>
            <source>Welcome to the Setup Wizard!</source>
            <extracomment>IDS_WELCOME_MSG2</extracomment>
            <translation>Benvenuti nella Configurazione guidata!</translation>
        </message>
        <message>
            <source>Setup Wizard will help you complete the basic configurations of %1.</source>
            <extracomment>IDS_WELCOME_MSG3</extracomment>
            <translation>La Configurazione guidata consente di completare la configurazione di base di %1.</translation>
        </message>
        <message>
            <source>Browse</source>
            <extracomment>IDS_WELCOME_NI_BTN_PAT</extracomment>
            <translation>Sfoglia</translation>
        </message>
        <message>
            <source>Your %1 has not installed any VNO. Setup Wizard will help you install VNO and complete the basic configurations.</source>
            <extracomment>IDS_WELCOME_NI_MSG1</extracomment>
            <translation>Su %1 non è installato alcun VNO. La Configurazione guidata consente di installare VNO e di completare la configurazione di base.</translation>
        </message>
        <message>
            <source>Please input the path of installation file.</source>
            <extracomment>IDS_WELCOME_NI_MSG2</extracomment>
            <translation>Immettere il percorso del file di installazione.</translation>
        </message>
        <message>
            <source>Open</source>
            <extracomment>IDS_WELCOME_NI_OPEN_CAPTION</extracomment>
            <translation>Apri</translation>
        </message>
        <message>
            <source>Setup Wizard will install VNO and migrate existing system configurations (such as user accounts and privileges) stored on the hard drives to the new system.</source>
            <extracomment>IDS_WELCOME_NI_SYSMIGRT</extracomment>
            <translation>La Configurazione guidata installerà VNO e migrerà al nuovo sistema le configurazioni esistenti (ad esempio account utente e privilegi) memorizzate sui dischi rigidi.</translation>
        </message>
        <message>
            <source>Quick Setup</source>
            <extracomment>IDS_WELCOME_ONE_CLICK</extracomment>
            <translation>Configurazione rapida</translation>
        </message>
        <message>
            <source>Complete Setup</source>
            <extracomment>IDS_WELCOME_STEP_BY_STEP</extracomment>
            <translation>Configurazione completa</translation>
        </message>
        <message>
            <source>Failed to add the printer port.</source>
            <extracomment>IDS_WZDADDPTR_ADDPORT_FAIL</extracomment>
            <translation>Impossibile aggiungere la porta della stampante.</translation>
        </message>
        <message>
            <source>Unable to add the printer.</source>
            <extracomment>IDS_WZDADDPTR_CANT_ADDPTR</extracomment>
            <translation>Impossibile aggiungere la stampante.</translation>
        </message>
        <message>
            <source>Welcome to the Add Printer Wizard</source>
            <extracomment>IDS_WZDADDPTR_CAP1</extracomment>
            <translation>Benvenuti nell'Installazione guidata stampante</translation>
        </message>
        <message>
            <source>Select a printer driver</source>
            <extracomment>IDS_WZDADDPTR_CAP3</extracomment>
            <translation>Seleziona un driver di stampa</translation>
        </message>
        <message>
            <source>Name the printer</source>
            <extracomment>IDS_WZDADDPTR_CAP4</extracomment>
            <translation>Assegna un nome alla stampante</translation>
        </message>
        <message>
            <source>Completing the Add Printer Wizard</source>
            <extracomment>IDS_WZDADDPTR_CAP5</extracomment>
            <translation>Completamento dell'Installazione guidata stampante</translation>
        </message>
        <message>
            <source>System information</source>
            <extracomment>IDS_WZDADDPTR_CAP_SYSTEM_INFO</extracomment>
            <translation>Informazioni di sistema</translation>
        </message>
        <message>
            <source>Processing data...</source>
            <extracomment>IDS_WZDADDPTR_DATA_PROCESS</extracomment>
            <translation>Elaborazione dei dati...</translation>
        </message>
        <message>
            <source>Default</source>
            <extracomment>IDS_WZDADDPTR_DEFAULT</extracomment>
            <translation>Predefinita</translation>
        </message>
        <message>
            <source>Set as the default printer</source>
            <extracomment>IDS_WZDADDPTR_DEFAULT_PTR</extracomment>
            <translation>Imposta come stampante predefinita</translation>
        </message>
        <message>
            <source>Please enter a printer name.</source>
            <extracomment>IDS_WZDADDPTR_EMPTY_NAME</extracomment>
            <translation>Immettere un nome per la stampante.</translation>
        </message>
        <message>
            <source>Failed to list the printer ports.</source>
            <extracomment>IDS_WZDADDPTR_ENUMPORT_FAIL</extracomment>
            <translation>Impossibile elencare le porte della stampante.</translation>
        </message>
        <message>
            <source>Failed to list the printers.</source>
            <extracomment>IDS_WZDADDPTR_ENUMPTR_FAIL</extracomment>
            <translation>Impossibile elencare le stampanti.</translation>
        </message>
        <message>
            <source>The printer has been added.</source>
            <extracomment>IDS_WZDADDPTR_FINISH</extracomment>
            <translation>La stampante è stata aggiunta.</translation>
        </message>
        <message>
            <source>Install from disk</source>
            <extracomment>IDS_WZDADDPTR_FROM_DISK</extracomment>
            <translation>Installa da disco</translation>
        </message>
        <message>
            <source>Have Disk...</source>
            <extracomment>IDS_WZDADDPTR_HAVE_DISK</extracomment>
            <translation>Disco driver...</translation>
        </message>
        <message>
            <source>This wizard helps you add a printer connected to the server.</source>
            <extracomment>IDS_WZDADDPTR_HELP1</extracomment>
            <translation>La procedura guidata consente di aggiungere una stampante collegata al server.</translation>
        </message>
        <message>
            <source>Select the manufacturer and model of your printer.</source>
            <extracomment>IDS_WZDADDPTR_HINT1</extracomment>
            <translation>Selezionare il produttore e il modello della stampante.</translation>
        </message>
        <message>
            <source>Driver information file</source>
            <extracomment>IDS_WZDADDPTR_INF</extracomment>
            <translation>File di informazioni del driver</translation>
        </message>
        <message>
            <source>Failed to install the printer driver.</source>
            <extracomment>IDS_WZDADDPTR_INSTALL_FAIL</extracomment>
            <translation>Impossibile installare il driver della stampante.</translation>
        </message>
        <message>
            <source>The printer name contains invalid characters.</source>
            <extracomment>IDS_WZDADDPTR_INVALID_NAMEA</extracomment>
            <translation>Il nome della stampante contiene caratteri non validi.</translation>
        </message>
        <message>
            <source>The printer name is invalid.</source>
            <extracomment>IDS_WZDADDPTR_INVALID_NAMEW</extracomment>
            <translation>Il nome della stampante non è valido.</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <extracomment>IDS_WZDADDPTR_MANUFACTURER</extracomment>
            <translation>Produttore</translation>
        </message>
        <message>
            <source>Printer model</source>
            <extracomment>IDS_WZDADDPTR_MODEL</extracomment>
            <translation>Modello stampante</translation>
        </message>
        <message>
            <source>Printer name:</source>
            <extracomment>IDS_WZDADDPTR_NAME</extracomment>
            <translation>Nome stampante:</translation>
        </message>
        <message>
            <source>A printer with this name already exists.</source>
            <extracomment>IDS_WZDADDPTR_NAME_CONFLICT</extracomment>
            <translation>Esiste già una stampante con questo nome.</translation>
        </message>
        <message>
            <source>No printer was found.</source>
            <extracomment>IDS_WZDADDPTR_NO_PTR</extracomment>
            <translation>Nessuna stampante trovata.</translation>
        </message>
        <message>
            <source>The printer is offline.</source>
            <extracomment>IDS_WZDADDPTR_OFFLINE</extracomment>
            <translation>La stampante è offline.</translation>
        </message>
        <message>
            <source>Failed to open the printer.</source>
            <extracomment>IDS_WZDADDPTR_OPENPTR_FAIL</extracomment>
            <translation>Impossibile aprire la stampante.</translation>
        </message>
        <message>
            <source>Port</source>
            <extracomment>IDS_WZDADDPTR_PORT</extracomment>
            <translation>Porta</translation>
        </message>
        <message>
            <source>Printer name</source>
            <extracomment>IDS_WZDADDPTR_PRINTER_NAME</extracomment>
            <translation>Nome stampante</translation>
        </message>
        <message>
            <source>Selected printer:</source>
            <extracomment>IDS_WZDADDPTR_SELECTED_PTR</extracomment>
            <translation>Stampante selezionata:</translation>
        </message>
        <message>
            <source>Select the printer driver.</source>
            <extracomment>IDS_WZDADDPTR_SELECT_DRIVER</extracomment>
            <translation>Selezionare il driver della stampante.</translation>
        </message>
        <message>
            <source>Select the printer to add.</source>
            <extracomment>IDS_WZDADDPTR_SELECT_PTR</extracomment>
            <translation>Selezionare la stampante da aggiungere.</translation>
        </message>
        <message>
            <source>Summary</source>
            <extracomment>IDS_WZDADDPTR_SUMMARY</extracomment>
            <translation>Riepilogo</translation>
        </message>
        <message>
            <source>Operating system: %1</source>
            <extracomment>IDS_WZDADDPTR_SYSTEM_INFO</extracomment>
            <translation>Sistema operativo: %1</translation>
        </message>
        <message>
            <source>An unexpected error occurred.</source>
            <extracomment>IDS_WZDADDPTR_UNEXPECTED</extracomment>
            <translation>Si è verificato un errore imprevisto.</translation>
        </message>
        <message>
            <source>Failed to find the USB printer.</source>
            <extracomment>IDS_WZDADDPTR_USB_FAIL</extracomment>
            <translation>Impossibile trovare la stampante USB.</translation>
        </message>
        <message>
            <source>Please wait...</source>
            <extracomment>IDS_WZDADDPTR_WAIT</extracomment>
            <translation>Attendere...</translation>
        </message>
        <message>
            <source>The driver information file is invalid.</source>
            <extracomment>IDS_WZDADDPTR_WRONG_INF</extracomment>
            <translation>Il file di informazioni del driver non è valido.</translation>
        </message>
        <message>
            <source>Unable to map the network drive.</source>
            <extracomment>IDS_WZDMAP_CANT_MAP</extracomment>
            <translation>Impossibile connettere l'unità di rete.</translation>
        </message>
        <message>
            <source>Unable to map %1 to drive %2.</source>
            <extracomment>IDS_WZDMAP_CANT_MAP_DETAIL</extracomment>
            <translation>Impossibile connettere %1 all'unità %2.</translation>
        </message>
        <message>
            <source>Drive letter conflict</source>
            <extracomment>IDS_WZDMAP_CONFLICT</extracomment>
            <translation>Conflitto di lettera di unità</translation>
        </message>
        <message>
            <source>Use the existing connection</source>
            <extracomment>IDS_WZDMAP_CONFLICT_DEFAULT</extracomment>
            <translation>Usa la connessione esistente</translation>
        </message>
        <message>
            <source>Keep the drive that is mapped now.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_DEFAULT2</extracomment>
            <translation>Mantieni l'unità attualmente connessa.</translation>
        </message>
        <message>
            <source>The selected drive letter is already in use.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_INTRO</extracomment>
            <translation>La lettera di unità selezionata è già in uso.</translation>
        </message>
        <message>
            <source>Use a new connection</source>
            <extracomment>IDS_WZDMAP_CONFLICT_NEW</extracomment>
            <translation>Usa una nuova connessione</translation>
        </message>
        <message>
            <source>Disconnect the drive and map it again.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_NEW2</extracomment>
            <translation>Disconnetti l'unità e connettila di nuovo.</translation>
        </message>
        <message>
            <source>Log in again with another account</source>
            <extracomment>IDS_WZDMAP_CONFLICT_PASSWD</extracomment>
            <translation>Accedi di nuovo con un altro account</translation>
        </message>
        <message>
            <source>Connecting to server...</source>
            <extracomment>IDS_WZDMAP_CONNECT</extracomment>
            <translation>Connessione al server...</translation>
        </message>
        <message>
            <source>Failed to connect to the server.</source>
            <extracomment>IDS_WZDMAP_CONNECT_FAIL</extracomment>
            <translation>Impossibile connettersi al server.</translation>
        </message>
        <message>
            <source>Drive:</source>
            <extracomment>IDS_WZDMAP_DRIVE</extracomment>
            <translation>Unità:</translation>
        </message>
        <message>
            <source>Please enter an account name.</source>
            <extracomment>IDS_WZDMAP_EMPTY_NAME</extracomment>
            <translation>Immettere un nome account.</translation>
        </message>
        <message>
            <source>The network drive could not be mapped.</source>
            <extracomment>IDS_WZDMAP_ERROR_INTRO</extracomment>
            <translation>Non è stato possibile connettere l'unità di rete.</translation>
        </message>
        <message>
            <source>The drive letter is in use.</source>
            <extracomment>IDS_WZDMAP_ERROR_IN_USE</extracomment>
            <translation>La lettera di unità è già in uso.</translation>
        </message>
        <message>
            <source>Mapping failed.</source>
            <extracomment>IDS_WZDMAP_FAILED</extracomment>
            <translation>Connessione dell'unità non riuscita.</translation>
        </message>
        <message>
            <source>Shared folder:</source>
            <extracomment>IDS_WZDMAP_FOLDER</extracomment>
            <translation>Cartella condivisa:</translation>
        </message>
        <message>
            <source>Enter account information</source>
            <extracomment>IDS_WZDMAP_INPUT_TITLE</extracomment>
            <translation>Immetti informazioni account</translation>
        </message>
        <message>
            <source>You do not have the rights to access this shared folder.</source>
            <extracomment>IDS_WZDMAP_INSUFFICIENT_RIGHT</extracomment>
            <translation>Non si dispone dei diritti di accesso a questa cartella condivisa.</translation>
        </message>
        <message>
            <source>Welcome to the Map Network Drive Wizard</source>
            <extracomment>IDS_WZDMAP_INTRO1</extracomment>
            <translation>Benvenuti nella Connessione guidata unità di rete</translation>
        </message>
        <message>
            <source>This wizard maps a shared folder of the server to a drive of this computer.</source>
            <extracomment>IDS_WZDMAP_INTRO2</extracomment>
            <translation>La procedura guidata connette una cartella condivisa del server a un'unità di questo computer.</translation>
        </message>
        <message>
            <source>Select the shared folder to map.</source>
            <extracomment>IDS_WZDMAP_INTRO3</extracomment>
            <translation>Selezionare la cartella condivisa da connettere.</translation>
        </message>
        <message>
            <source>Select a drive letter for the shared folder.</source>
            <extracomment>IDS_WZDMAP_INTRO4</extracomment>
            <translation>Selezionare una lettera di unità per la cartella condivisa.</translation>
        </message>
        <message>
            <source>Log in as guest</source>
            <extracomment>IDS_WZDMAP_LOGIN_BY_GUEST</extracomment>
            <translation>Accedi come ospite</translation>
        </message>
        <message>
            <source>Log in as the previous user</source>
            <extracomment>IDS_WZDMAP_LOGIN_PREV_USER</extracomment>
            <translation>Accedi come utente precedente</translation>
        </message>
        <message>
            <source>Name:</source>
            <extracomment>IDS_WZDMAP_NAME</extracomment>
            <translation>Nome:</translation>
        </message>
        <message>
            <source>Network status</source>
            <extracomment>IDS_WZDMAP_NETWORK_STATUS</extracomment>
            <translation>Stato della rete</translation>
        </message>
        <message>
            <source>The network drive has been mapped.</source>
            <extracomment>IDS_WZDMAP_OK_INTRO</extracomment>
            <translation>L'unità di rete è stata connessa.</translation>
        </message>
        <message>
            <source>Open the drive now</source>
            <extracomment>IDS_WZDMAP_OK_OPEN</extracomment>
            <translation>Apri l'unità ora</translation>
        </message>
        <message>
            <source>Reconnect at logon</source>
            <extracomment>IDS_WZDMAP_RECONNECT</extracomment>
            <translation>Riconnetti all'accesso</translation>
        </message>
        <message>
            <source>Map again</source>
            <extracomment>IDS_WZDMAP_REMAP</extracomment>
            <translation>Riconnetti</translation>
        </message>
        <message>
            <source>Please select a shared folder.</source>
            <extracomment>IDS_WZDMAP_SELECT_NONE</extracomment>
            <translation>Selezionare una cartella condivisa.</translation>
        </message>
        <message>
            <source>The network drive has been mapped successfully.</source>
            <extracomment>IDS_WZDMAP_SUCCEED</extracomment>
            <translation>L'unità di rete è stata connessa correttamente.</translation>
        </message>
        <message>
            <source>Enter a name for this server profile.</source>
            <extracomment>IDS_WZDRSRC_PROFILE_SUBTITLE</extracomment>
            <translation>Immettere un nome per questo profilo server.</translation>
        </message>
        <message>
            <source>Conclusion</source>
            <extracomment>IDS_WZD_CONCLUSION</extracomment>
            <translation>Conclusione</translation>
        </message>
        <message>
            <source>Configuration finished</source>
            <extracomment>IDS_WZD_CONF_FINISHED</extracomment>
            <translation>Configurazione completata</translation>
        </message>
        <message>
            <source>Create password</source>
            <extracomment>IDS_WZD_CREATE_PASSWD</extracomment>
            <translation>Crea password</translation>
        </message>
        <message>
            <source>Enter password</source>
            <extracomment>IDS_WZD_ENTER_PASSWD</extracomment>
            <translation>Immetti password</translation>
        </message>
        <message>
            <source>Launch the Add Printer Wizard</source>
            <extracomment>IDS_WZD_LAUNCH_ADDPTR</extracomment>
            <translation>Avvia l'Installazione guidata stampante</translation>
        </message>
        <message>
            <source>Welcome to the Memory Diagnostic Tool</source>
            <extracomment>IDS_WZD_MEM_TEST</extracomment>
            <translation>Benvenuti nello Strumento di diagnostica della memoria</translation>
        </message>
        <message>
            <source>Setup network</source>
            <extracomment>IDS_WZD_NETWORK</extracomment>
            <translation>Configura rete</translation>
        </message>
        <message>
            <source>Network settings finished</source>
            <extracomment>IDS_WZD_NET_FINISHED</extracomment>
            <translation>Configurazione di rete completata</translation>
        </message>
        <message>
            <source>Network settings report</source>
            <extracomment>IDS_WZD_NET_REPORT</extracomment>
            <translation>Rapporto impostazioni di rete</translation>
        </message>
        <message>
            <source>Configuration report</source>
            <extracomment>IDS_WZD_REPORT</extracomment>
            <translation>Rapporto di configurazione</translation>
        </message>
        <message>
            <source>Enter server information</source>
            <extracomment>IDS_WZD_SVR_INFO</extracomment>
            <translation>Immetti informazioni server</translation>
        </message>
        <message>
            <source>The local file could not be read: %1</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_LOCAL_READ</extracomment>
            <translation>Impossibile leggere il file locale: %1</translation>
        </message>
    </context>
    <context>
        <name>CVorkNasinfoModel</name>
        <message>
            <source>Manual</source>
            <translation>Manuale</translation>
        </message>
        <message>
            <source>DHCP</source>
            <translation>DHCP</translation>
        </message>
        <message>
            <source>update %1</source>
            <translation>aggiornamento %1</translation>
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
