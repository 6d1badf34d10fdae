<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Desktop</name>
    <message>
        <source>Time calculator</source>
        <comment>desktop entry</comment>
        <extracomment>What kind of program it is, shown beside or below its name in menus.</extracomment>
        <translation>حاسبة الوقت</translation>
    </message>
    <message>
        <source>Add and subtract clock times on a result tape</source>
        <comment>desktop entry and AppStream</comment>
        <extracomment>One line on the program: the menu&apos;s tooltip and the software centre&apos;s summary.</extracomment>
        <translation>اجمع أوقات الساعة واطرحها على شريط للنتائج</translation>
    </message>
    <message>
        <source>time;clock;hours;minutes;seconds;add;subtract;tape;</source>
        <comment>desktop entry</comment>
        <extracomment>Words that find the program in the menu&apos;s search, each followed by a semicolon, the last one too. Choose the words people would search for, not a word-for-word translation.</extracomment>
        <translation>وقت;ساعة;ساعات;دقائق;ثوان;جمع;طرح;حاسبة;شريط;</translation>
    </message>
    <message>
        <source>Marbolin is a small calculator for clock times. Type up to six digits, which fill an hh:mm:ss display from the right as on a pocket calculator, then press + or - to add the time to a running total or take it away.</source>
        <comment>AppStream description</comment>
        <translation>Marbolin حاسبة صغيرة لأوقات الساعة. اكتب حتى ستة أرقام تملأ شاشة hh:mm:ss من اليمين كما في الآلة الحاسبة الجيبية، ثم اضغط + أو - لتضيف الوقت إلى مجموع جارٍ أو تطرحه منه.</translation>
    </message>
    <message>
        <source>Every operation prints the time and the new total on a scrolling result tape. The total carries seconds into minutes and minutes into hours, and it may go below zero.</source>
        <comment>AppStream description</comment>
        <translation>تكتب كل عملية الوقت والمجموع الجديد على شريط نتائج قابل للتمرير. ينقل المجموع الثواني إلى الدقائق والدقائق إلى الساعات، وقد ينزل تحت الصفر.</translation>
    </message>
    <message>
        <source>Works from the keyboard alone: digits, + and -, C to clear the entry, Ctrl+C to clear everything</source>
        <comment>AppStream description</comment>
        <translation>يعمل بلوحة المفاتيح وحدها: الأرقام و+ و- وC لمسح الإدخال وCtrl+C لمسح كل شيء</translation>
    </message>
    <message>
        <source>Rejects minutes or seconds above 59 with a clear message and loses nothing</source>
        <comment>AppStream description</comment>
        <translation>يرفض الدقائق أو الثواني التي تتجاوز 59 برسالة واضحة ولا يضيّع شيئًا</translation>
    </message>
    <message>
        <source>Reads and writes no files and keeps no settings</source>
        <comment>AppStream description</comment>
        <translation>لا يقرأ ملفات ولا يكتبها ولا يحفظ أي إعدادات</translation>
    </message>
    <message>
        <source>Speaks to screen readers in the user&apos;s language</source>
        <comment>AppStream description</comment>
        <translation>يخاطب قارئات الشاشة بلغة المستخدم</translation>
    </message>
    <message>
        <source>The window after 01:30:00 + 00:45:30 - 02:20:00</source>
        <comment>AppStream screenshot</comment>
        <extracomment>A screenshot&apos;s caption; the times are as the window shows them.</extracomment>
        <translation>النافذة بعد 01:30:00 + 00:45:30 - 02:20:00</translation>
    </message>
    <message>
        <source>The window on a German desktop</source>
        <comment>AppStream screenshot</comment>
        <translation>النافذة على سطح مكتب باللغة الألمانية</translation>
    </message>
    <message>
        <source>First release.</source>
        <comment>AppStream release</comment>
        <extracomment>The notes on version 1.00 in the software centre.</extracomment>
        <translation>الإصدار الأول.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>One field of a time, spoken by a screen reader: &quot;1 hour&quot;, &quot;1000 hours&quot;.</extracomment>
        <translation>
            <numerusform>%n ساعة</numerusform>
            <numerusform>ساعة واحدة</numerusform>
            <numerusform>ساعتان</numerusform>
            <numerusform>%n ساعات</numerusform>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n ثانية</numerusform>
            <numerusform>ثانية واحدة</numerusform>
            <numerusform>ثانيتان</numerusform>
            <numerusform>%n ثوانٍ</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A time below zero; %1 is a time in words, such as &quot;4 minutes 30 seconds&quot;.</extracomment>
        <translation>سالب %1</translation>
    </message>
    <message>
        <source>total %1</source>
        <extracomment>Spoken after + or -: the new running total; %1 is a time in words.</extracomment>
        <translation>المجموع %1</translation>
    </message>
    <message>
        <source>entry kept, %1</source>
        <extracomment>Spoken once the error box has closed: the rejected entry stays on the display; %1 is it in words.</extracomment>
        <translation>أُبقي على الإدخال، %1</translation>
    </message>
    <message>
        <source>entry cleared</source>
        <extracomment>Spoken after C.</extracomment>
        <translation>مُسح الإدخال</translation>
    </message>
    <message>
        <source>all cleared</source>
        <extracomment>Spoken after Ctrl+C, which clears the entry, the total and the tape.</extracomment>
        <translation>مُسح كل شيء</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of the box for minutes or seconds above 59.</extracomment>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Input error.</source>
        <extracomment>The error box&apos;s first line.</extracomment>
        <translation>خطأ في الإدخال.</translation>
    </message>
    <message>
        <source>Input the time in the format &apos;hh:mm:ss&apos;</source>
        <extracomment>The error box&apos;s second line. A screen reader reads it aloud, quotes and all, so leave them out.</extracomment>
        <translation>أدخل الوقت بالتنسيق hh:mm:ss.</translation>
    </message>
    <message>
        <source>info</source>
        <extracomment>The title of the box that &quot;?&quot; opens.</extracomment>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Written by the Marbolin contributors</source>
        <translation>كتبه المساهمون في Marbolin</translation>
    </message>
    <message>
        <source>The program adds and substracts times.</source>
        <translation>يجمع البرنامج الأوقات ويطرحها.</translation>
    </message>
    <message>
        <source>Input a time-value and then click or type &apos;+&apos; or &apos;-&apos;.</source>
        <extracomment>A screen reader reads the info box aloud, quotes and all, so leave them out.</extracomment>
        <translation>أدخل وقتًا ثم انقر أو اكتب + أو -.</translation>
    </message>
    <message>
        <source>&apos;C&apos;=clear, &apos;Ctrl+C&apos;=clear all</source>
        <extracomment>The keys C and Ctrl+C; the key C clears in every language.</extracomment>
        <translation>C = مسح، Ctrl+C = مسح الكل</translation>
    </message>
