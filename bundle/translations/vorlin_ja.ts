<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
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
        <translation>アドレス帳を開く…</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>ファイルを選択…</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>フォルダーを選択…</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>システムのアドレス帳にアクセスできません</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>システムにアドレス帳がありません</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@（デフォルト）</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>アドレス帳が開かれていません。</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>書き出すものがありません。%@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>この種類の行をカードに表示します</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>「%@」を上へ移動</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>「%@」を下へ移動</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>各値の前に付けるリンクスキーム。空欄にするとリンクになりません</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>この行を上へ移動</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>この行を下へ移動</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>グループ一覧のボタン</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>「%@」を含める</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>連絡先をページに載せるグループにチェックを入れます</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>アドレス帳のグループ</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>含める</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>プレビューを表示できません。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>データの順序</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>作成…</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>チェックを入れたグループのページを書き出します</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>アドレス帳が見つかりませんでした。</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>スタイルシート</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>ページのスタイルシート。変更はすべてプレビューに反映されます</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>アドレス帳</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>読み込み時の問題</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>詳細…</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>読み込めなかったものを表示します</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最後に書き出したページ</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln 個の値を読み込めませんでした</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln 個のファイルを読み込めませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>現在アドレス帳を読み込めません：%@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>アドレス帳なし</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln 件の連絡先</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>書き出すものがありません。</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>アドレス帳が開かれていません。「ファイル」&gt;「アドレス帳を開く」で選んでください。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>HTML の保存先を選んでください：</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>HTML ページ (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>ページを書き出せませんでした。</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>%1を %2 に書き出しました</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>vCard ファイル (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>アドレス帳を開けませんでした。</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>すべてのグループにチェックを入れます</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>選択を解除</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>すべてのグループのチェックを外します</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>アドレス帳のグループを読み込み直します</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>姓で並べ替える</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>写真を含める</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>写真のない連絡先には汎用の画像を使う</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>役職を含める</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>組織を含める</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>The |A |An </translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>グループ未設定の連絡先</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>ページの言語</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>システムの言語</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>ページのラベル、日付、索引の言語</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>ページの言語の文字で索引を作る</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>連絡先を A〜Z ではなくページの言語の文字で分類します</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>アドレス帳</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>誕生日</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>これはメモ欄です。
メモの改行は入力したとおりに表示されます。</translation>
    </message>
    <message>
        <source>home</source>
        <translation>自宅</translation>
    </message>
    <message>
        <source>work</source>
        <translation>勤務先</translation>
    </message>
    <message>
        <source>other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>携帯</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>main</source>
        <translation>メイン</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>自宅 FAX</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>勤務先 FAX</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>その他の FAX</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>ポケベル</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>記念日</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>配偶者</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>上司</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>アシスタント</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>母</translation>
    </message>
    <message>
        <source>father</source>
        <translation>父</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>親</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>兄弟</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>姉妹</translation>
    </message>
    <message>
        <source>child</source>
        <translation>子供</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>友人</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>パートナー</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>名</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>ミドルネーム</translation>
    </message>
    <message>
        <source>title</source>
        <translation>敬称</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>接尾辞</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>組織</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>役職</translation>
    </message>
    <message>
        <source>department</source>
        <translation>部署</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>フラグ</translation>
    </message>
    <message>
        <source>note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>誕生日</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>Web ページ</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>関係者</translation>
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
        <translation>住所</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>グループ名</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>関係者</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>インスタントメッセージ</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>住所</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>電話の URI スキーム</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>メールの URI スキーム</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>Web の URI スキーム</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>日付の URI スキーム</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>関係者の URI スキーム</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>住所の URI スキーム</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>メモの URI スキーム</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>AIM の URI スキーム</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>ICQ の URI スキーム</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>Jabber の URI スキーム</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>MSN の URI スキーム</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>Yahoo! の URI スキーム</translation>
    </message>
    <message>
        <source>%1 (Thunderbird)</source>
        <translation>%1（Thunderbird）</translation>
    </message>
    <message>
        <source>%1 (Thunderbird, %2)</source>
        <translation>%1（Thunderbird、%2）</translation>
    </message>
    <message>
        <source>Personal Address Book</source>
        <translation>個人用アドレス帳</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>記録されたアドレス</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>CardDAV アドレス帳…</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1（CardDAV、%2）</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>アドレスにユーザーを含めてください：https://ユーザー@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>サーバーから読み込んでいます。</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>CardDAV アドレス帳</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>アドレス帳、またはアカウントのサーバーのアドレス（ユーザー名を含む）（https://user@server/）：</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>サーバーが %1 のパスワードを拒否しました。パスワード：</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>%1 のパスワード：</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>CardDAV パスワード</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>パスワードは受け付けられましたが、キーリングに保存できませんでした。</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>サーバーを読み込めませんでした。これはローカルのコピーです：%1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>サーバーを読み込めませんでした：%1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>サーバーに問い合わせています…</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>サーバーが %1 のパスワードを拒否しました。</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>%1 のパスワードが必要です。</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>このアプリケーション</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ には Linux カーネル %@ 以降が必要です。</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>ソフトウェアの更新を使って Linux カーネル %@ 以降にアップグレードしてください。
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>ソフトウェアの更新を開く</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Linux カーネル %@ 以降をインストールしてください。
</translation>
    </message>
</context>
</TS>
