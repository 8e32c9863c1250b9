<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AddressConfirmationPage</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Registration Step 2 of 3</source>
        <translation>Registrierung – Schritt 2 von 3</translation>
    </message>
    <message>
        <source>&amp;Replace my original address with the corrected address.</source>
        <translation>Meine Adresse durch die &amp;korrigierte Adresse ersetzen</translation>
    </message>
    <message>
        <source>&amp;Keep my original address</source>
        <translation>Meine &amp;ursprüngliche Adresse beibehalten</translation>
    </message>
    <message>
        <source>&amp;Let me re-enter my address</source>
        <translation>Adresse &amp;neu eingeben</translation>
    </message>
    <message>
        <source>We were unable to correct and standardize your contact information. In order to assist you better, we ask that you make any needed changes to your information below.</source>
        <translation>Wir konnten Ihre Kontaktdaten nicht korrigieren und vereinheitlichen. Damit wir Ihnen besser helfen können, bitten wir Sie, Ihre Angaben unten bei Bedarf zu ändern.</translation>
    </message>
</context>
<context>
    <name>AddressFields</name>
    <message>
        <source>Street Address &amp;1:</source>
        <translation>Adresszeile &amp;1:</translation>
    </message>
    <message>
        <source>Street Address &amp;2:</source>
        <translation>Adresszeile &amp;2:</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>O&amp;rt:</translation>
    </message>
    <message>
        <source>&amp;State/Province/Region:</source>
        <translation>&amp;Bundesland/Region:</translation>
    </message>
    <message>
        <source>&amp;Zip/Postal Code:</source>
        <translation>&amp;Postleitzahl:</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>Changed by the address check</source>
        <translation>Von der Adressprüfung geändert</translation>
    </message>
    <message>
        <source>Original street address 1</source>
        <extracomment>For screen readers, a field of the address as the user entered it (&quot;Original&quot;) or as the address check corrected it (&quot;Corrected&quot;).</extracomment>
        <translation>Adresszeile 1 (ursprünglich)</translation>
    </message>
    <message>
        <source>Corrected street address 1</source>
        <translation>Adresszeile 1 (korrigiert)</translation>
    </message>
    <message>
        <source>Original street address 2</source>
        <translation>Adresszeile 2 (ursprünglich)</translation>
    </message>
    <message>
        <source>Corrected street address 2</source>
        <translation>Adresszeile 2 (korrigiert)</translation>
    </message>
    <message>
        <source>Original city</source>
        <translation>Ort (ursprünglich)</translation>
    </message>
    <message>
        <source>Corrected city</source>
        <translation>Ort (korrigiert)</translation>
    </message>
    <message>
        <source>Original state, province or region</source>
        <translation>Bundesland/Region (ursprünglich)</translation>
    </message>
    <message>
        <source>Corrected state, province or region</source>
        <translation>Bundesland/Region (korrigiert)</translation>
    </message>
    <message>
        <source>Original zip or postal code</source>
        <translation>Postleitzahl (ursprünglich)</translation>
    </message>
    <message>
        <source>Corrected zip or postal code</source>
        <translation>Postleitzahl (korrigiert)</translation>
    </message>
    <message>
        <source>Original country</source>
        <translation>Land (ursprünglich)</translation>
    </message>
    <message>
        <source>Corrected country</source>
        <translation>Land (korrigiert)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: kvb [--help | --version]</source>
        <translation>Aufruf: kvb [--help | --version]</translation>
    </message>
    <message>
        <source>KVB registers an installed copy of the maker&apos;s editing application with
its maker. Started without arguments, it opens its registration window;
a launching host starts it with its two handle numbers instead, as the
manual describes.</source>
        <extracomment>What the program is, under the usage line of &quot;kvb --help&quot;; lines of at most 78 characters.</extracomment>
        <translation>KVB registriert eine installierte Kopie des Bearbeitungsprogramms beim
Hersteller. Ohne Argumente gestartet, öffnet es sein Registrierungsfenster;
ein startendes Programm übergibt stattdessen seine zwei Handle-Nummern,
wie es das Handbuch beschreibt.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>The toolkit&apos;s own options, such as -style, -reverse and -platform,
work as well.</source>
        <extracomment>Lines of at most 76 characters.</extracomment>
        <translation>Die eigenen Optionen des Toolkits, etwa -style, -reverse und
