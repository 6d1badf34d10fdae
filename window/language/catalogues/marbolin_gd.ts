<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd">
<context>
    <name>Desktop</name>
    <message>
        <source>Time calculator</source>
        <comment>desktop entry</comment>
        <extracomment>What kind of program it is, shown beside or below its name in menus.</extracomment>
        <translation>Àireamhair ùine</translation>
    </message>
    <message>
        <source>Add and subtract clock times on a result tape</source>
        <comment>desktop entry and AppStream</comment>
        <extracomment>One line on the program: the menu&apos;s tooltip and the software centre&apos;s summary.</extracomment>
        <translation>Cuir ùinean ri chèile is thoir air falbh iad air teip nan toraidhean</translation>
    </message>
    <message>
        <source>time;clock;hours;minutes;seconds;add;subtract;tape;</source>
        <comment>desktop entry</comment>
        <extracomment>Words that find the program in the menu&apos;s search, each followed by a semicolon, the last one too. Choose the words people would search for, not a word-for-word translation.</extracomment>
        <translation>ùine;uaireadair;uairean;mionaidean;diogan;cuir ris;thoir air falbh;àireamhair;teip;</translation>
    </message>
    <message>
        <source>Marbolin is a small calculator for clock times. Type up to six digits, which fill an hh:mm:ss display from the right as on a pocket calculator, then press + or - to add the time to a running total or take it away.</source>
        <comment>AppStream description</comment>
        <translation>’S e àireamhair beag airson ùinean a th’ ann am Marbolin. Sgrìobh suas ri sia àireamhan a lìonas taisbeanadh hh:mm:ss on taobh deas mar air àireamhair pòcaid, agus brùth + no - an uairsin airson an ùine a chur ris an àireamh iomlan no a thoirt air falbh uaipe.</translation>
    </message>
    <message>
        <source>Every operation prints the time and the new total on a scrolling result tape. The total carries seconds into minutes and minutes into hours, and it may go below zero.</source>
        <comment>AppStream description</comment>
        <translation>Sgrìobhaidh gach obrachadh an ùine is an àireamh iomlan ùr air teip nan toraidhean a ghabhas sgroladh. Giùlainidh an àireamh iomlan diogan gu mionaidean is mionaidean gu uairean, agus faodaidh i a dhol fo neoni.</translation>
    </message>
    <message>
        <source>Works from the keyboard alone: digits, + and -, C to clear the entry, Ctrl+C to clear everything</source>
        <comment>AppStream description</comment>
        <translation>Obraichidh e leis a’ mheur-chlàr a-mhàin: àireamhan, + is -, C airson an t-ion-chur fhalamhachadh, Ctrl+C airson a h-uile càil fhalamhachadh</translation>
    </message>
    <message>
        <source>Rejects minutes or seconds above 59 with a clear message and loses nothing</source>
        <comment>AppStream description</comment>
        <translation>Diùltaidh e mionaidean no diogan os cionn 59 le teachdaireachd shoilleir is cha chaill e càil</translation>
    </message>
    <message>
        <source>Reads and writes no files and keeps no settings</source>
        <comment>AppStream description</comment>
        <translation>Cha leugh is cha sgrìobh e faidhle sam bith is cha chùm e roghainn sam bith</translation>
    </message>
    <message>
        <source>Speaks to screen readers in the user&apos;s language</source>
        <comment>AppStream description</comment>
        <translation>Bruidhnidh e ri leughadairean-sgrìn ann an cànan a’ chleachdaiche</translation>
    </message>
    <message>
        <source>The window after 01:30:00 + 00:45:30 - 02:20:00</source>
        <comment>AppStream screenshot</comment>
        <extracomment>A screenshot&apos;s caption; the times are as the window shows them.</extracomment>
        <translation>An uinneag às dèidh 01:30:00 + 00:45:30 - 02:20:00</translation>
    </message>
    <message>
        <source>The window on a German desktop</source>
        <comment>AppStream screenshot</comment>
        <translation>An uinneag air deasg sa Ghearmailtis</translation>
    </message>
    <message>
        <source>First release.</source>
        <comment>AppStream release</comment>
        <extracomment>The notes on version 1.00 in the software centre.</extracomment>
        <translation>A’ chiad fhoillseachadh.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>One field of a time, spoken by a screen reader: &quot;1 hour&quot;, &quot;1000 hours&quot;.</extracomment>
        <translation>
            <numerusform>%n uair a thìde</numerusform>
            <numerusform>%n uair a thìde</numerusform>
            <numerusform>%n uairean a thìde</numerusform>
            <numerusform>%n uair a thìde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n mhionaid</numerusform>
            <numerusform>%n mhionaid</numerusform>
            <numerusform>%n mionaidean</numerusform>
            <numerusform>%n mionaid</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n diog</numerusform>
            <numerusform>%n dhiog</numerusform>
            <numerusform>%n diogan</numerusform>
            <numerusform>%n diog</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A time below zero; %1 is a time in words, such as &quot;4 minutes 30 seconds&quot;.</extracomment>
        <translation>àicheil %1</translation>
    </message>
    <message>
        <source>total %1</source>
        <extracomment>Spoken after + or -: the new running total; %1 is a time in words.</extracomment>
        <translation>gu h-iomlan %1</translation>
    </message>
    <message>
        <source>entry kept, %1</source>
        <extracomment>Spoken once the error box has closed: the rejected entry stays on the display; %1 is it in words.</extracomment>
        <translation>chaidh an t-ion-chur a chumail, %1</translation>
    </message>
    <message>
        <source>entry cleared</source>
        <extracomment>Spoken after C.</extracomment>
        <translation>chaidh an t-ion-chur fhalamhachadh</translation>
    </message>
    <message>
        <source>all cleared</source>
        <extracomment>Spoken after Ctrl+C, which clears the entry, the total and the tape.</extracomment>
        <translation>chaidh a h-uile càil fhalamhachadh</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of the box for minutes or seconds above 59.</extracomment>
        <translation>Mearachd</translation>
    </message>
    <message>
        <source>Input error.</source>
        <extracomment>The error box&apos;s first line.</extracomment>
        <translation>Mearachd ion-chuir.</translation>
    </message>
    <message>
        <source>Input the time in the format &apos;hh:mm:ss&apos;</source>
        <extracomment>The error box&apos;s second line. A screen reader reads it aloud, quotes and all, so leave them out.</extracomment>
        <translation>Cuir a-steach an ùine san fhòrmat hh:mm:ss.</translation>
    </message>
    <message>
        <source>info</source>
        <extracomment>The title of the box that &quot;?&quot; opens.</extracomment>
        <translation>Fiosrachadh</translation>
    </message>
    <message>
        <source>Written by the Marbolin contributors</source>
        <translation>Air a sgrìobhadh le luchd-cuideachaidh Marbolin</translation>
    </message>
    <message>
        <source>The program adds and substracts times.</source>
        <translation>Cuiridh am prògram ùinean ri chèile is bheir e air falbh iad.</translation>
    </message>
    <message>
        <source>Input a time-value and then click or type &apos;+&apos; or &apos;-&apos;.</source>
        <extracomment>A screen reader reads the info box aloud, quotes and all, so leave them out.</extracomment>
        <translation>Cuir a-steach ùine is an uairsin briog air + no - no sgrìobh e.</translation>
    </message>
    <message>
        <source>&apos;C&apos;=clear, &apos;Ctrl+C&apos;=clear all</source>
        <extracomment>The keys C and Ctrl+C; the key C clears in every language.</extracomment>
        <translation>C = falamhaich, Ctrl+C = falamhaich na h-uile</translation>
    </message>
