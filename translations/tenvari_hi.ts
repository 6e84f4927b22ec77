<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>tenvari::AppIconPicture</name>
    <message>
        <source>Tenvari icon</source>
        <translation>Tenvari का आइकन</translation>
    </message>
</context>
<context>
    <name>tenvari::FrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>%1 के बारे में</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>The Tenvari calculates the Ayanamsa for a particular place for a given date and time. This tool is based on the Lahiri Ayanamsa. Ayanamsa (ayana means &quot;movement&quot; and amsa means &quot;part&quot;) means the longitudinal difference between the tropical and sidereal zodiacs.</source>
        <translation>Tenvari किसी स्थान के लिए दी गई तिथि और समय का अयनांश निकालता है। यह लाहिड़ी अयनांश पर आधारित है। अयनांश (अयन यानी &quot;गति&quot; और अंश यानी &quot;भाग&quot;) सायन और निरयन राशिचक्रों के बीच भोगांश का अंतर है।</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 पर जाएँ</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के नाम से पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
</context>
<context>
    <name>tenvari::FrmExitScreen</name>
    <message>
        <source>Thank you for using Tenvari! Our web community is a friendly place to share charts, ask questions and learn Vedic astrology with others.</source>
        <translation>Tenvari इस्तेमाल करने के लिए धन्यवाद! हमारा वेब समुदाय कुंडलियाँ साझा करने, प्रश्न पूछने और दूसरों के साथ वैदिक ज्योतिष सीखने की एक मैत्रीपूर्ण जगह है।</translation>
    </message>
    <message>
        <source>Tenvari is one of many free astrology tools we make. Birth charts, match making, panchang and more are waiting on our site.</source>
        <translation>Tenvari हमारे बनाए कई मुफ़्त ज्योतिष उपकरणों में से एक है। जन्मकुंडली, कुंडली मिलान, पंचांग और बहुत कुछ हमारी साइट पर आपकी प्रतीक्षा में है।</translation>
    </message>
    <message>
        <source>Have a question about your ayanamsa or your chart? Thousands of members of our web community are happy to help, free of charge.</source>
        <translation>अपने अयनांश या अपनी कुंडली के बारे में कोई प्रश्न है? हमारे वेब समुदाय के हज़ारों सदस्य निःशुल्क मदद करके ख़ुश होंगे।</translation>
    </message>
    <message>
        <source>Enjoyed Tenvari? Tell a friend about it with the form on the right, and visit us for new versions and new free software.</source>
        <translation>Tenvari पसंद आया? दाईं ओर के फ़ॉर्म से किसी मित्र को इसके बारे में बताएँ, और नए संस्करणों व नए मुफ़्त सॉफ़्टवेयर के लिए हमारी साइट पर आएँ।</translation>
    </message>
    <message>
        <source>Exit ends the program.</source>
        <translation>निकास से प्रोग्राम बंद होता है।</translation>
    </message>
    <message>
        <source>Yes! Take me to the web community now</source>
        <translation>हाँ! मुझे अभी वेब समुदाय पर ले चलें</translation>
    </message>
    <message>
        <source>Our Software Collection</source>
        <translation>हमारा सॉफ़्टवेयर संग्रह</translation>
    </message>
    <message>
        <source>See all our free software</source>
        <translation>हमारे सभी मुफ़्त सॉफ़्टवेयर देखें</translation>
    </message>
    <message>
        <source>Astrology, numerology and calendar tools from the makers of Tenvari: small, free and easy to use.</source>
        <translation>Tenvari के निर्माताओं के ज्योतिष, अंकशास्त्र और पंचांग उपकरण: छोटे, मुफ़्त और उपयोग में आसान।</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>निकास (&amp;X)</translation>
    </message>
