<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About the VANTOR FTP SERVER Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VANTOR FTPD Wizard V1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designs and maintains the VANTOR FTP SERVER definition files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>About VANTOR FTP SERVER wizard(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user&amp;group file|*.user|All files|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allowed IP definition file|*.allow|All files|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>virtual file system definition file|*.vfs|All files|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you need to specify the DATA connection port ranges , please check this option ( mostly used when user is restricted by Firewall )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not check this option if your server has legal and illegal IPs at the same time </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this option if you don&apos;t want the ftp server to have passive connection with hosts with unknown IPs ( no FXP with unauthorized IPs )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you wish to check client&apos;s IP range after the user logs in , please check this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you wish to perform IP checking before any user logs in , please check this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the below 3 check boxes are the permissions of the owner of this virtual directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allows downloading files and reading directory lists from this directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allows uploading files and making directories under this directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allows deleting , renaming and overwriting files under this directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>if checked , the child paths under this path will inherit the permissions of this directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mapped virtual directory of a physical directory , ex: /temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>physical path can not be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>physical path does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>virtual path can not be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be a full virtual path , starting from / ( root directory )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty directory owner , using default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty directory owner group , using default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please input the server name of your FTP server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please input the listen PORT (1-65535) of the FTP server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please enter the root path of your FTP server , you can setup your virtual file system later </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please choose the IP of your server , if your server has both legal and illegal IPs , please choose a proper one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>virtual path already exists , please delete that virtual path first , or use update button to update this virtual path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please do not delete the virtual path / for FTP server root directory  , but you can change its physical path or the permissions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please do not change the virtual path / to other virtual paths , but you can change its physical path to another directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user&apos;s level , choose the proper one for the user , the guest can not perform any special commands and the root can do anything</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the allowed IP ranges , input 192.52.62. for 192.52.62.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this can be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the IP or IP range that is allowed to connect to this server , please input full IP or partial ( ex: 140.141.41. )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>if you set the ratio to 1:3 that means by uploading 1kb the user can download 3kb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server root directory can not be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server root directory does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP server configuration file|*.ftpd|All files|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>username is empty , can not proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setup can not find *.user in the current working directory , please browse *.user files if you have some in other directories , otherwise please enter a new name for your user file (*.user)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setup can not find *.allow (IP allowing definition file) in the current working directory , please browse *.allow files if you have some in other directories , otherwise please enter a new name for your user file (*.allow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your *.user file is empty , you will need to add a new user to your user file later , otherwise no one can login your FTP server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your *.allow (IP allowing file) is empty , setup will not save it for you and the IP checking is disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the path %1 is longer than %2 characters , it can not be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 can not be read or written : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for local dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port USED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a positive whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a whole number from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the current working directory is longer than %1 characters , setup can not use it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to the VANTOR FTP SERVER configuration wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VANTOR FTPD is a high performance , full featured FTP server software , now you can use this configuration wizard to design and maintain your FTP server definition files .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before you can use your FTP server , you have to design your FTP server by this configuration wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What do you wish to do now ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design a FTP server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit User and Group file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Virtual File System file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