</context>
<context>
    <name>marbolin::Form1</name>
    <message>
        <source>plus</source>
        <extracomment>The + button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>cuir ris</translation>
    </message>
    <message>
        <source>add time</source>
        <comment>tooltip</comment>
        <translation>cuir ùine ris</translation>
    </message>
    <message>
        <source>minus</source>
        <extracomment>The - button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>thoir air falbh</translation>
    </message>
    <message>
        <source>substract time</source>
        <comment>tooltip</comment>
        <translation>thoir ùine air falbh</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>The C button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>falamhaich</translation>
    </message>
    <message>
        <source>clear display</source>
        <comment>tooltip</comment>
        <translation>falamhaich an taisbeanadh</translation>
    </message>
    <message>
        <source>clear all</source>
        <extracomment>The CA button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>falamhaich na h-uile</translation>
    </message>
    <message>
        <source>clear display and memory</source>
        <comment>tooltip</comment>
        <translation>falamhaich an taisbeanadh is a’ chuimhne</translation>
    </message>
    <message>
        <source>info</source>
        <extracomment>The ? button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>fiosrachadh</translation>
    </message>
    <message>
        <source>info</source>
        <comment>tooltip</comment>
        <translation>fiosrachadh</translation>
    </message>
    <message>
        <source>Result tape</source>
        <extracomment>The result tape&apos;s name, spoken by a screen reader.</extracomment>
        <translation>Teip nan toraidhean</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>A screen reader reads the display as this name followed by its time, &quot;Time 00:13:00&quot;.</extracomment>
        <translation>Ùine</translation>
    </message>
</context>
</TS>
