<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>Desktop</name>
    <message>
        <source>Time calculator</source>
        <comment>desktop entry</comment>
        <extracomment>What kind of program it is, shown beside or below its name in menus.</extracomment>
        <translation>Tidsregner</translation>
    </message>
    <message>
        <source>Add and subtract clock times on a result tape</source>
        <comment>desktop entry and AppStream</comment>
        <extracomment>One line on the program: the menu&apos;s tooltip and the software centre&apos;s summary.</extracomment>
        <translation>Læg tider sammen og træk dem fra på en resultatstrimmel</translation>
    </message>
    <message>
        <source>time;clock;hours;minutes;seconds;add;subtract;tape;</source>
        <comment>desktop entry</comment>
        <extracomment>Words that find the program in the menu&apos;s search, each followed by a semicolon, the last one too. Choose the words people would search for, not a word-for-word translation.</extracomment>
        <translation>tid;ur;timer;minutter;sekunder;læg sammen;træk fra;regnemaskine;strimmel;</translation>
    </message>
    <message>
        <source>Marbolin is a small calculator for clock times. Type up to six digits, which fill an hh:mm:ss display from the right as on a pocket calculator, then press + or - to add the time to a running total or take it away.</source>
        <comment>AppStream description</comment>
        <translation>Marbolin er en lille regnemaskine til tider. Tast op til seks cifre, som fylder et display hh:mm:ss fra højre som på en lommeregner, og tryk så på + eller - for at lægge tiden til en løbende sum eller trække den fra.</translation>
    </message>
    <message>
        <source>Every operation prints the time and the new total on a scrolling result tape. The total carries seconds into minutes and minutes into hours, and it may go below zero.</source>
        <comment>AppStream description</comment>
        <translation>Hver beregning skriver tiden og den nye sum på en rullende resultatstrimmel. Summen overfører sekunder til minutter og minutter til timer, og den kan blive negativ.</translation>
    </message>
    <message>
        <source>Works from the keyboard alone: digits, + and -, C to clear the entry, Ctrl+C to clear everything</source>
        <comment>AppStream description</comment>
        <translation>Kan bruges med tastaturet alene: cifre, + og -, C rydder indtastningen, Ctrl+C rydder alt</translation>
    </message>
    <message>
        <source>Rejects minutes or seconds above 59 with a clear message and loses nothing</source>
        <comment>AppStream description</comment>
        <translation>Afviser minutter eller sekunder over 59 med en klar besked og mister intet</translation>
    </message>
    <message>
        <source>Reads and writes no files and keeps no settings</source>
        <comment>AppStream description</comment>
        <translation>Læser og skriver ingen filer og gemmer ingen indstillinger</translation>
    </message>
    <message>
        <source>Speaks to screen readers in the user&apos;s language</source>
        <comment>AppStream description</comment>
        <translation>Taler med skærmlæsere på brugerens sprog</translation>
    </message>
    <message>
        <source>The window after 01:30:00 + 00:45:30 - 02:20:00</source>
        <comment>AppStream screenshot</comment>
        <extracomment>A screenshot&apos;s caption; the times are as the window shows them.</extracomment>
        <translation>Vinduet efter 01:30:00 + 00:45:30 - 02:20:00</translation>
    </message>
    <message>
        <source>The window on a German desktop</source>
        <comment>AppStream screenshot</comment>
        <translation>Vinduet på et tysksproget skrivebord</translation>
    </message>
    <message>
        <source>First release.</source>
        <comment>AppStream release</comment>
        <extracomment>The notes on version 1.00 in the software centre.</extracomment>
        <translation>Første udgivelse.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>One field of a time, spoken by a screen reader: &quot;1 hour&quot;, &quot;1000 hours&quot;.</extracomment>
        <translation>
            <numerusform>%n time</numerusform>
            <numerusform>%n timer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minut</numerusform>
            <numerusform>%n minutter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n sekund</numerusform>
            <numerusform>%n sekunder</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A time below zero; %1 is a time in words, such as &quot;4 minutes 30 seconds&quot;.</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>total %1</source>
        <extracomment>Spoken after + or -: the new running total; %1 is a time in words.</extracomment>
        <translation>i alt %1</translation>
    </message>
    <message>
        <source>entry kept, %1</source>
        <extracomment>Spoken once the error box has closed: the rejected entry stays on the display; %1 is it in words.</extracomment>
        <translation>indtastning bevaret, %1</translation>
    </message>
    <message>
        <source>entry cleared</source>
        <extracomment>Spoken after C.</extracomment>
        <translation>indtastning ryddet</translation>
    </message>
    <message>
        <source>all cleared</source>
        <extracomment>Spoken after Ctrl+C, which clears the entry, the total and the tape.</extracomment>
        <translation>alt ryddet</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of the box for minutes or seconds above 59.</extracomment>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Input error.</source>
        <extracomment>The error box&apos;s first line.</extracomment>
        <translation>Indtastningsfejl.</translation>
    </message>
    <message>
        <source>Input the time in the format &apos;hh:mm:ss&apos;</source>
        <extracomment>The error box&apos;s second line. A screen reader reads it aloud, quotes and all, so leave them out.</extracomment>
        <translation>Indtast tiden i formatet hh:mm:ss.</translation>
    </message>
    <message>
        <source>info</source>
        <extracomment>The title of the box that &quot;?&quot; opens.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Written by the Marbolin contributors</source>
        <translation>Skrevet af Marbolins bidragydere</translation>
    </message>
    <message>
        <source>The program adds and substracts times.</source>
        <translation>Programmet lægger tider sammen og trækker dem fra.</translation>
    </message>
    <message>
        <source>Input a time-value and then click or type &apos;+&apos; or &apos;-&apos;.</source>
        <extracomment>A screen reader reads the info box aloud, quotes and all, so leave them out.</extracomment>
        <translation>Indtast en tid, og klik eller tast derefter + eller -.</translation>
    </message>
    <message>
        <source>&apos;C&apos;=clear, &apos;Ctrl+C&apos;=clear all</source>
        <extracomment>The keys C and Ctrl+C; the key C clears in every language.</extracomment>
        <translation>C = ryd, Ctrl+C = ryd alt</translation>
    </message>
</context>
<context>
    <name>marbolin::Form1</name>
    <message>
        <source>plus</source>
        <extracomment>The + button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>plus</translation>
    </message>
    <message>
        <source>add time</source>
        <comment>tooltip</comment>
        <translation>læg tid til</translation>
    </message>
    <message>
        <source>minus</source>
        <extracomment>The - button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>minus</translation>
    </message>
    <message>
        <source>substract time</source>
        <comment>tooltip</comment>
        <translation>træk tid fra</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>The C button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>ryd</translation>
    </message>
    <message>
        <source>clear display</source>
        <comment>tooltip</comment>
        <translation>ryd displayet</translation>
    </message>
    <message>
        <source>clear all</source>
        <extracomment>The CA button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>ryd alt</translation>
    </message>
    <message>
        <source>clear display and memory</source>
        <comment>tooltip</comment>
        <translation>ryd displayet og hukommelsen</translation>
    </message>
    <message>
        <source>info</source>
        <extracomment>The ? button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>info</translation>
    </message>
    <message>
        <source>info</source>
        <comment>tooltip</comment>
        <translation>info</translation>
    </message>
    <message>
        <source>Result tape</source>
        <extracomment>The result tape&apos;s name, spoken by a screen reader.</extracomment>
        <translation>Resultatstrimmel</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>A screen reader reads the display as this name followed by its time, &quot;Time 00:13:00&quot;.</extracomment>
        <translation>Tid</translation>
    </message>
</context>
</TS>