</context>
<context>
    <name>marbolin::Form1</name>
    <message>
        <source>plus</source>
        <extracomment>The + button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>زائد</translation>
    </message>
    <message>
        <source>add time</source>
        <comment>tooltip</comment>
        <translation>إضافة الوقت</translation>
    </message>
    <message>
        <source>minus</source>
        <extracomment>The - button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>ناقص</translation>
    </message>
    <message>
        <source>substract time</source>
        <comment>tooltip</comment>
        <translation>طرح الوقت</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>The C button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>مسح</translation>
    </message>
    <message>
        <source>clear display</source>
        <comment>tooltip</comment>
        <translation>مسح الشاشة</translation>
    </message>
    <message>
        <source>clear all</source>
        <extracomment>The CA button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>clear display and memory</source>
        <comment>tooltip</comment>
        <translation>مسح الشاشة والذاكرة</translation>
    </message>
    <message>
        <source>info</source>
        <extracomment>The ? button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>info</source>
        <comment>tooltip</comment>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Result tape</source>
        <extracomment>The result tape&apos;s name, spoken by a screen reader.</extracomment>
        <translation>شريط النتائج</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>A screen reader reads the display as this name followed by its time, &quot;Time 00:13:00&quot;.</extracomment>
        <translation>الوقت</translation>
    </message>
</context>
</TS>
