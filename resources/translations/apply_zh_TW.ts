<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ApplyTexts</name>
    <message>
        <source>changes pending: %1 , files: %2 , nothing was written</source>
        <translation>%2 個檔案中有 %1 項變更待做，沒有寫入任何東西</translation>
    </message>
    <message>
        <source>changes written: %1 , files: %2</source>
        <translation>已將 %1 項變更寫入 %2 個檔案</translation>
    </message>
    <message>
        <source>the folder is in the state already , nothing was written</source>
        <translation>資料夾已經是此狀態，沒有寫入任何東西</translation>
    </message>
    <message>
        <source>the state is refused , faults: %1 , nothing was written</source>
        <translation>此狀態有 %1 個錯誤而被拒絕，沒有寫入任何東西</translation>
    </message>
</context>
<context>
    <name>PlanTexts</name>
    <message>
        <source>missing , and required for a new mount point</source>
        <translation>缺少此項，新掛載點必須有此項</translation>
    </message>
    <message>
        <source>missing , and required for a new server</source>
        <translation>缺少此項，新伺服器必須有此項</translation>
    </message>
    <message>
        <source>no *.vfs file in %1 ; name one with --vfs-file</source>
        <translation>%1 中沒有 *.vfs 檔案；請以 --vfs-file 指定一個</translation>
    </message>
    <message>
        <source>no account is in the group %1</source>
        <translation>沒有帳號屬於群組 %1</translation>
    </message>
    <message>
        <source>the mount point / of %1 is given at %2 already</source>
        <translation>%1 的掛載點 / 已在 %2 給過</translation>
    </message>
</context>
<context>
    <name>StateTexts</name>
    <message>
        <source>%1 can not be read: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>give only one of password, password_file and password_env</source>
        <translation>password、password_file 和 password_env 只能給其中一個</translation>
    </message>
    <message>
        <source>listed already at %1</source>
        <translation>已列在 %1</translation>
    </message>
    <message>
        <source>missing , and required</source>
        <translation>缺少此項，且為必要項目</translation>
    </message>
    <message>
        <source>must be a text or an array of byte values</source>
        <translation>必須是文字，或位元組值的陣列</translation>
    </message>
    <message>
        <source>must be a text, a whole number, or true or false</source>
        <translation>必須是文字、整數，或 true 或 false</translation>
    </message>
    <message>
        <source>must be always or on_create</source>
        <translation>必須是 always 或 on_create</translation>
    </message>
    <message>
        <source>must be an absolute path</source>
        <translation>必須是絕對路徑</translation>
    </message>
    <message>
        <source>must be an array of objects</source>
        <translation>必須是物件的陣列</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>必須是物件</translation>
    </message>
    <message>
        <source>must be present or absent</source>
        <translation>必須是 present 或 absent</translation>
    </message>
    <message>
        <source>must be three digits 0 to 7 , such as 754</source>
        <translation>必須是三個 0 到 7 的數字，例如 754</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>必須是 true 或 false</translation>
    </message>
    <message>
        <source>not JSON: %1</source>
        <translation>不是 JSON：%1</translation>
    </message>
    <message>
        <source>there is no environment variable %1</source>
        <translation>沒有環境變數 %1</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>未知的欄位</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>Also removes the accounts, addresses and mount points of a section that the state does not list</source>
        <translation>也移除狀態中某一區段未列出的帳號、位址和掛載點</translation>
    </message>
    <message>
        <source>Brings the folder into the state a JSON file describes, writing only what differs</source>
        <translation>使資料夾成為 JSON 檔案描述的狀態，只寫入不同之處</translation>
    </message>
    <message>
        <source>Shows each changed file as a unified diff, passwords hidden</source>
        <translation>以統一差異格式顯示每個變更的檔案，密碼隱藏</translation>
    </message>
    <message>
        <source>The plan or the result as JSON</source>
        <translation>以 JSON 輸出計畫或結果</translation>
    </message>
    <message>
        <source>The state file, - for standard input</source>
        <translation>狀態檔案，- 表示標準輸入</translation>
    </message>
    <message>
        <source>Writes nothing; exit 4 when changes are pending</source>
        <translation>不寫入任何東西；有變更待做時結束代碼為 4</translation>
    </message>
</context>
</TS>
