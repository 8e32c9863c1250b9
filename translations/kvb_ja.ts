<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AddressConfirmationPage</name>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Registration Step 2 of 3</source>
        <translation>登録 - ステップ 2/3</translation>
    </message>
    <message>
        <source>&amp;Replace my original address with the corrected address.</source>
        <translation>入力した住所を修正後の住所に置き換える(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Keep my original address</source>
        <translation>入力した住所をそのまま使う(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Let me re-enter my address</source>
        <translation>住所を入力し直す(&amp;L)</translation>
    </message>
    <message>
        <source>We were unable to correct and standardize your contact information. In order to assist you better, we ask that you make any needed changes to your information below.</source>
        <translation>ご連絡先の情報を修正・標準化できませんでした。より適切にサポートできるよう、必要に応じて以下の情報を変更してください。</translation>
    </message>
</context>
<context>
    <name>AddressFields</name>
    <message>
        <source>Street Address &amp;1:</source>
        <translation>住所 1(&amp;1):</translation>
    </message>
    <message>
        <source>Street Address &amp;2:</source>
        <translation>住所 2(&amp;2):</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>市区町村(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;State/Province/Region:</source>
        <translation>都道府県/州(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Zip/Postal Code:</source>
        <translation>郵便番号(&amp;Z):</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>国(&amp;O):</translation>
    </message>
    <message>
        <source>Changed by the address check</source>
        <translation>住所の確認で変更されました</translation>
    </message>
    <message>
        <source>Original street address 1</source>
        <extracomment>For screen readers, a field of the address as the user entered it (&quot;Original&quot;) or as the address check corrected it (&quot;Corrected&quot;).</extracomment>
        <translation>住所 1 (入力したもの)</translation>
    </message>
    <message>
        <source>Corrected street address 1</source>
        <translation>住所 1 (修正後)</translation>
    </message>
    <message>
        <source>Original street address 2</source>
        <translation>住所 2 (入力したもの)</translation>
    </message>
    <message>
        <source>Corrected street address 2</source>
        <translation>住所 2 (修正後)</translation>
    </message>
    <message>
        <source>Original city</source>
        <translation>市区町村 (入力したもの)</translation>
    </message>
    <message>
        <source>Corrected city</source>
        <translation>市区町村 (修正後)</translation>
    </message>
    <message>
        <source>Original state, province or region</source>
        <translation>都道府県/州 (入力したもの)</translation>
    </message>
    <message>
        <source>Corrected state, province or region</source>
        <translation>都道府県/州 (修正後)</translation>
    </message>
    <message>
        <source>Original zip or postal code</source>
        <translation>郵便番号 (入力したもの)</translation>
    </message>
    <message>
        <source>Corrected zip or postal code</source>
        <translation>郵便番号 (修正後)</translation>
    </message>
    <message>
        <source>Original country</source>
        <translation>国 (入力したもの)</translation>
    </message>
    <message>
        <source>Corrected country</source>
        <translation>国 (修正後)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: kvb [--help | --version]</source>
        <translation>使い方: kvb [--help | --version]</translation>
    </message>
    <message>
        <source>KVB registers an installed copy of the maker&apos;s editing application with
its maker. Started without arguments, it opens its registration window;
a launching host starts it with its two handle numbers instead, as the
manual describes.</source>
        <extracomment>What the program is, under the usage line of &quot;kvb --help&quot;; lines of at most 78 characters.</extracomment>
        <translation>KVB は、インストールされた編集アプリケーションをメーカーに登録します。
引数なしで起動すると登録ウィンドウを開きます。起動元のプログラムは、
代わりに 2 つのハンドル番号を渡して起動します (マニュアルを参照)。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>このヘルプを表示して終了</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>バージョンを表示して終了</translation>
    </message>
    <message>
        <source>The toolkit&apos;s own options, such as -style, -reverse and -platform,
work as well.</source>
        <extracomment>Lines of at most 76 characters.</extracomment>
        <translation>-style、-reverse、-platform などツールキット自体のオプションも
使えます。</translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation>環境変数:</translation>
    </message>
    <message>
        <source>the common files folder, whose Tarn/CustomData/RegData/ holds every file</source>
        <translation>共通ファイルのフォルダー (その Tarn/CustomData/RegData/ にすべてのファイルを置く)</translation>
    </message>
    <message>
        <source>where the data files are when neither of those is set</source>
        <translation>どちらも設定されていないときのデータ ファイルの場所</translation>
    </message>
    <message>
        <source>where the presets are read from</source>
        <translation>プリセットを読み込む場所</translation>
    </message>
    <message>
        <source>the system identifier and the serial number that a registration carries</source>
        <translation>登録に含めるシステム ID とシリアル番号</translation>
    </message>
    <message>
        <source>the language shown</source>
        <translation>表示する言語</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>the saved registration</source>
        <translation>保存された登録内容</translation>
    </message>
    <message>
        <source>the country and reseller catalogues</source>
        <translation>国と販売店のカタログ</translation>
    </message>
    <message>
        <source>the presets that an administrator sets for every user</source>
        <translation>管理者が全ユーザー向けに設定するプリセット</translation>
    </message>
    <message>
        <source>The manual page, &quot;man kvb&quot;, tells more.</source>
        <extracomment>&quot;man kvb&quot; is the command that shows the manual page; it stays as it is.</extracomment>
        <translation>詳しくはマニュアル ページ「man kvb」を参照してください。</translation>
    </message>
    <message>
        <source>kvb: unexpected argument &apos;%1&apos;</source>
        <translation>kvb: 予期しない引数「%1」</translation>
    </message>
    <message>
        <source>kvb: unknown option &apos;%1&apos;</source>
        <extracomment>An option given to kvb that it does not know, such as --bogus.</extracomment>
        <translation>kvb: 不明なオプション「%1」</translation>
    </message>
    <message>
        <source>Try &apos;kvb --help&apos; for more information.</source>
        <translation>詳しくは「kvb --help」を実行してください。</translation>
    </message>
</context>
<context>
    <name>CorrectRegPage</name>
    <message>
        <source>Original:</source>
        <extracomment>The heading over the address as the user entered it.</extracomment>
        <translation>入力した住所:</translation>
    </message>
    <message>
        <source>Corrected:</source>
        <extracomment>The heading over the address as the address check corrected it.</extracomment>
        <translation>修正後の住所:</translation>
    </message>
    <message>
        <source>The corrected address could not be read. Please re-enter your address.</source>
        <translation>修正後の住所を読み取れませんでした。住所を入力し直してください。</translation>
    </message>
</context>
<context>
    <name>CountryDialog</name>
    <message>
        <source>Countries</source>
        <extracomment>The name of the list of countries, for screen readers.</extracomment>
        <translation>国の一覧</translation>
    </message>
    <message>
        <source>Select a country</source>
        <translation>国の選択</translation>
    </message>
</context>
<context>
    <name>FirstRegPage</name>
    <message>
        <source>Please enter the following information to register your software. An asterisk(*) denotes a required field.</source>
        <translation>ソフトウェアを登録するため、以下の情報を入力してください。アスタリスク (*) の付いた項目は必須です。</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Registration Step 1 of 3</source>
        <translation>登録 - ステップ 1/3</translation>
    </message>
    <message>
        <source>&amp;First Name:</source>
        <extracomment>The labels of the contact details; &quot;&amp;&quot; marks each one&apos;s access key.</extracomment>
        <translation>名(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Last Name:</source>
        <translation>姓(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <extracomment>A title such as &quot;Dr.&quot; or &quot;Ms.&quot;, as part of a name.</extracomment>
        <translation>敬称(&amp;T):</translation>
    </message>
    <message>
        <source>Compan&amp;y:</source>
        <translation>会社名(&amp;Y):</translation>
    </message>
    <message>
        <source>&amp;Department:</source>
        <translation>部署(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Email Address:</source>
        <translation>メールアドレス(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Phone Number:</source>
        <translation>電話番号(&amp;P):</translation>
    </message>
    <message>
        <source>Street Address &amp;1:</source>
        <translation>住所 1(&amp;1):</translation>
    </message>
    <message>
        <source>Street Address &amp;2:</source>
        <translation>住所 2(&amp;2):</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>市区町村(&amp;I):</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>国(&amp;O):</translation>
    </message>
    <message>
        <source>Select a Country</source>
        <translation>国を選択</translation>
    </message>
    <message>
        <source>&amp;State/Province/Region:</source>
        <translation>都道府県/州(&amp;S):</translation>
    </message>
    <message>
        <source>Select a Region</source>
        <translation>地域を選択</translation>
    </message>
    <message>
        <source>&amp;Zip/Postal Code:</source>
        <translation>郵便番号(&amp;Z):</translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation>有効なメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Verifying address....</source>
        <translation>住所を確認しています...</translation>
    </message>
    <message>
        <source>The address could not be verified just now. Please try again.</source>
        <translation>現在、住所を確認できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>This copy was registered on %1.</source>
        <translation>このコピーは %1 に登録されました。</translation>
    </message>
    <message>
        <source>Your saved details were not read: another user can change the folder %1 or the files in it.</source>
        <translation>保存された情報は読み込まれませんでした。フォルダー %1 またはその中のファイルは、ほかのユーザーが変更できる状態です。</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>敬称</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>会社名</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部署</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>Street Address 1</source>
        <translation>住所 1</translation>
    </message>
    <message>
        <source>Street Address 2</source>
        <translation>住所 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>市区町村</translation>
    </message>
    <message>
        <source>Zip/Postal Code</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>Press Next again to send them with &quot;?&quot; in their place.</source>
        <translation>もう一度「次へ」を押すと、これらの文字を「?」に置き換えて送信します。</translation>
    </message>
    <message>
        <source>&amp;View what is sent</source>
        <translation>送信内容を表示(&amp;V)</translation>
    </message>
    <message>
        <source>The address check receives the address alone, with the region and the country by their codes.</source>
        <translation>住所の確認には住所だけが送られ、地域と国はコードで送られます。</translation>
    </message>
    <message>
        <source>Your details are saved on this computer, but this copy is not registered with the maker yet.</source>
        <translation>入力内容はこのコンピューターに保存されていますが、このコピーはまだメーカーに登録されていません。</translation>
    </message>
    <message>
        <source>KVB cannot tell whether this copy is registered: another user can change the folder %1 or the files in it.</source>
        <translation>このコピーが登録済みかどうかを KVB は確認できません。フォルダー %1 またはその中のファイルは、ほかのユーザーが変更できる状態です。</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>絞り込み(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>選択(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Registration</source>
        <extracomment>The name of the window&apos;s one tab, which holds the registration.</extracomment>
        <translation>登録</translation>
    </message>
</context>
<context>
    <name>PurchaseChoices</name>
    <message>
        <source>Tarn Web Store</source>
        <extracomment>The names of the maker&apos;s own shop and resellers, which stay as they are.</extracomment>
        <translation>Tarn Web Store</translation>
    </message>
    <message>
        <source>Tarn Reseller</source>
        <translation>Tarn Reseller</translation>
    </message>
    <message>
        <source>Bundle</source>
        <extracomment>Bought together with other products, a computer say.</extracomment>
        <translation>他製品に同梱</translation>
    </message>
    <message>
        <source>Mail order catalog</source>
        <translation>通信販売カタログ</translation>
    </message>
    <message>
        <source>On-Line catalog</source>
        <translation>オンライン カタログ</translation>
    </message>
    <message>
        <source>Retail Store</source>
        <translation>小売店</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>A place of purchase not among the others.</extracomment>
        <translation>その他</translation>
    </message>
    <message>
        <source>Professional Editor</source>
        <translation>プロの映像編集者</translation>
    </message>
    <message>
        <source>Engineer / Technician</source>
        <translation>エンジニア / 技術者</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>管理者</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>学生</translation>
    </message>
    <message>
        <source>Educator</source>
        <translation>教育関係者</translation>
    </message>
    <message>
        <source>Enthusiast</source>
        <translation>愛好家</translation>
    </message>
    <message>
        <source>Independent / Freelance</source>
        <translation>個人事業 / フリーランス</translation>
    </message>
    <message>
        <source>Production / Post Facility</source>
        <translation>制作会社 / ポストプロダクション</translation>
    </message>
    <message>
        <source>TV Station or Network</source>
        <translation>テレビ局 / 放送ネットワーク</translation>
    </message>
    <message>
        <source>Corporate A/V</source>
        <extracomment>Audio and video work within a company.</extracomment>
        <translation>企業内の映像・音響部門</translation>
    </message>
    <message>
        <source>Government or Law Enforcement</source>
        <translation>官公庁 / 法執行機関</translation>
    </message>
    <message>
        <source>House of Worship</source>
        <translation>宗教施設</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>教育</translation>
    </message>
    <message>
        <source>Studio</source>
        <extracomment>A business: a film, television or sound studio.</extracomment>
        <translation>スタジオ</translation>
    </message>
    <message>
        <source>Internet / Mobile Content Provider</source>
        <translation>インターネット / モバイル コンテンツ事業者</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>エンターテインメント</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>ドキュメンタリー</translation>
    </message>
    <message>
        <source>Repackaging</source>
        <extracomment>Editing existing material anew, for another release.</extracomment>
        <translation>既存素材の再編集</translation>
    </message>
    <message>
        <source>Short-form News</source>
        <translation>短尺のニュース</translation>
    </message>
    <message>
        <source>Corporate Video</source>
        <translation>企業映像</translation>
    </message>
    <message>
        <source>WEVA</source>
        <extracomment>Wedding and event videography; the trade&apos;s own short name, which may stay.</extracomment>
        <translation>WEVA (ウェディング / イベント映像)</translation>
    </message>
    <message>
        <source>Personal</source>
        <extracomment>Work of one&apos;s own, not for a client.</extracomment>
        <translation>個人の作品</translation>
    </message>
    <message>
        <source>School Projects</source>
        <translation>学校の課題</translation>
    </message>
    <message>
        <source>Film</source>
        <extracomment>A kind of work: films for the cinema.</extracomment>
        <translation>映画</translation>
    </message>
    <message>
        <source>Web / Mobile repackage</source>
        <translation>Web / モバイル向けの再編集</translation>
    </message>
    <message>
        <source>Other, Please Specify</source>
        <translation>その他 (具体的に記入)</translation>
    </message>
</context>
<context>
    <name>RegistrationTab</name>
    <message>
        <source>Keep the details you entered for the next time?</source>
        <translation>入力した内容を次回のために保存しますか?</translation>
    </message>
    <message>
        <source>They are kept on this computer only. Nothing is sent to the maker.</source>
        <translation>内容はこのコンピューターにのみ保存され、メーカーには何も送信されません。</translation>
    </message>
    <message>
        <source>Failed to save registration data.</source>
        <translation>登録データを保存できませんでした。</translation>
    </message>
    <message>
        <source>KVB cannot reach the maker: the engine library %1 is missing from %2. This installation is incomplete; please install KVB again.</source>
        <translation>KVB はメーカーに接続できません。エンジン ライブラリ %1 が %2 にありません。インストールが不完全です。KVB をインストールし直してください。</translation>
    </message>
    <message>
        <source>They are kept on this computer only. Your address is with the maker&apos;s address check right now; closing does not call it back.</source>
        <translation>内容はこのコンピューターにのみ保存されます。住所は現在メーカーの住所確認サービスで確認中で、閉じても取り消されません。</translation>
    </message>
</context>
<context>
    <name>ResellerDialog</name>
    <message>
        <source>Resellers</source>
        <extracomment>The name of the list of resellers, for screen readers.</extracomment>
        <translation>販売店の一覧</translation>
    </message>
    <message>
        <source>Select a Reseller</source>
        <translation>販売店の選択</translation>
    </message>
</context>
<context>
    <name>SecondRegPage</name>
    <message>
        <source>Please enter the following information to register your software. An asterisk(*) denotes a required field.</source>
        <translation>ソフトウェアを登録するため、以下の情報を入力してください。アスタリスク (*) の付いた項目は必須です。</translation>
    </message>
    <message>
        <source>Registration Step 3 of 3</source>
        <translation>登録 - ステップ 3/3</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>The placeholder of the purchase date&apos;s month, until one is chosen.</extracomment>
        <translation>月</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The placeholder of the purchase date&apos;s day of the month, until one is chosen.</extracomment>
        <translation>日</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>The placeholder of the purchase date&apos;s year, until one is chosen.</extracomment>
        <translation>年</translation>
    </message>
    <message>
        <source>Purchase month</source>
        <translation>購入月</translation>
    </message>
    <message>
        <source>Purchase day</source>
        <translation>購入日</translation>
    </message>
    <message>
        <source>Purchase year</source>
        <translation>購入年</translation>
    </message>
    <message>
        <source>Purchase Location</source>
        <translation>購入場所</translation>
    </message>
    <message>
        <source>Reseller</source>
        <extracomment>The placeholder of the reseller, until one is chosen from the list.</extracomment>
        <translation>販売店</translation>
    </message>
    <message>
        <source>Type of User</source>
        <translation>ユーザーの種類</translation>
    </message>
    <message>
        <source>Type of Business</source>
        <translation>業種</translation>
    </message>
    <message>
        <source>Type of Work</source>
        <translation>仕事の種類</translation>
    </message>
    <message>
        <source>Purchase &amp;Date:</source>
        <translation>購入日(&amp;D):</translation>
    </message>
    <message>
        <source>Purchase &amp;Location:</source>
        <translation>購入場所(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Reseller:</source>
        <translation>販売店(&amp;R):</translation>
    </message>
    <message>
        <source>What best describes yo&amp;u?</source>
        <translation>ご自身に最も当てはまるもの(&amp;U):</translation>
    </message>
    <message>
        <source>What business are you &amp;in?</source>
        <translation>業種(&amp;I):</translation>
    </message>
    <message>
        <source>What type of &amp;work do you do?</source>
        <translation>お仕事の種類(&amp;W):</translation>
    </message>
    <message>
        <source>Do you own any other &amp;Tarn systems?</source>
        <translation>ほかに Tarn のシステムをお持ちですか?(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>Yes, I would like to receive periodic information about Tarn&apos;s special &amp;offers and new products.</source>
        <translation>Tarn の特別オファーや新製品に関する情報を定期的に受け取る(&amp;O)</translation>
    </message>
    <message>
        <source>Yes, I would like to receive periodic information about special offers and new products from Tarn &amp;Partners.</source>
        <translation>Tarn のパートナー企業の特別オファーや新製品に関する情報を定期的に受け取る(&amp;P)</translation>
    </message>
    <message>
        <source>You may unsubscribe from these lists at any time. Information abot how to unsubscribe is available in each email Tarn sends to you.</source>
        <translation>これらの情報の受け取りはいつでも停止できます。停止の方法は、Tarn からお送りする各メールに記載されています。</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;and Register</source>
        <translation>保存して登録(&amp;A)</translation>
    </message>
    <message>
        <source>Registering your product....</source>
        <translation>製品を登録しています...</translation>
    </message>
    <message>
        <source>Registration successful.</source>
        <translation>登録が完了しました。</translation>
    </message>
    <message>
        <source>Registration failed.Please contact Tarn customer support.</source>
        <translation>登録できませんでした。Tarn のカスタマー サポートにお問い合わせください。</translation>
    </message>
    <message>
        <source>Your details could not be saved on this computer, so KVB cannot fill them in next time.</source>
        <translation>入力内容をこのコンピューターに保存できなかったため、次回 KVB は自動で入力できません。</translation>
    </message>
    <message>
        <source>KVB could not note on this computer that this copy is registered.</source>
        <translation>このコピーが登録済みであることを、KVB はこのコンピューターに記録できませんでした。</translation>
    </message>
    <message>
        <source>Saving registration data....</source>
        <translation>登録データを保存しています...</translation>
    </message>
    <message>
        <source>Registration data saved successfully.</source>
        <translation>登録データを保存しました。</translation>
    </message>
    <message>
        <source>Failed to save registration data.</source>
        <translation>登録データを保存できませんでした。</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>An action button that has done its work, and now ends the program.</extracomment>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Your own type of work</source>
        <translation>お仕事の種類 (その他)</translation>
    </message>
    <message>
        <source>Your own type of wor&amp;k:</source>
        <translation>お仕事の種類 (その他)(&amp;K):</translation>
    </message>
    <message>
        <source>Press Save and Register again to send them with &quot;?&quot; in their place.</source>
        <translation>もう一度「保存して登録」を押すと、これらの文字を「?」に置き換えて送信します。</translation>
    </message>
    <message>
        <source>&amp;View what is sent</source>
        <translation>送信内容を表示(&amp;V)</translation>
    </message>
    <message>
        <source>SystemID tells the maker which computer this copy runs on: the program that started KVB gives it, or KVB works it out from the computer&apos;s own ID in a way that cannot be undone, so that ID itself never leaves the computer.</source>
        <translation>SystemID は、このコピーがどのコンピューターで使われているかをメーカーに伝えるものです。KVB を起動したプログラムが指定するか、KVB がコンピューター固有の ID から元に戻せない方法で求めるため、その ID 自体がコンピューターの外に出ることはありません。</translation>
    </message>
    <message>
        <source>Choose the month of purchase.</source>
        <translation>購入した月を選んでください。</translation>
    </message>
    <message>
        <source>Choose the day of purchase.</source>
        <translation>購入した日を選んでください。</translation>
    </message>
    <message>
        <source>Choose the year of purchase.</source>
        <translation>購入した年を選んでください。</translation>
    </message>
    <message>
        <source>Choose where you bought the product.</source>
        <translation>製品を購入した場所を選んでください。</translation>
    </message>
    <message>
        <source>Choose the reseller.</source>
        <translation>販売店を選んでください。</translation>
    </message>
    <message>
        <source>Choose what best describes you.</source>
        <translation>ご自身に最も当てはまるものを選んでください。</translation>
    </message>
    <message>
        <source>Choose the business you are in.</source>
        <translation>業種を選んでください。</translation>
    </message>
    <message>
        <source>Choose the type of work you do.</source>
        <translation>お仕事の種類を選んでください。</translation>
    </message>
    <message>
        <source>There is no such day: please choose the day of purchase again.</source>
        <translation>その日付は存在しません。購入した日を選び直してください。</translation>
    </message>
    <message>
        <source>The purchase date is after today: please choose the day of purchase again.</source>
        <translation>購入日が今日より後になっています。購入した日を選び直してください。</translation>
    </message>
    <message>
        <source>This copy was registered on %1. Register it again?</source>
        <translation>このコピーは %1 に登録されています。もう一度登録しますか?</translation>
    </message>
    <message>
        <source>The maker has that registration. A second one sends your details as they are now, as a registration of its own.</source>
        <translation>メーカーにはその登録があります。もう一度登録すると、現在の内容が別の登録として送信されます。</translation>
    </message>
    <message>
        <source>KVB closes as soon as the maker answers.</source>
        <translation>メーカーから応答があり次第、KVB を終了します。</translation>
    </message>
</context>
<context>
    <name>SentItemsDialog</name>
    <message>
        <source>Item</source>
        <extracomment>The names of the columns of the items sent: an item&apos;s name, as the maker&apos;s service knows it, and its value.</extracomment>
        <translation>項目</translation>
    </message>
    <message>
        <source>Value as sent</source>
        <translation>送信される値</translation>
    </message>
    <message>
        <source>Items sent</source>
        <translation>送信される項目</translation>
    </message>
    <message>
        <source>Entered as: %1</source>
        <translation>入力した内容: %1</translation>
    </message>
    <message>
        <source>The maker&apos;s service receives these items, exactly as they stand here.</source>
        <translation>メーカーのサービスは、ここに表示されているとおりにこれらの項目を受け取ります。</translation>
    </message>
    <message>
        <source>A marked item arrives otherwise than it was entered: a character that cannot be sent arrives as &quot;?&quot;, a &quot;,&quot; or &quot;=&quot; that you typed as a blank, and a choice of a list up to its first &quot;,&quot;.</source>
        <translation>印の付いた項目は、入力した内容とは異なる形で届きます。送信できない文字は「?」に、入力した「,」や「=」は空白になり、一覧から選んだ項目は最初の「,」の手前までが届きます。</translation>
    </message>
    <message>
        <source>What KVB sends</source>
        <translation>KVB が送信する内容</translation>
    </message>
</context>
<context>
    <name>UnknownRegPage</name>
    <message>
        <source>Original Address:</source>
        <extracomment>The heading over the address as the user entered it.</extracomment>
        <translation>入力した住所:</translation>
    </message>
</context>
<context>
    <name>UnsendableFields</name>
    <message>
        <source>Some characters here will reach the maker as &quot;?&quot;.</source>
        <translation>一部の文字はメーカーに「?」として届きます。</translation>
    </message>
    <message>
        <source>Some characters in %1 cannot be sent: they will reach the maker as &quot;?&quot;. Latin letters, with or without accents, reach the maker as written.</source>
        <translation>%1 の一部の文字は送信できず、メーカーには「?」として届きます。ラテン文字は、アクセントの有無にかかわらず入力どおりに届きます。</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the names of two fields in a list, &quot;City, Zip/Postal Code&quot;.</extracomment>
        <translation>、</translation>
    </message>
</context>
</TS>
