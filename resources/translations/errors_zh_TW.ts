<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>StringTable</name>
    <message>
        <source>another program is changing the file %1 , nothing was written , please try again later</source>
        <translation>另一個程式正在變更檔案 %1，沒有寫入任何內容，請稍後再試</translation>
    </message>
    <message>
        <source>it is not a regular file ( a pipe , a device or a socket )</source>
        <translation>它不是一般檔案（而是管道、裝置或通訊端）</translation>
    </message>
    <message>
        <source>it is larger than any definition file ( 64 MiB ) , or writing it would make it so</source>
        <translation>它比任何定義檔都大（64 MiB），或寫入後會變得如此</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads to no file</source>
        <translation>它是指向不存在檔案的符號連結</translation>
    </message>
    <message>
        <source>its path holds a link that another user put into a folder everyone may write to , which is not followed</source>
        <translation>它的路徑含有其他使用者放在人人可寫入之資料夾中的連結，不會跟隨此連結</translation>
    </message>
    <message>
        <source>it belongs to another user of a folder everyone may write to , so nothing is written into it</source>
        <translation>它屬於人人可寫入之資料夾中的另一位使用者，因此不會寫入任何內容</translation>
    </message>
    <message>
        <source>it has %1 names ( hard links ) , and writing it anew would part it from the others</source>
        <translation>它有 %1 個名稱（硬連結），重新寫入會使它與其他名稱分離</translation>
    </message>
    <message>
        <source>it belongs to %1 , and writing it anew as %2 would make %2 its owner ; write it as %1 or as the administrator</source>
        <translation>它屬於 %1，以 %2 的身分重新寫入會讓 %2 成為它的擁有者；請以 %1 或系統管理員的身分寫入</translation>
    </message>
    <message>
        <source>its group can not be kept for the new file</source>
        <translation>新檔案無法保留它的群組</translation>
    </message>
    <message>
        <source>its access control list can not be kept for the new file</source>
        <translation>新檔案無法保留它的存取控制清單</translation>
    </message>
    <message>
        <source>its extended attributes can not be kept for the new file</source>
        <translation>新檔案無法保留它的延伸屬性</translation>
    </message>
    <message>
        <source>its permissions can not be kept for the new file</source>
        <translation>新檔案無法保留它的權限</translation>
    </message>
    <message>
        <source>it is marked unchangeable ( chattr +i )</source>
        <translation>它被標示為不可變更（chattr +i）</translation>
    </message>
    <message>
        <source>it is marked append-only ( chattr +a )</source>
        <translation>它被標示為僅能附加（chattr +a）</translation>
    </message>
    <message>
        <source>its folder can not be read</source>
        <translation>無法讀取它所在的資料夾</translation>
    </message>
    <message>
        <source>the system call was interrupted</source>
        <translation>系統呼叫被中斷</translation>
    </message>
    <message>
        <source>the disk reported an input or output error</source>
        <translation>磁碟回報了輸入或輸出錯誤</translation>
    </message>
    <message>
        <source>the working folder cannot be determined ( it was removed , or a folder above it can not be searched ) , nothing was written</source>
        <translation>無法確定工作資料夾（它已被移除，或無法搜尋其上層資料夾），沒有寫入任何內容</translation>
    </message>
    <message>
        <source>the file %1 was written , but its folder could not be flushed to the disk : the change may not survive a power cut</source>
        <translation>檔案 %1 已寫入，但無法將它所在的資料夾寫回磁碟：停電時此變更可能遺失</translation>
    </message>
    <message>
        <source>the file %1 was read only in part ( line %2 : %3 ) , and writing it back would drop what was not read , so nothing was written</source>
        <translation>檔案 %1 只讀取了一部分（第 %2 行：%3），寫回會丟失未讀取的內容，因此沒有寫入任何內容</translation>
    </message>
    <message>
        <source>a byte 0x1A ends it early</source>
        <translation>位元組 0x1A 使它提前結束</translation>
    </message>
    <message>
        <source>a line longer than %1 bytes is read in pieces</source>
        <translation>長於 %1 位元組的行會被分段讀取</translation>
    </message>
    <message>
        <source>the file %1 could not be put in place ( %2 ) after these files were already changed : %3</source>
        <translation>在下列檔案已變更之後，無法將檔案 %1 放到定位（%2）：%3</translation>
    </message>
</context>
<context>
    <name>AdminTexts</name>
    <message>
        <source>warning: %1 line %2: a byte 0x1A ends the file there , and what follows it is dropped</source>
        <translation>警告：%1 第 %2 行：位元組 0x1A 使檔案在此結束，其後的內容會被捨棄</translation>
    </message>
    <message>
        <source>warning: %1 line %2: the line is longer than %3 bytes and is written as the pieces the readers take</source>
        <translation>警告：%1 第 %2 行：此行長於 %3 位元組，會以讀取程式所取的分段寫入</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>%1 ; vantor-admin check tells more , and --force writes it anyway</source>
        <translation>%1；vantor-admin check 會說明更多，--force 則仍會寫入</translation>
    </message>
    <message>
        <source>Writes a file even where its reading lost content (a byte 0x1A before its end, a line longer than 511 bytes), saying what is dropped</source>
        <translation>即使檔案的讀取遺失了內容（結尾前的位元組 0x1A、長於 511 位元組的行）仍寫入它，並說明捨棄了什麼</translation>
    </message>
</context>
</TS>
