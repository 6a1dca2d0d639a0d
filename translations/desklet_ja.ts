<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>ContactCommands</name>
    <message>
        <source>--import-contacts needs one or more vCard or CSV files</source>
        <translation>--import-contacts には vCard または CSV ファイルを 1 つ以上指定してください</translation>
    </message>
    <message>
        <source>%1 contacts imported, %2 skipped (no fax number), %3 already present</source>
        <translation>%1 件の連絡先をインポートしました。%2 件をスキップ (FAX 番号なし)、%3 件は登録済みです</translation>
    </message>
    <message>
        <source>%1 groups imported, %2 already present</source>
        <translation>%1 件のグループをインポートしました。%2 件は登録済みです</translation>
    </message>
    <message>
        <source>--export-contacts needs one file to write</source>
        <translation>--export-contacts には書き込むファイルを 1 つ指定してください</translation>
    </message>
    <message>
        <source>the company directory was not searched: %1</source>
        <translation>社内ディレクトリは検索されませんでした: %1</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation>引用符で囲まれたフィールドが閉じていません</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the first line is no header of contact columns</source>
        <translation>1 行目が連絡先の列見出しではありません</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>%1 文字以内で入力してください。</translation>
    </message>
</context>
<context>
    <name>DialogSend</name>
    <message>
        <source>Keep the fax in the Outbox to try it again later?</source>
        <translation>後でもう一度試せるように、FAX を送信トレイに残しますか?</translation>
    </message>
    <message>
        <source>&amp;Keep in Outbox</source>
        <translation>送信トレイに残す(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>The fax is kept in the Outbox as unknown: open the Outbox to send it again or mark it as sent.</source>
        <translation>FAX は結果不明として送信トレイに残されています。送信トレイを開いて、再送信するか送信済みにしてください。</translation>
    </message>
    <message>
        <source>Sending stopped: the Outbox could not record the fax, and a fax is not sent without its record.</source>
        <translation>送信を中止しました。送信トレイに FAX を記録できませんでした。記録のない FAX は送信されません。</translation>
    </message>
    <message>
        <source>The fax was sent or taken from the Outbox meanwhile, so it is not sent from here. See the Outbox and Sent Faxes before sending it again.</source>
        <translation>この FAX はその間に送信されたか、送信トレイから取り出されたため、ここからは送信しません。もう一度送信する前に、送信トレイと送信済み FAX を確認してください。</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>送信トレイ</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>desklet: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set, or the display does not answer)
desklet: desklet --send works without one: desklet --send -file DOCUMENT -fax NUMBER
</source>
        <translation>desklet: ウィンドウを開くディスプレイがありません (DISPLAY と WAYLAND_DISPLAY が設定されていないか、ディスプレイが応答しません)
desklet: desklet --send はディスプレイなしで使えます: desklet --send -file DOCUMENT -fax NUMBER
</translation>
    </message>
</context>
<context>
    <name>DocumentPreview</name>
    <message>
        <source>The file cannot be read</source>
        <translation>ファイルを読み取れません</translation>
    </message>
    <message>
        <source>Pages: unknown</source>
        <translation>ページ数: 不明</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 ページ</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n ページ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to 1 recipient</source>
        <translation>%1、宛先 1 件</translation>
    </message>
    <message numerus="yes">
        <source>%1 to %n recipients</source>
        <translation>
            <numerusform>%1、宛先 %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FaxNumberRules</name>
    <message>
        <source>A fax number that begins with 1 must be followed by exactly 10 digits</source>
        <translation>1 で始まる FAX 番号は、その後にちょうど 10 桁の数字が必要です</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 1 can not have either a 0 or 1 as its second digit</source>
        <translation>1 で始まる FAX 番号の 2 桁目に 0 や 1 は使えません</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 0 must be between 8 and 35 digits long</source>
        <translation>0 で始まる FAX 番号は 8 桁から 35 桁でなければなりません</translation>
    </message>
    <message>
        <source>A fax telephone number that begins with a 0 must be followed by 11</source>
        <translation>0 で始まる FAX 番号の後には 11 が必要です</translation>
    </message>
    <message>
        <source>A fax number that doesn&apos;t begin with 0 or 1 must be exactly 10 digits long</source>
        <translation>0 または 1 で始まらない FAX 番号は、ちょうど 10 桁でなければなりません</translation>
    </message>
    <message>
        <source>Incorrectly formatted fax telephone number</source>
        <translation>FAX 番号の形式が正しくありません</translation>
    </message>
    <message>
        <source>Please verify the fax telephone number</source>
        <translation>FAX 番号を確認してください</translation>
    </message>
    <message>
        <source>Please verify fax telephone number %1</source>
        <translation>FAX 番号 %1 を確認してください</translation>
    </message>
