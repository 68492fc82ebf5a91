<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BasicOptionsPage</name>
    <message>
        <source>server configuration wizard - basic options</source>
        <translation>伺服器設定精靈 - 基本選項</translation>
    </message>
    <message>
        <source>basic options</source>
        <translation>基本選項</translation>
    </message>
    <message>
        <source>server name:</source>
        <translation>伺服器名稱：</translation>
    </message>
    <message>
        <source>server port:</source>
        <translation>伺服器連接埠：</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>檢查</translation>
    </message>
    <message>
        <source>server IP:</source>
        <translation>伺服器 IP：</translation>
    </message>
    <message>
        <source>auto choose</source>
        <translation>自動選擇</translation>
    </message>
    <message>
        <source>root directory:</source>
        <translation>根目錄：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>allow anonymous users</source>
        <translation>允許匿名使用者</translation>
    </message>
    <message>
        <source>max anonymous connections</source>
        <translation>最多匿名連線</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>max normal connections</source>
        <translation>最多一般連線</translation>
    </message>
    <message>
        <source>max connections per same IP</source>
        <translation>同一 IP 最多連線</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>MoreOptionsPage</name>
    <message>
        <source>server configuration wizard - more options</source>
        <translation>伺服器設定精靈 - 更多選項</translation>
    </message>
    <message>
        <source>security options ( disable if not clicked )</source>
        <translation>安全選項（未勾選則停用）</translation>
    </message>
    <message>
        <source>check client IP - before the logging in</source>
        <translation>檢查用戶端 IP - 登入之前</translation>
    </message>
    <message>
        <source>check client IP - after the logging in</source>
        <translation>檢查用戶端 IP - 登入之後</translation>
    </message>
    <message>
        <source>check DATA connection IP ( passive mode only )</source>
        <translation>檢查資料連線 IP（僅限被動模式）</translation>
    </message>
    <message>
        <source>server option ( automatic , if not checked  )</source>
        <translation>伺服器選項（未勾選則自動）</translation>
    </message>
    <message>
        <source>PASV port ranges</source>
        <translation>PASV 連接埠範圍</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Disconnect user after</source>
        <translation>使用者閒置</translation>
    </message>
    <message>
        <source>secs of idling</source>
        <translation>秒後中斷連線</translation>
    </message>
    <message>
        <source>advanced server option ( expert only )</source>
        <translation>進階伺服器選項（僅限專家）</translation>
    </message>
    <message>
        <source>IP rolling for PASV connections ( multi IP server )</source>
        <translation>PASV 連線輪替 IP（多 IP 伺服器）</translation>
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
