<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AdminTexts</name>
    <message>
        <source>more than one file to choose from: %1; name one with %2</source>
        <translation>有不只一個檔案可選：%1；請以 %2 指定其中一個</translation>
    </message>
    <message>
        <source>no account is named %1</source>
        <translation>沒有名為 %1 的帳號</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>write 1 or 0</source>
        <translation>請寫 1 或 0</translation>
    </message>
    <message>
        <source>no *.vfs file in %1; name one with --vfs-file</source>
        <translation>%1 中沒有 *.vfs 檔案；請以 --vfs-file 指定一個</translation>
    </message>
    <message>
        <source>write a whole number from 0 up</source>
        <translation>請寫 0 以上的整數</translation>
    </message>
    <message>
        <source>could not write standard output: %1</source>
        <translation>無法寫入標準輸出：%1</translation>
    </message>
    <message>
        <source>the user name is longer than %1 bytes</source>
        <translation>使用者名稱超過 %1 位元組</translation>
    </message>
    <message>
        <source>the account is longer than %1 bytes in all</source>
        <translation>此帳號全部加起來超過 %1 位元組</translation>
    </message>
</context>
<context>
    <name>AllowTexts</name>
    <message>
        <source>give --user NAME or --all</source>
        <translation>請給 --user 名稱 或 --all</translation>
    </message>
    <message>
        <source>the entry %1 is there already</source>
        <translation>項目 %1 已經存在</translation>
    </message>
    <message>
        <source>there is no entry %1</source>
        <translation>沒有項目 %1</translation>
    </message>
    <message>
        <source>%1 is admitted from %2 by the entry %3</source>
        <translation>%1 可從 %2 連線，依據項目 %3</translation>
    </message>
    <message>
        <source>%1 is admitted from every address : IP checking is off for the account</source>
        <translation>%1 可從任何位址連線：此帳號不檢查 IP</translation>
    </message>
    <message>
        <source>%1 is not admitted from %2</source>
        <translation>%1 不可從 %2 連線</translation>
    </message>
    <message>
        <source>%1 is not a client address such as 192.168.1.10</source>
        <translation>%1 不是用戶端位址，例如 192.168.1.10</translation>
    </message>
</context>
<context>
    <name>BulkTexts</name>
    <message>
        <source>the quoting of this CSV record is malformed</source>
        <translation>此 CSV 記錄的引號格式錯誤</translation>
    </message>
    <message>
        <source>unknown column %1</source>
        <translation>不明的欄位 %1</translation>
    </message>
    <message>
        <source>the column %1 is given twice</source>
        <translation>欄位 %1 重複出現</translation>
    </message>
    <message>
        <source>the header has no column name</source>
        <translation>標題列沒有 name 欄位</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <translation>有 %1 個欄位，但標題列有 %2 個</translation>
    </message>
    <message>
        <source>an account named %1 exists already , --update changes it</source>
        <translation>名為 %1 的帳號已經存在，使用 --update 可修改它</translation>
    </message>
    <message>
        <source>the name %1 is given on line %2 already</source>
        <translation>名稱 %1 已在第 %2 行出現</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>沒有寫入任何東西</translation>
    </message>
    <message>
        <source>would add %1 , change %2 and leave %3 accounts , nothing was written</source>
        <translation>將新增 %1 個、修改 %2 個、保留 %3 個帳號，沒有寫入任何東西</translation>
    </message>
    <message>
        <source>added %1 , changed %2 and left %3 accounts</source>
        <translation>已新增 %1 個、修改 %2 個、保留 %3 個帳號</translation>
    </message>
    <message>
        <source>not JSON as an export writes it: %1</source>
        <translation>不是匯出所寫的 JSON：%1</translation>
    </message>
    <message>
        <source>--format takes csv or json</source>
        <translation>--format 只接受 csv 或 json</translation>
    </message>
    <message>
        <source>the JSON is not an array of accounts</source>
        <translation>此 JSON 不是帳號的陣列</translation>
    </message>
    <message>
        <source>the entry is not an object of fields</source>
        <translation>此項目不是欄位的物件</translation>
    </message>
    <message>
        <source>a text, a flag or a number of the field&apos;s kind</source>
        <translation>請給符合此欄位種類的文字、旗標或數字</translation>
    </message>
    <message>
        <source>the entry has no field name</source>
        <translation>此項目沒有 name 欄位</translation>
    </message>
    <message>
        <source>%1 of the accounts exist already , the first is %2 , --update changes them</source>
        <translation>其中 %1 個帳號已經存在，第一個是 %2，使用 --update 可修改它們</translation>
    </message>
    <message>
        <source>%1:%2: the export can not give this line exactly: %3</source>
        <translation>%1:%2：匯出無法完全照原樣寫出這一行：%3</translation>
    </message>
    <message>
        <source>it has %1 fields , not 14 , and an import writes all 14</source>
        <translation>它有 %1 個欄位而不是 14 個，匯入會寫出全部 14 個</translation>
    </message>
    <message>
        <source>a field is not written as the readers read it , an import writes it otherwise</source>
        <translation>有欄位的寫法與讀取程式的讀法不同，匯入會寫成另一種樣子</translation>
    </message>
    <message>
        <source>an import refuses a field: %1</source>
        <translation>匯入會拒絕一個欄位：%1</translation>
    </message>
    <message>
        <source>the name is used on line %1 already , an import refuses it</source>
        <translation>此名稱已在第 %1 行使用，匯入會拒絕它</translation>
    </message>