-platform, gelten ebenfalls.</translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation>Umgebung:</translation>
    </message>
    <message>
        <source>the common files folder, whose Tarn/CustomData/RegData/ holds every file</source>
        <translation>der Ordner für gemeinsame Dateien, dessen Tarn/CustomData/RegData/ alle Dateien enthält</translation>
    </message>
    <message>
        <source>where the data files are when neither of those is set</source>
        <translation>wo die Datendateien liegen, wenn keine der beiden gesetzt ist</translation>
    </message>
    <message>
        <source>where the presets are read from</source>
        <translation>woher die Voreinstellungen gelesen werden</translation>
    </message>
    <message>
        <source>the system identifier and the serial number that a registration carries</source>
        <translation>die Systemkennung und die Seriennummer, die eine Registrierung mitführt</translation>
    </message>
    <message>
        <source>the language shown</source>
        <translation>die angezeigte Sprache</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>the saved registration</source>
        <translation>die gespeicherte Registrierung</translation>
    </message>
    <message>
        <source>the country and reseller catalogues</source>
        <translation>die Länder- und Händlerkataloge</translation>
    </message>
    <message>
        <source>the presets that an administrator sets for every user</source>
        <translation>die Voreinstellungen, die eine Administratorin oder ein Administrator für alle Benutzer festlegt</translation>
    </message>
    <message>
        <source>The manual page, &quot;man kvb&quot;, tells more.</source>
        <extracomment>&quot;man kvb&quot; is the command that shows the manual page; it stays as it is.</extracomment>
        <translation>Mehr steht im Handbuch: „man kvb“.</translation>
    </message>
    <message>
        <source>kvb: unexpected argument &apos;%1&apos;</source>
        <translation>kvb: unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>kvb: unknown option &apos;%1&apos;</source>
        <extracomment>An option given to kvb that it does not know, such as --bogus.</extracomment>
        <translation>kvb: unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>Try &apos;kvb --help&apos; for more information.</source>
        <translation>„kvb --help“ zeigt mehr.</translation>
    </message>
</context>
<context>
    <name>CorrectRegPage</name>
    <message>
        <source>Original:</source>
        <extracomment>The heading over the address as the user entered it.</extracomment>
        <translation>Ursprünglich:</translation>
    </message>
    <message>
        <source>Corrected:</source>
        <extracomment>The heading over the address as the address check corrected it.</extracomment>
        <translation>Korrigiert:</translation>
    </message>
    <message>
        <source>The corrected address could not be read. Please re-enter your address.</source>
        <translation>Die korrigierte Adresse konnte nicht gelesen werden. Bitte geben Sie Ihre Adresse neu ein.</translation>
    </message>
</context>
<context>
    <name>CountryDialog</name>
    <message>
        <source>Countries</source>
        <extracomment>The name of the list of countries, for screen readers.</extracomment>
        <translation>Länder</translation>
    </message>
    <message>
        <source>Select a country</source>
        <translation>Land auswählen</translation>
    </message>