</context>
<context>
    <name>FaxSubmission</name>
    <message>
        <source>You must enter at least 1 fax number in the recipient list.</source>
        <translation>宛先リストに FAX 番号を 1 つ以上入力してください。</translation>
    </message>
    <message>
        <source>Recipient(s) required</source>
        <translation>宛先が必要です</translation>
    </message>
    <message>
        <source>Please verify your account name and password</source>
        <translation>アカウント名とパスワードを確認してください</translation>
    </message>
    <message>
        <source>Error sending fax - Check Password</source>
        <translation>FAX の送信エラー - パスワードを確認してください</translation>
    </message>
    <message>
        <source>Please verify the path to the file you want to fax.</source>
        <translation>FAX で送るファイルのパスを確認してください。</translation>
    </message>
    <message>
        <source>Error: File not found!</source>
        <translation>エラー: ファイルが見つかりません!</translation>
    </message>
    <message>
        <source>Error connecting to the mail server.  Please check your Internet connection and mail server settings, or see the online help.</source>
        <translation>メール サーバーへの接続でエラーが発生しました。  インターネット接続とメール サーバーの設定を確認するか、オンライン ヘルプを参照してください。</translation>
    </message>
    <message>
        <source>Error uploading your file to the server.  Please check your connection to the Internet and mail server settings, or see the online help.</source>
        <translation>サーバーへのファイルのアップロードでエラーが発生しました。  インターネット接続とメール サーバーの設定を確認するか、オンライン ヘルプを参照してください。</translation>
    </message>
    <message>
        <source>Error sending Fax</source>
        <translation>FAX の送信エラー</translation>
    </message>
    <message>
        <source>The mail server refused the fax for now.  Please try again later, or see the online help.</source>
        <translation>メール サーバーが FAX を一時的に拒否しました。  後でもう一度お試しいただくか、オンライン ヘルプを参照してください。</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.  Please check the server&apos;s name in your mail server settings and your Internet connection, or see the online help.</source>
        <translation>メール サーバー %1 が見つかりません。  メール サーバーの設定にあるサーバー名とインターネット接続を確認するか、オンライン ヘルプを参照してください。</translation>
    </message>
    <message>
        <source>The mail server %1 refused the connection on port %2.  Please check the port in your mail server settings, or see the online help.</source>
        <translation>メール サーバー %1 がポート %2 での接続を拒否しました。  メール サーバーの設定にあるポートを確認するか、オンライン ヘルプを参照してください。</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer in time.  Please check your Internet connection and mail server settings, or try again later.</source>
        <translation>メール サーバー %1 が時間内に応答しませんでした。  インターネット接続とメール サーバーの設定を確認するか、後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>The mail server answers in plain text on port %1, where SSL/TLS was asked for.  Please choose STARTTLS as the connection security in your mail server settings, or port 465 for SSL/TLS.</source>
        <translation>SSL/TLS を指定したポート %1 で、メール サーバーが暗号化なしで応答しています。  メール サーバーの設定で接続の保護に STARTTLS を選ぶか、SSL/TLS にはポート 465 を使ってください。</translation>
    </message>
    <message>
        <source>Mail server %1, port %2.</source>
        <translation>メール サーバー %1、ポート %2。</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>ポートは 1 から 65535 までの数値でなければなりません。</translation>
    </message>
    <message>
        <source>The server&apos;s last reply: %1</source>
        <translation>サーバーの最後の応答: %1</translation>
    </message>
    <message>
        <source>The system&apos;s reason: %1.</source>
        <translation>システムが示した理由: %1。</translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate cannot be trusted: %1.  Server: %2.  Please check your mail server settings, or see the online help.</source>
        <translation>メール サーバーの証明書は信頼できません: %1。  サーバー: %2。  メール サーバーの設定を確認するか、オンライン ヘルプを参照してください。</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>有効期限が切れています</translation>
    </message>
    <message>
        <source>it is not valid for this server&apos;s name</source>
        <translation>このサーバーの名前に対して有効ではありません</translation>
    </message>
    <message>
        <source>it was issued by an authority this computer does not trust</source>
        <translation>このコンピューターが信頼していない認証局が発行しています</translation>
    </message>
    <message>
        <source>it did not pass the check</source>
        <translation>検証に合格しませんでした</translation>
    </message>
    <message>
        <source>The mail server does not offer an encrypted connection.  Please check the connection security in your mail server settings, or see the online help.</source>
        <translation>メール サーバーは暗号化された接続を提供していません。  メール サーバーの設定にある接続の保護を確認するか、オンライン ヘルプを参照してください。</translation>
    </message>
    <message>
        <source>The mail server refused your user name or password.  Please check them in your mail server settings.</source>
        <translation>メール サーバーがユーザー名またはパスワードを拒否しました。  メール サーバーの設定で確認してください。</translation>
    </message>
    <message>
        <source>The mail server cannot take your login: a login needs an encrypted connection and a login method the server offers.  Please check your mail server settings, or see the online help.</source>
        <translation>メール サーバーはログインを受け付けられません: ログインには暗号化された接続と、サーバーが提供するログイン方式が必要です。  メール サーバーの設定を確認するか、オンライン ヘルプを参照してください。</translation>
    </message>
    <message>
        <source>The fax is too large for the mail server: the message has %1 bytes and the server takes at most %2.  Please send a smaller document, or use another mail server.</source>
        <translation>FAX がメール サーバーにとって大きすぎます: メッセージは %1 バイトで、サーバーが受け付けるのは最大 %2 バイトです。  小さい文書を送るか、別のメール サーバーを使ってください。</translation>
    </message>
    <message numerus="yes">
        <source>The fax went to %1 of the %2 numbers. Only the %n numbers not yet sent are left in the list.</source>
        <translation>
            <numerusform>FAX は %2 件の番号のうち %1 件に送信されました。まだ送信されていない %n 件の番号だけがリストに残っています。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobOptions</name>
    <message>
        <source>unknown value of -%1: &quot;%2&quot;</source>
        <translation>-%1 の値が不明です: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Fax sent</source>
        <translation>FAX を送信しました</translation>
    </message>
    <message>
        <source>%1 went to %2.</source>
        <translation>%1 を %2 に送信しました。</translation>
    </message>
    <message>
        <source>Fax not sent</source>
        <translation>FAX を送信できませんでした</translation>
    </message>
    <message>
        <source>%1 could not go to %2: %3</source>
        <translation>%1 を %2 に送信できませんでした: %3</translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>オペレーティング システムのメモリまたは
リソースが不足しています。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>指定されたファイルが見つかりません。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>指定されたパスが見つかりません。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>オペレーティング システムが
指定されたファイルへのアクセスを拒否しました。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>操作を完了するのに十分なメモリがありません。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE ファイルが無効です
(Win32 以外の .EXE、または .EXE イメージのエラー)。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>共有違反が発生しました。 </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>ファイル名の関連付けが
不完全か無効です。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>要求がタイムアウトしたため、
DDE トランザクションを完了できませんでした。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE トランザクションが失敗しました。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>他の DDE トランザクションが処理中だったため、
DDE トランザクションを
完了できませんでした。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>指定されたファイル名拡張子に
関連付けられたアプリケーションがありません。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>指定されたダイナミック リンク ライブラリが見つかりません。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>不明なエラー (%1) が発生しました。</translation>
    </message>
</context>
<context>
    <name>OutboxCommands</name>
    <message>
        <source>Try &apos;desklet --help&apos; for more information.</source>
        <translation>詳しくは &apos;desklet --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>--sent takes one count of jobs, a whole number from 1</source>
        <translation>--sent にはジョブの件数を 1 以上の整数で 1 つ指定してください</translation>
    </message>
    <message>
        <source>--discard takes the id of one job, as --outbox lists it</source>
        <translation>--discard には --outbox が表示するジョブの ID を 1 つ指定してください</translation>
    </message>
    <message>
        <source>fax job %1 discarded</source>
        <translation>FAX ジョブ %1 を破棄しました</translation>
    </message>
    <message>
        <source>--outbox takes no argument</source>
        <translation>--outbox には引数を指定できません</translation>
    </message>
    <message>
        <source>fax job %1 sent</source>
        <translation>FAX ジョブ %1 を送信しました</translation>
    </message>
    <message>
        <source>fax job %1 kept in the outbox: %2</source>
        <translation>FAX ジョブ %1 を送信トレイに残しました: %2</translation>
    </message>
    <message>
        <source>fax job %1 kept as unknown: %2</source>
        <translation>FAX ジョブ %1 を結果不明として残しました: %2</translation>
    </message>
    <message>
        <source>fax job %1 failed: %2</source>
        <translation>FAX ジョブ %1 は失敗しました: %2</translation>
    </message>
