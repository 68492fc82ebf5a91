<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About the VANTOR FTP SERVER Wizard</source>
        <translation>關於 VANTOR FTP SERVER 設定精靈</translation>
    </message>
    <message>
        <source>VANTOR FTPD Wizard V1.0</source>
        <translation>VANTOR FTPD 設定精靈 V1.0</translation>
    </message>
    <message>
        <source>version %1 , running on Qt %2</source>
        <translation>版本 %1，執行於 Qt %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>About VANTOR FTP SERVER wizard(&amp;A)...</source>
        <translation>關於 VANTOR FTP SERVER 設定精靈(&amp;A)...</translation>
    </message>
    <message>
        <source>user&amp;group file|*.user|All files|*.*||</source>
        <translation>使用者與群組檔|*.user|所有檔案|*.*||</translation>
    </message>
    <message>
        <source>allowed IP definition file|*.allow|All files|*.*||</source>
        <translation>允許的 IP 定義檔|*.allow|所有檔案|*.*||</translation>
    </message>
    <message>
        <source>virtual file system definition file|*.vfs|All files|*.*||</source>
        <translation>虛擬檔案系統定義檔|*.vfs|所有檔案|*.*||</translation>
    </message>
    <message>
        <source>If you need to specify the DATA connection port ranges , please check this option ( mostly used when user is restricted by Firewall )</source>
        <translation>如果您需要指定資料連線的連接埠範圍，請勾選此選項（多用於使用者受防火牆限制時）</translation>
    </message>
    <message>
        <source>Do not check this option if your server has legal and illegal IPs at the same time </source>
        <translation>如果您的伺服器同時擁有合法與非法的 IP，請勿勾選此選項</translation>
    </message>
    <message>
        <source>Check this option if you don&apos;t want the ftp server to have passive connection with hosts with unknown IPs ( no FXP with unauthorized IPs )</source>
        <translation>如果您不希望 FTP 伺服器與未知 IP 的主機建立被動連線，請勾選此選項（不允許與未授權 IP 進行 FXP）</translation>
    </message>
    <message>
        <source>If you wish to check client&apos;s IP range after the user logs in , please check this</source>
        <translation>如果您希望在使用者登入後檢查用戶端的 IP 範圍，請勾選此項</translation>
    </message>
    <message>
        <source>If you wish to perform IP checking before any user logs in , please check this</source>
        <translation>如果您希望在任何使用者登入前進行 IP 檢查，請勾選此項</translation>
    </message>
    <message>
        <source>the below 3 check boxes are the permissions of the owner of this virtual directory</source>
        <translation>下列 3 個核取方塊是此虛擬目錄擁有者的權限</translation>
    </message>
    <message>
        <source>allows downloading files and reading directory lists from this directory</source>
        <translation>允許從此目錄下載檔案及讀取目錄清單</translation>
    </message>
    <message>
        <source>allows uploading files and making directories under this directory</source>
        <translation>允許在此目錄下上傳檔案及建立目錄</translation>
    </message>
    <message>
        <source>allows deleting , renaming and overwriting files under this directory</source>
        <translation>允許在此目錄下刪除、重新命名及覆寫檔案</translation>
    </message>
    <message>
        <source>if checked , the child paths under this path will inherit the permissions of this directory</source>
        <translation>若勾選，此路徑下的子路徑將繼承此目錄的權限</translation>
    </message>
    <message>
        <source>the mapped virtual directory of a physical directory , ex: /temp</source>
        <translation>實體目錄所對應的虛擬目錄，例如：/temp</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>physical path can not be empty</source>
        <translation>實體路徑不可為空白</translation>
    </message>
    <message>
        <source>physical path does not exist</source>
        <translation>實體路徑不存在</translation>
    </message>
    <message>
        <source>virtual path can not be empty</source>
        <translation>虛擬路徑不可為空白</translation>
    </message>
    <message>
        <source>must be a full virtual path , starting from / ( root directory )</source>
        <translation>必須是完整的虛擬路徑，由 /（根目錄）開始</translation>
    </message>
    <message>
        <source>empty directory owner , using default</source>
        <translation>目錄擁有者為空白，將使用 default</translation>
    </message>
    <message>
        <source>empty directory owner group , using default</source>
        <translation>目錄擁有者群組為空白，將使用 default</translation>
    </message>
    <message>
        <source>please input the server name of your FTP server</source>
        <translation>請輸入您的 FTP 伺服器名稱</translation>
    </message>
    <message>
        <source>please input the listen PORT (1-65535) of the FTP server</source>
        <translation>請輸入 FTP 伺服器的監聽連接埠（1-65535）</translation>
    </message>
    <message>
        <source>please enter the root path of your FTP server , you can setup your virtual file system later </source>
        <translation>請輸入您的 FTP 伺服器根目錄路徑，虛擬檔案系統可稍後再設定</translation>
    </message>
    <message>
        <source>please choose the IP of your server , if your server has both legal and illegal IPs , please choose a proper one</source>
        <translation>請選擇您伺服器的 IP，如果您的伺服器同時擁有合法與非法的 IP，請選擇適當的一個</translation>
    </message>
    <message>
        <source>virtual path already exists , please delete that virtual path first , or use update button to update this virtual path</source>
        <translation>虛擬路徑已存在，請先刪除該虛擬路徑，或使用更新按鈕更新此虛擬路徑</translation>
    </message>
    <message>
        <source>please do not delete the virtual path / for FTP server root directory  , but you can change its physical path or the permissions</source>
        <translation>請勿刪除 FTP 伺服器根目錄的虛擬路徑 /，但您可以變更它的實體路徑或權限</translation>
    </message>
    <message>
        <source>please do not change the virtual path / to other virtual paths , but you can change its physical path to another directory</source>
        <translation>請勿將虛擬路徑 / 變更為其他虛擬路徑，但您可以將它的實體路徑變更為其他目錄</translation>
    </message>
    <message>
        <source>user&apos;s level , choose the proper one for the user , the guest can not perform any special commands and the root can do anything</source>
        <translation>使用者等級，請為使用者選擇適當的等級，guest 不能執行任何特殊指令，root 則可以做任何事</translation>
    </message>
    <message>
        <source>the allowed IP ranges , input 192.52.62. for 192.52.62.*</source>
        <translation>允許的 IP 範圍，輸入 192.52.62. 代表 192.52.62.*</translation>
    </message>
    <message>
        <source>this can be empty</source>
        <translation>此欄可以空白</translation>
    </message>
    <message>
        <source>the IP or IP range that is allowed to connect to this server , please input full IP or partial ( ex: 140.141.41. )</source>
        <translation>允許連線到此伺服器的 IP 或 IP 範圍，請輸入完整或部分 IP（例如：140.141.41.）</translation>
    </message>
    <message>
        <source>if you set the ratio to 1:3 that means by uploading 1kb the user can download 3kb</source>
        <translation>若將比率設為 1:3，表示使用者每上傳 1kb 即可下載 3kb</translation>
    </message>
    <message>
        <source>the server root directory can not be empty</source>
        <translation>伺服器根目錄不可為空白</translation>
    </message>
    <message>
        <source>the server root directory does not exist</source>
        <translation>伺服器根目錄不存在</translation>
    </message>
    <message>
        <source>FTP server configuration file|*.ftpd|All files|*.*||</source>
        <translation>FTP 伺服器設定檔|*.ftpd|所有檔案|*.*||</translation>
    </message>
    <message>
        <source>username is empty , can not proceed</source>
        <translation>使用者名稱為空白，無法繼續</translation>
    </message>
    <message>
        <source>setup can not find *.user in the current working directory , please browse *.user files if you have some in other directories , otherwise please enter a new name for your user file (*.user)</source>
        <translation>安裝程式在目前的工作目錄中找不到 *.user，如果其他目錄中有 *.user 檔案，請瀏覽選取，否則請為您的使用者檔案輸入新名稱（*.user）</translation>
    </message>
    <message>
        <source>setup can not find *.allow (IP allowing definition file) in the current working directory , please browse *.allow files if you have some in other directories , otherwise please enter a new name for your user file (*.allow)</source>
        <translation>安裝程式在目前的工作目錄中找不到 *.allow（IP 允許定義檔），如果其他目錄中有 *.allow 檔案，請瀏覽選取，否則請為您的檔案輸入新名稱（*.allow）</translation>
    </message>
    <message>
        <source>your *.user file is empty , you will need to add a new user to your user file later , otherwise no one can login your FTP server</source>
        <translation>您的 *.user 檔案是空的，您稍後需要在使用者檔案中新增使用者，否則沒有人能登入您的 FTP 伺服器</translation>
    </message>
    <message>
        <source>your *.allow (IP allowing file) is empty , setup will not save it for you and the IP checking is disabled</source>
        <translation>您的 *.allow（IP 允許檔）是空的，安裝程式不會為您儲存它，IP 檢查也將停用</translation>
    </message>
    <message>
        <source>the path %1 is longer than %2 characters , it can not be used</source>
        <translation>路徑 %1 超過 %2 個字元，無法使用</translation>
    </message>
    <message>
        <source>the file %1 can not be read or written : %2</source>
        <translation>無法讀取或寫入檔案 %1：%2</translation>
    </message>
    <message>
        <source>Browse for local dir</source>
        <translation>瀏覽本機目錄</translation>
    </message>
    <message>
        <source>Port OK</source>
        <translation>連接埠可用</translation>
    </message>
    <message>
        <source>Port USED</source>
        <translation>連接埠已被使用</translation>
    </message>
    <message>
        <source>Please enter a positive whole number.</source>
        <translation>請輸入一個正整數。</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>請輸入一個整數。</translation>
    </message>
    <message>
        <source>Please enter a whole number from %1 to %2.</source>
        <translation>請輸入 %1 到 %2 之間的整數。</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>請輸入不超過 %1 個字元。</translation>
    </message>
    <message>
        <source>the current working directory is longer than %1 characters , setup can not use it</source>
        <translation>目前的工作目錄超過 %1 個字元，安裝程式無法使用</translation>
    </message>
    <message>
        <source>the current working directory can not be read , setup can not use it</source>
        <translation>無法讀取目前的工作目錄，安裝程式無法使用</translation>
    </message>
    <message>
        <source>the server name can not hold a line break</source>
        <translation>伺服器名稱不可包含換行</translation>
    </message>
    <message>
        <source>the server root directory can not hold a line break or the character |</source>
        <translation>伺服器根目錄不可包含換行或字元 |</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>權限不足</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>檔案或其所在資料夾不存在</translation>
    </message>
    <message>
        <source>it is a folder , not a file</source>
        <translation>這是資料夾，不是檔案</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <source>the disk can not be written</source>
        <translation>磁碟無法寫入</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名稱太長</translation>
    </message>
    <message>
        <source>the text can not hold a line break</source>
        <translation>文字不可包含換行</translation>
    </message>
    <message>
        <source>the character : can not be used in a name , password , group , note or language</source>
        <translation>名稱、密碼、群組、備註及語言中不可使用字元 :</translation>
    </message>
    <message>
        <source>the user name can not hold the character @ , it separates the user from the IP in the *.allow file</source>
        <translation>使用者名稱不可包含字元 @，它在 *.allow 檔中用來分隔使用者與 IP</translation>
    </message>
    <message>
        <source>the user name is longer than %1 characters</source>
        <translation>使用者名稱超過 %1 個字元</translation>
    </message>
    <message>
        <source>the account is longer than %1 characters in all , please shorten its texts</source>
        <translation>此帳號的內容合計超過 %1 個字元，請縮短其文字</translation>
    </message>
    <message>
        <source>the account line does not belong to the user name</source>
        <translation>帳號資料與使用者名稱不符</translation>
    </message>
    <message>
        <source>the IP must be a full IP such as 140.141.41.1 or a partial one ending in . such as 140.141.41.</source>
        <translation>IP 必須是完整的 IP（例如 140.141.41.1），或以 . 結尾的部分 IP（例如 140.141.41.）</translation>
    </message>
    <message>
        <source>the character | can not be used in a path or a name of a mount point</source>
        <translation>掛載點的路徑或名稱中不可使用字元 |</translation>
    </message>
    <message>
        <source>a path or a name of a mount point can not hold a line break</source>
        <translation>掛載點的路徑或名稱不可包含換行</translation>
    </message>
    <message>
        <source>the owner or group name is longer than %1 characters</source>
        <translation>擁有者或群組名稱超過 %1 個字元</translation>
    </message>
    <message>
        <source>the mount point is longer than %1 characters in all , please use shorter paths</source>
        <translation>此掛載點的內容合計超過 %1 個字元，請使用較短的路徑</translation>
    </message>
    <message>
        <source>a file or folder name can not hold a line break</source>
        <translation>檔案或資料夾名稱不可包含換行</translation>
    </message>
    <message>
        <source>&amp;Working directory:</source>
        <translation>工作目錄(&amp;W)：</translation>
    </message>
    <message>
        <source>this is your home directory and it holds no FTP server definition files , please choose the FTP server&apos;s directory with ...</source>
        <translation>這是您的家目錄，其中沒有 FTP 伺服器定義檔，請以「...」選擇 FTP 伺服器的目錄</translation>
    </message>
    <message>
        <source>choose the directory in which setup looks for and writes the FTP server definition files</source>
        <translation>選擇安裝程式尋找及寫入 FTP 伺服器定義檔的目錄</translation>
    </message>
    <message>
        <source>Choose the FTP server&apos;s directory</source>
        <translation>選擇 FTP 伺服器的目錄</translation>
    </message>
    <message>
        <source>setup could not finish this action : %1</source>
        <translation>安裝程式無法完成此動作：%1</translation>
    </message>
    <message>
        <source>the file %1 was changed by another program after setup read it . overwrite it with what is shown here , or reload it and lose the changes made here ?</source>
        <translation>檔案 %1 在安裝程式讀取後已被另一個程式變更。要以此處顯示的內容覆寫它，還是重新讀取它並放棄在此處所做的變更？</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆寫</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新讀取</translation>
    </message>
    <message>
        <source>the file %1 was changed by another program after setup read it . overwrite it with the accounts shown here , or reload it to show the accounts it holds now ?</source>
        <translation>檔案 %1 在安裝程式讀取後已被另一個程式變更。要以此處顯示的帳號覆寫它，還是重新讀取它以顯示其中現有的帳號？</translation>
    </message>
    <message>
        <source>the file %1 was changed by another program after setup read it . overwrite it with this design , or reload it into the design and leave the file as it is ?</source>
        <translation>檔案 %1 在安裝程式讀取後已被另一個程式變更。要以此設計覆寫它，還是將它重新讀入設計並保留檔案原狀？</translation>
    </message>
    <message>
        <source>the server configuration file %1 already exists and this design did not write it , it may be the configuration of another server , replace its settings with this design&apos;s ?</source>
        <translation>伺服器設定檔 %1 已經存在，且不是此設計所寫入的，它可能是另一個伺服器的設定。要以此設計的設定取代其中的設定嗎？</translation>
    </message>
    <message>
        <source>the server configuration file %1 was changed by another program after this design wrote it , replace its settings with this design&apos;s ?</source>
        <translation>伺服器設定檔 %1 在此設計寫入後已被另一個程式變更。要以此設計的設定取代其中的設定嗎？</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to the VANTOR FTP SERVER configuration wizard</source>
        <translation>歡迎使用 VANTOR FTP SERVER 設定精靈</translation>
    </message>
    <message>
        <source>VANTOR FTPD is a high performance , full featured FTP server software , now you can use this configuration wizard to design and maintain your FTP server definition files .</source>
        <translation>VANTOR FTPD 是一套高效能、功能完整的 FTP 伺服器軟體，現在您可以使用此設定精靈來設計並維護您的 FTP 伺服器定義檔。</translation>
    </message>
    <message>
        <source>Before you can use your FTP server , you have to design your FTP server by this configuration wizard</source>
        <translation>在使用 FTP 伺服器之前，您必須先以此設定精靈設計您的 FTP 伺服器</translation>
    </message>
    <message>
        <source>What do you wish to do now ...</source>
        <translation>您現在想要做什麼…</translation>
    </message>
    <message>
        <source>Design a FTP server</source>
        <translation>設計 FTP 伺服器</translation>
    </message>
    <message>
        <source>Edit User and Group file</source>
        <translation>編輯使用者與群組檔</translation>
    </message>
    <message>
        <source>Edit Virtual File System file</source>
        <translation>編輯虛擬檔案系統檔</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
</TS>
