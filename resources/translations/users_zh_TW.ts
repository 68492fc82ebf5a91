<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>UserManagerDialog</name>
    <message>
        <source>User Management Dialog</source>
        <translation>使用者管理</translation>
    </message>
    <message>
        <source>User account management</source>
        <translation>使用者帳號管理</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名稱：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>add user</source>
        <translation>新增使用者</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>群組：</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>備註：</translation>
    </message>
    <message>
        <source>del user</source>
        <translation>刪除使用者</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>等級：</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>update user</source>
        <translation>更新使用者</translation>
    </message>
    <message>
        <source>Allow FTP account</source>
        <translation>允許 FTP 帳號</translation>
    </message>
    <message>
        <source>DL speed limit</source>
        <translation>下載速度限制</translation>
    </message>
    <message>
        <source>kb/s</source>
        <translation>kb/s</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>已上傳</translation>
    </message>
    <message>
        <source>kb</source>
        <translation>kb</translation>
    </message>
    <message>
        <source>UL speed limit</source>
        <translation>上傳速度限制</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>已下載</translation>
    </message>
    <message>
        <source>disable IP checking</source>
        <translation>停用 IP 檢查</translation>
    </message>
    <message>
        <source>Max logins amount</source>
        <translation>最多登入數</translation>
    </message>
    <message>
        <source>time</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Ratio 1:</source>
        <translation>比率 1:</translation>
    </message>
    <message>
        <source>Allow IP</source>
        <translation>允許的 IP</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>File (&amp;F)</source>
        <translation>檔案 (&amp;F)</translation>
    </message>
    <message>
        <source>Open (&amp;O)</source>
        <translation>開啟 (&amp;O)</translation>
    </message>
    <message>
        <source>New (&amp;N)</source>
        <translation>開新檔案 (&amp;N)</translation>
    </message>
    <message>
        <source>Save (&amp;S)</source>
        <translation>儲存 (&amp;S)</translation>
    </message>
    <message>
        <source>Save as ..(&amp;A)</source>
        <translation>另存新檔.. (&amp;A)</translation>
    </message>
</context>
<context>
    <name>UsersIntroPage</name>
    <message>
        <source>server configuration wizard - users and groups</source>
        <translation>伺服器設定精靈 - 使用者與群組</translation>
    </message>
    <message>
        <source>VANTOR FTP SERVER breaks the limitation of Windows sytems , it does not require Windows NT's security system and it can provide its own user and group security system .</source>
        <translation>VANTOR FTP SERVER 突破 Windows 系統的限制，不需要 Windows NT 的安全系統，並能提供自己的使用者與群組安全系統。</translation>
    </message>
    <message>
        <source>Now you can add / delete / change users and groups for your FTP servers , and if you have already setup some users and groups you can skip this step and click the Next directly</source>
        <translation>現在您可以為您的 FTP 伺服器新增、刪除、變更使用者與群組；如果您已經設定好一些使用者與群組，可以略過這個步驟，直接按「下一步」</translation>
    </message>
    <message>
        <source>Now using:</source>
        <translation>目前使用：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>setup users and groups </source>
        <translation>設定使用者與群組</translation>
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
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
</TS>