</context>
<context>
    <name>PhoneBookFailure</name>
    <message>
        <source>The phone book needs Qt&apos;s SQLite driver, which is not installed.</source>
        <translation>電話帳には Qt の SQLite ドライバーが必要ですが、インストールされていません。</translation>
    </message>
    <message>
        <source>The phone book&apos;s folder %1 cannot be created.</source>
        <translation>電話帳のフォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>The phone book&apos;s folder %1 cannot be made private to you.</source>
        <translation>電話帳のフォルダー %1 を自分専用にできません。</translation>
    </message>
    <message>
        <source>The phone book %1 is a symbolic link; it is left alone.</source>
        <translation>電話帳 %1 はシンボリック リンクです。変更せずに残します。</translation>
    </message>
    <message>
        <source>The phone book %1 is not a file of yours that only you can read.</source>
        <translation>電話帳 %1 は、あなただけが読み取れるあなたのファイルではありません。</translation>
    </message>
    <message>
        <source>The phone book %1 cannot be opened.</source>
        <translation>電話帳 %1 を開けません。</translation>
    </message>
    <message>
        <source>The phone book %1 was written by a newer version of Desklet.</source>
        <translation>電話帳 %1 は新しいバージョンの Desklet で書き込まれています。</translation>
    </message>
    <message>
        <source>The phone book %1 cannot be brought up to date.</source>
        <translation>電話帳 %1 を最新の形式に更新できません。</translation>
    </message>
    <message>
        <source>The phone book is in use by another program; try again.</source>
        <translation>電話帳は別のプログラムが使用中です。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The disk is full; nothing was changed in the phone book.</source>
        <translation>ディスクがいっぱいです。電話帳は何も変更されていません。</translation>
    </message>
    <message>
        <source>The phone book cannot be written; nothing was changed.</source>
        <translation>電話帳に書き込めません。何も変更されていません。</translation>
    </message>
    <message>
        <source>The phone book cannot be read.</source>
        <translation>電話帳を読み取れません。</translation>
    </message>
    <message>
        <source>That entry is no longer in the phone book.</source>
        <translation>その項目はもう電話帳にありません。</translation>
    </message>
    <message>
        <source>A contact needs at least one fax number.</source>
        <translation>連絡先には FAX 番号が 1 つ以上必要です。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>ファイル %1 を読み取れません。</translation>
    </message>
    <message>
        <source>The file %1 is too large for a contact file.</source>
        <translation>ファイル %1 は連絡先ファイルとしては大きすぎます。</translation>
    </message>
    <message>
        <source>Line %2 of %1 is not part of a vCard or CSV contact file.</source>
        <translation>%1 の %2 行目は vCard または CSV の連絡先ファイルの一部ではありません。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>ファイル %1 に書き込めません。</translation>
    </message>
    <message>
        <source>No contact or group is called &quot;%1&quot;.</source>
        <translation>「%1」という名前の連絡先やグループはありません。</translation>
    </message>
    <message>
        <source>Several contacts or groups are called &quot;%1&quot;.</source>
        <translation>「%1」という名前の連絡先またはグループが複数あります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has several fax numbers and none of them is for work.</source>
        <translation>「%1」には FAX 番号が複数あり、そのどれも勤務先のものではありません。</translation>
    </message>
    <message>
        <source>The group &quot;%1&quot; has no members.</source>
        <translation>グループ「%1」にはメンバーがいません。</translation>
    </message>
</context>
<context>
    <name>PrintJobs</name>
    <message>
        <source>job %1</source>
        <translation>ジョブ %1</translation>
    </message>
    <message>
        <source>%1 (job %2)</source>
        <translation>%1 (ジョブ %2)</translation>
    </message>
    <message>
        <source>The fax printer holds these printed documents in the print queue because your fax inbox is full (%1 documents or %2 GiB):

%3
Send or close the faxes that wait, then let the held documents through with:

%4</source>
        <translation>FAX の受信箱がいっぱいのため (%1 件の文書または %2 GiB)、FAX プリンターは次の印刷済み文書を印刷キューに保留しています:

%3
待機中の FAX を送信するか閉じてから、次のコマンドで保留中の文書を解放してください:

%4</translation>
    </message>
    <message>
        <source>Print to fax</source>
        <translation>FAX に印刷</translation>
    </message>
    <message>
        <source>The printed document
%1
cannot be opened. It stays where it is.</source>
        <translation>印刷された文書
%1
を開けません。文書はそのままの場所に残ります。</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>You don&apos;t have permission to store information in the Windows Registry</source>
        <translation>Windows レジストリに情報を保存する権限がありません</translation>
    </message>
    <message>
        <source>Insuffucient security clearance</source>
        <translation>セキュリティ権限が不足しています</translation>
    </message>
