<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>FinishPage</name>
    <message>
        <source>server configuration wizard - finishing the setup</source>
        <translation>伺服器設定精靈 - 完成設定</translation>
    </message>
    <message>
        <source>Congratulation ! you are about to finish the VANTOR FTP SERVER configuration wizard , please enter the desired names for the 4 configuration files , and please save them into the VANTOR FTP SERVER program directory .</source>
        <translation>恭喜！您即將完成 VANTOR FTP SERVER 設定精靈，請為 4 個設定檔輸入想要的名稱，並請將它們儲存在 VANTOR FTP SERVER 的程式目錄中。</translation>
    </message>
    <message>
        <source>Save file names as ...</source>
        <translation>檔案儲存名稱...</translation>
    </message>
    <message>
        <source>server configuration file *.ftpd:</source>
        <translation>伺服器設定檔 *.ftpd：</translation>
    </message>
    <message>
        <source>virtual file system configuration file *.vfs:</source>
        <translation>虛擬檔案系統設定檔 *.vfs：</translation>
    </message>
    <message>
        <source>users and groups configuration file *.user</source>
        <translation>使用者與群組設定檔 *.user</translation>
    </message>
    <message>
        <source>IP allowing definition file *.allow</source>
        <translation>允許的 IP 定義檔 *.allow</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>start this server when launching VANTOR FTPD</source>
        <translation>啟動 VANTOR FTPD 時一併啟動此伺服器</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>the file name can not be empty , setup can not save a file without a name</source>
        <translation>檔案名稱不可為空白，安裝程式無法儲存沒有名稱的檔案</translation>
    </message>
    <message>
        <source>the text can not hold the byte 0x1A or a NUL byte</source>
        <translation>文字中不可包含位元組 0x1A 或 NUL 位元組</translation>
    </message>
    <message>
        <source>a path or a name of a mount point can not hold the byte 0x1A or a NUL byte</source>
        <translation>掛載點的路徑或名稱不可包含位元組 0x1A 或 NUL 位元組</translation>
    </message>
    <message>
        <source>a file or folder name can not hold the byte 0x1A or a NUL byte</source>
        <translation>檔案或資料夾名稱不可包含位元組 0x1A 或 NUL 位元組</translation>
    </message>
    <message>
        <source>the file %1 holds the byte 0x1A in line %2 , which ends the file for setup and for the server : what follows it is not read , and saving the file would lose it</source>
        <translation>檔案 %1 的第 %2 行含有位元組 0x1A，安裝程式與伺服器讀到此處即視為檔案結束：其後的內容不會被讀取，儲存此檔案將會遺失這些內容</translation>
    </message>
    <message>
        <source>line %2 of the file %1 is longer than %3 characters : setup and the server read it as several lines , and saving the file would split it</source>
        <translation>檔案 %1 的第 %2 行超過 %3 個字元：安裝程式與伺服器會將它讀成數行，儲存此檔案將會把它拆開</translation>
    </message>
    <message>
        <source>setup could not read the file %1 whole ( from line %2 ) , replacing it now changes what was not read , replace it anyway ?</source>
        <translation>安裝程式無法完整讀取檔案 %1（自第 %2 行起），現在取代它會改變未讀取的內容，仍要取代嗎？</translation>
    </message>
    <message>
        <source>the file %1 already exists and what setup is about to write into it was not read from it , replace its content ?</source>
        <translation>檔案 %1 已經存在，而安裝程式即將寫入的內容並非從此檔案讀取，要取代它的內容嗎？</translation>
    </message>
    <message>
        <source>the names %1 and %2 lead to the same file , please give each file a name of its own</source>
        <translation>名稱 %1 與 %2 指向同一個檔案，請為每個檔案取不同的名稱</translation>
    </message>
</context>
</TS>
