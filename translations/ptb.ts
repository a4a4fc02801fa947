<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
    <context>
        <name>global</name>
        <message>
            <source> About %1</source>
            <extracomment>IDS_ABOUT_CAPTION</extracomment>
            <translation> Sobre o %1</translation>
        </message>
        <message>
            <source>Copyright © Quenlori. All rights reserved.</source>
            <extracomment>IDS_ABOUT_COPYRIGHT</extracomment>
            <translation>Copyright © Quenlori. Todos os direitos reservados.</translation>
        </message>
        <message>
            <source>Version</source>
            <extracomment>IDS_ABOUT_VERSION</extracomment>
            <translation>Versão</translation>
        </message>
        <message>
            <source>Please select a printer to add.</source>
            <extracomment>IDS_ADD_PRINTER_MSG1</extracomment>
            <translation>Selecione uma impressora para adicionar.</translation>
        </message>
        <message>
            <source>Adding the printer to your computer...</source>
            <extracomment>IDS_ADD_PRINTER_MSG2</extracomment>
            <translation>Adicionando a impressora ao computador...</translation>
        </message>
        <message>
            <source>The printer has been added to your computer.</source>
            <extracomment>IDS_ADD_PRINTER_MSG3</extracomment>
            <translation>A impressora foi adicionada ao computador.</translation>
        </message>
        <message>
            <source>Administrator's password</source>
            <extracomment>IDS_ADM_PASSWD</extracomment>
            <translation>Senha do administrador</translation>
        </message>
        <message>
            <source>Applying network settings...</source>
            <extracomment>IDS_APPLY_NET_SETTING</extracomment>
            <translation>Aplicando configurações de rede...</translation>
        </message>
        <message>
            <source>Applying system settings...</source>
            <extracomment>IDS_APPLY_SETTING</extracomment>
            <translation>Aplicando configurações do sistema...</translation>
        </message>
        <message>
            <source>Quenlori Vornakeeper</source>
            <extracomment>IDS_VORNAKEEPER_NAME</extracomment>
            <translation>Quenlori Vornakeeper</translation>
        </message>
        <message>
            <source>About</source>
            <extracomment>IDS_BTN_ABOUT, IDS_TOOL_TIPS_ABOUT</extracomment>
            <translation>Sobre</translation>
        </message>
        <message>
            <source>Add Printer</source>
            <extracomment>IDS_BTN_ADDPTR</extracomment>
            <translation>Adicionar impressora</translation>
        </message>
        <message>
            <source>I Agree</source>
            <extracomment>IDS_BTN_AGREE</extracomment>
            <translation>Concordo</translation>
        </message>
        <message>
            <source>Apply</source>
            <extracomment>IDS_BTN_APPLY</extracomment>
            <translation>Aplicar</translation>
        </message>
        <message>
            <source>Back</source>
            <extracomment>IDS_BTN_BACK</extracomment>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <extracomment>IDS_BTN_CANCEL</extracomment>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Close</source>
            <extracomment>IDS_BTN_CLOSE</extracomment>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>Exit</source>
            <extracomment>IDS_BTN_EXIT</extracomment>
            <translation>Sair</translation>
        </message>
        <message>
            <source>Finish</source>
            <extracomment>IDS_BTN_FINISH</extracomment>
            <translation>Concluir</translation>
        </message>
        <message>
            <source>Hide</source>
            <extracomment>IDS_BTN_HIDE</extracomment>
            <translation>Ocultar</translation>
        </message>
        <message>
            <source>Install</source>
            <extracomment>IDS_BTN_INSTALL</extracomment>
            <translation>Instalar</translation>
        </message>
        <message>
            <source>Connect</source>
            <extracomment>IDS_BTN_MANAGE</extracomment>
            <translation>Conectar</translation>
        </message>
        <message>
            <source>Map Network Drive</source>
            <extracomment>IDS_BTN_MAP, IDS_WZDMAP_MAP_NETWORK_DRIVE</extracomment>
            <translation>Mapear unidade de rede</translation>
        </message>
        <message>
            <source>Memory Test</source>
            <extracomment>IDS_BTN_MEM_TEST</extracomment>
            <translation>Teste de memória</translation>
        </message>
        <message>
            <source>Resource Monitor</source>
            <extracomment>IDS_BTN_MONITOR, IDS_MENU_RESOURCE, IDS_PREFER_LAU_SAVE_RSRC_WIN</extracomment>
            <translation>Monitor de recursos</translation>
        </message>
        <message>
            <source>Next</source>
            <extracomment>IDS_BTN_NEXT</extracomment>
            <translation>Avançar</translation>
        </message>
        <message>
            <source>No</source>
            <extracomment>IDS_BTN_NO</extracomment>
            <translation>Não</translation>
        </message>
        <message>
            <source>I Do Not Agree</source>
            <extracomment>IDS_BTN_NO_AGREE</extracomment>
            <translation>Não concordo</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>IDS_BTN_OK</extracomment>
            <translation>OK</translation>
        </message>
        <message>
            <source>Photo Uploader</source>
            <extracomment>IDS_BTN_PHOTO_UPLOADER, IDS_PHOTO_CAPTION</extracomment>
            <translation>Envio de fotos</translation>
        </message>
        <message>
            <source>Recover System</source>
            <extracomment>IDS_BTN_RECOVERSYS</extracomment>
            <translation>Recuperar sistema</translation>
        </message>
        <message>
            <source>Add</source>
            <extracomment>IDS_BTN_RSRC_ADD</extracomment>
            <translation>Adicionar</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <extracomment>IDS_BTN_RSRC_DISCONNECT</extracomment>
            <translation>Desconectar</translation>
        </message>
        <message>
            <source>Edit</source>
            <extracomment>IDS_BTN_RSRC_EDIT</extracomment>
            <translation>Editar</translation>
        </message>
        <message>
            <source>Remove</source>
            <extracomment>IDS_BTN_RSRC_REMOVE, IDS_PHOTO_BTN_REMOVE_FILE</extracomment>
            <translation>Remover</translation>
        </message>
        <message>
            <source>Search</source>
            <extracomment>IDS_BTN_SEARCH</extracomment>
            <translation>Pesquisar</translation>
        </message>
        <message>
            <source>Setup</source>
            <extracomment>IDS_BTN_SETUP</extracomment>
            <translation>Configurar</translation>
        </message>
        <message>
            <source>Yes</source>
            <extracomment>IDS_BTN_YES</extracomment>
            <translation>Sim</translation>
        </message>
        <message>
            <source>Welcome</source>
            <extracomment>IDS_CAP_WELCOME</extracomment>
            <translation>Boas-vindas</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Add Printer Wizard?</source>
            <extracomment>IDS_CFRM_ADDPTR_EXIT</extracomment>
            <translation>Tem certeza de que deseja sair do Assistente para adicionar impressora?</translation>
        </message>
        <message>
            <source>Are you sure you want to continue?</source>
            <extracomment>IDS_CFRM_CONTINUE</extracomment>
            <translation>Tem certeza de que deseja continuar?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Setup Wizard?</source>
            <extracomment>IDS_CFRM_EXIT</extracomment>
            <translation>Tem certeza de que deseja sair do Assistente de configuração?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Map Network Drive Wizard?</source>
            <extracomment>IDS_CFRM_MAP_EXIT</extracomment>
            <translation>Tem certeza de que deseja sair do Assistente para mapear unidade de rede?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit the Network Wizard?</source>
            <extracomment>IDS_CFRM_NET_EXIT</extracomment>
            <translation>Tem certeza de que deseja sair do Assistente de rede?</translation>
        </message>
        <message>
            <source>No default gateway has been entered. Are you sure you want to continue?</source>
            <extracomment>IDS_CFRM_NO_GATEWAY</extracomment>
            <translation>Nenhum gateway padrão foi digitado. Tem certeza de que deseja continuar?</translation>
        </message>
        <message>
            <source>Checking if the specified IP address is in use</source>
            <extracomment>IDS_CHECK_IP_CONFLICT</extracomment>
            <translation>Verificando se o endereço IP especificado está em uso</translation>
        </message>
        <message>
            <source>:</source>
            <extracomment>IDS_COMMON_COLON</extracomment>
            <translation>:</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel?</source>
            <extracomment>IDS_CONFIRM_CANCEL</extracomment>
            <translation>Tem certeza de que deseja cancelar?</translation>
        </message>
        <message>
            <source>Are you sure you want to exit?</source>
            <extracomment>IDS_CONFIRM_EXIT</extracomment>
            <translation>Tem certeza de que deseja sair?</translation>
        </message>
        <message>
            <source>Are you sure you want to unblock the program in the firewall?</source>
            <extracomment>IDS_CONFIRM_UNBLOCK</extracomment>
            <translation>Tem certeza de que deseja desbloquear o programa no firewall?</translation>
        </message>
        <message>
            <source>Create volume</source>
            <extracomment>IDS_CREATE_VOLUME</extracomment>
            <translation>Criar volume</translation>
        </message>
        <message>
            <source>Please enter a server name.</source>
            <extracomment>IDS_EMPTY_SERV_NAME</extracomment>
            <translation>Digite um nome de servidor.</translation>
        </message>
        <message>
            <source>Error</source>
            <extracomment>IDS_ERROR</extracomment>
            <translation>Erro</translation>
        </message>
        <message>
            <source>Failed to unblock the program in the firewall.</source>
            <extracomment>IDS_ERROR_UNBLOCK</extracomment>
            <translation>Falha ao desbloquear o programa no firewall.</translation>
        </message>
        <message>
            <source>The selected code page is invalid.</source>
            <extracomment>IDS_ERROR_WRONG_CODEPAGE</extracomment>
            <translation>A página de código selecionada é inválida.</translation>
        </message>
        <message>
            <source>Access denied.</source>
            <extracomment>IDS_ERR_ACCESS_DENY</extracomment>
            <translation>Acesso negado.</translation>
        </message>
        <message>
            <source>Please enter an administrator account</source>
            <extracomment>IDS_ERR_ADMINACCOUNT_EMPTY</extracomment>
            <translation>Digite uma conta de administrador</translation>
        </message>
        <message>
            <source>%1 is not a valid Imagrove user account.</source>
            <extracomment>IDS_ERR_AUTH_NOT_PHOTO_USER</extracomment>
            <translation>%1 não é uma conta de usuário válida do Imagrove.</translation>
        </message>
        <message>
            <source>Requested Personal Imagrove is disabled. Please log in to VNO to enable the Personal Imagrove.</source>
            <extracomment>IDS_ERR_AUTH_PERSONAL_PHOTO_NOT_RUN</extracomment>
            <translation>O Imagrove pessoal solicitado está desabilitado. Faça login no VNO para habilitar o Imagrove pessoal.</translation>
        </message>
        <message>
            <source>Imagrove is disabled. Please log in to VNO as admin (or a user belonging to the administrators group) to enable Imagrove.</source>
            <extracomment>IDS_ERR_AUTH_PHOTO_NOT_RUN</extracomment>
            <translation>O Imagrove está desabilitado. Faça login no VNO como admin (ou como um usuário do grupo de administradores) para habilitar o Imagrove.</translation>
        </message>
        <message>
            <source>The account or password is invalid. Please try again.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_AUTHFAILED</extracomment>
            <translation>A conta ou a senha é inválida. Tente novamente.</translation>
        </message>
        <message>
            <source>The user account has been disabled.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_DISABLED</extracomment>
            <translation>A conta de usuário foi desabilitada.</translation>
        </message>
        <message>
            <source>The user account does not exist.</source>
            <extracomment>IDS_ERR_AUTH_USERNAME_UNEXIST</extracomment>
            <translation>A conta de usuário não existe.</translation>
        </message>
        <message>
            <source>The port number must be between 1 and 65535.</source>
            <extracomment>IDS_ERR_BADPORT</extracomment>
            <translation>O número da porta deve estar entre 1 e 65535.</translation>
        </message>
        <message>
            <source>Connection error. (Error Code: %1)</source>
            <extracomment>IDS_ERR_CONNECTION_FAIL</extracomment>
            <translation>Erro de conexão. (Código de erro: %1)</translation>
        </message>
        <message>
            <source>The IP address and the default gateway belong to two different subnets.</source>
            <extracomment>IDS_ERR_DIFF_SUBNET</extracomment>
            <translation>O endereço IP e o gateway padrão pertencem a sub-redes diferentes.</translation>
        </message>
        <message>
            <source>This function is not supported by the connected device.</source>
            <extracomment>IDS_ERR_VR_NOT_SUPP</extracomment>
            <translation>Esta função não é compatível com o dispositivo conectado.</translation>
        </message>
        <message>
            <source>Please enter a valid hostname or IP address.</source>
            <extracomment>IDS_ERR_HOST_ADDR1</extracomment>
            <translation>Digite um nome de host ou endereço IP válido.</translation>
        </message>
        <message>
            <source>Invalid IP address.</source>
            <extracomment>IDS_ERR_INVALID_IP</extracomment>
            <translation>Endereço IP inválido.</translation>
        </message>
        <message>
            <source>The IP address and the subnet mask do not match.</source>
            <extracomment>IDS_ERR_INVALID_IP_MASK</extracomment>
            <translation>O endereço IP e a máscara de sub-rede não correspondem.</translation>
        </message>
        <message>
            <source>The specified IP address is in use.</source>
            <extracomment>IDS_ERR_IP_INUSE</extracomment>
            <translation>O endereço IP especificado está em uso.</translation>
        </message>
        <message>
            <source>Failed to launch the web browser to connect to VNO. Please check the settings of your default web browser and try again.</source>
            <extracomment>IDS_ERR_LAUNCH_BROWSER</extracomment>
            <translation>Falha ao abrir o navegador da Web para conectar ao VNO. Verifique as configurações do navegador padrão e tente novamente.</translation>
        </message>
        <message>
            <source>You are not authorized to use this service.</source>
            <extracomment>IDS_ERR_LOGIN_AUTO_BLOCKED</extracomment>
            <translation>Você não tem autorização para usar este serviço.</translation>
        </message>
        <message>
            <source>Failed to map the network drive: the account or password is invalid.</source>
            <extracomment>IDS_ERR_MAPDRIVE_AUTHFAILED</extracomment>
            <translation>Falha ao mapear a unidade de rede: a conta ou a senha é inválida.</translation>
        </message>
        <message>
            <source>Failed to map the network drive.</source>
            <extracomment>IDS_ERR_MAP_DRIVE</extracomment>
            <translation>Falha ao mapear a unidade de rede.</translation>
        </message>
        <message>
            <source>One or more errors have been found by the memory diagnostic test.</source>
            <extracomment>IDS_ERR_MEM_TEST</extracomment>
            <translation>O teste de diagnóstico de memória encontrou um ou mais erros.</translation>
        </message>
        <message>
            <source>Failed to mount the volume.</source>
            <extracomment>IDS_ERR_MOUNT_VOLUME</extracomment>
            <translation>Falha ao montar o volume.</translation>
        </message>
        <message>
            <source>An error occurred during installation. The telnet service of Varnestor is turned on for error determination. Please configure your router to forward port 23 to Varnestor and contact Quenlori online support.</source>
            <extracomment>IDS_ERR_NETINSTALL_CONTACT</extracomment>
            <translation>Ocorreu um erro durante a instalação. O serviço Telnet do Varnestor foi habilitado para o diagnóstico do erro. Configure o roteador para encaminhar a porta 23 para o Varnestor e entre em contato com o suporte on-line da Quenlori.</translation>
        </message>
        <message>
            <source>If you are performing the installation through wireless network connection, please switch to Ethernet cable connection for both your Varnestor and PC client and try again.</source>
            <extracomment>IDS_ERR_NETINSTALL_RETRY</extracomment>
            <translation>Se você estiver fazendo a instalação por uma conexão de rede sem fio, conecte o Varnestor e o computador cliente por cabo Ethernet e tente novamente.</translation>
        </message>
        <message>
            <source>Network error.</source>
            <extracomment>IDS_ERR_NETWORK</extracomment>
            <translation>Erro de rede.</translation>
        </message>
        <message>
            <source>No network adapter was found on this computer.</source>
            <extracomment>IDS_ERR_NONETCARD</extracomment>
            <translation>Nenhum adaptador de rede foi encontrado neste computador.</translation>
        </message>
        <message>
            <source>No such user.</source>
            <extracomment>IDS_ERR_NOSUCH_USER</extracomment>
            <translation>Usuário inexistente.</translation>
        </message>
        <message>
            <source>The DHCP server is not found.</source>
            <extracomment>IDS_ERR_NO_DHCP</extracomment>
            <translation>O servidor DHCP não foi encontrado.</translation>
        </message>
        <message>
            <source>Failed to confirm password. Please enter it again.</source>
            <extracomment>IDS_ERR_PASSWORD</extracomment>
            <translation>Falha ao confirmar a senha. Digite-a novamente.</translation>
        </message>
        <message>
            <source>Please enter the name of a Personal Imagrove</source>
            <extracomment>IDS_ERR_PERSONAL_NAME_EMPTY</extracomment>
            <translation>Digite o nome de um Imagrove pessoal</translation>
        </message>
        <message>
            <source>Imagrove is not installed. Please install the package at Bundlory to upload photos.</source>
            <extracomment>IDS_ERR_PHOTO_NOT_INSTALL</extracomment>
            <translation>O Imagrove não está instalado. Instale o pacote pelo Bundlory para enviar fotos.</translation>
        </message>
        <message>
            <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
            <extracomment>IDS_ERR_PHOTO_ROOT_PATH_NOT_FOUND</extracomment>
            <translation>A pasta compartilhada de fotos não foi encontrada. Verifique se ela existe antes de enviar.</translation>
        </message>
        <message>
            <source>The port number is already in use.</source>
            <extracomment>IDS_ERR_PORT_USED</extracomment>
            <translation>O número da porta já está em uso.</translation>
        </message>
        <message>
            <source>Server name [%1] already exists.</source>
            <extracomment>IDS_ERR_PROFILE_NAME_EXISTED</extracomment>
            <translation>O nome de servidor [%1] já existe.</translation>
        </message>
        <message>
            <source>The server with the IP [%1] and connecting through port [%2] has already been added.</source>
            <extracomment>IDS_ERR_RSRC_IP_PORT_EXISTED</extracomment>
            <translation>O servidor com o IP [%1], conectado pela porta [%2], já foi adicionado.</translation>
        </message>
        <message>
            <source>Nothing is selected.</source>
            <extracomment>IDS_ERR_SELECT_NONE</extracomment>
            <translation>Nada selecionado.</translation>
        </message>
        <message>
            <source>No %1 was found on the local network.</source>
            <extracomment>IDS_ERR_SERV_NOT_FOUND</extracomment>
            <translation>Nenhum %1 foi encontrado na rede local.</translation>
        </message>
        <message>
            <source>Errors occurred while configuring %1.</source>
            <extracomment>IDS_ERR_SET_SERV</extracomment>
            <translation>Ocorreram erros ao configurar o %1.</translation>
        </message>
        <message>
            <source>Processing...</source>
            <extracomment>IDS_ERR_SYS_BUSY</extracomment>
            <translation>Processando...</translation>
        </message>
        <message>
            <source>The user account has expired.</source>
            <extracomment>IDS_ERR_USER_EXPIRED</extracomment>
            <translation>A conta de usuário expirou.</translation>
        </message>
        <message>
            <source>Invalid DNS server.</source>
            <extracomment>IDS_ERR_WRONG_DNS</extracomment>
            <translation>Servidor DNS inválido.</translation>
        </message>
        <message>
            <source>Invalid default gateway.</source>
            <extracomment>IDS_ERR_WRONG_GATEWAY</extracomment>
            <translation>Gateway padrão inválido.</translation>
        </message>
        <message>
            <source>The default gateway does not match the subnet mask.</source>
            <extracomment>IDS_ERR_WRONG_GATEWAY_MASK</extracomment>
            <translation>O gateway padrão não corresponde à máscara de sub-rede.</translation>
        </message>
        <message>
            <source>Invalid subnet mask.</source>
            <extracomment>IDS_ERR_WRONG_NETMASK</extracomment>
            <translation>Máscara de sub-rede inválida.</translation>
        </message>
        <message>
            <source>Searching for an available IP address</source>
            <extracomment>IDS_FIND_IP</extracomment>
            <translation>Pesquisando um endereço IP disponível</translation>
        </message>
        <message>
            <source>Total %1 Quenlori server(s) found.</source>
            <extracomment>IDS_FOUND_SERVER</extracomment>
            <translation>Servidores Quenlori encontrados: %1.</translation>
        </message>
        <message>
            <source>Connection timeout.</source>
            <extracomment>IDS_FSCK_CANCEL_TIMEOUT</extracomment>
            <translation>Tempo limite de conexão esgotado.</translation>
        </message>
        <message>
            <source>Are you sure you want to skip the file system check?</source>
            <extracomment>IDS_FSCK_CFRM_STOP_DESC</extracomment>
            <translation>Tem certeza de que deseja ignorar a verificação do sistema de arquivos?</translation>
        </message>
        <message>
            <source>File System Check</source>
            <extracomment>IDS_FSCK_DLG_TITLE</extracomment>
            <translation>Verificação do sistema de arquivos</translation>
        </message>
        <message>
            <source>Cancelling file system check...</source>
            <extracomment>IDS_FSCK_LBL_CANCELING</extracomment>
            <translation>Cancelando a verificação do sistema de arquivos...</translation>
        </message>
        <message>
            <source>Failed to skip the file system check.</source>
            <extracomment>IDS_FSCK_MSG_CANCEL_ERR</extracomment>
            <translation>Falha ao ignorar a verificação do sistema de arquivos.</translation>
        </message>
        <message>
            <source>By installing, you agree to the [a href=&quot;https://www.quenlori.com/terms&quot;&gt;Quenlori Terms and Conditions[/a&gt;.</source>
            <extracomment>IDS_HELP_EULA</extracomment>
            <translation>Ao instalar, você concorda com os [a href=&quot;https://www.quenlori.com/terms&quot;&gt;Termos e Condições da Quenlori[/a&gt;.</translation>
        </message>
        <message>
            <source>Only the administrator can run memory diagnostic tool. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_MEM_TEST_PASSWD</extracomment>
            <translation>Somente o administrador pode executar a ferramenta de diagnóstico de memória. Digite a senha do administrador.</translation>
        </message>
        <message>
            <source>Only the administrator account can change the network settings. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_NETWIZ_PASSWD</extracomment>
            <translation>Somente a conta de administrador pode alterar as configurações de rede. Digite a senha do administrador.</translation>
        </message>
        <message>
            <source>Suggested settings are provided for %1 based on your current network settings. Follow the suggestions if you do not wish to enter your network settings manually.</source>
            <extracomment>IDS_HELP_NETWORK</extracomment>
            <translation>Com base nas configurações de rede atuais, são sugeridas configurações para o %1. Siga as sugestões se não quiser digitar as configurações de rede manualmente.</translation>
        </message>
        <message>
            <source>The password protects the administrator account of the server.</source>
            <extracomment>IDS_HELP_PASSWD1</extracomment>
            <translation>A senha protege a conta de administrador do servidor.</translation>
        </message>
        <message>
            <source>Maximum password length is %1 characters. It can be any displayable character, including letters, numbers, signs, space...etc.</source>
            <extracomment>IDS_HELP_PASSWD2</extracomment>
            <translation>A senha pode ter no máximo %1 caracteres. Ela pode conter qualquer caractere visível, incluindo letras, números, símbolos, espaços etc.</translation>
        </message>
        <message>
            <source>Changes to these settings take effect after a restart.</source>
            <extracomment>IDS_HELP_PREFERENCE_RESTART</extracomment>
            <translation>As alterações nestas configurações entram em vigor após a reinicialização.</translation>
        </message>
        <message>
            <source>Enter the hostname or IP address and the port number of the server to be monitored.</source>
            <extracomment>IDS_HELP_RSRC_IP</extracomment>
            <translation>Digite o nome do host ou o endereço IP e o número da porta do servidor a ser monitorado.</translation>
        </message>
        <message>
            <source>Only the administrator can access resource monitor. Please enter the administrator's password.</source>
            <extracomment>IDS_HELP_RSRC_PASSWD</extracomment>
            <translation>Somente o administrador pode acessar o monitor de recursos. Digite a senha do administrador.</translation>
        </message>
        <message>
            <source>The profile name identifies the server in the resource monitor.</source>
            <extracomment>IDS_HELP_RSRC_PROFILE</extracomment>
            <translation>O nome do perfil identifica o servidor no monitor de recursos.</translation>
        </message>
        <message>
            <source>Please review the settings that will be applied to the system. You can go back and modify the settings if needed.</source>
            <extracomment>IDS_HELP_SUMMARY</extracomment>
            <translation>Revise as configurações que serão aplicadas ao sistema. Se necessário, você pode voltar e alterá-las.</translation>
        </message>
        <message>
            <source>Server name may contain letters, numbers, underscores and minus signs. The first character must be a letter.</source>
            <extracomment>IDS_HELP_SVRNAME1</extracomment>
            <translation>O nome do servidor pode conter letras, números, sublinhados e hifens. O primeiro caractere deve ser uma letra.</translation>
        </message>
        <message>
            <source>Server name can be 1 to 15 characters long.</source>
            <extracomment>IDS_HELP_SVRNAME2</extracomment>
            <translation>O nome do servidor pode ter de 1 a 15 caracteres.</translation>
        </message>
        <message>
            <source>Incorrect password.</source>
            <extracomment>IDS_INCORRECT_PASSWD</extracomment>
            <translation>Senha incorreta.</translation>
        </message>
        <message>
            <source>Information</source>
            <extracomment>IDS_INFORMATION</extracomment>
            <translation>Informação</translation>
        </message>
        <message>
            <source>System has been installed successfully.</source>
            <extracomment>IDS_INSTALL_FINISHED</extracomment>
            <translation>O sistema foi instalado com êxito.</translation>
        </message>
        <message>
            <source>Setup is complete. You can now log in your server via Quenlori Vornakeeper.</source>
            <extracomment>IDS_INSTALL_FINISHED_INFO</extracomment>
            <translation>A configuração foi concluída. Agora você pode fazer login no servidor pelo Quenlori Vornakeeper.</translation>
        </message>
        <message>
            <source>Log in to %1</source>
            <extracomment>IDS_INSTALL_FINISHED_LOGIN</extracomment>
            <translation>Fazer login em %1</translation>
        </message>
        <message>
            <source>To install an unconfigured server, double click the server in the Management page.</source>
            <extracomment>IDS_INSTALL_PAGE_EMPTY</extracomment>
            <translation>Para instalar um servidor não configurado, clique duas vezes nele na página “Gerenciamento”.</translation>
        </message>
        <message>
            <source>You have entered an invalid server name</source>
            <extracomment>IDS_INVALID_HOSTNAME</extracomment>
            <translation>Você digitou um nome de servidor inválido</translation>
        </message>
        <message>
            <source>Server name contains invalid characters.</source>
            <extracomment>IDS_INVALID_SERV_NAME</extracomment>
            <translation>O nome do servidor contém caracteres inválidos.</translation>
        </message>
        <message>
            <source>Failed to apply the network setting. Please try another one.</source>
            <extracomment>IDS_IP_FAILED</extracomment>
            <translation>Falha ao aplicar a configuração de rede. Tente outra.</translation>
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
            <translation>Padrão do sistema</translation>
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
            <translation>Administrador</translation>
        </message>
        <message>
            <source>Administrator's account:</source>
            <extracomment>IDS_LBL_ADMIN_TITLE</extracomment>
            <translation>Conta do administrador:</translation>
        </message>
        <message>
            <source>Enable Advanced Services</source>
            <extracomment>IDS_LBL_ADV_FUNCTIONS</extracomment>
            <translation>Habilitar serviços avançados</translation>
        </message>
        <message>
            <source>Checking IP address: %1</source>
            <extracomment>IDS_LBL_CHECK_IP</extracomment>
            <translation>Verificando o endereço IP: %1</translation>
        </message>
        <message>
            <source>Authenticating ...</source>
            <extracomment>IDS_LBL_CHK_AUTH</extracomment>
            <translation>Autenticando...</translation>
        </message>
        <message>
            <source>Connect immediately</source>
            <extracomment>IDS_LBL_CONNECT_IMMEDIATELY</extracomment>
            <translation>Conectar imediatamente</translation>
        </message>
        <message>
            <source>Create a password for the administrator account.</source>
            <extracomment>IDS_LBL_CREATE_PASSWD</extracomment>
            <translation>Crie uma senha para a conta de administrador.</translation>
        </message>
        <message>
            <source>Create a Quenlori Hybrid RAID (QBV) volume after installation</source>
            <extracomment>IDS_LBL_CREATE_QBV</extracomment>
            <translation>Criar um volume Quenlori Hybrid RAID (QBV) após a instalação</translation>
        </message>
        <message>
            <source>Date</source>
            <extracomment>IDS_LBL_DATE</extracomment>
            <translation>Data</translation>
        </message>
        <message>
            <source>DNS server</source>
            <extracomment>IDS_LBL_DNS</extracomment>
            <translation>Servidor DNS</translation>
        </message>
        <message>
            <source>Drive letter</source>
            <extracomment>IDS_LBL_DRIVE_ID</extracomment>
            <translation>Letra da unidade</translation>
        </message>
        <message>
            <source>Varnestor Manager URL</source>
            <extracomment>IDS_LBL_VNO_URL</extracomment>
            <translation>URL do Varnestor Manager</translation>
        </message>
        <message>
            <source>Please enter the hostname or IP address of the server.</source>
            <extracomment>IDS_LBL_ENTER_HOST</extracomment>
            <translation>Digite o nome do host ou o endereço IP do servidor.</translation>
        </message>
        <message>
            <source>Please enter the administrator's password.</source>
            <extracomment>IDS_LBL_ENTER_PASSWD</extracomment>
            <translation>Digite a senha do administrador.</translation>
        </message>
        <message>
            <source>Quenlori Terms and Conditions</source>
            <extracomment>IDS_LBL_EULA_CAPTION</extracomment>
            <translation>Termos e Condições da Quenlori</translation>
        </message>
        <message>
            <source>Please review the Quenlori Terms and Conditions. If you agree the terms, click %1 to continue. Otherwise, click %2 to exit.</source>
            <extracomment>IDS_LBL_EULA_DESC</extracomment>
            <translation>Revise os Termos e Condições da Quenlori. Se concordar com os termos, clique em %1 para continuar. Caso contrário, clique em %2 para sair.</translation>
        </message>
        <message>
            <source>Default gateway</source>
            <extracomment>IDS_LBL_GATEWAY</extracomment>
            <translation>Gateway padrão</translation>
        </message>
        <message>
            <source>Guest</source>
            <extracomment>IDS_LBL_GUEST</extracomment>
            <translation>Convidado</translation>
        </message>
        <message>
            <source>Hint:</source>
            <extracomment>IDS_LBL_HINT</extracomment>
            <translation>Dica:</translation>
        </message>
        <message>
            <source>Hostname/IP address</source>
            <extracomment>IDS_LBL_HOSTADDR</extracomment>
            <translation>Nome do host/endereço IP</translation>
        </message>
        <message>
            <source>Please enter the hostname or IP address.</source>
            <extracomment>IDS_LBL_HOSTADDR_DESC</extracomment>
            <translation>Digite o nome do host ou o endereço IP.</translation>
        </message>
        <message>
            <source>IP address</source>
            <extracomment>IDS_LBL_IP</extracomment>
            <translation>Endereço IP</translation>
        </message>
        <message>
            <source>Memory Test of [%1] has been started.</source>
            <extracomment>IDS_LBL_MEM_TEST_STARTED</extracomment>
            <translation>O teste de memória de [%1] foi iniciado.</translation>
        </message>
        <message>
            <source>Please select the directory containing all installation files.</source>
            <extracomment>IDS_LBL_MULTI_INSTALL_PATCH_DIR</extracomment>
            <translation>Selecione a pasta que contém todos os arquivos de instalação.</translation>
        </message>
        <message>
            <source>You are about to install multiple servers. Setup Wizard will help you install VNO and complete the basic configurations. Please put the installation files for all servers into one directory.</source>
            <extracomment>IDS_LBL_MULTI_INSTALL_PATCH_DIR_DESC</extracomment>
            <translation>Você está prestes a instalar vários servidores. O Assistente de configuração ajudará você a instalar o VNO e a concluir as configurações básicas. Coloque os arquivos de instalação de todos os servidores em uma única pasta.</translation>
        </message>
        <message>
            <source>Subnet mask</source>
            <extracomment>IDS_LBL_NETMASK</extracomment>
            <translation>Máscara de sub-rede</translation>
        </message>
        <message>
            <source>Enter the network settings.</source>
            <extracomment>IDS_LBL_NET_DESC1</extracomment>
            <translation>Digite as configurações de rede.</translation>
        </message>
        <message>
            <source>Confirm new password:</source>
            <extracomment>IDS_LBL_PASSWD_CONFIRM</extracomment>
            <translation>Confirmar nova senha:</translation>
        </message>
        <message>
            <source>New password:</source>
            <extracomment>IDS_LBL_PASSWD_CREATE</extracomment>
            <translation>Nova senha:</translation>
        </message>
        <message>
            <source>Password:</source>
            <extracomment>IDS_LBL_PASSWD_TITLE, IDS_WZDMAP_PASSWD</extracomment>
            <translation>Senha:</translation>
        </message>
        <message>
            <source>Please select a server for photo uploads</source>
            <extracomment>IDS_LBL_PHOTO_UPLOAD_INPUT_SVR</extracomment>
            <translation>Selecione um servidor para o envio de fotos</translation>
        </message>
        <message>
            <source>Port number</source>
            <extracomment>IDS_LBL_PORT</extracomment>
            <translation>Número da porta</translation>
        </message>
        <message>
            <source>Printer</source>
            <extracomment>IDS_LBL_PRINTER, IDS_MFP_TABLE_PRINTER, IDS_WZDADDPTR_PRINTER</extracomment>
            <translation>Impressora</translation>
        </message>
        <message>
            <source>Name</source>
            <extracomment>IDS_LBL_PROFILE</extracomment>
            <translation>Nome</translation>
        </message>
        <message>
            <source>Protocol</source>
            <extracomment>IDS_LBL_PROTOCOL</extracomment>
            <translation>Protocolo</translation>
        </message>
        <message>
            <source>Bond</source>
            <extracomment>IDS_LBL_RSRC_BOND</extracomment>
            <translation>Agregação</translation>
        </message>
        <message>
            <source>CPU Usage</source>
            <extracomment>IDS_LBL_RSRC_CPU_USAGE</extracomment>
            <translation>Uso da CPU</translation>
        </message>
        <message>
            <source>Select from the list below</source>
            <extracomment>IDS_LBL_RSRC_INPUT_AUTO</extracomment>
            <translation>Selecionar na lista abaixo</translation>
        </message>
        <message>
            <source>Manual setup</source>
            <extracomment>IDS_LBL_RSRC_INPUT_MANU</extracomment>
            <translation>Configuração manual</translation>
        </message>
        <message>
            <source>Please select the server to be monitored</source>
            <extracomment>IDS_LBL_RSRC_INPUT_SVR</extracomment>
            <translation>Selecione o servidor a ser monitorado</translation>
        </message>
        <message>
            <source>LAN</source>
            <extracomment>IDS_LBL_RSRC_LAN, IDS_WAKEUP_ADD_TYPE_LAN</extracomment>
            <translation>LAN</translation>
        </message>
        <message>
            <source>Memory Usage</source>
            <extracomment>IDS_LBL_RSRC_MEM_USAGE</extracomment>
            <translation>Uso da memória</translation>
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
            <translation>Disponível</translation>
        </message>
        <message>
            <source>Used size</source>
            <extracomment>IDS_LBL_RSRC_VOL_USED</extracomment>
            <translation>Espaço usado</translation>
        </message>
        <message>
            <source>Wireless</source>
            <extracomment>IDS_LBL_RSRC_WIRELESS</extracomment>
            <translation>Sem fio</translation>
        </message>
        <message>
            <source>(minutes)</source>
            <extracomment>IDS_LBL_RSRC_X_UNIT</extracomment>
            <translation>(minutos)</translation>
        </message>
        <message>
            <source>Remember password</source>
            <extracomment>IDS_LBL_SAVE_PASSWD</extracomment>
            <translation>Lembrar senha</translation>
        </message>
        <message>
            <source>Settings</source>
            <extracomment>IDS_LBL_SETTING</extracomment>
            <translation>Configurações</translation>
        </message>
        <message>
            <source>(recommended)</source>
            <extracomment>IDS_LBL_SUGGESTED</extracomment>
            <translation>(recomendado)</translation>
        </message>
        <message>
            <source>Time</source>
            <extracomment>IDS_LBL_TIME</extracomment>
            <translation>Hora</translation>
        </message>
        <message>
            <source>Time zone</source>
            <extracomment>IDS_LBL_TIMEZONE, IDS_LST_TIMEZONE</extracomment>
            <translation>Fuso horário</translation>
        </message>
        <message>
            <source>Volume name</source>
            <extracomment>IDS_LBL_VOLUME_NAME</extracomment>
            <translation>Nome do volume</translation>
        </message>
        <message>
            <source>[%1] is rebooting ...</source>
            <extracomment>IDS_LBL_WAIT_REBOOT</extracomment>
            <translation>Reiniciando [%1]...</translation>
        </message>
        <message>
            <source>Time settings</source>
            <extracomment>IDS_LBL_WZD_TIME</extracomment>
            <translation>Configurações de hora</translation>
        </message>
        <message>
            <source>Set the time zone of the server.</source>
            <extracomment>IDS_LBL_WZD_TIME_DESC1</extracomment>
            <translation>Defina o fuso horário do servidor.</translation>
        </message>
        <message>
            <source>Set the date and time of the server.</source>
            <extracomment>IDS_LBL_WZD_TIME_DESC2</extracomment>
            <translation>Defina a data e a hora do servidor.</translation>
        </message>
        <message>
            <source>The clock of the server is set to the date and time of this computer.</source>
            <extracomment>IDS_LBL_WZD_TIME_HELP</extracomment>
            <translation>O relógio do servidor é ajustado para a data e a hora deste computador.</translation>
        </message>
        <message>
            <source>Code page</source>
            <extracomment>IDS_LST_CODEPAGE</extracomment>
            <translation>Página de código</translation>
        </message>
        <message>
            <source>Date and time</source>
            <extracomment>IDS_LST_DATETIME</extracomment>
            <translation>Data e hora</translation>
        </message>
        <message>
            <source>DHCP</source>
            <extracomment>IDS_LST_DHCP</extracomment>
            <translation>DHCP</translation>
        </message>
        <message>
            <source>Drive</source>
            <extracomment>IDS_LST_DRIVE</extracomment>
            <translation>Unidade</translation>
        </message>
        <message>
            <source>IP status</source>
            <extracomment>IDS_LST_IP_STATUS</extracomment>
            <translation>Status do IP</translation>
        </message>
        <message>
            <source>MAC address</source>
            <extracomment>IDS_LST_SERV_MAC_ADDR</extracomment>
            <translation>Endereço MAC</translation>
        </message>
        <message>
            <source>Model</source>
            <extracomment>IDS_LST_SERV_MODEL</extracomment>
            <translation>Modelo</translation>
        </message>
        <message>
            <source>Server name</source>
            <extracomment>IDS_LST_SERV_NAME, IDS_WZD_SVRNAME</extracomment>
            <translation>Nome do servidor</translation>
        </message>
        <message>
            <source>Serial no</source>
            <extracomment>IDS_LST_SERV_SERIAL_NO</extracomment>
            <translation>Nº de série</translation>
        </message>
        <message>
            <source>Status</source>
            <extracomment>IDS_LST_SERV_STATUS</extracomment>
            <translation>Status</translation>
        </message>
        <message>
            <source>Booting</source>
            <extracomment>IDS_LST_SYS_BOOTING</extracomment>
            <translation>Inicializando</translation>
        </message>
        <message>
            <source>Check progress</source>
            <extracomment>IDS_LST_SYS_CHECKING_PROGRESS</extracomment>
            <translation>Ver progresso</translation>
        </message>
        <message>
            <source>Configuration lost</source>
            <extracomment>IDS_LST_SYS_CRASH</extracomment>
            <translation>Configuração perdida</translation>
        </message>
        <message>
            <source>Checking file system (%1 minutes remaining)</source>
            <extracomment>IDS_LST_SYS_FSCK</extracomment>
            <translation>Verificando o sistema de arquivos (%1 min restantes)</translation>
        </message>
        <message>
            <source>Performing memory test (%1.%2%)</source>
            <extracomment>IDS_LST_SYS_MEM_TESTING</extracomment>
            <translation>Executando teste de memória (%1,%2%)</translation>
        </message>
        <message>
            <source>Migratable</source>
            <extracomment>IDS_LST_SYS_MIGRAT</extracomment>
            <translation>Migrável</translation>
        </message>
        <message>
            <source>Connection failed.</source>
            <extracomment>IDS_LST_SYS_NET_ERROR</extracomment>
            <translation>Falha na conexão.</translation>
        </message>
        <message>
            <source>Getting connection status...</source>
            <extracomment>IDS_LST_SYS_NET_TESTING</extracomment>
            <translation>Obtendo status da conexão...</translation>
        </message>
        <message>
            <source>Checking quota</source>
            <extracomment>IDS_LST_SYS_QUOTA_CHECKING</extracomment>
            <translation>Verificando cota</translation>
        </message>
        <message>
            <source>Ready</source>
            <extracomment>IDS_LST_SYS_READY</extracomment>
            <translation>Pronto</translation>
        </message>
        <message>
            <source>Recoverable</source>
            <extracomment>IDS_LST_SYS_RECOVERABLE</extracomment>
            <translation>Recuperável</translation>
        </message>
        <message>
            <source>Starting services</source>
            <extracomment>IDS_LST_SYS_SERVICE_STARTING</extracomment>
            <translation>Iniciando serviços</translation>
        </message>
        <message>
            <source>Not configured</source>
            <extracomment>IDS_LST_SYS_UNCONFIG</extracomment>
            <translation>Não configurado</translation>
        </message>
        <message>
            <source>Not installed</source>
            <extracomment>IDS_LST_SYS_UNINSTALL</extracomment>
            <translation>Não instalado</translation>
        </message>
        <message>
            <source>Upgrading</source>
            <extracomment>IDS_LST_SYS_UPDATING</extracomment>
            <translation>Atualizando</translation>
        </message>
        <message>
            <source>Lock</source>
            <extracomment>IDS_MFP_BTN_LOCK</extracomment>
            <translation>Bloquear</translation>
        </message>
        <message>
            <source>Refresh</source>
            <extracomment>IDS_MFP_BTN_REFRESH</extracomment>
            <translation>Atualizar</translation>
        </message>
        <message>
            <source>Release</source>
            <extracomment>IDS_MFP_BTN_RELEASE</extracomment>
            <translation>Liberar</translation>
        </message>
        <message>
            <source>Click Apply to save the printer settings.</source>
            <extracomment>IDS_MFP_LBL_APPLY_INFO</extracomment>
            <translation>Clique em “Aplicar” para salvar as configurações da impressora.</translation>
        </message>
        <message>
            <source>Connect to the printer automatically when sending a fax</source>
            <extracomment>IDS_MFP_LBL_AUTO_LOCK_FAX_INIT</extracomment>
            <translation>Conectar-se à impressora automaticamente ao enviar um fax</translation>
        </message>
        <message>
            <source>Connect to the printer automatically when printing</source>
            <extracomment>IDS_MFP_LBL_AUTO_LOCK_PRINTER_INIT</extracomment>
            <translation>Conectar-se à impressora automaticamente ao imprimir</translation>
        </message>
        <message>
            <source>Please install the printer driver on this computer before using the printer.</source>
            <extracomment>IDS_MFP_LBL_DRIVER_HINT</extracomment>
            <translation>Instale o driver da impressora neste computador antes de usá-la.</translation>
        </message>
        <message>
            <source>Edit the printer settings.</source>
            <extracomment>IDS_MFP_LBL_EDIT_DESC</extracomment>
            <translation>Edite as configurações da impressora.</translation>
        </message>
        <message>
            <source>Multifunction printer</source>
            <extracomment>IDS_MFP_LBL_MULTIFUNC_PRINTER</extracomment>
            <translation>Impressora multifuncional</translation>
        </message>
        <message>
            <source>Printer:</source>
            <extracomment>IDS_MFP_LBL_PRINTER</extracomment>
            <translation>Impressora:</translation>
        </message>
        <message>
            <source>Please choose a connection mode.</source>
            <extracomment>IDS_MFP_LBL_REMIND_CHOOSE_MODE</extracomment>
            <translation>Escolha um modo de conexão.</translation>
        </message>
        <message>
            <source>Please insert the driver CD of the printer.</source>
            <extracomment>IDS_MFP_LBL_REMIND_PUT_CD</extracomment>
            <translation>Insira o CD do driver da impressora.</translation>
        </message>
        <message>
            <source>Select a printer</source>
            <extracomment>IDS_MFP_LBL_SELECT_PRINTER, IDS_WZDADDPTR_CAP2</extracomment>
            <translation>Selecione uma impressora</translation>
        </message>
        <message>
            <source>Failed to connect to the printer.</source>
            <extracomment>IDS_MFP_LBL_STATUS_CONNECT_FAIL</extracomment>
            <translation>Falha ao conectar à impressora.</translation>
        </message>
        <message>
            <source>The printer is unavailable.</source>
            <extracomment>IDS_MFP_LBL_STATUS_DEVICE_UNAVAILABLE</extracomment>
            <translation>A impressora não está disponível.</translation>
        </message>
        <message>
            <source>Connected to the printer.</source>
            <extracomment>IDS_MFP_LBL_STATUS_GET_LOCK</extracomment>
            <translation>Conectado à impressora.</translation>
        </message>
        <message>
            <source>Installing the printer driver...</source>
            <extracomment>IDS_MFP_LBL_STATUS_INSTALL_DRIVER</extracomment>
            <translation>Instalando o driver da impressora...</translation>
        </message>
        <message>
            <source>The printer settings are invalid.</source>
            <extracomment>IDS_MFP_LBL_STATUS_INVALID_CONF</extracomment>
            <translation>As configurações da impressora são inválidas.</translation>
        </message>
        <message>
            <source>In use by %1</source>
            <extracomment>IDS_MFP_LBL_STATUS_LOCK_BY</extracomment>
            <translation>Em uso por %1</translation>
        </message>
        <message>
            <source>In use by a network print job</source>
            <extracomment>IDS_MFP_LBL_STATUS_LOCK_BY_LPR</extracomment>
            <translation>Em uso por um trabalho de impressão em rede</translation>
        </message>
        <message>
            <source>Operation successful.</source>
            <extracomment>IDS_MFP_LBL_STATUS_OP_OK</extracomment>
            <translation>Operação bem-sucedida.</translation>
        </message>
        <message>
            <source>Server error.</source>
            <extracomment>IDS_MFP_LBL_STATUS_SERVER_ERR</extracomment>
            <translation>Erro no servidor.</translation>
        </message>
        <message>
            <source>Connecting to the printer...</source>
            <extracomment>IDS_MFP_LBL_STATUS_TRY_CONNECT</extracomment>
            <translation>Conectando à impressora...</translation>
        </message>
        <message>
            <source>Unexpected error.</source>
            <extracomment>IDS_MFP_LBL_STATUS_UNEXPECT_ERR</extracomment>
            <translation>Erro inesperado.</translation>
        </message>
        <message>
            <source>The server version is too old for this function.</source>
            <extracomment>IDS_MFP_LBL_STATUS_VERSION_TOO_OLD</extracomment>
            <translation>A versão do servidor é antiga demais para esta função.</translation>
        </message>
        <message>
            <source>Waiting...</source>
            <extracomment>IDS_MFP_LBL_STATUS_WAITING</extracomment>
            <translation>Aguardando...</translation>
        </message>
        <message>
            <source>The printer will be released when you close the program.</source>
            <extracomment>IDS_MFP_MSG_CLOSE_RELLOCK</extracomment>
            <translation>A impressora será liberada quando você fechar o programa.</translation>
        </message>
        <message>
            <source>The printer will be released after the driver is installed.</source>
            <extracomment>IDS_MFP_MSG_INSTALL_RELLOCK</extracomment>
            <translation>A impressora será liberada após a instalação do driver.</translation>
        </message>
        <message>
            <source>This printer has already been added.</source>
            <extracomment>IDS_MFP_MSG_PRINTER_DUPLICATED</extracomment>
            <translation>Esta impressora já foi adicionada.</translation>
        </message>
        <message>
            <source>Mode</source>
            <extracomment>IDS_MFP_TABLE_MODE</extracomment>
            <translation>Modo</translation>
        </message>
        <message>
            <source>Release time</source>
            <extracomment>IDS_MFP_TABLE_RELEASE_TIME</extracomment>
            <translation>Hora de liberação</translation>
        </message>
        <message>
            <source>Server IP address</source>
            <extracomment>IDS_MFP_TABLE_SERVER_IP_ADDRESS</extracomment>
            <translation>Endereço IP do servidor</translation>
        </message>
        <message>
            <source>The printer %1 is connected to this computer.</source>
            <extracomment>IDS_MFP_TRAY_ATTACH_MSG</extracomment>
            <translation>A impressora %1 está conectada a este computador.</translation>
        </message>
        <message>
            <source>Printer connected</source>
            <extracomment>IDS_MFP_TRAY_ATTACH_TITLE</extracomment>
            <translation>Impressora conectada</translation>
        </message>
        <message>
            <source>Close %1</source>
            <extracomment>IDS_MFP_TRAY_CLOSE_VORNAKEEPER</extracomment>
            <translation>Fechar %1</translation>
        </message>
        <message>
            <source>Hide %1</source>
            <extracomment>IDS_MFP_TRAY_HIDE_VORNAKEEPER</extracomment>
            <translation>Ocultar %1</translation>
        </message>
        <message>
            <source>No printer</source>
            <extracomment>IDS_MFP_TRAY_NO_PRINTER</extracomment>
            <translation>Nenhuma impressora</translation>
        </message>
        <message>
            <source>Open %1</source>
            <extracomment>IDS_MFP_TRAY_OPEN_VORNAKEEPER</extracomment>
            <translation>Abrir %1</translation>
        </message>
        <message>
            <source>Printer %1 is connected.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_ATTACHED</extracomment>
            <translation>A impressora %1 está conectada.</translation>
        </message>
        <message>
            <source>Failed to connect printer %1.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_ATTACH_FAILED</extracomment>
            <translation>Falha ao conectar a impressora %1.</translation>
        </message>
        <message>
            <source>Printer %1 is released.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_RELEASED</extracomment>
            <translation>A impressora %1 foi liberada.</translation>
        </message>
        <message>
            <source>Failed to release printer %1.</source>
            <extracomment>IDS_MFP_TRAY_PRINTER_RELEASE_FAILED</extracomment>
            <translation>Falha ao liberar a impressora %1.</translation>
        </message>
        <message>
            <source>The list of printers has been updated.</source>
            <extracomment>IDS_MFP_TRAY_PTR_UPDATED_MSG</extracomment>
            <translation>A lista de impressoras foi atualizada.</translation>
        </message>
        <message>
            <source>Printers updated</source>
            <extracomment>IDS_MFP_TRAY_PTR_UPDATED_TITLE</extracomment>
            <translation>Impressoras atualizadas</translation>
        </message>
        <message>
            <source>The printer %1 has been released.</source>
            <extracomment>IDS_MFP_TRAY_RELEASE_MSG</extracomment>
            <translation>A impressora %1 foi liberada.</translation>
        </message>
        <message>
            <source>Printer released</source>
            <extracomment>IDS_MFP_TRAY_RELEASE_TITLE</extracomment>
            <translation>Impressora liberada</translation>
        </message>
        <message>
            <source>Unknown status.</source>
            <extracomment>IDS_MSG_CHECK_UNKNOWN</extracomment>
            <translation>Status desconhecido.</translation>
        </message>
        <message>
            <source>Another task is running. Are you sure you want to start a new one?</source>
            <extracomment>IDS_MSG_CONFIRM_MULTI_TASK</extracomment>
            <translation>Outra tarefa está em execução. Tem certeza de que deseja iniciar uma nova?</translation>
        </message>
        <message>
            <source>Quick Setup will apply the suggested settings. Do you want to continue?</source>
            <extracomment>IDS_MSG_CONFIRM_QUICKSETUP</extracomment>
            <translation>A Configuração rápida aplicará as configurações sugeridas. Deseja continuar?</translation>
        </message>
        <message>
            <source>Error code: %1</source>
            <extracomment>IDS_MSG_ERRCODE</extracomment>
            <translation>Código de erro: %1</translation>
        </message>
        <message>
            <source>No errors were found by the memory diagnostic test.</source>
            <extracomment>IDS_MSG_MEM_TEST_OK</extracomment>
            <translation>O teste de diagnóstico de memória não encontrou erros.</translation>
        </message>
        <message>
            <source>Quick Setup cannot continue. Please use Complete Setup instead.</source>
            <extracomment>IDS_MSG_ONE_CLICK_CHANGE_MANUAL</extracomment>
            <translation>Não é possível continuar a Configuração rápida. Use a Configuração completa.</translation>
        </message>
        <message>
            <source>Quick Setup failed.</source>
            <extracomment>IDS_MSG_ONE_CLICK_FAILED</extracomment>
            <translation>Falha na Configuração rápida.</translation>
        </message>
        <message>
            <source>Quick Setup could not get the network settings of this computer.</source>
            <extracomment>IDS_MSG_ONE_CLICK_NO_NET_INFO</extracomment>
            <translation>A Configuração rápida não conseguiu obter as configurações de rede deste computador.</translation>
        </message>
        <message>
            <source>Quick Setup could not create a server name.</source>
            <extracomment>IDS_MSG_ONE_CLICK_NO_SVR_NAME</extracomment>
            <translation>A Configuração rápida não conseguiu criar um nome de servidor.</translation>
        </message>
        <message>
            <source>Use Complete Setup</source>
            <extracomment>IDS_MSG_ONE_CLICK_RES_NO</extracomment>
            <translation>Usar Configuração completa</translation>
        </message>
        <message>
            <source>Use Quick Setup</source>
            <extracomment>IDS_MSG_ONE_CLICK_RES_YES</extracomment>
            <translation>Usar Configuração rápida</translation>
        </message>
        <message>
            <source>Please contact Quenlori online support.</source>
            <extracomment>IDS_MSG_ONLINE_SUPPORT</extracomment>
            <translation>Entre em contato com o suporte on-line da Quenlori.</translation>
        </message>
        <message>
            <source>Please restart %1 to apply the new language settings.</source>
            <extracomment>IDS_MSG_PREFERENCE_LANG_RESTART</extracomment>
            <translation>Reinicie o %1 para aplicar as novas configurações de idioma.</translation>
        </message>
        <message>
            <source>[%1] will be rebooted to perform the memory diagnostic test.</source>
            <extracomment>IDS_MSG_REBOOT</extracomment>
            <translation>[%1] será reiniciado para executar o teste de diagnóstico de memória.</translation>
        </message>
        <message>
            <source>Connected.</source>
            <extracomment>IDS_MSG_RSRC_STAT_CONNECTED</extracomment>
            <translation>Conectado.</translation>
        </message>
        <message>
            <source>Connection lost.</source>
            <extracomment>IDS_MSG_RSRC_STAT_CONNECT_LOST</extracomment>
            <translation>Conexão perdida.</translation>
        </message>
        <message>
            <source>Not connected.</source>
            <extracomment>IDS_MSG_RSRC_STAT_DISCONNECT</extracomment>
            <translation>Não conectado.</translation>
        </message>
        <message>
            <source>Searching...</source>
            <extracomment>IDS_MSG_SERARCH</extracomment>
            <translation>Pesquisando...</translation>
        </message>
        <message>
            <source>Not ready.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY</extracomment>
            <translation>Não está pronto.</translation>
        </message>
        <message>
            <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY_PHOTO</extracomment>
            <translation>Para enviar fotos para o %1, verifique se o servidor está instalado e configurado corretamente.</translation>
        </message>
        <message>
            <source>To monitor the resource of [%1], please make sure the server is installed and configured correctly.</source>
            <extracomment>IDS_MSG_SYSTEM_NOT_READY_RSRC</extracomment>
            <translation>Para monitorar os recursos do %1, verifique se o servidor está instalado e configurado corretamente.</translation>
        </message>
        <message>
            <source>The server is booting. Please wait.</source>
            <extracomment>IDS_MSG_SYS_BOOTING</extracomment>
            <translation>O servidor está inicializando. Aguarde.</translation>
        </message>
        <message>
            <source>The server is being upgraded. Please wait.</source>
            <extracomment>IDS_MSG_SYS_UPDATING</extracomment>
            <translation>O servidor está sendo atualizado. Aguarde.</translation>
        </message>
        <message>
            <source>An unconfigured server was found.</source>
            <extracomment>IDS_MSG_UNCONFSVR_FOUND</extracomment>
            <translation>Foi encontrado um servidor não configurado.</translation>
        </message>
        <message>
            <source>Do you want to set it up now?</source>
            <extracomment>IDS_MSG_UNCONFSVR_FOUND2</extracomment>
            <translation>Deseja configurá-lo agora?</translation>
        </message>
        <message>
            <source>%1 - Network Wizard</source>
            <extracomment>IDS_NET_WELCOME_MSG1</extracomment>
            <translation>%1 - Assistente de rede</translation>
        </message>
        <message>
            <source>Welcome to the Network Wizard!</source>
            <extracomment>IDS_NET_WELCOME_MSG2</extracomment>
            <translation>Boas-vindas ao Assistente de rede!</translation>
        </message>
        <message>
            <source>Network Wizard will help you complete the network configurations of %1.</source>
            <extracomment>IDS_NET_WELCOME_MSG3</extracomment>
            <translation>O Assistente de rede ajudará você a concluir as configurações de rede do %1.</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel the current installation?</source>
            <extracomment>IDS_NI_CANCEL_CUR_INSTALL_WARNING</extracomment>
            <translation>Tem certeza de que deseja cancelar a instalação atual?</translation>
        </message>
        <message>
            <source>%1. Writing configuration files</source>
            <extracomment>IDS_NI_CONFIGURE</extracomment>
            <translation>%1. Gravando arquivos de configuração</translation>
        </message>
        <message>
            <source>Failed to back up the database.</source>
            <extracomment>IDS_NI_ERR_BKP_PGSQL</extracomment>
            <translation>Falha ao fazer backup do banco de dados.</translation>
        </message>
        <message>
            <source>Operation error occurred when accessing the boot disk. (Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_BOOTMEDIAOP</extracomment>
            <translation>Ocorreu um erro de operação ao acessar o disco de inicialização. (Código de erro: %1)</translation>
        </message>
        <message>
            <source>Failed to clean the partition.</source>
            <extracomment>IDS_NI_ERR_CLEAN_PARTITION</extracomment>
            <translation>Falha ao limpar a partição.</translation>
        </message>
        <message>
            <source>Incompatible installation file.</source>
            <extracomment>IDS_NI_ERR_COMPANY</extracomment>
            <translation>Arquivo de instalação incompatível.</translation>
        </message>
        <message>
            <source>The server refused the installation.</source>
            <extracomment>IDS_NI_ERR_DENY</extracomment>
            <translation>O servidor recusou a instalação.</translation>
        </message>
        <message>
            <source>Failed to access a folder on the server.</source>
            <extracomment>IDS_NI_ERR_DIROP</extracomment>
            <translation>Falha ao acessar uma pasta no servidor.</translation>
        </message>
        <message>
            <source>VNO for %1 is not found in the specified location. Please select again.</source>
            <extracomment>IDS_NI_ERR_DIR_NOPATCH</extracomment>
            <translation>O VNO para %1 não foi encontrado no local especificado. Selecione novamente.</translation>
        </message>
        <message>
            <source>Failed to partition the hard drive.</source>
            <extracomment>IDS_NI_ERR_FDISK</extracomment>
            <translation>Falha ao particionar o disco rígido.</translation>
        </message>
        <message>
            <source>Failed to format the hard drive.</source>
            <extracomment>IDS_NI_ERR_MKFS</extracomment>
            <translation>Falha ao formatar o disco rígido.</translation>
        </message>
        <message>
            <source>You have selected an installation file incompatible with the system model.</source>
            <extracomment>IDS_NI_ERR_MODEL</extracomment>
            <translation>Você selecionou um arquivo de instalação incompatível com o modelo do sistema.</translation>
        </message>
        <message>
            <source>No hard drive was found in the server.</source>
            <extracomment>IDS_NI_ERR_NODISK</extracomment>
            <translation>Nenhum disco rígido foi encontrado no servidor.</translation>
        </message>
        <message>
            <source>Available system space is insufficient.</source>
            <extracomment>IDS_NI_ERR_NO_SPACE</extracomment>
            <translation>Espaço insuficiente no sistema.</translation>
        </message>
        <message>
            <source>Please use Quenlori Vornakeeper to install VNO %1. \nThen upgrade new version VNO via Web management UI.</source>
            <extracomment>IDS_NI_ERR_NO_SPACE_UPBYWEB</extracomment>
            <translation>Use o Quenlori Vornakeeper para instalar o VNO %1. \nEm seguida, atualize para a nova versão do VNO pela interface de gerenciamento Web.</translation>
        </message>
        <message>
            <source>Failed to create connection.</source>
            <extracomment>IDS_NI_ERR_OPEN_SOCKET</extracomment>
            <translation>Falha ao criar a conexão.</translation>
        </message>
        <message>
            <source>The installation file is corrupt.</source>
            <extracomment>IDS_NI_ERR_PATCH</extracomment>
            <translation>O arquivo de instalação está corrompido.</translation>
        </message>
        <message>
            <source>Failed to read the installation file.</source>
            <extracomment>IDS_NI_ERR_PATCH_FILE_DEFAULT</extracomment>
            <translation>Falha ao ler o arquivo de instalação.</translation>
        </message>
        <message>
            <source>The installation file was not found.</source>
            <extracomment>IDS_NI_ERR_PAT_NOTFOUND</extracomment>
            <translation>O arquivo de instalação não foi encontrado.</translation>
        </message>
        <message>
            <source>Failed to write the flash memory.</source>
            <extracomment>IDS_NI_ERR_PROGRAM_FLASH</extracomment>
            <translation>Falha ao gravar na memória flash.</translation>
        </message>
        <message>
            <source>Failed to check the quota.</source>
            <extracomment>IDS_NI_ERR_QUOTA</extracomment>
            <translation>Falha ao verificar a cota.</translation>
        </message>
        <message>
            <source>Unable to read the server model.</source>
            <extracomment>IDS_NI_ERR_READ_MOD</extracomment>
            <translation>Não foi possível ler o modelo do servidor.</translation>
        </message>
        <message>
            <source>Unable to read the model from the installation file.</source>
            <extracomment>IDS_NI_ERR_READ_PATCH_MOD</extracomment>
            <translation>Não foi possível ler o modelo no arquivo de instalação.</translation>
        </message>
        <message>
            <source>Unable to read the version from the installation file.</source>
            <extracomment>IDS_NI_ERR_READ_PATCH_VER</extracomment>
            <translation>Não foi possível ler a versão no arquivo de instalação.</translation>
        </message>
        <message>
            <source>Unable to read the server version.</source>
            <extracomment>IDS_NI_ERR_READ_VER</extracomment>
            <translation>Não foi possível ler a versão do servidor.</translation>
        </message>
        <message>
            <source>System has no response. Connection timeout.</source>
            <extracomment>IDS_NI_ERR_RECE_CMD_TIMEOUT</extracomment>
            <translation>O sistema não responde. Tempo limite de conexão esgotado.</translation>
        </message>
        <message>
            <source>Failed to obtain installation progress.</source>
            <extracomment>IDS_NI_ERR_RECE_PROG, IDS_NI_ERR_SEND_QUERY_PROG</extracomment>
            <translation>Falha ao obter o progresso da instalação.</translation>
        </message>
        <message>
            <source>Failed to send installation command to the server.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_SEND_CMD</extracomment>
            <translation>Falha ao enviar o comando de instalação ao servidor. (Código de erro: %1)</translation>
        </message>
        <message>
            <source>Failed to upload the installation file.</source>
            <extracomment>IDS_NI_ERR_SEND_PATCH_FILE</extracomment>
            <translation>Falha ao enviar o arquivo de instalação.</translation>
        </message>
        <message>
            <source>Server error.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_SERVER_ERROR</extracomment>
            <translation>Erro no servidor. (Código de erro: %1)</translation>
        </message>
        <message>
            <source>Undefined error.(Error Code:%1)</source>
            <extracomment>IDS_NI_ERR_UNDEFINE</extracomment>
            <translation>Erro não definido. (Código de erro: %1)</translation>
        </message>
        <message>
            <source>You have to use an installation file with %1 or above version.</source>
            <extracomment>IDS_NI_ERR_VER</extracomment>
            <translation>Use um arquivo de instalação da versão %1 ou superior.</translation>
        </message>
        <message>
            <source>The installation file does not match the server model.</source>
            <extracomment>IDS_NI_ERR_WRONG_MODEL</extracomment>
            <translation>O arquivo de instalação não corresponde ao modelo do servidor.</translation>
        </message>
        <message>
            <source>%1. Formatting hard drives</source>
            <extracomment>IDS_NI_FORMAT</extracomment>
            <translation>%1. Formatando os discos rígidos</translation>
        </message>
        <message>
            <source>%1. Formatting data partition</source>
            <extracomment>IDS_NI_FORMAT_DATA</extracomment>
            <translation>%1. Formatando a partição de dados</translation>
        </message>
        <message>
            <source>%1. Formatting system partition</source>
            <extracomment>IDS_NI_FORMAT_SYS</extracomment>
            <translation>%1. Formatando a partição do sistema</translation>
        </message>
        <message>
            <source>%1. Installing VNO</source>
            <extracomment>IDS_NI_INSTALL</extracomment>
            <translation>%1. Instalando o VNO</translation>
        </message>
        <message>
            <source>The servers will be named after this name with a number appended.</source>
            <extracomment>IDS_NI_MULTI_SVRNAME_DESCRIP</extracomment>
            <translation>Os servidores receberão este nome seguido de um número.</translation>
        </message>
        <message>
            <source>Installation Progress</source>
            <extracomment>IDS_NI_PROGRESS_TITLE</extracomment>
            <translation>Progresso da instalação</translation>
        </message>
        <message>
            <source>Progress: Writing configurations ...</source>
            <extracomment>IDS_NI_PROG_CONFIGURE</extracomment>
            <translation>Progresso: gravando as configurações...</translation>
        </message>
        <message>
            <source>Progress: Formatting ...</source>
            <extracomment>IDS_NI_PROG_FORMAT</extracomment>
            <translation>Progresso: formatando...</translation>
        </message>
        <message>
            <source>Progress: Formatting data partition ...</source>
            <extracomment>IDS_NI_PROG_FORMAT_DATA</extracomment>
            <translation>Progresso: formatando a partição de dados...</translation>
        </message>
        <message>
            <source>Progress: Formatting system partition ...</source>
            <extracomment>IDS_NI_PROG_FORMAT_SYS</extracomment>
            <translation>Progresso: formatando a partição do sistema...</translation>
        </message>
        <message>
            <source>Progress: Installing VNO to hard drive ...</source>
            <extracomment>IDS_NI_PROG_INSTALL</extracomment>
            <translation>Progresso: instalando o VNO no disco rígido...</translation>
        </message>
        <message>
            <source>Progress: System is rebooting ... (%1 seconds)</source>
            <extracomment>IDS_NI_PROG_REBOOT</extracomment>
            <translation>Progresso: o sistema está reiniciando... (%1 segundos)</translation>
        </message>
        <message>
            <source>Progress: Applying network settings ...</source>
            <extracomment>IDS_NI_PROG_SET_NET</extracomment>
            <translation>Progresso: aplicando configurações de rede...</translation>
        </message>
        <message>
            <source>Progress: Waiting ...</source>
            <extracomment>IDS_NI_PROG_WAITING</extracomment>
            <translation>Progresso: aguardando...</translation>
        </message>
        <message>
            <source>Installation Settings</source>
            <extracomment>IDS_NI_SETTING_TITLE</extracomment>
            <translation>Configurações de instalação</translation>
        </message>
        <message>
            <source>%1. Applying network settings</source>
            <extracomment>IDS_NI_SET_NET</extracomment>
            <translation>%1. Aplicando configurações de rede</translation>
        </message>
        <message>
            <source>Are you sure you want to cancel the selected installation?</source>
            <extracomment>IDS_NI_TREE_CANCEL_WARNING</extracomment>
            <translation>Tem certeza de que deseja cancelar a instalação selecionada?</translation>
        </message>
        <message>
            <source>Clear</source>
            <extracomment>IDS_NI_TREE_CLEAR</extracomment>
            <translation>Limpar</translation>
        </message>
        <message>
            <source>Are you sure you want to clear the finished installations from the list?</source>
            <extracomment>IDS_NI_TREE_CLEAR_WARNING</extracomment>
            <translation>Tem certeza de que deseja remover da lista as instalações concluídas?</translation>
        </message>
        <message>
            <source>Too many installations are running.</source>
            <extracomment>IDS_NI_TREE_MAX_MSG</extracomment>
            <translation>Há instalações demais em execução.</translation>
        </message>
        <message>
            <source>Please wait until an installation finishes and try again.</source>
            <extracomment>IDS_NI_TREE_MAX_MSG1</extracomment>
            <translation>Aguarde a conclusão de uma instalação e tente novamente.</translation>
        </message>
        <message>
            <source>Progress</source>
            <extracomment>IDS_NI_TREE_PROGRESS</extracomment>
            <translation>Progresso</translation>
        </message>
        <message>
            <source>Writing configurations</source>
            <extracomment>IDS_NI_TREE_PROG_CONFIGURE</extracomment>
            <translation>Gravando as configurações</translation>
        </message>
        <message>
            <source>Formatting</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT</extracomment>
            <translation>Formatando</translation>
        </message>
        <message>
            <source>Formatting data partition</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT_DATA</extracomment>
            <translation>Formatando a partição de dados</translation>
        </message>
        <message>
            <source>Formatting system partition</source>
            <extracomment>IDS_NI_TREE_PROG_FORMAT_SYS</extracomment>
            <translation>Formatando a partição do sistema</translation>
        </message>
        <message>
            <source>Installing VNO</source>
            <extracomment>IDS_NI_TREE_PROG_INSTALL</extracomment>
            <translation>Instalando o VNO</translation>
        </message>
        <message>
            <source>Rebooting</source>
            <extracomment>IDS_NI_TREE_PROG_REBOOT</extracomment>
            <translation>Reiniciando</translation>
        </message>
        <message>
            <source>Applying network settings</source>
            <extracomment>IDS_NI_TREE_PROG_SET_NET</extracomment>
            <translation>Aplicando configurações de rede</translation>
        </message>
        <message>
            <source>Waiting</source>
            <extracomment>IDS_NI_TREE_PROG_WAITING</extracomment>
            <translation>Aguardando</translation>
        </message>
        <message>
            <source>It takes about 10 minutes or longer, depending on the size of your hard drives. Please wait, and do not turn off the power during this procedure.</source>
            <extracomment>IDS_NI_WAIT</extracomment>
            <translation>Isso leva cerca de 10 minutos ou mais, dependendo do tamanho dos discos rígidos. Aguarde e não desligue o equipamento durante este procedimento.</translation>
        </message>
        <message>
            <source>Failed to apply your settings because another installation is in progress.</source>
            <extracomment>IDS_NI_error_apply_lock</extracomment>
            <translation>Falha ao aplicar as configurações porque outra instalação está em andamento.</translation>
        </message>
        <message>
            <source>Incompatible upgrade file.</source>
            <extracomment>IDS_NI_error_company</extracomment>
            <translation>Arquivo de atualização incompatível.</translation>
        </message>
        <message>
            <source>Failed to download the VNO installation file. Please check the network connection and try again.</source>
            <extracomment>IDS_NI_error_download</extracomment>
            <translation>Falha ao baixar o arquivo de instalação do VNO. Verifique a conexão de rede e tente novamente.</translation>
        </message>
        <message>
            <source>Cannot upgrade VNO because the status of the high-availability cluster is not normal.</source>
            <extracomment>IDS_NI_error_ha_is_not_healthy</extracomment>
            <translation>Não é possível atualizar o VNO porque o status do cluster de alta disponibilidade não está normal.</translation>
        </message>
        <message>
            <source>Cannot allocate driver buffer. Please reboot and try again.</source>
            <extracomment>IDS_NI_error_memory</extracomment>
            <translation>Não é possível alocar o buffer do driver. Reinicie e tente novamente.</translation>
        </message>
        <message>
            <source>Failed to format the disk.</source>
            <extracomment>IDS_NI_error_mkfs</extracomment>
            <translation>Falha ao formatar o disco.</translation>
        </message>
        <message>
            <source>The model of the upgrade file is incompatible with the system model.</source>
            <extracomment>IDS_NI_error_model</extracomment>
            <translation>O modelo do arquivo de atualização é incompatível com o modelo do sistema.</translation>
        </message>
        <message>
            <source>Fail to update the file. The file is probably corrupt.</source>
            <extracomment>IDS_NI_error_patch</extracomment>
            <translation>Falha ao atualizar o arquivo. Provavelmente o arquivo está corrompido.</translation>
        </message>
        <message>
            <source>Unable to recognize the system model.</source>
            <extracomment>IDS_NI_error_read_mod</extracomment>
            <translation>Não foi possível identificar o modelo do sistema.</translation>
        </message>
        <message>
            <source>Unable to recognize the system model from the upgrade file.</source>
            <extracomment>IDS_NI_error_read_patch_mod</extracomment>
            <translation>Não foi possível identificar o modelo do sistema no arquivo de atualização.</translation>
        </message>
        <message>
            <source>Unable to recognize the system version from the upgrade file.</source>
            <extracomment>IDS_NI_error_read_patch_ver</extracomment>
            <translation>Não foi possível identificar a versão do sistema no arquivo de atualização.</translation>
        </message>
        <message>
            <source>Unable to recognize the current system version.</source>
            <extracomment>IDS_NI_error_read_ver</extracomment>
            <translation>Não foi possível identificar a versão atual do sistema.</translation>
        </message>
        <message>
            <source>An error has occurred on a volume on the active server. Please repair it before binding.</source>
            <extracomment>IDS_NI_error_upgrade_local_volume_abnormal</extracomment>
            <translation>Ocorreu um erro em um volume do servidor ativo. Repare-o antes de fazer a vinculação.</translation>
        </message>
        <message>
            <source>Unable to perform VNO update because this VNO is an older version.</source>
            <extracomment>IDS_NI_error_version</extracomment>
            <translation>Não é possível atualizar o VNO porque este VNO é de uma versão mais antiga.</translation>
        </message>
        <message>
            <source>Update successful.</source>
            <extracomment>IDS_NI_upgrade_success</extracomment>
            <translation>Atualização bem-sucedida.</translation>
        </message>
        <message>
            <source>No program is associated with this file type.</source>
            <extracomment>IDS_NO_ASSOC_PROG</extracomment>
            <translation>Nenhum programa está associado a este tipo de arquivo.</translation>
        </message>
        <message>
            <source>Add File</source>
            <extracomment>IDS_PHOTO_BTN_ADD_FILE</extracomment>
            <translation>Adicionar arquivo</translation>
        </message>
        <message>
            <source>Add Folder</source>
            <extracomment>IDS_PHOTO_BTN_ADD_FOLDER</extracomment>
            <translation>Adicionar pasta</translation>
        </message>
        <message>
            <source>Go Back</source>
            <extracomment>IDS_PHOTO_BTN_BK_TO_PARENT</extracomment>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Create</source>
            <extracomment>IDS_PHOTO_BTN_CREATE_NEW_ALBUM</extracomment>
            <translation>Criar</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <extracomment>IDS_PHOTO_BTN_HIDE_DETAIL</extracomment>
            <translation>Ocultar detalhes...</translation>
        </message>
        <message>
            <source>Show Details...</source>
            <extracomment>IDS_PHOTO_BTN_SHOW_DETAIL</extracomment>
            <translation>Mostrar detalhes...</translation>
        </message>
        <message>
            <source>Upload</source>
            <extracomment>IDS_PHOTO_BTN_UPLOAD</extracomment>
            <translation>Enviar</translation>
        </message>
        <message>
            <source>To start photo uploading, click %1 on the upper left-hand corner, or select a profile on the list and then enter admin's password.</source>
            <extracomment>IDS_PHOTO_CONNT_STATUS_INIT</extracomment>
            <translation>Para começar a enviar fotos, clique em “%1” no canto superior esquerdo ou selecione um perfil na lista e digite a senha do admin.</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <extracomment>IDS_PHOTO_DUPLI_OVERWRITE</extracomment>
            <translation>Substituir</translation>
        </message>
        <message>
            <source>Rename</source>
            <extracomment>IDS_PHOTO_DUPLI_RENAME</extracomment>
            <translation>Renomear</translation>
        </message>
        <message>
            <source>Skip</source>
            <extracomment>IDS_PHOTO_DUPLI_SKIP</extracomment>
            <translation>Ignorar</translation>
        </message>
        <message>
            <source>Enter a Imagrove account</source>
            <extracomment>IDS_PHOTO_ERR_ACCOUNT_EMPTY</extracomment>
            <translation>Digite uma conta do Imagrove</translation>
        </message>
        <message>
            <source>Invalid folder name: %1</source>
            <extracomment>IDS_PHOTO_ERR_BAD_DIR_NAME</extracomment>
            <translation>Nome de pasta inválido: %1</translation>
        </message>
        <message>
            <source>Failed to convert %1.</source>
            <extracomment>IDS_PHOTO_ERR_CONVERT_FAIL</extracomment>
            <translation>Falha ao converter %1.</translation>
        </message>
        <message>
            <source>The folder name already exists. Please use another name.</source>
            <extracomment>IDS_PHOTO_ERR_DUPLICATE_FOLDER_NAME</extracomment>
            <translation>O nome da pasta já existe. Use outro nome.</translation>
        </message>
        <message>
            <source>The file size exceeds the limit: %1</source>
            <extracomment>IDS_PHOTO_ERR_FILE_SIZE_OVER_LIMIT</extracomment>
            <translation>O tamanho do arquivo excede o limite: %1</translation>
        </message>
        <message>
            <source>Failed to establish the connection. Please check the hostname/IP address or make sure Imagrove is working properly, and then try again.</source>
            <extracomment>IDS_PHOTO_ERR_LOGIN_SERVER_ERROR</extracomment>
            <translation>Falha ao estabelecer a conexão. Verifique o nome do host/endereço IP ou se o Imagrove está funcionando corretamente e tente novamente.</translation>
        </message>
        <message>
            <source>Unknown server error. (Error Code:%1)</source>
            <extracomment>IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR</extracomment>
            <translation>Erro desconhecido no servidor. (Código de erro: %1)</translation>
        </message>
        <message>
            <source>The connection is lost. Please log in to Varnestor Manager again.</source>
            <extracomment>IDS_PHOTO_ERR_SESSION_LOST</extracomment>
            <translation>A conexão foi perdida. Faça login novamente no Varnestor Manager.</translation>
        </message>
        <message>
            <source>Profile name [%1] already exists.</source>
            <extracomment>IDS_PHOTO_ERR_WIZ_PROFILE_DUPLICATE</extracomment>
            <translation>O nome de perfil [%1] já existe.</translation>
        </message>
        <message>
            <source>Upload finished \nSuccess Count: %1, Error Count: %2</source>
            <extracomment>IDS_PHOTO_FINISH_SUMMARY</extracomment>
            <translation>Envio concluído \nEnviados com êxito: %1, erros: %2</translation>
        </message>
        <message>
            <source>Account</source>
            <extracomment>IDS_PHOTO_LBL_ACCOUNT</extracomment>
            <translation>Conta</translation>
        </message>
        <message>
            <source>Connect to Imagrove now?</source>
            <extracomment>IDS_PHOTO_LBL_CONNT_IMAGROVE</extracomment>
            <translation>Conectar ao Imagrove agora?</translation>
        </message>
        <message>
            <source>If file already exists:</source>
            <extracomment>IDS_PHOTO_LBL_DUPLICATED_FILE_HANDLE</extracomment>
            <translation>Se o arquivo já existir:</translation>
        </message>
        <message>
            <source>Please enter the %1's password.</source>
            <extracomment>IDS_PHOTO_LBL_ENTR_PASSWD</extracomment>
            <translation>Digite a senha de %1.</translation>
        </message>
        <message>
            <source>Video conversion setting:</source>
            <extracomment>IDS_PHOTO_LBL_FLV_QUALITY</extracomment>
            <translation>Conversão de vídeo:</translation>
        </message>
        <message>
            <source>Create folder:</source>
            <extracomment>IDS_PHOTO_LBL_NEW_ALBUM_NAME</extracomment>
            <translation>Criar pasta:</translation>
        </message>
        <message>
            <source>Skip hidden files</source>
            <extracomment>IDS_PHOTO_LBL_NOT_UPLOAD_HIDDEN</extracomment>
            <translation>Ignorar arquivos ocultos</translation>
        </message>
        <message>
            <source>Only upload supported contents</source>
            <extracomment>IDS_PHOTO_LBL_ONLY_UPD_INDEXABLE_FILE</extracomment>
            <translation>Enviar só conteúdo compatível</translation>
        </message>
        <message>
            <source>Password</source>
            <extracomment>IDS_PHOTO_LBL_PASSWORD</extracomment>
            <translation>Senha</translation>
        </message>
        <message>
            <source>Contents to Upload</source>
            <extracomment>IDS_PHOTO_LBL_PHOTO_SELECTION</extracomment>
            <translation>Conteúdo a enviar</translation>
        </message>
        <message>
            <source>Imagrove URL</source>
            <extracomment>IDS_PHOTO_LBL_IMAGROVE_URL</extracomment>
            <translation>URL do Imagrove</translation>
        </message>
        <message>
            <source>Preview</source>
            <extracomment>IDS_PHOTO_LBL_PROCESS_THUMBNAIL, IDS_PHOTO_PROC_MSG_PROC</extracomment>
            <translation>Visualização</translation>
        </message>
        <message>
            <source>Profile Name</source>
            <extracomment>IDS_PHOTO_LBL_PROFILE</extracomment>
            <translation>Nome do perfil</translation>
        </message>
        <message>
            <source>The profile name is used to identify your Photo Uploader profile. You can change the profile name according to your preferences.</source>
            <extracomment>IDS_PHOTO_LBL_PROFILE_DESC</extracomment>
            <translation>O nome do perfil identifica o seu perfil do Envio de fotos. Você pode alterar o nome do perfil como preferir.</translation>
        </message>
        <message>
            <source>Select one or more files to open</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_FILE</extracomment>
            <translation>Selecione um ou mais arquivos para abrir</translation>
        </message>
        <message>
            <source>Select a folder to open</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_FOLDER</extracomment>
            <translation>Selecione uma pasta para abrir</translation>
        </message>
        <message>
            <source>Select a folder to upload photos</source>
            <extracomment>IDS_PHOTO_LBL_SELECT_UPD_FOLDER</extracomment>
            <translation>Selecione uma pasta para enviar fotos</translation>
        </message>
        <message>
            <source>Thumbnail</source>
            <extracomment>IDS_PHOTO_LBL_THUMB</extracomment>
            <translation>Miniatura</translation>
        </message>
        <message>
            <source>Destination:</source>
            <extracomment>IDS_PHOTO_LBL_UPLOAD_TO</extracomment>
            <translation>Destino:</translation>
        </message>
        <message>
            <source>Please enter the connection information to access your Imagrove.</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_IP_HINT</extracomment>
            <translation>Digite as informações de conexão para acessar o seu Imagrove.</translation>
        </message>
        <message>
            <source>Account:</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_ACCOUNT, IDS_WZDMAP_ACCOUNT</extracomment>
            <translation>Conta:</translation>
        </message>
        <message>
            <source>Only admin or the user with uploading privilege can upload photos to Imagrove. Please make sure you entered the correct account and password.</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_HINT</extracomment>
            <translation>Somente o admin ou usuários com privilégio de envio podem enviar fotos para o Imagrove. Verifique se a conta e a senha digitadas estão corretas.</translation>
        </message>
        <message>
            <source>Please enter the account and password for Imagrove</source>
            <extracomment>IDS_PHOTO_LBL_WIZ_PASSWD_TITLE</extracomment>
            <translation>Digite a conta e a senha do Imagrove</translation>
        </message>
        <message>
            <source>Personal Imagrove</source>
            <extracomment>IDS_PHOTO_PERSONAL</extracomment>
            <translation>Imagrove pessoal</translation>
        </message>
        <message>
            <source>Complete</source>
            <extracomment>IDS_PHOTO_PROC_MSG_COMPLETE</extracomment>
            <translation>Concluído</translation>
        </message>
        <message>
            <source>Converting</source>
            <extracomment>IDS_PHOTO_PROC_MSG_CONVERT</extracomment>
            <translation>Convertendo</translation>
        </message>
        <message>
            <source>Initializing...</source>
            <extracomment>IDS_PHOTO_PROC_MSG_INIT</extracomment>
            <translation>Inicializando...</translation>
        </message>
        <message>
            <source>Uploading</source>
            <extracomment>IDS_PHOTO_PROC_MSG_UPLOAD</extracomment>
            <translation>Enviando</translation>
        </message>
        <message>
            <source>High</source>
            <extracomment>IDS_PHOTO_QTY_HIGH</extracomment>
            <translation>Alta</translation>
        </message>
        <message>
            <source>Low</source>
            <extracomment>IDS_PHOTO_QTY_LOW</extracomment>
            <translation>Baixa</translation>
        </message>
        <message>
            <source>Medium</source>
            <extracomment>IDS_PHOTO_QTY_MEDIUM</extracomment>
            <translation>Média</translation>
        </message>
        <message>
            <source>Mobile</source>
            <extracomment>IDS_PHOTO_QTY_MOBILE</extracomment>
            <translation>Celular</translation>
        </message>
        <message>
            <source>Description</source>
            <extracomment>IDS_PHOTO_TABLE_DESC</extracomment>
            <translation>Descrição</translation>
        </message>
        <message>
            <source>File name</source>
            <extracomment>IDS_PHOTO_TABLE_FILE_NAME</extracomment>
            <translation>Nome do arquivo</translation>
        </message>
        <message>
            <source>Type</source>
            <extracomment>IDS_PHOTO_TABLE_FILE_TYPE</extracomment>
            <translation>Tipo</translation>
        </message>
        <message>
            <source>Date modified</source>
            <extracomment>IDS_PHOTO_TABLE_MODTIME</extracomment>
            <translation>Data de modificação</translation>
        </message>
        <message>
            <source>Size</source>
            <extracomment>IDS_PHOTO_TABLE_SIZE</extracomment>
            <translation>Tamanho</translation>
        </message>
        <message>
            <source>Title</source>
            <extracomment>IDS_PHOTO_TABLE_TITLE</extracomment>
            <translation>Título</translation>
        </message>
        <message>
            <source>Failed to create the thumbnail.</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_ERROR</extracomment>
            <translation>Falha ao criar a miniatura.</translation>
        </message>
        <message>
            <source>Creating thumbnail...</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_GENERATING</extracomment>
            <translation>Criando miniatura...</translation>
        </message>
        <message>
            <source>Select a photo or video to show its thumbnail</source>
            <extracomment>IDS_PHOTO_THUMB_TEXT_INIT</extracomment>
            <translation>Selecione uma foto ou um vídeo para mostrar a miniatura</translation>
        </message>
        <message>
            <source>Folder</source>
            <extracomment>IDS_PHOTO_TYPE_FOLDER</extracomment>
            <translation>Pasta</translation>
        </message>
        <message>
            <source>Other</source>
            <extracomment>IDS_PHOTO_TYPE_OTHER</extracomment>
            <translation>Outro</translation>
        </message>
        <message>
            <source>Photo</source>
            <extracomment>IDS_PHOTO_TYPE_PHOTO</extracomment>
            <translation>Foto</translation>
        </message>
        <message>
            <source>Video</source>
            <extracomment>IDS_PHOTO_TYPE_VIDEO</extracomment>
            <translation>Vídeo</translation>
        </message>
        <message>
            <source>This function is not available in the demo mode.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_DEMO_SITE</extracomment>
            <translation>Esta função não está disponível no modo de demonstração.</translation>
        </message>
        <message>
            <source>Skip Duplicate File.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_DUPLICATE</extracomment>
            <translation>Arquivo duplicado ignorado.</translation>
        </message>
        <message>
            <source>Not logged in.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_NOT_LOGIN</extracomment>
            <translation>Login não efetuado.</translation>
        </message>
        <message>
            <source>No Privilege.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_NO_PRIVILEGE</extracomment>
            <translation>Sem privilégio.</translation>
        </message>
        <message>
            <source>The destination folder is not found: %1</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_TARGET_NOT_FOUND</extracomment>
            <translation>A pasta de destino não foi encontrada: %1</translation>
        </message>
        <message>
            <source>Failed to upload the following files. \nPlease check the uploading privilege or server connection status.</source>
            <extracomment>IDS_PHOTO_UPD_ERR_REPORT_MSG</extracomment>
            <translation>Falha ao enviar os arquivos a seguir. \nVerifique o privilégio de envio ou o status da conexão com o servidor.</translation>
        </message>
        <message>
            <source>Upload to</source>
            <extracomment>IDS_PHOTO_UPLOAD_TO</extracomment>
            <translation>Enviar para</translation>
        </message>
        <message>
            <source>The selected profile will be removed.</source>
            <extracomment>IDS_PHOTO_WARN_REMOVE_PROFILE</extracomment>
            <translation>O perfil selecionado será removido.</translation>
        </message>
        <message>
            <source>Please select files before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_FILE</extracomment>
            <translation>Selecione os arquivos antes de enviar.</translation>
        </message>
        <message>
            <source>Please select a destination before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_FOLDER</extracomment>
            <translation>Selecione um destino antes de enviar.</translation>
        </message>
        <message>
            <source>Please select at least one video conversion setting before uploading.</source>
            <extracomment>IDS_PHOTO_WARN_SEL_VDO_QTY</extracomment>
            <translation>Selecione pelo menos uma configuração de conversão de vídeo antes de enviar.</translation>
        </message>
        <message>
            <source>Default Functions Tab</source>
            <extracomment>IDS_PREFER_DISPLAYED_TAB_OPTION</extracomment>
            <translation>Guia de funções padrão</translation>
        </message>
        <message>
            <source>Global Settings</source>
            <extracomment>IDS_PREFER_GLOBAL</extracomment>
            <translation>Configurações globais</translation>
        </message>
        <message>
            <source>Language</source>
            <extracomment>IDS_PREFER_HINT_LANG</extracomment>
            <translation>Idioma</translation>
        </message>
        <message>
            <source>Startup</source>
            <extracomment>IDS_PREFER_HINT_START</extracomment>
            <translation>Inicialização</translation>
        </message>
        <message>
            <source>Quenlori Server</source>
            <extracomment>IDS_PRODUCT_NAME</extracomment>
            <translation>Servidor Quenlori</translation>
        </message>
        <message>
            <source>Quick configuration is complete</source>
            <extracomment>IDS_QUICKCONF_COMPLETE</extracomment>
            <translation>Configuração rápida concluída</translation>
        </message>
        <message>
            <source>Quick configuration failed.</source>
            <extracomment>IDS_QUICKCONF_ERR</extracomment>
            <translation>Falha na Configuração rápida.</translation>
        </message>
        <message>
            <source>Close the dialog and try again later.</source>
            <extracomment>IDS_QUICKCONF_RETRY</extracomment>
            <translation>Feche a caixa de diálogo e tente novamente mais tarde.</translation>
        </message>
        <message>
            <source>Quick configuration was not completed due to connection timeout.</source>
            <extracomment>IDS_QUICKCONF_TIMEOUT</extracomment>
            <translation>A Configuração rápida não foi concluída porque o tempo limite de conexão se esgotou.</translation>
        </message>
        <message>
            <source>Get network configuration automatically (DHCP)</source>
            <extracomment>IDS_RDO_DHCP</extracomment>
            <translation>Obter configurações de rede automaticamente (DHCP)</translation>
        </message>
        <message>
            <source>Use manual configuration</source>
            <extracomment>IDS_RDO_MANUAL</extracomment>
            <translation>Usar configuração manual</translation>
        </message>
        <message>
            <source>The selected server(s) will be removed.</source>
            <extracomment>IDS_REMOVE_PROFILES</extracomment>
            <translation>Os servidores selecionados serão removidos.</translation>
        </message>
        <message>
            <source>The following configurations will be applied:</source>
            <extracomment>IDS_REPORT_DESC1</extracomment>
            <translation>As seguintes configurações serão aplicadas:</translation>
        </message>
        <message>
            <source>Item</source>
            <extracomment>IDS_REPORT_ITEM</extracomment>
            <translation>Item</translation>
        </message>
        <message>
            <source>Installation file</source>
            <extracomment>IDS_REPORT_NI_PATCH</extracomment>
            <translation>Arquivo de instalação</translation>
        </message>
        <message>
            <source>Value</source>
            <extracomment>IDS_REPORT_VALUE</extracomment>
            <translation>Valor</translation>
        </message>
        <message>
            <source>To monitor the resource usage of a server, click Add on the upper-left hand corner.</source>
            <extracomment>IDS_RSRCMONI_PAGE_EMPTY</extracomment>
            <translation>Para monitorar o uso de recursos de um servidor, clique em “Adicionar” no canto superior esquerdo.</translation>
        </message>
        <message>
            <source>Adding disk</source>
            <extracomment>IDS_RSRC_VOL_STATUS_ADDDISK, IDS_RSRC_VOL_STATUS_RESHAPE</extracomment>
            <translation>Adicionando disco</translation>
        </message>
        <message>
            <source>Crashed</source>
            <extracomment>IDS_RSRC_VOL_STATUS_CRASHED</extracomment>
            <translation>Com falha</translation>
        </message>
        <message>
            <source>Creating</source>
            <extracomment>IDS_RSRC_VOL_STATUS_CREATE</extracomment>
            <translation>Criando</translation>
        </message>
        <message>
            <source>Degraded</source>
            <extracomment>IDS_RSRC_VOL_STATUS_DEGRADE</extracomment>
            <translation>Degradado</translation>
        </message>
        <message>
            <source>Removing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_DELETE</extracomment>
            <translation>Removendo</translation>
        </message>
        <message>
            <source>Expanding</source>
            <extracomment>IDS_RSRC_VOL_STATUS_EXPAND</extracomment>
            <translation>Expandindo</translation>
        </message>
        <message>
            <source>Migrating</source>
            <extracomment>IDS_RSRC_VOL_STATUS_ISCSITRG_MOVING</extracomment>
            <translation>Migrando</translation>
        </message>
        <message>
            <source>Normal</source>
            <extracomment>IDS_RSRC_VOL_STATUS_NORMAL</extracomment>
            <translation>Normal</translation>
        </message>
        <message>
            <source>Checking parity consistency.</source>
            <extracomment>IDS_RSRC_VOL_STATUS_PARITYCOUNT</extracomment>
            <translation>Verificando a consistência da paridade.</translation>
        </message>
        <message>
            <source>Repairing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_REPAIR</extracomment>
            <translation>Reparando</translation>
        </message>
        <message>
            <source>Re-synchronizing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_RESYNC</extracomment>
            <translation>Ressincronizando</translation>
        </message>
        <message>
            <source>Changing</source>
            <extracomment>IDS_RSRC_VOL_STATUS_UPGRADE</extracomment>
            <translation>Alterando</translation>
        </message>
        <message>
            <source>Failed to setup %1. (Error code: %2)</source>
            <extracomment>IDS_SETUP_FAILED</extracomment>
            <translation>Falha ao configurar o %1. (Código de erro: %2)</translation>
        </message>
        <message>
            <source>Network configurations are complete.</source>
            <extracomment>IDS_SETUP_NET_OK</extracomment>
            <translation>As configurações de rede foram concluídas.</translation>
        </message>
        <message>
            <source>Congratulations! Setup Wizard has completed the basic configurations.</source>
            <extracomment>IDS_SETUP_OK</extracomment>
            <translation>Parabéns! O Assistente de configuração concluiu as configurações básicas.</translation>
        </message>
        <message>
            <source>Disabled</source>
            <extracomment>IDS_STATUS_DISABLE</extracomment>
            <translation>Desabilitado</translation>
        </message>
        <message>
            <source>Enabled</source>
            <extracomment>IDS_STATUS_ENABLE</extracomment>
            <translation>Habilitado</translation>
        </message>
        <message>
            <source>Server name must be 1 to 15 characters long.</source>
            <extracomment>IDS_SVRNAME_LENGTH_ERR</extracomment>
            <translation>O nome do servidor deve ter de 1 a 15 caracteres.</translation>
        </message>
        <message>
            <source>Some application settings might be lost, but the information of user accounts and privileges will be migrated.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_ACCOUNT</extracomment>
            <translation>Algumas configurações de aplicativos podem ser perdidas, mas as informações de contas de usuário e privilégios serão migradas.</translation>
        </message>
        <message>
            <source>Refer to %1here%2 for more information.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_HELP</extracomment>
            <translation>Clique %1aqui%2 para obter mais informações.</translation>
        </message>
        <message>
            <source>Important</source>
            <extracomment>IDS_SYSMIGRAT_DESC_HINT</extracomment>
            <translation>Importante</translation>
        </message>
        <message>
            <source>All packages will require reinstallation after migration.</source>
            <extracomment>IDS_SYSMIGRAT_DESC_PACKAGE</extracomment>
            <translation>Todos os pacotes precisarão ser reinstalados após a migração.</translation>
        </message>
        <message>
            <source>Failed to recover system:</source>
            <extracomment>IDS_SYSRCV_FAILED</extracomment>
            <translation>Falha ao recuperar o sistema:</translation>
        </message>
        <message>
            <source>System recovery is finished.</source>
            <extracomment>IDS_SYSRCV_FINISHED</extracomment>
            <translation>A recuperação do sistema foi concluída.</translation>
        </message>
        <message>
            <source>Progress: Connecting...</source>
            <extracomment>IDS_SYSRCV_PROG_CONNECT</extracomment>
            <translation>Progresso: conectando...</translation>
        </message>
        <message>
            <source>Progress: Recovering system...</source>
            <extracomment>IDS_SYSRCV_PROG_RECOVER</extracomment>
            <translation>Progresso: recuperando o sistema...</translation>
        </message>
        <message>
            <source>Start System Recovery.</source>
            <extracomment>IDS_SYSRCV_START</extracomment>
            <translation>Iniciar a recuperação do sistema.</translation>
        </message>
        <message>
            <source>System Recovery</source>
            <extracomment>IDS_SYSRCV_TITLE</extracomment>
            <translation>Recuperação do sistema</translation>
        </message>
        <message>
            <source>The password is empty.</source>
            <extracomment>IDS_TIP_EMPTY_PASS</extracomment>
            <translation>A senha está vazia.</translation>
        </message>
        <message>
            <source>Help</source>
            <extracomment>IDS_TOOLBAR_HELP</extracomment>
            <translation>Ajuda</translation>
        </message>
        <message>
            <source>Management</source>
            <extracomment>IDS_TOOLBAR_HOME</extracomment>
            <translation>Gerenciamento</translation>
        </message>
        <message>
            <source>Installation</source>
            <extracomment>IDS_TOOLBAR_INSTALLATION</extracomment>
            <translation>Instalação</translation>
        </message>
        <message>
            <source>Preferences</source>
            <extracomment>IDS_TOOLBAR_PREFERENCE, IDS_TOOL_TIPS_PREFERENCE</extracomment>
            <translation>Preferências</translation>
        </message>
        <message>
            <source>Printer Device</source>
            <extracomment>IDS_TOOLBAR_PRINTER_DEVICE</extracomment>
            <translation>Impressoras</translation>
        </message>
        <message>
            <source>%1 is still running.</source>
            <extracomment>IDS_TRAY_APP_RUNNING_MSG</extracomment>
            <translation>O %1 ainda está em execução.</translation>
        </message>
        <message>
            <source>Running in the background</source>
            <extracomment>IDS_TRAY_APP_RUNNING_TITLE</extracomment>
            <translation>Em execução em segundo plano</translation>
        </message>
        <message>
            <source>Interface mode</source>
            <extracomment>IDS_UIMODEL</extracomment>
            <translation>Modo de interface</translation>
        </message>
        <message>
            <source>%1 still has unfinished tasks.</source>
            <extracomment>IDS_UNFINISHED_JOBS</extracomment>
            <translation>O %1 ainda tem tarefas não concluídas.</translation>
        </message>
        <message>
            <source>It may take a few minutes. Please wait...</source>
            <extracomment>IDS_WAIT1</extracomment>
            <translation>Isso pode levar alguns minutos. Aguarde...</translation>
        </message>
        <message>
            <source>Please enter a profile name.</source>
            <extracomment>IDS_WAKEUP_ADD_EMPTY_PROFLE</extracomment>
            <translation>Digite um nome de perfil.</translation>
        </message>
        <message>
            <source>IP address/name</source>
            <extracomment>IDS_WAKEUP_ADD_IPNAME</extracomment>
            <translation>Endereço IP/nome</translation>
        </message>
        <message>
            <source>Network</source>
            <extracomment>IDS_WAKEUP_ADD_NETWORK</extracomment>
            <translation>Rede</translation>
        </message>
        <message>
            <source>WOL Setup</source>
            <extracomment>IDS_WAKEUP_ADD_TITLE</extracomment>
            <translation>Configuração de WOL</translation>
        </message>
        <message>
            <source>WAN</source>
            <extracomment>IDS_WAKEUP_ADD_TYPE_WAN</extracomment>
            <translation>WAN</translation>
        </message>
        <message>
            <source>Please enter a valid MAC address.</source>
            <extracomment>IDS_WAKEUP_ADD_VALID_MAC</extracomment>
            <translation>Digite um endereço MAC válido.</translation>
        </message>
        <message>
            <source>Wake up the server</source>
            <extracomment>IDS_WAKEUP_DLG_MSG</extracomment>
            <translation>Ativar o servidor</translation>
        </message>
        <message>
            <source>WOL status</source>
            <extracomment>IDS_WAKEUP_HEADER_STATUS</extracomment>
            <translation>Status do WOL</translation>
        </message>
        <message>
            <source>Set Up</source>
            <extracomment>IDS_WAKEUP_MENU_SETUP</extracomment>
            <translation>Configurar</translation>
        </message>
        <message>
            <source>Wake Up</source>
            <extracomment>IDS_WAKEUP_MENU_WAKEUP</extracomment>
            <translation>Ativar</translation>
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
            <translation>Desligado</translation>
        </message>
        <message>
            <source>On</source>
            <extracomment>IDS_WAKEUP_STATUS_ON</extracomment>
            <translation>Ligado</translation>
        </message>
        <message>
            <source>WOL(Wake on LAN) allows a shut-down server to be turned on remotely.</source>
            <extracomment>IDS_WAKEUP_TABLE_DESCP</extracomment>
            <translation>O WOL (Wake-on-LAN) permite ligar remotamente um servidor desligado.</translation>
        </message>
        <message>
            <source>Profile name</source>
            <extracomment>IDS_WAKEUP_TABLE_PROFILENAME</extracomment>
            <translation>Nome do perfil</translation>
        </message>
        <message>
            <source>Wake on LAN must be enabled on the server.</source>
            <extracomment>IDS_WAKEUP_TABLE_WARNING</extracomment>
            <translation>O Wake-on-LAN deve estar habilitado no servidor.</translation>
        </message>
        <message>
            <source>Set Up WOL</source>
            <extracomment>IDS_WAKEUP_TITLE</extracomment>
            <translation>Configurar WOL</translation>
        </message>
        <message>
            <source>Warning</source>
            <extracomment>IDS_WARNING</extracomment>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>The server is rebooting. Are you sure you want to cancel?</source>
            <extracomment>IDS_WARN_CANCEL_REBOOT_VR</extracomment>
            <translation>O servidor está reiniciando. Tem certeza de que deseja cancelar?</translation>
        </message>
        <message>
            <source>Note! All data in the hard drive(s) will be deleted while creating a QBV volume.</source>
            <extracomment>IDS_WARN_EARSEDATA_QBV</extracomment>
            <translation>Atenção! Todos os dados dos discos rígidos serão excluídos ao criar um volume QBV.</translation>
        </message>
        <message>
            <source>The password is empty. Are you sure you want to continue?</source>
            <extracomment>IDS_WARN_EMPTY_PASSWD</extracomment>
            <translation>A senha está vazia. Tem certeza de que deseja continuar?</translation>
        </message>
        <message>
            <source>Note! All data in the hard drive(s) will be deleted.</source>
            <extracomment>IDS_WARN_ERASE_DISK</extracomment>
            <translation>Atenção! Todos os dados dos discos rígidos serão excluídos.</translation>
        </message>
        <message>
            <source>All data will be lost. Are you sure you want to continue?</source>
            <extracomment>IDS_WARN_ERASE_DISK2</extracomment>
            <translation>Todos os dados serão perdidos. Tem certeza de que deseja continuar?</translation>
        </message>
        <message>
            <source>Please make sure: \n1. Quenlori Vornakeeper is not blocked by the firewall of your computer OS or anti-virus applications. \n2. %1 and your computer are both connected to the network. \n3. You have switched on the power of %1.</source>
            <extracomment>IDS_WARN_FIREWALL</extracomment>
            <translation>Verifique se: \n1. O Quenlori Vornakeeper não está bloqueado pelo firewall do sistema operacional do computador ou por programas antivírus. \n2. O %1 e o computador estão conectados à rede. \n3. O %1 está ligado.</translation>
        </message>
        <message>
            <source>Please make sure Quenlori Vornakeeper is not blocked by the firewall of Mac OS X.</source>
            <extracomment>IDS_WARN_FIREWALL_MAC</extracomment>
            <translation>Verifique se o Quenlori Vornakeeper não está bloqueado pelo firewall do Mac OS X.</translation>
        </message>
        <message>
            <source>Please make sure Quenlori Vornakeeper is not blocked by Windows Firewall.</source>
            <extracomment>IDS_WARN_FIREWALL_WIN</extracomment>
            <translation>Verifique se o Quenlori Vornakeeper não está bloqueado pelo Firewall do Windows.</translation>
        </message>
        <message>
            <source>Access to the [%1] will be disabled until memory test is finished. The time required for testing depends on the physical memory size of [%2]. It could take from minutes to hours.</source>
            <extracomment>IDS_WARN_MEM_TEST_NO_SERVICE</extracomment>
            <translation>O acesso a [%1] ficará desabilitado até a conclusão do teste de memória. O tempo necessário para o teste depende do tamanho da memória física de [%2] e pode variar de alguns minutos a várias horas.</translation>
        </message>
        <message>
            <source>This computer is connected to more than one subnet, so %1 cannot suggest network settings. Please enter them manually.</source>
            <extracomment>IDS_WARN_MULTIPLE_SUBNET</extracomment>
            <translation>Este computador está conectado a mais de uma sub-rede; por isso, o %1 não pode sugerir configurações de rede. Digite-as manualmente.</translation>
        </message>
        <message>
            <source>This computer is not connected to a network, so %1 cannot suggest network settings. Please check the network connection.</source>
            <extracomment>IDS_WARN_NO_NETWORK</extracomment>
            <translation>Este computador não está conectado a uma rede; por isso, o %1 não pode sugerir configurações de rede. Verifique a conexão de rede.</translation>
        </message>
        <message>
            <source>This function is not available on this operating system.</source>
            <extracomment>IDS_WARN_NT_PLATFORM</extracomment>
            <translation>Esta função não está disponível neste sistema operacional.</translation>
        </message>
        <message>
            <source>Are you sure you want to remove the selected printer?</source>
            <extracomment>IDS_WARN_REMOVE_PRINTER</extracomment>
            <translation>Tem certeza de que deseja remover a impressora selecionada?</translation>
        </message>
        <message>
            <source>Administrator privileges are required for this operation.</source>
            <extracomment>IDS_WARN_REQUIRE_ADMIN</extracomment>
            <translation>Esta operação requer privilégios de administrador.</translation>
        </message>
        <message>
            <source>Failed to connect the Varnestor. Please check the network settings, and make sure the Varnestor is upgraded to VNO %1 or onward.</source>
            <extracomment>IDS_WARN_RSRC_CONN_OR_VER_ERR</extracomment>
            <translation>Falha ao conectar ao Varnestor. Verifique as configurações de rede e se o Varnestor foi atualizado para o VNO %1 ou posterior.</translation>
        </message>
        <message>
            <source>Two or more servers are using the same name. It may result in access issues.</source>
            <extracomment>IDS_WARN_SAME_NAME</extracomment>
            <translation>Dois ou mais servidores estão usando o mesmo nome. Isso pode causar problemas de acesso.</translation>
        </message>
        <message>
            <source>Please use a different name for each server.</source>
            <extracomment>IDS_WARN_SAME_NAME1</extracomment>
            <translation>Use um nome diferente para cada servidor.</translation>
        </message>
        <message>
            <source>Please select a server.</source>
            <extracomment>IDS_WARN_SELECT_VR</extracomment>
            <translation>Selecione um servidor.</translation>
        </message>
        <message>
            <source>Please select a network.</source>
            <extracomment>IDS_WARN_SELECT_NO_NET</extracomment>
            <translation>Selecione uma rede.</translation>
        </message>
        <message>
            <source>Please select a printer.</source>
            <extracomment>IDS_WARN_SELECT_PRINTER</extracomment>
            <translation>Selecione uma impressora.</translation>
        </message>
        <message>
            <source>Failed to get the suggested network settings.</source>
            <extracomment>IDS_WARN_SUGGEST</extracomment>
            <translation>Falha ao obter as configurações de rede sugeridas.</translation>
        </message>
        <message>
            <source>Setup Mode</source>
            <extracomment>IDS_WELCOME_BTN_GRP</extracomment>
            <translation>Modo de configuração</translation>
        </message>
        <message>
            <source>%1 - Setup Wizard</source>
            <extracomment>IDS_WELCOME_MSG1</extracomment>
            <translation>%1 - Assistente de configuração</translation>
        </message>
        <message>
            <source>Welcome to the Setup Wizard!</source>
            <extracomment>IDS_WELCOME_MSG2</extracomment>
            <translation>Boas-vindas ao Assistente de configuração!</translation>
        </message>
        <message>
            <source>Setup Wizard will help you complete the basic configurations of %1.</source>
            <extracomment>IDS_WELCOME_MSG3</extracomment>
            <translation>O Assistente de configuração ajudará você a concluir as configurações básicas de %1.</translation>
        </message>
        <message>
            <source>Browse</source>
            <extracomment>IDS_WELCOME_NI_BTN_PAT</extracomment>
            <translation>Procurar</translation>
        </message>
        <message>
            <source>Your %1 has not installed any VNO. Setup Wizard will help you install VNO and complete the basic configurations.</source>
            <extracomment>IDS_WELCOME_NI_MSG1</extracomment>
            <translation>Nenhum VNO está instalado em %1. O Assistente de configuração ajudará você a instalar o VNO e a concluir as configurações básicas.</translation>
        </message>
        <message>
            <source>Please input the path of installation file.</source>
            <extracomment>IDS_WELCOME_NI_MSG2</extracomment>
            <translation>Digite o caminho do arquivo de instalação.</translation>
        </message>
        <message>
            <source>Open</source>
            <extracomment>IDS_WELCOME_NI_OPEN_CAPTION</extracomment>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>Setup Wizard will install VNO and migrate existing system configurations (such as user accounts and privileges) stored on the hard drives to the new system.</source>
            <extracomment>IDS_WELCOME_NI_SYSMIGRT</extracomment>
            <translation>O Assistente de configuração instalará o VNO e migrará para o novo sistema as configurações existentes (como contas de usuário e privilégios) armazenadas nos discos rígidos.</translation>
        </message>
        <message>
            <source>Quick Setup</source>
            <extracomment>IDS_WELCOME_ONE_CLICK</extracomment>
            <translation>Configuração rápida</translation>
        </message>
        <message>
            <source>Complete Setup</source>
            <extracomment>IDS_WELCOME_STEP_BY_STEP</extracomment>
            <translation>Configuração completa</translation>
        </message>
        <message>
            <source>Failed to add the printer port.</source>
            <extracomment>IDS_WZDADDPTR_ADDPORT_FAIL</extracomment>
            <translation>Falha ao adicionar a porta de impressora.</translation>
        </message>
        <message>
            <source>Unable to add the printer.</source>
            <extracomment>IDS_WZDADDPTR_CANT_ADDPTR</extracomment>
            <translation>Não foi possível adicionar a impressora.</translation>
        </message>
        <message>
            <source>Welcome to the Add Printer Wizard</source>
            <extracomment>IDS_WZDADDPTR_CAP1</extracomment>
            <translation>Boas-vindas ao Assistente para adicionar impressora</translation>
        </message>
        <message>
            <source>Select a printer driver</source>
            <extracomment>IDS_WZDADDPTR_CAP3</extracomment>
            <translation>Selecione um driver de impressora</translation>
        </message>
        <message>
            <source>Name the printer</source>
            <extracomment>IDS_WZDADDPTR_CAP4</extracomment>
            <translation>Dê um nome à impressora</translation>
        </message>
        <message>
            <source>Completing the Add Printer Wizard</source>
            <extracomment>IDS_WZDADDPTR_CAP5</extracomment>
            <translation>Concluindo o Assistente para adicionar impressora</translation>
        </message>
        <message>
            <source>System information</source>
            <extracomment>IDS_WZDADDPTR_CAP_SYSTEM_INFO</extracomment>
            <translation>Informações do sistema</translation>
        </message>
        <message>
            <source>Processing data...</source>
            <extracomment>IDS_WZDADDPTR_DATA_PROCESS</extracomment>
            <translation>Processando dados...</translation>
        </message>
        <message>
            <source>Default</source>
            <extracomment>IDS_WZDADDPTR_DEFAULT</extracomment>
            <translation>Padrão</translation>
        </message>
        <message>
            <source>Set as the default printer</source>
            <extracomment>IDS_WZDADDPTR_DEFAULT_PTR</extracomment>
            <translation>Definir como impressora padrão</translation>
        </message>
        <message>
            <source>Please enter a printer name.</source>
            <extracomment>IDS_WZDADDPTR_EMPTY_NAME</extracomment>
            <translation>Digite um nome de impressora.</translation>
        </message>
        <message>
            <source>Failed to list the printer ports.</source>
            <extracomment>IDS_WZDADDPTR_ENUMPORT_FAIL</extracomment>
            <translation>Falha ao listar as portas de impressora.</translation>
        </message>
        <message>
            <source>Failed to list the printers.</source>
            <extracomment>IDS_WZDADDPTR_ENUMPTR_FAIL</extracomment>
            <translation>Falha ao listar as impressoras.</translation>
        </message>
        <message>
            <source>The printer has been added.</source>
            <extracomment>IDS_WZDADDPTR_FINISH</extracomment>
            <translation>A impressora foi adicionada.</translation>
        </message>
        <message>
            <source>Install from disk</source>
            <extracomment>IDS_WZDADDPTR_FROM_DISK</extracomment>
            <translation>Instalar do disco</translation>
        </message>
        <message>
            <source>Have Disk...</source>
            <extracomment>IDS_WZDADDPTR_HAVE_DISK</extracomment>
            <translation>Com disco...</translation>
        </message>
        <message>
            <source>This wizard helps you add a printer connected to the server.</source>
            <extracomment>IDS_WZDADDPTR_HELP1</extracomment>
            <translation>Este assistente ajuda você a adicionar uma impressora conectada ao servidor.</translation>
        </message>
        <message>
            <source>Select the manufacturer and model of your printer.</source>
            <extracomment>IDS_WZDADDPTR_HINT1</extracomment>
            <translation>Selecione o fabricante e o modelo da impressora.</translation>
        </message>
        <message>
            <source>Driver information file</source>
            <extracomment>IDS_WZDADDPTR_INF</extracomment>
            <translation>Arquivo de informações do driver</translation>
        </message>
        <message>
            <source>Failed to install the printer driver.</source>
            <extracomment>IDS_WZDADDPTR_INSTALL_FAIL</extracomment>
            <translation>Falha ao instalar o driver da impressora.</translation>
        </message>
        <message>
            <source>The printer name contains invalid characters.</source>
            <extracomment>IDS_WZDADDPTR_INVALID_NAMEA</extracomment>
            <translation>O nome da impressora contém caracteres inválidos.</translation>
        </message>
        <message>
            <source>The printer name is invalid.</source>
            <extracomment>IDS_WZDADDPTR_INVALID_NAMEW</extracomment>
            <translation>O nome da impressora é inválido.</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <extracomment>IDS_WZDADDPTR_MANUFACTURER</extracomment>
            <translation>Fabricante</translation>
        </message>
        <message>
            <source>Printer model</source>
            <extracomment>IDS_WZDADDPTR_MODEL</extracomment>
            <translation>Modelo da impressora</translation>
        </message>
        <message>
            <source>Printer name:</source>
            <extracomment>IDS_WZDADDPTR_NAME</extracomment>
            <translation>Nome da impressora:</translation>
        </message>
        <message>
            <source>A printer with this name already exists.</source>
            <extracomment>IDS_WZDADDPTR_NAME_CONFLICT</extracomment>
            <translation>Já existe uma impressora com este nome.</translation>
        </message>
        <message>
            <source>No printer was found.</source>
            <extracomment>IDS_WZDADDPTR_NO_PTR</extracomment>
            <translation>Nenhuma impressora foi encontrada.</translation>
        </message>
        <message>
            <source>The printer is offline.</source>
            <extracomment>IDS_WZDADDPTR_OFFLINE</extracomment>
            <translation>A impressora está offline.</translation>
        </message>
        <message>
            <source>Failed to open the printer.</source>
            <extracomment>IDS_WZDADDPTR_OPENPTR_FAIL</extracomment>
            <translation>Falha ao abrir a impressora.</translation>
        </message>
        <message>
            <source>Port</source>
            <extracomment>IDS_WZDADDPTR_PORT</extracomment>
            <translation>Porta</translation>
        </message>
        <message>
            <source>Printer name</source>
            <extracomment>IDS_WZDADDPTR_PRINTER_NAME</extracomment>
            <translation>Nome da impressora</translation>
        </message>
        <message>
            <source>Selected printer:</source>
            <extracomment>IDS_WZDADDPTR_SELECTED_PTR</extracomment>
            <translation>Impressora selecionada:</translation>
        </message>
        <message>
            <source>Select the printer driver.</source>
            <extracomment>IDS_WZDADDPTR_SELECT_DRIVER</extracomment>
            <translation>Selecione o driver da impressora.</translation>
        </message>
        <message>
            <source>Select the printer to add.</source>
            <extracomment>IDS_WZDADDPTR_SELECT_PTR</extracomment>
            <translation>Selecione a impressora a adicionar.</translation>
        </message>
        <message>
            <source>Summary</source>
            <extracomment>IDS_WZDADDPTR_SUMMARY</extracomment>
            <translation>Resumo</translation>
        </message>
        <message>
            <source>Operating system: %1</source>
            <extracomment>IDS_WZDADDPTR_SYSTEM_INFO</extracomment>
            <translation>Sistema operacional: %1</translation>
        </message>
        <message>
            <source>An unexpected error occurred.</source>
            <extracomment>IDS_WZDADDPTR_UNEXPECTED</extracomment>
            <translation>Ocorreu um erro inesperado.</translation>
        </message>
        <message>
            <source>Failed to find the USB printer.</source>
            <extracomment>IDS_WZDADDPTR_USB_FAIL</extracomment>
            <translation>Falha ao localizar a impressora USB.</translation>
        </message>
        <message>
            <source>Please wait...</source>
            <extracomment>IDS_WZDADDPTR_WAIT</extracomment>
            <translation>Aguarde...</translation>
        </message>
        <message>
            <source>The driver information file is invalid.</source>
            <extracomment>IDS_WZDADDPTR_WRONG_INF</extracomment>
            <translation>O arquivo de informações do driver é inválido.</translation>
        </message>
        <message>
            <source>Unable to map the network drive.</source>
            <extracomment>IDS_WZDMAP_CANT_MAP</extracomment>
            <translation>Não foi possível mapear a unidade de rede.</translation>
        </message>
        <message>
            <source>Unable to map %1 to drive %2.</source>
            <extracomment>IDS_WZDMAP_CANT_MAP_DETAIL</extracomment>
            <translation>Não foi possível mapear %1 para a unidade %2.</translation>
        </message>
        <message>
            <source>Drive letter conflict</source>
            <extracomment>IDS_WZDMAP_CONFLICT</extracomment>
            <translation>Conflito de letra de unidade</translation>
        </message>
        <message>
            <source>Use the existing connection</source>
            <extracomment>IDS_WZDMAP_CONFLICT_DEFAULT</extracomment>
            <translation>Usar a conexão existente</translation>
        </message>
        <message>
            <source>Keep the drive that is mapped now.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_DEFAULT2</extracomment>
            <translation>Manter a unidade mapeada atualmente.</translation>
        </message>
        <message>
            <source>The selected drive letter is already in use.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_INTRO</extracomment>
            <translation>A letra de unidade selecionada já está em uso.</translation>
        </message>
        <message>
            <source>Use a new connection</source>
            <extracomment>IDS_WZDMAP_CONFLICT_NEW</extracomment>
            <translation>Usar uma nova conexão</translation>
        </message>
        <message>
            <source>Disconnect the drive and map it again.</source>
            <extracomment>IDS_WZDMAP_CONFLICT_NEW2</extracomment>
            <translation>Desconectar a unidade e mapeá-la novamente.</translation>
        </message>
        <message>
            <source>Log in again with another account</source>
            <extracomment>IDS_WZDMAP_CONFLICT_PASSWD</extracomment>
            <translation>Fazer login novamente com outra conta</translation>
        </message>
        <message>
            <source>Connecting to server...</source>
            <extracomment>IDS_WZDMAP_CONNECT</extracomment>
            <translation>Conectando ao servidor...</translation>
        </message>
        <message>
            <source>Failed to connect to the server.</source>
            <extracomment>IDS_WZDMAP_CONNECT_FAIL</extracomment>
            <translation>Falha ao conectar ao servidor.</translation>
        </message>
        <message>
            <source>Drive:</source>
            <extracomment>IDS_WZDMAP_DRIVE</extracomment>
            <translation>Unidade:</translation>
        </message>
        <message>
            <source>Please enter an account name.</source>
            <extracomment>IDS_WZDMAP_EMPTY_NAME</extracomment>
            <translation>Digite um nome de conta.</translation>
        </message>
        <message>
            <source>The network drive could not be mapped.</source>
            <extracomment>IDS_WZDMAP_ERROR_INTRO</extracomment>
            <translation>A unidade de rede não pôde ser mapeada.</translation>
        </message>
        <message>
            <source>The drive letter is in use.</source>
            <extracomment>IDS_WZDMAP_ERROR_IN_USE</extracomment>
            <translation>A letra de unidade está em uso.</translation>
        </message>
        <message>
            <source>Mapping failed.</source>
            <extracomment>IDS_WZDMAP_FAILED</extracomment>
            <translation>Falha no mapeamento.</translation>
        </message>
        <message>
            <source>Shared folder:</source>
            <extracomment>IDS_WZDMAP_FOLDER</extracomment>
            <translation>Pasta compartilhada:</translation>
        </message>
        <message>
            <source>Enter account information</source>
            <extracomment>IDS_WZDMAP_INPUT_TITLE</extracomment>
            <translation>Digite as informações da conta</translation>
        </message>
        <message>
            <source>You do not have the rights to access this shared folder.</source>
            <extracomment>IDS_WZDMAP_INSUFFICIENT_RIGHT</extracomment>
            <translation>Você não tem direitos de acesso a esta pasta compartilhada.</translation>
        </message>
        <message>
            <source>Welcome to the Map Network Drive Wizard</source>
            <extracomment>IDS_WZDMAP_INTRO1</extracomment>
            <translation>Boas-vindas ao Assistente para mapear unidade de rede</translation>
        </message>
        <message>
            <source>This wizard maps a shared folder of the server to a drive of this computer.</source>
            <extracomment>IDS_WZDMAP_INTRO2</extracomment>
            <translation>Este assistente mapeia uma pasta compartilhada do servidor para uma unidade deste computador.</translation>
        </message>
        <message>
            <source>Select the shared folder to map.</source>
            <extracomment>IDS_WZDMAP_INTRO3</extracomment>
            <translation>Selecione a pasta compartilhada a mapear.</translation>
        </message>
        <message>
            <source>Select a drive letter for the shared folder.</source>
            <extracomment>IDS_WZDMAP_INTRO4</extracomment>
            <translation>Selecione uma letra de unidade para a pasta compartilhada.</translation>
        </message>
        <message>
            <source>Log in as guest</source>
            <extracomment>IDS_WZDMAP_LOGIN_BY_GUEST</extracomment>
            <translation>Fazer login como convidado</translation>
        </message>
        <message>
            <source>Log in as the previous user</source>
            <extracomment>IDS_WZDMAP_LOGIN_PREV_USER</extracomment>
            <translation>Fazer login como o usuário anterior</translation>
        </message>
        <message>
            <source>Name:</source>
            <extracomment>IDS_WZDMAP_NAME</extracomment>
            <translation>Nome:</translation>
        </message>
        <message>
            <source>Network status</source>
            <extracomment>IDS_WZDMAP_NETWORK_STATUS</extracomment>
            <translation>Status da rede</translation>
        </message>
        <message>
            <source>The network drive has been mapped.</source>
            <extracomment>IDS_WZDMAP_OK_INTRO</extracomment>
            <translation>A unidade de rede foi mapeada.</translation>
        </message>
        <message>
            <source>Open the drive now</source>
            <extracomment>IDS_WZDMAP_OK_OPEN</extracomment>
            <translation>Abrir a unidade agora</translation>
        </message>
        <message>
            <source>Reconnect at logon</source>
            <extracomment>IDS_WZDMAP_RECONNECT</extracomment>
            <translation>Reconectar ao fazer login</translation>
        </message>
        <message>
            <source>Map again</source>
            <extracomment>IDS_WZDMAP_REMAP</extracomment>
            <translation>Mapear novamente</translation>
        </message>
        <message>
            <source>Please select a shared folder.</source>
            <extracomment>IDS_WZDMAP_SELECT_NONE</extracomment>
            <translation>Selecione uma pasta compartilhada.</translation>
        </message>
        <message>
            <source>The network drive has been mapped successfully.</source>
            <extracomment>IDS_WZDMAP_SUCCEED</extracomment>
            <translation>A unidade de rede foi mapeada com êxito.</translation>
        </message>
        <message>
            <source>Enter a name for this server profile.</source>
            <extracomment>IDS_WZDRSRC_PROFILE_SUBTITLE</extracomment>
            <translation>Digite um nome para este perfil de servidor.</translation>
        </message>
        <message>
            <source>Conclusion</source>
            <extracomment>IDS_WZD_CONCLUSION</extracomment>
            <translation>Conclusão</translation>
        </message>
        <message>
            <source>Configuration finished</source>
            <extracomment>IDS_WZD_CONF_FINISHED</extracomment>
            <translation>Configuração concluída</translation>
        </message>
        <message>
            <source>Create password</source>
            <extracomment>IDS_WZD_CREATE_PASSWD</extracomment>
            <translation>Criar senha</translation>
        </message>
        <message>
            <source>Enter password</source>
            <extracomment>IDS_WZD_ENTER_PASSWD</extracomment>
            <translation>Digitar senha</translation>
        </message>
        <message>
            <source>Launch the Add Printer Wizard</source>
            <extracomment>IDS_WZD_LAUNCH_ADDPTR</extracomment>
            <translation>Iniciar o Assistente para adicionar impressora</translation>
        </message>
        <message>
            <source>Welcome to the Memory Diagnostic Tool</source>
            <extracomment>IDS_WZD_MEM_TEST</extracomment>
            <translation>Boas-vindas à Ferramenta de diagnóstico de memória</translation>
        </message>
        <message>
            <source>Setup network</source>
            <extracomment>IDS_WZD_NETWORK</extracomment>
            <translation>Configurar a rede</translation>
        </message>
        <message>
            <source>Network settings finished</source>
            <extracomment>IDS_WZD_NET_FINISHED</extracomment>
            <translation>Configurações de rede concluídas</translation>
        </message>
        <message>
            <source>Network settings report</source>
            <extracomment>IDS_WZD_NET_REPORT</extracomment>
            <translation>Relatório das configurações de rede</translation>
        </message>
        <message>
            <source>Configuration report</source>
            <extracomment>IDS_WZD_REPORT</extracomment>
            <translation>Relatório de configuração</translation>
        </message>
        <message>
            <source>Enter server information</source>
            <extracomment>IDS_WZD_SVR_INFO</extracomment>
            <translation>Digitar as informações do servidor</translation>
        </message>
        <message>
            <source>The local file could not be read: %1</source>
            <extracomment>IDS_PHOTO_UPD_ERR_MSG_LOCAL_READ</extracomment>
            <translation>Não foi possível ler o arquivo local: %1</translation>
        </message>
    </context>
    <context>
        <name>CVorkNasinfoModel</name>
        <message>
            <source>Manual</source>
            <translation>Manual</translation>
        </message>
        <message>
            <source>DHCP</source>
            <translation>DHCP</translation>
        </message>
        <message>
            <source>update %1</source>
            <translation>atualização %1</translation>
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
