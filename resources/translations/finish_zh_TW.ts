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
</context>
</TS>
