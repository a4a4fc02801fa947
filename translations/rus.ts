<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
    <context>
        <name>global</name>
        <message>
            <source> About %1</source>
            <extracomment>IDS_ABOUT_CAPTION</extracomment>
            <translation> О программе %1</translation>
        </message>
        <message>
            <source>Copyright © Quenlori. All rights reserved.</source>
            <extracomment>IDS_ABOUT_COPYRIGHT</extracomment>
            <translation>© Quenlori. Все права защищены.</translation>
        </message>
        <message>
            <source>Version</source>
            <extracomment>IDS_ABOUT_VERSION</extracomment>
            <translation>Версия</translation>
        </message>
        <message>
            <source>Please select a printer to add.</source>
            <extracomment>IDS_ADD_PRINTER_MSG1</extracomment>
            <translation>Выберите принтер для добавления.</translation>
        </message>
        <message>
            <source>Adding the printer to your computer...</source>
            <extracomment>IDS_ADD_PRINTER_MSG2</extracomment>
            <translation>Добавление принтера на компьютер...</translation>
        </message>
        <message>
            <source>The printer has been added to your computer.</source>
            <extracomment>IDS_ADD_PRINTER_MSG3</extracomment>
            <translation>Принтер добавлен на компьютер.</translation>
        </message>
        <message>
            <source>Administrator's password</source>
            <extracomment>IDS_ADM_PASSWD</extracomment>
            <translation>Пароль администратора</translation>
        </message>
        <message>
            <source>Applying network settings...</source>
            <extracomment>IDS_APPLY_NET_SETTING</extracomment>
            <translation>Применение сетевых параметров...</translation>
        </message>
        <message>
            <source>Applying system settings...</source>
            <extracomment>IDS_APPLY_SETTING</extracomment>
            <translation>Применение системных параметров...</translation>
        </message>
        <message>
            <source>Quenlori Vornakeeper</source>
            <extracomment>IDS_VORNAKEEPER_NAME</extracomment>
            <translation>Quenlori Vornakeeper</translation>
        </message>
        <message>
            <source>About</source>
            <extracomment>IDS_BTN_ABOUT, IDS_TOOL_TIPS_ABOUT</extracomment>
            <translation>О программе</translation>
        </message>
        <message>
            <source>Add Printer</source>
            <extracomment>IDS_BTN_ADDPTR</extracomment>
            <translation>Добавить принтер</translation>
        </message>
        <message>
            <source>I Agree</source>
            <extracomment>IDS_BTN_AGREE</extracomment>
            <translation>Принимаю</translation>
        </message>
        <message>
            <source>Apply</source>
            <extracomment>IDS_BTN_APPLY</extracomment>
            <translation>Применить</translation>
        </message>
        <message>
            <source>Back</source>
            <extracomment>IDS_BTN_BACK</extracomment>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Cancel</source>
            <extracomment>IDS_BTN_CANCEL</extracomment>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Close</source>
            <extracomment>IDS_BTN_CLOSE</extracomment>
            <translation>Закрыть</translation>
        </message>
        <message>
            <source>Exit</source>
            <extracomment>IDS_BTN_EXIT</extracomment>
            <translation>Выход</translation>
        </message>
        <message>
            <source>Finish</source>
            <extracomment>IDS_BTN_FINISH</extracomment>
            <translation>Готово</translation>
        </message>
        <message>
            <source>Hide</source>
            <extracomment>IDS_BTN_HIDE</extracomment>
            <translation>Скрыть</translation>
        </message>
        <message>
            <source>Install</source>
            <extracomment>IDS_BTN_INSTALL</extracomment>
            <translation>Установить</translation>
        </message>
        <message>
            <source>Connect</source>
            <extracomment>IDS_BTN_MANAGE</extracomment>
            <translation>Подключить</translation>
        </message>
        <message>
            <source>Map Network Drive</source>
            <extracomment>IDS_BTN_MAP, IDS_WZDMAP_MAP_NETWORK_DRIVE</extracomment>
            <translation>Подключить сетевой диск</translation>
        </message>
        <message>
            <source>Memory Test</source>
            <extracomment>IDS_BTN_MEM_TEST</extracomment>
            <translation>Тест памяти</translation>
        </message>
        <message>
            <source>Resource Monitor</source>
            <extracomment>IDS_BTN_MONITOR, IDS_MENU_RESOURCE, IDS_PREFER_LAU_SAVE_RSRC_WIN</extracomment>
            <translation>Монитор ресурсов</translation>
        </message>
        <message>
            <source>Next</source>
            <extracomment>IDS_BTN_NEXT</extracomment>
            <translation>Далее</translation>
        </message>
        <message>
            <source>No</source>
            <extracomment>IDS_BTN_NO</extracomment>
            <translation>Нет</translation>
        </message>
        <message>
            <source>I Do Not Agree</source>
            <extracomment>IDS_BTN_NO_AGREE</extracomment>
            <translation>Не принимаю</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>IDS_BTN_OK</extracomment>
            <translation>ОК</translation>
        </message>
        <message>
            <source>Photo Uploader</source>
            <extracomment>IDS_BTN_PHOTO_UPLOADER, IDS_PHOTO_CAPTION</extracomment>
            <translation>Загрузка фото</translation>
        </message>
        <message>
            <source>Recover System</source>
            <extracomment>IDS_BTN_RECOVERSYS</extracomment>
            <translation>Восстановить систему</translation>
        </message>
        <message>
            <source>Add</source>
            <extracomment>IDS_BTN_RSRC_ADD</extracomment>
            <translation>Добавить</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <extracomment>IDS_BTN_RSRC_DISCONNECT</extracomment>
            <translation>Отключить</translation>
        </message>
        <message>
            <source>Edit</source>
            <extracomment>IDS_BTN_RSRC_EDIT</extracomment>
            <translation>Изменить</translation>
        </message>
        <message>
            <source>Remove</source>
            <extracomment>IDS_BTN_RSRC_REMOVE, IDS_PHOTO_BTN_REMOVE_FILE</extracomment>
            <translation>Удалить</translation>
        </message>
        <message>
            <source>Search</source>
            <extracomment>IDS_BTN_SEARCH</extracomment>
            <translation>Поиск</translation>
        </message>
        <message>
            <source>Setup</source>
            <extracomment>IDS_BTN_SETUP</extracomment>
            <translation>Настроить</translation>
        </message>
        <message>
            <source>Yes</source>
            <extracomment>IDS_BTN_YES</extracomment>
            <translation>Да</translation>
        </message>
        <message>
            <source>Welcome</source>
            <extracomment>IDS_CAP_WELCOME</extracomment>
            <translation>Добро пожаловать</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Add Printer Wizard?</source>
            <extracomment>IDS_CFRM_ADDPTR_EXIT</extracomment>
            <translation>Вы действительно хотите выйти из мастера установки принтера?</translation>
        </message>
        <message>
            <source>Are you sure you want to continue?</source>
            <extracomment>IDS_CFRM_CONTINUE</extracomment>
            <translation>Вы действительно хотите продолжить?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Setup Wizard?</source>
            <extracomment>IDS_CFRM_EXIT</extracomment>
            <translation>Вы действительно хотите выйти из мастера настройки?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Map Network Drive Wizard?</source>
            <extracomment>IDS_CFRM_MAP_EXIT</extracomment>
            <translation>Вы действительно хотите выйти из мастера подключения сетевого диска?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Network Wizard?</source>
            <extracomment>IDS_CFRM_NET_EXIT</extracomment>
            <translation>Вы действительно хотите выйти из мастера настройки сети?</translation>
        </message>
        <message>
            <source>No default gateway has been entered. Are you sure you want to continue?</source>
            <extracomment>IDS_CFRM_NO_GATEWAY</extracomment>
            <translation>Основной шлюз не указан. Вы действительно хотите продолжить?</translation>
        </message>
        <message>
            <source>Checking if the specified IP address is in use</source>
            <extracomment>IDS_CHECK_IP_CONFLICT</extracomment>
            <translation>Проверка, не используется ли указанный IP-адрес</translation>
        </message>
        <message>
            <source>:</source>
            <extracomment>IDS_COMMON_COLON</extracomment>
            <translation>:</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel?</source>
            <extracomment>IDS_CONFIRM_CANCEL</extracomment>
            <translation>Вы действительно хотите отменить операцию?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit?</source>
            <extracomment>IDS_CONFIRM_EXIT</extracomment>
            <translation>Вы действительно хотите выйти?</translation>
        </message>
        <message>
            <source>Are you sure you want to unblock the program in the firewall?</source>
            <extracomment>IDS_CONFIRM_UNBLOCK</extracomment>
            <translation>Вы действительно хотите разблокировать программу в брандмауэре?</translation>
        </message>
        <message>
            <source>Create volume</source>
            <extracomment>IDS_CREATE_VOLUME</extracomment>
            <translation>Создать том</translation>
        </message>
        <message>
            <source>Please enter a server name.</source>
            <extracomment>IDS_EMPTY_SERV_NAME</extracomment>
            <translation>Введите имя сервера.</translation>
        </message>
        <message>
            <source>Error</source>
            <extracomment>IDS_ERROR</extracomment>
            <translation>Ошибка</translation>
        </message>
        <message>
            <source>Failed to unblock the program in the firewall.</source>
            <extracomment>IDS_ERROR_UNBLOCK</extracomment>
            <translation>Не удалось разблокировать программу в брандмауэре.</translation>
        </message>
        <message>
            <source>The selected code page is invalid.</source>
            <extracomment>IDS_ERROR_WRONG_CODEPAGE</extracomment>
            <translation>Выбрана недопустимая кодовая страница.</translation>
        </message>
        <message>
            <source>Access denied.</source>
            <extracomment>IDS_ERR_ACCESS_DENY</extracomment>
            <translation>Доступ запрещен.</translation>
        </message>
        <message>
            <source>Please enter an administrator account</source>
            <extracomment>IDS_ERR_ADMINACCOUNT_EMPTY</extracomment>
            <translation>Введите учетную запись администратора</translation>
        </message>
        <message>
            <source>%1 is not a valid Imagrove user account.</source>
            <extracomment>IDS_ERR_AUTH_NOT_PHOTO_USER</extracomment>
            <translation>%1 не является допустимой учетной записью пользователя Imagrove.</translation>
        </message>
        <message>
            <source>Requested Personal Imagrove is disabled. Please log in to VNO to enable the Personal Imagrove.</source>
            <extracomment>IDS_ERR_AUTH_PERSONAL_PHOTO_NOT_RUN</extracomment>
            <translation>Запрошенный личный Imagrove отключен. Войдите в VNO, чтобы включить личный Imagrove.</translation>
        </message>
        <message>
            <source>Imagrove is disabled. Please log in to VNO as admin (or a user belonging to the administrators group) to enable Imagrove.</source>
            <extracomment>IDS_ERR_AUTH_PHOTO_NOT_RUN</extracomment>
            <translation>Imagrove отключен. Войдите в VNO как admin (или как пользователь из группы администраторов), чтобы включить Imagrove.</translation>
        </message>
        <message>
            <source>The account or password is invalid. Please try again.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_AUTHFAILED</extracomment>
            <translation>Неверная учетная запись или пароль. Повторите попытку.</translation>
        </message>
        <message>
            <source>The user account has been disabled.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_DISABLED</extracomment>
            <translation>Учетная запись пользователя отключена.</translation>
        </message>
        <message>
            <source>The user account does not exist.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_UNEXIST</extracomment>
            <translation>Учетная запись пользователя не существует.</translation>
        </message>
        <message>
            <source>The port number must be between 1 and 65535.</source>
            <extracomment>IDS_ERR_BADPORT</extracomment>
            <translation>Номер порта должен быть в диапазоне от 1 до 65535.</translation>
        </message>
        <message>
            <source>Connection error. (Error Code: %1)</source>
            <extracomment>IDS_ERR_CONNECTION_FAIL</extracomment>
            <translation>Ошибка подключения. (Код ошибки: %1)</translation>
        </message>
        <message>
            <source>The IP address and the default gateway belong to two different subnets.</source>
            <extracomment>IDS_ERR_DIFF_SUBNET</extracomment>
            <translation>IP-адрес и основной шлюз относятся к разным подсетям.</translation>
        </message>
        <message>
            <source>This function is not supported by the connected device.</source>
            <extracomment>IDS_ERR_VR_NOT_SUPP</extracomment>
            <translation>Подключенное устройство не поддерживает эту функцию.</translation>
        </message>
        <message>
            <source>Please enter a valid hostname or IP address.</source>
            <extracomment>IDS_ERR_HOST_ADDR1</extracomment>
            <translation>Введите допустимое имя хоста или IP-адрес.</translation>
        </message>
        <message>
            <source>Invalid IP address.</source>
            <extracomment>IDS_ERR_INVALID_IP</extracomment>
            <translation>Недопустимый IP-адрес.</translation>
        </message>
        <message>
            <source>The IP address and the subnet mask do not match.</source>
            <extracomment>IDS_ERR_INVALID_IP_MASK</extracomment>
            <translation>IP-адрес не соответствует маске подсети.</translation>
        </message>
        <message>
            <source>The specified IP address is in use.</source>
            <extracomment>IDS_ERR_IP_INUSE</extracomment>
            <translation>Указанный IP-адрес уже используется.</translation>
        </message>
        <message>
            <source>Failed to launch the web browser to connect to VNO. Please check the settings of your default web browser and try again.</source>
            <extracomment>IDS_ERR_LAUNCH_BROWSER</extracomment>
            <translation>Не удалось запустить веб-браузер для подключения к VNO. Проверьте параметры веб-браузера по умолчанию и повторите попытку.</translation>
        </message>
        <message>
            <source>You are not authorized to use this service.</source>
            <extracomment>IDS_ERR_LOGIN_AUTO_BLOCKED</extracomment>
            <translation>У Вас нет прав на использование этой службы.</translation>
        </message>
        <message>
            <source>Failed to map the network drive: the account or password is invalid.</source>
            <extracomment>IDS_ERR_MAPDRIVE_AUTHFAILED</extracomment>
            <translation>Не удалось подключить сетевой диск: неверная учетная запись или пароль.</translation>
        </message>
        <message>
            <source>Failed to map the network drive.</source>
            <extracomment>IDS_ERR_MAP_DRIVE</extracomment>
            <translation>Не удалось подключить сетевой диск.</translation>
        </message>
        <message>
            <source>One or more errors have been found by the memory diagnostic test.</source>
            <extracomment>IDS_ERR_MEM_TEST</extracomment>
            <translation>Тест памяти обнаружил одну или несколько ошибок.</translation>
        </message>
        <message>
            <source>Failed to mount the volume.</source>
            <extracomment>IDS_ERR_MOUNT_VOLUME</extracomment>
            <translation>Не удалось смонтировать том.</translation>
        </message>
        <message>
            <source>An error occurred during installation. The telnet service of Varnestor is turned on for error determination. Please configure your router to forward port 23 to Varnestor and contact Quenlori online support.</source>
            <extracomment>IDS_ERR_NETINSTALL_CONTACT</extracomment>
            <translation>Во время установки произошла ошибка. Для диагностики на Varnestor включена служба telnet. Настройте маршрутизатор на перенаправление порта 23 на Varnestor и обратитесь в онлайн-службу поддержки Quenlori.</translation>
        </message>
        <message>
            <source>If you are performing the installation through wireless network connection, please switch to Ethernet cable connection for both your Varnestor and PC client and try again.</source>
            <extracomment>IDS_ERR_NETINSTALL_RETRY</extracomment>
            <translation>Если установка выполняется через беспроводное подключение, подключите Varnestor и компьютер к сети кабелем Ethernet и повторите попытку.</translation>
        </message>
        <message>
            <source>Network error.</source>
            <extracomment>IDS_ERR_NETWORK</extracomment>
            <translation>Ошибка сети.</translation>
        </message>
        <message>
            <source>No network adapter was found on this computer.</source>
            <extracomment>IDS_ERR_NONETCARD</extracomment>
            <translation>На этом компьютере не найден сетевой адаптер.</translation>
        </message>
        <message>
            <source>No such user.</source>
            <extracomment>IDS_ERR_NOSUCH_USER</extracomment>
            <translation>Пользователь не найден.</translation>
        </message>
        <message>
            <source>The DHCP server is not found.</source>
            <extracomment>IDS_ERR_NO_DHCP</extracomment>
            <translation>DHCP-сервер не найден.</translation>
        </message>
        <message>
            <source>Failed to confirm password. Please enter it again.</source>
            <extracomment>IDS_ERR_PASSWORD</extracomment>
            <translation>Не удалось подтвердить пароль. Введите его еще раз.</translation>
        </message>
        <message>
            <source>Please enter the name of a Personal Imagrove</source>
            <extracomment>IDS_ERR_PERSONAL_NAME_EMPTY</extracomment>
            <translation>Введите имя личного Imagrove</translation>
        </message>
        <message>
            <source>Imagrove is not installed. Please install the package at Bundlory to upload photos.</source>
            <extracomment>IDS_ERR_PHOTO_NOT_INSTALL</extracomment>
            <translation>Imagrove не установлен. Чтобы загружать фотографии, установите этот пакет в Bundlory.</translation>
        </message>
        <message>
            <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
            <extracomment>IDS_ERR_PHOTO_ROOT_PATH_NOT_FOUND</extracomment>
            <translation>Общая папка для фотографий не найдена. Перед загрузкой убедитесь, что общая папка для фотографий существует.</translation>
        </message>
        <message>
            <source>The port number is already in use.</source>
            <extracomment>IDS_ERR_PORT_USED</extracomment>
            <translation>Этот номер порта уже используется.</translation>
        </message>
        <message>
            <source>Server name [%1] already exists.</source>
            <extracomment>IDS_ERR_PROFILE_NAME_EXISTED</extracomment>
            <translation>Имя сервера [%1] уже существует.</translation>
        </message>
        <message>
            <source>The server with the IP [%1] and connecting through port [%2] has already been added.</source>
            <extracomment>IDS_ERR_RSRC_IP_PORT_EXISTED</extracomment>
            <translation>Сервер с IP-адресом [%1] и портом подключения [%2] уже добавлен.</translation>
        </message>
        <message>
            <source>Nothing is selected.</source>
            <extracomment>IDS_ERR_SELECT_NONE</extracomment>
            <translation>Ничего не выбрано.</translation>
        </message>
        <message>
            <source>No %1 was found on the local network.</source>
            <extracomment>IDS_ERR_SERV_NOT_FOUND</extracomment>
            <translation>%1 не найден в локальной сети.</translation>
        </message>
        <message>
            <source>Errors occurred while configuring %1.</source>
            <extracomment>IDS_ERR_SET_SERV</extracomment>
            <translation>При попытке настроить %1 возникли ошибки.</translation>
        </message>
        <message>
            <source>Processing...</source>
            <extracomment>IDS_ERR_SYS_BUSY</extracomment>
            <translation>Обработка...</translation>
        </message>
        <message>
            <source>The user account has expired.</source>
            <extracomment>IDS_ERR_USER_EXPIRED</extracomment>
            <translation>Срок действия учетной записи пользователя истек.</translation>
        </message>
        <message>
            <source>Invalid DNS server.</source>
            <extracomment>IDS_ERR_WRONG_DNS</extracomment>
            <translation>Недопустимый DNS-сервер.</translation>
        </message>
        <message>
            <source>Invalid default gateway.</source>
            <extracomment>IDS_ERR_WRONG_GATEWAY</extracomment>
            <translation>Недопустимый основной шлюз.</translation>
        </message>
        <message>
            <source>The default gateway does not match the subnet mask.</source>
            <extracomment>IDS_ERR_WRONG_GATEWAY_MASK</extracomment>
            <translation>Основной шлюз не соответствует маске подсети.</translation>
        </message>
        <message>
            <source>Invalid subnet mask.</source>
            <extracomment>IDS_ERR_WRONG_NETMASK</extracomment>
            <translation>Недопустимая маска подсети.</translation>
        </message>
        <message>
            <source>Searching for an available IP address</source>
            <extracomment>IDS_FIND_IP</extracomment>
            <translation>Поиск свободного IP-адреса</translation>
        </message>
        <message>
            <source>Total %1 Quenlori server(s) found.</source>
            <extracomment>IDS_FOUND_SERVER</extracomment>
            <translation>Найдено серверов Quenlori: %1.</translation>
        </message>
        <message>
            <source>Connection timeout.</source>
            <extracomment>IDS_FSCK_CANCEL_TIMEOUT</extracomment>
            <translation>Тайм-аут подключения.</translation>
        </message>
        <message>
            <source>Are you sure you want to skip the file system check?</source>
            <extracomment>IDS_FSCK_CFRM_STOP_DESC</extracomment>
            <translation>Вы действительно хотите пропустить проверку файловой системы?</translation>
        </message>
        <message>
            <source>File System Check</source>
            <extracomment>IDS_FSCK_DLG_TITLE</extracomment>
            <translation>Проверка файловой системы</translation>
        </message>
        <message>
            <source>Cancelling file system check...</source>
            <extracomment>IDS_FSCK_LBL_CANCELING</extracomment>
            <translation>Отмена проверки файловой системы...</translation>
        </message>
        <message>
            <source>Failed to skip the file system check.</source>
            <extracomment>IDS_FSCK_MSG_CANCEL_ERR</extracomment>
            <translation>Не удалось пропустить проверку файловой системы.</translation>
        </message>
        <message>
            <source>By installing, you agree to the [a href=&quot;https://www.quenlori.com/terms&quot;&gt;Quenlori Terms and Conditions[/a&gt;.</source>
            <extracomment>IDS_HELP_EULA</extracomment>
            <translation>Выполняя установку, Вы принимаете [a href=&quot;https://www.quenlori.com/terms&quot;&gt;Условия использования Quenlori[/a&gt;.</translation>
        </message>
        <message>
            <source>Only the administrator can run memory diagnostic tool. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_MEM_TEST_PASSWD</extracomment>
            <translation>Запускать средство диагностики памяти может только администратор. Введите пароль администратора.</translation>
        </message>
        <message>
            <source>Only the administrator account can change the network settings. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_NETWIZ_PASSWD</extracomment>
            <translation>Изменять сетевые параметры может только учетная запись администратора. Введите пароль администратора.</translation>
        </message>
        <message>
            <source>Suggested settings are provided for %1 based on your current network settings. Follow the suggestions if you do not wish to enter your network settings manually.</source>
            <extracomment>IDS_HELP_NETWORK</extracomment>
            <translation>На основе текущих сетевых параметров этого компьютера предложены параметры, с которыми можно настроить %1. Используйте их, если не хотите вводить сетевые параметры вручную.</translation>
        </message>
        <message>
            <source>The password protects the administrator account of the server.</source>
            <extracomment>IDS_HELP_PASSWD1</extracomment>
            <translation>Пароль защищает учетную запись администратора сервера.</translation>
        </message>
        <message>
            <source>Maximum password length is %1 characters. It can be any displayable character, including letters, numbers, signs, space...etc.</source>
            <extracomment>IDS_HELP_PASSWD2</extracomment>
            <translation>Максимальная длина пароля (символов): %1. Допускаются любые отображаемые символы, в том числе буквы, цифры, знаки, пробел и т. д.</translation>
        </message>
        <message>
            <source>Changes to these settings take effect after a restart.</source>
            <extracomment>IDS_HELP_PREFERENCE_RESTART</extracomment>
            <translation>Изменения этих параметров вступят в силу после перезапуска.</translation>
        </message>
        <message>
            <source>Enter the hostname or IP address and the port number of the server to be monitored.</source>
            <extracomment>IDS_HELP_RSRC_IP</extracomment>
            <translation>Введите имя хоста или IP-адрес и номер порта отслеживаемого сервера.</translation>
        </message>
        <message>
            <source>Only the administrator can access resource monitor. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_RSRC_PASSWD</extracomment>
            <translation>Доступ к монитору ресурсов есть только у администратора. Введите пароль администратора.</translation>
        </message>
        <message>
            <source>The profile name identifies the server in the resource monitor.</source>
            <extracomment>IDS_HELP_RSRC_PROFILE</extracomment>
            <translation>Имя профиля служит для обозначения сервера в мониторе ресурсов.</translation>
        </message>
        <message>
            <source>Please review the settings that will be applied to the system. You can go back and modify the settings if needed.</source>
            <extracomment>IDS_HELP_SUMMARY</extracomment>
            <translation>Проверьте параметры, которые будут применены к системе. При необходимости Вы можете вернуться назад и изменить их.</translation>
        </message>
        <message>
            <source>Server name may contain letters, numbers, underscores and minus signs. The first character must be a letter.</source>
            <extracomment>IDS_HELP_SVRNAME1</extracomment>
            <translation>Имя сервера может содержать буквы, цифры, символы подчеркивания и дефисы. Первым символом должна быть буква.</translation>
        </message>
        <message>
            <source>Server name can be 1 to 15 characters long.</source>
            <extracomment>IDS_HELP_SVRNAME2</extracomment>
            <translation>Имя сервера может содержать от 1 до 15 символов.</translation>
        </message>
        <message>
            <source>Incorrect password.</source>
            <extracomment>IDS_INCORRECT_PASSWD</extracomment>
            <translation>Неверный пароль.</translation>
        </message>
        <message>
            <source>Information</source>
            <extracomment>IDS_INFORMATION</extracomment>
            <translation>Информация</translation>
        </message>
        <message>
            <source>System has been installed successfully.</source>
            <extracomment>IDS_INSTALL_FINISHED</extracomment>
            <translation>Система успешно установлена.</translation>
        </message>
        <message>
            <source>Setup is complete. You can now log in your server via Quenlori Vornakeeper.</source>
            <extracomment>IDS_INSTALL_FINISHED_INFO</extracomment>
            <translation>Настройка завершена. Теперь Вы можете войти на сервер с помощью Quenlori Vornakeeper.</translation>
        </message>
        <message>
            <source>Log in to %1</source>
            <extracomment>IDS_INSTALL_FINISHED_LOGIN</extracomment>
            <translation>Войти на сервер %1</translation>
        </message>
        <message>
            <source>To install an unconfigured server, double click the server in the Management page.</source>
            <extracomment>IDS_INSTALL_PAGE_EMPTY</extracomment>
            <translation>Чтобы установить ненастроенный сервер, дважды щелкните его на странице «Управление».</translation>
        </message>
        <message>
            <source>You have entered an invalid server name</source>
            <extracomment>IDS_INVALID_HOSTNAME</extracomment>
            <translation>Введено недопустимое имя сервера</translation>
        </message>
        <message>
            <source>Server name contains invalid characters.</source>
            <extracomment>IDS_INVALID_SERV_NAME</extracomment>
            <translation>Имя сервера содержит недопустимые символы.</translation>
        </message>
        <message>
            <source>Failed to apply the network setting. Please try another one.</source>
            <extracomment>IDS_IP_FAILED</extracomment>
            <translation>Не удалось применить сетевые параметры. Укажите другие параметры.</translation>
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
            <translation>Язык системы</translation>
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
            <translation>Администратор</translation>
        </message>
        <message>
            <source>Administrator's account:</source>
            <extracomment>IDS_LBL_ADMIN_TITLE</extracomment>
            <translation>Учетная запись администратора:</translation>
        </message>
        <message>
            <source>Enable Advanced Services</source>
            <extracomment>IDS_LBL_ADV_FUNCTIONS</extracomment>
            <translation>Включить расширенные службы</translation>
        </message>
        <message>
            <source>Checking IP address: %1</source>
            <extracomment>IDS_LBL_CHECK_IP</extracomment>
            <translation>Проверка IP-адреса: %1</translation>
        </message>
        <message>
            <source>Authenticating ...</source>
            <extracomment>IDS_LBL_CHK_AUTH</extracomment>
            <translation>Проверка подлинности...</translation>
        </message>
        <message>
            <source>Connect immediately</source>
            <extracomment>IDS_LBL_CONNECT_IMMEDIATELY</extracomment>
            <translation>Подключиться сразу</translation>
        </message>
        <message>
            <source>Create a password for the administrator account.</source>
            <extracomment>IDS_LBL_CREATE_PASSWD</extracomment>
            <translation>Создайте пароль для учетной записи администратора.</translation>
        </message>
        <message>
            <source>Create a Quenlori Hybrid RAID (QBV) volume after installation</source>
            <extracomment>IDS_LBL_CREATE_QBV</extracomment>
            <translation>Создать том Quenlori Hybrid RAID (QBV) после установки</translation>
        </message>
        <message>
            <source>Date</source>
            <extracomment>IDS_LBL_DATE</extracomment>
            <translation>Дата</translation>
        </message>
        <message>
            <source>DNS server</source>
            <extracomment>IDS_LBL_DNS</extracomment>
            <translation>DNS-сервер</translation>
        </message>
        <message>
            <source>Drive letter</source>
            <extracomment>IDS_LBL_DRIVE_ID</extracomment>
            <translation>Буква диска</translation>
        </message>
        <message>
            <source>Varnestor Manager URL</source>
            <extracomment>IDS_LBL_VNO_URL</extracomment>
            <translation>URL Varnestor Manager</translation>
        </message>
        <message>
            <source>Please enter the hostname or IP address of the server.</source>
            <extracomment>IDS_LBL_ENTER_HOST</extracomment>
            <translation>Введите имя хоста или IP-адрес сервера.</translation>
        </message>
        <message>
            <source>Please enter the administrator's password.</source>
            <extracomment>IDS_LBL_ENTER_PASSWD</extracomment>
            <translation>Введите пароль администратора.</translation>
        </message>
        <message>
            <source>Quenlori Terms and Conditions</source>
            <extracomment>IDS_LBL_EULA_CAPTION</extracomment>
            <translation>Условия использования Quenlori</translation>
        </message>
        <message>
            <source>Please review the Quenlori Terms and Conditions. If you agree the terms, click %1 to continue. Otherwise, click %2 to exit.</source>
            <extracomment>IDS_LBL_EULA_DESC</extracomment>
            <translation>Ознакомьтесь с Условиями использования Quenlori. Если Вы принимаете условия, нажмите %1, чтобы продолжить. В противном случае нажмите %2, чтобы выйти.</translation>
        </message>
        <message>
            <source>Default gateway</source>
            <extracomment>IDS_LBL_GATEWAY</extracomment>
            <translation>Основной шлюз</translation>
        </message>
        <message>
            <source>Guest</source>
            <extracomment>IDS_LBL_GUEST</extracomment>
            <translation>Гость</translation>
        </message>
        <message>
            <source>Hint:</source>
            <extracomment>IDS_LBL_HINT</extracomment>
            <translation>Подсказка:</translation>
        </message>
        <message>
            <source>Hostname/IP address</source>
            <extracomment>IDS_LBL_HOSTADDR</extracomment>
            <translation>Имя хоста/IP-адрес</translation>
        </message>
        <message>
            <source>Please enter the hostname or IP address.</source>
            <extracomment>IDS_LBL_HOSTADDR_DESC</extracomment>
            <translation>Введите имя хоста или IP-адрес.</translation>
        </message>
        <message>
            <source>IP address</source>
            <extracomment>IDS_LBL_IP</extracomment>
            <translation>IP-адрес</translation>
        </message>
        <message>
            <source>Memory Test of [%1] has been started.</source>
            <extracomment>IDS_LBL_MEM_TEST_STARTED</extracomment>
            <translation>Тест памяти на сервере [%1] запущен.</translation>
        </message>
        <message>
            <source>Please select the directory containing all installation files.</source>
            <extracomment>IDS_LBL_MULTI_INSTALL_PATCH_DIR</extracomment>
            <translation>Выберите папку, содержащую все файлы установки.</translation>
        </message>
        <message>
            <source>You are about to install multiple servers. Setup Wizard will help you install VNO and complete the basic configurations. Please put the installation files for all servers into one directory.</source>
            <extracomment>IDS_LBL_MULTI_INSTALL_PATCH_DIR_DESC</extracomment>
            <translation>Вы собираетесь установить несколько серверов. Мастер настройки поможет установить VNO и выполнить базовую настройку. Поместите файлы установки для всех серверов в одну папку.</translation>
        </message>
        <message>
            <source>Subnet mask</source>
            <extracomment>IDS_LBL_NETMASK</extracomment>
            <translation>Маска подсети</translation>
        </message>
        <message>
            <source>Enter the network settings.</source>
            <extracomment>IDS_LBL_NET_DESC1</extracomment>
            <translation>Введите сетевые параметры.</translation>
        </message>
        <message>
            <source>Confirm new password:</source>
            <extracomment>IDS_LBL_PASSWD_CONFIRM</extracomment>
            <translation>Подтверждение пароля:</translation>
        </message>
        <message>
            <source>New password:</source>
            <extracomment>IDS_LBL_PASSWD_CREATE</extracomment>
            <translation>Новый пароль:</translation>
        </message>
        <message>
            <source>Password:</source>
            <extracomment>IDS_LBL_PASSWD_TITLE, IDS_WZDMAP_PASSWD</extracomment>
            <translation>Пароль:</translation>
        </message>
        <message>
            <source>Please select a server for photo uploads</source>
            <extracomment>IDS_LBL_PHOTO_UPLOAD_INPUT_SVR</extracomment>
            <translation>Выберите сервер для загрузки фотографий</translation>
        </message>
        <message>
            <source>Port number</source>
            <extracomment>IDS_LBL_PORT</extracomment>
            <translation>Номер порта</translation>
        </message>
        <message>
            <source>Printer</source>
            <extracomment>IDS_LBL_PRINTER, IDS_MFP_TABLE_PRINTER, IDS_WZDADDPTR_PRINTER</extracomment>
            <translation>Принтер</translation>
        </message>
        <message>
            <source>Name</source>
            <extracomment>IDS_LBL_PROFILE</extracomment>
            <translation>Имя</translation>
        </message>
        <message>
            <source>Protocol</source>
            <extracomment>IDS_LBL_PROTOCOL</extracomment>
            <translation>Протокол</translation>
        </message>
        <message>
            <source>Bond</source>
            <extracomment>IDS_LBL_RSRC_BOND</extracomment>
            <translation>Агрегация</translation>
        </message>
        <message>
            <source>CPU Usage</source>
            <extracomment>IDS_LBL_RSRC_CPU_USAGE</extracomment>
            <translation>Загрузка ЦП</translation>
        </message>
        <message>
            <source>Select from the list below</source>
            <extracomment>IDS_LBL_RSRC_INPUT_AUTO</extracomment>
            <translation>Выбрать из списка</translation>
        </message>
        <message>
            <source>Manual setup</source>
            <extracomment>IDS_LBL_RSRC_INPUT_MANU</extracomment>
            <translation>Ввести вручную</translation>
        </message>
        <message>
            <source>Please select the server to be monitored</source>
            <extracomment>IDS_LBL_RSRC_INPUT_SVR</extracomment>
            <translation>Выберите отслеживаемый сервер</translation>
        </message>
        <message>
            <source>LAN</source>
            <extracomment>IDS_LBL_RSRC_LAN, IDS_WAKEUP_ADD_TYPE_LAN</extracomment>
            <translation>LAN</translation>
        </message>
        <message>
            <source>Memory Usage</source>
            <extracomment>IDS_LBL_RSRC_MEM_USAGE</extracomment>
            <translation>Загрузка памяти</translation>
        </message>
        <message>
            <source>PPPoE</source>
            <extracomment>IDS_LBL_RSRC_PPPOE</extracomment>
            <translation>PPPoE</translation>
        </message>
        <message>
            <source>Volume</source>
            <extracomment>IDS_LBL_RSRC_VOL</extracomment>
            <translation>Том</translation>
        </message>
        <message>
            <source>Available</source>
            <extracomment>IDS_LBL_RSRC_VOL_FREE, IDS_MFP_LBL_STATUS_FREE</extracomment>
            <translation>Свободно</translation>
        </message>
        <message>
            <source>Used size</source>
            <extracomment>IDS_LBL_RSRC_VOL_USED</extracomment>
            <translation>Занято</translation>
        </message>
        <message>
            <source>Wireless</source>
            <extracomment>IDS_LBL_RSRC_WIRELESS</extracomment>
            <translation>Wi-Fi</translation>
        </message>
        <message>
            <source>(minutes)</source>
            <extracomment>IDS_LBL_RSRC_X_UNIT</extracomment>
            <translation>(мин)</translation>
        </message>
        <message>
            <source>Remember password</source>
            <extracomment>IDS_LBL_SAVE_PASSWD</extracomment>
            <translation>Запомнить пароль</translation>
        </message>
        <message>
            <source>Settings</source>
            <extracomment>IDS_LBL_SETTING</extracomment>
            <translation>Параметры</translation>
        </message>
        <message>
            <source>(recommended)</source>
            <extracomment>IDS_LBL_SUGGESTED</extracomment>
            <translation>(рекомендуется)</translation>
        </message>
        <message>
            <source>Time</source>
            <extracomment>IDS_LBL_TIME</extracomment>
            <translation>Время</translation>
        </message>
        <message>
            <source>Time zone</source>
            <extracomment>IDS_LBL_TIMEZONE, IDS_LST_TIMEZONE</extracomment>
            <translation>Часовой пояс</translation>
        </message>
        <message>
            <source>Volume name</source>
            <extracomment>IDS_LBL_VOLUME_NAME</extracomment>
            <translation>Имя тома</translation>
        </message>
        <message>
            <source>[%1] is rebooting ...</source>
            <extracomment>IDS_LBL_WAIT_REBOOT</extracomment>
            <translation>Сервер [%1] перезагружается...</translation>
        </message>
        <message>
            <source>Time settings</source>
            <extracomment>IDS_LBL_WZD_TIME</extracomment>
            <translation>Параметры времени</translation>
        </message>
        <message>
            <source>Set the time zone of the server.</source>
            <extracomment>IDS_LBL_WZD_TIME_DESC1</extracomment>
            <translation>Укажите часовой пояс сервера.</translation>
        </message>
        <message>
            <source>Set the date and time of the server.</source>
            <extracomment>IDS_LBL_WZD_TIME_DESC2</extracomment>
            <translation>Укажите дату и время сервера.</translation>
        </message>
        <message>
            <source>The clock of the server is set to the date and time of this computer.</source>
            <extracomment>IDS_LBL_WZD_TIME_HELP</extracomment>
            <translation>Часы сервера устанавливаются по дате и времени этого компьютера.</translation>
        </message>
        <message>
            <source>Code page</source>
            <extracomment>IDS_LST_CODEPAGE</extracomment>
            <translation>Кодовая страница</translation>
        </message>
        <message>
            <source>Date and time</source>
            <extracomment>IDS_LST_DATETIME</extracomment>
            <translation>Дата и время</translation>
        </message>
        <message>
            <source>DHCP</source>
            <extracomment>IDS_LST_DHCP</extracomment>
            <translation>DHCP</translation>
        </message>
        <message>
            <source>Drive</source>
            <extracomment>IDS_LST_DRIVE</extracomment>
            <translation>Диск</translation>
        </message>
        <message>
            <source>IP status</source>
            <extracomment>IDS_LST_IP_STATUS</extracomment>
            <translation>Состояние IP</translation>
        </message>
        <message>
            <source>MAC address</source>
            <extracomment>IDS_LST_SERV_MAC_ADDR</extracomment>
            <translation>MAC-адрес</translation>
        </message>
        <message>
            <source>Model</source>
            <extracomment>IDS_LST_SERV_MODEL</extracomment>
            <translation>Модель</translation>
        </message>
        <message>
            <source>Server name</source>
            <extracomment>IDS_LST_SERV_NAME, IDS_WZD_SVRNAME</extracomment>
            <translation>Имя сервера</translation>
        </message>
        <message>
            <source>Serial no</source>
            <extracomment>IDS_LST_SERV_SERIAL_NO</extracomment>
            <translation>Серийный №</translation>
        </message>
        <message>
            <source>Status</source>
            <extracomment>IDS_LST_SERV_STATUS</extracomment>
            <translation>Состояние</translation>
        </message>
        <message>
            <source>Booting</source>
            <extracomment>IDS_LST_SYS_BOOTING</extracomment>
            <translation>Запуск</translation>
        </message>
        <message>
            <source>Check progress</source>
            <extracomment>IDS_LST_SYS_CHECKING_PROGRESS</extracomment>
            <translation>Показать ход выполнения</translation>
        </message>
        <message>
            <source>Configuration lost</source>
            <extracomment>IDS_LST_SYS_CRASH</extracomment>
            <translation>Конфигурация утеряна</translation>
        </message>
        <message>
            <source>Checking file system (%1 minutes remaining)</source>
            <extracomment>IDS_LST_SYS_FSCK</extracomment>
            <translation>Проверка файловой системы (осталось: %1 мин)</translation>
        </message>
        <message>
            <source>Performing memory test (%1.%2%)</source>
            <extracomment>IDS_LST_SYS_MEM_TESTING</extracomment>
            <translation>Тест памяти (%1,%2%)</translation>
        </message>
        <message>
            <source>Migratable</source>
            <extracomment>IDS_LST_SYS_MIGRAT</extracomment>
            <translation>Можно перенести</translation>
        </message>
        <message>
            <source>Connection failed.</source>
            <extracomment>IDS_LST_SYS_NET_ERROR</extracomment>
            <translation>Сбой подключения.</translation>
        </message>
        <message>
            <source>Getting connection status...</source>
            <extracomment>IDS_LST_SYS_NET_TESTING</extracomment>
            <translation>Получение состояния подключения...</translation>
        </message>
        <message>
            <source>Checking quota</source>
            <extracomment>IDS_LST_SYS_QUOTA_CHECKING</extracomment>
            <translation>Проверка квот</translation>
        </message>
        <message>
            <source>Ready</source>
            <extracomment>IDS_LST_SYS_READY</extracomment>
            <translation>Готов</translation>
        </message>
        <message>
            <source>Recoverable</source>
            <extracomment>IDS_LST_SYS_RECOVERABLE</extracomment>
            <translation>Можно восстановить</translation>
        </message>
        <message>
            <source>Starting services</source>
            <extracomment>IDS_LST_SYS_SERVICE_STARTING</extracomment>
            <translation>Запуск служб</translation>
        </message>
        <message>
            <source>Not configured</source>
            <extracomment>IDS_LST_SYS_UNCONFIG</extracomment>
            <translation>Не настроен</translation>
        </message>
        <message>
            <source>Not installed</source>
            <extracomment>IDS_LST_SYS_UNINSTALL</extracomment>
            <translation>Не установлен</translation>
        </message>
        <message>
            <source>Upgrading</source>
            <extracomment>IDS_LST_SYS_UPDATING</extracomment>
            <translation>Обновление</translation>
        </message>
        <message>
            <source>Lock</source>
            <extracomment>IDS_MFP_BTN_LOCK</extracomment>
            <translation>Занять</translation>
        </message>
        <message>
            <source>Refresh</source>
            <extracomment>IDS_MFP_BTN_REFRESH</extracomment>
            <translation>Обновить</translation>
        </message>
        <message>
            <source>Release</source>
            <extracomment>IDS_MFP_BTN_RELEASE</extracomment>
            <translation>Освободить</translation>
        </message>
        <message>
            <source>Click Apply to save the printer settings.</source>
            <extracomment>IDS_MFP_LBL_APPLY_INFO</extracomment>
            <translation>Нажмите «Применить», чтобы сохранить параметры принтера.</translation>
        </message>
        <message>
            <source>Connect to the printer automatically when sending a fax</source>
            <extracomment>IDS_MFP_LBL_AUTO_LOCK_FAX_INIT</extracomment>
            <translation>Автоматически подключаться к принтеру при отправке факса</translation>
        </message>
        <message>
            <source>Connect to the printer automatically when printing</source>
            <extracomment>IDS_MFP_LBL_AUTO_LOCK_PRINTER_INIT</extracomment>
            <translation>Автоматически подключаться к принтеру при печати</translation>
        </message>
        <message>
            <source>Please install the printer driver on this computer before using the printer.</source>
            <extracomment>IDS_MFP_LBL_DRIVER_HINT</extracomment>
            <translation>Перед использованием принтера установите его драйвер на этот компьютер.</translation>
        </message>
        <message>
            <source>Edit the printer settings.</source>
            <extracomment>IDS_MFP_LBL_EDIT_DESC</extracomment>
            <translation>Измените параметры принтера.</translation>
        </message>
        <message>
            <source>Multifunction printer</source>
            <extracomment>IDS_MFP_LBL_MULTIFUNC_PRINTER</extracomment>
            <translation>Многофункциональный принтер</translation>
        </message>
        <message>
            <source>Printer:</source>
            <extracomment>IDS_MFP_LBL_PRINTER</extracomment>
            <translation>Принтер:</translation>
        </message>
        <message>
            <source>Please choose a connection mode.</source>
            <extracomment>IDS_MFP_LBL_REMIND_CHOOSE_MODE</extracomment>
            <translation>Выберите режим подключения.</translation>
        </message>
        <message>
            <source>Please insert the driver CD of the printer.</source>
            <extracomment>IDS_MFP_LBL_REMIND_PUT_CD</extracomment>
            <translation>Вставьте компакт-диск с драйвером принтера.</translation>
        </message>
        <message>
            <source>Select a printer</source>
            <extracomment>IDS_MFP_LBL_SELECT_PRINTER, IDS_WZDADDPTR_CAP2</extracomment>
            <translation>Выберите принтер</translation>
        </message>
        <message>
            <source>Failed to connect to the printer.</source>
            <extracomment>IDS_MFP_LBL_STATUS_CONNECT_FAIL</extracomment>
            <translation>Не удалось подключиться к принтеру.</translation>
        </message>
        <message>
            <source>The printer is unavailable.</source>
            <extracomment>IDS_MFP_LBL_STATUS_DEVICE_UNAVAILABLE</extracomment>
            <translation>Принтер недоступен.</translation>
        </message>
        <message>
            <source>Connected to the printer.</source>
            <extracomment>IDS_MFP_LBL_STATUS_GET_LOCK</extracomment>
            <translation>Принтер подключен.</translation>
        </message>
        <message>
            <source>Installing the printer driver...</source>
            <extracomment>IDS_MFP_LBL_STATUS_INSTALL_DRIVER</extracomment>
            <translation>Установка драйвера принтера...</translation>
        </message>
        <message>
            <source>The printer settings are invalid.</source>
            <extracomment>IDS_MFP_LBL_STATUS_INVALID_CONF</extracomment>
            <translation>Недопустимые параметры принтера.</translation>
        </message>
        <message>
            <source>In use by %1</source>
            <extracomment>IDS_MFP_LBL_STATUS_LOCK_BY</extracomment>
            <translation>Используется: %1</translation>
        </message>
        <message>
            <source>In use by a network print job</source>
            <extracomment>IDS_MFP_LBL_STATUS_LOCK_BY_LPR</extracomment>
            <translation>Используется сетевым заданием печати</translation>
        </message>
        <message>
            <source>Operation successful.</source>
            <extracomment>IDS_MFP_LBL_STATUS_OP_OK</extracomment>
            <translation>Операция выполнена успешно.</translation>
        </message>
        <message>
            <source>Server error.</source>
            <extracomment>IDS_MFP_LBL_STATUS_SERVER_ERR</extracomment>
            <translation>Ошибка сервера.</translation>
        </message>
        <message>
            <source>Connecting to the printer...</source>
            <extracomment>IDS_MFP_LBL_STATUS_TRY_CONNECT</extracomment>
            <translation>Подключение к принтеру...</translation>
        </message>
        <message>
            <source>Unexpected error.</source>
            <extracomment>IDS_MFP_LBL_STATUS_UNEXPECT_ERR</extracomment>
            <translation>Непредвиденная ошибка.</translation>
        </message>
        <message>
            <source>The server version is too old for this function.</source>
            <extracomment>IDS_MFP_LBL_STATUS_VERSION_TOO_OLD</extracomment>
            <translation>Версия сервера слишком старая для этой функции.</translation>
        </message>
        <message>
            <source>Waiting...</source>
            <extracomment>IDS_MFP_LBL_STATUS_WAITING</extracomment>
            <translation>Ожидание...</translation>
        </message>
        <message>
            <source>The printer will be released when you close the program.</source>
            <extracomment>IDS_MFP_MSG_CLOSE_RELLOCK</extracomment>
            <translation>Принтер будет освобожден при закрытии программы.</translation>
        </message>
        <message>
            <source>The printer will be released after the driver is installed.</source>
            <extracomment>IDS_MFP_MSG_INSTALL_RELLOCK</extracomment>
            <translation>Принтер будет освобожден после установки драйвера.</translation>
        </message>
        <message>
            <source>This printer has already been added.</source>
            <extracomment>IDS_MFP_MSG_PRINTER_DUPLICATED</extracomment>
            <translation>Этот принтер уже добавлен.</translation>
        </message>
        <message>
            <source>Mode</source>
            <extracomment>IDS_MFP_TABLE_MODE</extracomment>
            <translation>Режим</translation>
        </message>
        <message>
            <source>Release time</source>
            <extracomment>IDS_MFP_TABLE_RELEASE_TIME</extracomment>
            <translation>Время освобождения</translation>
        </message>
        <message>
            <source>Server IP address</source>
            <extracomment>IDS_MFP_TABLE_SERVER_IP_ADDRESS</extracomment>
            <translation>IP-адрес сервера</translation>
        </message>
        <message>
            <source>The printer %1 is connected to this computer.</source>
            <extracomment>IDS_MFP_TRAY_ATTACH_MSG</extracomment>
            <translation>Принтер %1 подключен к этому компьютеру.</translation>
        </message>
        <message>
            <source>Printer connected</source>
            <extracomment>IDS_MFP_TRAY_ATTACH_TITLE</extracomment>
            <translation>Принтер подключен</translation>
        </message>
        <message>
            <source>Close %1</source>
            <extracomment>IDS_MFP_TRAY_CLOSE_VORNAKEEPER</extracomment>
            <translation>Закрыть %1</translation>
        </message>
        <message>
            <source>Hide %1</source>
            <extracomment>IDS_MFP_TRAY_HIDE_VORNAKEEPER</extracomment>
            <translation>Скрыть %1</translation>
        </message>
        <message>
            <source>No printer</source>
            <extracomment>IDS_MFP_TRAY_NO_PRINTER</extracomment>
            <translation>Нет принтера</translation>
        </message>
        <message>
            <source>Open %1</source>
            <extracomment>IDS_MFP_TRAY_OPEN_VORNAKEEPER</extracomment>
            <translation>Открыть %1</translation>
        </message>
        <message>
            <source>Printer %1 is connected.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_ATTACHED</extracomment>
            <translation>Принтер %1 подключен.</translation>
        </message>
        <message>
            <source>Failed to connect printer %1.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_ATTACH_FAILED</extracomment>
            <translation>Не удалось подключить принтер %1.</translation>
        </message>
        <message>
            <source>Printer %1 is released.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_RELEASED</extracomment>
            <translation>Принтер %1 освобожден.</translation>
        </message>
        <message>
            <source>Failed to release printer %1.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_RELEASE_FAILED</extracomment>
            <translation>Не удалось освободить принтер %1.</translation>
        </message>
        <message>
            <source>The list of printers has been updated.</source>
            <extracomment>IDS_MFP_TRAY_PTR_UPDATED_MSG</extracomment>
            <translation>Список принтеров обновлен.</translation>
        </message>
        <message>
            <source>Printers updated</source>
            <extracomment>IDS_MFP_TRAY_PTR_UPDATED_TITLE</extracomment>
            <translation>Принтеры обновлены</translation>
        </message>
        <message>
            <source>The printer %1 has been released.</source>
            <extracomment>IDS_MFP_TRAY_RELEASE_MSG</extracomment>
            <translation>Принтер %1 освобожден.</translation>
        </message>
        <message>
            <source>Printer released</source>
            <extracomment>IDS_MFP_TRAY_RELEASE_TITLE</extracomment>
            <translation>Принтер освобожден</translation>
        </message>
        <message>
            <source>Unknown status.</source>
            <extracomment>IDS_MSG_CHECK_UNKNOWN</extracomment>
            <translation>Неизвестное состояние.</translation>
        </message>
        <message>
            <source>Another task is running. Are you sure you want to start a new one?</source>
            <extracomment>IDS_MSG_CONFIRM_MULTI_TASK</extracomment>
            <translation>Уже выполняется другая задача. Вы действительно хотите запустить новую?</translation>
        </message>
        <message>
            <source>Quick Setup will apply the suggested settings. Do you want to continue?</source>
            <extracomment>IDS_MSG_CONFIRM_QUICKSETUP</extracomment>
            <translation>Быстрая настройка применит рекомендуемые параметры. Продолжить?</translation>
        </message>
        <message>
            <source>Error code: %1</source>
            <extracomment>IDS_MSG_ERRCODE</extracomment>
            <translation>Код ошибки: %1</translation>
        </message>
        <message>
            <source>No errors were found by the memory diagnostic test.</source>
            <extracomment>IDS_MSG_MEM_TEST_OK</extracomment>
            <translation>Тест памяти не обнаружил ошибок.</translation>
        </message>
        <message>
            <source>Quick Setup cannot continue. Please use Complete Setup instead.</source>
            <extracomment>IDS_MSG_ONE_CLICK_CHANGE_MANUAL</extracomment>
            <translation>Продолжить быструю настройку невозможно. Используйте полную настройку.</translation>
        </message>
        <message>
            <source>Quick Setup failed.</source>
            <extracomment>IDS_MSG_ONE_CLICK_FAILED</extracomment>
            <translation>Сбой быстрой настройки.</translation>
        </message>
        <message>
            <source>Quick Setup could not get the network settings of this computer.</source>
            <extracomment>IDS_MSG_ONE_CLICK_NO_NET_INFO</extracomment>
            <translation>При быстрой настройке не удалось получить сетевые параметры этого компьютера.</translation>
        </message>
        <message>
            <source>Quick Setup could not create a server name.</source>
            <extracomment>IDS_MSG_ONE_CLICK_NO_SVR_NAME</extracomment>
            <translation>При быстрой настройке не удалось создать имя сервера.</translation>
        </message>
        <message>
            <source>Use Complete Setup</source>
            <extracomment>IDS_MSG_ONE_CLICK_RES_NO</extracomment>
            <translation>Полная настройка</translation>
        </message>
        <message>
            <source>Use Quick Setup</source>
            <extracomment>IDS_MSG_ONE_CLICK_RES_YES</extracomment>
            <translation>Быстрая настройка</translation>
        </message>
        <message>
            <source>Please contact Quenlori online support.</source>
            <extracomment>IDS_MSG_ONLINE_SUPPORT</extracomment>
            <translation>Обратитесь в онлайн-службу поддержки Quenlori.</translation>
        </message>
        <message>
            <source>Please restart %1 to apply the new language settings.</source>
            <extracomment>IDS_MSG_PREFERENCE_LANG_RESTART</extracomment>
            <translation>Перезапустите программу %1, чтобы применить новый язык интерфейса.</translation>
        </message>
        <message>
            <source>[%1] will be rebooted to perform the memory diagnostic test.</source>
            <extracomment>IDS_MSG_REBOOT</extracomment>
            <translation>Сервер [%1] будет перезагружен для выполнения теста памяти.</translation>
        </message>
        <message>
            <source>Connected.</source>
            <extracomment>IDS_MSG_RSRC_STAT_CONNECTED</extracomment>
            <translation>Подключено.</translation>
        </message>
        <message>
            <source>Connection lost.</source>
            <extracomment>IDS_MSG_RSRC_STAT_CONNECT_LOST</extracomment>
            <translation>Подключение потеряно.</translation>
        </message>
        <message>
            <source>Not connected.</source>
            <extracomment>IDS_MSG_RSRC_STAT_DISCONNECT</extracomment>
            <translation>Не подключено.</translation>
        </message>
        <message>
            <source>Searching...</source>
            <extracomment>IDS_MSG_SERARCH</extracomment>
            <translation>Поиск...</translation>
        </message>
        <message>
            <source>Not ready.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY</extracomment>
            <translation>Не готов.</translation>
        </message>
        <message>
            <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY_PHOTO</extracomment>
            <translation>Чтобы загружать фотографии на сервер, убедитесь, что [%1] установлен и правильно настроен.</translation>
        </message>
        <message>
            <source>To monitor the resource of [%1], please make sure the server is installed and configured correctly.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY_RSRC</extracomment>
            <translation>Чтобы отслеживать ресурсы сервера, убедитесь, что [%1] установлен и правильно настроен.</translation>
        </message>
        <message>
            <source>The server is booting. Please wait.</source>
            <extracomment>IDS_MSG_SYS_BOOTING</extracomment>
            <translation>Сервер запускается. Подождите.</translation>
        </message>
        <message>
            <source>The server is being upgraded. Please wait.</source>
            <extracomment>IDS_MSG_SYS_UPDATING</extracomment>
            <translation>Выполняется обновление сервера. Подождите.</translation>
        </message>
        <message>
            <source>An unconfigured server was found.</source>
            <extracomment>IDS_MSG_UNCONFSVR_FOUND</extracomment>
            <translation>Обнаружен ненастроенный сервер.</translation>
        </message>
        <message>
            <source>Do you want to set it up now?</source>
            <extracomment>IDS_MSG_UNCONFSVR_FOUND2</extracomment>
            <translation>Настроить его сейчас?</translation>
        </message>
        <message>
            <source>%1 - Network Wizard</source>
            <extracomment>IDS_NET_WELCOME_MSG1</extracomment>
            <translation>%1 — мастер настройки сети</translation>
        </message>
        <message>
            <source>Welcome to the Network Wizard!</source>
            <extracomment>IDS_NET_WELCOME_MSG2</extracomment>
            <translation>Вас приветствует мастер настройки сети!</translation>
        </message>
        <message>
            <source>Network Wizard will help you complete the network configurations of %1.</source>
            <extracomment>IDS_NET_WELCOME_MSG3</extracomment>
            <translation>Мастер настройки сети поможет настроить %1 для работы в сети.</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel the current installation?</source>
            <extracomment>IDS_NI_CANCEL_CUR_INSTALL_WARNING</extracomment>
            <translation>Вы действительно хотите отменить текущую установку?</translation>
        </message>
        <message>
            <source>%1. Writing configuration files</source>
            <extracomment>IDS_NI_CONFIGURE</extracomment>
            <translation>%1. Запись файлов конфигурации</translation>
        </message>
        <message>
            <source>Failed to back up the database.</source>
            <extracomment>IDS_NI_ERR_BKP_PGSQL</extracomment>
            <translation>Не удалось создать резервную копию базы данных.</translation>
        </message>
        <message>
            <source>Operation error occurred when accessing the boot disk. (Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_BOOTMEDIAOP</extracomment>
            <translation>Ошибка при доступе к загрузочному диску. (Код ошибки: %1)</translation>
        </message>
        <message>
            <source>Failed to clean the partition.</source>
            <extracomment>IDS_NI_ERR_CLEAN_PARTITION</extracomment>
            <translation>Не удалось очистить раздел.</translation>
        </message>
        <message>
            <source>Incompatible installation file.</source>
            <extracomment>IDS_NI_ERR_COMPANY</extracomment>
            <translation>Несовместимый файл установки.</translation>
        </message>
        <message>
            <source>The server refused the installation.</source>
            <extracomment>IDS_NI_ERR_DENY</extracomment>
            <translation>Сервер отклонил установку.</translation>
        </message>
        <message>
            <source>Failed to access a folder on the server.</source>
            <extracomment>IDS_NI_ERR_DIROP</extracomment>
            <translation>Не удалось получить доступ к папке на сервере.</translation>
        </message>
        <message>
            <source>VNO for %1 is not found in the specified location. Please select again.</source>
            <extracomment>IDS_NI_ERR_DIR_NOPATCH</extracomment>
            <translation>В указанном расположении нет VNO для модели %1. Выберите другое расположение.</translation>
        </message>
        <message>
            <source>Failed to partition the hard drive.</source>
            <extracomment>IDS_NI_ERR_FDISK</extracomment>
            <translation>Не удалось разбить жесткий диск на разделы.</translation>
        </message>
        <message>
            <source>Failed to format the hard drive.</source>
            <extracomment>IDS_NI_ERR_MKFS</extracomment>
            <translation>Не удалось отформатировать жесткий диск.</translation>
        </message>
        <message>
            <source>You have selected an installation file incompatible with the system model.</source>
            <extracomment>IDS_NI_ERR_MODEL</extracomment>
            <translation>Выбран файл установки, несовместимый с моделью системы.</translation>
        </message>
        <message>
            <source>No hard drive was found in the server.</source>
            <extracomment>IDS_NI_ERR_NODISK</extracomment>
            <translation>На сервере не найден жесткий диск.</translation>
        </message>
        <message>
            <source>Available system space is insufficient.</source>
            <extracomment>IDS_NI_ERR_NO_SPACE</extracomment>
            <translation>Недостаточно свободного места в системе.</translation>
        </message>
        <message>
            <source>Please use Quenlori Vornakeeper to install VNO %1. \nThen upgrade new version VNO via Web management UI.</source>
            <extracomment>IDS_NI_ERR_NO_SPACE_UPBYWEB</extracomment>
            <translation>Установите VNO %1 с помощью Quenlori Vornakeeper. \nЗатем обновите VNO до новой версии через веб-интерфейс управления.</translation>
        </message>
        <message>
            <source>Failed to create connection.</source>
            <extracomment>IDS_NI_ERR_OPEN_SOCKET</extracomment>
            <translation>Не удалось создать подключение.</translation>
        </message>
        <message>
            <source>The installation file is corrupt.</source>
            <extracomment>IDS_NI_ERR_PATCH</extracomment>
            <translation>Файл установки поврежден.</translation>
        </message>
        <message>
            <source>Failed to read the installation file.</source>
            <extracomment>IDS_NI_ERR_PATCH_FILE_DEFAULT</extracomment>
            <translation>Не удалось прочитать файл установки.</translation>
        </message>
        <message>
            <source>The installation file was not found.</source>
            <extracomment>IDS_NI_ERR_PAT_NOTFOUND</extracomment>
            <translation>Файл установки не найден.</translation>
        </message>
        <message>
            <source>Failed to write the flash memory.</source>
            <extracomment>IDS_NI_ERR_PROGRAM_FLASH</extracomment>
            <translation>Не удалось выполнить запись во флеш-память.</translation>
        </message>
        <message>
            <source>Failed to check the quota.</source>
            <extracomment>IDS_NI_ERR_QUOTA</extracomment>
            <translation>Не удалось проверить квоту.</translation>
        </message>
        <message>
            <source>Unable to read the server model.</source>
            <extracomment>IDS_NI_ERR_READ_MOD</extracomment>
            <translation>Не удалось определить модель сервера.</translation>
        </message>
        <message>
            <source>Unable to read the model from the installation file.</source>
            <extracomment>IDS_NI_ERR_READ_PATCH_MOD</extracomment>
            <translation>Не удалось определить модель по файлу установки.</translation>
        </message>
        <message>
            <source>Unable to read the version from the installation file.</source>
            <extracomment>IDS_NI_ERR_READ_PATCH_VER</extracomment>
            <translation>Не удалось определить версию по файлу установки.</translation>
        </message>
        <message>
            <source>Unable to read the server version.</source>
            <extracomment>IDS_NI_ERR_READ_VER</extracomment>
            <translation>Не удалось определить версию сервера.</translation>
        </message>
        <message>
            <source>System has no response. Connection timeout.</source>
            <extracomment>IDS_NI_ERR_RECE_CMD_TIMEOUT</extracomment>
            <translation>Система не отвечает. Истекло время ожидания подключения.</translation>
        </message>
        <message>
            <source>Failed to obtain installation progress.</source>
            <extracomment>IDS_NI_ERR_RECE_PROG, IDS_NI_ERR_SEND_QUERY_PROG</extracomment>
            <translation>Не удалось получить сведения о ходе установки.</translation>
        </message>
        <message>
            <source>Failed to send installation command to the server.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_SEND_CMD</extracomment>
            <translation>Не удалось отправить команду установки на сервер. (Код ошибки: %1)</translation>
        </message>
        <message>
            <source>Failed to upload the installation file.</source>
            <extracomment>IDS_NI_ERR_SEND_PATCH_FILE</extracomment>
            <translation>Не удалось загрузить файл установки на сервер.</translation>
        </message>
        <message>
            <source>Server error.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_SERVER_ERROR</extracomment>
            <translation>Ошибка сервера. (Код ошибки: %1)</translation>
        </message>
        <message>
            <source>Undefined error.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_UNDEFINE</extracomment>
            <translation>Неопределенная ошибка. (Код ошибки: %1)</translation>
        </message>
        <message>
            <source>You have to use an installation file with %1 or above version.</source>
            <extracomment>IDS_NI_ERR_VER</extracomment>
            <translation>Требуется файл установки версии %1 или выше.</translation>
        </message>
        <message>
            <source>The installation file does not match the server model.</source>
            <extracomment>IDS_NI_ERR_WRONG_MODEL</extracomment>
            <translation>Файл установки не соответствует модели сервера.</translation>
        </message>
        <message>
            <source>%1. Formatting hard drives</source>
            <extracomment>IDS_NI_FORMAT</extracomment>
            <translation>%1. Форматирование жестких дисков</translation>
        </message>
        <message>
            <source>%1. Formatting data partition</source>
            <extracomment>IDS_NI_FORMAT_DATA</extracomment>
            <translation>%1. Форматирование раздела данных</translation>
        </message>
        <message>
            <source>%1. Formatting system partition</source>
            <extracomment>IDS_NI_FORMAT_SYS</extracomment>
            <translation>%1. Форматирование системного раздела</translation>
        </message>
        <message>
            <source>%1. Installing VNO</source>
            <extracomment>IDS_NI_INSTALL</extracomment>
            <translation>%1. Установка VNO</translation>
        </message>
        <message>
            <source>The servers will be named after this name with a number appended.</source>
            <extracomment>IDS_NI_MULTI_SVRNAME_DESCRIP</extracomment>
            <translation>Серверам будут присвоены имена на основе этого имени с добавлением номера.</translation>
        </message>
        <message>
            <source>Installation Progress</source>
            <extracomment>IDS_NI_PROGRESS_TITLE</extracomment>
            <translation>Ход установки</translation>
        </message>
        <message>
            <source>Progress: Writing configurations ...</source>
            <extracomment>IDS_NI_PROG_CONFIGURE</extracomment>
            <translation>Ход выполнения: запись конфигурации...</translation>
        </message>
        <message>
            <source>Progress: Formatting ...</source>
            <extracomment>IDS_NI_PROG_FORMAT</extracomment>
            <translation>Ход выполнения: форматирование...</translation>
        </message>
        <message>
            <source>Progress: Formatting data partition ...</source>
            <extracomment>IDS_NI_PROG_FORMAT_DATA</extracomment>
            <translation>Ход выполнения: форматирование раздела данных...</translation>
        </message>
        <message>
            <source>Progress: Formatting system partition ...</source>
            <extracomment>IDS_NI_PROG_FORMAT_SYS</extracomment>
            <translation>Ход выполнения: форматирование системного раздела...</translation>
        </message>
        <message>
            <source>Progress: Installing VNO to hard drive ...</source>
            <extracomment>IDS_NI_PROG_INSTALL</extracomment>
            <translation>Ход выполнения: установка VNO на жесткий диск...</translation>
        </message>
        <message>
            <source>Progress: System is rebooting ... (%1 seconds)</source>
            <extracomment>IDS_NI_PROG_REBOOT</extracomment>
            <translation>Ход выполнения: перезагрузка системы... (%1 с)</translation>
        </message>
        <message>
            <source>Progress: Applying network settings ...</source>
            <extracomment>IDS_NI_PROG_SET_NET</extracomment>
            <translation>Ход выполнения: применение сетевых параметров...</translation>
        </message>
        <message>
            <source>Progress: Waiting ...</source>
            <extracomment>IDS_NI_PROG_WAITING</extracomment>
            <translation>Ход выполнения: ожидание...</translation>
        </message>
        <message>
            <source>Installation Settings</source>
            <extracomment>IDS_NI_SETTING_TITLE</extracomment>
            <translation>Параметры установки</translation>
        </message>
        <message>
            <source>%1. Applying network settings</source>
            <extracomment>IDS_NI_SET_NET</extracomment>
            <translation>%1. Применение сетевых параметров</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel the selected installation?</source>
            <extracomment>IDS_NI_TREE_CANCEL_WARNING</extracomment>
            <translation>Вы действительно хотите отменить выбранную установку?</translation>
        </message>
        <message>
            <source>Clear</source>
            <extracomment>IDS_NI_TREE_CLEAR</extracomment>
            <translation>Очистить</translation>
        </message>
        <message>
            <source>Are you sure you want to clear the finished installations from the list?</source>
            <extracomment>IDS_NI_TREE_CLEAR_WARNING</extracomment>
            <translation>Вы действительно хотите удалить завершенные установки из списка?</translation>
        </message>
        <message>
            <source>Too many installations are running.</source>
            <extracomment>IDS_NI_TREE_MAX_MSG</extracomment>
            <translation>Выполняется слишком много установок.</translation>
        </message>
        <message>
            <source>Please wait until an installation finishes and try again.</source>
            <extracomment>IDS_NI_TREE_MAX_MSG1</extracomment>
            <translation>Дождитесь завершения одной из установок и повторите попытку.</translation>
        </message>
        <message>
            <source>Progress</source>
            <extracomment>IDS_NI_TREE_PROGRESS</extracomment>
            <translation>Ход выполнения</translation>
        </message>
        <message>
            <source>Writing configurations</source>
            <extracomment>IDS_NI_TREE_PROG_CONFIGURE</extracomment>
            <translation>Запись конфигурации</translation>
        </message>
        <message>
            <source>Formatting</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT</extracomment>
            <translation>Форматирование</translation>
        </message>
        <message>
            <source>Formatting data partition</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT_DATA</extracomment>
            <translation>Форматирование раздела данных</translation>
        </message>
        <message>
            <source>Formatting system partition</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT_SYS</extracomment>
            <translation>Форматирование системного раздела</translation>
        </message>
        <message>
            <source>Installing VNO</source>
            <extracomment>IDS_NI_TREE_PROG_INSTALL</extracomment>
            <translation>Установка VNO</translation>
        </message>
        <message>
            <source>Rebooting</source>
            <extracomment>IDS_NI_TREE_PROG_REBOOT</extracomment>
            <translation>Перезагрузка</translation>
        </message>
        <message>
            <source>Applying network settings</source>
            <extracomment>IDS_NI_TREE_PROG_SET_NET</extracomment>
            <translation>Применение сетевых параметров</translation>
        </message>
        <message>
            <source>Waiting</source>
            <extracomment>IDS_NI_TREE_PROG_WAITING</extracomment>
            <translation>Ожидание</translation>
        </message>
        <message>
            <source>It takes about 10 minutes or longer, depending on the size of your hard drives. Please wait, and do not turn off the power during this procedure.</source>
            <extracomment>IDS_NI_WAIT</extracomment>
            <translation>Процесс займет около 10 минут или больше в зависимости от объема жестких дисков. Подождите и не выключайте питание во время этой процедуры.</translation>
        </message>
        <message>
            <source>Failed to apply your settings because another installation is in progress.</source>
            <extracomment>IDS_NI_error_apply_lock</extracomment>
            <translation>Не удалось применить параметры, так как выполняется другая установка.</translation>
        </message>
        <message>
            <source>Incompatible upgrade file.</source>
            <extracomment>IDS_NI_error_company</extracomment>
            <translation>Несовместимый файл обновления.</translation>
        </message>
        <message>
            <source>Failed to download the VNO installation file. Please check the network connection and try again.</source>
            <extracomment>IDS_NI_error_download</extracomment>
            <translation>Не удалось скачать файл установки VNO. Проверьте сетевое подключение и повторите попытку.</translation>
        </message>
        <message>
            <source>Cannot upgrade VNO because the status of the high-availability cluster is not normal.</source>
            <extracomment>IDS_NI_error_ha_is_not_healthy</extracomment>
            <translation>Невозможно обновить VNO: состояние кластера высокой доступности отличается от нормального.</translation>
        </message>
        <message>
            <source>Cannot allocate driver buffer. Please reboot and try again.</source>
            <extracomment>IDS_NI_error_memory</extracomment>
            <translation>Не удалось выделить буфер драйвера. Перезагрузите систему и повторите попытку.</translation>
        </message>
        <message>
            <source>Failed to format the disk.</source>
            <extracomment>IDS_NI_error_mkfs</extracomment>
            <translation>Не удалось отформатировать диск.</translation>
        </message>
        <message>
            <source>The model of the upgrade file is incompatible with the system model.</source>
            <extracomment>IDS_NI_error_model</extracomment>
            <translation>Модель в файле обновления несовместима с моделью системы.</translation>
        </message>
        <message>
            <source>Fail to update the file. The file is probably corrupt.</source>
            <extracomment>IDS_NI_error_patch</extracomment>
            <translation>Не удалось выполнить обновление. Возможно, файл поврежден.</translation>
        </message>
        <message>
            <source>Unable to recognize the system model.</source>
            <extracomment>IDS_NI_error_read_mod</extracomment>
            <translation>Не удалось определить модель системы.</translation>
        </message>
        <message>
            <source>Unable to recognize the system model from the upgrade file.</source>
            <extracomment>IDS_NI_error_read_patch_mod</extracomment>
            <translation>Не удалось определить модель системы по файлу обновления.</translation>
        </message>
        <message>
            <source>Unable to recognize the system version from the upgrade file.</source>
            <extracomment>IDS_NI_error_read_patch_ver</extracomment>
            <translation>Не удалось определить версию системы по файлу обновления.</translation>
        </message>
        <message>
            <source>Unable to recognize the current system version.</source>
            <extracomment>IDS_NI_error_read_ver</extracomment>
            <translation>Не удалось определить текущую версию системы.</translation>
        </message>
        <message>
            <source>An error has occurred on a volume on the active server. Please repair it before binding.</source>
            <extracomment>IDS_NI_error_upgrade_local_volume_abnormal</extracomment>
            <translation>На одном из томов активного сервера произошла ошибка. Восстановите том перед привязкой.</translation>
        </message>
        <message>
            <source>Unable to perform VNO update because this VNO is an older version.</source>
            <extracomment>IDS_NI_error_version</extracomment>
            <translation>Невозможно обновить VNO, так как эта версия VNO устарела.</translation>
        </message>
        <message>
            <source>Update successful.</source>
            <extracomment>IDS_NI_upgrade_success</extracomment>
            <translation>Обновление выполнено успешно.</translation>
        </message>
        <message>
            <source>No program is associated with this file type.</source>
            <extracomment>IDS_NO_ASSOC_PROG</extracomment>
            <translation>С этим типом файлов не сопоставлена ни одна программа.</translation>
        </message>
        <message>
            <source>Add File</source>
            <extracomment>IDS_PHOTO_BTN_ADD_FILE</extracomment>
            <translation>Добавить файл</translation>
        </message>
        <message>
            <source>Add Folder</source>
            <extracomment>IDS_PHOTO_BTN_ADD_FOLDER</extracomment>
            <translation>Добавить папку</translation>
        </message>
        <message>
            <source>Go Back</source>
            <extracomment>IDS_PHOTO_BTN_BK_TO_PARENT</extracomment>
            <translation>Вверх</translation>
        </message>
        <message>
            <source>Create</source>
            <extracomment>IDS_PHOTO_BTN_CREATE_NEW_ALBUM</extracomment>
            <translation>Создать</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <extracomment>IDS_PHOTO_BTN_HIDE_DETAIL</extracomment>
            <translation>Скрыть подробности...</translation>
        </message>
        <message>
            <source>Show Details...</source>
            <extracomment>IDS_PHOTO_BTN_SHOW_DETAIL</extracomment>
            <translation>Подробнее...</translation>
        </message>
        <message>
            <source>Upload</source>
            <extracomment>IDS_PHOTO_BTN_UPLOAD</extracomment>
            <translation>Загрузить</translation>
        </message>
        <message>
            <source>To start photo uploading, click %1 on the upper left-hand corner, or select a profile on the list and then enter admin's password.</source>
            <extracomment>IDS_PHOTO_CONNT_STATUS_INIT</extracomment>
            <translation>Чтобы начать загрузку фотографий, нажмите «%1» в левом верхнем углу или выберите профиль в списке и введите пароль администратора.</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <extracomment>IDS_PHOTO_DUPLI_OVERWRITE</extracomment>
            <translation>Перезаписать</translation>
        </message>
        <message>
            <source>Rename</source>
            <extracomment>IDS_PHOTO_DUPLI_RENAME</extracomment>
            <translation>Переименовать</translation>
        </message>
        <message>
            <source>Skip</source>
            <extracomment>IDS_PHOTO_DUPLI_SKIP</extracomment>
            <translation>Пропустить</translation>
        </message>
        <message>
            <source>Enter a Imagrove account</source>
            <extracomment>IDS_PHOTO_ERR_ACCOUNT_EMPTY</extracomment>
            <translation>Введите учетную запись Imagrove</translation>
        </message>
        <message>
            <source>Invalid folder name: %1</source>
            <extracomment>IDS_PHOTO_ERR_BAD_DIR_NAME</extracomment>
            <translation>Недопустимое имя папки: %1</translation>
        </message>
        <message>
            <source>Failed to convert %1.</source>
            <extracomment>IDS_PHOTO_ERR_CONVERT_FAIL</extracomment>
            <translation>Не удалось преобразовать %1.</translation>
        </message>
        <message>
            <source>The folder name already exists. Please use another name.</source>
            <extracomment>IDS_PHOTO_ERR_DUPLICATE_FOLDER_NAME</extracomment>
            <translation>Папка с таким именем уже существует. Укажите другое имя.</translation>
        </message>
        <message>
            <source>The file size exceeds the limit: %1</source>
            <extracomment>IDS_PHOTO_ERR_FILE_SIZE_OVER_LIMIT</extracomment>
            <translation>Размер файла превышает ограничение: %1</translation>
        </message>
        <message>
            <source>Failed to establish the connection. Please check the hostname/IP address or make sure Imagrove is working properly, and then try again.</source>
            <extracomment>IDS_PHOTO_ERR_LOGIN_SERVER_ERROR</extracomment>
            <translation>Не удалось установить подключение. Проверьте имя хоста или IP-адрес либо убедитесь, что Imagrove работает правильно, и повторите попытку.</translation>
        </message>
        <message>
            <source>Unknown server error. (Error Code:%1)</source>
            <extracomment>IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR</extracomment>
            <translation>Неизвестная ошибка сервера. (Код ошибки: %1)</translation>
        </message>
        <message>
            <source>The connection is lost. Please log in to Varnestor Manager again.</source>
            <extracomment>IDS_PHOTO_ERR_SESSION_LOST</extracomment>
            <translation>Подключение потеряно. Повторно войдите в Varnestor Manager.</translation>
        </message>
        <message>
            <source>Profile name [%1] already exists.</source>
            <extracomment>IDS_PHOTO_ERR_WIZ_PROFILE_DUPLICATE</extracomment>
            <translation>Имя профиля [%1] уже существует.</translation>
        </message>
        <message>
            <source>Upload finished \nSuccess Count: %1, Error Count: %2</source>
            <extracomment>IDS_PHOTO_FINISH_SUMMARY</extracomment>
            <translation>Загрузка завершена \nУспешно: %1, с ошибками: %2</translation>
        </message>
        <message>
            <source>Account</source>
            <extracomment>IDS_PHOTO_LBL_ACCOUNT</extracomment>
            <translation>Учетная запись</translation>
        </message>
        <message>
            <source>Connect to Imagrove now?</source>
            <extracomment>IDS_PHOTO_LBL_CONNT_IMAGROVE</extracomment>
            <translation>Подключиться к Imagrove сейчас?</translation>
        </message>
        <message>
            <source>If file already exists:</source>
            <extracomment>IDS_PHOTO_LBL_DUPLICATED_FILE_HANDLE</extracomment>
            <translation>Если файл существует:</translation>
        </message>
        <message>
            <source>Please enter the %1's password.</source>
            <extracomment>IDS_PHOTO_LBL_ENTR_PASSWD</extracomment>
            <translation>Введите пароль пользователя %1.</translation>
        </message>
        <message>
            <source>Video conversion setting:</source>
            <extracomment>IDS_PHOTO_LBL_FLV_QUALITY</extracomment>
            <translation>Видео:</translation>
        </message>
        <message>
            <source>Create folder:</source>
            <extracomment>IDS_PHOTO_LBL_NEW_ALBUM_NAME</extracomment>
            <translation>Создать папку:</translation>
        </message>
        <message>
            <source>Skip hidden files</source>
            <extracomment>IDS_PHOTO_LBL_NOT_UPLOAD_HIDDEN</extracomment>
            <translation>Пропускать скрытые файлы</translation>
        </message>
        <message>
            <source>Only upload supported contents</source>
            <extracomment>IDS_PHOTO_LBL_ONLY_UPD_INDEXABLE_FILE</extracomment>
            <translation>Загружать только поддерживаемые файлы</translation>
        </message>
        <message>
            <source>Password</source>
            <extracomment>IDS_PHOTO_LBL_PASSWORD</extracomment>
            <translation>Пароль</translation>
        </message>
        <message>
            <source>Contents to Upload</source>
            <extracomment>IDS_PHOTO_LBL_PHOTO_SELECTION</extracomment>
            <translation>Файлы для загрузки</translation>
        </message>
        <message>
            <source>Imagrove URL</source>
            <extracomment>IDS_PHOTO_LBL_IMAGROVE_URL</extracomment>
            <translation>URL Imagrove</translation>
        </message>
        <message>
            <source>Preview</source>
            <extracomment>IDS_PHOTO_LBL_PROCESS_THUMBNAIL, IDS_PHOTO_PROC_MSG_PROC</extracomment>
            <translation>Просмотр</translation>
        </message>
        <message>
            <source>Profile Name</source>
            <extracomment>IDS_PHOTO_LBL_PROFILE</extracomment>
            <translation>Имя профиля</translation>
        </message>
        <message>
            <source>The profile name is used to identify your Photo Uploader profile. You can change the profile name according to your preferences.</source>
            <extracomment>IDS_PHOTO_LBL_PROFILE_DESC</extracomment>
            <translation>Имя профиля служит для обозначения Вашего профиля загрузки фото. Вы можете изменить его по своему усмотрению.</translation>
        </message>
        <message>
            <source>Select one or more files to open</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_FILE</extracomment>
            <translation>Выберите один или несколько файлов</translation>
        </message>
        <message>
            <source>Select a folder to open</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_FOLDER</extracomment>
            <translation>Выберите папку</translation>
        </message>
        <message>
            <source>Select a folder to upload photos</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_UPD_FOLDER</extracomment>
            <translation>Выберите папку для загрузки фотографий</translation>
        </message>
        <message>
            <source>Thumbnail</source>
            <extracomment>IDS_PHOTO_LBL_THUMB</extracomment>
            <translation>Эскиз</translation>
        </message>
        <message>
            <source>Destination:</source>
            <extracomment>IDS_PHOTO_LBL_UPLOAD_TO</extracomment>
            <translation>Назначение:</translation>
        </message>
        <message>
            <source>Please enter the connection information to access your Imagrove.</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_IP_HINT</extracomment>
            <translation>Введите данные для подключения к Imagrove.</translation>
        </message>
        <message>
            <source>Account:</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_ACCOUNT, IDS_WZDMAP_ACCOUNT</extracomment>
            <translation>Учетная запись:</translation>
        </message>
        <message>
            <source>Only admin or the user with uploading privilege can upload photos to Imagrove. Please make sure you entered the correct account and password.</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_HINT</extracomment>
            <translation>Загружать фотографии в Imagrove может только admin или пользователь с правом на загрузку. Убедитесь, что Вы ввели правильные учетную запись и пароль.</translation>
        </message>
        <message>
            <source>Please enter the account and password for Imagrove</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_TITLE</extracomment>
            <translation>Введите учетную запись и пароль для Imagrove</translation>
        </message>
        <message>
            <source>Personal Imagrove</source>
            <extracomment>IDS_PHOTO_PERSONAL</extracomment>
            <translation>Личный Imagrove</translation>
        </message>
        <message>
            <source>Complete</source>
            <extracomment>IDS_PHOTO_PROC_MSG_COMPLETE</extracomment>
            <translation>Завершено</translation>
        </message>
        <message>
            <source>Converting</source>
            <extracomment>IDS_PHOTO_PROC_MSG_CONVERT</extracomment>
            <translation>Преобразование</translation>
        </message>
        <message>
            <source>Initializing...</source>
            <extracomment>IDS_PHOTO_PROC_MSG_INIT</extracomment>
            <translation>Инициализация...</translation>
        </message>
        <message>
            <source>Uploading</source>
            <extracomment>IDS_PHOTO_PROC_MSG_UPLOAD</extracomment>
            <translation>Загрузка</translation>
        </message>
        <message>
            <source>High</source>
            <extracomment>IDS_PHOTO_QTY_HIGH</extracomment>
            <translation>Высокое</translation>
        </message>
        <message>
            <source>Low</source>
            <extracomment>IDS_PHOTO_QTY_LOW</extracomment>
            <translation>Низкое</translation>
        </message>
        <message>
            <source>Medium</source>
            <extracomment>IDS_PHOTO_QTY_MEDIUM</extracomment>
            <translation>Среднее</translation>
        </message>
        <message>
            <source>Mobile</source>
            <extracomment>IDS_PHOTO_QTY_MOBILE</extracomment>
            <translation>Мобильное</translation>
        </message>
        <message>
            <source>Description</source>
            <extracomment>IDS_PHOTO_TABLE_DESC</extracomment>
            <translation>Описание</translation>
        </message>
        <message>
            <source>File name</source>
            <extracomment>IDS_PHOTO_TABLE_FILE_NAME</extracomment>
            <translation>Имя файла</translation>
        </message>
        <message>
            <source>Type</source>
            <extracomment>IDS_PHOTO_TABLE_FILE_TYPE</extracomment>
            <translation>Тип</translation>
        </message>
        <message>
            <source>Date modified</source>
            <extracomment>IDS_PHOTO_TABLE_MODTIME</extracomment>
            <translation>Дата изменения</translation>
        </message>
        <message>
            <source>Size</source>
            <extracomment>IDS_PHOTO_TABLE_SIZE</extracomment>
            <translation>Размер</translation>
        </message>
        <message>
            <source>Title</source>
            <extracomment>IDS_PHOTO_TABLE_TITLE</extracomment>
            <translation>Название</translation>
        </message>
        <message>
            <source>Failed to create the thumbnail.</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_ERROR</extracomment>
            <translation>Не удалось создать эскиз.</translation>
        </message>
        <message>
            <source>Creating thumbnail...</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_GENERATING</extracomment>
            <translation>Создание эскиза...</translation>
        </message>
        <message>
            <source>Select a photo or video to show its thumbnail</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_INIT</extracomment>
            <translation>Выберите фото или видео для просмотра эскиза</translation>
        </message>
        <message>
            <source>Folder</source>
            <extracomment>IDS_PHOTO_TYPE_FOLDER</extracomment>
            <translation>Папка</translation>
        </message>
        <message>
            <source>Other</source>
            <extracomment>IDS_PHOTO_TYPE_OTHER</extracomment>
            <translation>Другое</translation>
        </message>
        <message>
            <source>Photo</source>
            <extracomment>IDS_PHOTO_TYPE_PHOTO</extracomment>
            <translation>Фото</translation>
        </message>
        <message>
            <source>Video</source>
            <extracomment>IDS_PHOTO_TYPE_VIDEO</extracomment>
            <translation>Видео</translation>
        </message>
        <message>
            <source>This function is not available in the demo mode.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_DEMO_SITE</extracomment>
            <translation>Эта функция недоступна в демонстрационном режиме.</translation>
        </message>
        <message>
            <source>Skip Duplicate File.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_DUPLICATE</extracomment>
            <translation>Повторяющийся файл пропущен.</translation>
        </message>
        <message>
            <source>Not logged in.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_NOT_LOGIN</extracomment>
            <translation>Вход не выполнен.</translation>
        </message>
        <message>
            <source>No Privilege.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_NO_PRIVILEGE</extracomment>
            <translation>Нет прав.</translation>
        </message>
        <message>
            <source>The destination folder is not found: %1</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_TARGET_NOT_FOUND</extracomment>
            <translation>Папка назначения не найдена: %1</translation>
        </message>
        <message>
            <source>Failed to upload the following files. \nPlease check the uploading privilege or server connection status.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_REPORT_MSG</extracomment>
            <translation>Не удалось загрузить следующие файлы. \nПроверьте права на загрузку или состояние подключения к серверу.</translation>
        </message>
        <message>
            <source>Upload to</source>
            <extracomment>IDS_PHOTO_UPLOAD_TO</extracomment>
            <translation>Загрузить в</translation>
        </message>
        <message>
            <source>The selected profile will be removed.</source>
            <extracomment>IDS_PHOTO_WARN_REMOVE_PROFILE</extracomment>
            <translation>Выбранный профиль будет удален.</translation>
        </message>
        <message>
            <source>Please select files before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_FILE</extracomment>
            <translation>Перед загрузкой выберите файлы.</translation>
        </message>
        <message>
            <source>Please select a destination before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_FOLDER</extracomment>
            <translation>Перед загрузкой выберите папку назначения.</translation>
        </message>
        <message>
            <source>Please select at least one video conversion setting before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_VDO_QTY</extracomment>
            <translation>Перед загрузкой выберите хотя бы один параметр преобразования видео.</translation>
        </message>
        <message>
            <source>Default Functions Tab</source>
            <extracomment>IDS_PREFER_DISPLAYED_TAB_OPTION</extracomment>
            <translation>Вкладка по умолчанию</translation>
        </message>
        <message>
            <source>Global Settings</source>
            <extracomment>IDS_PREFER_GLOBAL</extracomment>
            <translation>Общие параметры</translation>
        </message>
        <message>
            <source>Language</source>
            <extracomment>IDS_PREFER_HINT_LANG</extracomment>
            <translation>Язык</translation>
        </message>
        <message>
            <source>Startup</source>
            <extracomment>IDS_PREFER_HINT_START</extracomment>
            <translation>Запуск</translation>
        </message>
        <message>
            <source>Quenlori Server</source>
            <extracomment>IDS_PRODUCT_NAME</extracomment>
            <translation>Сервер Quenlori</translation>
        </message>
        <message>
            <source>Quick configuration is complete</source>
            <extracomment>IDS_QUICKCONF_COMPLETE</extracomment>
            <translation>Быстрая настройка завершена</translation>
        </message>
        <message>
            <source>Quick configuration failed.</source>
            <extracomment>IDS_QUICKCONF_ERR</extracomment>
            <translation>Сбой быстрой настройки.</translation>
        </message>
        <message>
            <source>Close the dialog and try again later.</source>
            <extracomment>IDS_QUICKCONF_RETRY</extracomment>
            <translation>Закройте диалоговое окно и повторите попытку позже.</translation>
        </message>
        <message>
            <source>Quick configuration was not completed due to connection timeout.</source>
            <extracomment>IDS_QUICKCONF_TIMEOUT</extracomment>
            <translation>Быстрая настройка не завершена: истекло время ожидания подключения.</translation>
        </message>
        <message>
            <source>Get network configuration automatically (DHCP)</source>
            <extracomment>IDS_RDO_DHCP</extracomment>
            <translation>Получать сетевые параметры автоматически (DHCP)</translation>
        </message>
        <message>
            <source>Use manual configuration</source>
            <extracomment>IDS_RDO_MANUAL</extracomment>
            <translation>Настроить вручную</translation>
        </message>
        <message>
            <source>The selected server(s) will be removed.</source>
            <extracomment>IDS_REMOVE_PROFILES</extracomment>
            <translation>Выбранные серверы будут удалены.</translation>
        </message>
        <message>
            <source>The following configurations will be applied:</source>
            <extracomment>IDS_REPORT_DESC1</extracomment>
            <translation>Будут применены следующие параметры:</translation>
        </message>
        <message>
            <source>Item</source>
            <extracomment>IDS_REPORT_ITEM</extracomment>
            <translation>Параметр</translation>
        </message>
        <message>
            <source>Installation file</source>
            <extracomment>IDS_REPORT_NI_PATCH</extracomment>
            <translation>Файл установки</translation>
        </message>
        <message>
            <source>Value</source>
            <extracomment>IDS_REPORT_VALUE</extracomment>
            <translation>Значение</translation>
        </message>
        <message>
            <source>To monitor the resource usage of a server, click Add on the upper-left hand corner.</source>
            <extracomment>IDS_RSRCMONI_PAGE_EMPTY</extracomment>
            <translation>Чтобы отслеживать использование ресурсов сервера, нажмите «Добавить» в левом верхнем углу.</translation>
        </message>
        <message>
            <source>Adding disk</source>
            <extracomment>IDS_RSRC_VOL_STATUS_ADDDISK, IDS_RSRC_VOL_STATUS_RESHAPE</extracomment>
            <translation>Добавление диска</translation>
        </message>
        <message>
            <source>Crashed</source>
            <extracomment>IDS_RSRC_VOL_STATUS_CRASHED</extracomment>
            <translation>Поврежден</translation>
        </message>
        <message>
            <source>Creating</source>
            <extracomment>IDS_RSRC_VOL_STATUS_CREATE</extracomment>
            <translation>Создание</translation>
        </message>
        <message>
            <source>Degraded</source>
            <extracomment>IDS_RSRC_VOL_STATUS_DEGRADE</extracomment>
            <translation>Деградирован</translation>
        </message>
        <message>
            <source>Removing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_DELETE</extracomment>
            <translation>Удаление</translation>
        </message>
        <message>
            <source>Expanding</source>
            <extracomment>IDS_RSRC_VOL_STATUS_EXPAND</extracomment>
            <translation>Расширение</translation>
        </message>
        <message>
            <source>Migrating</source>
            <extracomment>IDS_RSRC_VOL_STATUS_ISCSITRG_MOVING</extracomment>
            <translation>Перенос</translation>
        </message>
        <message>
            <source>Normal</source>
            <extracomment>IDS_RSRC_VOL_STATUS_NORMAL</extracomment>
            <translation>Исправен</translation>
        </message>
        <message>
            <source>Checking parity consistency.</source>
            <extracomment>IDS_RSRC_VOL_STATUS_PARITYCOUNT</extracomment>
            <translation>Проверка согласованности четности.</translation>
        </message>
        <message>
            <source>Repairing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_REPAIR</extracomment>
            <translation>Восстановление</translation>
        </message>
        <message>
            <source>Re-synchronizing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_RESYNC</extracomment>
            <translation>Ресинхронизация</translation>
        </message>
        <message>
            <source>Changing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_UPGRADE</extracomment>
            <translation>Изменение</translation>
        </message>
        <message>
            <source>Failed to setup %1. (Error code: %2)</source>
            <extracomment>IDS_SETUP_FAILED</extracomment>
            <translation>Не удалось настроить %1. (Код ошибки: %2)</translation>
        </message>
        <message>
            <source>Network configurations are complete.</source>
            <extracomment>IDS_SETUP_NET_OK</extracomment>
            <translation>Настройка сети завершена.</translation>
        </message>
        <message>
            <source>Congratulations! Setup Wizard has completed the basic configurations.</source>
            <extracomment>IDS_SETUP_OK</extracomment>
            <translation>Поздравляем! Мастер настройки выполнил базовую настройку.</translation>
        </message>
        <message>
            <source>Disabled</source>
            <extracomment>IDS_STATUS_DISABLE</extracomment>
            <translation>Отключено</translation>
        </message>
        <message>
            <source>Enabled</source>
            <extracomment>IDS_STATUS_ENABLE</extracomment>
            <translation>Включено</translation>
        </message>
        <message>
            <source>Server name must be 1 to 15 characters long.</source>
            <extracomment>IDS_SVRNAME_LENGTH_ERR</extracomment>
            <translation>Имя сервера должно содержать от 1 до 15 символов.</translation>
        </message>
        <message>
            <source>Some application settings might be lost, but the information of user accounts and privileges will be migrated.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_ACCOUNT</extracomment>
            <translation>Некоторые параметры приложений могут быть потеряны, но сведения об учетных записях пользователей и правах доступа будут перенесены.</translation>
        </message>
        <message>
            <source>Refer to %1here%2 for more information.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_HELP</extracomment>
            <translation>Подробнее см. %1здесь%2.</translation>
        </message>
        <message>
            <source>Important</source>
            <extracomment>IDS_SYSMIGRAT_DESC_HINT</extracomment>
            <translation>Важно</translation>
        </message>
        <message>
            <source>All packages will require reinstallation after migration.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_PACKAGE</extracomment>
            <translation>После переноса все пакеты потребуется установить заново.</translation>
        </message>
        <message>
            <source>Failed to recover system:</source>
            <extracomment>IDS_SYSRCV_FAILED</extracomment>
            <translation>Не удалось восстановить систему:</translation>
        </message>
        <message>
            <source>System recovery is finished.</source>
            <extracomment>IDS_SYSRCV_FINISHED</extracomment>
            <translation>Восстановление системы завершено.</translation>
        </message>
        <message>
            <source>Progress: Connecting...</source>
            <extracomment>IDS_SYSRCV_PROG_CONNECT</extracomment>
            <translation>Ход выполнения: подключение...</translation>
        </message>
        <message>
            <source>Progress: Recovering system...</source>
            <extracomment>IDS_SYSRCV_PROG_RECOVER</extracomment>
            <translation>Ход выполнения: восстановление системы...</translation>
        </message>
        <message>
            <source>Start System Recovery.</source>
            <extracomment>IDS_SYSRCV_START</extracomment>
            <translation>Запуск восстановления системы.</translation>
        </message>
        <message>
            <source>System Recovery</source>
            <extracomment>IDS_SYSRCV_TITLE</extracomment>
            <translation>Восстановление системы</translation>
        </message>
        <message>
            <source>The password is empty.</source>
            <extracomment>IDS_TIP_EMPTY_PASS</extracomment>
            <translation>Пароль не задан.</translation>
        </message>
        <message>
            <source>Help</source>
            <extracomment>IDS_TOOLBAR_HELP</extracomment>
            <translation>Справка</translation>
        </message>
        <message>
            <source>Management</source>
            <extracomment>IDS_TOOLBAR_HOME</extracomment>
            <translation>Управление</translation>
        </message>
        <message>
            <source>Installation</source>
            <extracomment>IDS_TOOLBAR_INSTALLATION</extracomment>
            <translation>Установка</translation>
        </message>
        <message>
            <source>Preferences</source>
            <extracomment>IDS_TOOLBAR_PREFERENCE, IDS_TOOL_TIPS_PREFERENCE</extracomment>
            <translation>Настройки</translation>
        </message>
        <message>
            <source>Printer Device</source>
            <extracomment>IDS_TOOLBAR_PRINTER_DEVICE</extracomment>
            <translation>Принтеры</translation>
        </message>
        <message>
            <source>%1 is still running.</source>
            <extracomment>IDS_TRAY_APP_RUNNING_MSG</extracomment>
            <translation>Программа %1 продолжает работать.</translation>
        </message>
        <message>
            <source>Running in the background</source>
            <extracomment>IDS_TRAY_APP_RUNNING_TITLE</extracomment>
            <translation>Работает в фоновом режиме</translation>
        </message>
        <message>
            <source>Interface mode</source>
            <extracomment>IDS_UIMODEL</extracomment>
            <translation>Режим интерфейса</translation>
        </message>
        <message>
            <source>%1 still has unfinished tasks.</source>
            <extracomment>IDS_UNFINISHED_JOBS</extracomment>
            <translation>В программе %1 есть незавершенные задачи.</translation>
        </message>
        <message>
            <source>It may take a few minutes. Please wait...</source>
            <extracomment>IDS_WAIT1</extracomment>
            <translation>Это может занять несколько минут. Подождите...</translation>
        </message>
        <message>
            <source>Please enter a profile name.</source>
            <extracomment>IDS_WAKEUP_ADD_EMPTY_PROFLE</extracomment>
            <translation>Введите имя профиля.</translation>
        </message>
        <message>
            <source>IP address/name</source>
            <extracomment>IDS_WAKEUP_ADD_IPNAME</extracomment>
            <translation>IP-адрес/имя</translation>
        </message>
        <message>
            <source>Network</source>
            <extracomment>IDS_WAKEUP_ADD_NETWORK</extracomment>
            <translation>Сеть</translation>
        </message>
        <message>
            <source>WOL Setup</source>
            <extracomment>IDS_WAKEUP_ADD_TITLE</extracomment>
            <translation>Настройка WOL</translation>
        </message>
        <message>
            <source>WAN</source>
            <extracomment>IDS_WAKEUP_ADD_TYPE_WAN</extracomment>
            <translation>WAN</translation>
        </message>
        <message>
            <source>Please enter a valid MAC address.</source>
            <extracomment>IDS_WAKEUP_ADD_VALID_MAC</extracomment>
            <translation>Введите допустимый MAC-адрес.</translation>
        </message>
        <message>
            <source>Wake up the server</source>
            <extracomment>IDS_WAKEUP_DLG_MSG</extracomment>
            <translation>Разбудить сервер</translation>
        </message>
        <message>
            <source>WOL status</source>
            <extracomment>IDS_WAKEUP_HEADER_STATUS</extracomment>
            <translation>Состояние WOL</translation>
        </message>
        <message>
            <source>Set Up</source>
            <extracomment>IDS_WAKEUP_MENU_SETUP</extracomment>
            <translation>Настроить</translation>
        </message>
        <message>
            <source>Wake Up</source>
            <extracomment>IDS_WAKEUP_MENU_WAKEUP</extracomment>
            <translation>Разбудить</translation>
        </message>
        <message>
            <source>WOL</source>
            <extracomment>IDS_WAKEUP_MENU_WOL</extracomment>
            <translation>WOL</translation>
        </message>
        <message>
            <source>Off-line</source>
            <extracomment>IDS_WAKEUP_OFF_LINE</extracomment>
            <translation>Не в сети</translation>
        </message>
        <message>
            <source>N/A</source>
            <extracomment>IDS_WAKEUP_STATUS_NA</extracomment>
            <translation>Н/Д</translation>
        </message>
        <message>
            <source>Off</source>
            <extracomment>IDS_WAKEUP_STATUS_OFF</extracomment>
            <translation>Выключен</translation>
        </message>
        <message>
            <source>On</source>
            <extracomment>IDS_WAKEUP_STATUS_ON</extracomment>
            <translation>Включен</translation>
        </message>
        <message>
            <source>WOL(Wake on LAN) allows a shut-down server to be turned on remotely.</source>
            <extracomment>IDS_WAKEUP_TABLE_DESCP</extracomment>
            <translation>WOL (Wake-on-LAN) позволяет удаленно включить выключенный сервер.</translation>
        </message>
        <message>
            <source>Profile name</source>
            <extracomment>IDS_WAKEUP_TABLE_PROFILENAME</extracomment>
            <translation>Имя профиля</translation>
        </message>
        <message>
            <source>Wake on LAN must be enabled on the server.</source>
            <extracomment>IDS_WAKEUP_TABLE_WARNING</extracomment>
            <translation>На сервере должна быть включена функция Wake-on-LAN.</translation>
        </message>
        <message>
            <source>Set Up WOL</source>
            <extracomment>IDS_WAKEUP_TITLE</extracomment>
            <translation>Настроить WOL</translation>
        </message>
        <message>
            <source>Warning</source>
            <extracomment>IDS_WARNING</extracomment>
            <translation>Предупреждение</translation>
        </message>
        <message>
            <source>The server is rebooting. Are you sure you want to cancel?</source>
            <extracomment>IDS_WARN_CANCEL_REBOOT_VR</extracomment>
            <translation>Сервер перезагружается. Вы действительно хотите отменить операцию?</translation>
        </message>
        <message>
            <source>Note! All data in the hard drive(s) will be deleted while creating a QBV volume.</source>
            <extracomment>IDS_WARN_EARSEDATA_QBV</extracomment>
            <translation>Внимание! При создании тома QBV все данные на жестких дисках будут удалены.</translation>
        </message>
        <message>
            <source>The password is empty. Are you sure you want to continue?</source>
            <extracomment>IDS_WARN_EMPTY_PASSWD</extracomment>
            <translation>Пароль не задан. Вы действительно хотите продолжить?</translation>
        </message>
        <message>
            <source>Note! All data in the hard drive(s) will be deleted.</source>
            <extracomment>IDS_WARN_ERASE_DISK</extracomment>
            <translation>Внимание! Все данные на жестких дисках будут удалены.</translation>
        </message>
        <message>
            <source>All data will be lost. Are you sure you want to continue?</source>
            <extracomment>IDS_WARN_ERASE_DISK2</extracomment>
            <translation>Все данные будут потеряны. Вы действительно хотите продолжить?</translation>
        </message>
        <message>
            <source>Please make sure: \n1. Quenlori Vornakeeper is not blocked by the firewall of your computer OS or anti-virus applications. \n2. %1 and your computer are both connected to the network. \n3. You have switched on the power of %1.</source>
            <extracomment>IDS_WARN_FIREWALL</extracomment>
            <translation>Убедитесь, что: \n1. Quenlori Vornakeeper не блокируется брандмауэром операционной системы компьютера или антивирусными программами. \n2. %1 и компьютер подключены к сети. \n3. %1 включен.</translation>
        </message>
        <message>
            <source>Please make sure Quenlori Vornakeeper is not blocked by the firewall of Mac OS X.</source>
            <extracomment>IDS_WARN_FIREWALL_MAC</extracomment>
            <translation>Убедитесь, что Quenlori Vornakeeper не блокируется брандмауэром Mac OS X.</translation>
        </message>
        <message>
            <source>Please make sure Quenlori Vornakeeper is not blocked by Windows Firewall.</source>
            <extracomment>IDS_WARN_FIREWALL_WIN</extracomment>
            <translation>Убедитесь, что Quenlori Vornakeeper не блокируется брандмауэром Windows.</translation>
        </message>
        <message>
            <source>Access to the [%1] will be disabled until memory test is finished. The time required for testing depends on the physical memory size of [%2]. It could take from minutes to hours.</source>
            <extracomment>IDS_WARN_MEM_TEST_NO_SERVICE</extracomment>
            <translation>Доступ к серверу [%1] будет закрыт до завершения теста памяти. Время тестирования зависит от объема физической памяти сервера [%2] и может составлять от нескольких минут до нескольких часов.</translation>
        </message>
        <message>
            <source>This computer is connected to more than one subnet, so %1 cannot suggest network settings. Please enter them manually.</source>
            <extracomment>IDS_WARN_MULTIPLE_SUBNET</extracomment>
            <translation>Компьютер подключен к нескольким подсетям, поэтому программа %1 не может предложить сетевые параметры. Введите их вручную.</translation>
        </message>
        <message>
            <source>This computer is not connected to a network, so %1 cannot suggest network settings. Please check the network connection.</source>
            <extracomment>IDS_WARN_NO_NETWORK</extracomment>
            <translation>Компьютер не подключен к сети, поэтому программа %1 не может предложить сетевые параметры. Проверьте сетевое подключение.</translation>
        </message>
        <message>
            <source>This function is not available on this operating system.</source>
            <extracomment>IDS_WARN_NT_PLATFORM</extracomment>
            <translation>Эта функция недоступна в данной операционной системе.</translation>
        </message>
        <message>
            <source>Are you sure you want to remove the selected printer?</source>
            <extracomment>IDS_WARN_REMOVE_PRINTER</extracomment>
            <translation>Вы действительно хотите удалить выбранный принтер?</translation>
        </message>
        <message>
            <source>Administrator privileges are required for this operation.</source>
            <extracomment>IDS_WARN_REQUIRE_ADMIN</extracomment>
            <translation>Для этой операции требуются права администратора.</translation>
        </message>
        <message>
            <source>Failed to connect the Varnestor. Please check the network settings, and make sure the Varnestor is upgraded to VNO %1 or onward.</source>
            <extracomment>IDS_WARN_RSRC_CONN_OR_VER_ERR</extracomment>
            <translation>Не удалось подключиться к Varnestor. Проверьте сетевые параметры и убедитесь, что Varnestor обновлен до VNO %1 или более поздней версии.</translation>
        </message>
        <message>
            <source>Two or more servers are using the same name. It may result in access issues.</source>
            <extracomment>IDS_WARN_SAME_NAME</extracomment>
            <translation>Несколько серверов используют одно и то же имя. Это может привести к проблемам с доступом.</translation>
        </message>
        <message>
            <source>Please use a different name for each server.</source>
            <extracomment>IDS_WARN_SAME_NAME1</extracomment>
            <translation>Укажите для каждого сервера отдельное имя.</translation>
        </message>
        <message>
            <source>Please select a server.</source>
            <extracomment>IDS_WARN_SELECT_VR</extracomment>
            <translation>Выберите сервер.</translation>
        </message>
        <message>
            <source>Please select a network.</source>
            <extracomment>IDS_WARN_SELECT_NO_NET</extracomment>
            <translation>Выберите сеть.</translation>
        </message>
        <message>
            <source>Please select a printer.</source>
            <extracomment>IDS_WARN_SELECT_PRINTER</extracomment>
            <translation>Выберите принтер.</translation>
        </message>
        <message>
            <source>Failed to get the suggested network settings.</source>
            <extracomment>IDS_WARN_SUGGEST</extracomment>
            <translation>Не удалось получить рекомендуемые сетевые параметры.</translation>
        </message>
        <message>
            <source>Setup Mode</source>
            <extracomment>IDS_WELCOME_BTN_GRP</extracomment>
            <translation>Режим настройки</translation>
        </message>
        <message>
            <source>%1 - Setup Wizard</source>
            <extracomment>IDS_WELCOME_MSG1</extracomment>
            <translation>%1 — мастер настройки</translation>
        </message>
        <message>
            <source>Welcome to the Setup Wizard!</source>
            <extracomment>IDS_WELCOME_MSG2</extracomment>
            <translation>Вас приветствует мастер настройки!</translation>
        </message>
        <message>
            <source>Setup Wizard will help you complete the basic configurations of %1.</source>
            <extracomment>IDS_WELCOME_MSG3</extracomment>
            <translation>Мастер настройки поможет выполнить базовую настройку сервера %1.</translation>
        </message>
        <message>
            <source>Browse</source>
            <extracomment>IDS_WELCOME_NI_BTN_PAT</extracomment>
            <translation>Обзор</translation>
        </message>
        <message>
            <source>Your %1 has not installed any VNO. Setup Wizard will help you install VNO and complete the basic configurations.</source>
            <extracomment>IDS_WELCOME_NI_MSG1</extracomment>
            <translation>На сервере %1 не установлена VNO. Мастер настройки поможет установить VNO и выполнить базовую настройку.</translation>
        </message>
        <message>
            <source>Please input the path of installation file.</source>
            <extracomment>IDS_WELCOME_NI_MSG2</extracomment>
            <translation>Укажите путь к файлу установки.</translation>
        </message>
        <message>
            <source>Open</source>
            <extracomment>IDS_WELCOME_NI_OPEN_CAPTION</extracomment>
            <translation>Открыть</translation>
        </message>
        <message>
            <source>Setup Wizard will install VNO and migrate existing system configurations (such as user accounts and privileges) stored on the hard drives to the new system.</source>
            <extracomment>IDS_WELCOME_NI_SYSMIGRT</extracomment>
            <translation>Мастер настройки установит VNO и перенесет в новую систему существующую конфигурацию (например, учетные записи пользователей и права доступа), хранящуюся на жестких дисках.</translation>
        </message>
        <message>
            <source>Quick Setup</source>
            <extracomment>IDS_WELCOME_ONE_CLICK</extracomment>
            <translation>Быстрая настройка</translation>
        </message>
        <message>
            <source>Complete Setup</source>
            <extracomment>IDS_WELCOME_STEP_BY_STEP</extracomment>
            <translation>Полная настройка</translation>
        </message>
        <message>
            <source>Failed to add the printer port.</source>
            <extracomment>IDS_WZDADDPTR_ADDPORT_FAIL</extracomment>
            <translation>Не удалось добавить порт принтера.</translation>
        </message>
        <message>
            <source>Unable to add the printer.</source>
            <extracomment>IDS_WZDADDPTR_CANT_ADDPTR</extracomment>
            <translation>Не удается добавить принтер.</translation>
        </message>
        <message>
            <source>Welcome to the Add Printer Wizard</source>
            <extracomment>IDS_WZDADDPTR_CAP1</extracomment>
            <translation>Вас приветствует мастер установки принтера</translation>
        </message>
        <message>
            <source>Select a printer driver</source>
            <extracomment>IDS_WZDADDPTR_CAP3</extracomment>
            <translation>Выберите драйвер принтера</translation>
        </message>
        <message>
            <source>Name the printer</source>
            <extracomment>IDS_WZDADDPTR_CAP4</extracomment>
            <translation>Укажите имя принтера</translation>
        </message>
        <message>
            <source>Completing the Add Printer Wizard</source>
            <extracomment>IDS_WZDADDPTR_CAP5</extracomment>
            <translation>Завершение работы мастера установки принтера</translation>
        </message>
        <message>
            <source>System information</source>
            <extracomment>IDS_WZDADDPTR_CAP_SYSTEM_INFO</extracomment>
            <translation>Сведения о системе</translation>
        </message>
        <message>
            <source>Processing data...</source>
            <extracomment>IDS_WZDADDPTR_DATA_PROCESS</extracomment>
            <translation>Обработка данных...</translation>
        </message>
        <message>
            <source>Default</source>
            <extracomment>IDS_WZDADDPTR_DEFAULT</extracomment>
            <translation>По умолчанию</translation>
        </message>
        <message>
            <source>Set as the default printer</source>
            <extracomment>IDS_WZDADDPTR_DEFAULT_PTR</extracomment>
            <translation>Использовать по умолчанию</translation>
        </message>
        <message>
            <source>Please enter a printer name.</source>
            <extracomment>IDS_WZDADDPTR_EMPTY_NAME</extracomment>
            <translation>Введите имя принтера.</translation>
        </message>
        <message>
            <source>Failed to list the printer ports.</source>
            <extracomment>IDS_WZDADDPTR_ENUMPORT_FAIL</extracomment>
            <translation>Не удалось получить список портов принтера.</translation>
        </message>
        <message>
            <source>Failed to list the printers.</source>
            <extracomment>IDS_WZDADDPTR_ENUMPTR_FAIL</extracomment>
            <translation>Не удалось получить список принтеров.</translation>
        </message>
        <message>
            <source>The printer has been added.</source>
            <extracomment>IDS_WZDADDPTR_FINISH</extracomment>
            <translation>Принтер добавлен.</translation>
        </message>
        <message>
            <source>Install from disk</source>
            <extracomment>IDS_WZDADDPTR_FROM_DISK</extracomment>
            <translation>Установка с диска</translation>
        </message>
        <message>
            <source>Have Disk...</source>
            <extracomment>IDS_WZDADDPTR_HAVE_DISK</extracomment>
            <translation>Установить с диска...</translation>
        </message>
        <message>
            <source>This wizard helps you add a printer connected to the server.</source>
            <extracomment>IDS_WZDADDPTR_HELP1</extracomment>
            <translation>Этот мастер поможет добавить принтер, подключенный к серверу.</translation>
        </message>
        <message>
            <source>Select the manufacturer and model of your printer.</source>
            <extracomment>IDS_WZDADDPTR_HINT1</extracomment>
            <translation>Выберите изготовителя и модель принтера.</translation>
        </message>
        <message>
            <source>Driver information file</source>
            <extracomment>IDS_WZDADDPTR_INF</extracomment>
            <translation>Файл сведений о драйвере</translation>
        </message>
        <message>
            <source>Failed to install the printer driver.</source>
            <extracomment>IDS_WZDADDPTR_INSTALL_FAIL</extracomment>
            <translation>Не удалось установить драйвер принтера.</translation>
        </message>
        <message>
            <source>The printer name contains invalid characters.</source>
            <extracomment>IDS_WZDADDPTR_INVALID_NAMEA</extracomment>
            <translation>Имя принтера содержит недопустимые символы.</translation>
        </message>
        <message>
            <source>The printer name is invalid.</source>
            <extracomment>IDS_WZDADDPTR_INVALID_NAMEW</extracomment>
            <translation>Недопустимое имя принтера.</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <extracomment>IDS_WZDADDPTR_MANUFACTURER</extracomment>
            <translation>Изготовитель</translation>
        </message>
        <message>
            <source>Printer model</source>
            <extracomment>IDS_WZDADDPTR_MODEL</extracomment>
            <translation>Модель принтера</translation>
        </message>
        <message>
            <source>Printer name:</source>
            <extracomment>IDS_WZDADDPTR_NAME</extracomment>
            <translation>Имя принтера:</translation>
        </message>
        <message>
            <source>A printer with this name already exists.</source>
            <extracomment>IDS_WZDADDPTR_NAME_CONFLICT</extracomment>
            <translation>Принтер с таким именем уже существует.</translation>
        </message>
        <message>
            <source>No printer was found.</source>
            <extracomment>IDS_WZDADDPTR_NO_PTR</extracomment>
            <translation>Принтеры не найдены.</translation>
        </message>
        <message>
            <source>The printer is offline.</source>
            <extracomment>IDS_WZDADDPTR_OFFLINE</extracomment>
            <translation>Принтер не в сети.</translation>
        </message>
        <message>
            <source>Failed to open the printer.</source>
            <extracomment>IDS_WZDADDPTR_OPENPTR_FAIL</extracomment>
            <translation>Не удалось открыть принтер.</translation>
        </message>
        <message>
            <source>Port</source>
            <extracomment>IDS_WZDADDPTR_PORT</extracomment>
            <translation>Порт</translation>
        </message>
        <message>
            <source>Printer name</source>
            <extracomment>IDS_WZDADDPTR_PRINTER_NAME</extracomment>
            <translation>Имя принтера</translation>
        </message>
        <message>
            <source>Selected printer:</source>
            <extracomment>IDS_WZDADDPTR_SELECTED_PTR</extracomment>
            <translation>Выбранный принтер:</translation>
        </message>
        <message>
            <source>Select the printer driver.</source>
            <extracomment>IDS_WZDADDPTR_SELECT_DRIVER</extracomment>
            <translation>Выберите драйвер принтера.</translation>
        </message>
        <message>
            <source>Select the printer to add.</source>
            <extracomment>IDS_WZDADDPTR_SELECT_PTR</extracomment>
            <translation>Выберите принтер для добавления.</translation>
        </message>
        <message>
            <source>Summary</source>
            <extracomment>IDS_WZDADDPTR_SUMMARY</extracomment>
            <translation>Сводка</translation>
        </message>
        <message>
            <source>Operating system: %1</source>
            <extracomment>IDS_WZDADDPTR_SYSTEM_INFO</extracomment>
            <translation>Операционная система: %1</translation>
        </message>
        <message>
            <source>An unexpected error occurred.</source>
            <extracomment>IDS_WZDADDPTR_UNEXPECTED</extracomment>
            <translation>Произошла непредвиденная ошибка.</translation>
        </message>
        <message>
            <source>Failed to find the USB printer.</source>
            <extracomment>IDS_WZDADDPTR_USB_FAIL</extracomment>
            <translation>Не удалось найти USB-принтер.</translation>
        </message>
        <message>
            <source>Please wait...</source>
            <extracomment>IDS_WZDADDPTR_WAIT</extracomment>
            <translation>Подождите...</translation>
        </message>
        <message>
            <source>The driver information file is invalid.</source>
            <extracomment>IDS_WZDADDPTR_WRONG_INF</extracomment>
            <translation>Недопустимый файл сведений о драйвере.</translation>
        </message>
        <message>
            <source>Unable to map the network drive.</source>
            <extracomment>IDS_WZDMAP_CANT_MAP</extracomment>
            <translation>Не удается подключить сетевой диск.</translation>
        </message>
        <message>
            <source>Unable to map %1 to drive %2.</source>
            <extracomment>IDS_WZDMAP_CANT_MAP_DETAIL</extracomment>
            <translation>Не удается подключить %1 как диск %2.</translation>
        </message>
        <message>
            <source>Drive letter conflict</source>
            <extracomment>IDS_WZDMAP_CONFLICT</extracomment>
            <translation>Конфликт букв дисков</translation>
        </message>
        <message>
            <source>Use the existing connection</source>
            <extracomment>IDS_WZDMAP_CONFLICT_DEFAULT</extracomment>
            <translation>Использовать существующее подключение</translation>
        </message>
        <message>
            <source>Keep the drive that is mapped now.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_DEFAULT2</extracomment>
            <translation>Сохранить текущее подключение диска.</translation>
        </message>
        <message>
            <source>The selected drive letter is already in use.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_INTRO</extracomment>
            <translation>Выбранная буква диска уже используется.</translation>
        </message>
        <message>
            <source>Use a new connection</source>
            <extracomment>IDS_WZDMAP_CONFLICT_NEW</extracomment>
            <translation>Использовать новое подключение</translation>
        </message>
        <message>
            <source>Disconnect the drive and map it again.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_NEW2</extracomment>
            <translation>Отключить диск и подключить его заново.</translation>
        </message>
        <message>
            <source>Log in again with another account</source>
            <extracomment>IDS_WZDMAP_CONFLICT_PASSWD</extracomment>
            <translation>Войти с другой учетной записью</translation>
        </message>
        <message>
            <source>Connecting to server...</source>
            <extracomment>IDS_WZDMAP_CONNECT</extracomment>
            <translation>Подключение к серверу...</translation>
        </message>
        <message>
            <source>Failed to connect to the server.</source>
            <extracomment>IDS_WZDMAP_CONNECT_FAIL</extracomment>
            <translation>Не удалось подключиться к серверу.</translation>
        </message>
        <message>
            <source>Drive:</source>
            <extracomment>IDS_WZDMAP_DRIVE</extracomment>
            <translation>Диск:</translation>
        </message>
        <message>
            <source>Please enter an account name.</source>
            <extracomment>IDS_WZDMAP_EMPTY_NAME</extracomment>
            <translation>Введите имя учетной записи.</translation>
        </message>
        <message>
            <source>The network drive could not be mapped.</source>
            <extracomment>IDS_WZDMAP_ERROR_INTRO</extracomment>
            <translation>Не удалось подключить сетевой диск.</translation>
        </message>
        <message>
            <source>The drive letter is in use.</source>
            <extracomment>IDS_WZDMAP_ERROR_IN_USE</extracomment>
            <translation>Буква диска уже используется.</translation>
        </message>
        <message>
            <source>Mapping failed.</source>
            <extracomment>IDS_WZDMAP_FAILED</extracomment>
            <translation>Не удалось подключить диск.</translation>
        </message>
        <message>
            <source>Shared folder:</source>
            <extracomment>IDS_WZDMAP_FOLDER</extracomment>
            <translation>Общая папка:</translation>
        </message>
        <message>
            <source>Enter account information</source>
            <extracomment>IDS_WZDMAP_INPUT_TITLE</extracomment>
            <translation>Введите данные учетной записи</translation>
        </message>
        <message>
            <source>You do not have the rights to access this shared folder.</source>
            <extracomment>IDS_WZDMAP_INSUFFICIENT_RIGHT</extracomment>
            <translation>У Вас нет прав доступа к этой общей папке.</translation>
        </message>
        <message>
            <source>Welcome to the Map Network Drive Wizard</source>
            <extracomment>IDS_WZDMAP_INTRO1</extracomment>
            <translation>Вас приветствует мастер подключения сетевого диска</translation>
        </message>
        <message>
            <source>This wizard maps a shared folder of the server to a drive of this computer.</source>
            <extracomment>IDS_WZDMAP_INTRO2</extracomment>
            <translation>Этот мастер подключает общую папку сервера как диск этого компьютера.</translation>
        </message>
        <message>
            <source>Select the shared folder to map.</source>
            <extracomment>IDS_WZDMAP_INTRO3</extracomment>
            <translation>Выберите общую папку для подключения.</translation>
        </message>
        <message>
            <source>Select a drive letter for the shared folder.</source>
            <extracomment>IDS_WZDMAP_INTRO4</extracomment>
            <translation>Выберите букву диска для общей папки.</translation>
        </message>
        <message>
            <source>Log in as guest</source>
            <extracomment>IDS_WZDMAP_LOGIN_BY_GUEST</extracomment>
            <translation>Войти как гость</translation>
        </message>
        <message>
            <source>Log in as the previous user</source>
            <extracomment>IDS_WZDMAP_LOGIN_PREV_USER</extracomment>
            <translation>Войти как предыдущий пользователь</translation>
        </message>
        <message>
            <source>Name:</source>
            <extracomment>IDS_WZDMAP_NAME</extracomment>
            <translation>Имя:</translation>
        </message>
        <message>
            <source>Network status</source>
            <extracomment>IDS_WZDMAP_NETWORK_STATUS</extracomment>
            <translation>Состояние сети</translation>
        </message>
        <message>
            <source>The network drive has been mapped.</source>
            <extracomment>IDS_WZDMAP_OK_INTRO</extracomment>
            <translation>Сетевой диск подключен.</translation>
        </message>
        <message>
            <source>Open the drive now</source>
            <extracomment>IDS_WZDMAP_OK_OPEN</extracomment>
            <translation>Открыть диск сейчас</translation>
        </message>
        <message>
            <source>Reconnect at logon</source>
            <extracomment>IDS_WZDMAP_RECONNECT</extracomment>
            <translation>Восстанавливать при входе</translation>
        </message>
        <message>
            <source>Map again</source>
            <extracomment>IDS_WZDMAP_REMAP</extracomment>
            <translation>Подключить снова</translation>
        </message>
        <message>
            <source>Please select a shared folder.</source>
            <extracomment>IDS_WZDMAP_SELECT_NONE</extracomment>
            <translation>Выберите общую папку.</translation>
        </message>
        <message>
            <source>The network drive has been mapped successfully.</source>
            <extracomment>IDS_WZDMAP_SUCCEED</extracomment>
            <translation>Сетевой диск успешно подключен.</translation>
        </message>
        <message>
            <source>Enter a name for this server profile.</source>
            <extracomment>IDS_WZDRSRC_PROFILE_SUBTITLE</extracomment>
            <translation>Введите имя для этого профиля сервера.</translation>
        </message>
        <message>
            <source>Conclusion</source>
            <extracomment>IDS_WZD_CONCLUSION</extracomment>
            <translation>Завершение</translation>
        </message>
        <message>
            <source>Configuration finished</source>
            <extracomment>IDS_WZD_CONF_FINISHED</extracomment>
            <translation>Настройка завершена</translation>
        </message>
        <message>
            <source>Create password</source>
            <extracomment>IDS_WZD_CREATE_PASSWD</extracomment>
            <translation>Создание пароля</translation>
        </message>
        <message>
            <source>Enter password</source>
            <extracomment>IDS_WZD_ENTER_PASSWD</extracomment>
            <translation>Ввод пароля</translation>
        </message>
        <message>
            <source>Launch the Add Printer Wizard</source>
            <extracomment>IDS_WZD_LAUNCH_ADDPTR</extracomment>
            <translation>Запустить мастер установки принтера</translation>
        </message>
        <message>
            <source>Welcome to the Memory Diagnostic Tool</source>
            <extracomment>IDS_WZD_MEM_TEST</extracomment>
            <translation>Вас приветствует средство диагностики памяти</translation>
        </message>
        <message>
            <source>Setup network</source>
            <extracomment>IDS_WZD_NETWORK</extracomment>
            <translation>Настройка сети</translation>
        </message>
        <message>
            <source>Network settings finished</source>
            <extracomment>IDS_WZD_NET_FINISHED</extracomment>
            <translation>Настройка сети завершена</translation>
        </message>
        <message>
            <source>Network settings report</source>
            <extracomment>IDS_WZD_NET_REPORT</extracomment>
            <translation>Отчет о сетевых параметрах</translation>
        </message>
        <message>
            <source>Configuration report</source>
            <extracomment>IDS_WZD_REPORT</extracomment>
            <translation>Отчет о настройке</translation>
        </message>
        <message>
            <source>Enter server information</source>
            <extracomment>IDS_WZD_SVR_INFO</extracomment>
            <translation>Сведения о сервере</translation>
        </message>
        <message>
            <source>The local file could not be read: %1</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_LOCAL_READ</extracomment>
            <translation>Не удалось прочитать локальный файл: %1</translation>
        </message>
    </context>
    <context>
        <name>CVorkNasinfoModel</name>
        <message>
            <source>Manual</source>
            <translation>Вручную</translation>
        </message>
        <message>
            <source>DHCP</source>
            <translation>DHCP</translation>
        </message>
        <message>
            <source>update %1</source>
            <translation>обновление %1</translation>
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