</context>
<context>
    <name>FirstRegPage</name>
    <message>
        <source>Please enter the following information to register your software. An asterisk(*) denotes a required field.</source>
        <translation>Bitte geben Sie die folgenden Angaben ein, um Ihre Software zu registrieren. Pflichtfelder sind mit einem Sternchen (*) gekennzeichnet.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Registration Step 1 of 3</source>
        <translation>Registrierung – Schritt 1 von 3</translation>
    </message>
    <message>
        <source>&amp;First Name:</source>
        <extracomment>The labels of the contact details; &quot;&amp;&quot; marks each one&apos;s access key.</extracomment>
        <translation>&amp;Vorname:</translation>
    </message>
    <message>
        <source>&amp;Last Name:</source>
        <translation>&amp;Nachname:</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <extracomment>A title such as &quot;Dr.&quot; or &quot;Ms.&quot;, as part of a name.</extracomment>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Compan&amp;y:</source>
        <translation>&amp;Firma:</translation>
    </message>
    <message>
        <source>&amp;Department:</source>
        <translation>&amp;Abteilung:</translation>
    </message>
    <message>
        <source>&amp;Email Address:</source>
        <translation>&amp;E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>&amp;Phone Number:</source>
        <translation>Telef&amp;onnummer:</translation>
    </message>
    <message>
        <source>Street Address &amp;1:</source>
        <translation>Adresszeile &amp;1:</translation>
    </message>
    <message>
        <source>Street Address &amp;2:</source>
        <translation>Adresszeile &amp;2:</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>O&amp;rt:</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>Select a Country</source>
        <translation>Land auswählen</translation>
    </message>
    <message>
        <source>&amp;State/Province/Region:</source>
        <translation>&amp;Bundesland/Region:</translation>
    </message>
    <message>
        <source>Select a Region</source>
        <translation>Region auswählen</translation>
    </message>
    <message>
        <source>&amp;Zip/Postal Code:</source>
        <translation>&amp;Postleitzahl:</translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Verifying address....</source>
        <translation>Adresse wird überprüft …</translation>
    </message>
    <message>
        <source>The address could not be verified just now. Please try again.</source>
        <translation>Die Adresse konnte gerade nicht überprüft werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>This copy was registered on %1.</source>
        <translation>Diese Kopie wurde am %1 registriert.</translation>
    </message>
    <message>
        <source>Your saved details were not read: another user can change the folder %1 or the files in it.</source>
        <translation>Ihre gespeicherten Angaben wurden nicht gelesen: Ein anderer Benutzer kann den Ordner %1 oder die Dateien darin ändern.</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Street Address 1</source>
        <translation>Adresszeile 1</translation>
    </message>
    <message>
        <source>Street Address 2</source>
        <translation>Adresszeile 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Zip/Postal Code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Press Next again to send them with &quot;?&quot; in their place.</source>
        <translation>Drücken Sie erneut auf „Weiter“, um sie mit „?“ an ihrer Stelle zu senden.</translation>
    </message>
    <message>
        <source>&amp;View what is sent</source>
        <translation>&amp;Gesendete Angaben</translation>
    </message>
    <message>
        <source>The address check receives the address alone, with the region and the country by their codes.</source>
        <translation>Die Adressprüfung erhält nur die Adresse, Region und Land als Kürzel.</translation>
    </message>
    <message>
        <source>Your details are saved on this computer, but this copy is not registered with the maker yet.</source>
        <translation>Ihre Angaben sind auf diesem Computer gespeichert, aber diese Kopie ist noch nicht beim Hersteller registriert.</translation>
    </message>
    <message>
        <source>KVB cannot tell whether this copy is registered: another user can change the folder %1 or the files in it.</source>
        <translation>KVB kann nicht feststellen, ob diese Kopie registriert ist: Ein anderer Benutzer kann den Ordner %1 oder die Dateien darin ändern.</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Registration</source>
        <extracomment>The name of the window&apos;s one tab, which holds the registration.</extracomment>
        <translation>Registrierung</translation>
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
        <translation>Im Paket mit anderen Produkten</translation>
    </message>
    <message>
        <source>Mail order catalog</source>
        <translation>Versandhandelskatalog</translation>
    </message>
    <message>
        <source>On-Line catalog</source>
        <translation>Online-Katalog</translation>
    </message>
    <message>
        <source>Retail Store</source>
        <translation>Einzelhandel</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>A place of purchase not among the others.</extracomment>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Professional Editor</source>
        <translation>Cutter/in (beruflich)</translation>
    </message>
    <message>
        <source>Engineer / Technician</source>
        <translation>Ingenieur/in / Techniker/in</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator/in</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Studierende/r</translation>
    </message>
    <message>
        <source>Educator</source>
        <translation>Lehrende/r</translation>
    </message>
    <message>
        <source>Enthusiast</source>
        <translation>Hobbyanwender/in</translation>
    </message>
    <message>
        <source>Independent / Freelance</source>
        <translation>Selbstständig / freiberuflich</translation>
    </message>
    <message>
        <source>Production / Post Facility</source>
        <translation>Produktion / Postproduktion</translation>
    </message>
    <message>
        <source>TV Station or Network</source>
        <translation>Fernsehsender oder Sendernetz</translation>
    </message>
    <message>
        <source>Corporate A/V</source>
        <extracomment>Audio and video work within a company.</extracomment>
        <translation>Audio und Video im Unternehmen</translation>
    </message>
    <message>
        <source>Government or Law Enforcement</source>
        <translation>Behörde oder Strafverfolgung</translation>
    </message>
    <message>
        <source>House of Worship</source>
        <translation>Religiöse Einrichtung</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>Studio</source>
        <extracomment>A business: a film, television or sound studio.</extracomment>
        <translation>Studio</translation>
    </message>
    <message>
        <source>Internet / Mobile Content Provider</source>
        <translation>Anbieter von Internet- und Mobilinhalten</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>Repackaging</source>
        <extracomment>Editing existing material anew, for another release.</extracomment>
        <translation>Neuverwertung</translation>
    </message>
    <message>
        <source>Short-form News</source>
        <translation>Kurznachrichten</translation>
    </message>
    <message>
        <source>Corporate Video</source>
        <translation>Unternehmensvideo</translation>
    </message>
    <message>
        <source>WEVA</source>
        <extracomment>Wedding and event videography; the trade&apos;s own short name, which may stay.</extracomment>
        <translation>WEVA (Hochzeits- und Eventvideo)</translation>
    </message>
    <message>
        <source>Personal</source>
        <extracomment>Work of one&apos;s own, not for a client.</extracomment>
        <translation>Privat</translation>
    </message>
    <message>
        <source>School Projects</source>
        <translation>Schulprojekte</translation>
    </message>
    <message>
        <source>Film</source>
        <extracomment>A kind of work: films for the cinema.</extracomment>
        <translation>Kinofilm</translation>
    </message>
    <message>
        <source>Web / Mobile repackage</source>
        <translation>Aufbereitung für Web und Mobilgeräte</translation>
    </message>
    <message>
        <source>Other, Please Specify</source>
        <translation>Sonstiges, bitte angeben</translation>
    </message>
