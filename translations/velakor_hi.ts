<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN" sourcelanguage="en">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ(&amp;P)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>frmDisplay</source>
        <translation>frmDisplay</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>अन्य वैदिक विवरण</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>राशि (चन्द्र राशि)</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>वैदिक ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>चन्द्र</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Rahu / North Node</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu / South Node</source>
        <translation>केतु</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Velakor v1.70</source>
        <translation>Velakor v1.70</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>सहेजी गई कुंडली खोलें(&amp;O)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिनांक</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>घं/मि</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>अंश/कला</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशान्तर</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशान्तर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Get My &amp;Rashi Chart (North)</source>
        <translation>मेरी राशि कुंडली (उत्तर भारतीय)(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>मेरी राशि कुंडली(&amp;R)</translation>
    </message>
    <message>
        <source>Chart &amp;Library...</source>
        <translation>कुंडली संग्रह(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बंद करें(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में(&amp;A)</translation>
    </message>
</context>
<context>
    <name>velakor::AboutBox</name>
    <message>
        <source>About Velakor</source>
        <translation>Velakor के बारे में</translation>
    </message>
    <message>
        <source>Version 1.70</source>
        <translation>संस्करण 1.70</translation>
    </message>
    <message>
        <source>Casts a Vedic birth chart from the birth data and shows it in the North Indian, South Indian or East Indian style, with six divisional charts.</source>
        <translation>जन्म विवरण से वैदिक जन्म कुंडली बनाता है और उसे उत्तर भारतीय, दक्षिण भारतीय या पूर्व भारतीय शैली में, छह वर्ग कुंडलियों सहित, दिखाता है।</translation>
    </message>
</context>
<context>
    <name>velakor::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा(&amp;L)</translation>
    </message>
</context>
<context>
    <name>velakor::MessageBox</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं(&amp;N)</translation>
    </message>
</context>
<context>
    <name>velakor::ProgramSettings</name>
    <message>
        <source>not a regular file</source>
        <translation>यह साधारण फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>larger than a settings file can be</source>
        <translation>सेटिंग फ़ाइल के लिए बहुत बड़ी</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>इसमें लिखा नहीं जा सकता</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>इसका फ़ोल्डर बनाया नहीं जा सकता</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1 (%2)</source>
        <translation>सेटिंग सहेजी नहीं जा सकीं: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>velakor::frmMain</name>
    <message>
        <source>The chart library cannot be opened.
</source>
        <translation>कुंडली संग्रह खोला नहीं जा सकता।
</translation>
    </message>
    <message>
        <source>The chart library can only be read.
%1
Its charts can be found, opened and exported; nothing can be saved to it or changed in it.</source>
        <translation>कुंडली संग्रह केवल पढ़ा जा सकता है।
%1
इसकी कुंडलियाँ खोजी, खोली और निर्यात की जा सकती हैं; इसमें कुछ सहेजा या बदला नहीं जा सकता।</translation>
    </message>
    <message>
        <source>The chart could not be saved to the library.
</source>
        <translation>कुंडली संग्रह में सहेजी नहीं जा सकी।
</translation>
    </message>
    <message>
        <source>The chart of %1 is in the library already.</source>
        <translation>%1 की कुंडली संग्रह में पहले से है।</translation>
    </message>
    <message>
        <source>The chart of %1 has been saved to the library.</source>
        <translation>%1 की कुंडली संग्रह में सहेज दी गई है।</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>कृपया केवल अक्षर लिखें</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>कृपया केवल अंक लिखें</translation>
    </message>
</context>
</TS>
