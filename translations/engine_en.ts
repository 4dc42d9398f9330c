<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>engine</name>
    <message>
        <source>Ошибка чтения файла тиражей!</source>
        <comment>ArchiveReadError</comment>
        <translation>Error reading the draws file!</translation>
    </message>
</context>
</TS>