</context>
<context>
    <name>RegistrationTab</name>
    <message>
        <source>Keep the details you entered for the next time?</source>
        <translation>Ihre Angaben für das nächste Mal aufbewahren?</translation>
    </message>
    <message>
        <source>They are kept on this computer only. Nothing is sent to the maker.</source>
        <translation>Sie werden nur auf diesem Computer gespeichert. An den Hersteller wird nichts gesendet.</translation>
    </message>
    <message>
        <source>Failed to save registration data.</source>
        <translation>Die Registrierungsdaten konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>KVB cannot reach the maker: the engine library %1 is missing from %2. This installation is incomplete; please install KVB again.</source>
        <translation>KVB kann den Hersteller nicht erreichen: Die Engine-Bibliothek %1 fehlt in %2. Diese Installation ist unvollständig; bitte installieren Sie KVB erneut.</translation>
    </message>
    <message>
        <source>They are kept on this computer only. Your address is with the maker&apos;s address check right now; closing does not call it back.</source>
        <translation>Sie werden nur auf diesem Computer gespeichert. Ihre Adresse liegt gerade der Adressprüfung des Herstellers vor; das Schließen holt sie nicht zurück.</translation>
    </message>
</context>
<context>
    <name>ResellerDialog</name>
    <message>
        <source>Resellers</source>
        <extracomment>The name of the list of resellers, for screen readers.</extracomment>
        <translation>Händler</translation>
    </message>
    <message>
        <source>Select a Reseller</source>
        <translation>Händler auswählen</translation>
    </message>