</context>
<context>
    <name>TerminalMode</name>
    <message>
        <source>Try &apos;desklet --help&apos; for more information.</source>
        <translation>詳しくは &apos;desklet --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>sending fax... %1%</source>
        <translation>FAX を送信中... %1%</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together</source>
        <translation>%1 と %2 は同時に指定できません</translation>
    </message>
    <message>
        <source>%1 needs a file name, or - for standard input</source>
        <translation>%1 にはファイル名、または標準入力を表す - を指定してください</translation>
    </message>
    <message>
        <source>%1 goes with --send</source>
        <translation>%1 は --send と共に使います</translation>
    </message>
    <message>
        <source>start desklet once with a window to set up the account, or store logon and password in the [Config] section of %1</source>
        <translation>アカウントを設定するには desklet を一度ウィンドウ付きで起動するか、%1 の [Config] セクションに logon と password を保存してください</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>the password file %1</source>
        <translation>パスワード ファイル %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 は存在しません</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; give the file it names</source>
        <translation>%1 はシンボリック リンクです。リンク先のファイルを指定してください</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 can be read or written by others; make it private (chmod 600)</source>
        <translation>%1 は他のユーザーが読み書きできます。自分専用にしてください (chmod 600)</translation>
    </message>
    <message>
        <source>%1 holds no password on its first line</source>
        <translation>%1 の 1 行目にパスワードがありません</translation>
    </message>
    <message>
        <source>%1 has no line break within its first %2 bytes</source>
        <translation>%1 の先頭 %2 バイト以内に改行がありません</translation>
    </message>
    <message>
        <source>%1 holds a zero byte</source>
        <translation>%1 にゼロ バイトが含まれています</translation>
    </message>
    <message numerus="yes">
        <source>%n fax mails, one for each share of the numbers, written as an mbox</source>
        <translation>
            <numerusform>%n 通の FAX メール (番号の分担ごとに 1 通) を mbox として書き出しました</numerusform>
        </translation>
    </message>
    <message>
        <source>no fax number: give -fax NUMBER[,NUMBER...] or -to NAME[,NAME...]</source>
        <translation>FAX 番号がありません: -fax NUMBER[,NUMBER...] または -to NAME[,NAME...] を指定してください</translation>
    </message>
    <message>
        <source>no document: give -file DOCUMENT</source>
        <translation>文書がありません: -file DOCUMENT を指定してください</translation>
    </message>
    <message>
        <source>no fax number in -fax &quot;%1&quot;</source>
        <translation>-fax &quot;%1&quot; に FAX 番号がありません</translation>
    </message>
    <message>
        <source>every user of this computer can read the password given with -smtp_password; give it with --password-file instead</source>
        <translation>-smtp_password で指定したパスワードは、このコンピューターのユーザーなら誰でも読めます。代わりに --password-file で指定してください</translation>
    </message>
    <message>
        <source>-%1 is not used: the stored value of %1, which is empty, is</source>
        <translation>-%1 は使われません: 保存された %1 の値 (空) が使われます</translation>
    </message>
    <message>
        <source>-%1 is not used: the stored value of %1 is</source>
        <translation>-%1 は使われません: 保存された %1 の値が使われます</translation>
    </message>
    <message>
        <source>not sent to: %1</source>
        <translation>送信されなかった宛先: %1</translation>
    </message>
    <message>
        <source>this mode needs a window</source>
        <translation>このモードにはウィンドウが必要です</translation>
    </message>
    <message>
        <source>%1 goes with --send or --flush-outbox</source>
        <translation>%1 は --send または --flush-outbox と共に使います</translation>
    </message>
    <message>
        <source>the fax is sent without a record in the sent log</source>
        <translation>FAX は送信ログに記録されずに送信されます</translation>
    </message>
    <message>
        <source>kept in the outbox: %1</source>
        <translation>送信トレイに残しました: %1</translation>
    </message>
    <message>
        <source>kept in the outbox as unknown: %1; desklet --outbox lists it, desklet --discard takes it out</source>
        <translation>結果不明として送信トレイに残しました: %1。desklet --outbox で一覧表示でき、desklet --discard で取り除けます</translation>
    </message>
    <message>
        <source>--flush-outbox takes no argument</source>
        <translation>--flush-outbox には引数を指定できません</translation>
    </message>
    <message>
        <source>Usage: desklet [-file DOCUMENT] [-fax NUMBER[,NUMBER...]] [KEY VALUE...]
       desklet --send -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
               [--password-file FILE] [--queue]
       desklet --outbox | --flush-outbox [--due] [--password-file FILE]
       desklet --discard ID | --sent [N]
       desklet --print-message -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
       desklet --print-jobs
       desklet --import-contacts FILE...
       desklet --export-contacts FILE
       desklet --contacts [TEXT]
       desklet --help | --version

Without an option the fax dialog opens, filled in from the keys.
  --send           send the fax without a window; messages go to standard error;
                   every fax sent is kept in the sent log
  --queue          with --send: a failure that may pass (no server, a refusal
                   for now) keeps the fax in the outbox, to go with
                   --flush-outbox or the session helper&apos;s next try, and the
                   run ends with 0
  --outbox         list the faxes waiting in the outbox and those whose fate
                   is unknown: id&lt;TAB&gt;state&lt;TAB&gt;queued&lt;TAB&gt;numbers&lt;TAB&gt;document
                   &lt;TAB&gt;attempts&lt;TAB&gt;next attempt&lt;TAB&gt;last error
  --flush-outbox   try every waiting fax now; ends with 0 when none is left
                   waiting, 75 when some are
  --due            with --flush-outbox: try only the faxes whose next try is
                   due, so that the others keep their time
  --discard ID     take a waiting or unknown fax out of the outbox
  --sent [N]       print the faxes of the last N jobs (20 without N), a mail a
                   line: time&lt;TAB&gt;numbers&lt;TAB&gt;document&lt;TAB&gt;outcome&lt;TAB&gt;
                   Message-ID&lt;TAB&gt;server reply
  --print-message  write the fax mail to standard output and send nothing;
                   a fax that goes as several mails is written as an mbox
  --print-jobs     open the fax dialog for each printed document waiting
  --import-contacts FILE...
                   add the contacts and groups of vCard or CSV files to the
                   phone book; the counts go to standard error
  --export-contacts FILE
                   write every contact and group to FILE as vCard 4.0
  --contacts [TEXT]
                   print the contacts and groups whose name, company or number
                   holds TEXT, one fax number a line:
                   name&lt;TAB&gt;company&lt;TAB&gt;number&lt;TAB&gt;label
  --help           show this text
  --version        show the version
  --password-file FILE
                   with --send or --flush-outbox: the first line of FILE is
                   the mail server&apos;s password; only its owner may read FILE
                   (- reads standard input); it is used for this run, before
                   the stored one

Keys (a dash, the key, then the value: the next argument, whole):
  -file DOCUMENT       the document to fax
  -fax LIST            fax numbers, separated by commas
  -to NAMES            phone book contacts or groups, separated by commas
  -font regular|bold   the fax page font
  -resolution low|high
  -cover yes|no        attach a cover page
  -comment TEXT        -from TEXT        -attention TEXT
Any setting can be given the same way (-logon, -smtp, -smtp_port, ...), for
the settings not stored: a stored value wins, and --send names each key it
overrides. Every user of this computer can read a command line, so give the
password with --password-file rather than -smtp_password.

Settings live in $XDG_CONFIG_HOME/Quillmark/Desklet.conf (~/.config/Quillmark/Desklet.conf);
run desklet once with a window to set up the account.

Exit status:
   0 sent (or printed); with --queue also kept in the outbox for a later try
  64 the command line is wrong: no -fax or -file, an unknown value or option,
     --password-file without a file or without --send or --flush-outbox,
     --queue without --send, --due without --flush-outbox
  65 a fax number breaks the number rules; a -to name is unknown or names
     several contacts; a contact file is neither vCard nor CSV; --discard names
     no job of the outbox
  66 the document or a contact file is missing or unreadable
  69 the server could not be reached, refused the fax for good (5xx), does not
     offer the encryption asked for, or takes no message this large; or there
     is no display for the window (desklet, desklet --print-jobs)
  75 the server refused the fax for now (4xx), or its answer to the message
     never came (the fax is kept in the outbox as unknown); try again later;
     with --flush-outbox: faxes are still waiting
  76 the server&apos;s replies made no sense, or it closed the connection mid-session
  77 the server refused the login or its certificate
  73 the exported file cannot be written
  74 the phone book, the outbox or the sent log cannot be opened, read or
     written
  78 no account is set up: start desklet once with a window; or the mail
     server settings cannot be used (a login without encryption, an unknown
     smtp_security); or the password file cannot be used (missing, readable by
     others, a symbolic link, no password on its first line)
