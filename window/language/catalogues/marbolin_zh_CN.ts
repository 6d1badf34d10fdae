<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Desktop</name>
    <message>
        <source>Time calculator</source>
        <comment>desktop entry</comment>
        <extracomment>What kind of program it is, shown beside or below its name in menus.</extracomment>
        <translation>时间计算器</translation>
    </message>
    <message>
        <source>Add and subtract clock times on a result tape</source>
        <comment>desktop entry and AppStream</comment>
        <extracomment>One line on the program: the menu&apos;s tooltip and the software centre&apos;s summary.</extracomment>
        <translation>在结果纸带上对时间做加减</translation>
    </message>
    <message>
        <source>time;clock;hours;minutes;seconds;add;subtract;tape;</source>
        <comment>desktop entry</comment>
        <extracomment>Words that find the program in the menu&apos;s search, each followed by a semicolon, the last one too. Choose the words people would search for, not a word-for-word translation.</extracomment>
        <translation>时间;时钟;小时;分钟;秒;加法;减法;计算器;纸带;</translation>
    </message>
    <message>
        <source>Marbolin is a small calculator for clock times. Type up to six digits, which fill an hh:mm:ss display from the right as on a pocket calculator, then press + or - to add the time to a running total or take it away.</source>
        <comment>AppStream description</comment>
        <translation>Marbolin 是一个计算时间的小计算器。最多输入六位数字，它们会像袖珍计算器那样从右边填入 hh:mm:ss 显示，然后按 + 或 - 把这段时间加到累计总数上或从中减去。</translation>
    </message>
    <message>
        <source>Every operation prints the time and the new total on a scrolling result tape. The total carries seconds into minutes and minutes into hours, and it may go below zero.</source>
        <comment>AppStream description</comment>
        <translation>每次运算都会把这段时间和新的总数写到可滚动的结果纸带上。总数会把秒进位成分钟、把分钟进位成小时，也可以小于零。</translation>
    </message>
    <message>
        <source>Works from the keyboard alone: digits, + and -, C to clear the entry, Ctrl+C to clear everything</source>
        <comment>AppStream description</comment>
        <translation>只用键盘即可操作：数字、+ 和 -、C 清除输入、Ctrl+C 全部清除</translation>
    </message>
    <message>
        <source>Rejects minutes or seconds above 59 with a clear message and loses nothing</source>
        <comment>AppStream description</comment>
        <translation>以清楚的提示拒绝超过 59 的分钟或秒数，不会丢失任何内容</translation>
    </message>
    <message>
        <source>Reads and writes no files and keeps no settings</source>
        <comment>AppStream description</comment>
        <translation>不读写任何文件，也不保存任何设置</translation>
    </message>
    <message>
        <source>Speaks to screen readers in the user&apos;s language</source>
        <comment>AppStream description</comment>
        <translation>用用户的语言告诉屏幕阅读器</translation>
    </message>
    <message>
        <source>The window after 01:30:00 + 00:45:30 - 02:20:00</source>
        <comment>AppStream screenshot</comment>
        <extracomment>A screenshot&apos;s caption; the times are as the window shows them.</extracomment>
        <translation>执行 01:30:00 + 00:45:30 - 02:20:00 之后的窗口</translation>
    </message>
    <message>
        <source>The window on a German desktop</source>
        <comment>AppStream screenshot</comment>
        <translation>德语桌面上的窗口</translation>
    </message>
    <message>
        <source>First release.</source>
        <comment>AppStream release</comment>
        <extracomment>The notes on version 1.00 in the software centre.</extracomment>
        <translation>首次发布。</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>One field of a time, spoken by a screen reader: &quot;1 hour&quot;, &quot;1000 hours&quot;.</extracomment>
        <translation>
            <numerusform>%n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A time below zero; %1 is a time in words, such as &quot;4 minutes 30 seconds&quot;.</extracomment>
        <translation>负 %1</translation>
    </message>
    <message>
        <source>total %1</source>
        <extracomment>Spoken after + or -: the new running total; %1 is a time in words.</extracomment>
        <translation>合计 %1</translation>
    </message>
    <message>
        <source>entry kept, %1</source>
        <extracomment>Spoken once the error box has closed: the rejected entry stays on the display; %1 is it in words.</extracomment>
        <translation>输入已保留，%1</translation>
    </message>
    <message>
        <source>entry cleared</source>
        <extracomment>Spoken after C.</extracomment>
        <translation>输入已清除</translation>
    </message>
    <message>
        <source>all cleared</source>
        <extracomment>Spoken after Ctrl+C, which clears the entry, the total and the tape.</extracomment>
        <translation>已全部清除</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of the box for minutes or seconds above 59.</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <source>Input error.</source>
        <extracomment>The error box&apos;s first line.</extracomment>
        <translation>输入错误。</translation>
    </message>
    <message>
        <source>Input the time in the format &apos;hh:mm:ss&apos;</source>
        <extracomment>The error box&apos;s second line. A screen reader reads it aloud, quotes and all, so leave them out.</extracomment>
        <translation>请按 hh:mm:ss 格式输入时间。</translation>
    </message>
    <message>
        <source>info</source>
        <extracomment>The title of the box that &quot;?&quot; opens.</extracomment>
        <translation>信息</translation>
    </message>
    <message>
        <source>Written by the Marbolin contributors</source>
        <translation>由 Marbolin 贡献者编写</translation>
    </message>
    <message>
        <source>The program adds and substracts times.</source>
        <translation>本程序对时间做加法和减法。</translation>
    </message>
    <message>
        <source>Input a time-value and then click or type &apos;+&apos; or &apos;-&apos;.</source>
        <extracomment>A screen reader reads the info box aloud, quotes and all, so leave them out.</extracomment>
        <translation>输入时间，然后点击或键入 + 或 -。</translation>
    </message>
    <message>
        <source>&apos;C&apos;=clear, &apos;Ctrl+C&apos;=clear all</source>
        <extracomment>The keys C and Ctrl+C; the key C clears in every language.</extracomment>
        <translation>C = 清除，Ctrl+C = 全部清除</translation>
    </message>
</context>
<context>
    <name>marbolin::Form1</name>
    <message>
        <source>plus</source>
        <extracomment>The + button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>加</translation>
    </message>
    <message>
        <source>add time</source>
        <comment>tooltip</comment>
        <translation>加上时间</translation>
    </message>
    <message>
        <source>minus</source>
        <extracomment>The - button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>减</translation>
    </message>
    <message>
        <source>substract time</source>
        <comment>tooltip</comment>
        <translation>减去时间</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>The C button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>清除</translation>
    </message>
    <message>
        <source>clear display</source>
        <comment>tooltip</comment>
        <translation>清除显示</translation>
    </message>
    <message>
        <source>clear all</source>
        <extracomment>The CA button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>clear display and memory</source>
        <comment>tooltip</comment>
        <translation>清除显示和存储</translation>
    </message>
    <message>
        <source>info</source>
        <extracomment>The ? button&apos;s name, spoken by a screen reader.</extracomment>
        <translation>信息</translation>
    </message>
    <message>
        <source>info</source>
        <comment>tooltip</comment>
        <translation>信息</translation>
    </message>
    <message>
        <source>Result tape</source>
        <extracomment>The result tape&apos;s name, spoken by a screen reader.</extracomment>
        <translation>结果纸带</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>A screen reader reads the display as this name followed by its time, &quot;Time 00:13:00&quot;.</extracomment>
        <translation>时间</translation>
    </message>
</context>
</TS>
