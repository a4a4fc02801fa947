<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>global</name>
        <message>
            <source> About %1</source>
            <extracomment>IDS_ABOUT_CAPTION</extracomment>
            <translation> O programie %1</translation>
        </message>
        <message>
            <source>Copyright © Quenlori. All rights reserved.</source>
            <extracomment>IDS_ABOUT_COPYRIGHT</extracomment>
            <translation>Copyright © Quenlori. Wszelkie prawa zastrzeżone.</translation>
        </message>
        <message>
            <source>Version</source>
            <extracomment>IDS_ABOUT_VERSION</extracomment>
            <translation>Wersja</translation>
        </message>
        <message>
            <source>Please select a printer to add.</source>
            <extracomment>IDS_ADD_PRINTER_MSG1</extracomment>
            <translation>Wybierz drukarkę do dodania.</translation>
        </message>
        <message>
            <source>Adding the printer to your computer...</source>
            <extracomment>IDS_ADD_PRINTER_MSG2</extracomment>
            <translation>Dodawanie drukarki do komputera...</translation>
        </message>
        <message>
            <source>The printer has been added to your computer.</source>
            <extracomment>IDS_ADD_PRINTER_MSG3</extracomment>
            <translation>Drukarka została dodana do komputera.</translation>
        </message>
        <message>
            <source>Administrator's password</source>
            <extracomment>IDS_ADM_PASSWD</extracomment>
            <translation>Hasło administratora</translation>
        </message>
        <message>
            <source>Applying network settings...</source>
            <extracomment>IDS_APPLY_NET_SETTING</extracomment>
            <translation>Stosowanie ustawień sieciowych...</translation>
        </message>
        <message>
            <source>Applying system settings...</source>
            <extracomment>IDS_APPLY_SETTING</extracomment>
            <translation>Stosowanie ustawień systemowych...</translation>
        </message>
        <message>
            <source>Quenlori Vornakeeper</source>
            <extracomment>IDS_VORNAKEEPER_NAME</extracomment>
            <translation>Quenlori Vornakeeper</translation>
        </message>
        <message>
            <source>About</source>
            <extracomment>IDS_BTN_ABOUT, IDS_TOOL_TIPS_ABOUT</extracomment>
            <translation>O programie</translation>
        </message>
        <message>
            <source>Add Printer</source>
            <extracomment>IDS_BTN_ADDPTR</extracomment>
            <translation>Dodaj drukarkę</translation>
        </message>
        <message>
            <source>I Agree</source>
            <extracomment>IDS_BTN_AGREE</extracomment>
            <translation>Akceptuję</translation>
        </message>
        <message>
            <source>Apply</source>
            <extracomment>IDS_BTN_APPLY</extracomment>
            <translation>Zastosuj</translation>
        </message>
        <message>
            <source>Back</source>
            <extracomment>IDS_BTN_BACK</extracomment>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <extracomment>IDS_BTN_CANCEL</extracomment>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Close</source>
            <extracomment>IDS_BTN_CLOSE</extracomment>
            <translation>Zamknij</translation>
        </message>
        <message>
            <source>Exit</source>
            <extracomment>IDS_BTN_EXIT</extracomment>
            <translation>Wyjdź</translation>
        </message>
        <message>
            <source>Finish</source>
            <extracomment>IDS_BTN_FINISH</extracomment>
            <translation>Zakończ</translation>
        </message>
        <message>
            <source>Hide</source>
            <extracomment>IDS_BTN_HIDE</extracomment>
            <translation>Ukryj</translation>
        </message>
        <message>
            <source>Install</source>
            <extracomment>IDS_BTN_INSTALL</extracomment>
            <translation>Zainstaluj</translation>
        </message>
        <message>
            <source>Connect</source>
            <extracomment>IDS_BTN_MANAGE</extracomment>
            <translation>Połącz</translation>
        </message>
        <message>
            <source>Map Network Drive</source>
            <extracomment>IDS_BTN_MAP, IDS_WZDMAP_MAP_NETWORK_DRIVE</extracomment>
            <translation>Mapuj dysk sieciowy</translation>
        </message>
        <message>
            <source>Memory Test</source>
            <extracomment>IDS_BTN_MEM_TEST</extracomment>
            <translation>Test pamięci</translation>
        </message>
        <message>
            <source>Resource Monitor</source>
            <extracomment>IDS_BTN_MONITOR, IDS_MENU_RESOURCE, IDS_PREFER_LAU_SAVE_RSRC_WIN</extracomment>
            <translation>Monitor zasobów</translation>
        </message>
        <message>
            <source>Next</source>
            <extracomment>IDS_BTN_NEXT</extracomment>
            <translation>Dalej</translation>
        </message>
        <message>
            <source>No</source>
            <extracomment>IDS_BTN_NO</extracomment>
            <translation>Nie</translation>
        </message>
        <message>
            <source>I Do Not Agree</source>
            <extracomment>IDS_BTN_NO_AGREE</extracomment>
            <translation>Nie akceptuję</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>IDS_BTN_OK</extracomment>
            <translation>OK</translation>
        </message>
        <message>
            <source>Photo Uploader</source>
            <extracomment>IDS_BTN_PHOTO_UPLOADER, IDS_PHOTO_CAPTION</extracomment>
            <translation>Przesyłanie zdjęć</translation>
        </message>
        <message>
            <source>Recover System</source>
            <extracomment>IDS_BTN_RECOVERSYS</extracomment>
            <translation>Odzyskaj system</translation>
        </message>
        <message>
            <source>Add</source>
            <extracomment>IDS_BTN_RSRC_ADD</extracomment>
            <translation>Dodaj</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <extracomment>IDS_BTN_RSRC_DISCONNECT</extracomment>
            <translation>Rozłącz</translation>
        </message>
        <message>
            <source>Edit</source>
            <extracomment>IDS_BTN_RSRC_EDIT</extracomment>
            <translation>Edytuj</translation>
        </message>
        <message>
            <source>Remove</source>
            <extracomment>IDS_BTN_RSRC_REMOVE, IDS_PHOTO_BTN_REMOVE_FILE</extracomment>
            <translation>Usuń</translation>
        </message>
        <message>
            <source>Search</source>
            <extracomment>IDS_BTN_SEARCH</extracomment>
            <translation>Szukaj</translation>
        </message>
        <message>
            <source>Setup</source>
            <extracomment>IDS_BTN_SETUP</extracomment>
            <translation>Konfiguruj</translation>
        </message>
        <message>
            <source>Yes</source>
            <extracomment>IDS_BTN_YES</extracomment>
            <translation>Tak</translation>
        </message>
        <message>
            <source>Welcome</source>
            <extracomment>IDS_CAP_WELCOME</extracomment>
            <translation>Witamy</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Add Printer Wizard?</source>
            <extracomment>IDS_CFRM_ADDPTR_EXIT</extracomment>
            <translation>Czy na pewno chcesz zamknąć Kreatora dodawania drukarki?</translation>
        </message>
        <message>
            <source>Are you sure you want to continue?</source>
            <extracomment>IDS_CFRM_CONTINUE</extracomment>
            <translation>Czy na pewno chcesz kontynuować?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Setup Wizard?</source>
            <extracomment>IDS_CFRM_EXIT</extracomment>
            <translation>Czy na pewno chcesz zamknąć Kreatora konfiguracji?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Map Network Drive Wizard?</source>
            <extracomment>IDS_CFRM_MAP_EXIT</extracomment>
            <translation>Czy na pewno chcesz zamknąć Kreatora mapowania dysku sieciowego?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Network Wizard?</source>
            <extracomment>IDS_CFRM_NET_EXIT</extracomment>
            <translation>Czy na pewno chcesz zamknąć Kreatora sieci?</translation>
        </message>
        <message>
            <source>No default gateway has been entered. Are you sure you want to continue?</source>
            <extracomment>IDS_CFRM_NO_GATEWAY</extracomment>
            <translation>Nie wprowadzono bramy domyślnej. Czy na pewno chcesz kontynuować?</translation>
        </message>
        <message>
            <source>Checking if the specified IP address is in use</source>
            <extracomment>IDS_CHECK_IP_CONFLICT</extracomment>
            <translation>Sprawdzanie, czy podany adres IP jest już używany</translation>
        </message>
        <message>
            <source>:</source>
            <extracomment>IDS_COMMON_COLON</extracomment>
            <translation>:</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel?</source>
            <extracomment>IDS_CONFIRM_CANCEL</extracomment>
            <translation>Czy na pewno chcesz anulować?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit?</source>
            <extracomment>IDS_CONFIRM_EXIT</extracomment>
            <translation>Czy na pewno chcesz zakończyć?</translation>
        </message>
        <message>
            <source>Are you sure you want to unblock the program in the firewall?</source>
            <extracomment>IDS_CONFIRM_UNBLOCK</extracomment>
            <translation>Czy na pewno chcesz odblokować program w zaporze sieciowej?</translation>
        </message>
        <message>
            <source>Create volume</source>
            <extracomment>IDS_CREATE_VOLUME</extracomment>
            <translation>Utwórz wolumin</translation>
        </message>
        <message>
            <source>Please enter a server name.</source>
            <extracomment>IDS_EMPTY_SERV_NAME</extracomment>
            <translation>Wprowadź nazwę serwera.</translation>
        </message>
        <message>
            <source>Error</source>
            <extracomment>IDS_ERROR</extracomment>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>Failed to unblock the program in the firewall.</source>
            <extracomment>IDS_ERROR_UNBLOCK</extracomment>
            <translation>Nie udało się odblokować programu w zaporze sieciowej.</translation>
        </message>
        <message>
            <source>The selected code page is invalid.</source>
            <extracomment>IDS_ERROR_WRONG_CODEPAGE</extracomment>
            <translation>Wybrana strona kodowa jest nieprawidłowa.</translation>
        </message>
        <message>
            <source>Access denied.</source>
            <extracomment>IDS_ERR_ACCESS_DENY</extracomment>
            <translation>Odmowa dostępu.</translation>
        </message>
        <message>
            <source>Please enter an administrator account</source>
            <extracomment>IDS_ERR_ADMINACCOUNT_EMPTY</extracomment>
            <translation>Wprowadź konto administratora</translation>
        </message>
        <message>
            <source>%1 is not a valid Imagrove user account.</source>
            <extracomment>IDS_ERR_AUTH_NOT_PHOTO_USER</extracomment>
            <translation>%1 nie jest prawidłowym kontem użytkownika witryny Imagrove.</translation>
        </message>
        <message>
            <source>Requested Personal Imagrove is disabled. Please log in to VNO to enable the Personal Imagrove.</source>
            <extracomment>IDS_ERR_AUTH_PERSONAL_PHOTO_NOT_RUN</extracomment>
            <translation>Żądana osobista witryna Imagrove jest wyłączona. Zaloguj się do VNO, aby włączyć osobistą witrynę Imagrove.</translation>
        </message>
        <message>
            <source>Imagrove is disabled. Please log in to VNO as admin (or a user belonging to the administrators group) to enable Imagrove.</source>
            <extracomment>IDS_ERR_AUTH_PHOTO_NOT_RUN</extracomment>
            <translation>Witryna Imagrove jest wyłączona. Aby ją włączyć, zaloguj się do VNO jako admin (lub jako użytkownik należący do grupy administratorów).</translation>
        </message>
        <message>
            <source>The account or password is invalid. Please try again.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_AUTHFAILED</extracomment>
            <translation>Nieprawidłowe konto lub hasło. Spróbuj ponownie.</translation>
        </message>
        <message>
            <source>The user account has been disabled.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_DISABLED</extracomment>
            <translation>Konto użytkownika zostało wyłączone.</translation>
        </message>
        <message>
            <source>The user account does not exist.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_UNEXIST</extracomment>
            <translation>Konto użytkownika nie istnieje.</translation>
        </message>
        <message>
            <source>The port number must be between 1 and 65535.</source>
            <extracomment>IDS_ERR_BADPORT</extracomment>
            <translation>Numer portu musi mieścić się w zakresie od 1 do 65535.</translation>
        </message>
        <message>
            <source>Connection error. (Error Code: %1)</source>
            <extracomment>IDS_ERR_CONNECTION_FAIL</extracomment>
            <translation>Błąd połączenia. (Kod błędu: %1)</translation>
        </message>
        <message>
            <source>The IP address and the default gateway belong to two different subnets.</source>
            <extracomment>IDS_ERR_DIFF_SUBNET</extracomment>
            <translation>Adres IP i brama domyślna należą do dwóch różnych podsieci.</translation>
        </message>
        <message>
            <source>This function is not supported by the connected device.</source>
            <extracomment>IDS_ERR_VR_NOT_SUPP</extracomment>
            <translation>Ta funkcja nie jest obsługiwana przez podłączone urządzenie.</translation>
        </message>
        <message>
            <source>Please enter a valid hostname or IP address.</source>
            <extracomment>IDS_ERR_HOST_ADDR1</extracomment>
            <translation>Wprowadź prawidłową nazwę hosta lub adres IP.</translation>
        </message>
        <message>
            <source>Invalid IP address.</source>
            <extracomment>IDS_ERR_INVALID_IP</extracomment>
            <translation>Nieprawidłowy adres IP.</translation>
        </message>
        <message>
            <source>The IP address and the subnet mask do not match.</source>
            <extracomment>IDS_ERR_INVALID_IP_MASK</extracomment>
            <translation>Adres IP nie pasuje do maski podsieci.</translation>
        </message>
        <message>
            <source>The specified IP address is in use.</source>
            <extracomment>IDS_ERR_IP_INUSE</extracomment>
            <translation>Podany adres IP jest już używany.</translation>
        </message>
        <message>
            <source>Failed to launch the web browser to connect to VNO. Please check the settings of your default web browser and try again.</source>
            <extracomment>IDS_ERR_LAUNCH_BROWSER</extracomment>
            <translation>Nie udało się uruchomić przeglądarki internetowej w celu połączenia z VNO. Sprawdź ustawienia domyślnej przeglądarki internetowej i spróbuj ponownie.</translation>
        </message>
        <message>
            <source>You are not authorized to use this service.</source>
            <extracomment>IDS_ERR_LOGIN_AUTO_BLOCKED</extracomment>
            <translation>Nie masz uprawnień do korzystania z tej usługi.</translation>
        </message>
        <message>
            <source>Failed to map the network drive: the account or password is invalid.</source>
            <extracomment>IDS_ERR_MAPDRIVE_AUTHFAILED</extracomment>
            <translation>Nie udało się zmapować dysku sieciowego: nieprawidłowe konto lub hasło.</translation>
        </message>
        <message>
            <source>Failed to map the network drive.</source>
            <extracomment>IDS_ERR_MAP_DRIVE</extracomment>
            <translation>Nie udało się zmapować dysku sieciowego.</translation>
        </message>
        <message>
            <source>One or more errors have been found by the memory diagnostic test.</source>
            <extracomment>IDS_ERR_MEM_TEST</extracomment>
            <translation>Test diagnostyczny pamięci wykrył co najmniej jeden błąd.</translation>
        </message>
        <message>
            <source>Failed to mount the volume.</source>
            <extracomment>IDS_ERR_MOUNT_VOLUME</extracomment>
            <translation>Nie udało się zamontować woluminu.</translation>
        </message>
        <message>
            <source>An error occurred during installation. The telnet service of Varnestor is turned on for error determination. Please configure your router to forward port 23 to Varnestor and contact Quenlori online support.</source>
            <extracomment>IDS_ERR_NETINSTALL_CONTACT</extracomment>
            <translation>Podczas instalacji wystąpił błąd. W celu ustalenia przyczyny błędu na serwerze Varnestor włączono usługę telnet. Skonfiguruj router tak, aby przekierowywał port 23 do serwera Varnestor, i skontaktuj się z pomocą techniczną online firmy Quenlori.</translation>
        </message>
        <message>
            <source>If you are performing the installation through wireless network connection, please switch to Ethernet cable connection for both your Varnestor and PC client and try again.</source>
            <extracomment>IDS_ERR_NETINSTALL_RETRY</extracomment>
            <translation>Jeśli instalacja odbywa się przez połączenie bezprzewodowe, podłącz zarówno serwer Varnestor, jak i komputer kablem Ethernet i spróbuj ponownie.</translation>
        </message>
        <message>
            <source>Network error.</source>
            <extracomment>IDS_ERR_NETWORK</extracomment>
            <translation>Błąd sieci.</translation>
        </message>
        <message>
            <source>No network adapter was found on this computer.</source>
            <extracomment>IDS_ERR_NONETCARD</extracomment>
            <translation>Na tym komputerze nie znaleziono karty sieciowej.</translation>
        </message>
        <message>
            <source>No such user.</source>
            <extracomment>IDS_ERR_NOSUCH_USER</extracomment>
            <translation>Nie ma takiego użytkownika.</translation>
        </message>
        <message>
            <source>The DHCP server is not found.</source>
            <extracomment>IDS_ERR_NO_DHCP</extracomment>
            <translation>Nie znaleziono serwera DHCP.</translation>
        </message>
        <message>
            <source>Failed to confirm password. Please enter it again.</source>
            <extracomment>IDS_ERR_PASSWORD</extracomment>
            <translation>Nie udało się potwierdzić hasła. Wprowadź je ponownie.</translation>
        </message>
        <message>
            <source>Please enter the name of a Personal Imagrove</source>
            <extracomment>IDS_ERR_PERSONAL_NAME_EMPTY</extracomment>
            <translation>Wprowadź nazwę osobistej witryny Imagrove</translation>
        </message>
        <message>
            <source>Imagrove is not installed. Please install the package at Bundlory to upload photos.</source>
            <extracomment>IDS_ERR_PHOTO_NOT_INSTALL</extracomment>
            <translation>Pakiet Imagrove nie jest zainstalowany. Aby przesyłać zdjęcia, zainstaluj ten pakiet w Bundlory.</translation>
        </message>
        <message>
            <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
            <extracomment>IDS_ERR_PHOTO_ROOT_PATH_NOT_FOUND</extracomment>
            <translation>Nie znaleziono udostępnionego folderu zdjęć. Przed przesłaniem upewnij się, że udostępniony folder zdjęć istnieje.</translation>
        </message>
        <message>
            <source>The port number is already in use.</source>
            <extracomment>IDS_ERR_PORT_USED</extracomment>
            <translation>Ten numer portu jest już używany.</translation>
        </message>
        <message>
            <source>Server name [%1] already exists.</source>
            <extracomment>IDS_ERR_PROFILE_NAME_EXISTED</extracomment>
            <translation>Nazwa serwera [%1] już istnieje.</translation>
        </message>
        <message>
            <source>The server with the IP [%1] and connecting through port [%2] has already been added.</source>
            <extracomment>IDS_ERR_RSRC_IP_PORT_EXISTED</extracomment>
            <translation>Serwer o adresie IP [%1], łączący się przez port [%2], został już dodany.</translation>
        </message>
        <message>
            <source>Nothing is selected.</source>
            <extracomment>IDS_ERR_SELECT_NONE</extracomment>
            <translation>Nic nie zaznaczono.</translation>
        </message>
        <message>
            <source>No %1 was found on the local network.</source>
            <extracomment>IDS_ERR_SERV_NOT_FOUND</extracomment>
            <translation>Żaden %1 nie został znaleziony w sieci lokalnej.</translation>
        </message>
        <message>
            <source>Errors occurred while configuring %1.</source>
            <extracomment>IDS_ERR_SET_SERV</extracomment>
            <translation>Konfigurując %1, program napotkał błędy.</translation>
        </message>
        <message>
            <source>Processing...</source>
            <extracomment>IDS_ERR_SYS_BUSY</extracomment>
            <translation>Przetwarzanie...</translation>
        </message>
        <message>
            <source>The user account has expired.</source>
            <extracomment>IDS_ERR_USER_EXPIRED</extracomment>
            <translation>Konto użytkownika wygasło.</translation>
        </message>
        <message>
            <source>Invalid DNS server.</source>
            <extracomment>IDS_ERR_WRONG_DNS</extracomment>
            <translation>Nieprawidłowy serwer DNS.</translation>
        </message>
        <message>
            <source>Invalid default gateway.</source>
            <extracomment>IDS_ERR_WRONG_GATEWAY</extracomment>
            <translation>Nieprawidłowa brama domyślna.</translation>
        </message>
        <message>
            <source>The default gateway does not match the subnet mask.</source>
            <extracomment>IDS_ERR_WRONG_GATEWAY_MASK</extracomment>
            <translation>Brama domyślna nie pasuje do maski podsieci.</translation>
        </message>
        <message>
            <source>Invalid subnet mask.</source>
            <extracomment>IDS_ERR_WRONG_NETMASK</extracomment>
            <translation>Nieprawidłowa maska podsieci.</translation>
        </message>
        <message>
            <source>Searching for an available IP address</source>
            <extracomment>IDS_FIND_IP</extracomment>
            <translation>Wyszukiwanie dostępnego adresu IP</translation>
        </message>
        <message>
            <source>Total %1 Quenlori server(s) found.</source>
            <extracomment>IDS_FOUND_SERVER</extracomment>
            <translation>Liczba znalezionych serwerów Quenlori: %1.</translation>
        </message>
        <message>
            <source>Connection timeout.</source>
            <extracomment>IDS_FSCK_CANCEL_TIMEOUT</extracomment>
            <translation>Upłynął limit czasu połączenia.</translation>
        </message>
        <message>
            <source>Are you sure you want to skip the file system check?</source>
            <extracomment>IDS_FSCK_CFRM_STOP_DESC</extracomment>
            <translation>Czy na pewno chcesz pominąć sprawdzanie systemu plików?</translation>
        </message>
        <message>
            <source>File System Check</source>
            <extracomment>IDS_FSCK_DLG_TITLE</extracomment>
            <translation>Sprawdzanie systemu plików</translation>
        </message>
        <message>
            <source>Cancelling file system check...</source>
            <extracomment>IDS_FSCK_LBL_CANCELING</extracomment>
            <translation>Anulowanie sprawdzania systemu plików...</translation>
        </message>
        <message>
            <source>Failed to skip the file system check.</source>
            <extracomment>IDS_FSCK_MSG_CANCEL_ERR</extracomment>
            <translation>Nie udało się pominąć sprawdzania systemu plików.</translation>
        </message>
        <message>
            <source>By installing, you agree to the [a href=&quot;https://www.quenlori.com/terms&quot;&gt;Quenlori Terms and Conditions[/a&gt;.</source>
            <extracomment>IDS_HELP_EULA</extracomment>
            <translation>Instalacja oznacza akceptację [a href=&quot;https://www.quenlori.com/terms&quot;&gt;Warunków użytkowania firmy Quenlori[/a&gt;.</translation>
        </message>
        <message>
            <source>Only the administrator can run memory diagnostic tool. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_MEM_TEST_PASSWD</extracomment>
            <translation>Tylko administrator może uruchomić narzędzie diagnostyki pamięci. Wprowadź hasło administratora.</translation>
        </message>
        <message>
            <source>Only the administrator account can change the network settings. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_NETWIZ_PASSWD</extracomment>
            <translation>Tylko konto administratora może zmieniać ustawienia sieciowe. Wprowadź hasło administratora.</translation>
        </message>
        <message>
            <source>Suggested settings are provided for %1 based on your current network settings. Follow the suggestions if you do not wish to enter your network settings manually.</source>
            <extracomment>IDS_HELP_NETWORK</extracomment>
            <translation>Na podstawie bieżących ustawień sieciowych komputera zaproponowano ustawienia, za pomocą których można skonfigurować %1. Jeśli nie chcesz wprowadzać ustawień sieciowych ręcznie, skorzystaj z tych propozycji.</translation>
        </message>
        <message>
            <source>The password protects the administrator account of the server.</source>
            <extracomment>IDS_HELP_PASSWD1</extracomment>
            <translation>Hasło chroni konto administratora serwera.</translation>
        </message>
        <message>
            <source>Maximum password length is %1 characters. It can be any displayable character, including letters, numbers, signs, space...etc.</source>
            <extracomment>IDS_HELP_PASSWD2</extracomment>
            <translation>Maksymalna długość hasła (liczba znaków): %1. Hasło może zawierać dowolne znaki drukowalne, w tym litery, cyfry, symbole, spacje itp.</translation>
        </message>
        <message>
            <source>Changes to these settings take effect after a restart.</source>
            <extracomment>IDS_HELP_PREFERENCE_RESTART</extracomment>
            <translation>Zmiany tych ustawień zaczną obowiązywać po ponownym uruchomieniu.</translation>
        </message>
        <message>
            <source>Enter the hostname or IP address and the port number of the server to be monitored.</source>
            <extracomment>IDS_HELP_RSRC_IP</extracomment>
            <translation>Wprowadź nazwę hosta lub adres IP oraz numer portu monitorowanego serwera.</translation>
        </message>
        <message>
            <source>Only the administrator can access resource monitor. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_RSRC_PASSWD</extracomment>
            <translation>Tylko administrator ma dostęp do monitora zasobów. Wprowadź hasło administratora.</translation>
        </message>
        <message>
            <source>The profile name identifies the server in the resource monitor.</source>
            <extracomment>IDS_HELP_RSRC_PROFILE</extracomment>
            <translation>Nazwa profilu identyfikuje serwer w monitorze zasobów.</translation>
        </message>
        <message>
            <source>Please review the settings that will be applied to the system. You can go back and modify the settings if needed.</source>
            <extracomment>IDS_HELP_SUMMARY</extracomment>
            <translation>Sprawdź ustawienia, które zostaną zastosowane w systemie. W razie potrzeby możesz wrócić i je zmienić.</translation>
        </message>
        <message>
            <source>Server name may contain letters, numbers, underscores and minus signs. The first character must be a letter.</source>
            <extracomment>IDS_HELP_SVRNAME1</extracomment>
            <translation>Nazwa serwera może zawierać litery, cyfry, znaki podkreślenia i znaki minus. Pierwszym znakiem musi być litera.</translation>
        </message>
        <message>
            <source>Server name can be 1 to 15 characters long.</source>
            <extracomment>IDS_HELP_SVRNAME2</extracomment>
            <translation>Nazwa serwera może mieć od 1 do 15 znaków.</translation>
        </message>
        <message>
            <source>Incorrect password.</source>
            <extracomment>IDS_INCORRECT_PASSWD</extracomment>
            <translation>Nieprawidłowe hasło.</translation>
        </message>
        <message>
            <source>Information</source>
            <extracomment>IDS_INFORMATION</extracomment>
            <translation>Informacja</translation>
        </message>
        <message>
            <source>System has been installed successfully.</source>
            <extracomment>IDS_INSTALL_FINISHED</extracomment>
            <translation>System został pomyślnie zainstalowany.</translation>
        </message>
        <message>
            <source>Setup is complete. You can now log in your server via Quenlori Vornakeeper.</source>
            <extracomment>IDS_INSTALL_FINISHED_INFO</extracomment>
            <translation>Konfiguracja została zakończona. Możesz teraz zalogować się do serwera za pomocą programu Quenlori Vornakeeper.</translation>
        </message>
        <message>
            <source>Log in to %1</source>
            <extracomment>IDS_INSTALL_FINISHED_LOGIN</extracomment>
            <translation>Zaloguj się do serwera %1</translation>
        </message>
        <message>
            <source>To install an unconfigured server, double click the server in the Management page.</source>
            <extracomment>IDS_INSTALL_PAGE_EMPTY</extracomment>
            <translation>Aby zainstalować nieskonfigurowany serwer, kliknij go dwukrotnie na stronie „Zarządzanie”.</translation>
        </message>
        <message>
            <source>You have entered an invalid server name</source>
            <extracomment>IDS_INVALID_HOSTNAME</extracomment>
            <translation>Wprowadzono nieprawidłową nazwę serwera</translation>
        </message>
        <message>
            <source>Server name contains invalid characters.</source>
            <extracomment>IDS_INVALID_SERV_NAME</extracomment>
            <translation>Nazwa serwera zawiera nieprawidłowe znaki.</translation>
        </message>
        <message>
            <source>Failed to apply the network setting. Please try another one.</source>
            <extracomment>IDS_IP_FAILED</extracomment>
            <translation>Nie udało się zastosować ustawień sieciowych. Spróbuj użyć innych.</translation>
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
            <translation>Domyślny systemowy</translation>
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
            <translation>Konto administratora:</translation>
        </message>
        <message>
            <source>Enable Advanced Services</source>
            <extracomment>IDS_LBL_ADV_FUNCTIONS</extracomment>
            <translation>Włącz usługi zaawansowane</translation>
        </message>
        <message>
            <source>Checking IP address: %1</source>
            <extracomment>IDS_LBL_CHECK_IP</extracomment>
            <translation>Sprawdzanie adresu IP: %1</translation>
        </message>
        <message>
            <source>Authenticating ...</source>
            <extracomment>IDS_LBL_CHK_AUTH</extracomment>
            <translation>Uwierzytelnianie...</translation>
        </message>
        <message>
            <source>Connect immediately</source>
            <extracomment>IDS_LBL_CONNECT_IMMEDIATELY</extracomment>
            <translation>Połącz natychmiast</translation>
        </message>
        <message>
            <source>Create a password for the administrator account.</source>
            <extracomment>IDS_LBL_CREATE_PASSWD</extracomment>
            <translation>Utwórz hasło do konta administratora.</translation>
        </message>
        <message>
            <source>Create a Quenlori Hybrid RAID (QBV) volume after installation</source>
            <extracomment>IDS_LBL_CREATE_QBV</extracomment>
            <translation>Utwórz wolumin Quenlori Hybrid RAID (QBV) po instalacji</translation>
        </message>
        <message>
            <source>Date</source>
            <extracomment>IDS_LBL_DATE</extracomment>
            <translation>Data</translation>
        </message>
        <message>
            <source>DNS server</source>
            <extracomment>IDS_LBL_DNS</extracomment>
            <translation>Serwer DNS</translation>
        </message>
        <message>
            <source>Drive letter</source>
            <extracomment>IDS_LBL_DRIVE_ID</extracomment>
            <translation>Litera dysku</translation>
        </message>
        <message>
            <source>Varnestor Manager URL</source>
            <extracomment>IDS_LBL_VNO_URL</extracomment>
            <translation>Adres URL Varnestor Manager</translation>
        </message>
        <message>
            <source>Please enter the hostname or IP address of the server.</source>
            <extracomment>IDS_LBL_ENTER_HOST</extracomment>
            <translation>Wprowadź nazwę hosta lub adres IP serwera.</translation>
        </message>
        <message>
            <source>Please enter the administrator's password.</source>
            <extracomment>IDS_LBL_ENTER_PASSWD</extracomment>
            <translation>Wprowadź hasło administratora.</translation>
        </message>
        <message>
            <source>Quenlori Terms and Conditions</source>
            <extracomment>IDS_LBL_EULA_CAPTION</extracomment>
            <translation>Warunki użytkowania firmy Quenlori</translation>
        </message>
        <message>
            <source>Please review the Quenlori Terms and Conditions. If you agree the terms, click %1 to continue. Otherwise, click %2 to exit.</source>
            <extracomment>IDS_LBL_EULA_DESC</extracomment>
            <translation>Zapoznaj się z Warunkami użytkowania firmy Quenlori. Jeśli akceptujesz warunki, kliknij %1, aby kontynuować. W przeciwnym razie kliknij %2, aby zakończyć.</translation>
        </message>
        <message>
            <source>Default gateway</source>
            <extracomment>IDS_LBL_GATEWAY</extracomment>
            <translation>Brama domyślna</translation>
        </message>
        <message>
            <source>Guest</source>
            <extracomment>IDS_LBL_GUEST</extracomment>
            <translation>Gość</translation>
        </message>
        <message>
            <source>Hint:</source>
            <extracomment>IDS_LBL_HINT</extracomment>
            <translation>Wskazówka:</translation>
        </message>
        <message>
            <source>Hostname/IP address</source>
            <extracomment>IDS_LBL_HOSTADDR</extracomment>
            <translation>Nazwa hosta/adres IP</translation>
        </message>
        <message>
            <source>Please enter the hostname or IP address.</source>
            <extracomment>IDS_LBL_HOSTADDR_DESC</extracomment>
            <translation>Wprowadź nazwę hosta lub adres IP.</translation>
        </message>
        <message>
            <source>IP address</source>
            <extracomment>IDS_LBL_IP</extracomment>
            <translation>Adres IP</translation>
        </message>
        <message>
            <source>Memory Test of [%1] has been started.</source>
            <extracomment>IDS_LBL_MEM_TEST_STARTED</extracomment>
            <translation>Rozpoczęto test pamięci serwera [%1].</translation>
        </message>
        <message>
            <source>Please select the directory containing all installation files.</source>
            <extracomment>IDS_LBL_MULTI_INSTALL_PATCH_DIR</extracomment>
            <translation>Wybierz folder zawierający wszystkie pliki instalacyjne.</translation>
        </message>
        <message>
            <source>You are about to install multiple servers. Setup Wizard will help you install VNO and complete the basic configurations. Please put the installation files for all servers into one directory.</source>
            <extracomment>IDS_LBL_MULTI_INSTALL_PATCH_DIR_DESC</extracomment>
            <translation>Zamierzasz zainstalować wiele serwerów. Kreator konfiguracji pomoże zainstalować VNO i przeprowadzić podstawową konfigurację. Umieść pliki instalacyjne wszystkich serwerów w jednym folderze.</translation>
        </message>
        <message>
            <source>Subnet mask</source>
            <extracomment>IDS_LBL_NETMASK</extracomment>
            <translation>Maska podsieci</translation>
        </message>
        <message>
            <source>Enter the network settings.</source>
            <extracomment>IDS_LBL_NET_DESC1</extracomment>
            <translation>Wprowadź ustawienia sieciowe.</translation>
        </message>
        <message>
            <source>Confirm new password:</source>
            <extracomment>IDS_LBL_PASSWD_CONFIRM</extracomment>
            <translation>Potwierdź nowe hasło:</translation>
        </message>
        <message>
            <source>New password:</source>
            <extracomment>IDS_LBL_PASSWD_CREATE</extracomment>
            <translation>Nowe hasło:</translation>
        </message>
        <message>
            <source>Password:</source>
            <extracomment>IDS_LBL_PASSWD_TITLE, IDS_WZDMAP_PASSWD</extracomment>
            <translation>Hasło:</translation>
        </message>
        <message>
            <source>Please select a server for photo uploads</source>
            <extracomment>IDS_LBL_PHOTO_UPLOAD_INPUT_SVR</extracomment>
            <translation>Wybierz serwer, na który mają być przesyłane zdjęcia</translation>
        </message>
        <message>
            <source>Port number</source>
            <extracomment>IDS_LBL_PORT</extracomment>
            <translation>Numer portu</translation>
        </message>
        <message>
            <source>Printer</source>
            <extracomment>IDS_LBL_PRINTER, IDS_MFP_TABLE_PRINTER, IDS_WZDADDPTR_PRINTER</extracomment>
            <translation>Drukarka</translation>
        </message>
        <message>
            <source>Name</source>
            <extracomment>IDS_LBL_PROFILE</extracomment>
            <translation>Nazwa</translation>
        </message>
        <message>
            <source>Protocol</source>
            <extracomment>IDS_LBL_PROTOCOL</extracomment>
            <translation>Protokół</translation>
        </message>
        <message>
            <source>Bond</source>
            <extracomment>IDS_LBL_RSRC_BOND</extracomment>
            <translation>Agregacja</translation>
        </message>
        <message>
            <source>CPU Usage</source>
            <extracomment>IDS_LBL_RSRC_CPU_USAGE</extracomment>
            <translation>Użycie CPU</translation>
        </message>
        <message>
            <source>Select from the list below</source>
            <extracomment>IDS_LBL_RSRC_INPUT_AUTO</extracomment>
            <translation>Wybierz z poniższej listy</translation>
        </message>
        <message>
            <source>Manual setup</source>
            <extracomment>IDS_LBL_RSRC_INPUT_MANU</extracomment>
            <translation>Konfiguracja ręczna</translation>
        </message>
        <message>
            <source>Please select the server to be monitored</source>
            <extracomment>IDS_LBL_RSRC_INPUT_SVR</extracomment>
            <translation>Wybierz serwer do monitorowania</translation>
        </message>
        <message>
            <source>LAN</source>
            <extracomment>IDS_LBL_RSRC_LAN, IDS_WAKEUP_ADD_TYPE_LAN</extracomment>
            <translation>LAN</translation>
        </message>
        <message>
            <source>Memory Usage</source>
            <extracomment>IDS_LBL_RSRC_MEM_USAGE</extracomment>
            <translation>Użycie pamięci</translation>
        </message>
        <message>
            <source>PPPoE</source>
            <extracomment>IDS_LBL_RSRC_PPPOE</extracomment>
            <translation>PPPoE</translation>
        </message>
        <message>
            <source>Volume</source>
            <extracomment>IDS_LBL_RSRC_VOL</extracomment>
            <translation>Wolumin</translation>
        </message>
        <message>
            <source>Available</source>
            <extracomment>IDS_LBL_RSRC_VOL_FREE, IDS_MFP_LBL_STATUS_FREE</extracomment>
            <translation>Dostępne</translation>
        </message>
        <message>
            <source>Used size</source>
            <extracomment>IDS_LBL_RSRC_VOL_USED</extracomment>
            <translation>Zajęte</translation>
        </message>
        <message>
            <source>Wireless</source>
            <extracomment>IDS_LBL_RSRC_WIRELESS</extracomment>
            <translation>Bezprzewodowe</translation>
        </message>
        <message>
            <source>(minutes)</source>
            <extracomment>IDS_LBL_RSRC_X_UNIT</extracomment>
            <translation>(minuty)</translation>
        </message>
        <message>
            <source>Remember password</source>
            <extracomment>IDS_LBL_SAVE_PASSWD</extracomment>
            <translation>Zapamiętaj hasło</translation>
        </message>
        <message>
            <source>Settings</source>
            <extracomment>IDS_LBL_SETTING</extracomment>
            <translation>Ustawienia</translation>
        </message>
        <message>
            <source>(recommended)</source>
            <extracomment>IDS_LBL_SUGGESTED</extracomment>
            <translation>(zalecane)</translation>
        </message>
        <message>
            <source>Time</source>
            <extracomment>IDS_LBL_TIME</extracomment>
            <translation>Godzina</translation>
        </message>
        <message>
            <source>Time zone</source>
            <extracomment>IDS_LBL_TIMEZONE, IDS_LST_TIMEZONE</extracomment>
            <translation>Strefa czasowa</translation>
        </message>
        <message>
            <source>Volume name</source>
            <extracomment>IDS_LBL_VOLUME_NAME</extracomment>
            <translation>Nazwa woluminu</translation>
        </message>
        <message>
            <source>[%1] is rebooting ...</source>
            <extracomment>IDS_LBL_WAIT_REBOOT</extracomment>
            <translation>Ponowne uruchamianie serwera [%1]...</translation>
        </message>
        <message>
            <source>Time settings</source>
            <extracomment>IDS_LBL_WZD_TIME</extracomment>
            <translation>Ustawienia czasu</translation>
        </message>
        <message>
            <source>Set the time zone of the server.</source>
            <extracomment>IDS_LBL_WZD_TIME_DESC1</extracomment>
            <translation>Ustaw strefę czasową serwera.</translation>
        </message>
        <message>
            <source>Set the date and time of the server.</source>
            <extracomment>IDS_LBL_WZD_TIME_DESC2</extracomment>
            <translation>Ustaw datę i godzinę serwera.</translation>
        </message>
        <message>
            <source>The clock of the server is set to the date and time of this computer.</source>
            <extracomment>IDS_LBL_WZD_TIME_HELP</extracomment>
            <translation>Zegar serwera zostanie ustawiony zgodnie z datą i godziną tego komputera.</translation>
        </message>
        <message>
            <source>Code page</source>
            <extracomment>IDS_LST_CODEPAGE</extracomment>
            <translation>Strona kodowa</translation>
        </message>
        <message>
            <source>Date and time</source>
            <extracomment>IDS_LST_DATETIME</extracomment>
            <translation>Data i godzina</translation>
        </message>
        <message>
            <source>DHCP</source>
            <extracomment>IDS_LST_DHCP</extracomment>
            <translation>DHCP</translation>
        </message>
        <message>
            <source>Drive</source>
            <extracomment>IDS_LST_DRIVE</extracomment>
            <translation>Dysk</translation>
        </message>
        <message>
            <source>IP status</source>
            <extracomment>IDS_LST_IP_STATUS</extracomment>
            <translation>Stan IP</translation>
        </message>
        <message>
            <source>MAC address</source>
            <extracomment>IDS_LST_SERV_MAC_ADDR</extracomment>
            <translation>Adres MAC</translation>
        </message>
        <message>
            <source>Model</source>
            <extracomment>IDS_LST_SERV_MODEL</extracomment>
            <translation>Model</translation>
        </message>
        <message>
            <source>Server name</source>
            <extracomment>IDS_LST_SERV_NAME, IDS_WZD_SVRNAME</extracomment>
            <translation>Nazwa serwera</translation>
        </message>
        <message>
            <source>Serial no</source>
            <extracomment>IDS_LST_SERV_SERIAL_NO</extracomment>
            <translation>Nr seryjny</translation>
        </message>
        <message>
            <source>Status</source>
            <extracomment>IDS_LST_SERV_STATUS</extracomment>
            <translation>Stan</translation>
        </message>
        <message>
            <source>Booting</source>
            <extracomment>IDS_LST_SYS_BOOTING</extracomment>
            <translation>Uruchamianie</translation>
        </message>
        <message>
            <source>Check progress</source>
            <extracomment>IDS_LST_SYS_CHECKING_PROGRESS</extracomment>
            <translation>Zobacz postęp</translation>
        </message>
        <message>
            <source>Configuration lost</source>
            <extracomment>IDS_LST_SYS_CRASH</extracomment>
            <translation>Utracono konfigurację</translation>
        </message>
        <message>
            <source>Checking file system (%1 minutes remaining)</source>
            <extracomment>IDS_LST_SYS_FSCK</extracomment>
            <translation>Sprawdzanie systemu plików (pozostało: %1 min)</translation>
        </message>
        <message>
            <source>Performing memory test (%1.%2%)</source>
            <extracomment>IDS_LST_SYS_MEM_TESTING</extracomment>
            <translation>Test pamięci w toku (%1,%2%)</translation>
        </message>
        <message>
            <source>Migratable</source>
            <extracomment>IDS_LST_SYS_MIGRAT</extracomment>
            <translation>Możliwa migracja</translation>
        </message>
        <message>
            <source>Connection failed.</source>
            <extracomment>IDS_LST_SYS_NET_ERROR</extracomment>
            <translation>Połączenie nie powiodło się.</translation>
        </message>
        <message>
            <source>Getting connection status...</source>
            <extracomment>IDS_LST_SYS_NET_TESTING</extracomment>
            <translation>Pobieranie stanu połączenia...</translation>
        </message>
        <message>
            <source>Checking quota</source>
            <extracomment>IDS_LST_SYS_QUOTA_CHECKING</extracomment>
            <translation>Sprawdzanie limitów</translation>
        </message>
        <message>
            <source>Ready</source>
            <extracomment>IDS_LST_SYS_READY</extracomment>
            <translation>Gotowy</translation>
        </message>
        <message>
            <source>Recoverable</source>
            <extracomment>IDS_LST_SYS_RECOVERABLE</extracomment>
            <translation>Możliwe odzyskanie</translation>
        </message>
        <message>
            <source>Starting services</source>
            <extracomment>IDS_LST_SYS_SERVICE_STARTING</extracomment>
            <translation>Uruchamianie usług</translation>
        </message>
        <message>
            <source>Not configured</source>
            <extracomment>IDS_LST_SYS_UNCONFIG</extracomment>
            <translation>Nieskonfigurowany</translation>
        </message>
        <message>
            <source>Not installed</source>
            <extracomment>IDS_LST_SYS_UNINSTALL</extracomment>
            <translation>Niezainstalowany</translation>
        </message>
        <message>
            <source>Upgrading</source>
            <extracomment>IDS_LST_SYS_UPDATING</extracomment>
            <translation>Aktualizowanie</translation>
        </message>
        <message>
            <source>Lock</source>
            <extracomment>IDS_MFP_BTN_LOCK</extracomment>
            <translation>Zablokuj</translation>
        </message>
        <message>
            <source>Refresh</source>
            <extracomment>IDS_MFP_BTN_REFRESH</extracomment>
            <translation>Odśwież</translation>
        </message>
        <message>
            <source>Release</source>
            <extracomment>IDS_MFP_BTN_RELEASE</extracomment>
            <translation>Zwolnij</translation>
        </message>
        <message>
            <source>Click Apply to save the printer settings.</source>
            <extracomment>IDS_MFP_LBL_APPLY_INFO</extracomment>
            <translation>Kliknij „Zastosuj”, aby zapisać ustawienia drukarki.</translation>
        </message>
        <message>
            <source>Connect to the printer automatically when sending a fax</source>
            <extracomment>IDS_MFP_LBL_AUTO_LOCK_FAX_INIT</extracomment>
            <translation>Automatycznie łącz z drukarką podczas wysyłania faksu</translation>
        </message>
        <message>
            <source>Connect to the printer automatically when printing</source>
            <extracomment>IDS_MFP_LBL_AUTO_LOCK_PRINTER_INIT</extracomment>
            <translation>Automatycznie łącz z drukarką podczas drukowania</translation>
        </message>
        <message>
            <source>Please install the printer driver on this computer before using the printer.</source>
            <extracomment>IDS_MFP_LBL_DRIVER_HINT</extracomment>
            <translation>Przed użyciem drukarki zainstaluj jej sterownik na tym komputerze.</translation>
        </message>
        <message>
            <source>Edit the printer settings.</source>
            <extracomment>IDS_MFP_LBL_EDIT_DESC</extracomment>
            <translation>Edytuj ustawienia drukarki.</translation>
        </message>
        <message>
            <source>Multifunction printer</source>
            <extracomment>IDS_MFP_LBL_MULTIFUNC_PRINTER</extracomment>
            <translation>Drukarka wielofunkcyjna</translation>
        </message>
        <message>
            <source>Printer:</source>
            <extracomment>IDS_MFP_LBL_PRINTER</extracomment>
            <translation>Drukarka:</translation>
        </message>
        <message>
            <source>Please choose a connection mode.</source>
            <extracomment>IDS_MFP_LBL_REMIND_CHOOSE_MODE</extracomment>
            <translation>Wybierz tryb połączenia.</translation>
        </message>
        <message>
            <source>Please insert the driver CD of the printer.</source>
            <extracomment>IDS_MFP_LBL_REMIND_PUT_CD</extracomment>
            <translation>Włóż dysk CD ze sterownikiem drukarki.</translation>
        </message>
        <message>
            <source>Select a printer</source>
            <extracomment>IDS_MFP_LBL_SELECT_PRINTER, IDS_WZDADDPTR_CAP2</extracomment>
            <translation>Wybierz drukarkę</translation>
        </message>
        <message>
            <source>Failed to connect to the printer.</source>
            <extracomment>IDS_MFP_LBL_STATUS_CONNECT_FAIL</extracomment>
            <translation>Nie udało się połączyć z drukarką.</translation>
        </message>
        <message>
            <source>The printer is unavailable.</source>
            <extracomment>IDS_MFP_LBL_STATUS_DEVICE_UNAVAILABLE</extracomment>
            <translation>Drukarka jest niedostępna.</translation>
        </message>
        <message>
            <source>Connected to the printer.</source>
            <extracomment>IDS_MFP_LBL_STATUS_GET_LOCK</extracomment>
            <translation>Połączono z drukarką.</translation>
        </message>
        <message>
            <source>Installing the printer driver...</source>
            <extracomment>IDS_MFP_LBL_STATUS_INSTALL_DRIVER</extracomment>
            <translation>Instalowanie sterownika drukarki...</translation>
        </message>
        <message>
            <source>The printer settings are invalid.</source>
            <extracomment>IDS_MFP_LBL_STATUS_INVALID_CONF</extracomment>
            <translation>Ustawienia drukarki są nieprawidłowe.</translation>
        </message>
        <message>
            <source>In use by %1</source>
            <extracomment>IDS_MFP_LBL_STATUS_LOCK_BY</extracomment>
            <translation>Używana przez: %1</translation>
        </message>
        <message>
            <source>In use by a network print job</source>
            <extracomment>IDS_MFP_LBL_STATUS_LOCK_BY_LPR</extracomment>
            <translation>Używana przez sieciowe zadanie drukowania</translation>
        </message>
        <message>
            <source>Operation successful.</source>
            <extracomment>IDS_MFP_LBL_STATUS_OP_OK</extracomment>
            <translation>Operacja zakończona powodzeniem.</translation>
        </message>
        <message>
            <source>Server error.</source>
            <extracomment>IDS_MFP_LBL_STATUS_SERVER_ERR</extracomment>
            <translation>Błąd serwera.</translation>
        </message>
        <message>
            <source>Connecting to the printer...</source>
            <extracomment>IDS_MFP_LBL_STATUS_TRY_CONNECT</extracomment>
            <translation>Łączenie z drukarką...</translation>
        </message>
        <message>
            <source>Unexpected error.</source>
            <extracomment>IDS_MFP_LBL_STATUS_UNEXPECT_ERR</extracomment>
            <translation>Nieoczekiwany błąd.</translation>
        </message>
        <message>
            <source>The server version is too old for this function.</source>
            <extracomment>IDS_MFP_LBL_STATUS_VERSION_TOO_OLD</extracomment>
            <translation>Wersja serwera jest zbyt stara, aby obsługiwać tę funkcję.</translation>
        </message>
        <message>
            <source>Waiting...</source>
            <extracomment>IDS_MFP_LBL_STATUS_WAITING</extracomment>
            <translation>Oczekiwanie...</translation>
        </message>
        <message>
            <source>The printer will be released when you close the program.</source>
            <extracomment>IDS_MFP_MSG_CLOSE_RELLOCK</extracomment>
            <translation>Drukarka zostanie zwolniona po zamknięciu programu.</translation>
        </message>
        <message>
            <source>The printer will be released after the driver is installed.</source>
            <extracomment>IDS_MFP_MSG_INSTALL_RELLOCK</extracomment>
            <translation>Drukarka zostanie zwolniona po zainstalowaniu sterownika.</translation>
        </message>
        <message>
            <source>This printer has already been added.</source>
            <extracomment>IDS_MFP_MSG_PRINTER_DUPLICATED</extracomment>
            <translation>Ta drukarka została już dodana.</translation>
        </message>
        <message>
            <source>Mode</source>
            <extracomment>IDS_MFP_TABLE_MODE</extracomment>
            <translation>Tryb</translation>
        </message>
        <message>
            <source>Release time</source>
            <extracomment>IDS_MFP_TABLE_RELEASE_TIME</extracomment>
            <translation>Czas zwolnienia</translation>
        </message>
        <message>
            <source>Server IP address</source>
            <extracomment>IDS_MFP_TABLE_SERVER_IP_ADDRESS</extracomment>
            <translation>Adres IP serwera</translation>
        </message>
        <message>
            <source>The printer %1 is connected to this computer.</source>
            <extracomment>IDS_MFP_TRAY_ATTACH_MSG</extracomment>
            <translation>Drukarka %1 jest podłączona do tego komputera.</translation>
        </message>
        <message>
            <source>Printer connected</source>
            <extracomment>IDS_MFP_TRAY_ATTACH_TITLE</extracomment>
            <translation>Drukarka podłączona</translation>
        </message>
        <message>
            <source>Close %1</source>
            <extracomment>IDS_MFP_TRAY_CLOSE_VORNAKEEPER</extracomment>
            <translation>Zamknij %1</translation>
        </message>
        <message>
            <source>Hide %1</source>
            <extracomment>IDS_MFP_TRAY_HIDE_VORNAKEEPER</extracomment>
            <translation>Ukryj %1</translation>
        </message>
        <message>
            <source>No printer</source>
            <extracomment>IDS_MFP_TRAY_NO_PRINTER</extracomment>
            <translation>Brak drukarki</translation>
        </message>
        <message>
            <source>Open %1</source>
            <extracomment>IDS_MFP_TRAY_OPEN_VORNAKEEPER</extracomment>
            <translation>Otwórz %1</translation>
        </message>
        <message>
            <source>Printer %1 is connected.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_ATTACHED</extracomment>
            <translation>Drukarka %1 jest podłączona.</translation>
        </message>
        <message>
            <source>Failed to connect printer %1.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_ATTACH_FAILED</extracomment>
            <translation>Nie udało się podłączyć drukarki %1.</translation>
        </message>
        <message>
            <source>Printer %1 is released.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_RELEASED</extracomment>
            <translation>Drukarka %1 została zwolniona.</translation>
        </message>
        <message>
            <source>Failed to release printer %1.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_RELEASE_FAILED</extracomment>
            <translation>Nie udało się zwolnić drukarki %1.</translation>
        </message>
        <message>
            <source>The list of printers has been updated.</source>
            <extracomment>IDS_MFP_TRAY_PTR_UPDATED_MSG</extracomment>
            <translation>Lista drukarek została zaktualizowana.</translation>
        </message>
        <message>
            <source>Printers updated</source>
            <extracomment>IDS_MFP_TRAY_PTR_UPDATED_TITLE</extracomment>
            <translation>Zaktualizowano drukarki</translation>
        </message>
        <message>
            <source>The printer %1 has been released.</source>
            <extracomment>IDS_MFP_TRAY_RELEASE_MSG</extracomment>
            <translation>Drukarka %1 została zwolniona.</translation>
        </message>
        <message>
            <source>Printer released</source>
            <extracomment>IDS_MFP_TRAY_RELEASE_TITLE</extracomment>
            <translation>Drukarka zwolniona</translation>
        </message>
        <message>
            <source>Unknown status.</source>
            <extracomment>IDS_MSG_CHECK_UNKNOWN</extracomment>
            <translation>Nieznany stan.</translation>
        </message>
        <message>
            <source>Another task is running. Are you sure you want to start a new one?</source>
            <extracomment>IDS_MSG_CONFIRM_MULTI_TASK</extracomment>
            <translation>Trwa inne zadanie. Czy na pewno chcesz rozpocząć nowe?</translation>
        </message>
        <message>
            <source>Quick Setup will apply the suggested settings. Do you want to continue?</source>
            <extracomment>IDS_MSG_CONFIRM_QUICKSETUP</extracomment>
            <translation>Szybka konfiguracja zastosuje sugerowane ustawienia. Czy chcesz kontynuować?</translation>
        </message>
        <message>
            <source>Error code: %1</source>
            <extracomment>IDS_MSG_ERRCODE</extracomment>
            <translation>Kod błędu: %1</translation>
        </message>
        <message>
            <source>No errors were found by the memory diagnostic test.</source>
            <extracomment>IDS_MSG_MEM_TEST_OK</extracomment>
            <translation>Test diagnostyczny pamięci nie wykrył żadnych błędów.</translation>
        </message>
        <message>
            <source>Quick Setup cannot continue. Please use Complete Setup instead.</source>
            <extracomment>IDS_MSG_ONE_CLICK_CHANGE_MANUAL</extracomment>
            <translation>Nie można kontynuować szybkiej konfiguracji. Użyj pełnej konfiguracji.</translation>
        </message>
        <message>
            <source>Quick Setup failed.</source>
            <extracomment>IDS_MSG_ONE_CLICK_FAILED</extracomment>
            <translation>Szybka konfiguracja nie powiodła się.</translation>
        </message>
        <message>
            <source>Quick Setup could not get the network settings of this computer.</source>
            <extracomment>IDS_MSG_ONE_CLICK_NO_NET_INFO</extracomment>
            <translation>Szybka konfiguracja nie mogła pobrać ustawień sieciowych tego komputera.</translation>
        </message>
        <message>
            <source>Quick Setup could not create a server name.</source>
            <extracomment>IDS_MSG_ONE_CLICK_NO_SVR_NAME</extracomment>
            <translation>Szybka konfiguracja nie mogła utworzyć nazwy serwera.</translation>
        </message>
        <message>
            <source>Use Complete Setup</source>
            <extracomment>IDS_MSG_ONE_CLICK_RES_NO</extracomment>
            <translation>Użyj pełnej konfiguracji</translation>
        </message>
        <message>
            <source>Use Quick Setup</source>
            <extracomment>IDS_MSG_ONE_CLICK_RES_YES</extracomment>
            <translation>Użyj szybkiej konfiguracji</translation>
        </message>
        <message>
            <source>Please contact Quenlori online support.</source>
            <extracomment>IDS_MSG_ONLINE_SUPPORT</extracomment>
            <translation>Skontaktuj się z pomocą techniczną online firmy Quenlori.</translation>
        </message>
        <message>
            <source>Please restart %1 to apply the new language settings.</source>
            <extracomment>IDS_MSG_PREFERENCE_LANG_RESTART</extracomment>
            <translation>Uruchom ponownie program %1, aby zastosować nowe ustawienia języka.</translation>
        </message>
        <message>
            <source>[%1] will be rebooted to perform the memory diagnostic test.</source>
            <extracomment>IDS_MSG_REBOOT</extracomment>
            <translation>Serwer [%1] zostanie ponownie uruchomiony w celu przeprowadzenia testu diagnostycznego pamięci.</translation>
        </message>
        <message>
            <source>Connected.</source>
            <extracomment>IDS_MSG_RSRC_STAT_CONNECTED</extracomment>
            <translation>Połączono.</translation>
        </message>
        <message>
            <source>Connection lost.</source>
            <extracomment>IDS_MSG_RSRC_STAT_CONNECT_LOST</extracomment>
            <translation>Utracono połączenie.</translation>
        </message>
        <message>
            <source>Not connected.</source>
            <extracomment>IDS_MSG_RSRC_STAT_DISCONNECT</extracomment>
            <translation>Nie połączono.</translation>
        </message>
        <message>
            <source>Searching...</source>
            <extracomment>IDS_MSG_SERARCH</extracomment>
            <translation>Wyszukiwanie...</translation>
        </message>
        <message>
            <source>Not ready.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY</extracomment>
            <translation>Niegotowy.</translation>
        </message>
        <message>
            <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY_PHOTO</extracomment>
            <translation>Aby przesyłać zdjęcia na serwer, upewnij się, że [%1] jest poprawnie zainstalowany i skonfigurowany.</translation>
        </message>
        <message>
            <source>To monitor the resource of [%1], please make sure the server is installed and configured correctly.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY_RSRC</extracomment>
            <translation>Aby monitorować zasoby serwera, upewnij się, że [%1] jest poprawnie zainstalowany i skonfigurowany.</translation>
        </message>
        <message>
            <source>The server is booting. Please wait.</source>
            <extracomment>IDS_MSG_SYS_BOOTING</extracomment>
            <translation>Serwer jest uruchamiany. Proszę czekać.</translation>
        </message>
        <message>
            <source>The server is being upgraded. Please wait.</source>
            <extracomment>IDS_MSG_SYS_UPDATING</extracomment>
            <translation>Trwa aktualizacja serwera. Proszę czekać.</translation>
        </message>
        <message>
            <source>An unconfigured server was found.</source>
            <extracomment>IDS_MSG_UNCONFSVR_FOUND</extracomment>
            <translation>Znaleziono nieskonfigurowany serwer.</translation>
        </message>
        <message>
            <source>Do you want to set it up now?</source>
            <extracomment>IDS_MSG_UNCONFSVR_FOUND2</extracomment>
            <translation>Czy chcesz go teraz skonfigurować?</translation>
        </message>
        <message>
            <source>%1 - Network Wizard</source>
            <extracomment>IDS_NET_WELCOME_MSG1</extracomment>
            <translation>%1 – Kreator sieci</translation>
        </message>
        <message>
            <source>Welcome to the Network Wizard!</source>
            <extracomment>IDS_NET_WELCOME_MSG2</extracomment>
            <translation>Witamy w Kreatorze sieci!</translation>
        </message>
        <message>
            <source>Network Wizard will help you complete the network configurations of %1.</source>
            <extracomment>IDS_NET_WELCOME_MSG3</extracomment>
            <translation>Kreator sieci pomoże skonfigurować %1 do pracy w sieci.</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel the current installation?</source>
            <extracomment>IDS_NI_CANCEL_CUR_INSTALL_WARNING</extracomment>
            <translation>Czy na pewno chcesz anulować bieżącą instalację?</translation>
        </message>
        <message>
            <source>%1. Writing configuration files</source>
            <extracomment>IDS_NI_CONFIGURE</extracomment>
            <translation>%1. Zapisywanie plików konfiguracyjnych</translation>
        </message>
        <message>
            <source>Failed to back up the database.</source>
            <extracomment>IDS_NI_ERR_BKP_PGSQL</extracomment>
            <translation>Nie udało się utworzyć kopii zapasowej bazy danych.</translation>
        </message>
        <message>
            <source>Operation error occurred when accessing the boot disk. (Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_BOOTMEDIAOP</extracomment>
            <translation>Wystąpił błąd operacji podczas uzyskiwania dostępu do dysku rozruchowego. (Kod błędu: %1)</translation>
        </message>
        <message>
            <source>Failed to clean the partition.</source>
            <extracomment>IDS_NI_ERR_CLEAN_PARTITION</extracomment>
            <translation>Nie udało się wyczyścić partycji.</translation>
        </message>
        <message>
            <source>Incompatible installation file.</source>
            <extracomment>IDS_NI_ERR_COMPANY</extracomment>
            <translation>Niezgodny plik instalacyjny.</translation>
        </message>
        <message>
            <source>The server refused the installation.</source>
            <extracomment>IDS_NI_ERR_DENY</extracomment>
            <translation>Serwer odrzucił instalację.</translation>
        </message>
        <message>
            <source>Failed to access a folder on the server.</source>
            <extracomment>IDS_NI_ERR_DIROP</extracomment>
            <translation>Nie udało się uzyskać dostępu do folderu na serwerze.</translation>
        </message>
        <message>
            <source>VNO for %1 is not found in the specified location. Please select again.</source>
            <extracomment>IDS_NI_ERR_DIR_NOPATCH</extracomment>
            <translation>W podanej lokalizacji nie znaleziono VNO dla modelu %1. Wybierz ponownie.</translation>
        </message>
        <message>
            <source>Failed to partition the hard drive.</source>
            <extracomment>IDS_NI_ERR_FDISK</extracomment>
            <translation>Nie udało się podzielić dysku twardego na partycje.</translation>
        </message>
        <message>
            <source>Failed to format the hard drive.</source>
            <extracomment>IDS_NI_ERR_MKFS</extracomment>
            <translation>Nie udało się sformatować dysku twardego.</translation>
        </message>
        <message>
            <source>You have selected an installation file incompatible with the system model.</source>
            <extracomment>IDS_NI_ERR_MODEL</extracomment>
            <translation>Wybrany plik instalacyjny jest niezgodny z modelem systemu.</translation>
        </message>
        <message>
            <source>No hard drive was found in the server.</source>
            <extracomment>IDS_NI_ERR_NODISK</extracomment>
            <translation>W serwerze nie znaleziono dysku twardego.</translation>
        </message>
        <message>
            <source>Available system space is insufficient.</source>
            <extracomment>IDS_NI_ERR_NO_SPACE</extracomment>
            <translation>Za mało dostępnego miejsca w systemie.</translation>
        </message>
        <message>
            <source>Please use Quenlori Vornakeeper to install VNO %1. \nThen upgrade new version VNO via Web management UI.</source>
            <extracomment>IDS_NI_ERR_NO_SPACE_UPBYWEB</extracomment>
            <translation>Użyj programu Quenlori Vornakeeper, aby zainstalować VNO %1. \nNastępnie zaktualizuj VNO do nowej wersji za pomocą internetowego interfejsu zarządzania.</translation>
        </message>
        <message>
            <source>Failed to create connection.</source>
            <extracomment>IDS_NI_ERR_OPEN_SOCKET</extracomment>
            <translation>Nie udało się utworzyć połączenia.</translation>
        </message>
        <message>
            <source>The installation file is corrupt.</source>
            <extracomment>IDS_NI_ERR_PATCH</extracomment>
            <translation>Plik instalacyjny jest uszkodzony.</translation>
        </message>
        <message>
            <source>Failed to read the installation file.</source>
            <extracomment>IDS_NI_ERR_PATCH_FILE_DEFAULT</extracomment>
            <translation>Nie udało się odczytać pliku instalacyjnego.</translation>
        </message>
        <message>
            <source>The installation file was not found.</source>
            <extracomment>IDS_NI_ERR_PAT_NOTFOUND</extracomment>
            <translation>Nie znaleziono pliku instalacyjnego.</translation>
        </message>
        <message>
            <source>Failed to write the flash memory.</source>
            <extracomment>IDS_NI_ERR_PROGRAM_FLASH</extracomment>
            <translation>Nie udało się zapisać pamięci flash.</translation>
        </message>
        <message>
            <source>Failed to check the quota.</source>
            <extracomment>IDS_NI_ERR_QUOTA</extracomment>
            <translation>Nie udało się sprawdzić limitów.</translation>
        </message>
        <message>
            <source>Unable to read the server model.</source>
            <extracomment>IDS_NI_ERR_READ_MOD</extracomment>
            <translation>Nie można odczytać modelu serwera.</translation>
        </message>
        <message>
            <source>Unable to read the model from the installation file.</source>
            <extracomment>IDS_NI_ERR_READ_PATCH_MOD</extracomment>
            <translation>Nie można odczytać modelu z pliku instalacyjnego.</translation>
        </message>
        <message>
            <source>Unable to read the version from the installation file.</source>
            <extracomment>IDS_NI_ERR_READ_PATCH_VER</extracomment>
            <translation>Nie można odczytać wersji z pliku instalacyjnego.</translation>
        </message>
        <message>
            <source>Unable to read the server version.</source>
            <extracomment>IDS_NI_ERR_READ_VER</extracomment>
            <translation>Nie można odczytać wersji serwera.</translation>
        </message>
        <message>
            <source>System has no response. Connection timeout.</source>
            <extracomment>IDS_NI_ERR_RECE_CMD_TIMEOUT</extracomment>
            <translation>System nie odpowiada. Upłynął limit czasu połączenia.</translation>
        </message>
        <message>
            <source>Failed to obtain installation progress.</source>
            <extracomment>IDS_NI_ERR_RECE_PROG, IDS_NI_ERR_SEND_QUERY_PROG</extracomment>
            <translation>Nie udało się pobrać informacji o postępie instalacji.</translation>
        </message>
        <message>
            <source>Failed to send installation command to the server.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_SEND_CMD</extracomment>
            <translation>Nie udało się wysłać polecenia instalacji do serwera. (Kod błędu: %1)</translation>
        </message>
        <message>
            <source>Failed to upload the installation file.</source>
            <extracomment>IDS_NI_ERR_SEND_PATCH_FILE</extracomment>
            <translation>Nie udało się przesłać pliku instalacyjnego.</translation>
        </message>
        <message>
            <source>Server error.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_SERVER_ERROR</extracomment>
            <translation>Błąd serwera. (Kod błędu: %1)</translation>
        </message>
        <message>
            <source>Undefined error.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_UNDEFINE</extracomment>
            <translation>Niezdefiniowany błąd. (Kod błędu: %1)</translation>
        </message>
        <message>
            <source>You have to use an installation file with %1 or above version.</source>
            <extracomment>IDS_NI_ERR_VER</extracomment>
            <translation>Należy użyć pliku instalacyjnego w wersji %1 lub nowszej.</translation>
        </message>
        <message>
            <source>The installation file does not match the server model.</source>
            <extracomment>IDS_NI_ERR_WRONG_MODEL</extracomment>
            <translation>Plik instalacyjny nie pasuje do modelu serwera.</translation>
        </message>
        <message>
            <source>%1. Formatting hard drives</source>
            <extracomment>IDS_NI_FORMAT</extracomment>
            <translation>%1. Formatowanie dysków twardych</translation>
        </message>
        <message>
            <source>%1. Formatting data partition</source>
            <extracomment>IDS_NI_FORMAT_DATA</extracomment>
            <translation>%1. Formatowanie partycji danych</translation>
        </message>
        <message>
            <source>%1. Formatting system partition</source>
            <extracomment>IDS_NI_FORMAT_SYS</extracomment>
            <translation>%1. Formatowanie partycji systemowej</translation>
        </message>
        <message>
            <source>%1. Installing VNO</source>
            <extracomment>IDS_NI_INSTALL</extracomment>
            <translation>%1. Instalowanie VNO</translation>
        </message>
        <message>
            <source>The servers will be named after this name with a number appended.</source>
            <extracomment>IDS_NI_MULTI_SVRNAME_DESCRIP</extracomment>
            <translation>Serwery otrzymają tę nazwę z dołączonym numerem.</translation>
        </message>
        <message>
            <source>Installation Progress</source>
            <extracomment>IDS_NI_PROGRESS_TITLE</extracomment>
            <translation>Postęp instalacji</translation>
        </message>
        <message>
            <source>Progress: Writing configurations ...</source>
            <extracomment>IDS_NI_PROG_CONFIGURE</extracomment>
            <translation>Postęp: zapisywanie konfiguracji...</translation>
        </message>
        <message>
            <source>Progress: Formatting ...</source>
            <extracomment>IDS_NI_PROG_FORMAT</extracomment>
            <translation>Postęp: formatowanie...</translation>
        </message>
        <message>
            <source>Progress: Formatting data partition ...</source>
            <extracomment>IDS_NI_PROG_FORMAT_DATA</extracomment>
            <translation>Postęp: formatowanie partycji danych...</translation>
        </message>
        <message>
            <source>Progress: Formatting system partition ...</source>
            <extracomment>IDS_NI_PROG_FORMAT_SYS</extracomment>
            <translation>Postęp: formatowanie partycji systemowej...</translation>
        </message>
        <message>
            <source>Progress: Installing VNO to hard drive ...</source>
            <extracomment>IDS_NI_PROG_INSTALL</extracomment>
            <translation>Postęp: instalowanie VNO na dysku twardym...</translation>
        </message>
        <message>
            <source>Progress: System is rebooting ... (%1 seconds)</source>
            <extracomment>IDS_NI_PROG_REBOOT</extracomment>
            <translation>Postęp: ponowne uruchamianie systemu... (%1 s)</translation>
        </message>
        <message>
            <source>Progress: Applying network settings ...</source>
            <extracomment>IDS_NI_PROG_SET_NET</extracomment>
            <translation>Postęp: stosowanie ustawień sieciowych...</translation>
        </message>
        <message>
            <source>Progress: Waiting ...</source>
            <extracomment>IDS_NI_PROG_WAITING</extracomment>
            <translation>Postęp: oczekiwanie...</translation>
        </message>
        <message>
            <source>Installation Settings</source>
            <extracomment>IDS_NI_SETTING_TITLE</extracomment>
            <translation>Ustawienia instalacji</translation>
        </message>
        <message>
            <source>%1. Applying network settings</source>
            <extracomment>IDS_NI_SET_NET</extracomment>
            <translation>%1. Stosowanie ustawień sieciowych</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel the selected installation?</source>
            <extracomment>IDS_NI_TREE_CANCEL_WARNING</extracomment>
            <translation>Czy na pewno chcesz anulować wybraną instalację?</translation>
        </message>
        <message>
            <source>Clear</source>
            <extracomment>IDS_NI_TREE_CLEAR</extracomment>
            <translation>Wyczyść</translation>
        </message>
        <message>
            <source>Are you sure you want to clear the finished installations from the list?</source>
            <extracomment>IDS_NI_TREE_CLEAR_WARNING</extracomment>
            <translation>Czy na pewno chcesz usunąć z listy zakończone instalacje?</translation>
        </message>
        <message>
            <source>Too many installations are running.</source>
            <extracomment>IDS_NI_TREE_MAX_MSG</extracomment>
            <translation>Trwa zbyt wiele instalacji.</translation>
        </message>
        <message>
            <source>Please wait until an installation finishes and try again.</source>
            <extracomment>IDS_NI_TREE_MAX_MSG1</extracomment>
            <translation>Poczekaj na zakończenie jednej z instalacji i spróbuj ponownie.</translation>
        </message>
        <message>
            <source>Progress</source>
            <extracomment>IDS_NI_TREE_PROGRESS</extracomment>
            <translation>Postęp</translation>
        </message>
        <message>
            <source>Writing configurations</source>
            <extracomment>IDS_NI_TREE_PROG_CONFIGURE</extracomment>
            <translation>Zapisywanie konfiguracji</translation>
        </message>
        <message>
            <source>Formatting</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT</extracomment>
            <translation>Formatowanie</translation>
        </message>
        <message>
            <source>Formatting data partition</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT_DATA</extracomment>
            <translation>Formatowanie partycji danych</translation>
        </message>
        <message>
            <source>Formatting system partition</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT_SYS</extracomment>
            <translation>Formatowanie partycji systemowej</translation>
        </message>
        <message>
            <source>Installing VNO</source>
            <extracomment>IDS_NI_TREE_PROG_INSTALL</extracomment>
            <translation>Instalowanie VNO</translation>
        </message>
        <message>
            <source>Rebooting</source>
            <extracomment>IDS_NI_TREE_PROG_REBOOT</extracomment>
            <translation>Ponowne uruchamianie</translation>
        </message>
        <message>
            <source>Applying network settings</source>
            <extracomment>IDS_NI_TREE_PROG_SET_NET</extracomment>
            <translation>Stosowanie ustawień sieciowych</translation>
        </message>
        <message>
            <source>Waiting</source>
            <extracomment>IDS_NI_TREE_PROG_WAITING</extracomment>
            <translation>Oczekiwanie</translation>
        </message>
        <message>
            <source>It takes about 10 minutes or longer, depending on the size of your hard drives. Please wait, and do not turn off the power during this procedure.</source>
            <extracomment>IDS_NI_WAIT</extracomment>
            <translation>Ta operacja trwa około 10 minut lub dłużej, w zależności od rozmiaru dysków twardych. Proszę czekać i nie wyłączać zasilania w trakcie tej procedury.</translation>
        </message>
        <message>
            <source>Failed to apply your settings because another installation is in progress.</source>
            <extracomment>IDS_NI_error_apply_lock</extracomment>
            <translation>Nie udało się zastosować ustawień, ponieważ trwa inna instalacja.</translation>
        </message>
        <message>
            <source>Incompatible upgrade file.</source>
            <extracomment>IDS_NI_error_company</extracomment>
            <translation>Niezgodny plik aktualizacji.</translation>
        </message>
        <message>
            <source>Failed to download the VNO installation file. Please check the network connection and try again.</source>
            <extracomment>IDS_NI_error_download</extracomment>
            <translation>Nie udało się pobrać pliku instalacyjnego VNO. Sprawdź połączenie sieciowe i spróbuj ponownie.</translation>
        </message>
        <message>
            <source>Cannot upgrade VNO because the status of the high-availability cluster is not normal.</source>
            <extracomment>IDS_NI_error_ha_is_not_healthy</extracomment>
            <translation>Nie można zaktualizować VNO, ponieważ stan klastra wysokiej dostępności jest nieprawidłowy.</translation>
        </message>
        <message>
            <source>Cannot allocate driver buffer. Please reboot and try again.</source>
            <extracomment>IDS_NI_error_memory</extracomment>
            <translation>Nie można przydzielić bufora sterownika. Uruchom ponownie system i spróbuj jeszcze raz.</translation>
        </message>
        <message>
            <source>Failed to format the disk.</source>
            <extracomment>IDS_NI_error_mkfs</extracomment>
            <translation>Nie udało się sformatować dysku.</translation>
        </message>
        <message>
            <source>The model of the upgrade file is incompatible with the system model.</source>
            <extracomment>IDS_NI_error_model</extracomment>
            <translation>Model pliku aktualizacji jest niezgodny z modelem systemu.</translation>
        </message>
        <message>
            <source>Fail to update the file. The file is probably corrupt.</source>
            <extracomment>IDS_NI_error_patch</extracomment>
            <translation>Nie udało się zaktualizować pliku. Plik jest prawdopodobnie uszkodzony.</translation>
        </message>
        <message>
            <source>Unable to recognize the system model.</source>
            <extracomment>IDS_NI_error_read_mod</extracomment>
            <translation>Nie można rozpoznać modelu systemu.</translation>
        </message>
        <message>
            <source>Unable to recognize the system model from the upgrade file.</source>
            <extracomment>IDS_NI_error_read_patch_mod</extracomment>
            <translation>Nie można rozpoznać modelu systemu na podstawie pliku aktualizacji.</translation>
        </message>
        <message>
            <source>Unable to recognize the system version from the upgrade file.</source>
            <extracomment>IDS_NI_error_read_patch_ver</extracomment>
            <translation>Nie można rozpoznać wersji systemu na podstawie pliku aktualizacji.</translation>
        </message>
        <message>
            <source>Unable to recognize the current system version.</source>
            <extracomment>IDS_NI_error_read_ver</extracomment>
            <translation>Nie można rozpoznać bieżącej wersji systemu.</translation>
        </message>
        <message>
            <source>An error has occurred on a volume on the active server. Please repair it before binding.</source>
            <extracomment>IDS_NI_error_upgrade_local_volume_abnormal</extracomment>
            <translation>Wystąpił błąd woluminu na aktywnym serwerze. Napraw go przed powiązaniem.</translation>
        </message>
        <message>
            <source>Unable to perform VNO update because this VNO is an older version.</source>
            <extracomment>IDS_NI_error_version</extracomment>
            <translation>Nie można zaktualizować VNO, ponieważ ta wersja VNO jest starsza.</translation>
        </message>
        <message>
            <source>Update successful.</source>
            <extracomment>IDS_NI_upgrade_success</extracomment>
            <translation>Aktualizacja zakończona powodzeniem.</translation>
        </message>
        <message>
            <source>No program is associated with this file type.</source>
            <extracomment>IDS_NO_ASSOC_PROG</extracomment>
            <translation>Z tym typem pliku nie jest skojarzony żaden program.</translation>
        </message>
        <message>
            <source>Add File</source>
            <extracomment>IDS_PHOTO_BTN_ADD_FILE</extracomment>
            <translation>Dodaj plik</translation>
        </message>
        <message>
            <source>Add Folder</source>
            <extracomment>IDS_PHOTO_BTN_ADD_FOLDER</extracomment>
            <translation>Dodaj folder</translation>
        </message>
        <message>
            <source>Go Back</source>
            <extracomment>IDS_PHOTO_BTN_BK_TO_PARENT</extracomment>
            <translation>Wróć</translation>
        </message>
        <message>
            <source>Create</source>
            <extracomment>IDS_PHOTO_BTN_CREATE_NEW_ALBUM</extracomment>
            <translation>Utwórz</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <extracomment>IDS_PHOTO_BTN_HIDE_DETAIL</extracomment>
            <translation>Ukryj szczegóły...</translation>
        </message>
        <message>
            <source>Show Details...</source>
            <extracomment>IDS_PHOTO_BTN_SHOW_DETAIL</extracomment>
            <translation>Pokaż szczegóły...</translation>
        </message>
        <message>
            <source>Upload</source>
            <extracomment>IDS_PHOTO_BTN_UPLOAD</extracomment>
            <translation>Prześlij</translation>
        </message>
        <message>
            <source>To start photo uploading, click %1 on the upper left-hand corner, or select a profile on the list and then enter admin's password.</source>
            <extracomment>IDS_PHOTO_CONNT_STATUS_INIT</extracomment>
            <translation>Aby rozpocząć przesyłanie zdjęć, kliknij „%1” w lewym górnym rogu lub wybierz profil z listy i wprowadź hasło administratora.</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <extracomment>IDS_PHOTO_DUPLI_OVERWRITE</extracomment>
            <translation>Zastąp</translation>
        </message>
        <message>
            <source>Rename</source>
            <extracomment>IDS_PHOTO_DUPLI_RENAME</extracomment>
            <translation>Zmień nazwę</translation>
        </message>
        <message>
            <source>Skip</source>
            <extracomment>IDS_PHOTO_DUPLI_SKIP</extracomment>
            <translation>Pomiń</translation>
        </message>
        <message>
            <source>Enter a Imagrove account</source>
            <extracomment>IDS_PHOTO_ERR_ACCOUNT_EMPTY</extracomment>
            <translation>Wprowadź konto witryny Imagrove</translation>
        </message>
        <message>
            <source>Invalid folder name: %1</source>
            <extracomment>IDS_PHOTO_ERR_BAD_DIR_NAME</extracomment>
            <translation>Nieprawidłowa nazwa folderu: %1</translation>
        </message>
        <message>
            <source>Failed to convert %1.</source>
            <extracomment>IDS_PHOTO_ERR_CONVERT_FAIL</extracomment>
            <translation>Nie udało się przekonwertować pliku %1.</translation>
        </message>
        <message>
            <source>The folder name already exists. Please use another name.</source>
            <extracomment>IDS_PHOTO_ERR_DUPLICATE_FOLDER_NAME</extracomment>
            <translation>Folder o tej nazwie już istnieje. Użyj innej nazwy.</translation>
        </message>
        <message>
            <source>The file size exceeds the limit: %1</source>
            <extracomment>IDS_PHOTO_ERR_FILE_SIZE_OVER_LIMIT</extracomment>
            <translation>Rozmiar pliku przekracza limit: %1</translation>
        </message>
        <message>
            <source>Failed to establish the connection. Please check the hostname/IP address or make sure Imagrove is working properly, and then try again.</source>
            <extracomment>IDS_PHOTO_ERR_LOGIN_SERVER_ERROR</extracomment>
            <translation>Nie udało się nawiązać połączenia. Sprawdź nazwę hosta/adres IP lub upewnij się, że witryna Imagrove działa poprawnie, a następnie spróbuj ponownie.</translation>
        </message>
        <message>
            <source>Unknown server error. (Error Code:%1)</source>
            <extracomment>IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR</extracomment>
            <translation>Nieznany błąd serwera. (Kod błędu: %1)</translation>
        </message>
        <message>
            <source>The connection is lost. Please log in to Varnestor Manager again.</source>
            <extracomment>IDS_PHOTO_ERR_SESSION_LOST</extracomment>
            <translation>Utracono połączenie. Zaloguj się ponownie do Varnestor Manager.</translation>
        </message>
        <message>
            <source>Profile name [%1] already exists.</source>
            <extracomment>IDS_PHOTO_ERR_WIZ_PROFILE_DUPLICATE</extracomment>
            <translation>Nazwa profilu [%1] już istnieje.</translation>
        </message>
        <message>
            <source>Upload finished \nSuccess Count: %1, Error Count: %2</source>
            <extracomment>IDS_PHOTO_FINISH_SUMMARY</extracomment>
            <translation>Przesyłanie zakończone \nPomyślnie: %1, błędy: %2</translation>
        </message>
        <message>
            <source>Account</source>
            <extracomment>IDS_PHOTO_LBL_ACCOUNT</extracomment>
            <translation>Konto</translation>
        </message>
        <message>
            <source>Connect to Imagrove now?</source>
            <extracomment>IDS_PHOTO_LBL_CONNT_IMAGROVE</extracomment>
            <translation>Czy połączyć teraz z witryną Imagrove?</translation>
        </message>
        <message>
            <source>If file already exists:</source>
            <extracomment>IDS_PHOTO_LBL_DUPLICATED_FILE_HANDLE</extracomment>
            <translation>Jeśli plik już istnieje:</translation>
        </message>
        <message>
            <source>Please enter the %1's password.</source>
            <extracomment>IDS_PHOTO_LBL_ENTR_PASSWD</extracomment>
            <translation>Wprowadź hasło użytkownika %1.</translation>
        </message>
        <message>
            <source>Video conversion setting:</source>
            <extracomment>IDS_PHOTO_LBL_FLV_QUALITY</extracomment>
            <translation>Ustawienia konwersji wideo:</translation>
        </message>
        <message>
            <source>Create folder:</source>
            <extracomment>IDS_PHOTO_LBL_NEW_ALBUM_NAME</extracomment>
            <translation>Utwórz folder:</translation>
        </message>
        <message>
            <source>Skip hidden files</source>
            <extracomment>IDS_PHOTO_LBL_NOT_UPLOAD_HIDDEN</extracomment>
            <translation>Pomiń pliki ukryte</translation>
        </message>
        <message>
            <source>Only upload supported contents</source>
            <extracomment>IDS_PHOTO_LBL_ONLY_UPD_INDEXABLE_FILE</extracomment>
            <translation>Przesyłaj tylko obsługiwane pliki</translation>
        </message>
        <message>
            <source>Password</source>
            <extracomment>IDS_PHOTO_LBL_PASSWORD</extracomment>
            <translation>Hasło</translation>
        </message>
        <message>
            <source>Contents to Upload</source>
            <extracomment>IDS_PHOTO_LBL_PHOTO_SELECTION</extracomment>
            <translation>Pliki do przesłania</translation>
        </message>
        <message>
            <source>Imagrove URL</source>
            <extracomment>IDS_PHOTO_LBL_IMAGROVE_URL</extracomment>
            <translation>Adres URL witryny Imagrove</translation>
        </message>
        <message>
            <source>Preview</source>
            <extracomment>IDS_PHOTO_LBL_PROCESS_THUMBNAIL, IDS_PHOTO_PROC_MSG_PROC</extracomment>
            <translation>Podgląd</translation>
        </message>
        <message>
            <source>Profile Name</source>
            <extracomment>IDS_PHOTO_LBL_PROFILE</extracomment>
            <translation>Nazwa profilu</translation>
        </message>
        <message>
            <source>The profile name is used to identify your Photo Uploader profile. You can change the profile name according to your preferences.</source>
            <extracomment>IDS_PHOTO_LBL_PROFILE_DESC</extracomment>
            <translation>Nazwa profilu identyfikuje profil w module Przesyłanie zdjęć. Możesz ją dowolnie zmienić.</translation>
        </message>
        <message>
            <source>Select one or more files to open</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_FILE</extracomment>
            <translation>Wybierz jeden lub więcej plików do otwarcia</translation>
        </message>
        <message>
            <source>Select a folder to open</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_FOLDER</extracomment>
            <translation>Wybierz folder do otwarcia</translation>
        </message>
        <message>
            <source>Select a folder to upload photos</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_UPD_FOLDER</extracomment>
            <translation>Wybierz folder, do którego zostaną przesłane zdjęcia</translation>
        </message>
        <message>
            <source>Thumbnail</source>
            <extracomment>IDS_PHOTO_LBL_THUMB</extracomment>
            <translation>Miniatura</translation>
        </message>
        <message>
            <source>Destination:</source>
            <extracomment>IDS_PHOTO_LBL_UPLOAD_TO</extracomment>
            <translation>Miejsce docelowe:</translation>
        </message>
        <message>
            <source>Please enter the connection information to access your Imagrove.</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_IP_HINT</extracomment>
            <translation>Wprowadź dane połączenia, aby uzyskać dostęp do witryny Imagrove.</translation>
        </message>
        <message>
            <source>Account:</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_ACCOUNT, IDS_WZDMAP_ACCOUNT</extracomment>
            <translation>Konto:</translation>
        </message>
        <message>
            <source>Only admin or the user with uploading privilege can upload photos to Imagrove. Please make sure you entered the correct account and password.</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_HINT</extracomment>
            <translation>Tylko użytkownik admin lub użytkownik z uprawnieniami do przesyłania może przesyłać zdjęcia do witryny Imagrove. Upewnij się, że wprowadzono prawidłowe konto i hasło.</translation>
        </message>
        <message>
            <source>Please enter the account and password for Imagrove</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_TITLE</extracomment>
            <translation>Wprowadź konto i hasło do witryny Imagrove</translation>
        </message>
        <message>
            <source>Personal Imagrove</source>
            <extracomment>IDS_PHOTO_PERSONAL</extracomment>
            <translation>Osobista witryna Imagrove</translation>
        </message>
        <message>
            <source>Complete</source>
            <extracomment>IDS_PHOTO_PROC_MSG_COMPLETE</extracomment>
            <translation>Zakończono</translation>
        </message>
        <message>
            <source>Converting</source>
            <extracomment>IDS_PHOTO_PROC_MSG_CONVERT</extracomment>
            <translation>Konwertowanie</translation>
        </message>
        <message>
            <source>Initializing...</source>
            <extracomment>IDS_PHOTO_PROC_MSG_INIT</extracomment>
            <translation>Inicjowanie...</translation>
        </message>
        <message>
            <source>Uploading</source>
            <extracomment>IDS_PHOTO_PROC_MSG_UPLOAD</extracomment>
            <translation>Przesyłanie</translation>
        </message>
        <message>
            <source>High</source>
            <extracomment>IDS_PHOTO_QTY_HIGH</extracomment>
            <translation>Wysoka</translation>
        </message>
        <message>
            <source>Low</source>
            <extracomment>IDS_PHOTO_QTY_LOW</extracomment>
            <translation>Niska</translation>
        </message>
        <message>
            <source>Medium</source>
            <extracomment>IDS_PHOTO_QTY_MEDIUM</extracomment>
            <translation>Średnia</translation>
        </message>
        <message>
            <source>Mobile</source>
            <extracomment>IDS_PHOTO_QTY_MOBILE</extracomment>
            <translation>Mobilna</translation>
        </message>
        <message>
            <source>Description</source>
            <extracomment>IDS_PHOTO_TABLE_DESC</extracomment>
            <translation>Opis</translation>
        </message>
        <message>
            <source>File name</source>
            <extracomment>IDS_PHOTO_TABLE_FILE_NAME</extracomment>
            <translation>Nazwa pliku</translation>
        </message>
        <message>
            <source>Type</source>
            <extracomment>IDS_PHOTO_TABLE_FILE_TYPE</extracomment>
            <translation>Typ</translation>
        </message>
        <message>
            <source>Date modified</source>
            <extracomment>IDS_PHOTO_TABLE_MODTIME</extracomment>
            <translation>Data modyfikacji</translation>
        </message>
        <message>
            <source>Size</source>
            <extracomment>IDS_PHOTO_TABLE_SIZE</extracomment>
            <translation>Rozmiar</translation>
        </message>
        <message>
            <source>Title</source>
            <extracomment>IDS_PHOTO_TABLE_TITLE</extracomment>
            <translation>Tytuł</translation>
        </message>
        <message>
            <source>Failed to create the thumbnail.</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_ERROR</extracomment>
            <translation>Nie udało się utworzyć miniatury.</translation>
        </message>
        <message>
            <source>Creating thumbnail...</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_GENERATING</extracomment>
            <translation>Tworzenie miniatury...</translation>
        </message>
        <message>
            <source>Select a photo or video to show its thumbnail</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_INIT</extracomment>
            <translation>Wybierz zdjęcie lub wideo, aby wyświetlić miniaturę</translation>
        </message>
        <message>
            <source>Folder</source>
            <extracomment>IDS_PHOTO_TYPE_FOLDER</extracomment>
            <translation>Folder</translation>
        </message>
        <message>
            <source>Other</source>
            <extracomment>IDS_PHOTO_TYPE_OTHER</extracomment>
            <translation>Inne</translation>
        </message>
        <message>
            <source>Photo</source>
            <extracomment>IDS_PHOTO_TYPE_PHOTO</extracomment>
            <translation>Zdjęcie</translation>
        </message>
        <message>
            <source>Video</source>
            <extracomment>IDS_PHOTO_TYPE_VIDEO</extracomment>
            <translation>Wideo</translation>
        </message>
        <message>
            <source>This function is not available in the demo mode.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_DEMO_SITE</extracomment>
            <translation>Ta funkcja jest niedostępna w trybie demonstracyjnym.</translation>
        </message>
        <message>
            <source>Skip Duplicate File.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_DUPLICATE</extracomment>
            <translation>Pominięto zduplikowany plik.</translation>
        </message>
        <message>
            <source>Not logged in.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_NOT_LOGIN</extracomment>
            <translation>Nie zalogowano.</translation>
        </message>
        <message>
            <source>No Privilege.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_NO_PRIVILEGE</extracomment>
            <translation>Brak uprawnień.</translation>
        </message>
        <message>
            <source>The destination folder is not found: %1</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_TARGET_NOT_FOUND</extracomment>
            <translation>Nie znaleziono folderu docelowego: %1</translation>
        </message>
        <message>
            <source>Failed to upload the following files. \nPlease check the uploading privilege or server connection status.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_REPORT_MSG</extracomment>
            <translation>Nie udało się przesłać następujących plików. \nSprawdź uprawnienia do przesyłania lub stan połączenia z serwerem.</translation>
        </message>
        <message>
            <source>Upload to</source>
            <extracomment>IDS_PHOTO_UPLOAD_TO</extracomment>
            <translation>Prześlij do</translation>
        </message>
        <message>
            <source>The selected profile will be removed.</source>
            <extracomment>IDS_PHOTO_WARN_REMOVE_PROFILE</extracomment>
            <translation>Wybrany profil zostanie usunięty.</translation>
        </message>
        <message>
            <source>Please select files before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_FILE</extracomment>
            <translation>Przed przesłaniem wybierz pliki.</translation>
        </message>
        <message>
            <source>Please select a destination before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_FOLDER</extracomment>
            <translation>Przed przesłaniem wybierz miejsce docelowe.</translation>
        </message>
        <message>
            <source>Please select at least one video conversion setting before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_VDO_QTY</extracomment>
            <translation>Przed przesłaniem wybierz co najmniej jedno ustawienie konwersji wideo.</translation>
        </message>
        <message>
            <source>Default Functions Tab</source>
            <extracomment>IDS_PREFER_DISPLAYED_TAB_OPTION</extracomment>
            <translation>Domyślna karta funkcji</translation>
        </message>
        <message>
            <source>Global Settings</source>
            <extracomment>IDS_PREFER_GLOBAL</extracomment>
            <translation>Ustawienia globalne</translation>
        </message>
        <message>
            <source>Language</source>
            <extracomment>IDS_PREFER_HINT_LANG</extracomment>
            <translation>Język</translation>
        </message>
        <message>
            <source>Startup</source>
            <extracomment>IDS_PREFER_HINT_START</extracomment>
            <translation>Uruchamianie</translation>
        </message>
        <message>
            <source>Quenlori Server</source>
            <extracomment>IDS_PRODUCT_NAME</extracomment>
            <translation>Serwer Quenlori</translation>
        </message>
        <message>
            <source>Quick configuration is complete</source>
            <extracomment>IDS_QUICKCONF_COMPLETE</extracomment>
            <translation>Szybka konfiguracja została zakończona</translation>
        </message>
        <message>
            <source>Quick configuration failed.</source>
            <extracomment>IDS_QUICKCONF_ERR</extracomment>
            <translation>Szybka konfiguracja nie powiodła się.</translation>
        </message>
        <message>
            <source>Close the dialog and try again later.</source>
            <extracomment>IDS_QUICKCONF_RETRY</extracomment>
            <translation>Zamknij okno dialogowe i spróbuj ponownie później.</translation>
        </message>
        <message>
            <source>Quick configuration was not completed due to connection timeout.</source>
            <extracomment>IDS_QUICKCONF_TIMEOUT</extracomment>
            <translation>Szybka konfiguracja nie została zakończona z powodu przekroczenia limitu czasu połączenia.</translation>
        </message>
        <message>
            <source>Get network configuration automatically (DHCP)</source>
            <extracomment>IDS_RDO_DHCP</extracomment>
            <translation>Uzyskaj konfigurację sieci automatycznie (DHCP)</translation>
        </message>
        <message>
            <source>Use manual configuration</source>
            <extracomment>IDS_RDO_MANUAL</extracomment>
            <translation>Użyj konfiguracji ręcznej</translation>
        </message>
        <message>
            <source>The selected server(s) will be removed.</source>
            <extracomment>IDS_REMOVE_PROFILES</extracomment>
            <translation>Wybrane serwery zostaną usunięte.</translation>
        </message>
        <message>
            <source>The following configurations will be applied:</source>
            <extracomment>IDS_REPORT_DESC1</extracomment>
            <translation>Zostaną zastosowane następujące ustawienia:</translation>
        </message>
        <message>
            <source>Item</source>
            <extracomment>IDS_REPORT_ITEM</extracomment>
            <translation>Element</translation>
        </message>
        <message>
            <source>Installation file</source>
            <extracomment>IDS_REPORT_NI_PATCH</extracomment>
            <translation>Plik instalacyjny</translation>
        </message>
        <message>
            <source>Value</source>
            <extracomment>IDS_REPORT_VALUE</extracomment>
            <translation>Wartość</translation>
        </message>
        <message>
            <source>To monitor the resource usage of a server, click Add on the upper-left hand corner.</source>
            <extracomment>IDS_RSRCMONI_PAGE_EMPTY</extracomment>
            <translation>Aby monitorować użycie zasobów serwera, kliknij „Dodaj” w lewym górnym rogu.</translation>
        </message>
        <message>
            <source>Adding disk</source>
            <extracomment>IDS_RSRC_VOL_STATUS_ADDDISK, IDS_RSRC_VOL_STATUS_RESHAPE</extracomment>
            <translation>Dodawanie dysku</translation>
        </message>
        <message>
            <source>Crashed</source>
            <extracomment>IDS_RSRC_VOL_STATUS_CRASHED</extracomment>
            <translation>Uszkodzony</translation>
        </message>
        <message>
            <source>Creating</source>
            <extracomment>IDS_RSRC_VOL_STATUS_CREATE</extracomment>
            <translation>Tworzenie</translation>
        </message>
        <message>
            <source>Degraded</source>
            <extracomment>IDS_RSRC_VOL_STATUS_DEGRADE</extracomment>
            <translation>Zdegradowany</translation>
        </message>
        <message>
            <source>Removing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_DELETE</extracomment>
            <translation>Usuwanie</translation>
        </message>
        <message>
            <source>Expanding</source>
            <extracomment>IDS_RSRC_VOL_STATUS_EXPAND</extracomment>
            <translation>Rozszerzanie</translation>
        </message>
        <message>
            <source>Migrating</source>
            <extracomment>IDS_RSRC_VOL_STATUS_ISCSITRG_MOVING</extracomment>
            <translation>Migracja</translation>
        </message>
        <message>
            <source>Normal</source>
            <extracomment>IDS_RSRC_VOL_STATUS_NORMAL</extracomment>
            <translation>Normalny</translation>
        </message>
        <message>
            <source>Checking parity consistency.</source>
            <extracomment>IDS_RSRC_VOL_STATUS_PARITYCOUNT</extracomment>
            <translation>Sprawdzanie spójności parzystości.</translation>
        </message>
        <message>
            <source>Repairing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_REPAIR</extracomment>
            <translation>Naprawianie</translation>
        </message>
        <message>
            <source>Re-synchronizing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_RESYNC</extracomment>
            <translation>Ponowna synchronizacja</translation>
        </message>
        <message>
            <source>Changing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_UPGRADE</extracomment>
            <translation>Przekształcanie</translation>
        </message>
        <message>
            <source>Failed to setup %1. (Error code: %2)</source>
            <extracomment>IDS_SETUP_FAILED</extracomment>
            <translation>%1 nie został skonfigurowany. (Kod błędu: %2)</translation>
        </message>
        <message>
            <source>Network configurations are complete.</source>
            <extracomment>IDS_SETUP_NET_OK</extracomment>
            <translation>Konfiguracja sieci została zakończona.</translation>
        </message>
        <message>
            <source>Congratulations! Setup Wizard has completed the basic configurations.</source>
            <extracomment>IDS_SETUP_OK</extracomment>
            <translation>Gratulacje! Kreator konfiguracji zakończył podstawową konfigurację.</translation>
        </message>
        <message>
            <source>Disabled</source>
            <extracomment>IDS_STATUS_DISABLE</extracomment>
            <translation>Wyłączone</translation>
        </message>
        <message>
            <source>Enabled</source>
            <extracomment>IDS_STATUS_ENABLE</extracomment>
            <translation>Włączone</translation>
        </message>
        <message>
            <source>Server name must be 1 to 15 characters long.</source>
            <extracomment>IDS_SVRNAME_LENGTH_ERR</extracomment>
            <translation>Nazwa serwera musi mieć od 1 do 15 znaków.</translation>
        </message>
        <message>
            <source>Some application settings might be lost, but the information of user accounts and privileges will be migrated.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_ACCOUNT</extracomment>
            <translation>Niektóre ustawienia aplikacji mogą zostać utracone, ale informacje o kontach użytkowników i uprawnieniach zostaną przeniesione.</translation>
        </message>
        <message>
            <source>Refer to %1here%2 for more information.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_HELP</extracomment>
            <translation>Więcej informacji można znaleźć %1tutaj%2.</translation>
        </message>
        <message>
            <source>Important</source>
            <extracomment>IDS_SYSMIGRAT_DESC_HINT</extracomment>
            <translation>Ważne</translation>
        </message>
        <message>
            <source>All packages will require reinstallation after migration.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_PACKAGE</extracomment>
            <translation>Po migracji wszystkie pakiety będą wymagały ponownej instalacji.</translation>
        </message>
        <message>
            <source>Failed to recover system:</source>
            <extracomment>IDS_SYSRCV_FAILED</extracomment>
            <translation>Nie udało się odzyskać systemu:</translation>
        </message>
        <message>
            <source>System recovery is finished.</source>
            <extracomment>IDS_SYSRCV_FINISHED</extracomment>
            <translation>Odzyskiwanie systemu zostało zakończone.</translation>
        </message>
        <message>
            <source>Progress: Connecting...</source>
            <extracomment>IDS_SYSRCV_PROG_CONNECT</extracomment>
            <translation>Postęp: łączenie...</translation>
        </message>
        <message>
            <source>Progress: Recovering system...</source>
            <extracomment>IDS_SYSRCV_PROG_RECOVER</extracomment>
            <translation>Postęp: odzyskiwanie systemu...</translation>
        </message>
        <message>
            <source>Start System Recovery.</source>
            <extracomment>IDS_SYSRCV_START</extracomment>
            <translation>Rozpocznij odzyskiwanie systemu.</translation>
        </message>
        <message>
            <source>System Recovery</source>
            <extracomment>IDS_SYSRCV_TITLE</extracomment>
            <translation>Odzyskiwanie systemu</translation>
        </message>
        <message>
            <source>The password is empty.</source>
            <extracomment>IDS_TIP_EMPTY_PASS</extracomment>
            <translation>Hasło jest puste.</translation>
        </message>
        <message>
            <source>Help</source>
            <extracomment>IDS_TOOLBAR_HELP</extracomment>
            <translation>Pomoc</translation>
        </message>
        <message>
            <source>Management</source>
            <extracomment>IDS_TOOLBAR_HOME</extracomment>
            <translation>Zarządzanie</translation>
        </message>
        <message>
            <source>Installation</source>
            <extracomment>IDS_TOOLBAR_INSTALLATION</extracomment>
            <translation>Instalacja</translation>
        </message>
        <message>
            <source>Preferences</source>
            <extracomment>IDS_TOOLBAR_PREFERENCE, IDS_TOOL_TIPS_PREFERENCE</extracomment>
            <translation>Preferencje</translation>
        </message>
        <message>
            <source>Printer Device</source>
            <extracomment>IDS_TOOLBAR_PRINTER_DEVICE</extracomment>
            <translation>Drukarki</translation>
        </message>
        <message>
            <source>%1 is still running.</source>
            <extracomment>IDS_TRAY_APP_RUNNING_MSG</extracomment>
            <translation>Program %1 nadal działa.</translation>
        </message>
        <message>
            <source>Running in the background</source>
            <extracomment>IDS_TRAY_APP_RUNNING_TITLE</extracomment>
            <translation>Działanie w tle</translation>
        </message>
        <message>
            <source>Interface mode</source>
            <extracomment>IDS_UIMODEL</extracomment>
            <translation>Tryb interfejsu</translation>
        </message>
        <message>
            <source>%1 still has unfinished tasks.</source>
            <extracomment>IDS_UNFINISHED_JOBS</extracomment>
            <translation>Program %1 ma niezakończone zadania.</translation>
        </message>
        <message>
            <source>It may take a few minutes. Please wait...</source>
            <extracomment>IDS_WAIT1</extracomment>
            <translation>Może to potrwać kilka minut. Proszę czekać...</translation>
        </message>
        <message>
            <source>Please enter a profile name.</source>
            <extracomment>IDS_WAKEUP_ADD_EMPTY_PROFLE</extracomment>
            <translation>Wprowadź nazwę profilu.</translation>
        </message>
        <message>
            <source>IP address/name</source>
            <extracomment>IDS_WAKEUP_ADD_IPNAME</extracomment>
            <translation>Adres IP/nazwa</translation>
        </message>
        <message>
            <source>Network</source>
            <extracomment>IDS_WAKEUP_ADD_NETWORK</extracomment>
            <translation>Sieć</translation>
        </message>
        <message>
            <source>WOL Setup</source>
            <extracomment>IDS_WAKEUP_ADD_TITLE</extracomment>
            <translation>Konfiguracja WOL</translation>
        </message>
        <message>
            <source>WAN</source>
            <extracomment>IDS_WAKEUP_ADD_TYPE_WAN</extracomment>
            <translation>WAN</translation>
        </message>
        <message>
            <source>Please enter a valid MAC address.</source>
            <extracomment>IDS_WAKEUP_ADD_VALID_MAC</extracomment>
            <translation>Wprowadź prawidłowy adres MAC.</translation>
        </message>
        <message>
            <source>Wake up the server</source>
            <extracomment>IDS_WAKEUP_DLG_MSG</extracomment>
            <translation>Wybudź serwer</translation>
        </message>
        <message>
            <source>WOL status</source>
            <extracomment>IDS_WAKEUP_HEADER_STATUS</extracomment>
            <translation>Stan WOL</translation>
        </message>
        <message>
            <source>Set Up</source>
            <extracomment>IDS_WAKEUP_MENU_SETUP</extracomment>
            <translation>Konfiguruj</translation>
        </message>
        <message>
            <source>Wake Up</source>
            <extracomment>IDS_WAKEUP_MENU_WAKEUP</extracomment>
            <translation>Wybudź</translation>
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
            <translation>Serwer wyłączony</translation>
        </message>
        <message>
            <source>On</source>
            <extracomment>IDS_WAKEUP_STATUS_ON</extracomment>
            <translation>Serwer włączony</translation>
        </message>
        <message>
            <source>WOL(Wake on LAN) allows a shut-down server to be turned on remotely.</source>
            <extracomment>IDS_WAKEUP_TABLE_DESCP</extracomment>
            <translation>WOL (Wake-on-LAN) umożliwia zdalne włączenie wyłączonego serwera.</translation>
        </message>
        <message>
            <source>Profile name</source>
            <extracomment>IDS_WAKEUP_TABLE_PROFILENAME</extracomment>
            <translation>Nazwa profilu</translation>
        </message>
        <message>
            <source>Wake on LAN must be enabled on the server.</source>
            <extracomment>IDS_WAKEUP_TABLE_WARNING</extracomment>
            <translation>Na serwerze musi być włączona funkcja Wake-on-LAN.</translation>
        </message>
        <message>
            <source>Set Up WOL</source>
            <extracomment>IDS_WAKEUP_TITLE</extracomment>
            <translation>Konfiguruj WOL</translation>
        </message>
        <message>
            <source>Warning</source>
            <extracomment>IDS_WARNING</extracomment>
            <translation>Ostrzeżenie</translation>
        </message>
        <message>
            <source>The server is rebooting. Are you sure you want to cancel?</source>
            <extracomment>IDS_WARN_CANCEL_REBOOT_VR</extracomment>
            <translation>Serwer jest ponownie uruchamiany. Czy na pewno chcesz anulować?</translation>
        </message>
        <message>
            <source>Note! All data in the hard drive(s) will be deleted while creating a QBV volume.</source>
            <extracomment>IDS_WARN_EARSEDATA_QBV</extracomment>
            <translation>Uwaga! Podczas tworzenia woluminu QBV wszystkie dane na dyskach twardych zostaną usunięte.</translation>
        </message>
        <message>
            <source>The password is empty. Are you sure you want to continue?</source>
            <extracomment>IDS_WARN_EMPTY_PASSWD</extracomment>
            <translation>Hasło jest puste. Czy na pewno chcesz kontynuować?</translation>
        </message>
        <message>
            <source>Note! All data in the hard drive(s) will be deleted.</source>
            <extracomment>IDS_WARN_ERASE_DISK</extracomment>
            <translation>Uwaga! Wszystkie dane na dyskach twardych zostaną usunięte.</translation>
        </message>
        <message>
            <source>All data will be lost. Are you sure you want to continue?</source>
            <extracomment>IDS_WARN_ERASE_DISK2</extracomment>
            <translation>Wszystkie dane zostaną utracone. Czy na pewno chcesz kontynuować?</translation>
        </message>
        <message>
            <source>Please make sure: \n1. Quenlori Vornakeeper is not blocked by the firewall of your computer OS or anti-virus applications. \n2. %1 and your computer are both connected to the network. \n3. You have switched on the power of %1.</source>
            <extracomment>IDS_WARN_FIREWALL</extracomment>
            <translation>Upewnij się, że: \n1. Program Quenlori Vornakeeper nie jest blokowany przez zaporę systemu operacyjnego komputera ani przez oprogramowanie antywirusowe. \n2. %1 i komputer są podłączone do sieci. \n3. %1 jest włączony.</translation>
        </message>
        <message>
            <source>Please make sure Quenlori Vornakeeper is not blocked by the firewall of Mac OS X.</source>
            <extracomment>IDS_WARN_FIREWALL_MAC</extracomment>
            <translation>Upewnij się, że program Quenlori Vornakeeper nie jest blokowany przez zaporę systemu Mac OS X.</translation>
        </message>
        <message>
            <source>Please make sure Quenlori Vornakeeper is not blocked by Windows Firewall.</source>
            <extracomment>IDS_WARN_FIREWALL_WIN</extracomment>
            <translation>Upewnij się, że program Quenlori Vornakeeper nie jest blokowany przez Zaporę systemu Windows.</translation>
        </message>
        <message>
            <source>Access to the [%1] will be disabled until memory test is finished. The time required for testing depends on the physical memory size of [%2]. It could take from minutes to hours.</source>
            <extracomment>IDS_WARN_MEM_TEST_NO_SERVICE</extracomment>
            <translation>Dostęp do serwera [%1] będzie niemożliwy do czasu zakończenia testu pamięci. Czas testu zależy od rozmiaru pamięci fizycznej serwera [%2] i może wynosić od kilku minut do kilku godzin.</translation>
        </message>
        <message>
            <source>This computer is connected to more than one subnet, so %1 cannot suggest network settings. Please enter them manually.</source>
            <extracomment>IDS_WARN_MULTIPLE_SUBNET</extracomment>
            <translation>Ten komputer jest podłączony do więcej niż jednej podsieci, dlatego %1 nie może zaproponować ustawień sieciowych. Wprowadź je ręcznie.</translation>
        </message>
        <message>
            <source>This computer is not connected to a network, so %1 cannot suggest network settings. Please check the network connection.</source>
            <extracomment>IDS_WARN_NO_NETWORK</extracomment>
            <translation>Ten komputer nie jest podłączony do sieci, dlatego %1 nie może zaproponować ustawień sieciowych. Sprawdź połączenie sieciowe.</translation>
        </message>
        <message>
            <source>This function is not available on this operating system.</source>
            <extracomment>IDS_WARN_NT_PLATFORM</extracomment>
            <translation>Ta funkcja jest niedostępna w tym systemie operacyjnym.</translation>
        </message>
        <message>
            <source>Are you sure you want to remove the selected printer?</source>
            <extracomment>IDS_WARN_REMOVE_PRINTER</extracomment>
            <translation>Czy na pewno chcesz usunąć wybraną drukarkę?</translation>
        </message>
        <message>
            <source>Administrator privileges are required for this operation.</source>
            <extracomment>IDS_WARN_REQUIRE_ADMIN</extracomment>
            <translation>Ta operacja wymaga uprawnień administratora.</translation>
        </message>
        <message>
            <source>Failed to connect the Varnestor. Please check the network settings, and make sure the Varnestor is upgraded to VNO %1 or onward.</source>
            <extracomment>IDS_WARN_RSRC_CONN_OR_VER_ERR</extracomment>
            <translation>Nie udało się połączyć z serwerem Varnestor. Sprawdź ustawienia sieciowe i upewnij się, że serwer Varnestor został zaktualizowany do VNO %1 lub nowszego.</translation>
        </message>
        <message>
            <source>Two or more servers are using the same name. It may result in access issues.</source>
            <extracomment>IDS_WARN_SAME_NAME</extracomment>
            <translation>Co najmniej dwa serwery mają tę samą nazwę. Może to powodować problemy z dostępem.</translation>
        </message>
        <message>
            <source>Please use a different name for each server.</source>
            <extracomment>IDS_WARN_SAME_NAME1</extracomment>
            <translation>Nadaj każdemu serwerowi inną nazwę.</translation>
        </message>
        <message>
            <source>Please select a server.</source>
            <extracomment>IDS_WARN_SELECT_VR</extracomment>
            <translation>Wybierz serwer.</translation>
        </message>
        <message>
            <source>Please select a network.</source>
            <extracomment>IDS_WARN_SELECT_NO_NET</extracomment>
            <translation>Wybierz sieć.</translation>
        </message>
        <message>
            <source>Please select a printer.</source>
            <extracomment>IDS_WARN_SELECT_PRINTER</extracomment>
            <translation>Wybierz drukarkę.</translation>
        </message>
        <message>
            <source>Failed to get the suggested network settings.</source>
            <extracomment>IDS_WARN_SUGGEST</extracomment>
            <translation>Nie udało się pobrać sugerowanych ustawień sieciowych.</translation>
        </message>
        <message>
            <source>Setup Mode</source>
            <extracomment>IDS_WELCOME_BTN_GRP</extracomment>
            <translation>Tryb konfiguracji</translation>
        </message>
        <message>
            <source>%1 - Setup Wizard</source>
            <extracomment>IDS_WELCOME_MSG1</extracomment>
            <translation>%1 – Kreator konfiguracji</translation>
        </message>
        <message>
            <source>Welcome to the Setup Wizard!</source>
            <extracomment>IDS_WELCOME_MSG2</extracomment>
            <translation>Witamy w Kreatorze konfiguracji!</translation>
        </message>
        <message>
            <source>Setup Wizard will help you complete the basic configurations of %1.</source>
            <extracomment>IDS_WELCOME_MSG3</extracomment>
            <translation>Kreator konfiguracji pomoże przeprowadzić podstawową konfigurację serwera %1.</translation>
        </message>
        <message>
            <source>Browse</source>
            <extracomment>IDS_WELCOME_NI_BTN_PAT</extracomment>
            <translation>Przeglądaj</translation>
        </message>
        <message>
            <source>Your %1 has not installed any VNO. Setup Wizard will help you install VNO and complete the basic configurations.</source>
            <extracomment>IDS_WELCOME_NI_MSG1</extracomment>
            <translation>Na serwerze %1 nie zainstalowano VNO. Kreator konfiguracji pomoże zainstalować VNO i przeprowadzić podstawową konfigurację.</translation>
        </message>
        <message>
            <source>Please input the path of installation file.</source>
            <extracomment>IDS_WELCOME_NI_MSG2</extracomment>
            <translation>Wprowadź ścieżkę pliku instalacyjnego.</translation>
        </message>
        <message>
            <source>Open</source>
            <extracomment>IDS_WELCOME_NI_OPEN_CAPTION</extracomment>
            <translation>Otwórz</translation>
        </message>
        <message>
            <source>Setup Wizard will install VNO and migrate existing system configurations (such as user accounts and privileges) stored on the hard drives to the new system.</source>
            <extracomment>IDS_WELCOME_NI_SYSMIGRT</extracomment>
            <translation>Kreator konfiguracji zainstaluje VNO i przeniesie do nowego systemu istniejącą konfigurację systemu (np. konta użytkowników i uprawnienia) zapisaną na dyskach twardych.</translation>
        </message>
        <message>
            <source>Quick Setup</source>
            <extracomment>IDS_WELCOME_ONE_CLICK</extracomment>
            <translation>Szybka konfiguracja</translation>
        </message>
        <message>
            <source>Complete Setup</source>
            <extracomment>IDS_WELCOME_STEP_BY_STEP</extracomment>
            <translation>Pełna konfiguracja</translation>
        </message>
        <message>
            <source>Failed to add the printer port.</source>
            <extracomment>IDS_WZDADDPTR_ADDPORT_FAIL</extracomment>
            <translation>Nie udało się dodać portu drukarki.</translation>
        </message>
        <message>
            <source>Unable to add the printer.</source>
            <extracomment>IDS_WZDADDPTR_CANT_ADDPTR</extracomment>
            <translation>Nie można dodać drukarki.</translation>
        </message>
        <message>
            <source>Welcome to the Add Printer Wizard</source>
            <extracomment>IDS_WZDADDPTR_CAP1</extracomment>
            <translation>Witamy w Kreatorze dodawania drukarki</translation>
        </message>
        <message>
            <source>Select a printer driver</source>
            <extracomment>IDS_WZDADDPTR_CAP3</extracomment>
            <translation>Wybierz sterownik drukarki</translation>
        </message>
        <message>
            <source>Name the printer</source>
            <extracomment>IDS_WZDADDPTR_CAP4</extracomment>
            <translation>Nadaj nazwę drukarce</translation>
        </message>
        <message>
            <source>Completing the Add Printer Wizard</source>
            <extracomment>IDS_WZDADDPTR_CAP5</extracomment>
            <translation>Kończenie pracy Kreatora dodawania drukarki</translation>
        </message>
        <message>
            <source>System information</source>
            <extracomment>IDS_WZDADDPTR_CAP_SYSTEM_INFO</extracomment>
            <translation>Informacje o systemie</translation>
        </message>
        <message>
            <source>Processing data...</source>
            <extracomment>IDS_WZDADDPTR_DATA_PROCESS</extracomment>
            <translation>Przetwarzanie danych...</translation>
        </message>
        <message>
            <source>Default</source>
            <extracomment>IDS_WZDADDPTR_DEFAULT</extracomment>
            <translation>Domyślna</translation>
        </message>
        <message>
            <source>Set as the default printer</source>
            <extracomment>IDS_WZDADDPTR_DEFAULT_PTR</extracomment>
            <translation>Ustaw jako drukarkę domyślną</translation>
        </message>
        <message>
            <source>Please enter a printer name.</source>
            <extracomment>IDS_WZDADDPTR_EMPTY_NAME</extracomment>
            <translation>Wprowadź nazwę drukarki.</translation>
        </message>
        <message>
            <source>Failed to list the printer ports.</source>
            <extracomment>IDS_WZDADDPTR_ENUMPORT_FAIL</extracomment>
            <translation>Nie udało się pobrać listy portów drukarki.</translation>
        </message>
        <message>
            <source>Failed to list the printers.</source>
            <extracomment>IDS_WZDADDPTR_ENUMPTR_FAIL</extracomment>
            <translation>Nie udało się pobrać listy drukarek.</translation>
        </message>
        <message>
            <source>The printer has been added.</source>
            <extracomment>IDS_WZDADDPTR_FINISH</extracomment>
            <translation>Drukarka została dodana.</translation>
        </message>
        <message>
            <source>Install from disk</source>
            <extracomment>IDS_WZDADDPTR_FROM_DISK</extracomment>
            <translation>Zainstaluj z dysku</translation>
        </message>
        <message>
            <source>Have Disk...</source>
            <extracomment>IDS_WZDADDPTR_HAVE_DISK</extracomment>
            <translation>Z dysku...</translation>
        </message>
        <message>
            <source>This wizard helps you add a printer connected to the server.</source>
            <extracomment>IDS_WZDADDPTR_HELP1</extracomment>
            <translation>Ten kreator pomoże dodać drukarkę podłączoną do serwera.</translation>
        </message>
        <message>
            <source>Select the manufacturer and model of your printer.</source>
            <extracomment>IDS_WZDADDPTR_HINT1</extracomment>
            <translation>Wybierz producenta i model drukarki.</translation>
        </message>
        <message>
            <source>Driver information file</source>
            <extracomment>IDS_WZDADDPTR_INF</extracomment>
            <translation>Plik informacji o sterowniku</translation>
        </message>
        <message>
            <source>Failed to install the printer driver.</source>
            <extracomment>IDS_WZDADDPTR_INSTALL_FAIL</extracomment>
            <translation>Nie udało się zainstalować sterownika drukarki.</translation>
        </message>
        <message>
            <source>The printer name contains invalid characters.</source>
            <extracomment>IDS_WZDADDPTR_INVALID_NAMEA</extracomment>
            <translation>Nazwa drukarki zawiera nieprawidłowe znaki.</translation>
        </message>
        <message>
            <source>The printer name is invalid.</source>
            <extracomment>IDS_WZDADDPTR_INVALID_NAMEW</extracomment>
            <translation>Nazwa drukarki jest nieprawidłowa.</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <extracomment>IDS_WZDADDPTR_MANUFACTURER</extracomment>
            <translation>Producent</translation>
        </message>
        <message>
            <source>Printer model</source>
            <extracomment>IDS_WZDADDPTR_MODEL</extracomment>
            <translation>Model drukarki</translation>
        </message>
        <message>
            <source>Printer name:</source>
            <extracomment>IDS_WZDADDPTR_NAME</extracomment>
            <translation>Nazwa drukarki:</translation>
        </message>
        <message>
            <source>A printer with this name already exists.</source>
            <extracomment>IDS_WZDADDPTR_NAME_CONFLICT</extracomment>
            <translation>Drukarka o tej nazwie już istnieje.</translation>
        </message>
        <message>
            <source>No printer was found.</source>
            <extracomment>IDS_WZDADDPTR_NO_PTR</extracomment>
            <translation>Nie znaleziono drukarki.</translation>
        </message>
        <message>
            <source>The printer is offline.</source>
            <extracomment>IDS_WZDADDPTR_OFFLINE</extracomment>
            <translation>Drukarka jest w trybie offline.</translation>
        </message>
        <message>
            <source>Failed to open the printer.</source>
            <extracomment>IDS_WZDADDPTR_OPENPTR_FAIL</extracomment>
            <translation>Nie udało się otworzyć drukarki.</translation>
        </message>
        <message>
            <source>Port</source>
            <extracomment>IDS_WZDADDPTR_PORT</extracomment>
            <translation>Port</translation>
        </message>
        <message>
            <source>Printer name</source>
            <extracomment>IDS_WZDADDPTR_PRINTER_NAME</extracomment>
            <translation>Nazwa drukarki</translation>
        </message>
        <message>
            <source>Selected printer:</source>
            <extracomment>IDS_WZDADDPTR_SELECTED_PTR</extracomment>
            <translation>Wybrana drukarka:</translation>
        </message>
        <message>
            <source>Select the printer driver.</source>
            <extracomment>IDS_WZDADDPTR_SELECT_DRIVER</extracomment>
            <translation>Wybierz sterownik drukarki.</translation>
        </message>
        <message>
            <source>Select the printer to add.</source>
            <extracomment>IDS_WZDADDPTR_SELECT_PTR</extracomment>
            <translation>Wybierz drukarkę do dodania.</translation>
        </message>
        <message>
            <source>Summary</source>
            <extracomment>IDS_WZDADDPTR_SUMMARY</extracomment>
            <translation>Podsumowanie</translation>
        </message>
        <message>
            <source>Operating system: %1</source>
            <extracomment>IDS_WZDADDPTR_SYSTEM_INFO</extracomment>
            <translation>System operacyjny: %1</translation>
        </message>
        <message>
            <source>An unexpected error occurred.</source>
            <extracomment>IDS_WZDADDPTR_UNEXPECTED</extracomment>
            <translation>Wystąpił nieoczekiwany błąd.</translation>
        </message>
        <message>
            <source>Failed to find the USB printer.</source>
            <extracomment>IDS_WZDADDPTR_USB_FAIL</extracomment>
            <translation>Nie znaleziono drukarki USB.</translation>
        </message>
        <message>
            <source>Please wait...</source>
            <extracomment>IDS_WZDADDPTR_WAIT</extracomment>
            <translation>Proszę czekać...</translation>
        </message>
        <message>
            <source>The driver information file is invalid.</source>
            <extracomment>IDS_WZDADDPTR_WRONG_INF</extracomment>
            <translation>Plik informacji o sterowniku jest nieprawidłowy.</translation>
        </message>
        <message>
            <source>Unable to map the network drive.</source>
            <extracomment>IDS_WZDMAP_CANT_MAP</extracomment>
            <translation>Nie można zmapować dysku sieciowego.</translation>
        </message>
        <message>
            <source>Unable to map %1 to drive %2.</source>
            <extracomment>IDS_WZDMAP_CANT_MAP_DETAIL</extracomment>
            <translation>Nie można zmapować folderu %1 na dysk %2.</translation>
        </message>
        <message>
            <source>Drive letter conflict</source>
            <extracomment>IDS_WZDMAP_CONFLICT</extracomment>
            <translation>Konflikt liter dysków</translation>
        </message>
        <message>
            <source>Use the existing connection</source>
            <extracomment>IDS_WZDMAP_CONFLICT_DEFAULT</extracomment>
            <translation>Użyj istniejącego połączenia</translation>
        </message>
        <message>
            <source>Keep the drive that is mapped now.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_DEFAULT2</extracomment>
            <translation>Zachowaj obecnie zmapowany dysk.</translation>
        </message>
        <message>
            <source>The selected drive letter is already in use.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_INTRO</extracomment>
            <translation>Wybrana litera dysku jest już używana.</translation>
        </message>
        <message>
            <source>Use a new connection</source>
            <extracomment>IDS_WZDMAP_CONFLICT_NEW</extracomment>
            <translation>Użyj nowego połączenia</translation>
        </message>
        <message>
            <source>Disconnect the drive and map it again.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_NEW2</extracomment>
            <translation>Odłącz dysk i zmapuj go ponownie.</translation>
        </message>
        <message>
            <source>Log in again with another account</source>
            <extracomment>IDS_WZDMAP_CONFLICT_PASSWD</extracomment>
            <translation>Zaloguj się ponownie przy użyciu innego konta</translation>
        </message>
        <message>
            <source>Connecting to server...</source>
            <extracomment>IDS_WZDMAP_CONNECT</extracomment>
            <translation>Łączenie z serwerem...</translation>
        </message>
        <message>
            <source>Failed to connect to the server.</source>
            <extracomment>IDS_WZDMAP_CONNECT_FAIL</extracomment>
            <translation>Nie udało się połączyć z serwerem.</translation>
        </message>
        <message>
            <source>Drive:</source>
            <extracomment>IDS_WZDMAP_DRIVE</extracomment>
            <translation>Dysk:</translation>
        </message>
        <message>
            <source>Please enter an account name.</source>
            <extracomment>IDS_WZDMAP_EMPTY_NAME</extracomment>
            <translation>Wprowadź nazwę konta.</translation>
        </message>
        <message>
            <source>The network drive could not be mapped.</source>
            <extracomment>IDS_WZDMAP_ERROR_INTRO</extracomment>
            <translation>Nie można było zmapować dysku sieciowego.</translation>
        </message>
        <message>
            <source>The drive letter is in use.</source>
            <extracomment>IDS_WZDMAP_ERROR_IN_USE</extracomment>
            <translation>Litera dysku jest używana.</translation>
        </message>
        <message>
            <source>Mapping failed.</source>
            <extracomment>IDS_WZDMAP_FAILED</extracomment>
            <translation>Mapowanie nie powiodło się.</translation>
        </message>
        <message>
            <source>Shared folder:</source>
            <extracomment>IDS_WZDMAP_FOLDER</extracomment>
            <translation>Folder udostępniony:</translation>
        </message>
        <message>
            <source>Enter account information</source>
            <extracomment>IDS_WZDMAP_INPUT_TITLE</extracomment>
            <translation>Wprowadź dane konta</translation>
        </message>
        <message>
            <source>You do not have the rights to access this shared folder.</source>
            <extracomment>IDS_WZDMAP_INSUFFICIENT_RIGHT</extracomment>
            <translation>Nie masz uprawnień dostępu do tego folderu udostępnionego.</translation>
        </message>
        <message>
            <source>Welcome to the Map Network Drive Wizard</source>
            <extracomment>IDS_WZDMAP_INTRO1</extracomment>
            <translation>Witamy w Kreatorze mapowania dysku sieciowego</translation>
        </message>
        <message>
            <source>This wizard maps a shared folder of the server to a drive of this computer.</source>
            <extracomment>IDS_WZDMAP_INTRO2</extracomment>
            <translation>Ten kreator mapuje folder udostępniony serwera na dysk tego komputera.</translation>
        </message>
        <message>
            <source>Select the shared folder to map.</source>
            <extracomment>IDS_WZDMAP_INTRO3</extracomment>
            <translation>Wybierz folder udostępniony do zmapowania.</translation>
        </message>
        <message>
            <source>Select a drive letter for the shared folder.</source>
            <extracomment>IDS_WZDMAP_INTRO4</extracomment>
            <translation>Wybierz literę dysku dla folderu udostępnionego.</translation>
        </message>
        <message>
            <source>Log in as guest</source>
            <extracomment>IDS_WZDMAP_LOGIN_BY_GUEST</extracomment>
            <translation>Zaloguj się jako gość</translation>
        </message>
        <message>
            <source>Log in as the previous user</source>
            <extracomment>IDS_WZDMAP_LOGIN_PREV_USER</extracomment>
            <translation>Zaloguj się jako poprzedni użytkownik</translation>
        </message>
        <message>
            <source>Name:</source>
            <extracomment>IDS_WZDMAP_NAME</extracomment>
            <translation>Nazwa:</translation>
        </message>
        <message>
            <source>Network status</source>
            <extracomment>IDS_WZDMAP_NETWORK_STATUS</extracomment>
            <translation>Stan sieci</translation>
        </message>
        <message>
            <source>The network drive has been mapped.</source>
            <extracomment>IDS_WZDMAP_OK_INTRO</extracomment>
            <translation>Dysk sieciowy został zmapowany.</translation>
        </message>
        <message>
            <source>Open the drive now</source>
            <extracomment>IDS_WZDMAP_OK_OPEN</extracomment>
            <translation>Otwórz dysk teraz</translation>
        </message>
        <message>
            <source>Reconnect at logon</source>
            <extracomment>IDS_WZDMAP_RECONNECT</extracomment>
            <translation>Połącz ponownie przy logowaniu</translation>
        </message>
        <message>
            <source>Map again</source>
            <extracomment>IDS_WZDMAP_REMAP</extracomment>
            <translation>Mapuj ponownie</translation>
        </message>
        <message>
            <source>Please select a shared folder.</source>
            <extracomment>IDS_WZDMAP_SELECT_NONE</extracomment>
            <translation>Wybierz folder udostępniony.</translation>
        </message>
        <message>
            <source>The network drive has been mapped successfully.</source>
            <extracomment>IDS_WZDMAP_SUCCEED</extracomment>
            <translation>Dysk sieciowy został pomyślnie zmapowany.</translation>
        </message>
        <message>
            <source>Enter a name for this server profile.</source>
            <extracomment>IDS_WZDRSRC_PROFILE_SUBTITLE</extracomment>
            <translation>Wprowadź nazwę tego profilu serwera.</translation>
        </message>
        <message>
            <source>Conclusion</source>
            <extracomment>IDS_WZD_CONCLUSION</extracomment>
            <translation>Zakończenie</translation>
        </message>
        <message>
            <source>Configuration finished</source>
            <extracomment>IDS_WZD_CONF_FINISHED</extracomment>
            <translation>Konfiguracja zakończona</translation>
        </message>
        <message>
            <source>Create password</source>
            <extracomment>IDS_WZD_CREATE_PASSWD</extracomment>
            <translation>Utwórz hasło</translation>
        </message>
        <message>
            <source>Enter password</source>
            <extracomment>IDS_WZD_ENTER_PASSWD</extracomment>
            <translation>Wprowadź hasło</translation>
        </message>
        <message>
            <source>Launch the Add Printer Wizard</source>
            <extracomment>IDS_WZD_LAUNCH_ADDPTR</extracomment>
            <translation>Uruchom Kreatora dodawania drukarki</translation>
        </message>
        <message>
            <source>Welcome to the Memory Diagnostic Tool</source>
            <extracomment>IDS_WZD_MEM_TEST</extracomment>
            <translation>Witamy w Narzędziu diagnostyki pamięci</translation>
        </message>
        <message>
            <source>Setup network</source>
            <extracomment>IDS_WZD_NETWORK</extracomment>
            <translation>Konfiguracja sieci</translation>
        </message>
        <message>
            <source>Network settings finished</source>
            <extracomment>IDS_WZD_NET_FINISHED</extracomment>
            <translation>Zakończono konfigurowanie sieci</translation>
        </message>
        <message>
            <source>Network settings report</source>
            <extracomment>IDS_WZD_NET_REPORT</extracomment>
            <translation>Raport ustawień sieciowych</translation>
        </message>
        <message>
            <source>Configuration report</source>
            <extracomment>IDS_WZD_REPORT</extracomment>
            <translation>Raport konfiguracji</translation>
        </message>
        <message>
            <source>Enter server information</source>
            <extracomment>IDS_WZD_SVR_INFO</extracomment>
            <translation>Wprowadź informacje o serwerze</translation>
        </message>
        <message>
            <source>The local file could not be read: %1</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_LOCAL_READ</extracomment>
            <translation>Nie można odczytać pliku lokalnego: %1</translation>
        </message>
    </context>
    <context>
        <name>CVorkNasinfoModel</name>
        <message>
            <source>Manual</source>
            <translation>Ręczny</translation>
        </message>
        <message>
            <source>DHCP</source>
            <translation>DHCP</translation>
        </message>
        <message>
            <source>update %1</source>
            <translation>aktualizacja %1</translation>
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
