<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>VfsEditorDialog</name>
    <message>
        <source>server configuration wizard - virtual file system</source>
        <translation>伺服器設定精靈 - 虛擬檔案系統</translation>
    </message>
    <message>
        <source>physical and virtual directories mount points settings</source>
        <translation>實體目錄與虛擬目錄掛載點設定</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>physical path of mount point :</source>
        <translation>掛載點的實體路徑：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>virtual path of mount point :</source>
        <translation>掛載點的虛擬路徑：</translation>
    </message>
    <message>
        <source>owner user</source>
        <translation>擁有者使用者</translation>
    </message>
    <message>
        <source>owner group</source>
        <translation>擁有者群組</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>擁有者</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>same group users</source>
        <translation>同群組使用者</translation>
    </message>
    <message>
        <source>other group users</source>
        <translation>其他群組使用者</translation>
    </message>
    <message>
        <source>child directories inherit parent permissions</source>
        <translation>子目錄繼承上層目錄的權限</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>File (&amp;F)</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>Open (&amp;O)</source>
        <translation>開啟(&amp;O)</translation>
    </message>
    <message>
        <source>New (&amp;N)</source>
        <translation>開新檔案(&amp;N)</translation>
    </message>
    <message>
        <source>Save (&amp;S)</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>Save as ..(&amp;A)</source>
        <translation>另存新檔..(&amp;A)</translation>
    </message>
</context>
<context>
    <name>VfsIntroPage</name>
    <message>
        <source>server configuration wizard - virtual file system</source>
        <translation>伺服器設定精靈 - 虛擬檔案系統</translation>
    </message>
    <message>
        <source>     VANTOR FTP SERVER has built in virtual file system that can mount multiple disk drives or directories in different drives into a single view of virtual file system , which can make your FTP server more organized and more secured .</source>
        <translation>　　VANTOR FTP SERVER 內建虛擬檔案系統，可將多個磁碟機或不同磁碟機中的目錄掛載到單一的虛擬檔案系統檢視中，讓您的 FTP 伺服器更有條理、更安全。</translation>
    </message>
    <message>
        <source>      Now you have set the root directory of your virtual file system with default permissions , if you wish to configure it or add more mount points please click the following button</source>
        <translation>　　您已經以預設權限設定了虛擬檔案系統的根目錄，如果您想要設定它或新增更多掛載點，請按下列按鈕</translation>
    </message>
    <message>
        <source>setup my virtual file system</source>
        <translation>設定我的虛擬檔案系統</translation>
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