</context>
<context>
    <name>CheckTexts</name>
    <message>
        <source>the line is %1 bytes long , the readers take at most %2 and split it</source>
        <translation>此行長 %1 位元組，讀取程式最多讀 %2 位元組並會將它拆開</translation>
    </message>
    <message>
        <source>a byte 0x1A ends the file for the readers , what follows it is lost at the next rewrite</source>
        <translation>位元組 0x1A 對讀取程式而言是檔案結尾，其後的內容會在下次改寫時遺失</translation>
    </message>
    <message>
        <source>the account line has %1 fields , not 14</source>
        <translation>帳號行有 %1 個欄位，而不是 14 個</translation>
    </message>
    <message>
        <source>the name is used on line %1 already , this line is never reached</source>
        <translation>此名稱已在第 %1 行使用，這一行永遠不會被讀到</translation>
    </message>
    <message>
        <source>the level %1 is none of 0 root , 1 super , 2 normal , 3 guest , 4 none</source>
        <translation>等級 %1 不是 0 root、1 super、2 normal、3 guest、4 無 之一</translation>
    </message>
    <message>
        <source>the field %1 holds %2 , which is not a number it can hold</source>
        <translation>欄位 %1 的內容 %2 不是它能容納的數字</translation>
    </message>
    <message>
        <source>the language %1 is none of default , eng , cht , jpn</source>
        <translation>語言 %1 不是 default、eng、cht、jpn 之一</translation>
    </message>
    <message>
        <source>the file holds passwords and other users may read it ( chmod 600 )</source>
        <translation>此檔案含有密碼，且其他使用者可以讀取它（chmod 600）</translation>
    </message>
    <message>
        <source>%1 is not a full IPv4 address or a prefix of one ending in .</source>
        <translation>%1 不是完整的 IPv4 位址，也不是以 . 結尾的前段</translation>
    </message>
    <message>
        <source>no account is named %1 , the entry applies to nobody</source>
        <translation>沒有名為 %1 的帳號，此項目不適用任何人</translation>
    </message>
    <message>
        <source>the mount point line has %1 fields , not 6</source>
        <translation>掛載點行有 %1 個欄位，而不是 6 個</translation>
    </message>
    <message>
        <source>the permissions %1 are not three digits 0 to 7</source>
        <translation>權限 %1 不是三個 0 到 7 的數字</translation>
    </message>
    <message>
        <source>the physical path %1 is not an existing directory</source>
        <translation>實體路徑 %1 不是存在的目錄</translation>
    </message>
    <message>
        <source>no account is in the group %1</source>
        <translation>沒有帳號屬於群組 %1</translation>
    </message>
    <message>
        <source>the virtual path %1 is used on line %2 already</source>
        <translation>虛擬路徑 %1 已在第 %2 行使用</translation>
    </message>
    <message>
        <source>no mount point has the virtual path / ( the root directory )</source>
        <translation>沒有掛載點使用虛擬路徑 /（根目錄）</translation>
    </message>
    <message>
        <source>the configuration %1 does not exist</source>
        <translation>設定檔 %1 不存在</translation>
    </message>
    <message>
        <source>section FTPD has no key %1</source>
        <translation>區段 FTPD 沒有鍵 %1</translation>
    </message>
    <message>
        <source>%1 names %2 , which does not exist</source>
        <translation>%1 指向 %2，但它不存在</translation>
    </message>
    <message>
        <source>a byte 0 ends the line for the server , what follows it on the line is lost</source>
        <translation>位元組 0 對伺服器而言是行尾，此行在它之後的內容會遺失</translation>
    </message>
    <message>
        <source>the entry has no address</source>
        <translation>此項目沒有位址</translation>
    </message>
    <message>
        <source>the line is not ftpdstart and a configuration file name</source>
        <translation>此行不是 ftpdstart 加上設定檔名稱</translation>
    </message>
    <message>
        <source>%1 is empty , it names no file</source>
        <translation>%1 是空的，沒有指向任何檔案</translation>
    </message>
    <message>
        <source>errors: %1 , warnings: %2</source>
        <translation>錯誤：%1，警告：%2</translation>
    </message>
    <message>
        <source>the file can not be read: %1</source>
        <translation>無法讀取此檔案：%1</translation>
    </message>