</context>
<context>
    <name>SecondRegPage</name>
    <message>
        <source>Please enter the following information to register your software. An asterisk(*) denotes a required field.</source>
        <translation>Bitte geben Sie die folgenden Angaben ein, um Ihre Software zu registrieren. Pflichtfelder sind mit einem Sternchen (*) gekennzeichnet.</translation>
    </message>
    <message>
        <source>Registration Step 3 of 3</source>
        <translation>Registrierung – Schritt 3 von 3</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>The placeholder of the purchase date&apos;s month, until one is chosen.</extracomment>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The placeholder of the purchase date&apos;s day of the month, until one is chosen.</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>The placeholder of the purchase date&apos;s year, until one is chosen.</extracomment>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Purchase month</source>
        <translation>Kaufmonat</translation>
    </message>
    <message>
        <source>Purchase day</source>
        <translation>Kauftag</translation>
    </message>
    <message>
        <source>Purchase year</source>
        <translation>Kaufjahr</translation>
    </message>
    <message>
        <source>Purchase Location</source>
        <translation>Kaufort</translation>
    </message>
    <message>
        <source>Reseller</source>
        <extracomment>The placeholder of the reseller, until one is chosen from the list.</extracomment>
        <translation>Händler</translation>
    </message>
    <message>
        <source>Type of User</source>
        <translation>Art der Nutzung</translation>
    </message>
    <message>
        <source>Type of Business</source>
        <translation>Branche</translation>
    </message>
    <message>
        <source>Type of Work</source>
        <translation>Art der Arbeit</translation>
    </message>
    <message>
        <source>Purchase &amp;Date:</source>
        <translation>Kauf&amp;datum:</translation>
    </message>
    <message>
        <source>Purchase &amp;Location:</source>
        <translation>Kauf&amp;ort:</translation>
    </message>
    <message>
        <source>&amp;Reseller:</source>
        <translation>&amp;Händler:</translation>
    </message>
    <message>
        <source>What best describes yo&amp;u?</source>
        <translation>Was beschreibt Sie am &amp;besten?</translation>
    </message>
    <message>
        <source>What business are you &amp;in?</source>
        <translation>In welcher B&amp;ranche sind Sie tätig?</translation>
    </message>
    <message>
        <source>What type of &amp;work do you do?</source>
        <translation>Welche Art von Arbeit &amp;machen Sie?</translation>
    </message>
    <message>
        <source>Do you own any other &amp;Tarn systems?</source>
        <translation>Besitzen Sie weitere Systeme von &amp;Tarn?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Yes, I would like to receive periodic information about Tarn&apos;s special &amp;offers and new products.</source>
        <translation>Ja, ich möchte regelmäßig &amp;Informationen über Sonderangebote und neue Produkte von Tarn erhalten.</translation>
    </message>
    <message>
        <source>Yes, I would like to receive periodic information about special offers and new products from Tarn &amp;Partners.</source>
        <translation>Ja, ich möchte regelmäßig Informationen über Sonderangebote und neue Produkte von Tarn-&amp;Partnern erhalten.</translation>
    </message>
    <message>
        <source>You may unsubscribe from these lists at any time. Information abot how to unsubscribe is available in each email Tarn sends to you.</source>
        <translation>Sie können diese Informationen jederzeit abbestellen. Wie das geht, steht in jeder E-Mail, die Tarn Ihnen sendet.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;and Register</source>
        <translation>Speichern und re&amp;gistrieren</translation>
    </message>
    <message>
        <source>Registering your product....</source>
        <translation>Ihr Produkt wird registriert …</translation>
    </message>
    <message>
        <source>Registration successful.</source>
        <translation>Die Registrierung war erfolgreich.</translation>
    </message>
    <message>
        <source>Registration failed.Please contact Tarn customer support.</source>
        <translation>Die Registrierung ist fehlgeschlagen. Bitte wenden Sie sich an den Kundendienst von Tarn.</translation>
    </message>
    <message>
        <source>Your details could not be saved on this computer, so KVB cannot fill them in next time.</source>
        <translation>Ihre Angaben konnten nicht auf diesem Computer gespeichert werden, daher kann KVB sie beim nächsten Mal nicht eintragen.</translation>
    </message>
    <message>
        <source>KVB could not note on this computer that this copy is registered.</source>
        <translation>KVB konnte auf diesem Computer nicht vermerken, dass diese Kopie registriert ist.</translation>
    </message>
    <message>
        <source>Saving registration data....</source>
        <translation>Registrierungsdaten werden gespeichert …</translation>
    </message>
    <message>
        <source>Registration data saved successfully.</source>
        <translation>Die Registrierungsdaten wurden gespeichert.</translation>
    </message>
    <message>
        <source>Failed to save registration data.</source>
        <translation>Die Registrierungsdaten konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>An action button that has done its work, and now ends the program.</extracomment>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Your own type of work</source>
        <translation>Eigene Art der Arbeit</translation>
    </message>
    <message>
        <source>Your own type of wor&amp;k:</source>
        <translation>Eigene &amp;Arbeitsart:</translation>
    </message>
    <message>
        <source>Press Save and Register again to send them with &quot;?&quot; in their place.</source>
        <translation>Drücken Sie erneut auf „Speichern und registrieren“, um sie mit „?“ an ihrer Stelle zu senden.</translation>
    </message>
    <message>
        <source>&amp;View what is sent</source>
        <translation>&amp;Was gesendet wird</translation>
    </message>
    <message>
        <source>SystemID tells the maker which computer this copy runs on: the program that started KVB gives it, or KVB works it out from the computer&apos;s own ID in a way that cannot be undone, so that ID itself never leaves the computer.</source>
        <translation>Die SystemID teilt dem Hersteller mit, auf welchem Computer diese Kopie läuft: Das Programm, das KVB gestartet hat, gibt sie vor, oder KVB leitet sie so aus der eigenen ID des Computers ab, dass sich das nicht umkehren lässt; diese ID selbst verlässt den Computer nie.</translation>
    </message>
    <message>
        <source>Choose the month of purchase.</source>
        <translation>Wählen Sie den Monat des Kaufs.</translation>
    </message>
    <message>
        <source>Choose the day of purchase.</source>
        <translation>Wählen Sie den Tag des Kaufs.</translation>
    </message>
    <message>
        <source>Choose the year of purchase.</source>
        <translation>Wählen Sie das Jahr des Kaufs.</translation>
    </message>
    <message>
        <source>Choose where you bought the product.</source>
        <translation>Wählen Sie, wo Sie das Produkt gekauft haben.</translation>
    </message>
    <message>
        <source>Choose the reseller.</source>
        <translation>Wählen Sie den Händler.</translation>
    </message>
    <message>
        <source>Choose what best describes you.</source>
        <translation>Wählen Sie, was Sie am besten beschreibt.</translation>
    </message>
    <message>
        <source>Choose the business you are in.</source>
        <translation>Wählen Sie Ihre Branche.</translation>
    </message>
    <message>
        <source>Choose the type of work you do.</source>
        <translation>Wählen Sie die Art Ihrer Arbeit.</translation>
    </message>
    <message>
        <source>There is no such day: please choose the day of purchase again.</source>
        <translation>Diesen Tag gibt es nicht: Bitte wählen Sie den Tag des Kaufs erneut.</translation>
    </message>
    <message>
        <source>The purchase date is after today: please choose the day of purchase again.</source>
        <translation>Das Kaufdatum liegt nach dem heutigen Tag: Bitte wählen Sie den Tag des Kaufs erneut.</translation>
    </message>
    <message>
        <source>This copy was registered on %1. Register it again?</source>
        <translation>Diese Kopie wurde am %1 registriert. Erneut registrieren?</translation>
    </message>
    <message>
        <source>The maker has that registration. A second one sends your details as they are now, as a registration of its own.</source>
        <translation>Dem Hersteller liegt diese Registrierung vor. Eine zweite sendet Ihre Angaben, wie sie jetzt sind, als eigene Registrierung.</translation>
    </message>
    <message>
        <source>KVB closes as soon as the maker answers.</source>
        <translation>KVB wird geschlossen, sobald der Hersteller antwortet.</translation>
    </message>