</context>
<context>
    <name>tenvari::FrmMain</name>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश में 0 से 179 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>कृपया देशांतर की कला में 0 से 59 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश में 0 से 89 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>कृपया अक्षांश की कला में 0 से 59 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तिथि या महीना चुनें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तिथि या महीना चुनें !</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter a Valid Time Zone</source>
        <translation>कृपया मान्य समय क्षेत्र दर्ज करें</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>Get My Ayanamsa Reading</source>
        <translation>मेरा अयनांश निकालें</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>निकास (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अद्यतन जाँचें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाएँ (&amp;O)</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>समुदाय</translation>
    </message>
    <message>
        <source>Join our free astrology community online!</source>
        <translation>हमारे मुफ़्त ऑनलाइन ज्योतिष समुदाय से जुड़ें!</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>प्रस्ताव</translation>
    </message>
    <message>
        <source>Want this tool under your own name? Ask for a fully branded edition of Tenvari.</source>
        <translation>यह उपकरण अपने नाम से चाहिए? Tenvari का पूरी तरह आपके ब्रांड वाला संस्करण माँगें।</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand Tenvari with your site&apos;s name and logo.</source>
        <translation>आपकी वेबसाइट है? Tenvari पर अपनी साइट का नाम और लोगो लगाएँ।</translation>
    </message>
    <message>
        <source>Birth details</source>
        <translation>जन्म विवरण</translation>
    </message>
    <message>
        <source>Ayanamsa (ayana means &quot;movement&quot; and amsa means &quot;part&quot;) means the longitudinal difference between the tropical and sidereal zodiacs.</source>
        <translation>अयनांश (अयन यानी &quot;गति&quot; और अंश यानी &quot;भाग&quot;) सायन और निरयन राशिचक्रों के बीच भोगांश का अंतर है।</translation>
    </message>
    <message>
        <source>The Tenvari calculates the Ayanamsa for a particular place for a given date and time. This tool is based on the Lahiri Ayanamsa.</source>
        <translation>Tenvari किसी स्थान के लिए दी गई तिथि और समय का अयनांश निकालता है। यह उपकरण लाहिड़ी अयनांश पर आधारित है।</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>घं:मि:से</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटे</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>सूची</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>Longitude Suffix Of Place Of Birth</source>
        <translation>जन्म स्थान के देशांतर की दिशा</translation>
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
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <comment>minutes of arc</comment>
        <translation>कला</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
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
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>परिणाम</translation>
    </message>
    <message>
        <source>Ayanamsa describes the angular difference between the tropical (Sayana) and sidereal ( Nirayana) longitudes, due to the precision of the equinoxes.</source>
        <translation>अयनांश विषुवों के अयन-चलन से उत्पन्न सायन और निरयन भोगांशों के बीच का कोणीय अंतर बताता है।</translation>
    </message>
    <message>
        <source>The Tenvari calculates the Ayanamsa for a particular place for a given date and time. This tool is based on the Lahiri Ayanamsa. Calculation of the Ayanamsa helps in correct generation of the horoscope.</source>
        <translation>Tenvari किसी स्थान के लिए दी गई तिथि और समय का अयनांश निकालता है। यह उपकरण लाहिड़ी अयनांश पर आधारित है। अयनांश की गणना से जन्मकुंडली सही बनती है।</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>जन्म की तारीख़</translation>
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
        <source>Second of birth</source>
        <translation>जन्म का सेकंड</translation>
    </message>
    <message>
        <source>Not used by the reading.</source>
        <translation>गणना में इसका उपयोग नहीं होता।</translation>
    </message>
    <message>
        <source>Time zone hours</source>
        <translation>समय क्षेत्र के घंटे</translation>
    </message>
    <message>
        <source>Hours between local time and Greenwich; East or West below gives the direction.</source>
        <translation>स्थानीय समय और ग्रीनविच के बीच के घंटे; दिशा नीचे के पूर्व या पश्चिम से तय होती है।</translation>
    </message>
    <message>
        <source>Time zone minutes</source>
        <translation>समय क्षेत्र के मिनट</translation>
    </message>
    <message>
        <source>Opens a list of time zones that fills in the hours and minutes.</source>
        <translation>समय क्षेत्रों की सूची खोलता है, जो घंटे और मिनट भर देती है।</translation>
    </message>
    <message>
        <source>Daylight saving (hidden)</source>
        <translation>डेलाइट सेविंग (छिपा)</translation>
    </message>
    <message>
        <source>Not shown on the screen. Checked, the birth time counts as daylight saving time.</source>
        <translation>स्क्रीन पर नहीं दिखता। चुना होने पर जन्म समय डेलाइट सेविंग समय माना जाता है।</translation>
    </message>
    <message>
        <source>Longitude degrees (hidden)</source>
        <translation>देशांतर के अंश (छिपा)</translation>
    </message>
    <message>
        <source>Not shown on the screen. With 0 degrees and 0 minutes, East counts as West.</source>
        <translation>स्क्रीन पर नहीं दिखता। 0 अंश और 0 कला पर पूर्व को पश्चिम माना जाता है।</translation>
    </message>
    <message>
        <source>Longitude minutes (hidden)</source>
        <translation>देशांतर की कला (छिपा)</translation>
    </message>
    <message>
        <source>Latitude degrees (hidden, not used by the reading)</source>
        <translation>अक्षांश के अंश (छिपा, गणना में उपयोग नहीं)</translation>
    </message>
    <message>
        <source>Latitude minutes (hidden, not used by the reading)</source>
        <translation>अक्षांश की कला (छिपा, गणना में उपयोग नहीं)</translation>
    </message>
    <message>
        <source>North (hidden, not used by the reading)</source>
        <translation>उत्तर (छिपा, गणना में उपयोग नहीं)</translation>
    </message>
    <message>
        <source>South (hidden, not used by the reading)</source>
        <translation>दक्षिण (छिपा, गणना में उपयोग नहीं)</translation>
    </message>
    <message>
        <source>City (hidden, not used by the reading)</source>
        <translation>शहर (छिपा, गणना में उपयोग नहीं)</translation>
    </message>
    <message>
        <source>State (hidden, not used by the reading)</source>
        <translation>राज्य (छिपा, गणना में उपयोग नहीं)</translation>
    </message>
    <message>
        <source>Country (hidden, not used by the reading)</source>
        <translation>देश (छिपा, गणना में उपयोग नहीं)</translation>
    </message>
    <message>
        <source>Find latitude and longitude (hidden)</source>
        <translation>अक्षांश और देशांतर खोजें (छिपा)</translation>
    </message>
    <message>
        <source>Not shown on the screen. Checks that city, state and country are filled in.</source>
        <translation>स्क्रीन पर नहीं दिखता। जाँचता है कि शहर, राज्य और देश भरे गए हैं।</translation>
    </message>
    <message>
        <source>Computes the ayanamsa and shows it beside the birth details.</source>
        <translation>अयनांश की गणना करके उसे जन्म विवरण के बगल में दिखाता है।</translation>
    </message>
    <message>
        <source>Hides the result.</source>
        <translation>परिणाम छिपाता है।</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>कृपया केवल अंग्रेज़ी अक्षर दर्ज करें</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक स्वीकार्य हैं</translation>
    </message>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>रविवार</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>सोमवार</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>मंगलवार</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>बुधवार</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>गुरुवार</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>शुक्रवार</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>शनिवार</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>The date of birth: %1 the month&apos;s name, %2 the day, %3 the year.</extracomment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>Lahiri formula: %1</source>
        <translation>लाहिड़ी सूत्र: %1</translation>
    </message>
    <message>
        <source>Almanac definition, with nutation: %1</source>
        <translation>खगोलीय पंचांग की परिभाषा, न्यूटेशन सहित: %1</translation>
    </message>
    <message>
        <source>Formula less definition: %1</source>
        <translation>सूत्र घटा परिभाषा: %1</translation>
    </message>
</context>
<context>
    <name>tenvari::FrmTimeZone</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,9.0</source>
        <translation>अलास्का/हवाई डेलाइट समय,AHDT,9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,10.0</source>
        <translation>अलास्का/हवाई मानक समय,AHST,10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,9.0</source>
        <translation>अलास्का/हवाई युद्धकालीन समय,AHWT,9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,4.0</source>
        <translation>अटलांटिक मानक समय,AST,4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,3.0</source>
        <translation>अटलांटिक युद्धकालीन समय,AWT,3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,-10.30</source>
        <translation>मध्य ऑस्ट्रेलिया डेलाइट समय,ACDT,-10.30</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,-9.30</source>
        <translation>मध्य ऑस्ट्रेलिया मानक समय,ACST,-9.30</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,-11.0</source>
        <translation>पूर्वी ऑस्ट्रेलिया डेलाइट समय,AEDT,-11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,-10.0</source>
        <translation>पूर्वी ऑस्ट्रेलिया मानक समय,AEST,-10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,-9.0</source>
        <translation>पश्चिमी ऑस्ट्रेलिया डेलाइट समय,AWDT,-9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,-8.0</source>
        <translation>पश्चिमी ऑस्ट्रेलिया मानक समय,AWST,-8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, 2#</source>
        <translation>अज़ोरेस समय, AT, 2#</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, -3#</source>
        <translation>बग़दाद समय, BAT, -3#</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,11.0</source>
        <translation>बेरिंग मानक समय,BET,11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,3.0</source>
        <translation>ब्राज़ील क्षेत्र 2,BZT2,3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,-2.0</source>
        <translation>ब्रिटिश दोहरा ग्रीष्मकालीन समय,BDST,-2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,-1.0</source>
        <translation>ब्रिटिश ग्रीष्मकालीन समय,BST,-1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,-2.0</source>
        <translation>ब्रिटिश युद्धकालीन समय,BWT,-2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,5.0</source>
        <translation>सेंट्रल डेलाइट समय,CDT,5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,-2.0</source>
        <translation>मध्य यूरोपीय डेलाइट,CED,-2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,-1.0</source>
        <translation>मध्य यूरोपीय समय,CET,-1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,6.0</source>
        <translation>सेंट्रल मानक समय,CST,6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,5.0</source>
        <translation>सेंट्रल युद्धकालीन समय,CWT,5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,-8.0</source>
        <translation>चीन तट समय,CCT,-8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,4.0</source>
        <translation>ईस्टर्न डेलाइट समय,EDT,4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,-3.0</source>
        <translation>पूर्वी यूरोपीय डेलाइट समय,EED,-3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,-2.0</source>
        <translation>पूर्वी यूरोपीय समय,EET,-2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,5.0</source>
        <translation>ईस्टर्न मानक समय,EST,5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,4.0</source>
        <translation>ईस्टर्न युद्धकालीन समय,EWT,4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ग्रीनविच माध्य समय,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,-10.0</source>
        <translation>गुआम मानक समय,GST,-10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,9.30</source>
        <translation>हवाई डेलाइट समय,HDT,9.30</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,10.30</source>
        <translation>हवाई मानक समय,HST,10.30</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,9.30</source>
        <translation>हवाई युद्धकालीन समय,HWT,9.30</translation>
    </message>
    <message>
        <source>Indian Time, IST, -5.30</source>
        <translation>भारतीय समय, IST, -5.30</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,-12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पूर्व,IDLE,-12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पश्चिम,IDLW,12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, -3.30</source>
        <translation>ईरान समय, IT, -3.30</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,-9.0</source>
        <translation>जापान मानक समय,JST,-9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, -7.30</source>
        <translation>जावा समय, JT, -7.30</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,-2.0</source>
        <translation>मध्य यूरोपीय डेलाइट समय,MED,-2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,-1.0</source>
        <translation>मध्य यूरोपीय समय,MET,-1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, -8.30</source>
        <translation>मोलुक्का समय, MT, -8.30</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,6.0</source>
        <translation>माउंटेन डेलाइट समय,MDT,6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,7.0</source>
        <translation>माउंटेन मानक समय,MST,7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,6.0</source>
        <translation>माउंटेन युद्धकालीन समय,MWT,6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,-13.0</source>
        <translation>न्यूज़ीलैंड मानक ग्रीष्मकालीन समय,NZST,-13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,-12.0</source>
        <translation>न्यूज़ीलैंड मानक समय,NZT,-12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,-12.30</source>
        <translation>न्यूज़ीलैंड ग्रीष्मकालीन समय,NZS,-12.30</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,-11.30</source>
        <translation>न्यूज़ीलैंड समय,NZ,-11.30</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,3.30</source>
        <translation>न्यूफ़ाउंडलैंड मानक समय,NST,3.30</translation>
    </message>
    <message>
        <source>Nome Time, NT, 11#</source>
        <translation>नोम समय, NT, 11#</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,-6.30</source>
        <translation>उत्तरी सुमात्रा समय,NST,-6.30</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,7.0</source>
        <translation>पैसिफ़िक डेलाइट समय,PDT,7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,8.0</source>
        <translation>पैसिफ़िक मानक समय,PST,8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,7.0</source>
        <translation>पैसिफ़िक युद्धकालीन समय,PWT,7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,-10.30</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SAD,-10.30</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,-10.30</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SDT,-10.30</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,-9.30</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAST,-9.30</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,-9.30</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAT,-9.30</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,-7.0</source>
        <translation>दक्षिणी सुमात्रा समय,SST,-7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0#</source>
        <translation>सार्वत्रिक समय, UT, 0#</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,-11.0</source>
        <translation>सोवियत संघ क्षेत्र 10,UZ10,-11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,-4.0</source>
        <translation>सोवियत संघ क्षेत्र 3,USZ3,-4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,-5.0</source>
        <translation>सोवियत संघ क्षेत्र 4,USZ4,-5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,-6.0</source>
        <translation>सोवियत संघ क्षेत्र 5,USZ5,-6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,-7.0</source>
        <translation>सोवियत संघ क्षेत्र 6,USZ6,-7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,1.0</source>
        <translation>पश्चिम अफ़्रीका समय,WAT,1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,8.0</source>
        <translation>युकोन डेलाइट समय,YDT,8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,9.0</source>
        <translation>युकोन मानक समय,YST,9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,8.0</source>
        <translation>युकोन युद्धकालीन समय,YWT,8.0</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Double-click a zone to fill in the time zone hours and minutes.</source>
        <translation>समय क्षेत्र के घंटे और मिनट भरने के लिए किसी क्षेत्र पर डबल-क्लिक करें।</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करें (&amp;Q)</translation>
    </message>
    <message>
        <source>Time zone list</source>
        <translation>समय क्षेत्रों की सूची</translation>
    </message>
</context>
<context>
    <name>tenvari::ReferralForm</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>कृपया अलग-अलग ईमेल पते दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>कृपया सही ईमेल पता दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>कृपया अपना ईमेल दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>कृपया अपना संदेश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया अपने मित्र का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया अपने मित्र का ईमेल दर्ज करें</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ईमेल पते में खाली जगह नहीं हो सकती</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>आपका ईमेल पता</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>मित्र का नाम</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>मित्र का ईमेल पता</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>मित्र को बताएँ</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>अभी मित्र को बताएँ (&amp;N)</translation>
    </message>
</context>
<context>
    <name>tenvari::StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>tenvari::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>इस सॉफ़्टवेयर का नया संस्करण उपलब्ध हो सकता है</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>क्या आप अद्यतन की जाँच करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>tenvari::ValueLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>सब चुनें (&amp;A)</translation>
    </message>
</context>
</TS>
