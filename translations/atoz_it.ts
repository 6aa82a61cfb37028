<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>atoz::ColouringView</name>
    <message>
        <source>Keep this page in my book</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::HomeView</name>
    <message>
        <source>Copy %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::PageSurface</name>
    <message>
        <source>The page: click inside an area to colour it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::PageThumbnail</name>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::PaintSwatches</name>
    <message>
        <source>Paint %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