</context>
<context>
    <name>SentItemsDialog</name>
    <message>
        <source>Item</source>
        <extracomment>The names of the columns of the items sent: an item&apos;s name, as the maker&apos;s service knows it, and its value.</extracomment>
        <translation>Angabe</translation>
    </message>
    <message>
        <source>Value as sent</source>
        <translation>Gesendeter Wert</translation>
    </message>
    <message>
        <source>Items sent</source>
        <translation>Gesendete Angaben</translation>
    </message>
    <message>
        <source>Entered as: %1</source>
        <translation>Eingegeben als: %1</translation>
    </message>
    <message>
        <source>The maker&apos;s service receives these items, exactly as they stand here.</source>
        <translation>Der Dienst des Herstellers erhält diese Angaben genau so, wie sie hier stehen.</translation>
    </message>
    <message>
        <source>A marked item arrives otherwise than it was entered: a character that cannot be sent arrives as &quot;?&quot;, a &quot;,&quot; or &quot;=&quot; that you typed as a blank, and a choice of a list up to its first &quot;,&quot;.</source>
        <translation>Eine markierte Angabe kommt anders an, als sie eingegeben wurde: Ein Zeichen, das nicht gesendet werden kann, kommt als „?“ an, ein von Ihnen eingegebenes „,“ oder „=“ als Leerzeichen und eine Auswahl aus einer Liste nur bis zu ihrem ersten „,“.</translation>
    </message>
    <message>
        <source>What KVB sends</source>
        <translation>Was KVB sendet</translation>
    </message>
</context>
<context>
    <name>UnknownRegPage</name>
    <message>
        <source>Original Address:</source>
        <extracomment>The heading over the address as the user entered it.</extracomment>
        <translation>Ursprüngliche Adresse:</translation>
    </message>
</context>
<context>
    <name>UnsendableFields</name>
    <message>
        <source>Some characters here will reach the maker as &quot;?&quot;.</source>
        <translation>Einige Zeichen hier kommen beim Hersteller als „?“ an.</translation>
    </message>
    <message>
        <source>Some characters in %1 cannot be sent: they will reach the maker as &quot;?&quot;. Latin letters, with or without accents, reach the maker as written.</source>
        <translation>Einige Zeichen in %1 können nicht gesendet werden: Sie kommen beim Hersteller als „?“ an. Lateinische Buchstaben, mit oder ohne Akzent, kommen so an, wie sie geschrieben sind.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the names of two fields in a list, &quot;City, Zip/Postal Code&quot;.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
