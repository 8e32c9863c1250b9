<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AddressConfirmationPage</name>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration Step 2 of 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace my original address with the corrected address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep my original address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Let me re-enter my address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We were unable to correct and standardize your contact information. In order to assist you better, we ask that you make any needed changes to your information below.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressFields</name>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street Address &amp;1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street Address &amp;2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;State/Province/Region:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zip/Postal Code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed by the address check</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectRegPage</name>
    <message>
        <source>Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrected:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The corrected address could not be read. Please re-enter your address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountryDialog</name>
    <message>
        <source>Countries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstRegPage</name>
    <message>
        <source>Please enter the following information to register your software. An asterisk(*) denotes a required field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration Step 1 of 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Last Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compan&amp;y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Department:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Email Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Phone Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street Address &amp;1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street Address &amp;2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;State/Province/Region:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zip/Postal Code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying address....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address could not be verified just now. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This copy was registered on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your saved details were not read: another user can change the folder %1 or the files in it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>&amp;Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Registration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegistrationTab</name>
    <message>
        <source>Keep the details you entered for the next time?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They are kept on this computer only. Nothing is sent to the maker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to save registration data.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResellerDialog</name>
    <message>
        <source>Resellers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Reseller</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SecondRegPage</name>
    <message>
        <source>Please enter the following information to register your software. An asterisk(*) denotes a required field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration Step 3 of 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reseller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of Business</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other type of work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase &amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase &amp;Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reseller:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What best describes yo&amp;u?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What business are you &amp;in?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What type of &amp;work do you do?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you own any other &amp;Tarn systems?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, I would like to receive periodic information about Tarn&apos;s special &amp;offers and new products.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, I would like to receive periodic information about special offers and new products from Tarn &amp;Partners.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may unsubscribe from these lists at any time. Information abot how to unsubscribe is available in each email Tarn sends to you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;and Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registering your product....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration successful.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration failed.Please contact Tarn customer support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your details could not be saved on this computer, so KVB cannot fill them in next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KVB could not note on this computer that this copy is registered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving registration data....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration data saved successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to save registration data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnknownRegPage</name>
    <message>
        <source>Original Address:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnsendableFields</name>
    <message>
        <source>Some characters here will reach the maker as &quot;?&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some characters in %1 cannot be sent: they will reach the maker as &quot;?&quot;. Latin letters, with or without accents, reach the maker as written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
