<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN" sourcelanguage="en">
<context>
    <name>HoraryDialog</name>
    <message>
        <source>Horary Question</source>
        <translation>பிரசன்ன ஜாதகம்</translation>
    </message>
    <message>
        <source>The querent&apos;s number from 1 to 249 gives the ascendant: the start of that sub. The cusps follow for the moment and place of the question.</source>
        <translation>கேள்வி கேட்பவரின் 1 முதல் 249 வரையிலான எண் லக்னத்தைத் தருகிறது: அந்த உபத்தின் தொடக்கம். பாவ முனைகள் கேள்வியின் நேரத்துக்கும் இடத்துக்கும் கணிக்கப்படும்.</translation>
    </message>
    <message>
        <source>&amp;Number (1-249):</source>
        <translation>எண் (1-249)(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Moment:</source>
        <translation>நேரம்(&amp;M):</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>No&amp;w</source>
        <translation>இப்போது(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>இடம்(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>அட்சரேகை(&amp;L):</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>அட்சரேகைக் கலை</translation>
    </message>
    <message>
        <source>&apos;</source>
        <translation>&apos;</translation>
    </message>
    <message>
        <source>Latitude north or south</source>
        <translation>அட்சரேகை வடக்கா தெற்கா</translation>
    </message>
    <message>
        <source>N</source>
        <translation>வ</translation>
    </message>
    <message>
        <source>S</source>
        <translation>தெ</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>தீர்க்கரேகை(&amp;O):</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>தீர்க்கரேகைக் கலை</translation>
    </message>
    <message>
        <source>Longitude east or west</source>
        <translation>தீர்க்கரேகை கிழக்கா மேற்கா</translation>
    </message>
    <message>
        <source>E</source>
        <translation>கி</translation>
    </message>
    <message>
        <source>W</source>
        <translation>மே</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு(&amp;P)</translation>
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
        <translation>பிற வேத விவரங்கள்</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>ராசி (சந்திர ராசி)</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>வேத கிரக நிலை</translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Rahu / North Node</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Ketu / South Node</source>
        <translation>கேது</translation>
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
        <translation>சேமித்த ஜாதகத்தைத் திற(&amp;O)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>மணி/நிமி</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>பாகை/கலை</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை, தீர்க்கரேகை அறிய இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Get My &amp;Rashi Chart (North)</source>
        <translation>என் ராசிக் கட்டம் (வட இந்திய)(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி(&amp;H)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>என் ராசிக் கட்டம்(&amp;R)</translation>
    </message>
    <message>
        <source>Chart &amp;Library...</source>
        <translation>ஜாதகத் தொகுப்பு(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளம்(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார்(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி(&amp;A)</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>பிறந்த மாதம்</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>பிறந்த நாள்</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>பிறந்த ஆண்டு</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>பிறந்த மணி</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>பிறந்த நிமிடம்</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>அட்சரேகைப் பாகை</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>அட்சரேகைக் கலை</translation>
    </message>
    <message>
        <source>North latitude</source>
        <translation>வடக்கு அட்சரேகை</translation>
    </message>
    <message>
        <source>South latitude</source>
        <translation>தெற்கு அட்சரேகை</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>தீர்க்கரேகைப் பாகை</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>தீர்க்கரேகைக் கலை</translation>
    </message>
    <message>
        <source>East longitude</source>
        <translation>கிழக்குத் தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>West longitude</source>
        <translation>மேற்குத் தீர்க்கரேகை</translation>
    </message>
</context>
<context>
    <name>velakor::AboutBox</name>
    <message>
        <source>About Velakor</source>
        <translation>Velakor பற்றி</translation>
    </message>
    <message>
        <source>Version 1.70</source>
        <translation>பதிப்பு 1.70</translation>
    </message>
    <message>
        <source>Casts a Vedic birth chart from the birth data and shows it in the North Indian, South Indian or East Indian style, with the sixteen divisional charts (D1 to D60).</source>
        <translation>பிறப்பு விவரங்களிலிருந்து வேத ஜாதகத்தைக் கணித்து, வட இந்திய, தென் இந்திய அல்லது கிழக்கு இந்திய முறையில், பதினாறு வர்க்கக் கட்டங்களுடன் (D1 முதல் D60) காட்டுகிறது.</translation>
    </message>
</context>
<context>
    <name>velakor::AshtakavargaView</name>
    <message>
        <source>Ashtakavarga</source>
        <translation>அஷ்டகவர்க்கம்</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Ashtakavarga, %1</source>
        <translation>அஷ்டகவர்க்கம், %1</translation>
    </message>
</context>
<context>
    <name>velakor::DashaModel</name>
    <message>
        <source>Running now</source>
        <translation>தற்போது நடப்பது</translation>
    </message>
    <message>
        <source>Yogini</source>
        <translation>யோகினி</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>End</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>தொடக்கத்தில் வயது</translation>
    </message>
</context>
<context>
    <name>velakor::DashaView</name>
    <message>
        <source>Dasha periods</source>
        <translation>தசா காலங்கள்</translation>
    </message>
</context>
<context>
    <name>velakor::KpView</name>
    <message>
        <source>Cusps</source>
        <translation>பாவ முனைகள்</translation>
    </message>
    <message>
        <source>Bodies</source>
        <translation>கிரகங்கள்</translation>
    </message>
    <message>
        <source>Significators of the houses</source>
        <translation>பாவங்களின் காரகர்கள்</translation>
    </message>
    <message>
        <source>Houses each planet signifies</source>
        <translation>ஒவ்வொரு கிரகமும் குறிக்கும் பாவங்கள்</translation>
    </message>
</context>
<context>
    <name>velakor::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி(&amp;L)</translation>
    </message>
</context>
<context>
    <name>velakor::LibraryWindow</name>
    <message>
        <source>1 chart</source>
        <translation>1 ஜாதகம்</translation>
    </message>
    <message>
        <source>%1 charts</source>
        <translation>%1 ஜாதகங்கள்</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>தேடு(&amp;S):</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>பெயர்(&amp;M):</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>குறிப்பு(&amp;T):</translation>
    </message>
    <message>
        <source>Cit&amp;y:</source>
        <translation>நகரம்(&amp;Y):</translation>
    </message>
    <message>
        <source>St&amp;ate:</source>
        <translation>மாநிலம்(&amp;A):</translation>
    </message>
    <message>
        <source>Co&amp;untry:</source>
        <translation>நாடு(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>திற(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>நீக்கு(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import Files...</source>
        <translation>கோப்புகளை இறக்குமதி செய்(&amp;I)...</translation>
    </message>
    <message>
        <source>Import &amp;Folder...</source>
        <translation>கோப்புறையை இறக்குமதி செய்(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>ஏற்றுமதி(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>மூடு(&amp;C)</translation>
    </message>
    <message>
        <source>Ca&amp;ncel Import</source>
        <translation>இறக்குமதியை ரத்து செய்(&amp;N)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date and Time of Birth</source>
        <translation>பிறந்த தேதியும் நேரமும்</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>Chart Library - Velakor</source>
        <translation>ஜாதகத் தொகுப்பு - Velakor</translation>
    </message>
    <message>
        <source>Name, city, state or country</source>
        <translation>பெயர், நகரம், மாநிலம் அல்லது நாடு</translation>
    </message>
    <message>
        <source>The search failed: </source>
        <translation>தேடல் தோல்வியடைந்தது: </translation>
    </message>
    <message>
        <source>%1 of %2 found</source>
        <translation>%2 இல் %1 கிடைத்தன</translation>
    </message>
    <message>
        <source>Delete the chart of %1 from the library?</source>
        <translation>%1 அவர்களின் ஜாதகத்தைத் தொகுப்பிலிருந்து நீக்கவா?</translation>
    </message>
    <message>
        <source>Delete these %1 charts from the library?

%2</source>
        <translation>இந்த %1 ஜாதகங்களைத் தொகுப்பிலிருந்து நீக்கவா?

%2</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... மேலும் %1</translation>
    </message>
    <message>
        <source>The charts could not be deleted: </source>
        <translation>ஜாதகங்களை நீக்க முடியவில்லை: </translation>
    </message>
    <message>
        <source>Import readings into the library</source>
        <translation>ஜாதகக் கோப்புகளைத் தொகுப்பில் இறக்குமதி செய்</translation>
    </message>
    <message>
        <source>Import a folder of readings into the library</source>
        <translation>ஜாதகக் கோப்புகளின் கோப்புறையைத் தொகுப்பில் இறக்குமதி செய்</translation>
    </message>
    <message>
        <source>Looking for readings...</source>
        <translation>ஜாதகக் கோப்புகள் தேடப்படுகின்றன...</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%2 இல் %1 கோப்புகள்</translation>
    </message>
    <message>
        <source>Added to the library: %1
Already in the library: %2
Refused: %3</source>
        <translation>தொகுப்பில் சேர்க்கப்பட்டவை: %1
ஏற்கெனவே தொகுப்பில் உள்ளவை: %2
மறுக்கப்பட்டவை: %3</translation>
    </message>
    <message>
        <source>

The import was cancelled: the files not counted here were not imported.</source>
        <translation>

இறக்குமதி ரத்து செய்யப்பட்டது: இங்கே எண்ணப்படாத கோப்புகள் இறக்குமதி ஆகவில்லை.</translation>
    </message>
    <message>
        <source>

The import stopped: </source>
        <translation>

இறக்குமதி நின்றுவிட்டது: </translation>
    </message>
    <message>
        <source>Export the charts as readings into a folder</source>
        <translation>ஜாதகங்களை ஜாதகக் கோப்புகளாக ஒரு கோப்புறைக்கு ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>Charts found</source>
        <translation>கிடைத்த ஜாதகங்கள்</translation>
    </message>
</context>
<context>
    <name>velakor::MDI</name>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>புதியது(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>திற(&amp;O)...</translation>
    </message>
    <message>
        <source>Chart &amp;Library...</source>
        <translation>ஜாதகத் தொகுப்பு(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Match with a Saved Reading...</source>
        <translation>சேமித்த ஜாதகத்துடன் பொருத்தம்(&amp;M)...</translation>
    </message>
    <message>
        <source>Match with a Library C&amp;hart...</source>
        <translation>தொகுப்பிலுள்ள ஜாதகத்துடன் பொருத்தம்(&amp;H)...</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>இவ்வாறு சேமி(&amp;A)</translation>
    </message>
    <message>
        <source>Save &amp;to Library</source>
        <translation>தொகுப்பில் சேமி(&amp;T)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG ஆகச் சேமி(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>ஜாதகத்தை உரையாக ஏற்றுமதி செய்(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>அச்சிடு(&amp;P)</translation>
    </message>
    <message>
        <source>Print Chart &amp;Sheet...</source>
        <translation>ஜாதகத் தாளை அச்சிடு(&amp;S)...</translation>
    </message>
    <message>
        <source>Export Chart Sheet as P&amp;DF...</source>
        <translation>ஜாதகத் தாளை PDF ஆக ஏற்றுமதி செய்(&amp;D)...</translation>
    </message>
    <message>
        <source>Print Transits and Dasha Toda&amp;y...</source>
        <translation>இன்றைய கோசாரமும் தசையும் அச்சிடு(&amp;Y)...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல்(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>காட்சி(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>கருவிப்பட்டை(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>நிலைப்பட்டை(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>கட்ட வடிவம்(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;North Indian</source>
        <translation>வட இந்திய(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;South Indian</source>
        <translation>தென் இந்திய(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Natal Indian</source>
        <translation>கிழக்கு இந்திய(&amp;E)</translation>
    </message>
    <message>
        <source>Colo&amp;r Style</source>
        <translation>வண்ண வடிவம்(&amp;R)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>இயக்கு(&amp;N)</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>நிறுத்து(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Divisional Charts</source>
        <translation>வர்க்கக் கட்டங்கள்(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளம்(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார்(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி(&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் சம்பாதியுங்கள்(&amp;M)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>புதியது</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>அச்சிடு</translation>
    </message>
    <message>
        <source>Open the Partner&apos;s Reading for Matching</source>
        <translation>பொருத்தத்துக்காகத் துணையின் ஜாதகத்தைத் திற</translation>
    </message>
    <message>
        <source>Is %1 the bride?

Yes: %1 is the bride and %2 the groom.
No: %2 is the bride and %1 the groom.</source>
        <translation>%1 மணமகளா?

ஆம்: %1 மணமகள், %2 மணமகன்.
இல்லை: %2 மணமகள், %1 மணமகன்.</translation>
    </message>
    <message>
        <source>Transits and Dasha Today</source>
        <translation>இன்றைய கோசாரமும் தசையும்</translation>
    </message>
    <message>
        <source>Print the Transits and Dasha of Today</source>
        <translation>இன்றைய கோசாரத்தையும் தசையையும் அச்சிடு</translation>
    </message>
    <message>
        <source>The precise positions cannot be read; the built-in formulas stay in use.</source>
        <translation>துல்லிய நிலைகளைப் படிக்க முடியவில்லை; உள்ளமைந்த சூத்திரங்களே பயன்பாட்டில் இருக்கும்.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>கருவிப்பட்டை</translation>
    </message>
    <message>
        <source>Shows the %1</source>
        <translation>%1 காட்டும்</translation>
    </message>
</context>
<context>
    <name>velakor::MatchingView</name>
    <message>
        <source>Kutas</source>
        <translation>கூடங்கள்</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>பொருத்தம்</translation>
    </message>
    <message>
        <source>Kuta</source>
        <translation>கூடம்</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>மணமகள்</translation>
    </message>
    <message>
        <source>Groom</source>
        <translation>மணமகன்</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>புள்ளிகள்</translation>
    </message>
    <message>
        <source>Out of</source>
        <translation>அதிகபட்சம்</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>காரணம்</translation>
    </message>
    <message>
        <source>Ashtakoota Matching</source>
        <translation>அஷ்டகூடப் பொருத்தம்</translation>
    </message>
</context>
<context>
    <name>velakor::MessageBox</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம்(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை(&amp;N)</translation>
    </message>
</context>
<context>
    <name>velakor::MomentMenu</name>
    <message>
        <source>One &amp;Year Back</source>
        <translation>ஓர் ஆண்டு பின்னோக்கி(&amp;Y)</translation>
    </message>
    <message>
        <source>« Year</source>
        <translation>« ஆண்டு</translation>
    </message>
    <message>
        <source>One &amp;Month Back</source>
        <translation>ஒரு மாதம் பின்னோக்கி(&amp;M)</translation>
    </message>
    <message>
        <source>‹ Month</source>
        <translation>‹ மாதம்</translation>
    </message>
    <message>
        <source>One &amp;Day Back</source>
        <translation>ஒரு நாள் பின்னோக்கி(&amp;D)</translation>
    </message>
    <message>
        <source>‹ Day</source>
        <translation>‹ நாள்</translation>
    </message>
    <message>
        <source>One D&amp;ay Forward</source>
        <translation>ஒரு நாள் முன்னோக்கி(&amp;A)</translation>
    </message>
    <message>
        <source>Day ›</source>
        <translation>நாள் ›</translation>
    </message>
    <message>
        <source>One M&amp;onth Forward</source>
        <translation>ஒரு மாதம் முன்னோக்கி(&amp;O)</translation>
    </message>
    <message>
        <source>Month ›</source>
        <translation>மாதம் ›</translation>
    </message>
    <message>
        <source>One Y&amp;ear Forward</source>
        <translation>ஓர் ஆண்டு முன்னோக்கி(&amp;E)</translation>
    </message>
    <message>
        <source>Year »</source>
        <translation>ஆண்டு »</translation>
    </message>
    <message>
        <source>Transit Mom&amp;ent</source>
        <translation>கோசார நேரம்(&amp;E)</translation>
    </message>
    <message>
        <source>Moves the transit moment</source>
        <translation>கோசார நேரத்தை மாற்றும்</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>இப்போது(&amp;N)</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>இப்போது</translation>
    </message>
</context>
<context>
    <name>velakor::PanchangaView</name>
    <message>
        <source>Panchanga</source>
        <translation>பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>விவரம்</translation>
    </message>
    <message>
        <source>At birth</source>
        <translation>பிறப்பின்போது</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>முடிவு</translation>
    </message>
</context>
<context>
    <name>velakor::ProgramSettings</name>
    <message>
        <source>not a regular file</source>
        <translation>இது சாதாரணக் கோப்பு அல்ல</translation>
    </message>
    <message>
        <source>larger than a settings file can be</source>
        <translation>அமைப்புக் கோப்புக்கு மிகப் பெரியது</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>இதில் எழுத முடியாது</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>இதன் கோப்புறையை உருவாக்க முடியாது</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1 (%2)</source>
        <translation>அமைப்புகளைச் சேமிக்க முடியவில்லை: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>velakor::ReadingMenus</name>
    <message>
        <source>Vimshottari</source>
        <translation>விம்சோத்தரி</translation>
    </message>
    <message>
        <source>Yogini</source>
        <translation>யோகினி</translation>
    </message>
    <message>
        <source>Ashtottari</source>
        <translation>அஷ்டோத்தரி</translation>
    </message>
    <message>
        <source>Kalachakra</source>
        <translation>காலசக்கரம்</translation>
    </message>
    <message>
        <source>Narayana</source>
        <translation>நாராயண</translation>
    </message>
    <message>
        <source>B. V. Raman&apos;s table</source>
        <translation>பி. வி. ராமன் அட்டவணை</translation>
    </message>
    <message>
        <source>Parashara&apos;s table (R. Santhanam)</source>
        <translation>பராசரர் அட்டவணை (ஆர். சந்தானம்)</translation>
    </message>
    <message>
        <source>&amp;Julian year, 365.25 days</source>
        <translation>ஜூலியன் ஆண்டு, 365.25 நாள்கள்(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Tropical year, 365.2422 days</source>
        <translation>சாயன ஆண்டு, 365.2422 நாள்கள்(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Savana year, 360 days</source>
        <translation>சாவன ஆண்டு, 360 நாள்கள்(&amp;S)</translation>
    </message>
    <message>
        <source>Reading &amp;Options</source>
        <translation>கணிப்பு விருப்பங்கள்(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Dasha System</source>
        <translation>தசா முறை(&amp;D)</translation>
    </message>
    <message>
        <source>Dasha &amp;Year</source>
        <translation>தசா ஆண்டு(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Sunrise</source>
        <translation>சூரிய உதயம்(&amp;S)</translation>
    </message>
    <message>
        <source>Ashtakavarga &amp;Table</source>
        <translation>அஷ்டகவர்க்க அட்டவணை(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Centre of the disc, no refraction</source>
        <translation>வட்டத்தின் மையம், ஒளிவிலகல் இன்றி(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Upper limb, with refraction</source>
        <translation>மேல் விளிம்பு, ஒளிவிலகலுடன்(&amp;U)</translation>
    </message>
</context>
<context>
    <name>velakor::SaturnView</name>
    <message>
        <source>Saturn&apos;s periods</source>
        <translation>சனியின் காலங்கள்</translation>
    </message>
    <message>
        <source>Running now</source>
        <translation>தற்போது நடப்பது</translation>
    </message>
    <message>
        <source>Saturn&apos;s Periods</source>
        <translation>சனியின் காலங்கள்</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>பருவம்</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Saturn enters</source>
        <translation>சனி நுழைவு</translation>
    </message>
    <message>
        <source>Saturn leaves</source>
        <translation>சனி வெளியேற்றம்</translation>
    </message>
</context>
<context>
    <name>velakor::SkyMenus</name>
    <message>
        <source>&amp;Positions</source>
        <translation>கிரக நிலைகள்(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Built-in formulas</source>
        <translation>உள்ளமைந்த சூத்திரங்கள்(&amp;B)</translation>
    </message>
    <message>
        <source>P&amp;recise (JPL ephemeris)</source>
        <translation>துல்லியம் (JPL வான அட்டவணை)(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;yanamsa</source>
        <translation>அயனாம்சம்(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Node</source>
        <translation>ராகு-கேது(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Mean</source>
        <translation>சராசரி(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;True</source>
        <translation>உண்மை(&amp;T)</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>லாஹிரி</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>ராமன்</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>கிருஷ்ணமூர்த்தி</translation>
    </message>
    <message>
        <source>True Chitra</source>
        <translation>உண்மைச் சித்திரை</translation>
    </message>
</context>
<context>
    <name>velakor::TransitView</name>
    <message>
        <source>Transit moment</source>
        <translation>கோசார நேரம்</translation>
    </message>
    <message>
        <source>Transits</source>
        <translation>கோசாரம்</translation>
    </message>
    <message>
        <source>Retrograde</source>
        <translation>வக்கிரம்</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>House</source>
        <translation>பாவம்</translation>
    </message>
    <message>
        <source>From Moon</source>
        <translation>சந்திரனிலிருந்து</translation>
    </message>
    <message>
        <source>R</source>
        <translation>வ</translation>
    </message>
    <message>
        <source>Leaves sign</source>
        <translation>ராசி மாற்றம்</translation>
    </message>
</context>
<context>
    <name>velakor::VargasView</name>
    <message>
        <source>Vargas</source>
        <translation>வர்க்கங்கள்</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>கிரகம்</translation>
    </message>
</context>
<context>
    <name>velakor::ViewSources</name>
    <message>
        <source>Built-in formulas, Rahu one degree behind the mean node</source>
        <translation>உள்ளமைந்த சூத்திரங்கள், ராகு சராசரி ராகுவுக்கு ஒரு பாகை பின்னால்</translation>
    </message>
    <message>
        <source>Precise (JPL ephemeris), %1, mean node</source>
        <translation>துல்லியம் (JPL வான அட்டவணை), %1, சராசரி ராகு</translation>
    </message>
    <message>
        <source>Precise (JPL ephemeris), %1, true node</source>
        <translation>துல்லியம் (JPL வான அட்டவணை), %1, உண்மை ராகு</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>வட இந்திய</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>தென் இந்திய</translation>
    </message>
    <message>
        <source>East Indian</source>
        <translation>கிழக்கு இந்திய</translation>
    </message>
</context>
<context>
    <name>velakor::ViewTable</name>
    <message>
        <source>&amp;Chart</source>
        <translation>ஜாதகக் கட்டம்(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Vargas</source>
        <translation>வர்க்கங்கள்(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Ashtakavarga</source>
        <translation>அஷ்டகவர்க்கம்(&amp;A)</translation>
    </message>
    <message>
        <source>Das&amp;ha</source>
        <translation>தசா(&amp;H)</translation>
    </message>
    <message>
        <source>Panchan&amp;ga</source>
        <translation>பஞ்சாங்கம்(&amp;G)</translation>
    </message>
    <message>
        <source>Trans&amp;its</source>
        <translation>கோசாரம்(&amp;I)</translation>
    </message>
    <message>
        <source>Sat&amp;urn&apos;s Periods</source>
        <translation>சனியின் காலங்கள்(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Matching</source>
        <translation>பொருத்தம்(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;KP</source>
        <translation>கே.பி.(&amp;K)</translation>
    </message>
    <message>
        <source>Horary &amp;Question...</source>
        <translation>பிரசன்ன ஜாதகம்(&amp;Q)...</translation>
    </message>
</context>
<context>
    <name>velakor::frmMain</name>
    <message>
        <source>The chart library cannot be opened.
</source>
        <translation>ஜாதகத் தொகுப்பைத் திறக்க முடியவில்லை.
</translation>
    </message>
    <message>
        <source>The chart library can only be read.
%1
Its charts can be found, opened and exported; nothing can be saved to it or changed in it.</source>
        <translation>ஜாதகத் தொகுப்பைப் படிக்க மட்டுமே முடியும்.
%1
அதன் ஜாதகங்களைத் தேடலாம், திறக்கலாம், ஏற்றுமதி செய்யலாம்; அதில் எதையும் சேமிக்கவோ மாற்றவோ முடியாது.</translation>
    </message>
    <message>
        <source>The chart could not be saved to the library.
</source>
        <translation>ஜாதகத்தைத் தொகுப்பில் சேமிக்க முடியவில்லை.
</translation>
    </message>
    <message>
        <source>The chart of %1 is in the library already.</source>
        <translation>%1 அவர்களின் ஜாதகம் ஏற்கெனவே தொகுப்பில் உள்ளது.</translation>
    </message>
    <message>
        <source>The chart of %1 has been saved to the library.</source>
        <translation>%1 அவர்களின் ஜாதகம் தொகுப்பில் சேமிக்கப்பட்டது.</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>எழுத்துகளை மட்டும் உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>எண்களை மட்டும் உள்ளிடவும்</translation>
    </message>
</context>
</TS>