</source>
        <translation>使い方: desklet [-file DOCUMENT] [-fax NUMBER[,NUMBER...]] [KEY VALUE...]
        desklet --send -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
                [--password-file FILE] [--queue]
        desklet --outbox | --flush-outbox [--due] [--password-file FILE]
        desklet --discard ID | --sent [N]
        desklet --print-message -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
        desklet --print-jobs
        desklet --import-contacts FILE...
        desklet --export-contacts FILE
        desklet --contacts [TEXT]
        desklet --help | --version

オプションを付けないと、キーの値を入力した FAX ダイアログが開きます。
  --send           ウィンドウを使わずに FAX を送信します。メッセージは標準エラー
                   出力に出ます。送信した FAX はすべて送信ログに記録されます
  --queue          --send と共に使います: 一時的な失敗 (サーバーがない、一時的な
                   拒否) の場合は FAX を送信トレイに残し、--flush-outbox または
                   セッション ヘルパーの次の試行で送信します。
                   実行は 0 で終了します
  --outbox         送信トレイで待機中の FAX と、結果が不明な FAX を一覧表示
                   します: ID&lt;TAB&gt;状態&lt;TAB&gt;登録日時&lt;TAB&gt;番号&lt;TAB&gt;文書
                   &lt;TAB&gt;試行回数&lt;TAB&gt;次の試行&lt;TAB&gt;最後のエラー
  --flush-outbox   待機中の FAX をすべて今すぐ試行します。待機中の FAX が残ら
                   なければ 0、残っていれば 75 で終了します
  --due            --flush-outbox と共に使います: 次の試行の時刻が来た FAX
                   だけを試行し、ほかの FAX の試行時刻はそのまま保ちます
  --discard ID     待機中または結果不明の FAX を送信トレイから取り除きます
  --sent [N]       最近の N 件のジョブ (N がなければ 20 件) の FAX を、1 行に
                   メール 1 通ずつ表示します: 日時&lt;TAB&gt;番号&lt;TAB&gt;文書&lt;TAB&gt;結果
                   &lt;TAB&gt;Message-ID&lt;TAB&gt;サーバーの応答
  --print-message  FAX のメールを標準出力に書き出し、何も送信しません。複数の
                   メールで送られる FAX は mbox として書き出します
  --print-jobs     待機中の印刷済み文書ごとに FAX ダイアログを開きます
  --import-contacts FILE...
                   vCard または CSV ファイルの連絡先とグループを電話帳に追加
                   します。件数は標準エラー出力に出ます
  --export-contacts FILE
                   すべての連絡先とグループを vCard 4.0 として FILE に書き込み
                   ます
  --contacts [TEXT]
                   名前、会社、番号に TEXT を含む連絡先とグループを、1 行に
                   FAX 番号 1 つずつ表示します:
                   名前&lt;TAB&gt;会社&lt;TAB&gt;番号&lt;TAB&gt;ラベル
  --help           このテキストを表示します
  --version        バージョンを表示します
  --password-file FILE
                   --send または --flush-outbox と共に使います: FILE の 1 行目が
                   メール サーバーのパスワードです。FILE は所有者だけが読み取れ
                   なければなりません (- は標準入力を読みます)。保存された
                   パスワードより優先して、今回の実行で使われます

キー (ダッシュ、キー、値の順: 値は次の引数全体):
  -file DOCUMENT       FAX で送る文書
  -fax LIST            FAX 番号 (カンマ区切り)
  -to NAMES            電話帳の連絡先またはグループ (カンマ区切り)
  -font regular|bold   FAX ページのフォント
  -resolution low|high
  -cover yes|no        送付状を付けるかどうか
  -comment TEXT        -from TEXT        -attention TEXT
どの設定も同じ方法で指定できます (-logon、-smtp、-smtp_port など)。これは
保存されていない設定に使われます: 保存された値が優先され、--send は上書き
したキーをそれぞれ表示します。このコンピューターのユーザーは誰でもコマンド
ラインを読めるため、パスワードは -smtp_password ではなく --password-file で
指定してください。

設定は $XDG_CONFIG_HOME/Quillmark/Desklet.conf (~/.config/Quillmark/Desklet.conf) にあります。
アカウントを設定するには、desklet を一度ウィンドウ付きで起動してください。

終了ステータス:
   0 送信した (または出力した)。--queue を付けた場合は、後で試行するために
     送信トレイに残した場合も含む
  64 コマンドラインが正しくない: -fax または -file がない、値やオプションが
     不明、--password-file にファイルがないか --send も --flush-outbox も
     ない、--queue に --send がない、--due に --flush-outbox がない
  65 FAX 番号が番号の規則に反している。-to の名前が不明か、複数の連絡先に
     該当する。連絡先ファイルが vCard でも CSV でもない。--discard の ID が
     送信トレイのどのジョブにも当たらない
  66 文書または連絡先ファイルが見つからないか、読み取れない
  69 サーバーに接続できなかった、FAX を恒久的に拒否した (5xx)、要求した暗号化
     を提供していない、またはこの大きさのメッセージを受け付けない。または
     ウィンドウを表示するディスプレイがない (desklet、desklet --print-jobs)
  75 サーバーが FAX を一時的に拒否した (4xx)、またはメッセージへの応答が
     届かなかった (FAX は結果不明として送信トレイに残る)。後でもう一度
     お試しください。--flush-outbox の場合: まだ待機中の FAX がある
  76 サーバーの応答が不正だった、またはセッションの途中で接続を閉じた
  77 サーバーがログインを拒否した、またはサーバーの証明書を拒否した
  73 エクスポートしたファイルに書き込めない
  74 電話帳、送信トレイ、または送信ログを開けない、読み取れない、または
     書き込めない
  78 アカウントが設定されていない: desklet を一度ウィンドウ付きで起動して
     ください。またはメール サーバーの設定が使えない (暗号化なしのログイン、
     不明な smtp_security)。またはパスワード ファイルが使えない (ない、他の
     ユーザーが読み取れる、シンボリック リンク、1 行目にパスワードがない)
</translation>
    </message>
    <message>
        <source>%1 goes with --flush-outbox</source>
        <translation>%1 は --flush-outbox と共に使います</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>the line is not a vCard property</source>
        <translation>この行は vCard のプロパティではありません</translation>
    </message>
    <message>
        <source>a card begins inside another</source>
        <translation>カードが別のカードの中で始まっています</translation>
    </message>
    <message>
        <source>only cards may begin here</source>
        <translation>ここで始められるのはカードだけです</translation>
    </message>
    <message>
        <source>the line is outside a card</source>
        <translation>この行はカードの外にあります</translation>
    </message>
    <message>
        <source>the card ends with something else</source>
        <translation>カードが別のもので終わっています</translation>
    </message>
    <message>
        <source>the card has no END</source>
        <translation>カードに END がありません</translation>
    </message>
    <message>
        <source>the file holds no card</source>
        <translation>ファイルにカードがありません</translation>
    </message>
