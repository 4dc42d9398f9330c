<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>engine</name>
    <message>
        <source>Не указан каталог данных после --data-dir</source>
        <comment>DataDirMissing</comment>
        <translation>No data folder given after --data-dir</translation>
    </message>
    <message>
        <source>Недопустимая дата</source>
        <comment>InvalidDate</comment>
        <translation>Invalid date</translation>
    </message>
    <message>
        <source>Недопустимое время</source>
        <comment>InvalidTime</comment>
        <translation>Invalid time</translation>
    </message>
    <message>
        <source>&quot; - недопустимая дата</source>
        <comment>InvalidDateSuffix</comment>
        <translation>&quot; is not a valid date</translation>
    </message>
    <message>
        <source>Некорректная комбинация: &quot;</source>
        <comment>InvalidCombinationPrefix</comment>
        <translation>Invalid combination: &quot;</translation>
    </message>
    <message>
        <source>Тираж № </source>
        <comment>DrawNumberPrefix</comment>
        <translation>Draw No. </translation>
    </message>
    <message>
        <source> от </source>
        <comment>DrawDateOf</comment>
        <translation> of </translation>
    </message>
    <message>
        <source>, значения: </source>
        <comment>DrawValuesLabel</comment>
        <translation>, values: </translation>
    </message>
    <message>
        <source>Ожидание завершения процесса (файла) &quot;%s&quot; прервано в связи с превышением времени ожидания!</source>
        <comment>ProcessTimeout</comment>
        <translation>Waiting for the process (file) &quot;%s&quot; to finish was interrupted because the waiting time was exceeded!</translation>
    </message>
    <message>
        <source> (по умолчанию)</source>
        <comment>ConfigDefaultMark</comment>
        <translation> (default)</translation>
    </message>
    <message>
        <source>Ошибка чтения файла конфигурации!</source>
        <comment>ConfigReadError</comment>
        <translation>Error reading the configuration file!</translation>
    </message>
    <message>
        <source>Ошибка записи в файл конфигурации!</source>
        <comment>ConfigWriteError</comment>
        <translation>Error writing to the configuration file!</translation>
    </message>
    <message>
        <source>Загрузка файла конфигурации...</source>
        <comment>ConfigLoadStatus</comment>
        <translation>Loading the configuration file...</translation>
    </message>
    <message>
        <source>Сохранение файла конфигурации...</source>
        <comment>ConfigSaveStatus</comment>
        <translation>Saving the configuration file...</translation>
    </message>
    <message>
        <source>Невозможно получить монопольный доступ к файлам данных!&#13;&#13;Возможные причины данной ошибки: &#13;&#13;1) Вы пытаетесь запустить вторую копию программы из одного и того же каталога. Корректная работа нескольких копий программы возможна только из разных каталогов.&#13;&#13;2) Для программы нет прав на запись в том каталоге, где она расположена. Например: в Windows 7 и выше по умолчанию запрещена запись в c:\Program Files.&#13;&#13;Программа будет закрыта!</source>
        <comment>DataLockFailed</comment>
        <translation>Cannot get exclusive access to the data files!&#13;&#13;Possible causes of this error: &#13;&#13;1) You are trying to start a second copy of the program from the same folder. Several copies of the program work correctly only from different folders.&#13;&#13;2) The program has no permission to write in the folder where it is located. For example, in Windows 7 and later writing to c:\Program Files is forbidden by default.&#13;&#13;The program will be closed!</translation>
    </message>
    <message>
        <source>файл занят другим процессом</source>
        <comment>FileBusy</comment>
        <translation>the file is used by another process</translation>
    </message>
    <message>
        <source>&quot;: файл занят другим процессом</source>
        <comment>FileBusyQuoted</comment>
        <translation>&quot;: the file is used by another process</translation>
    </message>
    <message>
        <source>Каталог &quot;%s&quot; не найден!</source>
        <comment>FolderNotFound</comment>
        <translation>Folder &quot;%s&quot; not found!</translation>
    </message>
    <message>
        <source>Поиск файлов &quot;%s&quot; в каталоге &quot;%s&quot;</source>
        <comment>SearchFilesStep</comment>
        <translation>Searching for files &quot;%s&quot; in folder &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Найдено %d файл(ов) и (или) каталог(ов).</source>
        <comment>FoundFilesCount</comment>
        <translation>Found %d file(s) and (or) folder(s).</translation>
    </message>
    <message>
        <source>Во время выполнения операции произошла ошибка! Повторная попытка ( %d ) будет предпринята через %d секунд...</source>
        <comment>OperationRetry</comment>
        <translation>An error occurred during the operation! Another attempt ( %d ) will be made in %d seconds...</translation>
    </message>
    <message>
        <source> (попытка %d)</source>
        <comment>AttemptSuffix</comment>
        <translation> (attempt %d)</translation>
    </message>
    <message>
        <source>Операция прервана по команде пользователя или системы!</source>
        <comment>OperationStopped</comment>
        <translation>The operation was interrupted by the user or the system!</translation>
    </message>
    <message>
        <source>Перемещение &quot;%s&quot; из &quot;%s&quot; в &quot;%s&quot;</source>
        <comment>MoveFromToStep</comment>
        <translation>Moving &quot;%s&quot; from &quot;%s&quot; to &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Копирование &quot;%s&quot; из &quot;%s&quot; в &quot;%s&quot;</source>
        <comment>CopyFromToStep</comment>
        <translation>Copying &quot;%s&quot; from &quot;%s&quot; to &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Удаление пустых каталогов &quot;%s&quot;</source>
        <comment>DeleteEmptyFoldersStep</comment>
        <translation>Deleting empty folders &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Удаление &quot;%s&quot;</source>
        <comment>DeleteStep</comment>
        <translation>Deleting &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Создание каталога &quot;%s&quot;</source>
        <comment>CreateFolderStep</comment>
        <translation>Creating folder &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Файл имеет атрибут ReadOnly (Только чтение).</source>
        <comment>FileReadOnly</comment>
        <translation>The file has the ReadOnly attribute (Read-only).</translation>
    </message>
    <message>
        <source>Файл имеет атрибут System (Системный).</source>
        <comment>FileSystemAttr</comment>
        <translation>The file has the System attribute (System).</translation>
    </message>
    <message>
        <source>Файл имеет атрибут Hidden (Скрытый).</source>
        <comment>FileHidden</comment>
        <translation>The file has the Hidden attribute (Hidden).</translation>
    </message>
    <message>
        <source>Ошибка удаления файла: %s</source>
        <comment>DeleteFileError</comment>
        <translation>Error deleting the file: %s</translation>
    </message>
    <message>
        <source>Ошибка создания файла: %s</source>
        <comment>CreateFileError</comment>
        <translation>Error creating the file: %s</translation>
    </message>
    <message>
        <source>Успешно скопировано %s Kb.</source>
        <comment>CopiedKb</comment>
        <translation>Successfully copied %s Kb.</translation>
    </message>
    <message>
        <source>Успешно перемещено %s Kb.</source>
        <comment>MovedKb</comment>
        <translation>Successfully moved %s Kb.</translation>
    </message>
    <message>
        <source>Перемещение &quot;%s&quot; в &quot;%s&quot;</source>
        <comment>MoveToStep</comment>
        <translation>Moving &quot;%s&quot; to &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Копирование &quot;%s&quot; в &quot;%s&quot;</source>
        <comment>CopyToStep</comment>
        <translation>Copying &quot;%s&quot; to &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Нельзя копировать файл сам в себя!</source>
        <comment>CopyOntoItself</comment>
        <translation>A file cannot be copied onto itself!</translation>
    </message>
    <message>
        <source>Файл &quot;%s&quot; не найден!</source>
        <comment>FileNotFound</comment>
        <translation>File &quot;%s&quot; not found!</translation>
    </message>
    <message>
        <source>Файл с заданными свойствами уже существует.</source>
        <comment>FileAlreadyExists</comment>
        <translation>A file with the given properties already exists.</translation>
    </message>
    <message>
        <source>Ошибка создания каталога &quot;%s&quot;: %s</source>
        <comment>CreateFolderError</comment>
        <translation>Error creating folder &quot;%s&quot;: %s</translation>
    </message>
    <message>
        <source>Удаление файла &quot;%s&quot;</source>
        <comment>DeleteFileStep</comment>
        <translation>Deleting file &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Удаление каталога &quot;%s&quot;</source>
        <comment>DeleteFolderStep</comment>
        <translation>Deleting folder &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Каталог игнорирован</source>
        <comment>FolderIgnored</comment>
        <translation>Folder ignored</translation>
    </message>
    <message>
        <source>Каталог не пустой!</source>
        <comment>FolderNotEmpty</comment>
        <translation>The folder is not empty!</translation>
    </message>
    <message>
        <source>Ошибка удаления каталога &quot;%s&quot;: %s</source>
        <comment>DeleteFolderError</comment>
        <translation>Error deleting folder &quot;%s&quot;: %s</translation>
    </message>
    <message>
        <source>Каталог уже существует.</source>
        <comment>FolderAlreadyExists</comment>
        <translation>The folder already exists.</translation>
    </message>
    <message>
        <source>[%s] Предупреждение при выполнении операции &quot;%s&quot;:&#13;
%s!</source>
        <comment>LogWarningLine</comment>
        <translation>[%s] Warning while performing the operation &quot;%s&quot;:&#13;
%s!</translation>
    </message>
    <message>
        <source>[%s] Ошибка при выполнении операции &quot;%s&quot;:&#13;
%s!</source>
        <comment>LogErrorLine</comment>
        <translation>[%s] Error while performing the operation &quot;%s&quot;:&#13;
