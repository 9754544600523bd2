<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>InfoPlist</name>
    <message>
        <source>CFBundleDisplayName</source>
        <translation>Vorlin</translation>
    </message>
    <message>
        <source>CFBundleName</source>
        <translation>Vorlin</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>Open Address Book...</source>
        <translation>打开通讯录…</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>选择文件…</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>选择文件夹…</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>无法访问系统通讯录</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>系统中没有通讯录</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@（默认）</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>没有打开的通讯录。</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>没有可导出的内容。%@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>在卡片上显示此类行</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>上移“%@”</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>下移“%@”</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>加在每个值前面的链接协议；留空则不生成链接</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>上移此行</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>下移此行</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>分组列表按钮</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>包含“%@”</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>勾选要放入页面的联系人所属的分组</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>通讯录分组</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>包含</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>无法显示预览。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>数据顺序</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>生成…</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>生成已勾选分组的页面</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>未找到通讯录。</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>样式表</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>页面的样式表；每次更改都会显示在预览中</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>通讯录</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>读取时出现的问题</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>详细信息…</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>显示无法读取的内容</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>上次生成的页面</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln 个值无法读取</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln 个文件无法读取</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>目前无法读取通讯录：%@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>无通讯录</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln 个联系人</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>没有可导出的内容。</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>没有打开的通讯录。请通过“文件 &gt; 打开通讯录”选择一个。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>选择 HTML 文件的保存位置：</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>HTML 页面 (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>无法写入页面。</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>已将 %1 写入 %2</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>vCard 文件 (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>无法打开通讯录。</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>勾选所有分组</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>全不选</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>取消勾选所有分组</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>重新读取通讯录的分组</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>按姓氏排序</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>包含照片</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>为没有照片的联系人使用通用头像</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>包含职务</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>包含单位</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>The |A |An </translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>未分组的联系人</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>页面语言</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>页面中标签、日期和索引所用的语言</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>按页面语言的字母建立索引</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>按页面语言的字母而非 A 到 Z 归类联系人</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>通讯录</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>生日</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>这是备注栏。
备注中的换行会按输入时的样子显示。</translation>
    </message>
    <message>
        <source>home</source>
        <translation>住宅</translation>
    </message>
    <message>
        <source>work</source>
        <translation>工作</translation>
    </message>
    <message>
        <source>other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>手机</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>main</source>
        <translation>主要</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>住宅传真</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>工作传真</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>其他传真</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>寻呼机</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>纪念日</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>配偶</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>上司</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>助理</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>母亲</translation>
    </message>
    <message>
        <source>father</source>
        <translation>父亲</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>父母</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>兄弟</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>姐妹</translation>
    </message>
    <message>
        <source>child</source>
        <translation>子女</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>朋友</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>伴侣</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>姓氏</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>中间名</translation>
    </message>
    <message>
        <source>title</source>
        <translation>称谓</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>后缀</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>职务</translation>
    </message>
    <message>
        <source>department</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>标志</translation>
    </message>
    <message>
        <source>note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>生日</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>网页</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>相关人员</translation>
    </message>
    <message>
        <source>AIM</source>
        <translation>AIM</translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation>ICQ</translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation>Jabber</translation>
    </message>
    <message>
        <source>MSN</source>
        <translation>MSN</translation>
    </message>
    <message>
        <source>Yahoo!</source>
        <translation>Yahoo!</translation>
    </message>
    <message>
        <source>address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>分组名称</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>网页</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>相关人员</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>即时通讯</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>电话 URI 协议</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>电子邮件 URI 协议</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>网页 URI 协议</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>日期 URI 协议</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>相关人员 URI 协议</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>地址 URI 协议</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>备注 URI 协议</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>AIM URI 协议</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>ICQ URI 协议</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>Jabber URI 协议</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>MSN URI 协议</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>Yahoo! URI 协议</translation>
    </message>
    <message>
        <source>%1 (Thunderbird)</source>
        <translation>%1（Thunderbird）</translation>
    </message>
    <message>
        <source>%1 (Thunderbird, %2)</source>
        <translation>%1（Thunderbird，%2）</translation>
    </message>
    <message>
        <source>Personal Address Book</source>
        <translation>个人通讯录</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>收集的地址</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>CardDAV 通讯录…</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1（CardDAV，%2）</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>请在地址中写明用户：https://用户@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>正在从其服务器读取。</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>CardDAV 通讯录</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>通讯录的地址，或账户服务器的地址，包含用户名（https://用户@服务器/）：</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>服务器拒绝了 %1 的密码。密码：</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>%1 的密码：</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>CardDAV 密码</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>密码已被接受，但无法保存到密钥环中。</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>无法读取服务器；这是本地副本：%1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>无法读取服务器：%1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>正在询问服务器…</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>服务器拒绝了 %1 的密码。</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>需要 %1 的密码。</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>此应用程序</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ 需要 Linux 内核 %@ 或更高版本。</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>请使用软件更新器升级到 Linux 内核 %@ 或更高版本。
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>打开软件更新器</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>请安装 Linux 内核 %@ 或更高版本。
</translation>
    </message>
</context>
</TS>
