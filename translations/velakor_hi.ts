<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN" sourcelanguage="en">
<context>
    <name>HoraryDialog</name>
    <message>
        <source>Horary Question</source>
        <translation>प्रश्न कुंडली</translation>
    </message>
    <message>
        <source>The querent&apos;s number from 1 to 249 gives the ascendant: the start of that sub. The cusps follow for the moment and place of the question.</source>
        <translation>प्रश्नकर्ता की 1 से 249 तक की संख्या लग्न देती है: उस उप का आरंभ। भाव-संधियाँ प्रश्न के समय और स्थान से निकलती हैं।</translation>
    </message>
    <message>
        <source>&amp;Number (1-249):</source>
        <translation>संख्या (1-249)(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Moment:</source>
        <translation>समय(&amp;M):</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>No&amp;w</source>
        <translation>अभी(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>स्थान(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>अक्षांश(&amp;L):</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांश की कला</translation>
    </message>
    <message>
        <source>&apos;</source>
        <translation>&apos;</translation>
    </message>
    <message>
        <source>Latitude north or south</source>
        <translation>अक्षांश उत्तर या दक्षिण</translation>
    </message>
    <message>
        <source>N</source>
        <translation>उ</translation>
    </message>
    <message>
        <source>S</source>
        <translation>द</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>देशान्तर(&amp;O):</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>देशान्तर की कला</translation>
    </message>
    <message>
        <source>Longitude east or west</source>
        <translation>देशान्तर पूर्व या पश्चिम</translation>
    </message>
    <message>
        <source>E</source>
        <translation>पू</translation>
    </message>
    <message>
        <source>W</source>
        <translation>प</translation>
    </message>
</context>
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
    <message>
        <source>Month of birth</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>जन्म का घंटा</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>जन्म का मिनट</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांश की कला</translation>
    </message>
    <message>
        <source>North latitude</source>
        <translation>उत्तर अक्षांश</translation>
    </message>
    <message>
        <source>South latitude</source>
        <translation>दक्षिण अक्षांश</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>देशान्तर के अंश</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>देशान्तर की कला</translation>
    </message>
    <message>
        <source>East longitude</source>
        <translation>पूर्व देशान्तर</translation>
    </message>
    <message>
        <source>West longitude</source>
        <translation>पश्चिम देशान्तर</translation>
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
        <source>Casts a Vedic birth chart from the birth data and shows it in the North Indian, South Indian or East Indian style, with the sixteen divisional charts (D1 to D60).</source>
        <translation>जन्म विवरण से वैदिक जन्म कुंडली बनाता है और उसे उत्तर भारतीय, दक्षिण भारतीय या पूर्व भारतीय शैली में, सोलह वर्ग कुंडलियों (D1 से D60) के साथ दिखाता है।</translation>
    </message>
</context>
<context>
    <name>velakor::AshtakavargaView</name>
    <message>
        <source>Ashtakavarga</source>
        <translation>अष्टकवर्ग</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Ashtakavarga, %1</source>
        <translation>अष्टकवर्ग, %1</translation>
    </message>
</context>
<context>
    <name>velakor::DashaModel</name>
    <message>
        <source>Running now</source>
        <translation>अभी चल रही</translation>
    </message>
    <message>
        <source>Yogini</source>
        <translation>योगिनी</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>समाप्ति</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>आरंभ पर आयु</translation>
    </message>
</context>
<context>
    <name>velakor::DashaView</name>
    <message>
        <source>Dasha periods</source>
        <translation>दशा काल</translation>
    </message>
</context>
<context>
    <name>velakor::KpView</name>
    <message>
        <source>Cusps</source>
        <translation>भाव-संधियाँ</translation>
    </message>
    <message>
        <source>Bodies</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Significators of the houses</source>
        <translation>भावों के कारक</translation>
    </message>
    <message>
        <source>Houses each planet signifies</source>
        <translation>प्रत्येक ग्रह के कारक भाव</translation>
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
    <name>velakor::LibraryWindow</name>
    <message>
        <source>1 chart</source>
        <translation>1 कुंडली</translation>
    </message>
    <message>
        <source>%1 charts</source>
        <translation>%1 कुंडलियाँ</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>खोजें(&amp;S):</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>नाम(&amp;M):</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>टिप्पणी(&amp;T):</translation>
    </message>
    <message>
        <source>Cit&amp;y:</source>
        <translation>शहर(&amp;Y):</translation>
    </message>
    <message>
        <source>St&amp;ate:</source>
        <translation>राज्य(&amp;A):</translation>
    </message>
    <message>
        <source>Co&amp;untry:</source>
        <translation>देश(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import Files...</source>
        <translation>फ़ाइलें आयात करें(&amp;I)...</translation>
    </message>
    <message>
        <source>Import &amp;Folder...</source>
        <translation>फ़ोल्डर आयात करें(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>निर्यात(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें(&amp;C)</translation>
    </message>
    <message>
        <source>Ca&amp;ncel Import</source>
        <translation>आयात रद्द करें(&amp;N)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date and Time of Birth</source>
        <translation>जन्म दिनांक और समय</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Chart Library - Velakor</source>
        <translation>कुंडली संग्रह - Velakor</translation>
    </message>
    <message>
        <source>Name, city, state or country</source>
        <translation>नाम, शहर, राज्य या देश</translation>
    </message>
    <message>
        <source>The search failed: </source>
        <translation>खोज विफल रही: </translation>
    </message>
    <message>
        <source>%1 of %2 found</source>
        <translation>%2 में से %1 मिलीं</translation>
    </message>
    <message>
        <source>Delete the chart of %1 from the library?</source>
        <translation>%1 की कुंडली संग्रह से हटाएँ?</translation>
    </message>
    <message>
        <source>Delete these %1 charts from the library?

%2</source>
        <translation>ये %1 कुंडलियाँ संग्रह से हटाएँ?

%2</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... और %1</translation>
    </message>
    <message>
        <source>The charts could not be deleted: </source>
        <translation>कुंडलियाँ हटाई नहीं जा सकीं: </translation>
    </message>
    <message>
        <source>Import readings into the library</source>
        <translation>कुंडली फ़ाइलें संग्रह में आयात करें</translation>
    </message>
    <message>
        <source>Import a folder of readings into the library</source>
        <translation>कुंडली फ़ाइलों का फ़ोल्डर संग्रह में आयात करें</translation>
    </message>
    <message>
        <source>Looking for readings...</source>
        <translation>कुंडली फ़ाइलें खोजी जा रही हैं...</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%2 में से %1 फ़ाइलें</translation>
    </message>
    <message>
        <source>Added to the library: %1
Already in the library: %2
Refused: %3</source>
        <translation>संग्रह में जोड़ी गईं: %1
संग्रह में पहले से: %2
अस्वीकृत: %3</translation>
    </message>
    <message>
        <source>

The import was cancelled: the files not counted here were not imported.</source>
        <translation>

आयात रद्द किया गया: जो फ़ाइलें यहाँ गिनी नहीं गईं, वे आयात नहीं हुईं।</translation>
    </message>
    <message>
        <source>

The import stopped: </source>
        <translation>

आयात रुक गया: </translation>
    </message>
    <message>
        <source>Export the charts as readings into a folder</source>
        <translation>कुंडलियों को कुंडली फ़ाइलों के रूप में फ़ोल्डर में निर्यात करें</translation>
    </message>
    <message>
        <source>Charts found</source>
        <translation>मिली कुंडलियाँ</translation>
    </message>
</context>
<context>
    <name>velakor::MDI</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>नया(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>खोलें(&amp;O)...</translation>
    </message>
    <message>
        <source>Chart &amp;Library...</source>
        <translation>कुंडली संग्रह(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Match with a Saved Reading...</source>
        <translation>सहेजी गई कुंडली से मिलान(&amp;M)...</translation>
    </message>
    <message>
        <source>Match with a Library C&amp;hart...</source>
        <translation>संग्रह की कुंडली से मिलान(&amp;H)...</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>इस रूप में सहेजें(&amp;A)</translation>
    </message>
    <message>
        <source>Save &amp;to Library</source>
        <translation>संग्रह में सहेजें(&amp;T)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG के रूप में सहेजें(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>कुंडली पाठ के रूप में निर्यात करें(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें(&amp;P)</translation>
    </message>
    <message>
        <source>Print Chart &amp;Sheet...</source>
        <translation>कुंडली पत्रक छापें(&amp;S)...</translation>
    </message>
    <message>
        <source>Export Chart Sheet as P&amp;DF...</source>
        <translation>कुंडली पत्रक PDF में निर्यात करें(&amp;D)...</translation>
    </message>
    <message>
        <source>Print Transits and Dasha Toda&amp;y...</source>
        <translation>आज का गोचर और दशा छापें(&amp;Y)...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बंद करें(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>दृश्य(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>उपकरण पट्टी(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>स्थिति पट्टी(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>कुंडली शैली(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;North Indian</source>
        <translation>उत्तर भारतीय(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;South Indian</source>
        <translation>दक्षिण भारतीय(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Natal Indian</source>
        <translation>पूर्व भारतीय(&amp;E)</translation>
    </message>
    <message>
        <source>Colo&amp;r Style</source>
        <translation>रंग शैली(&amp;R)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>चालू(&amp;N)</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>बंद(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Divisional Charts</source>
        <translation>वर्ग कुंडलियाँ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
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
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाई करें(&amp;M)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>नया</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>Open the Partner&apos;s Reading for Matching</source>
        <translation>मिलान के लिए साथी की कुंडली खोलें</translation>
    </message>
    <message>
        <source>Is %1 the bride?

Yes: %1 is the bride and %2 the groom.
No: %2 is the bride and %1 the groom.</source>
        <translation>क्या %1 वधू हैं?

हाँ: %1 वधू और %2 वर।
नहीं: %2 वधू और %1 वर।</translation>
    </message>
    <message>
        <source>Transits and Dasha Today</source>
        <translation>आज का गोचर और दशा</translation>
    </message>
    <message>
        <source>Print the Transits and Dasha of Today</source>
        <translation>आज का गोचर और दशा छापें</translation>
    </message>
    <message>
        <source>The precise positions cannot be read; the built-in formulas stay in use.</source>
        <translation>सटीक स्थितियाँ पढ़ी नहीं जा सकीं; अंतर्निहित सूत्र ही उपयोग में रहेंगे।</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>उपकरण पट्टी</translation>
    </message>
    <message>
        <source>Shows the %1</source>
        <translation>%1 दिखाता है</translation>
    </message>
</context>
<context>
    <name>velakor::MatchingView</name>
    <message>
        <source>Kutas</source>
        <translation>कूट</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>मिलान</translation>
    </message>
    <message>
        <source>Kuta</source>
        <translation>कूट</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>वधू</translation>
    </message>
    <message>
        <source>Groom</source>
        <translation>वर</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>Out of</source>
        <translation>अधिकतम</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>कारण</translation>
    </message>
    <message>
        <source>Ashtakoota Matching</source>
        <translation>अष्टकूट मिलान</translation>
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
    <name>velakor::MomentMenu</name>
    <message>
        <source>One &amp;Year Back</source>
        <translation>एक वर्ष पीछे(&amp;Y)</translation>
    </message>
    <message>
        <source>« Year</source>
        <translation>« वर्ष</translation>
    </message>
    <message>
        <source>One &amp;Month Back</source>
        <translation>एक महीना पीछे(&amp;M)</translation>
    </message>
    <message>
        <source>‹ Month</source>
        <translation>‹ महीना</translation>
    </message>
    <message>
        <source>One &amp;Day Back</source>
        <translation>एक दिन पीछे(&amp;D)</translation>
    </message>
    <message>
        <source>‹ Day</source>
        <translation>‹ दिन</translation>
    </message>
    <message>
        <source>One D&amp;ay Forward</source>
        <translation>एक दिन आगे(&amp;A)</translation>
    </message>
    <message>
        <source>Day ›</source>
        <translation>दिन ›</translation>
    </message>
    <message>
        <source>One M&amp;onth Forward</source>
        <translation>एक महीना आगे(&amp;O)</translation>
    </message>
    <message>
        <source>Month ›</source>
        <translation>महीना ›</translation>
    </message>
    <message>
        <source>One Y&amp;ear Forward</source>
        <translation>एक वर्ष आगे(&amp;E)</translation>
    </message>
    <message>
        <source>Year »</source>
        <translation>वर्ष »</translation>
    </message>
    <message>
        <source>Transit Mom&amp;ent</source>
        <translation>गोचर का समय(&amp;E)</translation>
    </message>
    <message>
        <source>Moves the transit moment</source>
        <translation>गोचर का समय बदलता है</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>अभी(&amp;N)</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>अभी</translation>
    </message>
</context>
<context>
    <name>velakor::PanchangaView</name>
    <message>
        <source>Panchanga</source>
        <translation>पंचांग</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>विवरण</translation>
    </message>
    <message>
        <source>At birth</source>
        <translation>जन्म के समय</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>समाप्ति</translation>
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
    <name>velakor::ReadingMenus</name>
    <message>
        <source>Vimshottari</source>
        <translation>विंशोत्तरी</translation>
    </message>
    <message>
        <source>Yogini</source>
        <translation>योगिनी</translation>
    </message>
    <message>
        <source>Ashtottari</source>
        <translation>अष्टोत्तरी</translation>
    </message>
    <message>
        <source>Kalachakra</source>
        <translation>कालचक्र</translation>
    </message>
    <message>
        <source>Narayana</source>
        <translation>नारायण</translation>
    </message>
    <message>
        <source>B. V. Raman&apos;s table</source>
        <translation>बी. वी. रमन की सारणी</translation>
    </message>
    <message>
        <source>Parashara&apos;s table (R. Santhanam)</source>
        <translation>पराशर की सारणी (आर. संतानम)</translation>
    </message>
    <message>
        <source>&amp;Julian year, 365.25 days</source>
        <translation>जूलियन वर्ष, 365.25 दिन(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Tropical year, 365.2422 days</source>
        <translation>सायन वर्ष, 365.2422 दिन(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Savana year, 360 days</source>
        <translation>सावन वर्ष, 360 दिन(&amp;S)</translation>
    </message>
    <message>
        <source>Reading &amp;Options</source>
        <translation>गणना विकल्प(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Dasha System</source>
        <translation>दशा पद्धति(&amp;D)</translation>
    </message>
    <message>
        <source>Dasha &amp;Year</source>
        <translation>दशा वर्ष(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Sunrise</source>
        <translation>सूर्योदय(&amp;S)</translation>
    </message>
    <message>
        <source>Ashtakavarga &amp;Table</source>
        <translation>अष्टकवर्ग सारणी(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Centre of the disc, no refraction</source>
        <translation>बिंब का केंद्र, अपवर्तन के बिना(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Upper limb, with refraction</source>
        <translation>ऊपरी किनारा, अपवर्तन सहित(&amp;U)</translation>
    </message>
</context>
<context>
    <name>velakor::SaturnView</name>
    <message>
        <source>Saturn&apos;s periods</source>
        <translation>शनि की अवधियाँ</translation>
    </message>
    <message>
        <source>Running now</source>
        <translation>अभी चल रही</translation>
    </message>
    <message>
        <source>Saturn&apos;s Periods</source>
        <translation>शनि की अवधियाँ</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>अवस्था</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Saturn enters</source>
        <translation>शनि का प्रवेश</translation>
    </message>
    <message>
        <source>Saturn leaves</source>
        <translation>शनि का निर्गमन</translation>
    </message>
</context>
<context>
    <name>velakor::SkyMenus</name>
    <message>
        <source>&amp;Positions</source>
        <translation>ग्रह स्थितियाँ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Built-in formulas</source>
        <translation>अंतर्निहित सूत्र(&amp;B)</translation>
    </message>
    <message>
        <source>P&amp;recise (JPL ephemeris)</source>
        <translation>सटीक (JPL ग्रह-सारणी)(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;yanamsa</source>
        <translation>अयनांश(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Node</source>
        <translation>राहु-केतु(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Mean</source>
        <translation>मध्यम(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;True</source>
        <translation>स्पष्ट(&amp;T)</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>लाहिड़ी</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>रमन</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>कृष्णमूर्ति</translation>
    </message>
    <message>
        <source>True Chitra</source>
        <translation>सत्य चित्रा</translation>
    </message>
</context>
<context>
    <name>velakor::TransitView</name>
    <message>
        <source>Transit moment</source>
        <translation>गोचर का समय</translation>
    </message>
    <message>
        <source>Transits</source>
        <translation>गोचर</translation>
    </message>
    <message>
        <source>Retrograde</source>
        <translation>वक्री</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>House</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>From Moon</source>
        <translation>चन्द्र से</translation>
    </message>
    <message>
        <source>R</source>
        <translation>व</translation>
    </message>
    <message>
        <source>Leaves sign</source>
        <translation>राशि परिवर्तन</translation>
    </message>
</context>
<context>
    <name>velakor::VargasView</name>
    <message>
        <source>Vargas</source>
        <translation>वर्ग</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>ग्रह</translation>
    </message>
</context>
<context>
    <name>velakor::ViewSources</name>
    <message>
        <source>Built-in formulas, Rahu one degree behind the mean node</source>
        <translation>अंतर्निहित सूत्र, राहु मध्यम राहु से एक अंश पीछे</translation>
    </message>
    <message>
        <source>Precise (JPL ephemeris), %1, mean node</source>
        <translation>सटीक (JPL ग्रह-सारणी), %1, मध्यम राहु</translation>
    </message>
    <message>
        <source>Precise (JPL ephemeris), %1, true node</source>
        <translation>सटीक (JPL ग्रह-सारणी), %1, स्पष्ट राहु</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>उत्तर भारतीय</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>दक्षिण भारतीय</translation>
    </message>
    <message>
        <source>East Indian</source>
        <translation>पूर्व भारतीय</translation>
    </message>
</context>
<context>
    <name>velakor::ViewTable</name>
    <message>
        <source>&amp;Chart</source>
        <translation>जन्म कुंडली(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Vargas</source>
        <translation>वर्ग(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Ashtakavarga</source>
        <translation>अष्टकवर्ग(&amp;A)</translation>
    </message>
    <message>
        <source>Das&amp;ha</source>
        <translation>दशा(&amp;H)</translation>
    </message>
    <message>
        <source>Panchan&amp;ga</source>
        <translation>पंचांग(&amp;G)</translation>
    </message>
    <message>
        <source>Trans&amp;its</source>
        <translation>गोचर(&amp;I)</translation>
    </message>
    <message>
        <source>Sat&amp;urn&apos;s Periods</source>
        <translation>शनि की अवधियाँ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Matching</source>
        <translation>मिलान(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;KP</source>
        <translation>केपी(&amp;K)</translation>
    </message>
    <message>
        <source>Horary &amp;Question...</source>
        <translation>प्रश्न कुंडली(&amp;Q)...</translation>
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