%s!</translation>
    </message>
    <message>
        <source>Всего - %d, обработано - %d ( %s Kb ), пропущено - %d, предупреждений - %d, ошибок - %d.</source>
        <comment>OperationTotalsKb</comment>
        <translation>Total - %d, processed - %d ( %s Kb ), skipped - %d, warnings - %d, errors - %d.</translation>
    </message>
    <message>
        <source>Всего - %d, обработано - %d, пропущено - %d, предупреждений - %d, ошибок - %d.</source>
        <comment>OperationTotals</comment>
        <translation>Total - %d, processed - %d, skipped - %d, warnings - %d, errors - %d.</translation>
    </message>
    <message>
        <source>Информация</source>
        <comment>CaptionInformation</comment>
        <translation>Information</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <comment>CaptionAttention</comment>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <comment>CaptionWarning</comment>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Подтверждение</source>
        <comment>CaptionConfirmation</comment>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Удалить выделенную запись?</source>
        <comment>DeleteSelectedRecord</comment>
        <translation>Delete the selected record?</translation>
    </message>
    <message>
        <source>Удалить все выделенные записи (всего будет удалено </source>
        <comment>DeleteSelectedRecordsPrefix</comment>
        <translation>Delete all selected records (records to be deleted: </translation>
    </message>
    <message>
        <source> записи(ей))?</source>
        <comment>DeleteSelectedRecordsSuffix</comment>
        <translation>)?</translation>
    </message>
    <message>
        <source>Не удалось создать HTTP-клиент</source>
        <comment>HttpClientError</comment>
        <translation>Could not create the HTTP client</translation>
    </message>
    <message>
        <source>Не удалось найти пару идентификаторов &quot;</source>
        <comment>TagPairNotFound</comment>
        <translation>Could not find the tag pair &quot;</translation>
    </message>
    <message>
        <source>&quot; в тексте&#13;&#13;[</source>
        <comment>TagPairInText</comment>
        <translation>&quot; in the text&#13;&#13;[</translation>
    </message>
    <message>
        <source>числа </source>
        <comment>ArchiveNumbersPrefix</comment>
        <translation>numbers </translation>
    </message>
    <message>
        <source>пропущен номер </source>
        <comment>ArchiveMissingNumber</comment>
        <translation>missing number </translation>
    </message>
    <message>
        <source>пропущены номера </source>
        <comment>ArchiveMissingNumbers</comment>
        <translation>missing numbers </translation>
    </message>
    <message>
        <source>длина даты </source>
        <comment>ArchiveDateLength</comment>
        <translation>date length </translation>
    </message>
    <message>
        <source>дата &quot;</source>
        <comment>ArchiveDatePrefix</comment>
        <translation>date &quot;</translation>
    </message>
    <message>
        <source>байты 21-23:</source>
        <comment>ArchiveReservedBytes</comment>
        <translation>bytes 21-23:</translation>
    </message>
    <message>
        <source>тот же номер у записи </source>
        <comment>ArchiveSameNumberAs</comment>
        <translation>same number as record </translation>
    </message>
    <message>
        <source>предыдущая запись - тираж </source>
        <comment>ArchivePreviousDraw</comment>
        <translation>previous record - draw </translation>
    </message>
    <message>
        <source>дополнительное число </source>
        <comment>ArchiveExtraNumber</comment>
        <translation>extra number </translation>
    </message>
    <message>
        <source>дата </source>
        <comment>ArchiveDateWord</comment>
        <translation>date </translation>
    </message>
    <message>
        <source> раньше даты предыдущего тиража </source>
        <comment>ArchiveDateBeforePrevious</comment>
        <translation> earlier than the date of the previous draw </translation>
    </message>
    <message>
        <source>повтор номера тиража</source>
        <comment>ArchiveKindRepeatedNumber</comment>
        <translation>repeated draw number</translation>
    </message>
    <message>
        <source>нарушен порядок номеров</source>
        <comment>ArchiveKindNumberOrder</comment>
        <translation>draw numbers out of order</translation>
    </message>
    <message>
        <source>пропуск в нумерации</source>
        <comment>ArchiveKindNumberGap</comment>
        <translation>gap in numbering</translation>
    </message>
    <message>
        <source>некорректные числа тиража</source>
        <comment>ArchiveKindBadNumbers</comment>
        <translation>invalid draw numbers</translation>
    </message>
    <message>
        <source>некорректное дополнительное число</source>
        <comment>ArchiveKindBadExtra</comment>
        <translation>invalid extra number</translation>
    </message>
    <message>
        <source>некорректная дата</source>
        <comment>ArchiveKindBadDate</comment>
        <translation>invalid date</translation>
    </message>
    <message>
        <source>дата раньше предыдущей</source>
        <comment>ArchiveKindDateOrder</comment>
        <translation>date earlier than the previous one</translation>
    </message>
    <message>
        <source>ненулевые резервные байты</source>
        <comment>ArchiveKindReservedBytes</comment>
        <translation>non-zero reserved bytes</translation>
    </message>
    <message>
        <source>Проверено тиражей: </source>
        <comment>ArchiveCheckedPrefix</comment>
        <translation>Draws checked: </translation>
    </message>
    <message>
        <source>. Ошибок: </source>
        <comment>ArchiveErrorsLabel</comment>
        <translation>. Errors: </translation>
    </message>
    <message>
        <source>, уведомлений: </source>
        <comment>ArchiveNoticesLabel</comment>
        <translation>, notices: </translation>
    </message>
    <message>
        <source>Введена некорректная комбинация!</source>
        <comment>InvalidDrawEntryMessage</comment>
        <translation>An invalid combination was entered!</translation>
    </message>
    <message>
        <source>Ошибка вычисления SHA-256!</source>
        <comment>Sha256Error</comment>
        <translation>Error computing SHA-256!</translation>
    </message>
    <message>
        <source>нет</source>
        <comment>RunIdentityNoPrizes</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>Идентификатор запуска: архив </source>
        <comment>RunIdentityPrefix</comment>
        <translation>Run identity: archive </translation>
    </message>
    <message>
        <source>, смещение </source>
        <comment>RunIdentityOffset</comment>
        <translation>, offset </translation>
    </message>
    <message>
        <source>, стоимость ставки </source>
        <comment>RunIdentityCost</comment>
        <translation>, stake cost </translation>
    </message>
    <message>
        <source>, выигрыши </source>
        <comment>RunIdentityPrizes</comment>
        <translation>, prizes </translation>
    </message>
    <message>
        <source>, версия </source>
        <comment>RunIdentityVersion</comment>
        <translation>, version </translation>
    </message>
    <message>
        <source>Числа тиража</source>
        <comment>GroupNumbers</comment>
        <translation>Draw numbers</translation>
    </message>
    <message>
        <source>Сумма чисел тиража</source>
        <comment>GroupSums</comment>
        <translation>Sum of draw numbers</translation>
    </message>
    <message>
        <source>Разности между числами тиража</source>
        <comment>GroupDifferences</comment>
        <translation>Differences between draw numbers</translation>
    </message>
    <message>
        <source>Каналы (группы чисел)</source>
        <comment>GroupChannels</comment>
        <translation>Channels (groups of numbers)</translation>
    </message>
    <message>
        <source>Матрица тиража</source>
        <comment>GroupMatrix</comment>
        <translation>Draw matrix</translation>
    </message>
    <message>
        <source>Сегменты матрицы тиража</source>
        <comment>GroupSegments</comment>
        <translation>Draw matrix segments</translation>
    </message>
    <message>
        <source>Последовательности чисел в одном тираже</source>
        <comment>GroupSequences</comment>
        <translation>Number sequences within one draw</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в нескольких тиражах</source>
        <comment>GroupRepeats</comment>
        <translation>Numbers repeated over several draws</translation>
    </message>
    <message>
        <source>Серии (цепочки) значений</source>
        <comment>GroupSerials</comment>
        <translation>Series (chains) of values</translation>
    </message>
    <message>
        <source>Периоды повторения значений</source>
        <comment>GroupPeriods</comment>
        <translation>Value repetition periods</translation>
    </message>
    <message>
        <source>Переходы (изменения) значений между тиражами</source>
        <comment>GroupTransitions</comment>
        <translation>Transitions (changes) of values between draws</translation>
    </message>
    <message>
        <source>Характеристическое число Варнела</source>
        <comment>GroupCharacteristic</comment>
        <translation>Warnell&apos;s characteristic number</translation>
    </message>
    <message>
        <source>Методы шинковки</source>
        <comment>GroupShredding</comment>
        <translation>Shredding methods</translation>
    </message>
    <message>
        <source>Весь список (без условий)</source>
        <comment>ModeWholeList</comment>
        <translation>Whole list (no conditions)</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: не менее заданного значения</source>
        <comment>ModeDepthAtLeastValue</comment>
        <translation>&quot;Depth&quot;: not less than the given value</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: не менее заданного процента</source>
        <comment>ModeDepthAtLeastPercent</comment>
        <translation>&quot;Depth&quot;: not less than the given percentage</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: не более заданного значения</source>
        <comment>ModeDepthAtMostValue</comment>
        <translation>&quot;Depth&quot;: not more than the given value</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: не более заданного процента</source>
        <comment>ModeDepthAtMostPercent</comment>
        <translation>&quot;Depth&quot;: not more than the given percentage</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: из заданного списка значений</source>
        <comment>ModeDepthInValues</comment>
        <translation>&quot;Depth&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Глубина&quot;: из заданного списка процентов</source>
        <comment>ModeDepthInPercents</comment>
        <translation>&quot;Depth&quot;: from the given list of percentages</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: не менее заданного значения</source>
        <comment>ModeDeviationAtLeastValue</comment>
        <translation>&quot;Deviation&quot;: not less than the given value</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: не менее заданного процента</source>
        <comment>ModeDeviationAtLeastPercent</comment>
        <translation>&quot;Deviation&quot;: not less than the given percentage</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: не более заданного значения</source>
        <comment>ModeDeviationAtMostValue</comment>
        <translation>&quot;Deviation&quot;: not more than the given value</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: не более заданного процента</source>
        <comment>ModeDeviationAtMostPercent</comment>
        <translation>&quot;Deviation&quot;: not more than the given percentage</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: из заданного списка значений</source>
        <comment>ModeDeviationInValues</comment>
        <translation>&quot;Deviation&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Отклонение&quot;: из заданного списка процентов</source>
        <comment>ModeDeviationInPercents</comment>
        <translation>&quot;Deviation&quot;: from the given list of percentages</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: не менее заданного значения</source>
        <comment>ModeCountAtLeastValue</comment>
        <translation>&quot;Count&quot;: not less than the given value</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: не менее заданного процента</source>
        <comment>ModeCountAtLeastPercent</comment>
        <translation>&quot;Count&quot;: not less than the given percentage</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: не более заданного значения</source>
        <comment>ModeCountAtMostValue</comment>
        <translation>&quot;Count&quot;: not more than the given value</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: не более заданного процента</source>
        <comment>ModeCountAtMostPercent</comment>
        <translation>&quot;Count&quot;: not more than the given percentage</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: из заданного списка значений</source>
        <comment>ModeCountInValues</comment>
        <translation>&quot;Count&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Количество&quot;: из заданного списка процентов</source>
        <comment>ModeCountInPercents</comment>
        <translation>&quot;Count&quot;: from the given list of percentages</translation>
    </message>
    <message>
        <source>&quot;Вес&quot;: не менее заданного значения</source>
        <comment>ModeWeightAtLeast</comment>
        <translation>&quot;Weight&quot;: not less than the given value</translation>
    </message>
    <message>
        <source>&quot;Вес&quot;: не более заданного значения</source>
        <comment>ModeWeightAtMost</comment>
        <translation>&quot;Weight&quot;: not more than the given value</translation>
    </message>
    <message>
        <source>&quot;Вес&quot;: из заданного списка значений</source>
        <comment>ModeWeightInValues</comment>
        <translation>&quot;Weight&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Период min&quot;: не менее заданного значения</source>
        <comment>ModePeriodMinAtLeast</comment>
        <translation>&quot;Period min&quot;: not less than the given value</translation>
    </message>
    <message>
        <source>&quot;Период min&quot;: не более заданного значения</source>
        <comment>ModePeriodMinAtMost</comment>
        <translation>&quot;Period min&quot;: not more than the given value</translation>
    </message>
    <message>
        <source>&quot;Период min&quot;: из заданного списка значений</source>
        <comment>ModePeriodMinInValues</comment>
        <translation>&quot;Period min&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Период&quot;: не менее заданного значения</source>
        <comment>ModePeriodAtLeast</comment>
        <translation>&quot;Period&quot;: not less than the given value</translation>
    </message>
    <message>
        <source>&quot;Период&quot;: не более заданного значения</source>
        <comment>ModePeriodAtMost</comment>
        <translation>&quot;Period&quot;: not more than the given value</translation>
    </message>
    <message>
        <source>&quot;Период&quot;: из заданного списка значений</source>
        <comment>ModePeriodInValues</comment>
        <translation>&quot;Period&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Период max&quot;: не менее заданного значения</source>
        <comment>ModePeriodMaxAtLeast</comment>
        <translation>&quot;Period max&quot;: not less than the given value</translation>
    </message>
    <message>
        <source>&quot;Период max&quot;: не более заданного значения</source>
        <comment>ModePeriodMaxAtMost</comment>
        <translation>&quot;Period max&quot;: not more than the given value</translation>
    </message>
    <message>
        <source>&quot;Период max&quot;: из заданного списка значений</source>
        <comment>ModePeriodMaxInValues</comment>
        <translation>&quot;Period max&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>&quot;Значения&quot;: из заданного списка значений</source>
        <comment>ModeValuesInList</comment>
        <translation>&quot;Values&quot;: from the given list of values</translation>
    </message>
    <message>
        <source>Обработать все записи</source>
        <comment>StopAllRecords</comment>
        <translation>Process all records</translation>
    </message>
    <message>
        <source>Количеству оставшихся комбинаций</source>
        <comment>StopRemainingCount</comment>
        <translation>By the number of remaining combinations</translation>
    </message>
    <message>
        <source>Пока список не будет пуст и откатить на шаг</source>
        <comment>StopUntilEmpty</comment>
        <translation>Until the list is empty, then go back one step</translation>
    </message>
    <message>
        <source>Количеству шагов</source>
        <comment>StopStepCount</comment>
        <translation>By the number of steps</translation>
    </message>
    <message>
        <source>Значению в списке статистики</source>
        <comment>StopStatValue</comment>
        <translation>By the value in the statistics list</translation>
    </message>
    <message>
        <source>Процентному соотношению в списке статистики</source>
        <comment>StopStatPercent</comment>
        <translation>By the percentage in the statistics list</translation>
    </message>
    <message>
        <source>&quot; - недопустимое целое число</source>
        <comment>InvalidIntegerSuffix</comment>
        <translation>&quot; - invalid integer</translation>
    </message>
    <message>
        <source>&quot; - недопустимое вещественное число</source>
        <comment>InvalidFloatSuffix</comment>
        <translation>&quot; - invalid floating-point number</translation>
    </message>
    <message>
        <source>&quot; не строит графиков!</source>
        <comment>MethodHasNoGraph</comment>
        <translation>&quot; does not draw charts!</translation>
    </message>
    <message>
        <source>Ошибка загрузки списка фильтров!&#13;&#13;</source>
        <comment>FilterListLoadError</comment>
        <translation>Error loading the filter list!&#13;&#13;</translation>
    </message>
    <message>
        <source>Ошибка сохранения списка фильтров!&#13;&#13;</source>
        <comment>FilterListSaveError</comment>
        <translation>Error saving the filter list!&#13;&#13;</translation>
    </message>
    <message>
        <source>Значение</source>
        <comment>ColumnValue</comment>
        <translation>Value</translation>
    </message>
    <message>
        <source>Количество</source>
        <comment>ColumnCount</comment>
        <translation>Count</translation>
    </message>
    <message>
        <source>Кол-во в %</source>
        <comment>ColumnCountPercent</comment>
        <translation>Count in %</translation>
    </message>
    <message>
        <source>Норма</source>
        <comment>ColumnNorm</comment>
        <translation>Norm</translation>
    </message>
    <message>
        <source>Отклонение</source>
        <comment>ColumnDeviation</comment>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Откл-ие в %</source>
        <comment>ColumnDeviationPercent</comment>
        <translation>Dev. in %</translation>
    </message>
    <message>
        <source>Глубина</source>
        <comment>ColumnDepth</comment>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Глубина в %</source>
        <comment>ColumnDepthPercent</comment>
        <translation>Depth in %</translation>
    </message>
    <message>
        <source>Вес</source>
        <comment>ColumnWeight</comment>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Посл. тираж</source>
        <comment>ColumnLastDraw</comment>
        <translation>Last draw</translation>
    </message>
    <message>
        <source>Период min</source>
        <comment>ColumnPeriodMin</comment>
        <translation>Period min</translation>
    </message>
    <message>
        <source>Период</source>
        <comment>ColumnPeriod</comment>
        <translation>Period</translation>
    </message>
    <message>
        <source>Период max</source>
        <comment>ColumnPeriodMax</comment>
        <translation>Period max</translation>
    </message>
    <message>
        <source>Ожд. ПРД</source>
        <comment>ColumnExpectedPrd</comment>
        <translation>Exp. PRD</translation>
    </message>
    <message>
        <source>Ожд. СТФ</source>
        <comment>ColumnExpectedStf</comment>
        <translation>Exp. STF</translation>
    </message>
    <message>
        <source>Ожд. КРН</source>
        <comment>ColumnExpectedKrn</comment>
        <translation>Exp. KRN</translation>
    </message>
    <message>
        <source>Факт</source>
        <comment>ColumnActual</comment>
        <translation>Actual</translation>
    </message>
    <message>
        <source>+/- ПРД</source>
        <comment>ColumnDiffPrd</comment>
        <translation>+/- PRD</translation>
    </message>
    <message>
        <source>+/- СТФ</source>
        <comment>ColumnDiffStf</comment>
        <translation>+/- STF</translation>
    </message>
    <message>
        <source>+/- КРН</source>
        <comment>ColumnDiffKrn</comment>
        <translation>+/- KRN</translation>
    </message>
    <message>
        <source>Каналы</source>
        <comment>CapChannels</comment>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Количество чисел в канале</source>
        <comment>CapChannelNumberCount</comment>
        <translation>Count of numbers in a channel</translation>
    </message>
    <message>
        <source>Количество каналов в тираже</source>
        <comment>CapChannelCount</comment>
        <translation>Count of channels in the draw</translation>
    </message>
    <message>
        <source>Количество чисел в %0:d канале</source>
        <comment>CapChannelIndexCount</comment>
        <translation>Count of numbers in channel %0:d</translation>
    </message>
    <message>
        <source>Сочетания из 2 каналов по всем числам тиража</source>
        <comment>CapChannelMix2</comment>
        <translation>Combinations of 2 channels over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 каналов по всем числам тиража</source>
        <comment>CapChannelMix3</comment>
        <translation>Combinations of 3 channels over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 4 каналов по всем числам тиража</source>
        <comment>CapChannelMix4</comment>
        <translation>Combinations of 4 channels over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 2 каналов по соседним числам</source>
        <comment>CapChannelSeq2</comment>
        <translation>Combinations of 2 channels over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 каналов по соседним числам</source>
        <comment>CapChannelSeq3</comment>
        <translation>Combinations of 3 channels over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из 4 каналов по соседним числам</source>
        <comment>CapChannelSeq4</comment>
        <translation>Combinations of 4 channels over adjacent numbers</translation>
    </message>
    <message>
        <source>Метод шинковки </source>
        <comment>ShreddingMethodPrefix</comment>
        <translation>Shredding method </translation>
    </message>
    <message>
        <source>Число Варнела 1 (только разность)</source>
        <comment>CapWarnell1</comment>
        <translation>Warnell number 1 (difference only)</translation>
    </message>
    <message>
        <source>Число Варнела 2 (разность + сложение, если {0,1})</source>
        <comment>CapWarnell2</comment>
        <translation>Warnell number 2 (difference + addition if {0,1})</translation>
    </message>
    <message>
        <source>Числа Варнела 3 (динамический, только фильтр)</source>
        <comment>CapWarnell3</comment>
        <translation>Warnell numbers 3 (dynamic, filter only)</translation>
    </message>
    <message>
        <source>Метод шинковки %0:d: %%s</source>
        <comment>CapShredding</comment>
        <translation>Shredding method %0:d: %%s</translation>
    </message>
    <message>
        <source>Сочетания из %0:d соседних чисел тиража</source>
        <comment>CapCombAdjacent</comment>
        <translation>Combinations of %0:d adjacent draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из %0:d чисел по всем числам тиража</source>
        <comment>CapCombAll</comment>
        <translation>Combinations of %0:d numbers over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 2-х чисел тиража начиная с %0:d позиции</source>
        <comment>CapCombPos2</comment>
        <translation>Combinations of 2 draw numbers starting at position %0:d</translation>
    </message>
    <message>
        <source>Сочетания из 3-х чисел тиража начиная с %0:d позиции</source>
        <comment>CapCombPos3</comment>
        <translation>Combinations of 3 draw numbers starting at position %0:d</translation>
    </message>
    <message>
        <source>Сочетания из 4-х чисел тиража начиная с %0:d позиции</source>
        <comment>CapCombPos4</comment>
        <translation>Combinations of 4 draw numbers starting at position %0:d</translation>
    </message>
    <message>
        <source>Сочетания из %0:d чисел тиража по возрастанию</source>
        <comment>CapCombAscending</comment>
        <translation>Combinations of %0:d draw numbers in ascending order</translation>
    </message>
    <message>
        <source>Все разности между соседними позициями</source>
        <comment>CapDiffAll</comment>
        <translation>All differences between adjacent positions</translation>
    </message>
    <message>
        <source>Максимальная разность между соседними позициями</source>
        <comment>CapDiffMax</comment>
        <translation>Largest difference between adjacent positions</translation>
    </message>
    <message>
        <source>Разность между минимальным и максимальным числом</source>
        <comment>CapDiffMinMax</comment>
        <translation>Difference between the smallest and the largest number</translation>
    </message>
    <message>
        <source>Количество одинаковых разностей между соседними позициями</source>
        <comment>CapDiffSameCount</comment>
        <translation>Count of equal differences between adjacent positions</translation>
    </message>
    <message>
        <source>Одинаковые разности между соседними позициями</source>
        <comment>CapDiffSame</comment>
        <translation>Equal differences between adjacent positions</translation>
    </message>
    <message>
        <source>Сочетания из 2 разностей между числами</source>
        <comment>CapDiffComb2</comment>
        <translation>Combinations of 2 differences between numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 разностей между числами</source>
        <comment>CapDiffComb3</comment>
        <translation>Combinations of 3 differences between numbers</translation>
    </message>
    <message>
        <source>Сочетания из 4 разностей между числами</source>
        <comment>CapDiffComb4</comment>
        <translation>Combinations of 4 differences between numbers</translation>
    </message>
    <message>
        <source>Столбцы матрицы (не пустые)</source>
        <comment>CapMatrixColumns</comment>
        <translation>Matrix columns (non-empty)</translation>
    </message>
    <message>
        <source>Строки матрицы (не пустые)</source>
        <comment>CapMatrixRows</comment>
        <translation>Matrix rows (non-empty)</translation>
    </message>
    <message>
        <source>Количество чисел в столбце матрицы</source>
        <comment>CapMatrixColumnNumberCount</comment>
        <translation>Count of numbers in a matrix column</translation>
    </message>
    <message>
        <source>Количество чисел в строке матрицы</source>
        <comment>CapMatrixRowNumberCount</comment>
        <translation>Count of numbers in a matrix row</translation>
    </message>
    <message>
        <source>Количество не пустых столбцов в матрице</source>
        <comment>CapMatrixColumnCount</comment>
        <translation>Count of non-empty columns in the matrix</translation>
    </message>
    <message>
        <source>Количество не пустых строк в матрице</source>
        <comment>CapMatrixRowCount</comment>
        <translation>Count of non-empty rows in the matrix</translation>
    </message>
    <message>
        <source>Сочетания столбцов матрицы</source>
        <comment>CapMatrixColumnCombs</comment>
        <translation>Combinations of matrix columns</translation>
    </message>
    <message>
        <source>Сочетания строк матрицы</source>
        <comment>CapMatrixRowCombs</comment>
        <translation>Combinations of matrix rows</translation>
    </message>
    <message>
        <source>Столбцы матрицы со смежными числами</source>
        <comment>CapMatrixColumnsAdjacent</comment>
        <translation>Matrix columns with adjacent numbers</translation>
    </message>
    <message>
        <source>Строки матрицы со смежными числами</source>
        <comment>CapMatrixRowsAdjacent</comment>
        <translation>Matrix rows with adjacent numbers</translation>
    </message>
    <message>
        <source>Количество столбцов матрицы со смежными числами</source>
        <comment>CapMatrixColumnsAdjacentCount</comment>
        <translation>Count of matrix columns with adjacent numbers</translation>
    </message>
    <message>
        <source>Количество строк матрицы со смежными числами</source>
        <comment>CapMatrixRowsAdjacentCount</comment>
        <translation>Count of matrix rows with adjacent numbers</translation>
    </message>
    <message>
        <source>Количество чисел в %0:d столбце матрицы</source>
        <comment>CapMatrixColumnIndexCount</comment>
        <translation>Count of numbers in matrix column %0:d</translation>
    </message>
    <message>
        <source>Количество чисел в %0:d строке матрицы</source>
        <comment>CapMatrixRowIndexCount</comment>
        <translation>Count of numbers in matrix row %0:d</translation>
    </message>
    <message>
        <source>Сочетания из 2 столбцов по всем числам тиража</source>
        <comment>CapColumnMix2</comment>
        <translation>Combinations of 2 columns over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 столбцов по всем числам тиража</source>
        <comment>CapColumnMix3</comment>
        <translation>Combinations of 3 columns over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 4 столбцов по всем числам тиража</source>
        <comment>CapColumnMix4</comment>
        <translation>Combinations of 4 columns over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 2 столбцов по соседним числам</source>
        <comment>CapColumnSeq2</comment>
        <translation>Combinations of 2 columns over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 столбцов по соседним числам</source>
        <comment>CapColumnSeq3</comment>
        <translation>Combinations of 3 columns over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из 4 столбцов по соседним числам</source>
        <comment>CapColumnSeq4</comment>
        <translation>Combinations of 4 columns over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из 2 строк по всем числам тиража</source>
        <comment>CapRowMix2</comment>
        <translation>Combinations of 2 rows over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 строк по всем числам тиража</source>
        <comment>CapRowMix3</comment>
        <translation>Combinations of 3 rows over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 4 строк по всем числам тиража</source>
        <comment>CapRowMix4</comment>
        <translation>Combinations of 4 rows over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 2 строк по соседним числам</source>
        <comment>CapRowSeq2</comment>
        <translation>Combinations of 2 rows over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 строк по соседним числам</source>
        <comment>CapRowSeq3</comment>
        <translation>Combinations of 3 rows over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из 4 строк по соседним числам</source>
        <comment>CapRowSeq4</comment>
        <translation>Combinations of 4 rows over adjacent numbers</translation>
    </message>
    <message>
        <source>Цифры тиража</source>
        <comment>CapDigits</comment>
        <translation>Draw digits</translation>
    </message>
    <message>
        <source>Количество четных чисел в тираже (Ч:Н)</source>
        <comment>CapEvenCount</comment>
        <translation>Count of even numbers in the draw (Ч:Н)</translation>
    </message>
    <message>
        <source>Четные и нечетные числа в тираже (Чн..нЧ)</source>
        <comment>CapEvenPattern</comment>
        <translation>Even and odd numbers in the draw (Чн..нЧ)</translation>
    </message>
    <message>
        <source>Количество чисел из первой половины диапазона (1П:2П)</source>
        <comment>CapLowHalfCount</comment>
        <translation>Count of numbers from the first half of the range (1П:2П)</translation>
    </message>
    <message>
        <source>Числа из первой половины диапазона (12..12)</source>
        <comment>CapLowHalfPattern</comment>
        <translation>Numbers from the first half of the range (12..12)</translation>
    </message>
    <message>
        <source>Количество простых чисел (П:С)</source>
        <comment>CapPrimeCount</comment>
        <translation>Count of prime numbers (П:С)</translation>
    </message>
    <message>
        <source>Простые и составные числа (ПС..СП)</source>
        <comment>CapPrimePattern</comment>
        <translation>Prime and composite numbers (ПС..СП)</translation>
    </message>
    <message>
        <source>Число в %0:d позиции тиража</source>
        <comment>CapPositionValue</comment>
        <translation>Number in draw position %0:d</translation>
    </message>
    <message>
        <source>Extra (Bonus, Star...) - число (!без фильтра!)</source>
        <comment>CapExtraNumber</comment>
        <translation>Extra (Bonus, Star...) - number (!no filter!)</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 2-х тиражах подряд</source>
        <comment>CapRepeat2</comment>
        <translation>Numbers repeated in 2 consecutive draws</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 3-х тиражах подряд</source>
        <comment>CapRepeat3</comment>
        <translation>Numbers repeated in 3 consecutive draws</translation>
    </message>
    <message>
        <source>Повторяющиеся числа не более чем в 2-х тиражах</source>
        <comment>CapRepeat2Of3</comment>
        <translation>Numbers repeated in at most 2 draws</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 2-х тиражах через 1 тираж(а)</source>
        <comment>CapRepeatOver1</comment>
        <translation>Numbers repeated in 2 draws 1 draw apart</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 2-х тиражах через 2 тираж(а)</source>
        <comment>CapRepeatOver2</comment>
        <translation>Numbers repeated in 2 draws 2 draws apart</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 2-х тиражах через 3 тираж(а)</source>
        <comment>CapRepeatOver3</comment>
        <translation>Numbers repeated in 2 draws 3 draws apart</translation>
    </message>
    <message>
        <source>Данные предыдущего тиража + 1</source>
        <comment>CapPreviousPlus1</comment>
        <translation>Previous draw&apos;s data + 1</translation>
    </message>
    <message>
        <source>Данные предыдущего тиража - 1</source>
        <comment>CapPreviousMinus1</comment>
        <translation>Previous draw&apos;s data - 1</translation>
    </message>
    <message>
        <source>Данные предыдущего тиража + 2</source>
        <comment>CapPreviousPlus2</comment>
        <translation>Previous draw&apos;s data + 2</translation>
    </message>
    <message>
        <source>Данные предыдущего тиража - 2</source>
        <comment>CapPreviousMinus2</comment>
        <translation>Previous draw&apos;s data - 2</translation>
    </message>
    <message>
        <source>Количество повторов в 2-х тиражах подряд</source>
        <comment>CapRepeatCount2</comment>
        <translation>Count of repeats in 2 consecutive draws</translation>
    </message>
    <message>
        <source>Количество повторов в 3-х тиражах подряд</source>
        <comment>CapRepeatCount3</comment>
        <translation>Count of repeats in 3 consecutive draws</translation>
    </message>
    <message>
        <source>Количество повторов не более чем в 2-х тиражах</source>
        <comment>CapRepeatCount2Of3</comment>
        <translation>Count of repeats in at most 2 draws</translation>
    </message>
    <message>
        <source>Количество повторов в 2-х тиражах через 1 тираж(а)</source>
        <comment>CapRepeatCountOver1</comment>
        <translation>Count of repeats in 2 draws 1 draw apart</translation>
    </message>
    <message>
        <source>Количество повторов в 2-х тиражах через 2 тираж(а)</source>
        <comment>CapRepeatCountOver2</comment>
        <translation>Count of repeats in 2 draws 2 draws apart</translation>
    </message>
    <message>
        <source>Количество повторов в 2-х тиражах через 3 тираж(а)</source>
        <comment>CapRepeatCountOver3</comment>
        <translation>Count of repeats in 2 draws 3 draws apart</translation>
    </message>
    <message>
        <source>Количество совпадений &quot;значений + 1&quot;</source>
        <comment>CapMatchPlus1</comment>
        <translation>Count of matches of &quot;values + 1&quot;</translation>
    </message>
    <message>
        <source>Количество совпадений &quot;значений - 1&quot;</source>
        <comment>CapMatchMinus1</comment>
        <translation>Count of matches of &quot;values - 1&quot;</translation>
    </message>
    <message>
        <source>Количество совпадений &quot;значений + 2&quot;</source>
        <comment>CapMatchPlus2</comment>
        <translation>Count of matches of &quot;values + 2&quot;</translation>
    </message>
    <message>
        <source>Количество совпадений &quot;значений - 2&quot;</source>
        <comment>CapMatchMinus2</comment>
        <translation>Count of matches of &quot;values - 2&quot;</translation>
    </message>
    <message>
        <source>Сегменты матрицы</source>
        <comment>CapSegments</comment>
        <translation>Matrix segments</translation>
    </message>
    <message>
        <source>Количество чисел в сегменте матрицы</source>
        <comment>CapSegmentNumberCount</comment>
        <translation>Count of numbers in a matrix segment</translation>
    </message>
    <message>
        <source>Количество не пустых сегментов в матрице</source>
        <comment>CapSegmentCount</comment>
        <translation>Count of non-empty segments in the matrix</translation>
    </message>
    <message>
        <source>Количество чисел в %0:d сегменте матрицы</source>
        <comment>CapSegmentIndexCount</comment>
        <translation>Count of numbers in matrix segment %0:d</translation>
    </message>
    <message>
        <source>Сочетания из 2 сегментов по всем числам тиража</source>
        <comment>CapSegmentMix2</comment>
        <translation>Combinations of 2 segments over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 сегментов по всем числам тиража</source>
        <comment>CapSegmentMix3</comment>
        <translation>Combinations of 3 segments over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 4 сегментов по всем числам тиража</source>
        <comment>CapSegmentMix4</comment>
        <translation>Combinations of 4 segments over all draw numbers</translation>
    </message>
    <message>
        <source>Сочетания из 2 сегментов по соседним числам</source>
        <comment>CapSegmentSeq2</comment>
        <translation>Combinations of 2 segments over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 сегментов по соседним числам</source>
        <comment>CapSegmentSeq3</comment>
        <translation>Combinations of 3 segments over adjacent numbers</translation>
    </message>
    <message>
        <source>Сочетания из 4 сегментов по соседним числам</source>
        <comment>CapSegmentSeq4</comment>
        <translation>Combinations of 4 segments over adjacent numbers</translation>
    </message>
    <message>
        <source>Длина последовательности в тираже</source>
        <comment>CapSequenceLength</comment>
        <translation>Sequence length in the draw</translation>
    </message>
    <message>
        <source>Количество последовательностей в тираже</source>
        <comment>CapSequenceCount</comment>
        <translation>Count of sequences in the draw</translation>
    </message>
    <message>
        <source>Макс. длина последовательности в тираже</source>
        <comment>CapSequenceMaxLength</comment>
        <translation>Max. sequence length in the draw</translation>
    </message>
    <message>
        <source>Повторы чисел в нескольких тиражах подряд</source>
        <comment>CapNumberSeries</comment>
        <translation>Numbers repeated in several consecutive draws</translation>
    </message>
    <message>
        <source>Интервалы между повторениями чисел</source>
        <comment>CapNumberPauses</comment>
        <translation>Intervals between repeats of numbers</translation>
    </message>
    <message>
        <source>Повторы каналов в нескольких тиражах подряд</source>
        <comment>CapChannelSeries</comment>
        <translation>Channels repeated in several consecutive draws</translation>
    </message>
    <message>
        <source>Интервалы между повторениями каналов</source>
        <comment>CapChannelPauses</comment>
        <translation>Intervals between repeats of channels</translation>
    </message>
    <message>
        <source>Повторы сегментов в нескольких тиражах подряд</source>
        <comment>CapSegmentSeries</comment>
        <translation>Segments repeated in several consecutive draws</translation>
    </message>
    <message>
        <source>Интервалы между повторениями сегментов</source>
        <comment>CapSegmentPauses</comment>
        <translation>Intervals between repeats of segments</translation>
    </message>
    <message>
        <source>Периоды повторения чисел</source>
        <comment>CapNumberPeriods</comment>
        <translation>Repetition periods of numbers</translation>
    </message>
    <message>
        <source>Периоды повторения каналов</source>
        <comment>CapChannelPeriods</comment>
        <translation>Repetition periods of channels</translation>
    </message>
    <message>
        <source>Периоды повторения сегментов</source>
        <comment>CapSegmentPeriods</comment>
        <translation>Repetition periods of segments</translation>
    </message>
    <message>
        <source>Сумма тиража: все значения</source>
        <comment>CapSumValues</comment>
        <translation>Draw sum: all values</translation>
    </message>
    <message>
        <source>Сумма тиража: диапазон %d (%d/%d)</source>
        <comment>CapSumRange</comment>
        <translation>Draw sum: range %d (%d/%d)</translation>
    </message>
    <message>
        <source>Остальные</source>
        <comment>SumRangeOthers</comment>
        <translation>Others</translation>
    </message>
    <message>
        <source>Сумма тиража: изменения (точно)</source>
        <comment>CapSumChangesExact</comment>
        <translation>Draw sum: changes (exact)</translation>
    </message>
    <message>
        <source>Сумма тиража: изменения (диапазон)</source>
        <comment>CapSumChangesRange</comment>
        <translation>Draw sum: changes (range)</translation>
    </message>
    <message>
        <source>Сумма тиража: направление изменения</source>
        <comment>CapSumDirection</comment>
        <translation>Draw sum: direction of change</translation>
    </message>
    <message>
        <source>Сумма тиража: только четные</source>
        <comment>CapSumEven</comment>
        <translation>Draw sum: even only</translation>
    </message>
    <message>
        <source>Сумма тиража: только простые</source>
        <comment>CapSumPrime</comment>
        <translation>Draw sum: prime only</translation>
    </message>
    <message>
        <source>Сумма двух чисел тиража равна третьему числу</source>
        <comment>CapSumTriple</comment>
        <translation>Sum of two draw numbers equals a third number</translation>
    </message>
    <message>
        <source>Переходы чисел между 2 тиражами без учета позиции</source>
        <comment>CapChainNumbers2</comment>
        <translation>Transitions of numbers between 2 draws regardless of position</translation>
    </message>
    <message>
        <source>Переходы чисел между 2 тиражами с учетом позиции</source>
        <comment>CapChainNumbers2Pos</comment>
        <translation>Transitions of numbers between 2 draws by position</translation>
    </message>
    <message>
        <source>Переходы чисел между 2 тиражами в %d позиции</source>
        <comment>CapChainNumbers2AtPos</comment>
        <translation>Transitions of numbers between 2 draws at position %d</translation>
    </message>
    <message>
        <source>Переходы чисел между 3 тиражами с учетом позиции</source>
        <comment>CapChainNumbers3Pos</comment>
        <translation>Transitions of numbers between 3 draws by position</translation>
    </message>
    <message>
        <source>Переходы чисел между 3 тиражами в %d позиции</source>
        <comment>CapChainNumbers3AtPos</comment>
        <translation>Transitions of numbers between 3 draws at position %d</translation>
    </message>
    <message>
        <source>Переходы каналов между 2 тиражами без учета позиции</source>
        <comment>CapChainChannels2</comment>
        <translation>Transitions of channels between 2 draws regardless of position</translation>
    </message>
    <message>
        <source>Переходы каналов между 2 тиражами с учетом позиции</source>
        <comment>CapChainChannels2Pos</comment>
        <translation>Transitions of channels between 2 draws by position</translation>
    </message>
    <message>
        <source>Переходы каналов между 2 тиражами в %d позиции</source>
        <comment>CapChainChannels2AtPos</comment>
        <translation>Transitions of channels between 2 draws at position %d</translation>
    </message>
    <message>
        <source>Переходы каналов между 3 тиражами с учетом позиции</source>
        <comment>CapChainChannels3Pos</comment>
        <translation>Transitions of channels between 3 draws by position</translation>
    </message>
    <message>
        <source>Переходы каналов между 3 тиражами в %d позиции</source>
        <comment>CapChainChannels3AtPos</comment>
        <translation>Transitions of channels between 3 draws at position %d</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в %d канале между 2 тиражами</source>
        <comment>CapChainChannelCount2</comment>
        <translation>Transitions of the count of numbers in channel %d between 2 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в %d канале между 3 тиражами</source>
        <comment>CapChainChannelCount3</comment>
        <translation>Transitions of the count of numbers in channel %d between 3 draws</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (все)</source>
        <comment>CapChainInsideAll</comment>
        <translation>Transitions of numbers within channels (all)</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (N-M, удачные)</source>
        <comment>CapChainInsideHit</comment>
        <translation>Transitions of numbers within channels (N-M, successful)</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (N-0, не удачные)</source>
        <comment>CapChainInsideMiss</comment>
        <translation>Transitions of numbers within channels (N-0, unsuccessful)</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (количество)</source>
        <comment>CapChainInsideCount</comment>
        <translation>Transitions of numbers within channels (count)</translation>
    </message>
    <message>
        <source>Переходы сегментов между 2 тиражами без учета позиции</source>
        <comment>CapChainSegments2</comment>
        <translation>Transitions of segments between 2 draws regardless of position</translation>
    </message>
    <message>
        <source>Переходы сегментов между 2 тиражами с учетом позиции</source>
        <comment>CapChainSegments2Pos</comment>
        <translation>Transitions of segments between 2 draws by position</translation>
    </message>
    <message>
        <source>Переходы сегментов между 2 тиражами в %d позиции</source>
        <comment>CapChainSegments2AtPos</comment>
        <translation>Transitions of segments between 2 draws at position %d</translation>
    </message>
    <message>
        <source>Переходы сегментов между 3 тиражами с учетом позиции</source>
        <comment>CapChainSegments3Pos</comment>
        <translation>Transitions of segments between 3 draws by position</translation>
    </message>
    <message>
        <source>Переходы сегментов между 3 тиражами в %d позиции</source>
        <comment>CapChainSegments3AtPos</comment>
        <translation>Transitions of segments between 3 draws at position %d</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в %d сегменте между 2 тиражами</source>
        <comment>CapChainSegmentCount2</comment>
        <translation>Transitions of the count of numbers in segment %d between 2 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в %d сегменте между 3 тиражами</source>
        <comment>CapChainSegmentCount3</comment>
        <translation>Transitions of the count of numbers in segment %d between 3 draws</translation>
    </message>
    <message>
        <source>Запись со индексом </source>
        <comment>RecordIndexPrefix</comment>
        <translation>Record with index </translation>
    </message>
    <message>
        <source> в файле данных не найдена!</source>
        <comment>RecordIndexNotFound</comment>
        <translation> was not found in the data file!</translation>
    </message>
    <message>
        <source>Загрузка файла &quot;</source>
        <comment>LoadingFileQuotedPrefix</comment>
        <translation>Loading file &quot;</translation>
    </message>
    <message>
        <source>Сохранение файла &quot;</source>
        <comment>SavingFileQuotedPrefix</comment>
        <translation>Saving file &quot;</translation>
    </message>
    <message>
        <source>Ошибка чтения файла &quot;</source>
        <comment>ReadFileQuotedPrefix</comment>
        <translation>Error reading file &quot;</translation>
    </message>
    <message>
        <source>Ошибка записи в файл &quot;</source>
        <comment>WriteFileQuotedPrefix</comment>
        <translation>Error writing to file &quot;</translation>
    </message>
    <message>
        <source>Файлы сценариев (*.lsc)|*.lsc</source>
        <comment>ScriptFileFilter</comment>
        <translation>Scenario files (*.lsc)|*.lsc</translation>
    </message>
    <message>
        <source>Опции</source>
        <comment>ScriptColumnOptions</comment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Фильтр </source>
        <comment>ScriptColumnFilter</comment>
        <translation>Filter </translation>
    </message>
    <message>
        <source>Исходный список (рекомендуется для тестов)</source>
        <comment>SourceFullLong</comment>
        <translation>Initial list (recommended for tests)</translation>
    </message>
    <message>
        <source>Исходный список</source>
        <comment>SourceFullShort</comment>
        <translation>Initial list</translation>
    </message>
    <message>
        <source>Удалить N последних тиражей (для прогнозов)</source>
        <comment>SourceExcludeLong</comment>
        <translation>Remove the last N draws (for forecasts)</translation>
    </message>
    <message>
        <source>Исключить %d тиражей</source>
        <comment>SourceExcludeShort</comment>
        <translation>Exclude %d draws</translation>
    </message>
    <message>
        <source>Текущий список (для последовательного выполнения)</source>
        <comment>SourceCurrentLong</comment>
        <translation>Current list (for sequential runs)</translation>
    </message>
    <message>
        <source>Текущий список</source>
        <comment>SourceCurrentShort</comment>
        <translation>Current list</translation>
    </message>
    <message>
        <source>Выбрать одну случайную комбинацию</source>
        <comment>StakeRandomLong</comment>
        <translation>Choose one random combination</translation>
    </message>
    <message>
        <source>Случайно</source>
        <comment>StakeRandomShort</comment>
        <translation>Random</translation>
    </message>
    <message>
        <source>Выбрать первую комбинацию в списке</source>
        <comment>StakeFirstLong</comment>
        <translation>Choose the first combination in the list</translation>
    </message>
    <message>
        <source>Первая</source>
        <comment>StakeFirstShort</comment>
        <translation>First</translation>
    </message>
    <message>
        <source>Выбрать последнюю комбинацию в списке</source>
        <comment>StakeLastLong</comment>
        <translation>Choose the last combination in the list</translation>
    </message>
    <message>
        <source>Выбрать все комбинации (не рекомендуется)</source>
        <comment>StakeAllLong</comment>
        <translation>Choose all combinations (not recommended)</translation>
    </message>
    <message>
        <source>Все</source>
        <comment>StakeAllShort</comment>
        <translation>All</translation>
    </message>
    <message>
        <source>Системная игра [вся система]</source>
        <comment>StakeSystemAllLong</comment>
        <translation>System game [whole system]</translation>
    </message>
    <message>
        <source>Система [все]</source>
        <comment>StakeSystemAllShort</comment>
        <translation>System [all]</translation>
    </message>
    <message>
        <source>Системная игра [система * комбинации]</source>
        <comment>StakeSystemCombsLong</comment>
        <translation>System game [system * combinations]</translation>
    </message>
    <message>
        <source>Система [комб]</source>
        <comment>StakeSystemCombsShort</comment>
        <translation>System [comb]</translation>
    </message>
    <message>
        <source>Остановить выполнение сценария</source>
        <comment>StakeStopLong</comment>
        <translation>Stop the scenario</translation>
    </message>
    <message>
        <source>Остановить</source>
        <comment>StakeStopShort</comment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Пропустить (игнорировать) эту ставку</source>
        <comment>StakeSkipLong</comment>
        <translation>Skip (ignore) this stake</translation>
    </message>
    <message>
        <source>Пропустить</source>
        <comment>StakeSkipShort</comment>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Не делать ставок (для последовательного выполнения)</source>
        <comment>StakeNoneLong</comment>
        <translation>Make no stakes (for sequential runs)</translation>
    </message>
    <message>
        <source>Не делать ставок</source>
        <comment>StakeNoneShort</comment>
        <translation>No stakes</translation>
    </message>
    <message>
        <source>Удалить ставки</source>
        <comment>ClearStakesShort</comment>
        <translation>Delete stakes</translation>
    </message>
    <message>
        <source>Только новые ставки</source>
        <comment>NewOnlyShort</comment>
        <translation>Only new stakes</translation>
    </message>
    <message>
        <source>Все создаваемые ставки</source>
        <comment>AllStakesShort</comment>
        <translation>All created stakes</translation>
    </message>
    <message>
        <source>Удалить все ставки перед выполнением (накопление только рейтинга)</source>
        <comment>ClearStakesCaption</comment>
        <translation>Delete all stakes before running (accumulate the rating only)</translation>
    </message>
    <message>
        <source>Только новые ставки (пропускать те ставки, которые уже есть в списке)</source>
        <comment>NewOnlyCaption</comment>
        <translation>Only new stakes (skip stakes that are already in the list)</translation>
    </message>
    <message>
        <source>Ошибка чтения файла </source>
        <comment>ReadFileErrorPrefix</comment>
        <translation>Error reading file </translation>
    </message>
    <message>
        <source>Файлы комбинаций (*.lcv)|*.lcv</source>
        <comment>CombFileFilter</comment>
        <translation>Combination files (*.lcv)|*.lcv</translation>
    </message>
    <message>
        <source>Выделенная комбинация не найдена архиве тиражей!</source>
        <comment>CombNotInArchive</comment>
        <translation>The selected combination was not found in the draws archive!</translation>
    </message>
    <message>
        <source>Выделенная комбинация найдена в следующих тиражах:&#13;</source>
        <comment>CombFoundInDraws</comment>
        <translation>The selected combination was found in the following draws:&#13;</translation>
    </message>
    <message>
        <source>Поиск по архиву тиражей...</source>
        <comment>SearchArchiveStatus</comment>
        <translation>Searching the draws archive...</translation>
    </message>
    <message>
        <source>Подождите пожалуйста...</source>
        <comment>PleaseWaitStatus</comment>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>В текущем списке комбинаций содержится </source>
        <comment>UniqueNumbersPrefix</comment>
        <translation>The current combination list contains </translation>
    </message>
    <message>
        <source> уникальных номеров</source>
        <comment>UniqueNumbersSuffix</comment>
        <translation> unique numbers</translation>
    </message>
    <message>
        <source>Создание файла отката...</source>
        <comment>SnapshotStatus</comment>
        <translation>Creating the undo file...</translation>
    </message>
    <message>
        <source>Отмена изменений...</source>
        <comment>UndoStatus</comment>
        <translation>Undoing changes...</translation>
    </message>
    <message>
        <source>Создание буфера комбинаций...</source>
        <comment>SaveBufferStatus</comment>
        <translation>Creating the combination buffer...</translation>
    </message>
    <message>
        <source>Загрузка буфера комбинаций...</source>
        <comment>LoadBufferStatus</comment>
        <translation>Loading the combination buffer...</translation>
    </message>
    <message>
        <source>Ошибка создания буфера комбинаций!</source>
        <comment>SaveBufferError</comment>
        <translation>Error creating the combination buffer!</translation>
    </message>
    <message>
        <source>Ошибка загрузки буфера комбинаций!</source>
        <comment>LoadBufferError</comment>
        <translation>Error loading the combination buffer!</translation>
    </message>
    <message>
        <source>Недостаточно памяти.</source>
        <comment>OutOfMemory</comment>
        <translation>Not enough memory.</translation>
    </message>
    <message>
        <source>Неизвестная ошибка.</source>
        <comment>UnknownError</comment>
        <translation>Unknown error.</translation>
    </message>
    <message>
        <source>Отмена последней операции</source>
        <comment>UndoLineCaption</comment>
        <translation>Undo the last operation</translation>
    </message>
    <message>
        <source>Ошибка создания файла данных для полного набора вариантов!</source>
        <comment>FullSetCreateError</comment>
        <translation>Error creating the data file for the full set of variants!</translation>
    </message>
    <message>
        <source>Ошибка открытия файла данных для полного набора вариантов!</source>
        <comment>FullSetOpenError</comment>
        <translation>Error opening the data file for the full set of variants!</translation>
    </message>
    <message>
        <source>Создание файлов для полного набора комбинаций...</source>
        <comment>FullSetRebuildStatus</comment>
        <translation>Creating files for the full set of combinations...</translation>
    </message>
    <message>
        <source>&#13;&#13;Имя файла: </source>
        <comment>FileNameLine</comment>
        <translation>&#13;&#13;File name: </translation>
    </message>
    <message>
        <source>Создание файла предварительной выборки </source>
        <comment>PrefetchCreateStatus</comment>
        <translation>Creating the prefetch file </translation>
    </message>
    <message>
        <source>Размер файла (</source>
        <comment>FileSizePrefix</comment>
        <translation>File size (</translation>
    </message>
    <message>
        <source> байт) не соответствует формату: ожидаются записи по 12 байт и итоговая запись.</source>
        <comment>FullSetSizeMismatch</comment>
        <translation> bytes) does not match the format: records of 12 bytes and a total record are expected.</translation>
    </message>
    <message>
        <source>Итоговая запись файла повреждена.</source>
        <comment>FullSetTotalDamaged</comment>
        <translation>The total record of the file is damaged.</translation>
    </message>
    <message>
        <source>Содержимое файла повреждено: </source>
        <comment>FileContentDamaged</comment>
        <translation>File contents are damaged: </translation>
    </message>
    <message>
        <source>значения не упорядочены или повторяются.</source>
        <comment>FullSetValuesUnordered</comment>
        <translation>values are not ordered or are repeated.</translation>
    </message>
    <message>
        <source>количество комбинаций меньше 1.</source>
        <comment>FullSetCountBelowOne</comment>
        <translation>combination count is less than 1.</translation>
    </message>
    <message>
        <source>итоговая запись не соответствует записям.</source>
        <comment>FullSetTotalMismatch</comment>
        <translation>the total record does not match the records.</translation>
    </message>
    <message>
        <source>сумма количеств </source>
        <comment>FullSetCountSumPrefix</comment>
        <translation>the sum of counts </translation>
    </message>
    <message>
        <source> не соответствует полному набору комбинаций (ожидается </source>
        <comment>FullSetCountSumMismatch</comment>
        <translation> does not match the full set of combinations (expected </translation>
    </message>
    <message>
        <source>от </source>
        <comment>RangeFrom</comment>
        <translation>from </translation>
    </message>
    <message>
        <source> до </source>
        <comment>RangeTo</comment>
        <translation> to </translation>
    </message>
    <message>
        <source>Полный список (все возможные для данного лото варианты)</source>
        <comment>GenerateFullList</comment>
        <translation>Full list (all variants possible for this lottery)</translation>
    </message>
    <message>
        <source>Мои числа - должно присутствовать любое из указанных</source>
        <comment>GenerateMyNumbersAny</comment>
        <translation>My numbers - any of the given numbers must be present</translation>
    </message>
    <message>
        <source>Мои числа - комбинации только из списка указанных</source>
        <comment>GenerateMyNumbersOnly</comment>
        <translation>My numbers - combinations only from the given numbers</translation>
    </message>
    <message>
        <source>Мои числа - исключить комбинации с любым из указанных</source>
        <comment>GenerateMyNumbersExclude</comment>
        <translation>My numbers - exclude combinations with any of the given numbers</translation>
    </message>
    <message>
        <source>Загрузить список из заранее подготовленного CSV-файла</source>
        <comment>GenerateFromCsv</comment>
        <translation>Load the list from a previously prepared CSV file</translation>
    </message>
    <message>
        <source>В выделенном диапазоне нет значений для фильтра!</source>
        <comment>NoFilterValuesInSelection</comment>
        <translation>The selected range has no values for the filter!</translation>
    </message>
    <message>
        <source>Проверка результатов ставок ( завершено </source>
        <comment>CheckStakesProgressPrefix</comment>
        <translation>Checking stake results ( completed </translation>
    </message>
    <message>
        <source>Проверка результатов ставок...</source>
        <comment>CheckStakesStatus</comment>
        <translation>Checking stake results...</translation>
    </message>
    <message>
        <source>Ошибка проверки ставок!</source>
        <comment>CheckStakesError</comment>
        <translation>Error checking stakes!</translation>
    </message>
    <message>
        <source>: Тираж № </source>
        <comment>StakeLogDraw</comment>
        <translation>: Draw No. </translation>
    </message>
    <message>
        <source>. Ставка: &quot;</source>
        <comment>StakeLogStake</comment>
        <translation>. Stake: &quot;</translation>
    </message>
    <message>
        <source>}. Результаты тиража: [</source>
        <comment>StakeLogResults</comment>
        <translation>}. Draw results: [</translation>
    </message>
    <message>
        <source>]. Совпадений: </source>
        <comment>StakeLogMatches</comment>
        <translation>]. Matches: </translation>
    </message>
    <message>
        <source>. Профит: </source>
        <comment>StakeLogProfit</comment>
        <translation>. Profit: </translation>
    </message>
    <message>
        <source>Ошибка удаления файла &quot;</source>
        <comment>DeleteFileQuotedPrefix</comment>
        <translation>Error deleting file &quot;</translation>
    </message>
    <message>
        <source>Равно [ = ]</source>
        <comment>CompareEqual</comment>
        <translation>Equal [ = ]</translation>
    </message>
    <message>
        <source>Более [ &gt; ]</source>
        <comment>CompareGreater</comment>
        <translation>Greater [ &gt; ]</translation>
    </message>
    <message>
        <source>Не менее [ &gt;= ]</source>
        <comment>CompareNotLess</comment>
        <translation>Not less [ &gt;= ]</translation>
    </message>
    <message>
        <source>Менее [ &lt; ]</source>
        <comment>CompareLess</comment>
        <translation>Less [ &lt; ]</translation>
    </message>
    <message>
        <source>Не более [ &lt;= ]</source>
        <comment>CompareNotGreater</comment>
        <translation>Not greater [ &lt;= ]</translation>
    </message>
    <message>
        <source>График суммарного профита ставок по тиражам</source>
        <comment>StakesGraphTitle</comment>
        <translation>Chart of the total stake profit by draw</translation>
    </message>
    <message>
        <source>Суммарный профит ставок по тиражу</source>
        <comment>StakesGraphProfitSeries</comment>
        <translation>Total stake profit per draw</translation>
    </message>
    <message>
        <source>Среднее значение</source>
        <comment>StakesGraphAverageSeries</comment>
        <translation>Average value</translation>
    </message>
    <message>
        <source>Накопленное значение</source>
        <comment>StakesGraphAccumulatedSeries</comment>
        <translation>Accumulated value</translation>
    </message>
    <message>
        <source>Вручную</source>
        <comment>StakeKindManual</comment>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Регуляр</source>
        <comment>StakeKindRegular</comment>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Сценарий</source>
        <comment>StakeKindScenario</comment>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Система</source>
        <comment>StakeKindSystem</comment>
        <translation>System</translation>
    </message>
    <message>
        <source>Неожиданный конец файла ставок.</source>
        <comment>StakesUnexpectedEnd</comment>
        <translation>Unexpected end of the stakes file.</translation>
    </message>
    <message>
        <source>Ошибка чтения файла ставок!</source>
        <comment>StakesReadLoadError</comment>
        <translation>Error reading the stakes file!</translation>
    </message>
    <message>
        <source>Ошибка чтения записи из файла ставок!</source>
        <comment>StakesReadRecordError</comment>
        <translation>Error reading a record from the stakes file!</translation>
    </message>
    <message>
        <source>Ошибка добавления записи в файл ставок!</source>
        <comment>StakesAppendError</comment>
        <translation>Error appending a record to the stakes file!</translation>
    </message>
    <message>
        <source>Ошибка поиска записи в файле ставок!</source>
        <comment>StakesFindError</comment>
        <translation>Error finding a record in the stakes file!</translation>
    </message>
    <message>
        <source>Ошибка удаления записи из файла ставок!</source>
        <comment>StakesDeleteRecordError</comment>
        <translation>Error deleting a record from the stakes file!</translation>
    </message>
    <message>
        <source>Последняя запись файла ставок оказалась неполной (</source>
        <comment>StakesIncompletePrefix</comment>
        <translation>The last record of the stakes file was incomplete (</translation>
    </message>
    <message>
        <source> из </source>
        <comment>OfWord</comment>
        <translation> of </translation>
    </message>
    <message>
        <source> байт; вероятно, программа была прервана во время записи) и удалена. Остальные ставки (</source>
        <comment>StakesIncompleteMiddle</comment>
        <translation> bytes; the program was probably interrupted while writing) and has been removed. The other stakes (</translation>
    </message>
    <message>
        <source>) сохранены.</source>
        <comment>StakesIncompleteSuffix</comment>
        <translation>) are kept.</translation>
    </message>
    <message>
        <source> Файл ставок оставлен без изменений.</source>
        <comment>StakesFileUnchanged</comment>
        <translation> The stakes file was left unchanged.</translation>
    </message>
    <message>
        <source>Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!&#13;&#13;Прежний файл сохранён как &quot;</source>
        <comment>StakesOldVersionPrefix</comment>
        <translation>A stakes file of an outdated version was found - the stakes in it will be deleted!&#13;&#13;The previous file was saved as &quot;</translation>
    </message>
    <message>
        <source>Добавление в конец файла уже проверенной ставки!</source>
        <comment>AppendCheckedStake</comment>
        <translation>Appending an already checked stake to the end of the file!</translation>
    </message>
    <message>
        <source>Номер тиража </source>
        <comment>DrawNumberWordPrefix</comment>
        <translation>Draw number </translation>
    </message>
    <message>
        <source> вне допустимого диапазона.</source>
        <comment>OutOfRangeSuffix</comment>
        <translation> is out of the allowed range.</translation>
    </message>
    <message>
        <source>Ошибка переименования / удаления временного файла ставок </source>
        <comment>StakesTempFileError</comment>
        <translation>Error renaming / deleting the temporary stakes file </translation>
    </message>
    <message>
        <source>Файл ставок не открыт!</source>
        <comment>StakesNotOpenMessage</comment>
        <translation>The stakes file is not open!</translation>
    </message>
    <message>
        <source>Ошибка загрузки комбинаций системы!</source>
        <comment>SystemCombsLoadError</comment>
        <translation>Error loading the system&apos;s combinations!</translation>
    </message>
    <message>
        <source>Система для </source>
        <comment>SystemForPrefix</comment>
        <translation>The system for </translation>
    </message>
    <message>
        <source> чисел не найдена или не загружена на компьютер!</source>
        <comment>SystemNotLoadedSuffix</comment>
        <translation> numbers was not found or has not been downloaded to the computer!</translation>
    </message>
    <message>
        <source>&quot;, строка </source>
        <comment>SystemFileLinePrefix</comment>
        <translation>&quot;, line </translation>
    </message>
    <message>
        <source>меньше пяти чисел.</source>
        <comment>SystemLessThanFive</comment>
        <translation>fewer than five numbers.</translation>
    </message>
    <message>
        <source>&quot; не является целым числом.</source>
        <comment>NotAnIntegerSuffix</comment>
        <translation>&quot; is not an integer.</translation>
    </message>
    <message>
        <source>позиция </source>
        <comment>SystemPositionPrefix</comment>
        <translation>position </translation>
    </message>
    <message>
        <source> вне диапазона 1..</source>
        <comment>SystemPositionOutOfRange</comment>
        <translation> out of the range 1..</translation>
    </message>
    <message>
        <source>&#13;&#13;Перед системной игрой необходимо предварительно загрузить системы на Ваш компьютер через меню &quot;Системы&quot; - &quot;Загрузить&quot;.</source>
        <comment>SystemsDownloadHint</comment>
        <translation>&#13;&#13;Before a system game, the systems must first be downloaded to your computer through the menu &quot;Systems&quot; - &quot;Download&quot;.</translation>
    </message>
    <message>
        <source>Системная игра для </source>
        <comment>SystemGamePrefix</comment>
        <translation>System game for </translation>
    </message>
    <message>
        <source> чисел </source>
        <comment>SystemGameNumbers</comment>
        <translation> numbers </translation>
    </message>
    <message>
        <source>[вся система]</source>
        <comment>SystemGameWhole</comment>
        <translation>[whole system]</translation>
    </message>
    <message>
        <source>[комбинации]</source>
        <comment>SystemGameCombs</comment>
        <translation>[combinations]</translation>
    </message>
    <message>
        <source>Для построения графиков необходимо, чтобы в выделенном диапазоне данных было более одного тиража!</source>
        <comment>RatingChartsNoDataMessage</comment>
        <translation>To build the charts, the selected data range must contain more than one draw!</translation>
    </message>
    <message>
        <source>График количества совпадений для всех ставок по тиражам</source>
        <comment>StakesOverlapChartTitle</comment>
        <translation>Chart of match counts for all stakes by draw</translation>
    </message>
    <message>
        <source>График профита для всех ставок по тиражам</source>
        <comment>StakesProfitChartTitle</comment>
        <translation>Chart of profit for all stakes by draw</translation>
    </message>
    <message>
        <source>График количества совпадений для выделенных строк рейтинга</source>
        <comment>RatingsOverlapChartTitle</comment>
        <translation>Chart of match counts for the selected rating rows</translation>
    </message>
    <message>
        <source>Нормальные значения</source>
        <comment>RatingsChanceLineTitle</comment>
        <translation>Normal values</translation>
    </message>
    <message>
        <source>Ошибка чтения файла рейтинга!&#13;&#13;</source>
        <comment>RatingsReadError</comment>
        <translation>Error reading the rating file!&#13;&#13;</translation>
    </message>
    <message>
        <source>Ошибка записи в файл рейтинга!&#13;&#13;</source>
        <comment>RatingsWriteError</comment>
        <translation>Error writing to the rating file!&#13;&#13;</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <comment>ColumnComment</comment>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Ставок</source>
        <comment>ColumnStakes</comment>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Угадано</source>
        <comment>ColumnMatched</comment>
        <translation>Matched</translation>
    </message>
    <message>
        <source>Среднее</source>
        <comment>ColumnAverage</comment>
        <translation>Average</translation>
    </message>
    <message>
        <source>Профит</source>
        <comment>ColumnProfit</comment>
        <translation>Profit</translation>
    </message>
    <message>
        <source>Ср. профит</source>
        <comment>ColumnAverageProfit</comment>
        <translation>Avg. profit</translation>
    </message>
    <message>
        <source>Ошибка чтения файла регулярных ставок!&#13;&#13;</source>
        <comment>RegularsReadError</comment>
        <translation>Error reading the regular stakes file!&#13;&#13;</translation>
    </message>
    <message>
        <source>Ошибка записи в файл регулярных ставок!&#13;&#13;</source>
        <comment>RegularsWriteError</comment>
        <translation>Error writing to the regular stakes file!&#13;&#13;</translation>
    </message>
    <message>
        <source>Необходимо ввести комментарий!</source>
        <comment>RegularCommentMissing</comment>
        <translation>A comment must be entered!</translation>
    </message>
    <message>
        <source>Запись с таким комментарией уже присутствует в списке!&#13;Выберите другой комментарий.</source>
        <comment>RegularCommentTaken</comment>
        <translation>A record with this comment is already in the list!&#13;Choose another comment.</translation>
    </message>
    <message>
        <source>Стартовая комбинация</source>
        <comment>ColumnStartCombination</comment>
        <translation>Start combination</translation>
    </message>
    <message>
        <source>Шаг</source>
        <comment>ColumnStep</comment>
        <translation>Step</translation>
    </message>
    <message>
        <source>Текущая комбинация</source>
        <comment>ColumnCurrentCombination</comment>
        <translation>Current combination</translation>
    </message>
    <message>
        <source>Регулярная ставка</source>
        <comment>DefaultRegularComment</comment>
        <translation>Regular stake</translation>
    </message>
    <message>
        <source>Метод расчета статистики &quot;</source>
        <comment>MethodNotFoundPrefix</comment>
        <translation>Statistics method &quot;</translation>
    </message>
    <message>
        <source>&quot; на найден!</source>
        <comment>MethodNotFoundSuffix</comment>
        <translation>&quot; not found!</translation>
    </message>
    <message>
        <source>Генерация возможных комбинаций...</source>
        <comment>GenerateCombsStatus</comment>
        <translation>Generating possible combinations...</translation>
    </message>
    <message>
        <source>Ошибка генерации файла комбинаций!</source>
        <comment>GenerateCombsError</comment>
        <translation>Error generating the combination file!</translation>
    </message>
    <message>
        <source>Удаление из списка комбинаций </source>
        <comment>ExcludeDrawsPrefix</comment>
        <translation>Removing from the combination list the last </translation>
    </message>
    <message>
        <source> последних тиражей</source>
        <comment>ExcludeDrawsSuffix</comment>
        <translation> draws</translation>
    </message>
    <message>
        <source> ( завершено </source>
        <comment>DoneSoFarPrefix</comment>
        <translation> ( completed </translation>
    </message>
    <message>
        <source>Последние тиражи</source>
        <comment>OpLastDraws</comment>
        <translation>Last draws</translation>
    </message>
    <message>
        <source>Удаление выделенных комбинаций...</source>
        <comment>DeleteSelectedCombsStatus</comment>
        <translation>Deleting the selected combinations...</translation>
    </message>
    <message>
        <source>Выделенные комбинации</source>
        <comment>OpSelectedCombs</comment>
        <translation>Selected combinations</translation>
    </message>
    <message>
        <source>Фильтрация комбинаций...</source>
        <comment>FilterCombsStatus</comment>
        <translation>Filtering combinations...</translation>
    </message>
    <message>
        <source>Не выбран метод расчета статистики!</source>
        <comment>NoMethodSelected</comment>
        <translation>No statistics method is selected!</translation>
    </message>
    <message>
        <source>Карта</source>
        <comment>OpCard</comment>
        <translation>Card</translation>
    </message>
    <message>
        <source>Схема</source>
        <comment>OpLayout</comment>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Неделя</source>
        <comment>OpWeek</comment>
        <translation>Week</translation>
    </message>
    <message>
        <source>Загрузка файла </source>
        <comment>LoadingFilePrefix</comment>
        <translation>Loading file </translation>
    </message>
    <message>
        <source>Сохранение файла </source>
        <comment>SavingFilePrefix</comment>
        <translation>Saving file </translation>
    </message>
    <message>
        <source>Ошибка записи в файл </source>
        <comment>WriteFilePrefix</comment>
        <translation>Error writing to file </translation>
    </message>
    <message>
        <source>Сортировка рейтинга...</source>
        <comment>SortRatingsStatus</comment>
        <translation>Sorting the rating...</translation>
    </message>
    <message>
        <source>Сохранение файла рейтинга...</source>
        <comment>SaveRatingsStatus</comment>
        <translation>Saving the rating file...</translation>
    </message>
    <message>
        <source>Загрузка файла рейтинга...</source>
        <comment>LoadRatingsStatus</comment>
        <translation>Loading the rating file...</translation>
    </message>
    <message>
        <source>Обновление рейтинга...</source>
        <comment>UpdateRatingsStatus</comment>
        <translation>Updating the rating...</translation>
    </message>
    <message>
        <source>Ошибка обновления рейтинга!&#13;&#13;</source>
        <comment>UpdateRatingsError</comment>
        <translation>Error updating the rating!&#13;&#13;</translation>
    </message>
    <message>
        <source>Строку&#13;&#13;</source>
        <comment>ScriptLineCannotAddPrefix</comment>
        <translation>The line&#13;&#13;</translation>
    </message>
    <message>
        <source>&#13;&#13;невозможно добавить в сценарий!</source>
        <comment>ScriptLineCannotAddSuffix</comment>
        <translation>&#13;&#13;cannot be added to the scenario!</translation>
    </message>
    <message>
        <source>Генерация новых строк в сценарии...</source>
        <comment>GenerateScriptLinesStatus</comment>
        <translation>Generating new lines in the scenario...</translation>
    </message>
    <message>
        <source>Пересчитать рейтинг только по текущим ставкам?&#13;&#13;Накопленные ранее данные по удаленным ставкам будут потеряны.</source>
        <comment>RebuildRatingsQuestion</comment>
        <translation>Recalculate the rating from the current stakes only?&#13;&#13;Data accumulated earlier for deleted stakes will be lost.</translation>
    </message>
    <message>
        <source>Создание ставок по регулярным табличным ставкам...</source>
        <comment>CreateRegularStakesStatus</comment>
        <translation>Creating stakes from regular table stakes...</translation>
    </message>
    <message>
        <source>Некорректное количество знаков после запятой: допускается от 1 до 5.</source>
        <comment>InvalidDecimalPlaces</comment>
        <translation>Invalid number of decimal places: 1 to 5 are allowed.</translation>
    </message>
    <message>
        <source>Создание ставки...</source>
        <comment>CreateStakeStatus</comment>
        <translation>Creating the stake...</translation>
    </message>
    <message>
        <source>Создание ставок...</source>
        <comment>CreateStakesStatus</comment>
        <translation>Creating stakes...</translation>
    </message>
    <message>
        <source>Удаление ставок...</source>
        <comment>DeleteStakesStatus</comment>
        <translation>Deleting stakes...</translation>
    </message>
    <message>
        <source>Загрузка файла ставок...</source>
        <comment>LoadStakesStatus</comment>
        <translation>Loading the stakes file...</translation>
    </message>
    <message>
        <source>Загрузка файла тиражей...</source>
        <comment>LoadArchiveStatus</comment>
        <translation>Loading the draws file...</translation>
    </message>
    <message>
        <source>Ошибка чтения файла тиражей!</source>
        <comment>ArchiveReadError</comment>
        <translation>Error reading the draws file!</translation>
    </message>
    <message>
        <source>Сохранение файла тиражей...</source>
        <comment>SaveArchiveStatus</comment>
        <translation>Saving the draws file...</translation>
    </message>
    <message>
        <source>Ошибка записи в файл тиражей!</source>
        <comment>ArchiveWriteError</comment>
        <translation>Error writing to the draws file!</translation>
    </message>
    <message>
        <source>&quot;: файл тиражей не был прочитан полностью, запись отменена, чтобы не потерять тиражи.</source>
        <comment>ArchiveNotFullyRead</comment>
        <translation>&quot;: the draws file was not read completely; writing was cancelled so as not to lose draws.</translation>
    </message>
    <message>
        <source>Экспорт тиражей в файл &quot;</source>
        <comment>ExportDrawsPrefix</comment>
        <translation>Exporting draws to file &quot;</translation>
    </message>
    <message>
        <source>Импорт тиражей из файла &quot;</source>
        <comment>ImportDrawsPrefix</comment>
        <translation>Importing draws from file &quot;</translation>
    </message>
    <message>
        <source>Поиск файлов журналов...</source>
        <comment>SearchLogsStatus</comment>
        <translation>Searching for log files...</translation>
    </message>
    <message>
        <source>Файлы журналов не найдены!</source>
        <comment>NoScriptLogsMessage</comment>
        <translation>No log files were found!</translation>
    </message>
    <message>
        <source>&lt; [%s] кол-во: %s (%s %%), отклонение: %s (%s %%), глубина: %s (%s %%), вес: %s &gt;</source>
        <comment>FilterItemLogText</comment>
        <translation>&lt; [%s] count: %s (%s %%), deviation: %s (%s %%), depth: %s (%s %%), weight: %s &gt;</translation>
    </message>
    <message>
        <source>Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!&#13;Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем повторите попытку.</source>
        <comment>TooManyFilterVariants</comment>
        <translation>You have set too many filter variants - the program will not be able to process them all!&#13;Please reduce the number of sample length and depth variants in each filter and try again.</translation>
    </message>
    <message>
        <source>Некорректное описание фильтра: %s!</source>
        <comment>InvalidFilterDescription</comment>
        <translation>Invalid filter description: %s!</translation>
    </message>
    <message>
        <source>### ВЫПОЛНЕНИЕ СЦЕНАРИЯ ПРЕРВАНО #############################################################</source>
        <comment>LogScriptInterrupted</comment>
        <translation>### SCENARIO EXECUTION INTERRUPTED #############################################################</translation>
    </message>
    <message>
        <source>Ошибка записи журнала: %s!</source>
        <comment>LogWriteError</comment>
        <translation>Error writing the log: %s!</translation>
    </message>
    <message>
        <source>Выполнение сценария...</source>
        <comment>RunScriptStatus</comment>
        <translation>Running the scenario...</translation>
    </message>
    <message>
        <source>### ЗАПУСК СЦЕНАРИЯ ##########################################################################</source>
        <comment>LogScriptStart</comment>
        <translation>### SCENARIO START ##########################################################################</translation>
    </message>
    <message>
        <source>Ставок: %d</source>
        <comment>PanelStakes</comment>
        <translation>Stakes: %d</translation>
    </message>
    <message>
        <source>Цикл: %d</source>
        <comment>PanelCycle</comment>
        <translation>Cycle: %d</translation>
    </message>
    <message>
        <source>Строка: %d</source>
        <comment>PanelLine</comment>
        <translation>Line: %d</translation>
    </message>
    <message>
        <source>### ЗАВЕРШЕНИЕ СЦЕНАРИЯ ######################################################################</source>
        <comment>LogScriptEnd</comment>
        <translation>### SCENARIO END ######################################################################</translation>
    </message>
    <message>
        <source>=== Выполнение сценария для смещения %.6d ==================================================</source>
        <comment>LogOffsetHeading</comment>
        <translation>=== Running the scenario for offset %.6d ==================================================</translation>
    </message>
    <message>
        <source>Сценарий завершен!</source>
        <comment>ScriptFinished</comment>
        <translation>Scenario finished!</translation>
    </message>
    <message>
        <source>Итоги теста: ставок </source>
        <comment>TestTotalsPrefix</comment>
        <translation>Test totals: stakes </translation>
    </message>
    <message>
        <source>Случайные ставки (ожидание):</source>
        <comment>TestChancePrefix</comment>
        <translation>Random stakes (expected):</translation>
    </message>
    <message>
        <source>, %d совп.: %lld</source>
        <comment>TestMatchesCount</comment>
        <translation>, %d matches: %lld</translation>
    </message>
    <message>
        <source>, %d совп.: %.3Lf</source>
        <comment>TestMatchesExpected</comment>
        <translation>, %d matches: %.3Lf</translation>
    </message>
    <message>
        <source>, доход: </source>
        <comment>TestIncomeLabel</comment>
        <translation>, income: </translation>
    </message>
    <message>
        <source>Выполнение строки %.3d: &quot;%s&quot;</source>
        <comment>LogRunLine</comment>
        <translation>Running line %.3d: &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Метод расчета статистики &quot;%s&quot; на найден!&#13;%s&#13;&#13;Возможно, Вы отключили данных метод расчета либо использовали сценарий от другой модификации программы.</source>
        <comment>ScriptMethodNotFound</comment>
        <translation>Statistics method &quot;%s&quot; not found!&#13;%s&#13;&#13;You may have switched this statistics method off or used a scenario from another edition of the program.</translation>
    </message>
    <message>
        <source>Создание всех вариантов фильтров...</source>
        <comment>LogCreateFilterVariants</comment>
        <translation>Creating all filter variants...</translation>
    </message>
    <message>
        <source>Создание всех вариантов фильтров ( %d )...</source>
        <comment>PanelCreateFilterVariants</comment>
        <translation>Creating all filter variants ( %d )...</translation>
    </message>
    <message>
        <source>Создано %d вариантов фильтров.</source>
        <comment>LogFilterVariantsCreated</comment>
        <translation>%d filter variants created.</translation>
    </message>
    <message>
        <source>Применение набора фильтров %.3d: &quot;%s&quot;</source>
        <comment>LogApplyFilterSet</comment>
        <translation>Applying filter set %.3d: &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Фильтр %d из %d: %s</source>
        <comment>PanelFilterOf</comment>
        <translation>Filter %d of %d: %s</translation>
    </message>
    <message>
        <source>Создание начального списка комбинаций...</source>
        <comment>LogCreateStartList</comment>
        <translation>Creating the initial combination list...</translation>
    </message>
    <message>
        <source>Количество комбинаций в списке: %d</source>
        <comment>LogListCount</comment>
        <translation>Number of combinations in the list: %d</translation>
    </message>
    <message>
        <source>{ERROR} Фильтры не применялись!</source>
        <comment>LogFiltersNotApplied</comment>
        <translation>{ERROR} The filters were not applied!</translation>
    </message>
    <message>
        <source>Метод расчета статистики не найден!</source>
        <comment>MethodNotFound</comment>
        <translation>Statistics method not found!</translation>
    </message>
    <message>
        <source>Анализ тиражей и расчет статистики &quot;%s&quot; для выборки в %d тиражей...</source>
        <comment>LogAnalyseDraws</comment>
        <translation>Analysing draws and computing statistics &quot;%s&quot; for a sample of %d draws...</translation>
    </message>
    <message>
        <source>Оставляем выделенные значения...</source>
        <comment>LogKeepSelected</comment>
        <translation>Keeping the selected values...</translation>
    </message>
    <message>
        <source>Удаляем выделенные значения...</source>
        <comment>LogRemoveSelected</comment>
        <translation>Removing the selected values...</translation>
    </message>
    <message>
        <source>Шаг %.3d. Выделение строки: </source>
        <comment>LogStepSelectRow</comment>
        <translation>Step %.3d. Selecting the row: </translation>
    </message>
    <message>
        <source>{UNDO} Откат изменений...</source>
        <comment>LogUndo</comment>
        <translation>{UNDO} Undoing changes...</translation>
    </message>
    <message>
        <source>{-} Ставка на тираж %d не добавлена, так как уже имеется в списке ставок: [%s]</source>
        <comment>LogStakeDuplicate</comment>
        <translation>{-} The stake on draw %d was not added because it is already in the stakes list: [%s]</translation>
    </message>
    <message>
        <source>{+} Ставка на тираж %d добавлена в список ставок: [%s]</source>
        <comment>LogStakeAdded</comment>
        <translation>{+} The stake on draw %d was added to the stakes list: [%s]</translation>
    </message>
    <message>
        <source>{#} Системная игра для %d чисел [ОШИБКА]: &quot;%s&quot;</source>
        <comment>LogSystemStakeError</comment>
        <translation>{#} System game for %d numbers [ERROR]: &quot;%s&quot;</translation>
    </message>
    <message>
        <source>{#} Системная игра для %d чисел [все система]: загружен файл &quot;%s&quot;</source>
        <comment>LogSystemStakeAll</comment>
        <translation>{#} System game for %d numbers [whole system]: file &quot;%s&quot; loaded</translation>
    </message>
    <message>
        <source>{#} Системная игра для %d чисел [система * комбинации]: загружен файл &quot;%s&quot;</source>
        <comment>LogSystemStakeCombs</comment>
        <translation>{#} System game for %d numbers [system * combinations]: file &quot;%s&quot; loaded</translation>
    </message>
    <message>
        <source>{*} Добавление ставки, режим: &quot;%s&quot;</source>
        <comment>LogAddStakeMode</comment>
        <translation>{*} Adding a stake, mode: &quot;%s&quot;</translation>
    </message>
    <message>
        <source>{!} Сценарий остановлен!</source>
        <comment>LogScriptStopped</comment>
        <translation>{!} Scenario stopped!</translation>
    </message>
    <message>
        <source>Выполнение сценария прервано, т.к. после применения всех фильтров в списке комбинаций их осталось более одной: %d!&#13;&#13;Фильтры: %s</source>
        <comment>ScriptTooManyLeft</comment>
        <translation>Scenario execution was interrupted because more than one combination remained in the list after applying all filters: %d!&#13;&#13;Filters: %s</translation>
    </message>
    <message>
        <source>{-} Ставка игнорирована!</source>
        <comment>LogStakeIgnored</comment>
        <translation>{-} Stake ignored!</translation>
    </message>
    <message>
        <source>Книга &quot;</source>
        <comment>WorkbookPrefix</comment>
        <translation>Workbook &quot;</translation>
    </message>
    <message>
        <source>&quot; не прочитана. </source>
        <comment>WorkbookNotRead</comment>
        <translation>&quot; was not read. </translation>
    </message>
    <message>
        <source>Загрузка архива тиражей...</source>
        <comment>DrawsDownloadStatus</comment>
        <translation>Downloading the draws archive...</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <comment>DrawsDownloadCaption</comment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ошибка загрузки архива тиражей с сайта: &quot;%s&quot;&#13;&#13;Повторить попытку?</source>
        <comment>DrawsDownloadRetryQuestion</comment>
        <translation>Error downloading the draws archive from the site: &quot;%s&quot;&#13;&#13;Try again?</translation>
    </message>
    <message>
        <source>Не задан адрес файла результатов тиражей на сайте лотереи.&#13;&#13;Укажите его в окне &quot;Параметры системы&quot; (поле &quot;Адрес файла тиражей&quot;) или в файле конфигурации Marvolet_5z36.ini: раздел [DOWNLOAD], ключ DrawsUrl.</source>
        <comment>DrawsUrlMissing</comment>
        <translation>The address of the draw results file on the lottery site is not set.&#13;&#13;Enter it in the &quot;System settings&quot; window (field &quot;Draws file address&quot;) or in the configuration file Marvolet_5z36.ini: section [DOWNLOAD], key DrawsUrl.</translation>
    </message>
    <message>
        <source>Обновить список тиражей?&#13;&#13;Для выполнения обновления необходимо действующее подключение к сети Интернет.</source>
        <comment>DownloadAtStartQuestion</comment>
        <translation>Update the list of draws?&#13;&#13;An active Internet connection is needed for the update.</translation>
    </message>
    <message>
        <source>Файл не является книгой Excel (xlsx): </source>
        <comment>NotXlsxWorkbook</comment>
        <translation>The file is not an Excel workbook (xlsx): </translation>
    </message>
    <message>
        <source>слишком большая часть &quot;</source>
        <comment>WorkbookPartTooLarge</comment>
        <translation>part too large &quot;</translation>
    </message>
    <message>
        <source>повреждена часть &quot;</source>
        <comment>WorkbookPartDamaged</comment>
        <translation>damaged part &quot;</translation>
    </message>
    <message>
        <source>нет части &quot;</source>
        <comment>WorkbookPartMissing</comment>
        <translation>missing part &quot;</translation>
    </message>
    <message>
        <source>ошибка XML в части &quot;</source>
        <comment>WorkbookPartXmlError</comment>
        <translation>XML error in part &quot;</translation>
    </message>
    <message>
        <source>в книге нет листов</source>
        <comment>WorkbookNoSheets</comment>
        <translation>the workbook has no sheets</translation>
    </message>
    <message>
        <source>не найден первый лист</source>
        <comment>WorkbookNoFirstSheet</comment>
        <translation>the first sheet was not found</translation>
    </message>
    <message>
        <source>Файл &quot;%s&quot; слишком велик.</source>
        <comment>FileTooLarge</comment>
        <translation>File &quot;%s&quot; is too large.</translation>
    </message>
    <message>
        <source>Недопустимый номер версии обновления &quot;%s&quot;.</source>
        <comment>InvalidUpdateVersion</comment>
        <translation>Invalid update version number &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Каталог &quot;%s&quot; ведёт за пределы каталога программы.</source>
        <comment>FolderOutsideProgram</comment>
        <translation>Folder &quot;%s&quot; leads outside the program folder.</translation>
    </message>
    <message>
        <source>Ошибка копирования &quot;%s&quot; в &quot;%s&quot;: %s</source>
        <comment>CopyError</comment>
        <translation>Error copying &quot;%s&quot; to &quot;%s&quot;: %s</translation>
    </message>
    <message>
        <source>Установка обновления &quot;%s&quot; успешно выполнена.&#13;&#13;Для завершения установки необходимо перезапустить программу!</source>
        <comment>UpdateInstalled</comment>
        <translation>The update &quot;%s&quot; was installed successfully.&#13;&#13;The program must be restarted to complete the installation!</translation>
    </message>
    <message>
        <source>Поиск доступных обновлений...</source>
        <comment>SearchUpdatesStatus</comment>
        <translation>Searching for available updates...</translation>
    </message>
    <message>
        <source>Открытый ключ обновлений (ключ PublicKey раздела [UPDATE] файла конфигурации) неверен.</source>
        <comment>UpdateKeyInvalid</comment>
        <translation>The update public key (key PublicKey of section [UPDATE] of the configuration file) is invalid.</translation>
    </message>
    <message>
        <source>Недопустимое имя файла пакета обновления &quot;%s&quot;.</source>
        <comment>InvalidPackageName</comment>
        <translation>Invalid update package file name &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Загрузка и установка обновления &quot;%s&quot;...</source>
        <comment>InstallUpdateStatus</comment>
        <translation>Downloading and installing the update &quot;%s&quot;...</translation>
    </message>
    <message>
        <source>Текущая версия программы: </source>
        <comment>CurrentVersionPrefix</comment>
        <translation>Current program version: </translation>
    </message>
    <message>
        <source>&#13;Новая версия программы: </source>
        <comment>NewVersionLabel</comment>
        <translation>&#13;New program version: </translation>
    </message>
    <message>
        <source>&#13;&#13;Описание версии:</source>
        <comment>VersionDescriptionLabel</comment>
        <translation>&#13;&#13;Version description:</translation>
    </message>
    <message>
        <source>Ошибка поиска обновлений!</source>
        <comment>UpdateSearchError</comment>
        <translation>Error searching for updates!</translation>
    </message>
    <message>
        <source>Ошибка установки обновления!</source>
        <comment>UpdateInstallError</comment>
        <translation>Error installing the update!</translation>
    </message>
    <message>
        <source>Ошибка системы самообновления программы!</source>
        <comment>UpdateSystemError</comment>
        <translation>Error in the program&apos;s self-update system!</translation>
    </message>
    <message>
        <source>Обновлений не найдено!</source>
        <comment>UpdateNotFound</comment>
        <translation>No updates found!</translation>
    </message>
    <message>
        <source>Найдена новая версия программы</source>
        <comment>UpdateOfferCaption</comment>
        <translation>A new version of the program was found</translation>
    </message>
    <message>
        <source>&lt; Описание обновления не доступно &gt;</source>
        <comment>UpdateNoDescription</comment>
        <translation>&lt; The update description is not available &gt;</translation>
    </message>
    <message>
        <source>Подпись описания обновления отсутствует или неверна.</source>
        <comment>UpdateDescriptionSignatureError</comment>
        <translation>The signature of the update description is missing or invalid.</translation>
    </message>
    <message>
        <source>Подпись пакета обновления отсутствует или неверна.</source>
        <comment>UpdatePackageSignatureError</comment>
        <translation>The signature of the update package is missing or invalid.</translation>
    </message>
    <message>
        <source>Неверная контрольная сумма скачанного файла.</source>
        <comment>UpdateChecksumError</comment>
        <translation>Invalid checksum of the downloaded file.</translation>
    </message>
    <message>
        <source>Пакет обновления &quot;%s&quot; не распакован: %s</source>
        <comment>PackageNotUnpacked</comment>
        <translation>Update package &quot;%s&quot; was not unpacked: %s</translation>
    </message>
    <message>
        <source>Имя &quot;%s&quot; списка обновления ведёт за пределы каталога программы и отклонено.</source>
        <comment>UpdateNameOutsideProgram</comment>
        <translation>The name &quot;%s&quot; in the update list leads outside the program folder and was rejected.</translation>
    </message>
    <message>
        <source>Имя &quot;%s&quot; списка обновления ведёт за пределы каталога распакованного обновления и отклонено.</source>
        <comment>UpdateNameOutsidePackage</comment>
        <translation>The name &quot;%s&quot; in the update list leads outside the unpacked update folder and was rejected.</translation>
    </message>
    <message>
        <source>элемент &quot;%s&quot; - символическая ссылка.</source>
        <comment>PackageEntrySymlink</comment>
        <translation>entry &quot;%s&quot; is a symbolic link.</translation>
    </message>
    <message>
        <source>недопустимое имя элемента &quot;%s&quot;.</source>
        <comment>PackageEntryBadName</comment>
        <translation>invalid entry name &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Идет сбор статистики....</source>
        <comment>CollectStatsStatus</comment>
        <translation>Collecting statistics....</translation>
    </message>
    <message>
        <source>Совпадений: </source>
        <comment>MatchesTitlePrefix</comment>
        <translation>Matches: </translation>
    </message>
    <message>
        <source>Диапазон </source>
        <comment>SumLevelPrefix</comment>
        <translation>Range </translation>
    </message>
    <message>
        <source> (от </source>
        <comment>SumLevelFrom</comment>
        <translation> (from </translation>
    </message>
    <message>
        <source> и выше по оси Y) - суммы </source>
        <comment>SumLevelSums</comment>
        <translation> and above on the Y axis) - sums </translation>
    </message>
    <message>
        <source>Фактическое распределение сумм (по тиражам)</source>
        <comment>ActualSumsTitle</comment>
        <translation>Actual distribution of sums (by draws)</translation>
    </message>
    <message>
        <source>Теоретическое распределение сумм (по комбинациям)</source>
        <comment>TheoreticalSumsTitle</comment>
        <translation>Theoretical distribution of sums (by combinations)</translation>
    </message>
    <message>
        <source>Тиражей с неизвестной датой: </source>
        <comment>UnknownDateDrawsPrefix</comment>
        <translation>Draws with an unknown date: </translation>
    </message>
    <message>
        <source> (первый - тираж № </source>
        <comment>UnknownDateFirstDraw</comment>
        <translation> (the first - draw No. </translation>
    </message>
    <message>
        <source>); они не учтены</source>
        <comment>UnknownDateNotCounted</comment>
        <translation>); they are not counted</translation>
    </message>
    <message>
        <source>Пн</source>
        <comment>WeekMonday</comment>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Вт</source>
        <comment>WeekTuesday</comment>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Ср</source>
        <comment>WeekWednesday</comment>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Чт</source>
        <comment>WeekThursday</comment>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Пт</source>
        <comment>WeekFriday</comment>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Сб</source>
        <comment>WeekSaturday</comment>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Вс</source>
        <comment>WeekSunday</comment>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Ошибка загрузки параметров экспорта из файла &quot;%s&quot;!</source>
        <comment>ExportParamsLoadError</comment>
        <translation>Error loading export parameters from file &quot;%s&quot;!</translation>
    </message>
    <message>
        <source>Ошибка сохранения параметров экспорта в файле &quot;%s&quot;!</source>
        <comment>ExportParamsSaveError</comment>
        <translation>Error saving export parameters to file &quot;%s&quot;!</translation>
    </message>
    <message>
        <source>Ошибка загрузки параметров экспортируемого поля ID=&quot;%d&quot;!</source>
        <comment>ExportFieldLoadError</comment>
        <translation>Error loading the parameters of export field ID=&quot;%d&quot;!</translation>
    </message>
    <message>
        <source>по правому краю</source>
        <comment>AlignRight</comment>
        <translation>right-aligned</translation>
    </message>
    <message>
        <source>по центру</source>
        <comment>AlignCenter</comment>
        <translation>centred</translation>
    </message>
    <message>
        <source>по левому краю</source>
        <comment>AlignLeft</comment>
        <translation>left-aligned</translation>
    </message>
    <message>
        <source>Лист вмещает не более %d строк.</source>
        <comment>SheetRowLimit</comment>
        <translation>A sheet holds at most %d rows.</translation>
    </message>
    <message>
        <source>Слишком много столбцов.</source>
        <comment>TooManyColumns</comment>
        <translation>Too many columns.</translation>
    </message>
    <message>
        <source>Создание рабочей книги...</source>
        <comment>CreateWorkbookStatus</comment>
        <translation>Creating the workbook...</translation>
    </message>
    <message>
        <source>Не удалось создать файл &quot;</source>
        <comment>CannotCreateFilePrefix</comment>
        <translation>Could not create file &quot;</translation>
    </message>
    <message>
        <source>Недопустимое имя листа &quot;</source>
        <comment>InvalidSheetNamePrefix</comment>
        <translation>Invalid sheet name &quot;</translation>
    </message>
    <message>
        <source>Форматирование листа...</source>
        <comment>FormatSheetStatus</comment>
        <translation>Formatting the sheet...</translation>
    </message>
    <message>
        <source>Отчет построен: %s.</source>
        <comment>ReportCreatedLine</comment>
        <translation>Report created: %s.</translation>
    </message>
    <message>
        <source>Подготовка данных для экспорта...</source>
        <comment>PrepareExportStatus</comment>
        <translation>Preparing data for export...</translation>
    </message>
    <message>
        <source>Запись файла...</source>
        <comment>WriteFileStatus</comment>
        <translation>Writing the file...</translation>
    </message>
    <message>
        <source>Отчет</source>
        <comment>DefaultReportName</comment>
        <translation>Report</translation>
    </message>
    <message>
        <source>Ошибка экспорта данных в Microsoft Excel!</source>
        <comment>ExportErrorText</comment>
        <translation>Error exporting data to Microsoft Excel!</translation>
    </message>
    <message>
        <source>&quot; не является целым числом (&lt;</source>
        <comment>NotAnIntegerRange</comment>
        <translation>&quot; is not an integer (&lt;</translation>
    </message>
    <message>
        <source>Адрес online-сервиса не задан (ключ ServiceUrl раздела [ONLINE] файла конфигурации).</source>
        <comment>NoServiceUrlMessage</comment>
        <translation>The online service address is not set (key ServiceUrl of section [ONLINE] of the configuration file).</translation>
    </message>
    <message>
        <source>Скрытые</source>
        <comment>ScriptFilterHidden</comment>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Все, включая скрытые</source>
        <comment>ScriptFilterAllWithHidden</comment>
        <translation>All, including hidden</translation>
    </message>
    <message>
        <source>Все, кроме скрытых (по умолчанию)</source>
        <comment>ScriptFilterAllButHidden</comment>
        <translation>All except hidden (default)</translation>
    </message>
    <message>
        <source>Только мои</source>
        <comment>ScriptFilterMine</comment>
        <translation>Only mine</translation>
    </message>
    <message>
        <source>Только публичные</source>
        <comment>ScriptFilterPublic</comment>
        <translation>Only public</translation>
    </message>
    <message>
        <source>С моими оценками</source>
        <comment>ScriptFilterRated</comment>
        <translation>With my ratings</translation>
    </message>
    <message>
        <source>Без моих оценок</source>
        <comment>ScriptFilterUnrated</comment>
        <translation>Without my ratings</translation>
    </message>
    <message>
        <source>Новые (24 часа с момента публикации)</source>
        <comment>ScriptFilterNew</comment>
        <translation>New (24 hours since publication)</translation>
    </message>
    <message>
        <source>Тип</source>
        <comment>ColumnType</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Название</source>
        <comment>ColumnTitle</comment>
        <translation>Title</translation>
    </message>
    <message>
        <source>Автор</source>
        <comment>ColumnAuthor</comment>
        <translation>Author</translation>
    </message>
    <message>
        <source>Программа</source>
        <comment>ColumnProgram</comment>
        <translation>Program</translation>
    </message>
    <message>
        <source>Версия</source>
        <comment>ColumnVersion</comment>
        <translation>Version</translation>
    </message>
    <message>
        <source>Язык</source>
        <comment>ColumnLanguage</comment>
        <translation>Language</translation>
    </message>
    <message>
        <source>Создан</source>
        <comment>ColumnCreated</comment>
        <translation>Created</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <comment>ColumnRating</comment>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Оценок</source>
        <comment>ColumnRatingCount</comment>
        <translation>Ratings</translation>
    </message>
    <message>
        <source>Ваша оценка</source>
        <comment>ColumnYourRating</comment>
        <translation>Your rating</translation>
    </message>
    <message>
        <source>Загрузок</source>
        <comment>ColumnDownloads</comment>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Последняя</source>
        <comment>ColumnLast</comment>
        <translation>Last</translation>
    </message>
    <message>
        <source>Комментарии</source>
        <comment>ColumnComments</comment>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Скрытый</source>
        <comment>ScriptRatingHidden</comment>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Мой</source>
        <comment>ScriptTypeMine</comment>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Общий</source>
        <comment>ScriptTypeShared</comment>
        <translation>Shared</translation>
    </message>
    <message>
        <source>Универсальный</source>
        <comment>ScriptUniversal</comment>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Загруженный текст не является сценарием: </source>
        <comment>NotScenarioPrefix</comment>
        <translation>The downloaded text is not a scenario: </translation>
    </message>
    <message>
        <source>слишком большой размер (</source>
        <comment>NotScenarioTooLarge</comment>
        <translation>size too large (</translation>
    </message>
    <message>
        <source> байт).</source>
        <comment>NotScenarioBytes</comment>
        <translation> bytes).</translation>
    </message>
    <message>
        <source>текст не в кодировке UTF-8.</source>
        <comment>NotScenarioNotUtf8</comment>
        <translation>the text is not in UTF-8 encoding.</translation>
    </message>
    <message>
        <source>недопустимый символ в строке </source>
        <comment>NotScenarioBadChar</comment>
        <translation>invalid character in line </translation>
    </message>
    <message>
        <source>строка </source>
        <comment>NotScenarioLine</comment>
        <translation>line </translation>
    </message>
    <message>
        <source> не является строкой сценария.</source>
        <comment>NotScenarioLineSuffix</comment>
        <translation> is not a scenario line.</translation>
    </message>
    <message>
        <source>Код возврата: </source>
        <comment>ReturnCodePrefix</comment>
        <translation>Return code: </translation>
    </message>
    <message>
        <source>Загрузка online-каталога сценариев...</source>
        <comment>ScriptListStatus</comment>
        <translation>Loading the online scenario catalogue...</translation>
    </message>
    <message>
        <source>Скачивание сценария из online-каталога...</source>
        <comment>ScriptDownloadStatus</comment>
        <translation>Downloading a scenario from the online catalogue...</translation>
    </message>
    <message>
        <source>Сохранение сценария в базе данных...</source>
        <comment>ScriptSaveStatus</comment>
        <translation>Saving the scenario in the database...</translation>
    </message>
    <message>
        <source>Удаление сценария из базы данных...</source>
        <comment>ScriptDeleteStatus</comment>
        <translation>Deleting the scenario from the database...</translation>
    </message>
    <message>
        <source>Отправка оценки на сервер...</source>
        <comment>ScriptRateStatus</comment>
        <translation>Sending the rating to the server...</translation>
    </message>
    <message>
        <source>Загрузка списка оценок...</source>
        <comment>ScriptRatesStatus</comment>
        <translation>Loading the list of ratings...</translation>
    </message>
    <message>
        <source>Ошибка загрузки каталога online-сценариев!</source>
        <comment>ScriptListError</comment>
        <translation>Error loading the online scenario catalogue!</translation>
    </message>
    <message>
        <source>Ошибка загрузки online-сценария!</source>
        <comment>ScriptDownloadError</comment>
        <translation>Error downloading the online scenario!</translation>
    </message>
    <message>
        <source>Ошибка сохранения оценки online-сценария!</source>
        <comment>ScriptRateError</comment>
        <translation>Error saving the rating of the online scenario!</translation>
    </message>
    <message>
        <source>Ошибка проверки уникальности online-сценария!</source>
        <comment>ScriptTitleCheckError</comment>
        <translation>Error checking the uniqueness of the online scenario!</translation>
    </message>
    <message>
        <source>Ошибка сохранения online-сценария в базе данных!</source>
        <comment>ScriptSaveError</comment>
        <translation>Error saving the online scenario in the database!</translation>
    </message>
    <message>
        <source>Ошибка удаления online-сценария из базы данных!</source>
        <comment>ScriptDeleteError</comment>
        <translation>Error deleting the online scenario from the database!</translation>
    </message>
    <message>
        <source>Ошибка публикации online-сценария!</source>
        <comment>ScriptPublishError</comment>
        <translation>Error publishing the online scenario!</translation>
    </message>
    <message>
        <source>Ошибка просмотра свойств online-сценария!</source>
        <comment>ScriptViewError</comment>
        <translation>Error viewing the properties of the online scenario!</translation>
    </message>
    <message>
        <source>Ошибка просмотра оценок online-сценария!</source>
        <comment>ScriptRatesError</comment>
        <translation>Error viewing the ratings of the online scenario!</translation>
    </message>
    <message>
        <source>Название сценария должно быть указано обязательно!</source>
        <comment>ScriptTitleMissing</comment>
        <translation>The scenario title must be given!</translation>
    </message>
    <message>
        <source>Сценарий с таким названием уже существует!&#13;Выберите другое название.</source>
        <comment>ScriptTitleTaken</comment>
        <translation>A scenario with this title already exists!&#13;Choose another title.</translation>
    </message>
    <message>
        <source>Имя автора должно быть указано обязательно!</source>
        <comment>ScriptAuthorMissing</comment>
        <translation>The author&apos;s name must be given!</translation>
    </message>
    <message>
        <source>Вы действительно хотите удалить сценарий &quot;%s&quot;?</source>
        <comment>ScriptDeleteQuestion</comment>
        <translation>Do you really want to delete the scenario &quot;%s&quot;?</translation>
    </message>
    <message>
        <source>&quot; вне допустимого диапазона (&lt;</source>
        <comment>OutOfRangeValue</comment>
        <translation>&quot; is out of the allowed range (&lt;</translation>
    </message>
    <message>
        <source>Числа</source>
        <comment>ColumnNumbers</comment>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Блок</source>
        <comment>ColumnBlock</comment>
        <translation>Block</translation>
    </message>
    <message>
        <source>Комбинаций</source>
        <comment>ColumnCombinations</comment>
        <translation>Combinations</translation>
    </message>
    <message>
        <source>Дата создания</source>
        <comment>ColumnCreationDate</comment>
        <translation>Creation date</translation>
    </message>
    <message>
        <source>Статус</source>
        <comment>ColumnStatus</comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Ссылка</source>
        <comment>ColumnLink</comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Загружена</source>
        <comment>SystemDownloaded</comment>
        <translation>Downloaded</translation>
    </message>
    <message>
        <source>Загрузка &quot;</source>
        <comment>LoadingQuotedPrefix</comment>
        <translation>Loading &quot;</translation>
    </message>
    <message>
        <source>Количество скачанных комбинаций ( %d ) отличается от ожидаемого значения ( %d )</source>
        <comment>SystemCountMismatch</comment>
        <translation>The number of downloaded combinations ( %d ) differs from the expected value ( %d )</translation>
    </message>
    <message>
        <source>Недопустимые параметры системы: чисел </source>
        <comment>SystemBadParamsPrefix</comment>
        <translation>Invalid system parameters: numbers </translation>
    </message>
    <message>
        <source>, блок </source>
        <comment>SystemBlockLabel</comment>
        <translation>, block </translation>
    </message>
    <message>
        <source>Строка </source>
        <comment>SystemLinePrefix</comment>
        <translation>Line </translation>
    </message>
    <message>
        <source> системы (&quot;</source>
        <comment>SystemLineOfSystem</comment>
        <translation> of the system (&quot;</translation>
    </message>
    <message>
        <source>&quot;) не является комбинацией из пяти разных чисел от 1 до </source>
        <comment>SystemLineNotCombination</comment>
        <translation>&quot;) is not a combination of five different numbers from 1 to </translation>
    </message>
    <message>
        <source>Не удалось создать папку &quot;</source>
        <comment>CannotCreateFolderPrefix</comment>
        <translation>Could not create folder &quot;</translation>
    </message>
    <message>
        <source>Удаление &quot;</source>
        <comment>DeletingQuotedPrefix</comment>
        <translation>Deleting &quot;</translation>
    </message>
    <message>
        <source>Сохранение &quot;</source>
        <comment>SavingQuotedPrefix</comment>
        <translation>Saving &quot;</translation>
    </message>
    <message>
        <source>Список систем не доступен!</source>
        <comment>SystemPlaceholderTitle</comment>
        <translation>The list of systems is not available!</translation>
    </message>
    <message>
        <source>Загрузка списка систем...</source>
        <comment>SystemListStatus</comment>
        <translation>Loading the list of systems...</translation>
    </message>
    <message>
        <source>Ошибка загрузки списка систем!</source>
        <comment>SystemListError</comment>
        <translation>Error loading the list of systems!</translation>
    </message>
    <message>
        <source>Ошибка загрузки системы #%d!</source>
        <comment>SystemDownloadError</comment>
        <translation>Error downloading system #%d!</translation>
    </message>
    <message>
        <source>Ошибка сохранения системы #%d!</source>
        <comment>SystemSaveError</comment>
        <translation>Error saving system #%d!</translation>
    </message>
    <message>
        <source>Ошибка добавления системы!</source>
        <comment>SystemAddError</comment>
        <translation>Error adding the system!</translation>
    </message>
    <message>
        <source>Ошибка изменения системы!</source>
        <comment>SystemChangeError</comment>
        <translation>Error changing the system!</translation>
    </message>
    <message>
        <source>Ошибка удаления системы!</source>
        <comment>SystemDeleteError</comment>
        <translation>Error deleting the system!</translation>
    </message>
    <message>
        <source>Вы можете удалять только свои системы!</source>
        <comment>SystemNotOwnMessage</comment>
        <translation>You can delete only your own systems!</translation>
    </message>
    <message>
        <source>Вы действительно хотите удалить систему &quot;%s&quot;?</source>
        <comment>SystemDeleteQuestion</comment>
        <translation>Do you really want to delete the system &quot;%s&quot;?</translation>
    </message>
</context>
</TS>
