<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN" sourcelanguage="en">
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி(&amp;L)</translation>
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
</context>
</TS>