</context>
<context>
    <name>ColumnTexts</name>
    <message>
        <source>the level must be root, super, normal, guest or empty</source>
        <translation>等級必須是 root、super、normal、guest 或空白</translation>
    </message>
    <message>
        <source>the language must be default, eng, cht, jpn or empty</source>
        <translation>語言必須是 default、eng、cht、jpn 或空白</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>Maintains the accounts, allowed addresses, mount points and servers of the VANTOR FTP server.</source>
        <translation>維護 VANTOR FTP 伺服器的帳號、允許位址、掛載點與伺服器設定。</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>用法</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>必填</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>參數</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Shows this help and ends</source>
        <translation>顯示此說明後結束</translation>
    </message>
    <message>
        <source>The folder of the definition files (default: the current directory)</source>
        <translation>定義檔所在的資料夾（預設：目前目錄）</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1（請參閱 --help）</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>不可同時使用</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>數字</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>KEY=VALUE</source>
        <translation>鍵=值</translation>
    </message>
    <message>
        <source>Shows the version and ends</source>
        <translation>顯示版本後結束</translation>
    </message>
    <message>
        <source>The *.user file, in the folder unless absolute (default: the single one in the folder)</source>
        <translation>*.user 檔案，除非是絕對路徑，否則位於此資料夾（預設：資料夾中唯一的一個）</translation>
    </message>
    <message>
        <source>The *.allow file, in the folder unless absolute (default: the single one in the folder)</source>
        <translation>*.allow 檔案，除非是絕對路徑，否則位於此資料夾（預設：資料夾中唯一的一個）</translation>
    </message>
    <message>
        <source>The *.vfs file, in the folder unless absolute (default: the single one in the folder)</source>
        <translation>*.vfs 檔案，除非是絕對路徑，否則位於此資料夾（預設：資料夾中唯一的一個）</translation>
    </message>
    <message>
        <source>not taken here: %1</source>
        <translation>此處不接受：%1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>a command is missing</source>
        <translation>缺少命令</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一個值</translation>
    </message>
    <message>
        <source>%1 and %2 can not be given together</source>
        <translation>%1 與 %2 不能同時給</translation>
    </message>
    <message>
        <source>%1: the value is not one of those taken</source>
        <translation>%1：此值不在可接受的值之中</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Folder options</source>
        <translation>資料夾選項</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>Allowed client addresses</source>
        <translation>允許的用戶端位址</translation>
    </message>
    <message>
        <source>Mount points</source>
        <translation>掛載點</translation>
    </message>
    <message>
        <source>Server configurations</source>
        <translation>伺服器設定</translation>
    </message>
</context>
<context>
    <name>PasswordTexts</name>
    <message>
        <source>no password on standard input</source>
        <translation>標準輸入沒有密碼</translation>
    </message>
    <message>
        <source>the password is longer than an account line can hold (%1 bytes)</source>
        <translation>密碼比帳號行能容納的還長（%1 位元組）</translation>
    </message>
    <message>
        <source>the two passwords differ , nothing was changed</source>
        <translation>兩次輸入的密碼不同，沒有修改任何東西</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Password again: </source>
        <translation>再輸入一次密碼：</translation>
    </message>