</context>
<context>
    <name>desklet::CAboutDlg</name>
    <message>
        <source>About Quillmark Tarvel</source>
        <translation>Quillmark Tarvel について</translation>
    </message>
    <message>
        <source>Desklet Version %1</source>
        <translation>Desklet バージョン %1</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 Quillmark. All rights reserved.</source>
        <translation>Copyright (c) 2026 Quillmark. All rights reserved.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>desklet::CConfigSheet</name>
    <message>
        <source>Quillmark Tarvel Setup</source>
        <translation>Quillmark Tarvel のセットアップ</translation>
    </message>
</context>
<context>
    <name>desklet::CFaxClientDlg</name>
    <message>
        <source>MS Word Documents (*.doc) (*.doc *.rtf)</source>
        <translation>MS Word 文書 (*.doc) (*.doc *.rtf)</translation>
    </message>
    <message>
        <source>Chart Files (*.xlc) (*.xlc)</source>
        <translation>グラフ ファイル (*.xlc) (*.xlc)</translation>
    </message>
    <message>
        <source>MS Excel Worksheet Files (*.xls) (*.xls)</source>
        <translation>MS Excel ワークシート ファイル (*.xls) (*.xls)</translation>
    </message>
    <message>
        <source>Adobe Acrobate Files (*.pdf) (*.pdf)</source>
        <translation>Adobe Acrobat ファイル (*.pdf) (*.pdf)</translation>
    </message>
    <message>
        <source>Postscript Files (*.ps,*.prn,*.psa) (*.ps *.prn *.psa)</source>
        <translation>PostScript ファイル (*.ps,*.prn,*.psa) (*.ps *.prn *.psa)</translation>
    </message>
    <message>
        <source>All Files (*.*) (*)</source>
        <translation>すべてのファイル (*.*) (*)</translation>
    </message>
    <message>
        <source>Quillmark Tarvel</source>
        <translation>Quillmark Tarvel</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Account &amp;Settings</source>
        <translation>アカウント設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Quillmark Tarvel</source>
        <translation>Quillmark Tarvel について(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンライン ヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>File you would like to fax:</source>
        <translation>FAX で送るファイル:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Fax Page Font</source>
        <translation>FAX ページのフォント</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>低解像度</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>高解像度</translation>
    </message>
    <message>
        <source>Phone Book...</source>
        <translation>電話帳...</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Send Fax</source>
        <translation>FAX を送信</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Browse for the file to fax</source>
        <translation>FAX で送るファイルを参照</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Phone Book</source>
        <translation>電話帳</translation>
    </message>
    <message>
        <source>Printed to the fax printer.</source>
        <translation>FAX プリンターに印刷しました。</translation>
    </message>
    <message>
        <source>Printed to the fax printer. 1 more printed document waits.</source>
        <translation>FAX プリンターに印刷しました。印刷済みの文書があと 1 件待機しています。</translation>
    </message>
    <message numerus="yes">
        <source>Printed to the fax printer. %n more printed documents wait.</source>
        <translation>
            <numerusform>FAX プリンターに印刷しました。印刷済みの文書があと %n 件待機しています。</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Faxes</source>
        <translation>FAX(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Outbox</source>
        <translation>送信トレイ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Sent Faxes</source>
        <translation>送信済み FAX(&amp;S)</translation>
    </message>
    <message>
        <source>The document %1 is no longer there: the numbers are filled in, choose the document to send.</source>
        <translation>文書 %1 はもうありません。番号は入力済みです。送信する文書を選んでください。</translation>
    </message>
    <message>
        <source>Sent Faxes</source>
        <translation>送信済み FAX</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>送信トレイ</translation>
    </message>
</context>
<context>
    <name>desklet::CHyperLinkCtrl</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>ハイパーリンクを開けません:

%1</translation>
    </message>
</context>
<context>
    <name>desklet::COnlineHelpDlg</name>
    <message>
        <source>Online Help</source>
        <translation>オンライン ヘルプ</translation>
    </message>
    <message>
        <source>Viewing the online help requires that you are connected to the Internet and you have a web browser installed.  If after reading the online help you require further assistance, or to subscribe to Quillmark services, call:</source>
        <translation>オンライン ヘルプを表示するには、インターネットに接続し、Web ブラウザーがインストールされている必要があります。  オンライン ヘルプを読んだ後でさらにサポートが必要な場合、または Quillmark のサービスに申し込む場合は、次の番号にお電話ください:</translation>
    </message>
    <message>
        <source>CLICK HERE TO VIEW THE ONLINE HELP</source>
        <translation>ここをクリックしてオンライン ヘルプを表示</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_AccountSettingsLogon</name>
    <message>
        <source>Account Settings</source>
        <translation>アカウント設定</translation>
    </message>
    <message>
        <source>Quillmark Account</source>
        <translation>Quillmark アカウント</translation>
    </message>
    <message>
        <source>&amp;Logon Name:</source>
        <translation>ログオン名(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Confirm Password:</source>
        <translation>パスワードの確認(&amp;C):</translation>
    </message>
    <message>
        <source>Optional Fax &amp;Station ID:</source>
        <translation>FAX 局 ID (省略可)(&amp;S):</translation>
    </message>
    <message>
        <source>If you chose to specify a fax station ID, this code will appear next to items that appear on your bill.</source>
        <translation>FAX 局 ID を指定すると、このコードが請求書の各項目の横に表示されます。</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_ConfirmationSettings</name>
    <message>
        <source>Confirmations</source>
        <translation>確認通知</translation>
    </message>
    <message>
        <source>E-Mail Addresses</source>
        <translation>電子メール アドレス</translation>
    </message>
    <message>
        <source>Notify when fax is &amp;delivered successfully:</source>
        <translation>FAX が正常に配信されたときの通知先(&amp;D):</translation>
    </message>
    <message>
        <source>Notify when a fax can&apos;&amp;t be delivered:</source>
        <translation>FAX を配信できなかったときの通知先(&amp;T):</translation>
    </message>
    <message>
        <source>Notify when a fax is &amp;queued to be sent:</source>
        <translation>FAX が送信待ちになったときの通知先(&amp;Q):</translation>
    </message>
    <message>
        <source>Notify when a fax ca&amp;n&apos;t be queued to be sent:</source>
        <translation>FAX を送信待ちにできなかったときの通知先(&amp;N):</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_Directory</name>
    <message>
        <source>Directory</source>
        <translation>ディレクトリ</translation>
    </message>
    <message>
        <source>The phone book can also search your company&apos;s directory (LDAP). Enter its server as ldap://server, which is encrypted with StartTLS whenever the server offers it, or ldaps://server, and the part of the directory to search. A login name and password are needed only if the directory asks for one; the password is sent over an encrypted connection only.</source>
        <translation>電話帳では、会社のディレクトリ (LDAP) も検索できます。サーバーを ldap://server (サーバーが対応していれば常に StartTLS で暗号化されます) または ldaps://server の形で入力し、検索するディレクトリの範囲を指定してください。ログイン名とパスワードは、ディレクトリが求める場合にだけ必要です。パスワードは暗号化された接続でのみ送信されます。</translation>
    </message>
    <message>
        <source>Directory se&amp;rver:</source>
        <translation>ディレクトリ サーバー(&amp;R):</translation>
    </message>
    <message>
        <source>ldap://directory.example.com</source>
        <translation>ldap://directory.example.com</translation>
    </message>
    <message>
        <source>Search &amp;base:</source>
        <translation>検索ベース(&amp;B):</translation>
    </message>
    <message>
        <source>dc=example,dc=com</source>
        <translation>dc=example,dc=com</translation>
    </message>
    <message>
        <source>Log&amp;in name (optional):</source>
        <translation>ログイン名 (省略可)(&amp;I):</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>パスワード(&amp;W):</translation>
    </message>
    <message>
        <source>Enter the directory server as ldap://server or ldaps://server, or leave the field empty.</source>
        <translation>ディレクトリ サーバーを ldap://server または ldaps://server の形で入力するか、空欄のままにしてください。</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertyPage_SMTP_Settings</name>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Mail Server Settings</source>
        <translation>メール サーバーの設定</translation>
    </message>
    <message>
        <source>Quillmark Tarvel works by sending email to a server at Quillmark&apos;s data center.  Some Internet Service Providers will not allow you to connect directly to Quillmark&apos;s mail server.  If your ISP requires you to use a specific mail server, please enter the address of that server below.</source>
        <translation>Quillmark Tarvel は、Quillmark のデータ センターにあるサーバーへ電子メールを送信して動作します。  一部のインターネット サービス プロバイダーでは、Quillmark のメール サーバーに直接接続できません。  プロバイダーが特定のメール サーバーの使用を求めている場合は、そのサーバーのアドレスを下に入力してください。</translation>
    </message>
    <message>
        <source>SMTP &amp;Server:</source>
        <translation>SMTP サーバー(&amp;S):</translation>
    </message>
    <message>
        <source>SMTP Port:</source>
        <translation>SMTP ポート:</translation>
    </message>
    <message>
        <source>STARTTLS (usually port 587) and SSL/TLS (usually port 465) encrypt the connection; None sends everything as plain text (port 25). Enter a user name and password only if the server asks you to log in; they are sent over an encrypted connection only.</source>
        <translation>STARTTLS (通常はポート 587) と SSL/TLS (通常はポート 465) は接続を暗号化します。なし を選ぶとすべて平文で送信されます (ポート 25)。ユーザー名とパスワードは、サーバーがログインを求める場合にだけ入力してください。これらは暗号化された接続でのみ送信されます。</translation>
    </message>
    <message>
        <source>&amp;Connection security:</source>
        <translation>接続の保護(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>ユーザー名(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P):</translation>
    </message>
    <message>
        <source>The password is kept in the desktop keyring.</source>
        <translation>パスワードはデスクトップのキーリングに保存されています。</translation>
    </message>
    <message>
        <source>The password is kept as plain text in the settings file %1, as no desktop keyring takes it.</source>
        <translation>デスクトップのキーリングが使えないため、パスワードは設定ファイル %1 に平文で保存されています。</translation>
    </message>
</context>
<context>
    <name>desklet::CPropertySheet</name>
    <message>
        <source>Properties for %1</source>
        <translation>%1 のプロパティ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>適用(&amp;A)</translation>
    </message>
</context>
<context>
    <name>desklet::ContactEditDlg</name>
    <message>
        <source>New Contact</source>
        <translation>新しい連絡先</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>連絡先の編集</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>会社(&amp;C):</translation>
    </message>
    <message>
        <source>Fax numbers:</source>
        <translation>FAX 番号:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>メモ(&amp;O):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Fax number %1</source>
        <translation>FAX 番号 %1</translation>
    </message>
    <message>
        <source>Label of fax number %1</source>
        <translation>FAX 番号 %1 のラベル</translation>
    </message>
    <message>
        <source>work</source>
        <translation>勤務先</translation>
    </message>
    <message>
        <source>home</source>
        <translation>自宅</translation>
    </message>
    <message>
        <source>other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>&amp;Add Number</source>
        <translation>番号を追加(&amp;A)</translation>
    </message>
</context>
<context>
    <name>desklet::ContactInfoCtrl</name>
    <message>
        <source>If you have any questions or to sign up for Quillmark Fax Services,</source>
        <translation>ご質問がある場合、または Quillmark FAX サービスへのお申し込みは、</translation>
    </message>
    <message>
        <source>visit %1</source>
        <translation>%1 にアクセスするか</translation>
    </message>
    <message>
        <source> or call %1.</source>
        <translation> %1 にお電話ください。</translation>
    </message>
</context>
<context>
    <name>desklet::CoverPageCtrl</name>
    <message>
        <source>Cover Page Options</source>
        <translation>送付状のオプション</translation>
    </message>
    <message>
        <source>Attach cover page</source>
        <translation>送付状を付ける</translation>
    </message>
    <message>
        <source>Optional Comment for Cover Page:</source>
        <translation>送付状のコメント (省略可):</translation>
    </message>
    <message>
        <source>(Optional) Send fax Attention to:</source>
        <translation>(省略可) FAX の宛名:</translation>
    </message>
    <message>
        <source>(Optional) Send Fax From:</source>
        <translation>(省略可) FAX の差出人:</translation>
    </message>
</context>
<context>
    <name>desklet::DocumentPreviewCtrl</name>
    <message>
        <source>Open the document</source>
        <translation>文書を開く</translation>
    </message>
    <message>
        <source>Unable to open the document:

%1</source>
        <translation>文書を開けません:

%1</translation>
    </message>
    <message>
        <source>First page of the document</source>
        <translation>文書の最初のページ</translation>
    </message>
</context>
<context>
    <name>desklet::GroupEditDlg</name>
    <message>
        <source>New Group</source>
        <translation>新しいグループ</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>グループの編集</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Members:</source>
        <translation>メンバー(&amp;M):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>desklet::Outbox</name>
    <message>
        <source>The document could not be kept for a later try: %1</source>
        <translation>後で再試行するための文書を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>There is no fax job %1 in the outbox.</source>
        <translation>送信トレイに FAX ジョブ %1 はありません。</translation>
    </message>
    <message>
        <source>Fax job %1 cannot be changed now.</source>
        <translation>FAX ジョブ %1 は今は変更できません。</translation>
    </message>
    <message>
        <source>The sending program stopped during the try.</source>
        <translation>送信プログラムが試行中に停止しました。</translation>
    </message>
    <message>
        <source>Fax job %1 was not sent and has failed: the outbox&apos;s copy of its document is damaged or gone, as after a power cut. Please send the document again.</source>
        <translation>FAX ジョブ %1 は送信されず、失敗しました。停電の後などで、送信トレイにある文書のコピーが壊れているか失われています。文書をもう一度送信してください。</translation>
    </message>
    <message>
        <source>Fax job %1 waits for a later try: the outbox&apos;s copy of its document cannot be read just now.</source>
        <translation>FAX ジョブ %1 は後の再試行を待ちます。送信トレイにある文書のコピーを今は読み取れません。</translation>
    </message>
</context>
<context>
    <name>desklet::OutboxDlg</name>
    <message>
        <source>Outbox</source>
        <translation>送信トレイ</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>送信中</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信済み</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>ジョブ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>登録日時</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>文書</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>試行回数</translation>
    </message>
    <message>
        <source>Next Attempt</source>
        <translation>次の試行</translation>
    </message>
    <message>
        <source>Last Error</source>
        <translation>最後のエラー</translation>
    </message>
    <message>
        <source>Faxes in the outbox</source>
        <translation>送信トレイの FAX</translation>
    </message>
    <message>
        <source>Send &amp;Again</source>
        <translation>再送信(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Mark as Sent</source>
        <translation>送信済みにする(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>The fax to %1 may have gone. Send it again to these numbers?</source>
        <translation>%1 への FAX は送信済みの可能性があります。これらの番号にもう一度送信しますか?</translation>
    </message>
    <message>
        <source>Send Again</source>
        <translation>再送信</translation>
    </message>
    <message>
        <source>Discard the fax to %1? It will not be sent.</source>
        <translation>%1 への FAX を破棄しますか? この FAX は送信されません。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
</context>
<context>
    <name>desklet::PhoneBookCompletion</name>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 - %2 (%3)</source>
        <translation>%1 - %2 (%3)</translation>
    </message>
    <message>
        <source>%1 - %2 (directory)</source>
        <translation>%1 - %2 (ディレクトリ)</translation>
    </message>
</context>
<context>
    <name>desklet::PhoneBookDlg</name>
    <message>
        <source>Phone Book</source>
        <translation>電話帳</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>検索(&amp;S):</translation>
    </message>
    <message>
        <source>Name, company or number</source>
        <translation>名前、会社、または番号</translation>
    </message>
    <message>
        <source>Contacts and groups</source>
        <translation>連絡先とグループ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>会社</translation>
    </message>
    <message>
        <source>Fax number</source>
        <translation>FAX 番号</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>&amp;New Contact...</source>
        <translation>新しい連絡先(&amp;N)...</translation>
    </message>
    <message>
        <source>New &amp;Group...</source>
        <translation>新しいグループ(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>エクスポート(&amp;X)...</translation>
    </message>
    <message>
        <source>Add to &amp;Recipients</source>
        <translation>宛先に追加(&amp;R)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>home</source>
        <translation>自宅</translation>
    </message>
    <message>
        <source>other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>work</source>
        <translation>勤務先</translation>
    </message>
    <message>
        <source>Delete %1 from the phone book?</source>
        <translation>%1 を電話帳から削除しますか?</translation>
    </message>
    <message>
        <source>Delete these %1 entries from the phone book?</source>
        <translation>これら %1 件の項目を電話帳から削除しますか?</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>連絡先のインポート</translation>
    </message>
    <message>
        <source>Contact files (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation>連絡先ファイル (*.vcf *.vcard *.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1 contacts imported, %2 skipped (no fax number), %3 already present</source>
        <translation>%1 件の連絡先をインポートしました。%2 件をスキップ (FAX 番号なし)、%3 件は登録済みです</translation>
    </message>
    <message>
        <source>%1 groups imported, %2 already present</source>
        <translation>%1 件のグループをインポートしました。%2 件は登録済みです</translation>
    </message>
    <message>
        <source>Export Contacts</source>
        <translation>連絡先のエクスポート</translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;All files (*)</source>
        <translation>vCard ファイル (*.vcf);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>&amp;Copy to Phone Book</source>
        <translation>電話帳にコピー(&amp;C)</translation>
    </message>
    <message>
        <source>directory</source>
        <translation>ディレクトリ</translation>
    </message>
</context>
<context>
    <name>desklet::RecipientPanel</name>
    <message>
        <source>Fax Recipients:</source>
        <translation>FAX の宛先:</translation>
    </message>
    <message>
        <source>To add recipients, enter the number here and click Add</source>
        <translation>宛先を追加するには、ここに番号を入力して [追加] をクリックします</translation>
    </message>
    <message>
        <source>&lt;&lt; Add</source>
        <translation>&lt;&lt; 追加</translation>
    </message>
    <message>
        <source>&gt;&gt; Remove</source>
        <translation>&gt;&gt; 削除</translation>
    </message>
</context>
<context>
    <name>desklet::SendProgressDlg</name>
    <message>
        <source>Sending fax...</source>
        <translation>FAX を送信中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Sending fax... (1 recipient)</source>
        <translation>FAX を送信中... (宛先 1 件)</translation>
    </message>
    <message numerus="yes">
        <source>Sending fax... (%n recipients)</source>
        <translation>
            <numerusform>FAX を送信中... (宛先 %n 件)</numerusform>
        </translation>
    </message>
    <message>
        <source>Sending fax... (1 recipient, mail %1 of %2)</source>
        <translation>FAX を送信中... (宛先 1 件、メール %1/%2)</translation>
    </message>
    <message numerus="yes">
        <source>Sending fax... (%n recipients, mail %1 of %2)</source>
        <translation>
            <numerusform>FAX を送信中... (宛先 %n 件、メール %1/%2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>desklet::SentFaxesDlg</name>
    <message>
        <source>Sent Faxes</source>
        <translation>送信済み FAX</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信済み</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>送信中</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>文書</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Message-ID</source>
        <translation>Message-ID</translation>
    </message>
    <message>
        <source>Server Reply</source>
        <translation>サーバーの応答</translation>
    </message>
    <message>
        <source>Faxes sent</source>
        <translation>送信済みの FAX</translation>
    </message>
    <message>
        <source>Send &amp;Again</source>
        <translation>再送信(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
</TS>