</context>
<context>
    <name>ServerTexts</name>
    <message>
        <source>unknown key , the keys are %1</source>
        <translation>不明的鍵，可用的鍵為 %1</translation>
    </message>
    <message>
        <source>not a dotted IPv4 address such as 192.168.1.10</source>
        <translation>不是以點分隔的 IPv4 位址，例如 192.168.1.10</translation>
    </message>
    <message>
        <source>%1 is not KEY=VALUE</source>
        <translation>%1 不是 鍵=值 的格式</translation>
    </message>
    <message>
        <source>the server name can not be empty or hold the character /</source>
        <translation>伺服器名稱不能是空的，也不能含有字元 /</translation>
    </message>
    <message>
        <source>%1 exists already , server set changes its keys</source>
        <translation>%1 已經存在，server set 可修改它的鍵</translation>
    </message>
    <message>
        <source>there is no %1</source>
        <translation>沒有 %1</translation>
    </message>
    <message>
        <source>%1 is given by %2 already , with another value</source>
        <translation>%1 已由 %2 給定，且值不同</translation>
    </message>
    <message>
        <source>the path %1 is longer than %2 bytes , it can not be used</source>
        <translation>路徑 %1 超過 %2 位元組，無法使用</translation>
    </message>
    <message>
        <source>write at most %1 bytes</source>
        <translation>請寫最多 %1 位元組</translation>
    </message>
    <message>
        <source>%1 starts at launch now</source>
        <translation>%1 現在會在啟動時執行</translation>
    </message>
    <message>
        <source>%1 starts at launch already</source>
        <translation>%1 已經會在啟動時執行</translation>
    </message>
    <message>
        <source>%1 does not start at launch now</source>
        <translation>%1 現在不會在啟動時執行</translation>
    </message>
    <message>
        <source>%1 does not start at launch already</source>
        <translation>%1 本來就不會在啟動時執行</translation>
    </message>
</context>
<context>
    <name>UserTexts</name>
    <message>
        <source>nothing to change: give at least one field option</source>
        <translation>沒有要修改的：請至少給一個欄位選項</translation>
    </message>
    <message>
        <source>an account named %1 exists already</source>
        <translation>名為 %1 的帳號已經存在</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>A full address, or a prefix ending in .</source>
        <translation>完整位址，或以 . 結尾的前段</translation>
    </message>
    <message>
        <source>The entry of this account</source>
        <translation>此帳號的項目</translation>
    </message>
    <message>
        <source>The entry without a user part, for every account</source>
        <translation>不含使用者部分、適用所有帳號的項目</translation>
    </message>
    <message>
        <source>Lists the entries in file order</source>
        <translation>依檔案順序列出項目</translation>
    </message>
    <message>
        <source>Only the entries that apply to this account</source>
        <translation>只列出適用此帳號的項目</translation>
    </message>
    <message>
        <source>As JSON</source>
        <translation>以 JSON 輸出</translation>
    </message>
    <message>
        <source>Adds an entry</source>
        <translation>新增項目</translation>
    </message>
    <message>
        <source>Removes an entry</source>
        <translation>移除項目</translation>
    </message>
    <message>
        <source>Tells whether an account may connect from an address; exit 0 when it may, 1 when not</source>
        <translation>說明帳號能否從某位址連線；可以時結束碼為 0，不行時為 1</translation>
    </message>
    <message>
        <source>The user name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>The client address</source>
        <translation>用戶端位址</translation>
    </message>
    <message>
        <source>Reports what the server or the wizard would trip over in the folder&apos;s definition files; exit 1 on errors, 3 when a file can not be read</source>
        <translation>報告資料夾的定義檔中會讓伺服器或精靈出錯的地方；有錯誤時結束碼為 1，有檔案無法讀取時為 3</translation>
    </message>
    <message>
        <source>Exit 1 on warnings too</source>
        <translation>有警告時結束碼也為 1</translation>
    </message>
    <message>
        <source>The server name</source>
        <translation>伺服器名稱</translation>
    </message>
    <message>
        <source>Writes NAME.ftpd, NAME.vfs and the startup list line as the wizard&apos;s Finish does</source>
        <translation>如精靈的「完成」一樣寫入 NAME.ftpd、NAME.vfs 與啟動清單的一行</translation>
    </message>
    <message>
        <source>The root directory of the server</source>
        <translation>伺服器的根目錄</translation>
    </message>
    <message>
        <source>The listen port</source>
        <translation>監聽連接埠</translation>
    </message>
    <message>
        <source>The server&apos;s address</source>
        <translation>伺服器的位址</translation>
    </message>
    <message>
        <source>Sets a key of section FTPD, KEY=VALUE</source>
        <translation>設定區段 FTPD 的一個鍵，鍵=值</translation>
    </message>
    <message>
        <source>Leaves the startup list as it is</source>
        <translation>不變更啟動清單</translation>
    </message>
    <message>
        <source>Changes keys of an existing NAME.ftpd</source>
        <translation>修改既有 NAME.ftpd 的鍵</translation>
    </message>
    <message>
        <source>KEY=VALUE ...</source>
        <translation>鍵=值 ...</translation>
    </message>
    <message>
        <source>Lists every *.ftpd of the folder and whether it starts at launch</source>
        <translation>列出資料夾中每個 *.ftpd，以及它是否在啟動時執行</translation>
    </message>
    <message>
        <source>Shows the keys of section FTPD of NAME.ftpd</source>
        <translation>顯示 NAME.ftpd 區段 FTPD 的鍵</translation>
    </message>
    <message>
        <source>Starts NAME.ftpd at launch: its line in the startup list</source>
        <translation>讓 NAME.ftpd 在啟動時執行：在啟動清單中加入它的一行</translation>
    </message>
    <message>
        <source>Takes the line of NAME.ftpd out of the startup list</source>
        <translation>從啟動清單中移除 NAME.ftpd 的一行</translation>
    </message>
    <message>
        <source>csv or json</source>
        <translation>csv 或 json</translation>
    </message>
    <message>
        <source>Adds or changes accounts from a CSV or JSON file in one write</source>
        <translation>從 CSV 或 JSON 檔案一次寫入新增或修改帳號</translation>
    </message>
    <message>
        <source>The CSV or JSON file (JSON when it ends in .json), - for standard input</source>
        <translation>CSV 或 JSON 檔案（以 .json 結尾時為 JSON），- 表示標準輸入</translation>
    </message>
    <message>
        <source>Changes the accounts that exist already</source>
        <translation>修改已經存在的帳號</translation>
    </message>
    <message>
        <source>Says what would be added, changed and left, and writes nothing</source>
        <translation>說明將新增、修改與保留哪些帳號，不寫入任何東西</translation>
    </message>
    <message>
        <source>Writes every account to standard output; exit 1 when a line can not be given exactly</source>
        <translation>把每個帳號寫到標準輸出；有無法照原樣寫出的行時結束碼為 1</translation>
    </message>
    <message>
        <source>The level: root, super, normal or guest</source>
        <translation>等級：root、super、normal 或 guest</translation>
    </message>
    <message>
        <source>The group</source>
        <translation>群組</translation>
    </message>
    <message>
        <source>Allows the account</source>
        <translation>允許此帳號</translation>
    </message>
    <message>
        <source>The download speed limit in kb/s, 0 for none</source>
        <translation>下載速度上限（kb/s），0 表示不限</translation>
    </message>
    <message>
        <source>The upload speed limit in kb/s, 0 for none</source>
        <translation>上傳速度上限（kb/s），0 表示不限</translation>
    </message>
    <message>
        <source>N of the ratio 1:N, 0 for none</source>
        <translation>比例 1:N 的 N，0 表示不用</translation>
    </message>
    <message>
        <source>The most logins at once, 0 for no limit</source>
        <translation>同時登入的上限，0 表示不限</translation>
    </message>
    <message>
        <source>Does not check the account&apos;s client address</source>
        <translation>不檢查此帳號的用戶端位址</translation>
    </message>
    <message>
        <source>A note</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>The language: default, eng, cht or jpn</source>
        <translation>語言：default、eng、cht 或 jpn</translation>
    </message>
    <message>
        <source>Disallows the account</source>
        <translation>停用此帳號</translation>
    </message>
    <message>
        <source>Checks the account&apos;s client address</source>
        <translation>檢查此帳號的用戶端位址</translation>
    </message>
    <message>
        <source>Reads the password from standard input: asked for with the echo off on a terminal, else one line</source>
        <translation>從標準輸入讀取密碼：在終端機上以不回顯的方式詢問，否則讀取一行</translation>
    </message>
    <message>
        <source>With the password</source>
        <translation>包含密碼</translation>
    </message>
    <message>
        <source>Every field, as JSON</source>
        <translation>以 JSON 輸出所有欄位</translation>
    </message>
    <message>
        <source>Lists the names in file order</source>
        <translation>依檔案順序列出名稱</translation>
    </message>
    <message>
        <source>Only this group</source>
        <translation>只列出此群組</translation>
    </message>
    <message>
        <source>Shows an account</source>
        <translation>顯示一個帳號</translation>
    </message>
    <message>
        <source>Adds an account with the values of a new account</source>
        <translation>以新帳號的預設值新增帳號</translation>
    </message>
    <message>
        <source>Changes the given fields of an account</source>
        <translation>修改帳號中給定的欄位</translation>
    </message>
    <message>
        <source>Sets an account&apos;s password: asked for twice with the echo off on a terminal, else one line of standard input</source>
        <translation>設定帳號的密碼：在終端機上以不回顯的方式詢問兩次，否則讀取標準輸入的一行</translation>
    </message>
    <message>
        <source>Removes an account</source>
        <translation>移除帳號</translation>
    </message>
    <message>
        <source>Also removes the account&apos;s allowed addresses</source>
        <translation>同時移除此帳號的允許位址</translation>
    </message>
    <message>
        <source>The owner user, or default</source>
        <translation>擁有者使用者，或 default</translation>
    </message>
    <message>
        <source>The owner group, or default</source>
        <translation>擁有者群組，或 default</translation>
    </message>
    <message>
        <source>Owner, group and other rights, R 4 + W 2 + X 1 each (default for a new one: 754)</source>
        <translation>擁有者、同群組與其他群組的權限，各為 R 4 + W 2 + X 1（新掛載點預設：754）</translation>
    </message>
    <message>
        <source>Directories below take the rights (default for a new one)</source>
        <translation>下層目錄繼承權限（新掛載點的預設）</translation>
    </message>
    <message>
        <source>Directories below do not take the rights</source>
        <translation>下層目錄不繼承權限</translation>
    </message>
    <message>
        <source>The virtual path of the mount point</source>
        <translation>掛載點的虛擬路徑</translation>
    </message>
    <message>
        <source>An existing directory</source>
        <translation>存在的目錄</translation>
    </message>
    <message>
        <source>A virtual path starting with /, not used yet</source>
        <translation>以 / 開頭且尚未使用的虛擬路徑</translation>
    </message>
    <message>
        <source>Another existing directory</source>
        <translation>另一個存在的目錄</translation>
    </message>
    <message>
        <source>Another virtual path (not for the root /)</source>
        <translation>另一個虛擬路徑（根目錄 / 不可）</translation>
    </message>
    <message>
        <source>Lists the mount points in file order</source>
        <translation>依檔案順序列出掛載點</translation>
    </message>
    <message>
        <source>Adds a mount point</source>
        <translation>新增掛載點</translation>
    </message>
    <message>
        <source>Changes a mount point</source>
        <translation>修改掛載點</translation>
    </message>
    <message>
        <source>Removes a mount point</source>
        <translation>移除掛載點</translation>
    </message>
</context>
<context>
    <name>VfsTexts</name>
    <message>
        <source>the permissions must be three digits 0 to 7 , such as 754</source>
        <translation>權限必須是三個 0 到 7 的數字，例如 754</translation>
    </message>
    <message>
        <source>no account is in the group %1</source>
        <translation>沒有帳號屬於群組 %1</translation>
    </message>
    <message>
        <source>no mount point has the virtual path %1</source>
        <translation>沒有掛載點使用虛擬路徑 %1</translation>
    </message>
    <message>
        <source>nothing to change: give at least one option</source>
        <translation>沒有要修改的：請至少給一個選項</translation>
    </message>
    <message>
        <source>another mount point has this virtual path already</source>
        <translation>另一個掛載點已經使用這個虛擬路徑</translation>
    </message>
</context>
</TS>
