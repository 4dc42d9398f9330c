<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Marvolet</name>
    <message>
        <source>Файлы комбинаций (*.lcv)</source>
        <translation>Combination files (*.lcv)</translation>
    </message>
    <message>
        <source>Подождите пожалуйста...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Комбинаций: %1</source>
        <translation>Combinations: %1</translation>
    </message>
    <message>
        <source>Генерировать</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Исключить тиражи</source>
        <translation>Exclude draws</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Копировать в буфер</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Вставить из буфера</source>
        <translation>Paste from clipboard</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Количество уникальных номеров</source>
        <translation>Number of unique numbers</translation>
    </message>
    <message>
        <source>Проверить по архиву тиражей</source>
        <translation>Check against the draws archive</translation>
    </message>
    <message>
        <source>Поиск по архиву тиражей...</source>
        <translation>Searching the draws archive...</translation>
    </message>
    <message>
        <source>Сведения о комбинации</source>
        <translation>Combination details</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>[-] Тиражи</source>
        <translation>[-] Draws</translation>
    </message>
    <message>
        <source>Выделять каналы в списке комбинаций</source>
        <translation>Highlight channels in the combinations list</translation>
    </message>
    <message>
        <source>Количество последних тиражей для исключения</source>
        <translation>Number of latest draws to exclude</translation>
    </message>
    <message>
        <source>Примененные фильтры</source>
        <translation>Applied filters</translation>
    </message>
    <message>
        <source>Значения</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Комбинаций</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <source>Полный список (все возможные для данного лото варианты)</source>
        <translation>Full list (every combination possible in this lottery)</translation>
    </message>
    <message>
        <source>Мои числа - должно присутствовать любое из указанных</source>
        <translation>My numbers - any of them must be present</translation>
    </message>
    <message>
        <source>Мои числа - комбинации только из списка указанных</source>
        <translation>My numbers - combinations of these numbers only</translation>
    </message>
    <message>
        <source>Мои числа - исключить комбинации с любым из указанных</source>
        <translation>My numbers - exclude combinations with any of them</translation>
    </message>
    <message>
        <source>Загрузить список из заранее подготовленного CSV-файла</source>
        <translation>Load the list from a prepared CSV file</translation>
    </message>
    <message>
        <source>Создание нового списка комбинаций</source>
        <translation>New combinations list</translation>
    </message>
    <message>
        <source>Сохранить эти параметры для генерации комбинаций &quot;по умолчанию&quot;</source>
        <translation>Save these settings as the default for generating combinations</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Режим генерации списка комбинаций:</source>
        <translation>Generation mode of the combinations list:</translation>
    </message>
    <message>
        <source>Мои числа или имя файла для загрузки:</source>
        <translation>My numbers or the name of the file to load:</translation>
    </message>
    <message>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Сумма выигрыша</source>
        <translation>Prize amount</translation>
    </message>
    <message>
        <source>Некорректное значение: %1!&#13;&#13;Укажите любое число от 1 до 9</source>
        <translation>Invalid value: %1!&#13;&#13;Enter any number from 1 to 9</translation>
    </message>
    <message>
        <source>Параметры системы</source>
        <translation>Program settings</translation>
    </message>
    <message>
        <source>Загрузка архива тиражей</source>
        <translation>Draws archive download</translation>
    </message>
    <message>
        <source>Адрес файла результатов тиражей (xlsx) на сайте лотереи</source>
        <translation>Address of the draw results file (xlsx) on the lottery site</translation>
    </message>
    <message>
        <source>Адрес файла тиражей:</source>
        <translation>Draws file address:</translation>
    </message>
    <message>
        <source>Ставки</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Стоимость ставки:</source>
        <translation>Stake price:</translation>
    </message>
    <message>
        <source>Размеры выигрышей:</source>
        <translation>Prize amounts:</translation>
    </message>
    <message>
        <source> Коэффициенты для поля &quot;Вес&quot; </source>
        <translation> Coefficients for the &quot;Weight&quot; field </translation>
    </message>
    <message>
        <source>Использовать значения в %</source>
        <translation>Use values in %</translation>
    </message>
    <message>
        <source>Использовать абсолютные значения</source>
        <translation>Use absolute values</translation>
    </message>
    <message>
        <source>Количество:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>Отклонение:</source>
        <translation>Deviation:</translation>
    </message>
    <message>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Матрица и каналы</source>
        <translation>Matrix and channels</translation>
    </message>
    <message>
        <source>Размер матрицы:</source>
        <translation>Matrix size:</translation>
    </message>
    <message>
        <source>Сегменты матрицы:</source>
        <translation>Matrix segments:</translation>
    </message>
    <message>
        <source>Размер канала:</source>
        <translation>Channel size:</translation>
    </message>
    <message>
        <source>Справочная информация</source>
        <translation>Getting started</translation>
    </message>
    <message>
        <source>С чего начать: справка по программе и материалы проекта.</source>
        <translation>Where to begin: the program's help and the project's materials.</translation>
    </message>
    <message>
        <source>Больше не показывать данный диалог</source>
        <translation>Do not show this dialog again</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Марволет: Лото 5 из 36</source>
        <translation>Marvolet: Lotto 5 of 36</translation>
    </message>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Дата тиража</source>
        <translation>Draw date</translation>
    </message>
    <message>
        <source>№ п.п.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>По запросу (по умолчанию)</source>
        <translation>On request (default)</translation>
    </message>
    <message>
        <source>Автоматически</source>
        <translation>Automatically</translation>
    </message>
    <message>
        <source>Отключено</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Экспорт в Microsoft Excel</source>
        <translation>Export to Microsoft Excel</translation>
    </message>
    <message>
        <source>Экспорт списка тиражей в Microsoft Excel</source>
        <translation>Export the draws list to Microsoft Excel</translation>
    </message>
    <message>
        <source>Архив тиражей</source>
        <translation>Draws archive</translation>
    </message>
    <message>
        <source>Экспорт списка комбинаций в Microsoft Excel</source>
        <translation>Export the combinations list to Microsoft Excel</translation>
    </message>
    <message>
        <source>Комбинации</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <source>Экспорт статистики в Microsoft Excel</source>
        <translation>Export the statistics to Microsoft Excel</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Экспорт рейтинга в Microsoft Excel</source>
        <translation>Export the rating to Microsoft Excel</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Экспорт карты тиражей в Microsoft Excel</source>
        <translation>Export the draws map to Microsoft Excel</translation>
    </message>
    <message>
        <source>Карта</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Экспорт схемы в Microsoft Excel</source>
        <translation>Export the layout to Microsoft Excel</translation>
    </message>
    <message>
        <source>Схема</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Экспорт ставок в Microsoft Excel</source>
        <translation>Export the stakes to Microsoft Excel</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Автозагрузка при запуске программы</source>
        <translation>Download on program start</translation>
    </message>
    <message>
        <source>Расширенная статистика</source>
        <translation>Extended statistics</translation>
    </message>
    <message>
        <source>Регуляры</source>
        <translation>Regulars</translation>
    </message>
    <message>
        <source>Системы</source>
        <translation>Systems</translation>
    </message>
    <message>
        <source>Сценарий</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Ошибка запуска программы!</source>
        <translation>Program start failed!</translation>
    </message>
    <message>
        <source>Инициализация...</source>
        <translation>Initializing...</translation>
    </message>
    <message>
        <source> версия </source>
        <translation> version </translation>
    </message>
    <message>
        <source>Ошибка инициализации программы!</source>
        <translation>Program initialization failed!</translation>
    </message>
    <message>
        <source>Сайт лотереи</source>
        <translation>Lottery site</translation>
    </message>
    <message>
        <source>Официальный сайт проекта</source>
        <translation>Official project site</translation>
    </message>
    <message>
        <source>Страница автора</source>
        <translation>Author's page</translation>
    </message>
    <message>
        <source>Статьи для начинающих</source>
        <translation>Articles for beginners</translation>
    </message>
    <message>
        <source>Наш блог</source>
        <translation>Our blog</translation>
    </message>
    <message>
        <source>Наш видеоблог</source>
        <translation>Our video blog</translation>
    </message>
    <message>
        <source>Канал в Telegram</source>
        <translation>Telegram channel</translation>
    </message>
    <message>
        <source>Страница в соцсети &quot;В контакте&quot;</source>
        <translation>VKontakte page</translation>
    </message>
    <message>
        <source>Страница в соцсети &quot;Однокласники&quot;</source>
        <translation>Odnoklassniki page</translation>
    </message>
    <message>
        <source>Вкладка &quot;Графики&quot;</source>
        <translation>&quot;Graphs&quot; tab</translation>
    </message>
    <message>
        <source>Скрыть / показать вкладку &quot;Графики&quot;</source>
        <translation>Hide / show the &quot;Graphs&quot; tab</translation>
    </message>
    <message>
        <source>Вкладка &quot;Карта&quot;</source>
        <translation>&quot;Map&quot; tab</translation>
    </message>
    <message>
        <source>Скрыть / показать вкладку &quot;Карта тиражей&quot;</source>
        <translation>Hide / show the &quot;Draws map&quot; tab</translation>
    </message>
    <message>
        <source>Вкладка &quot;Схема&quot;</source>
        <translation>&quot;Layout&quot; tab</translation>
    </message>
    <message>
        <source>Скрыть / показать вкладку &quot;Схема выпадения номеров&quot;</source>
        <translation>Hide / show the &quot;Layout of drawn numbers&quot; tab</translation>
    </message>
    <message>
        <source>Вкладка &quot;Неделя&quot;</source>
        <translation>&quot;Week&quot; tab</translation>
    </message>
    <message>
        <source>Скрыть / показать вкладку &quot;Неделя&quot;</source>
        <translation>Hide / show the &quot;Week&quot; tab</translation>
    </message>
    <message>
        <source>Вкладка &quot;Регуляры&quot;</source>
        <translation>&quot;Regulars&quot; tab</translation>
    </message>
    <message>
        <source>Справка по программе</source>
        <translation>Program help</translation>
    </message>
    <message>
        <source>Описание статистики</source>
        <translation>Statistic description</translation>
    </message>
    <message>
        <source>Сведения о выбранном методе расчета статистики</source>
        <translation>About the selected statistic method</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Версия %2&lt;/p&gt;&lt;p&gt;Анализ архива тиражей лотереи «5 из 36» и подбор комбинаций.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;Analysis of the &quot;5 of 36&quot; lottery draws archive and selection of combinations.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Норма</source>
        <translation>Norm</translation>
    </message>
    <message>
        <source>Отклонение</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Откл-ие в %</source>
        <translation>Deviation, %</translation>
    </message>
    <message>
        <source>Архив тиражей: 99999</source>
        <translation>Draws archive: 99999</translation>
    </message>
    <message>
        <source>Следующий тираж: 99999</source>
        <translation>Next draw: 99999</translation>
    </message>
    <message>
        <source>Комбинаций: 376992</source>
        <translation>Combinations: 376992</translation>
    </message>
    <message>
        <source>Ставок: 99999</source>
        <translation>Stakes: 99999</translation>
    </message>
    <message>
        <source>Рейтинг: 99999</source>
        <translation>Rating: 99999</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Неделя</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>«%1»: раздел в разработке</source>
        <translation>&quot;%1&quot;: under development</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Параметры proxy-сервера</source>
        <translation>Proxy server settings</translation>
    </message>
    <message>
        <source>Ошибка загрузки архива тиражей с сайта!</source>
        <translation>Downloading the draws archive from the site failed!</translation>
    </message>
    <message>
        <source>Строки файла тиражей с некорректными числами пропущены: %1 (тиражи № %2).&#13;&#13;Числа тиража должны быть от 1 до 36 и не повторяться.</source>
        <translation>Lines of the draws file with invalid numbers were skipped: %1 (draws No. %2).&#13;&#13;The numbers of a draw must be from 1 to 36 and must not repeat.</translation>
    </message>
    <message>
        <source>Данные тиража</source>
        <translation>Draw data</translation>
    </message>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Выпавшие числа, разделенные точкой с запятой или запятой:</source>
        <translation>Drawn numbers, separated by semicolons or commas:</translation>
    </message>
    <message>
        <source>Дата и время тиража:</source>
        <translation>Draw date and time:</translation>
    </message>
    <message>
        <source>Подробная информация</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Свойство</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Дата тиража:</source>
        <translation>Draw date:</translation>
    </message>
    <message>
        <source>Количество столбцов:</source>
        <translation>Number of columns:</translation>
    </message>
    <message>
        <source>Файлы тиражей (*.csv)</source>
        <translation>Draw files (*.csv)</translation>
    </message>
    <message>
        <source>Смещение назад:</source>
        <translation>Offset back:</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Сведения о тираже</source>
        <translation>Draw details</translation>
    </message>
    <message>
        <source>Упорядочить MIN-&gt;MAX</source>
        <translation>Sort MIN-&gt;MAX</translation>
    </message>
    <message>
        <source>Импорт из CSV-файла</source>
        <translation>Import from a CSV file</translation>
    </message>
    <message>
        <source>Экспорт в CSV-файл</source>
        <translation>Export to a CSV file</translation>
    </message>
    <message>
        <source>Выделять каналы в списке тиражей</source>
        <translation>Highlight channels in the draws list</translation>
    </message>
    <message>
        <source>Проверка архива</source>
        <translation>Check archive</translation>
    </message>
    <message>
        <source>Проверить архив тиражей: повторы и пропуски номеров, некорректные числа и даты</source>
        <translation>Check the draws archive: repeated and missing numbers, invalid numbers and dates</translation>
    </message>
    <message>
        <source>Архив тиражей: %1</source>
        <translation>Draws archive: %1</translation>
    </message>
    <message>
        <source>Следующий тираж: %1</source>
        <translation>Next draw: %1</translation>
    </message>
    <message>
        <source>Подробности: &quot;Архив тиражей&quot; - &quot;Проверка архива&quot;</source>
        <translation>Details: &quot;Draws archive&quot; - &quot;Check archive&quot;</translation>
    </message>
    <message>
        <source>Архив тиражей: найдено замечаний: %1</source>
        <translation>Draws archive: remarks found: %1</translation>
    </message>
    <message>
        <source>Введите данные следующего тиража</source>
        <translation>Enter the data of the next draw</translation>
    </message>
    <message>
        <source>Удаление выделенных тиражей....</source>
        <translation>Deleting the selected draws....</translation>
    </message>
    <message>
        <source>Не использовать proxy-сервер</source>
        <translation>Do not use a proxy server</translation>
    </message>
    <message>
        <source>Автоматический поиск сервера (возможны задержки)</source>
        <translation>Detect the server automatically (may be slow)</translation>
    </message>
    <message>
        <source>Ручной выбор proxy-сервера:</source>
        <translation>Manual proxy server:</translation>
    </message>
    <message>
        <source>Имя пользователя (не обязательно)</source>
        <translation>User name (optional)</translation>
    </message>
    <message>
        <source>Пароль (не обязательно)</source>
        <translation>Password (optional)</translation>
    </message>
    <message>
        <source>Имя или адрес сервера:</source>
        <translation>Server name or address:</translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Имя пользователя:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>Пароль:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Папка для отчетов</source>
        <translation>Reports folder</translation>
    </message>
    <message>
        <source>Файлы параметров экспорта (*.exp);;Все файлы (*.*)</source>
        <translation>Export settings files (*.exp);;All files (*.*)</translation>
    </message>
    <message>
        <source>Параметры поля</source>
        <translation>Field settings</translation>
    </message>
    <message>
        <source>Заголовок столбца:</source>
        <translation>Column heading:</translation>
    </message>
    <message>
        <source>Выравнивание данных:</source>
        <translation>Data alignment:</translation>
    </message>
    <message>
        <source>Ширина:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Название отчета</source>
        <translation>Report title</translation>
    </message>
    <message>
        <source>Дополнительная информация</source>
        <translation>Additional information</translation>
    </message>
    <message>
        <source>Добавить строку с датой и временем формирования отчета (экспорта).</source>
        <translation>Add a line with the date and time the report was made (exported).</translation>
    </message>
    <message>
        <source>Не устанавливать</source>
        <translation>Not set</translation>
    </message>
    <message>
        <source>Книжная</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Альбомная</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Экспортировать все отображенные записи</source>
        <translation>Export all shown records</translation>
    </message>
    <message>
        <source>Экспортировать выделенные записи</source>
        <translation>Export the selected records</translation>
    </message>
    <message>
        <source>Наименование отчета:</source>
        <translation>Report title:</translation>
    </message>
    <message>
        <source>Дополнительные сведения:</source>
        <translation>Additional information:</translation>
    </message>
    <message>
        <source> Параметры листа Microsoft Excel </source>
        <translation> Microsoft Excel sheet settings </translation>
    </message>
    <message>
        <source>Наименование листа:</source>
        <translation>Sheet name:</translation>
    </message>
    <message>
        <source>Ориентация:</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <source>Базовый размер шрифта:</source>
        <translation>Base font size:</translation>
    </message>
    <message>
        <source> Режим передачи данных </source>
        <translation> Data transfer mode </translation>
    </message>
    <message>
        <source>Число строк:</source>
        <translation>Number of rows:</translation>
    </message>
    <message>
        <source>Наименование столбца</source>
        <translation>Column name</translation>
    </message>
    <message>
        <source>Выравнивание</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>Ширина</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Физическое поле</source>
        <translation>Physical field</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Переместить на одну строку вверх</source>
        <translation>Move one row up</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Переместить на одну строку вниз</source>
        <translation>Move one row down</translation>
    </message>
    <message>
        <source>Свойства</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Изменить свойства экспортируемого поля</source>
        <translation>Edit the properties of the exported field</translation>
    </message>
    <message>
        <source>Перечень экспортируемых полей:</source>
        <translation>Exported fields:</translation>
    </message>
    <message>
        <source>Параметры листа</source>
        <translation>Sheet settings</translation>
    </message>
    <message>
        <source>Столбцы таблицы</source>
        <translation>Table columns</translation>
    </message>
    <message>
        <source>Сохранить параметры экспорта в файле конфигурации</source>
        <translation>Save the export settings in the configuration file</translation>
    </message>
    <message>
        <source>Загрузить из файла</source>
        <translation>Load from file</translation>
    </message>
    <message>
        <source>Сохранить в файле</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>Начать экспорт</source>
        <translation>Start export</translation>
    </message>
    <message>
        <source>Закрыть окно</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Добавление регулярной ставки</source>
        <translation>Add a regular stake</translation>
    </message>
    <message>
        <source>Использовать постоянную стартовую комбинацию:</source>
        <translation>Use a fixed starting combination:</translation>
    </message>
    <message>
        <source>Использовать данные предыдущего тиража</source>
        <translation>Use the data of the previous draw</translation>
    </message>
    <message>
        <source>{...Выделенные комбинации...}</source>
        <translation>{...Selected combinations...}</translation>
    </message>
    <message>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
    <message>
        <source>Шаг:</source>
        <translation>Step:</translation>
    </message>
    <message>
        <source>Создание графиков...</source>
        <translation>Making charts...</translation>
    </message>
    <message>
        <source>Рейтинг: %1</source>
        <translation>Rating: %1</translation>
    </message>
    <message>
        <source>Обновить рейтинг</source>
        <translation>Refresh rating</translation>
    </message>
    <message>
        <source>Ожидаемые значения совпадений</source>
        <translation>Expected match values</translation>
    </message>
    <message>
        <source>Абсолютные значения эффективности</source>
        <translation>Absolute efficiency values</translation>
    </message>
    <message>
        <source>Относительные значения эффективности</source>
        <translation>Relative efficiency values</translation>
    </message>
    <message>
        <source>График совпадений ставок</source>
        <translation>Stake matches chart</translation>
    </message>
    <message>
        <source>График профита ставок</source>
        <translation>Stake profit chart</translation>
    </message>
    <message>
        <source>Количество совпадений</source>
        <translation>Number of matches</translation>
    </message>
    <message>
        <source>Добавить в сценарий</source>
        <translation>Add to scenario</translation>
    </message>
    <message>
        <source>Экспорт рейтинга в CSV-файл</source>
        <translation>Export the rating to a CSV file</translation>
    </message>
    <message>
        <source>CSV-файлы (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Добавить в конец файла идентификатор данных (архив, настройки, версия)</source>
        <translation>Append the data identifier (archive, settings, version) to the file</translation>
    </message>
    <message>
        <source>Последняя строка-комментарий с контрольной суммой архива тиражей, смещением, таблицей выигрышей, стоимостью ставки и версией программы</source>
        <translation>A last comment line with the checksum of the draws archive, the offset, the prize table, the stake price and the program version</translation>
    </message>
    <message>
        <source>Экспорт в CSV-файл...</source>
        <translation>Exporting to a CSV file...</translation>
    </message>
    <message>
        <source>Добавить регулярную ставку</source>
        <translation>Add a regular stake</translation>
    </message>
    <message>
        <source>Удалить регулярную ставку</source>
        <translation>Delete regular stake</translation>
    </message>
    <message>
        <source>Сделать ставку по регуляру</source>
        <translation>Make a stake from the regular</translation>
    </message>
    <message>
        <source>Тест регуляров</source>
        <translation>Test regulars</translation>
    </message>
    <message>
        <source>Загрузка файла регулярных ставок...</source>
        <translation>Loading the regular stakes file...</translation>
    </message>
    <message>
        <source>Сохранение файла регулярных ставок...</source>
        <translation>Saving the regular stakes file...</translation>
    </message>
    <message>
        <source>Создание регулярных ставок...</source>
        <translation>Making regular stakes...</translation>
    </message>
    <message>
        <source>Удаление регулярных ставок...</source>
        <translation>Deleting regular stakes...</translation>
    </message>
    <message>
        <source>Нет тиража для регулярной ставки!</source>
        <translation>There is no draw for the regular stake!</translation>
    </message>
    <message>
        <source>Некорректная регулярная ставка!</source>
        <translation>Invalid regular stake!</translation>
    </message>
    <message>
        <source>Введен некорректный диапазон значений!</source>
        <translation>The range of values entered is invalid!</translation>
    </message>
    <message>
        <source>Фильтр</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Одно значение: 100
Список значений: 50, 100, 200
Диапазон с шагом: 50-200;50</source>
        <translation>One value: 100
List of values: 50, 100, 200
Range with a step: 50-200;50</translation>
    </message>
    <message>
        <source>Сверху-вниз</source>
        <translation>Top down</translation>
    </message>
    <message>
        <source>Снизу-вверх</source>
        <translation>Bottom up</translation>
    </message>
    <message>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <source>Использовать режим одновременного выделения нескольких значений в списке</source>
        <translation>Select several values of the list at once</translation>
    </message>
    <message>
        <source>Тип фильтра:</source>
        <translation>Filter type:</translation>
    </message>
    <message>
        <source>Количество тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>Сортировать по столбцу:</source>
        <translation>Sort by column:</translation>
    </message>
    <message>
        <source>Направление:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Режим фильтра:</source>
        <translation>Filter mode:</translation>
    </message>
    <message>
        <source>Режим выделения значений в списке статистики:</source>
        <translation>Selection mode in the statistics list:</translation>
    </message>
    <message>
        <source>Значения:</source>
        <translation>Values:</translation>
    </message>
    <message>
        <source>Остановка по:</source>
        <translation>Stop by:</translation>
    </message>
    <message>
        <source>Значение:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source> Коэффициенты для расчета значений &quot;Вес&quot; </source>
        <translation> Coefficients for the &quot;Weight&quot; values </translation>
    </message>
    <message>
        <source>Использовать свои коэффициенты</source>
        <translation>Use my own coefficients</translation>
    </message>
    <message>
        <source>Для данного вида статистики не доступен режим выделения по списку значений!</source>
        <translation>Selection by a list of values is not available for this kind of statistic!</translation>
    </message>
    <message>
        <source>В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не может быть выполнена!&#13;Выберите другой способ останова.</source>
        <translation>In the multiple selection mode a scenario cannot stop by the number of combinations or numbers!&#13;Choose another way to stop.</translation>
    </message>
    <message>
        <source>Элемент сценария</source>
        <translation>Scenario item</translation>
    </message>
    <message>
        <source>Комментарии (можно оставить пустым)</source>
        <translation>Comments (may be left empty)</translation>
    </message>
    <message>
        <source>Комментарии:</source>
        <translation>Comments:</translation>
    </message>
    <message>
        <source>Начальный список комбинаций:</source>
        <translation>Initial combinations list:</translation>
    </message>
    <message>
        <source>Кол-во тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>В случае неоднозначного результата после применения фильтров:</source>
        <translation>When the result after applying the filters is ambiguous:</translation>
    </message>
    <message>
        <source>Редактировать фильтр</source>
        <translation>Edit filter</translation>
    </message>
    <message>
        <source>Фильтр %1:</source>
        <translation>Filter %1:</translation>
    </message>
    <message>
        <source>Количество тестов</source>
        <translation>Number of tests</translation>
    </message>
    <message>
        <source>Укажите количество тестов:</source>
        <translation>Enter the number of tests:</translation>
    </message>
    <message>
        <source>Файлы сценариев (*.lsc)</source>
        <translation>Scenario files (*.lsc)</translation>
    </message>
    <message>
        <source>Добавить сценарий</source>
        <translation>Add scenario</translation>
    </message>
    <message>
        <source>Добавить фильтры</source>
        <translation>Add filters</translation>
    </message>
    <message>
        <source>Добавить разделитель</source>
        <translation>Add separator</translation>
    </message>
    <message>
        <source>Клонировать</source>
        <translation>Clone</translation>
    </message>
    <message>
        <source>Удалить все</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>Переместить вверх</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Переместить вниз</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Редактирование строки</source>
        <translation>Editing a line</translation>
    </message>
    <message>
        <source>Создание новой строки</source>
        <translation>New line</translation>
    </message>
    <message>
        <source>Остановить выполнение сценария?</source>
        <translation>Stop the scenario?</translation>
    </message>
    <message>
        <source>Прогноз</source>
        <translation>Forecast</translation>
    </message>
    <message>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Журнал выполнения сценария</source>
        <translation>Scenario run log</translation>
    </message>
    <message>
        <source>Удалить журналы выполнения сценариев</source>
        <translation>Delete the scenario run logs</translation>
    </message>
    <message>
        <source>Проверять ставки после каждой строки сценария</source>
        <translation>Check the stakes after every scenario line</translation>
    </message>
    <message>
        <source>Цикл: 0</source>
        <translation>Cycle: 0</translation>
    </message>
    <message>
        <source>Строка: 0</source>
        <translation>Line: 0</translation>
    </message>
    <message>
        <source>Ставок: 0</source>
        <translation>Stakes: 0</translation>
    </message>
    <message>
        <source>Строк: %1</source>
        <translation>Lines: %1</translation>
    </message>
    <message>
        <source>Добавление мультиставки</source>
        <translation>Add a multi-stake</translation>
    </message>
    <message>
        <source>Номер первого тиража</source>
        <translation>Number of the first draw</translation>
    </message>
    <message>
        <source>Количество тиражей, на которые нужно сделать ставку (начиная с указанного)</source>
        <translation>Number of draws to stake on (from the given one)</translation>
    </message>
    <message>
        <source>Добавление ставки</source>
        <translation>Add a stake</translation>
    </message>
    <message>
        <source>Ставка:</source>
        <translation>Stake:</translation>
    </message>
    <message>
        <source>Сумма:</source>
        <translation>Amount:</translation>
    </message>
    <message>
        <source>Удаление по условию</source>
        <translation>Delete by condition</translation>
    </message>
    <message>
        <source>Режим сравнения с количеством совпадений</source>
        <translation>How to compare with the number of matches</translation>
    </message>
    <message>
        <source>Выберите условие:</source>
        <translation>Choose the condition:</translation>
    </message>
    <message>
        <source>Ставка &quot;вручную&quot;</source>
        <translation>&quot;Manual&quot; stake</translation>
    </message>
    <message>
        <source>Создание ставок...</source>
        <translation>Making stakes...</translation>
    </message>
    <message>
        <source>Ставок: %1</source>
        <translation>Stakes: %1</translation>
    </message>
    <message>
        <source>Сделать ставку</source>
        <translation>Make a stake</translation>
    </message>
    <message>
        <source>Сделать случайную ставку</source>
        <translation>Make a random stake</translation>
    </message>
    <message>
        <source>Сделать ставки для выделенных комбинаций</source>
        <translation>Make stakes of the selected combinations</translation>
    </message>
    <message>
        <source>Сделать ставки для всех комбинаций</source>
        <translation>Make stakes of all combinations</translation>
    </message>
    <message>
        <source>Системная игра по списку системы</source>
        <translation>System game by the system's list</translation>
    </message>
    <message>
        <source>Системная игра по списку комбинаций</source>
        <translation>System game by the combinations list</translation>
    </message>
    <message>
        <source>Удалить ставку</source>
        <translation>Delete stake</translation>
    </message>
    <message>
        <source>Удалить по условию</source>
        <translation>Delete by condition</translation>
    </message>
    <message>
        <source>Удалить все ставки</source>
        <translation>Delete all stakes</translation>
    </message>
    <message>
        <source>Проверить ставки</source>
        <translation>Check stakes</translation>
    </message>
    <message>
        <source>Журналы ставок</source>
        <translation>Stakes logs</translation>
    </message>
    <message>
        <source>Удалить журналы ставок</source>
        <translation>Delete the stakes logs</translation>
    </message>
    <message>
        <source>Прокручивать список при добавлении</source>
        <translation>Scroll the list when adding</translation>
    </message>
    <message>
        <source>Суммарный профит по тиражам</source>
        <translation>Total profit by draws</translation>
    </message>
    <message>
        <source>Системная игра по всем комбинациям выбранной системы (даже если их нет в списке комбинаций)</source>
        <translation>System game with every combination of the chosen system (even those not in the combinations list)</translation>
    </message>
    <message>
        <source>Системная игра только по комбинациям, которые есть и в системе и в списке комбинаций</source>
        <translation>System game only with the combinations that are both in the system and in the combinations list</translation>
    </message>
    <message>
        <source>№ тиража</source>
        <translation>Draw No.</translation>
    </message>
    <message>
        <source>Вид ставки</source>
        <translation>Stake kind</translation>
    </message>
    <message>
        <source>Моя ставка</source>
        <translation>My stake</translation>
    </message>
    <message>
        <source>Выборка</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Результаты тиража</source>
        <translation>Draw results</translation>
    </message>
    <message>
        <source>Совпадения</source>
        <translation>Matched</translation>
    </message>
    <message>
        <source>Профит</source>
        <translation>Profit</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Описание методики расчета</source>
        <translation>Method description</translation>
    </message>
    <message>
        <source>Описание метода расчета «%1» отсутствует.</source>
        <translation>There is no description of the method &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Наименования фильтров (*.flt)</source>
        <translation>Filter names (*.flt)</translation>
    </message>
    <message>
        <source>Сбросить группу</source>
        <translation>Clear group</translation>
    </message>
    <message>
        <source>Снять отметки со всех фильтров группы</source>
        <translation>Uncheck every filter of the group</translation>
    </message>
    <message>
        <source>Выбрать группу</source>
        <translation>Select group</translation>
    </message>
    <message>
        <source>Поставить отметки у всех фильтров группы</source>
        <translation>Check every filter of the group</translation>
    </message>
    <message>
        <source>Сбросить все</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Снять отметки со всех фильтров</source>
        <translation>Uncheck every filter</translation>
    </message>
    <message>
        <source>Выбрать все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Поставить отметки у всех фильтров</source>
        <translation>Check every filter</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Справочная информация о выделенном методе расчета статистики</source>
        <translation>About the selected statistic method</translation>
    </message>
    <message>
        <source>Переименовать</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Переименовать фильтр</source>
        <translation>Rename the filter</translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Вернуть наименование &quot;по умолчанию&quot;</source>
        <translation>Restore the default name</translation>
    </message>
    <message>
        <source>Импорт названий</source>
        <translation>Import names</translation>
    </message>
    <message>
        <source>Импорт названий фильтров из файла</source>
        <translation>Import filter names from a file</translation>
    </message>
    <message>
        <source>Экспорт названий</source>
        <translation>Export names</translation>
    </message>
    <message>
        <source>Экспорт названий фильтров в файл</source>
        <translation>Export filter names to a file</translation>
    </message>
    <message>
        <source>Менеджер избранных методов расчета статистики</source>
        <translation>Favourite statistic methods</translation>
    </message>
    <message>
        <source>Отметьте методы расчета статистики, которые Вы хотите использовать:</source>
        <translation>Check the statistic methods you want to use:</translation>
    </message>
    <message>
        <source> Параметры вывода наименований в списках методов расчета статистики </source>
        <translation> How method names are shown in the lists of statistic methods </translation>
    </message>
    <message>
        <source>Сортировать списки по названию метода</source>
        <translation>Sort the lists by method name</translation>
    </message>
    <message>
        <source>Отображать идентификатор группы { xxx } перед названием метода</source>
        <translation>Show the group identifier { xxx } before the method name</translation>
    </message>
    <message>
        <source>Отображать особенности метода [ YYY ] после названия метода</source>
        <translation>Show the method's features [ YYY ] after the method name</translation>
    </message>
    <message>
        <source>всего %1 методов</source>
        <translation>%1 methods in all</translation>
    </message>
    <message>
        <source>Переименование</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Введите наименование фильтра:</source>
        <translation>Enter the filter name:</translation>
    </message>
    <message>
        <source>Методы шинковки</source>
        <translation>Shredding methods</translation>
    </message>
    <message>
        <source>Знаков после запятой</source>
        <translation>Decimal places</translation>
    </message>
    <message>
        <source>Формула %1:</source>
        <translation>Formula %1:</translation>
    </message>
    <message>
        <source>Используемые переменные:
n1, n2, n3, ..., nX - числа текущего тиража
p1, p2, p3, ..., pX - числа предыдущего тиража</source>
        <translation>Variables:
n1, n2, n3, ..., nX - numbers of the current draw
p1, p2, p3, ..., pX - numbers of the previous draw</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>В списке комбинаций оставить комбинации с выделенными характеристиками</source>
        <translation>Keep the combinations with the selected characteristics in the list</translation>
    </message>
    <message>
        <source>Из списка комбинаций удалить комбинации с выделенными характеристиками</source>
        <translation>Remove the combinations with the selected characteristics from the list</translation>
    </message>
    <message>
        <source>Использовать сравнение с полным набором комбинаций</source>
        <translation>Compare with the full set of combinations</translation>
    </message>
    <message>
        <source>График идеального распределения</source>
        <translation>Ideal distribution chart</translation>
    </message>
    <message>
        <source>Избранные статистики</source>
        <translation>Favourite statistics</translation>
    </message>
    <message>
        <source>Настройка списка избранных видов статистики (фильтров)</source>
        <translation>Set up the list of favourite kinds of statistics (filters)</translation>
    </message>
    <message>
        <source>Все доступные статистики</source>
        <translation>All available statistics</translation>
    </message>
    <message>
        <source>Отображать все доступные виды статистики (фильтры)</source>
        <translation>Show every available kind of statistics (filter)</translation>
    </message>
    <message>
        <source>Формулы шинковки</source>
        <translation>Shredding formulas</translation>
    </message>
    <message>
        <source>Вы действительно хотите сбросить список избранных фильтров?</source>
        <translation>Do you really want to reset the list of favourite filters?</translation>
    </message>
    <message>
        <source>Метод:</source>
        <translation>Method:</translation>
    </message>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <source>Фактические данные</source>
        <translation>Actual data</translation>
    </message>
    <message>
        <source>Все возможные комбинации</source>
        <translation>All possible combinations</translation>
    </message>
    <message>
        <source>Арабский (Саудовская Аравия)</source>
        <translation>Arabic (Saudi Arabia)</translation>
    </message>
    <message>
        <source>Болгарский</source>
        <translation>Bulgarian</translation>
    </message>
    <message>
        <source>Китайский (Тайвань)</source>
        <translation>Chinese (Taiwan)</translation>
    </message>
    <message>
        <source>Чешский</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>Датский</source>
        <translation>Danish</translation>
    </message>
    <message>
        <source>Немецкий (Германия)</source>
        <translation>German (Germany)</translation>
    </message>
    <message>
        <source>Греческий</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>Английский (США)</source>
        <translation>English (United States)</translation>
    </message>
    <message>
        <source>Финский</source>
        <translation>Finnish</translation>
    </message>
    <message>
        <source>Французский (Франция)</source>
        <translation>French (France)</translation>
    </message>
    <message>
        <source>Иврит</source>
        <translation>Hebrew</translation>
    </message>
    <message>
        <source>Венгерский</source>
        <translation>Hungarian</translation>
    </message>
    <message>
        <source>Итальянский (Италия)</source>
        <translation>Italian (Italy)</translation>
    </message>
    <message>
        <source>Японский</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Корейский</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>Нидерландский (Нидерланды)</source>
        <translation>Dutch (Netherlands)</translation>
    </message>
    <message>
        <source>Норвежский (букмол)</source>
        <translation>Norwegian (Bokmål)</translation>
    </message>
    <message>
        <source>Польский</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Португальский (Бразилия)</source>
        <translation>Portuguese (Brazil)</translation>
    </message>
    <message>
        <source>Румынский</source>
        <translation>Romanian</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Хорватский</source>
        <translation>Croatian</translation>
    </message>
    <message>
        <source>Словацкий</source>
        <translation>Slovak</translation>
    </message>
    <message>
        <source>Шведский</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>Турецкий</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>Украинский</source>
        <translation>Ukrainian</translation>
    </message>
    <message>
        <source>Белорусский</source>
        <translation>Belarusian</translation>
    </message>
    <message>
        <source>Эстонский</source>
        <translation>Estonian</translation>
    </message>
    <message>
        <source>Латышский</source>
        <translation>Latvian</translation>
    </message>
    <message>
        <source>Литовский</source>
        <translation>Lithuanian</translation>
    </message>
    <message>
        <source>Вьетнамский</source>
        <translation>Vietnamese</translation>
    </message>
    <message>
        <source>Армянский</source>
        <translation>Armenian</translation>
    </message>
    <message>
        <source>Грузинский</source>
        <translation>Georgian</translation>
    </message>
    <message>
        <source>Казахский</source>
        <translation>Kazakh</translation>
    </message>
    <message>
        <source>Китайский (КНР)</source>
        <translation>Chinese (PRC)</translation>
    </message>
    <message>
        <source>Английский (Великобритания)</source>
        <translation>English (United Kingdom)</translation>
    </message>
    <message>
        <source>Португальский (Португалия)</source>
        <translation>Portuguese (Portugal)</translation>
    </message>
    <message>
        <source>Немецкий (Австрия)</source>
        <translation>German (Austria)</translation>
    </message>
    <message>
        <source>Английский (Австралия)</source>
        <translation>English (Australia)</translation>
    </message>
    <message>
        <source>Испанский (Испания)</source>
        <translation>Spanish (Spain)</translation>
    </message>
    <message>
        <source>Французский (Канада)</source>
        <translation>French (Canada)</translation>
    </message>
    <message>
        <source>Английский (Канада)</source>
        <translation>English (Canada)</translation>
    </message>
    <message>
        <source>Языковый модуль &quot;%1&quot; не найден!</source>
        <translation>Language module &quot;%1&quot; not found!</translation>
    </message>
    <message>
        <source>Не удалось загрузить языковый модуль &quot;%1&quot;!&#13;&#13;%2</source>
        <translation>Could not load the language module &quot;%1&quot;!&#13;&#13;%2</translation>
    </message>
    <message>
        <source>Сообщения</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Всего сообщений: %1</source>
        <translation>Messages in all: %1</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Окно индикатора уже создано!</source>
        <translation>The progress window already exists!</translation>
    </message>
    <message>
        <source>Некорректное занчение номера столбца сортировки (%1)</source>
        <translation>Invalid sort column number (%1)</translation>
    </message>
    <message>
        <source>Ошибка загрузки параметров программы!</source>
        <translation>Loading the program settings failed!</translation>
    </message>
    <message>
        <source>Ошибка сохранения параметров программы!</source>
        <translation>Saving the program settings failed!</translation>
    </message>
    <message>
        <source>Текущая версия программы:</source>
        <translation>Current program version:</translation>
    </message>
    <message>
        <source>Новая версия программы:</source>
        <translation>New program version:</translation>
    </message>
    <message>
        <source>Описание версии:</source>
        <translation>Version description:</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Установить это обновление</source>
        <translation>Install this update</translation>
    </message>
    <message>
        <source>Отказаться от обновления</source>
        <translation>Decline the update</translation>
    </message>
    <message>
        <source>Поиск обновлений</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Автоматическое обновление</source>
        <translation>Automatic update</translation>
    </message>
    <message>
        <source>Искать обновления программы через интернет</source>
        <translation>Look for program updates on the Internet</translation>
    </message>
    <message>
        <source>Автообновление</source>
        <translation>Automatic update</translation>
    </message>
    <message>
        <source>Автоматическое обновление программы при запуске</source>
        <translation>Update the program automatically at start</translation>
    </message>
    <message>
        <source>В списке комбинаций оставить комбинации с выделенными значениями</source>
        <translation>Keep the combinations with the selected values in the list</translation>
    </message>
    <message>
        <source>Из списка комбинаций удалить комбинации с выделенными  значениями</source>
        <translation>Remove the combinations with the selected values from the list</translation>
    </message>
    <message>
        <source>Выделять каналы в карте тиражей</source>
        <translation>Highlight channels in the draws map</translation>
    </message>
    <message>
        <source>Выделять цветами каналы в карте тиражей</source>
        <translation>Colour the channels in the draws map</translation>
    </message>
    <message>
        <source>Выделять последовательности в карте тиражей</source>
        <translation>Highlight sequences in the draws map</translation>
    </message>
    <message>
        <source>Выделять цветами последовательности в карте тиражей</source>
        <translation>Colour the sequences in the draws map</translation>
    </message>
    <message>
        <source>Обновление карты тиражей...</source>
        <translation>Updating the draws map...</translation>
    </message>
    <message>
        <source>Пересчитать схему</source>
        <translation>Recalculate the layout</translation>
    </message>
    <message>
        <source>Пересчитать таблицы сравнения</source>
        <translation>Recalculate the comparison tables</translation>
    </message>
    <message>
        <source>Градиентная раскраска схемы</source>
        <translation>Gradient colouring of the layout</translation>
    </message>
    <message>
        <source>Градиентная раскраска схемы выпадения номеров</source>
        <translation>Gradient colouring of the layout of drawn numbers</translation>
    </message>
    <message>
        <source>Построение схемы выпадения номеров...</source>
        <translation>Building the layout of drawn numbers...</translation>
    </message>
    <message>
        <source>Пересчитать статистику по выбранным параметрам</source>
        <translation>Recalculate the statistics with the chosen settings</translation>
    </message>
    <message>
        <source>График по дням недели</source>
        <translation>Chart by days of the week</translation>
    </message>
    <message>
        <source>Режим графика на вкладке &quot;дни недели&quot;</source>
        <translation>Chart mode on the &quot;days of the week&quot; tab</translation>
    </message>
    <message>
        <source>График / диаграмма</source>
        <translation>Chart / diagram</translation>
    </message>
    <message>
        <source>Вид графика на вкладке &quot;Дни недели&quot;</source>
        <translation>Chart kind on the &quot;Days of the week&quot; tab</translation>
    </message>
    <message>
        <source>Построение статистики по дням недели...</source>
        <translation>Building the statistics by days of the week...</translation>
    </message>
    <message>
        <source>Количество повторов в зависимости от тиража</source>
        <translation>Number of repeats by draw</translation>
    </message>
    <message>
        <source>Распределение сумм тиражей и всех возможных комбинаций</source>
        <translation>Distribution of the sums of draws and of all possible combinations</translation>
    </message>
    <message>
        <source>Распределение сумм всех возможных комбинаций и архива тиражей одновременно</source>
        <translation>Distribution of the sums of all possible combinations and of the draws archive together</translation>
    </message>
    <message>
        <source>Идет сбор статистики....</source>
        <translation>Collecting statistics....</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Отображать метки на графиках</source>
        <translation>Show labels on the charts</translation>
    </message>
    <message>
        <source>Количество тиражей, использующихся для построения графиков</source>
        <translation>Number of draws used to build the charts</translation>
    </message>
    <message>
        <source>Тип графика</source>
        <translation>Chart type</translation>
    </message>
    <message>
        <source>Отображать метки на графике</source>
        <translation>Show labels on the chart</translation>
    </message>
    <message>
        <source>График:</source>
        <translation>Chart:</translation>
    </message>
    <message>
        <source>Среднее значение</source>
        <translation>Mean value</translation>
    </message>
    <message>
        <source>Наиболее часто встречающееся значение</source>
        <translation>Most frequent value</translation>
    </message>
    <message>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used to compute the statistics</translation>
    </message>
    <message>
        <source>Количество тиражей, использующихся для расчета статистики в списке %1</source>
        <translation>Number of draws used to compute the statistics in list %1</translation>
    </message>
    <message>
        <source>Кол-во</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Количество тиражей, просматриваемых &quot;в глубину&quot; для поиска совпадений</source>
        <translation>Number of draws looked back &quot;in depth&quot; for matches</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Кол-во повторов</source>
        <translation>Repeats</translation>
    </message>
    <message>
        <source>Список тиражей</source>
        <translation>Draws list</translation>
    </message>
    <message>
        <source>Построить графики по выбранным параметрам</source>
        <translation>Build the charts with the chosen settings</translation>
    </message>
    <message>
        <source>Анализ тиражей и построение графиков...</source>
        <translation>Analysing the draws and building the charts...</translation>
    </message>
    <message>
        <source>Свойства сценария</source>
        <translation>Scenario properties</translation>
    </message>
    <message>
        <source>Название сценария</source>
        <translation>Scenario title</translation>
    </message>
    <message>
        <source>Автор сценария</source>
        <translation>Scenario author</translation>
    </message>
    <message>
        <source>Язык сценария</source>
        <translation>Scenario language</translation>
    </message>
    <message>
        <source>Только в &quot;%1&quot;</source>
        <translation>Only in &quot;%1&quot;</translation>
    </message>
    <message>
        <source>В любом приложении Quelmo</source>
        <translation>In any Quelmo application</translation>
    </message>
    <message>
        <source> Применяемость </source>
        <translation> Applicability </translation>
    </message>
    <message>
        <source>В каком приложении можно использовать данный сценарий</source>
        <translation>In which application this scenario can be used</translation>
    </message>
    <message>
        <source>Сценарий виден всем пользователям</source>
        <translation>The scenario is visible to all users</translation>
    </message>
    <message>
        <source>Сценарий виден только мне</source>
        <translation>The scenario is visible only to me</translation>
    </message>
    <message>
        <source> Доступность </source>
        <translation> Availability </translation>
    </message>
    <message>
        <source>Разрешаете ли Вы использовать данный сценарий другим членам сообщества</source>
        <translation>Do you allow other members of the community to use this scenario</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отправить сценарий на сервер</source>
        <translation>Send the scenario to the server</translation>
    </message>
    <message>
        <source>Название:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Автор:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Язык:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Описание:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Название сценария должно быть указано обязательно!</source>
        <translation>The scenario title must be given!</translation>
    </message>
    <message>
        <source>Сценарий с таким названием уже существует!
Выберите другое название.</source>
        <translation>A scenario with this title already exists!
Choose another title.</translation>
    </message>
    <message>
        <source>Имя автора должно быть указано обязательно!</source>
        <translation>The author's name must be given!</translation>
    </message>
    <message>
        <source>Оценки пользователей</source>
        <translation>User ratings</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Библиотека</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>Online каталог сценариев</source>
        <translation>Online scenario catalog</translation>
    </message>
    <message>
        <source>Перезагрузить каталог с сервера</source>
        <translation>Reload the catalog from the server</translation>
    </message>
    <message>
        <source>Скачать из каталога</source>
        <translation>Download from the catalog</translation>
    </message>
    <message>
        <source>Скачать выбранный сценарий из online-каталога</source>
        <translation>Download the selected scenario from the online catalog</translation>
    </message>
    <message>
        <source>Скачать</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Опубликовать</source>
        <translation>Publish</translation>
    </message>
    <message>
        <source>Опубликовать текущий сценарий в online-каталоге</source>
        <translation>Publish the current scenario in the online catalog</translation>
    </message>
    <message>
        <source>Заменить выделенный сценарий в online-каталоге текущим</source>
        <translation>Replace the selected scenario in the online catalog with the current one</translation>
    </message>
    <message>
        <source>Удалить выделенный сценарий из online-каталога</source>
        <translation>Delete the selected scenario from the online catalog</translation>
    </message>
    <message>
        <source>Просмотр сведений о выделенном сценарии</source>
        <translation>View the details of the selected scenario</translation>
    </message>
    <message>
        <source>Просмотр оценок</source>
        <translation>View ratings</translation>
    </message>
    <message>
        <source>Просмотр оценок сценария пользователями</source>
        <translation>View the users' ratings of the scenario</translation>
    </message>
    <message>
        <source>Удалить оценку</source>
        <translation>Remove rating</translation>
    </message>
    <message>
        <source>Удалить Вашу оценку</source>
        <translation>Remove your rating</translation>
    </message>
    <message>
        <source>[ 1 ] - Бесполезно</source>
        <translation>[ 1 ] - Useless</translation>
    </message>
    <message>
        <source>[ 2 ] - Плохо</source>
        <translation>[ 2 ] - Poor</translation>
    </message>
    <message>
        <source>[ 3 ] - Удовлетворительно</source>
        <translation>[ 3 ] - Fair</translation>
    </message>
    <message>
        <source>[ 4 ] - Хорошо</source>
        <translation>[ 4 ] - Good</translation>
    </message>
    <message>
        <source>[ 5 ] - Отлично</source>
        <translation>[ 5 ] - Excellent</translation>
    </message>
    <message>
        <source>Установить оценку &quot;%1&quot;</source>
        <translation>Set the rating &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Скрыть сценарий</source>
        <translation>Hide scenario</translation>
    </message>
    <message>
        <source>Исключить сценарий из Вашего списка</source>
        <translation>Remove the scenario from your list</translation>
    </message>
    <message>
        <source>Оценить</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Оценить выбранный сценарий</source>
        <translation>Rate the selected scenario</translation>
    </message>
    <message>
        <source>Online-каталог сценариев</source>
        <translation>Online scenario catalog</translation>
    </message>
    <message>
        <source>Загрузка online-каталога сценариев...</source>
        <translation>Loading the online scenario catalog...</translation>
    </message>
    <message>
        <source>Скачивание сценария из online-каталога...</source>
        <translation>Downloading the scenario from the online catalog...</translation>
    </message>
    <message>
        <source>Ошибка публикации online-сценария!

%1</source>
        <translation>Error publishing the online scenario!

%1</translation>
    </message>
    <message>
        <source>Адрес online-сервиса не задан (ключ ServiceUrl раздела [ONLINE] файла конфигурации).</source>
        <translation>The online service address is not set (key ServiceUrl of section [ONLINE] of the configuration file).</translation>
    </message>
    <message>
        <source>Сохранение сценария в базе данных...</source>
        <translation>Saving the scenario in the database...</translation>
    </message>
    <message>
        <source>Вы действительно хотите удалить сценарий &quot;%1&quot;?</source>
        <translation>Do you really want to delete the scenario &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Удаление сценария из базы данных...</source>
        <translation>Deleting the scenario from the database...</translation>
    </message>
    <message>
        <source>Ошибка просмотра свойств online-сценария!

%1</source>
        <translation>Error viewing the properties of the online scenario!

%1</translation>
    </message>
    <message>
        <source>Загрузка списка оценок...</source>
        <translation>Loading the list of ratings...</translation>
    </message>
    <message>
        <source>Вы можете оставить свой комментарий:</source>
        <translation>You may leave your comment:</translation>
    </message>
    <message>
        <source>Отправка оценки на сервер...</source>
        <translation>Sending the rating to the server...</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Создан</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Оценок</source>
        <translation>Ratings</translation>
    </message>
    <message>
        <source>Ваша оценка</source>
        <translation>Your rating</translation>
    </message>
    <message>
        <source>Загрузок</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Последняя</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Скрытые</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Все, включая скрытые</source>
        <translation>All, hidden included</translation>
    </message>
    <message>
        <source>Все, кроме скрытых (по умолчанию)</source>
        <translation>All except hidden (default)</translation>
    </message>
    <message>
        <source>Только мои</source>
        <translation>Only mine</translation>
    </message>
    <message>
        <source>Только публичные</source>
        <translation>Only public</translation>
    </message>
    <message>
        <source>С моими оценками</source>
        <translation>Rated by me</translation>
    </message>
    <message>
        <source>Без моих оценок</source>
        <translation>Not rated by me</translation>
    </message>
    <message>
        <source>Новые (24 часа с момента публикации)</source>
        <translation>New (24 hours since publication)</translation>
    </message>
    <message>
        <source>Мой</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Общий</source>
        <translation>Shared</translation>
    </message>
    <message>
        <source>Универсальный</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Скрытый</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Фильтр сценариев</source>
        <translation>Scenario filter</translation>
    </message>
    <message>
        <source>Online-каталог сценариев недоступен: адрес сервиса не задан (ключ ServiceUrl раздела [ONLINE] файла конфигурации).</source>
        <translation>The online scenario catalog is not available: the service address is not set (key ServiceUrl of section [ONLINE] of the configuration file).</translation>
    </message>
    <message>
        <source>Открыть файл %1</source>
        <translation>Open file %1</translation>
    </message>
    <message>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Название системы</source>
        <translation>System name</translation>
    </message>
    <message>
        <source>Описание системы</source>
        <translation>System description</translation>
    </message>
    <message>
        <source>Автор системы</source>
        <translation>System author</translation>
    </message>
    <message>
        <source>Ссылка на интернет-ресурс</source>
        <translation>Link to a web page</translation>
    </message>
    <message>
        <source>Открыть ссылку в браузере</source>
        <translation>Open the link in the browser</translation>
    </message>
    <message>
        <source>Список комбинаций системы</source>
        <translation>The system's list of combinations</translation>
    </message>
    <message>
        <source>Время создания системы</source>
        <translation>Time the system was created</translation>
    </message>
    <message>
        <source>Количество комбинаций в списке</source>
        <translation>Number of combinations in the list</translation>
    </message>
    <message>
        <source>Количество используемых чисел</source>
        <translation>Number of numbers used</translation>
    </message>
    <message>
        <source>Длина одной комбинации</source>
        <translation>Length of one combination</translation>
    </message>
    <message>
        <source>Длина блока</source>
        <translation>Block length</translation>
    </message>
    <message>
        <source>Количество загрузок пользователями</source>
        <translation>Number of downloads by users</translation>
    </message>
    <message>
        <source>Время последней загрузки</source>
        <translation>Time of the last download</translation>
    </message>
    <message>
        <source>Наименование:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Ссылка:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Создана:</source>
        <translation>Created:</translation>
    </message>
    <message>
        <source>Комбинаций:</source>
        <translation>Combinations:</translation>
    </message>
    <message>
        <source>Числа:</source>
        <translation>Numbers:</translation>
    </message>
    <message>
        <source>Длина:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>Блок:</source>
        <translation>Block:</translation>
    </message>
    <message>
        <source>Загрузок:</source>
        <translation>Downloads:</translation>
    </message>
    <message>
        <source>Последняя:</source>
        <translation>Last:</translation>
    </message>
    <message>
        <source>Список комбинаций:</source>
        <translation>List of combinations:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является целым числом.</source>
        <translation>&quot;%1&quot; is not an integer.</translation>
    </message>
    <message>
        <source>Название системы должно быть указано обязательно!</source>
        <translation>The system name must be given!</translation>
    </message>
    <message>
        <source>Указано недопустмое количество используемых чисел!</source>
        <translation>The number of numbers used is not allowed!</translation>
    </message>
    <message>
        <source>Указан недопустмый размер блока!</source>
        <translation>The block size is not allowed!</translation>
    </message>
    <message>
        <source>Описание системы должно быть указано обязательно!</source>
        <translation>The system description must be given!</translation>
    </message>
    <message>
        <source>Содержимое системы должно быть указано обязательно!</source>
        <translation>The system's contents must be given!</translation>
    </message>
    <message>
        <source>Копировать в буфер обмена</source>
        <translation>Copy to the clipboard</translation>
    </message>
    <message>
        <source>Копировать в буфер обмена Windows</source>
        <translation>Copy to the system clipboard</translation>
    </message>
    <message>
        <source>Вставить из буфера обмена</source>
        <translation>Paste from the clipboard</translation>
    </message>
    <message>
        <source>Вставить из буфера обмена Windows</source>
        <translation>Paste from the system clipboard</translation>
    </message>
    <message>
        <source>Выделить все комбинации</source>
        <translation>Select all combinations</translation>
    </message>
    <message>
        <source>Загрузить из текстового файла</source>
        <translation>Load from a text file</translation>
    </message>
    <message>
        <source>Сохранить в текстовом файле</source>
        <translation>Save to a text file</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Не удалось открыть файл &quot;%1&quot;.</source>
        <translation>Could not open the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл &quot;%1&quot;.</source>
        <translation>Could not save the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Системная игра</source>
        <translation>System game</translation>
    </message>
    <message>
        <source>Включить или выключить список систем</source>
        <translation>Show or hide the list of systems</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Загрузить выделенные системы</source>
        <translation>Download the selected systems</translation>
    </message>
    <message>
        <source>Перезагрузить список с сервера</source>
        <translation>Reload the list from the server</translation>
    </message>
    <message>
        <source>Добавить свою систему в список</source>
        <translation>Add your own system to the list</translation>
    </message>
    <message>
        <source>Просмотр / редактирование свойств системы</source>
        <translation>View / edit the system's properties</translation>
    </message>
    <message>
        <source>Удалить свои системы из списка</source>
        <translation>Delete your own systems from the list</translation>
    </message>
    <message>
        <source>Ошибка добавления системы!</source>
        <translation>Error adding the system!</translation>
    </message>
    <message>
        <source>Ошибка изменения системы!</source>
        <translation>Error changing the system!</translation>
    </message>
    <message>
        <source>Вы можете удалять только свои системы!</source>
        <translation>You may delete only your own systems!</translation>
    </message>
    <message>
        <source>Вы действительно хотите удалить систему &quot;%1&quot;?</source>
        <translation>Do you really want to delete the system &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Ошибка удаления системы!</source>
        <translation>Error deleting the system!</translation>
    </message>
    <message>
        <source>Не удалось удалить файл &quot;%1&quot;.</source>
        <translation>Could not delete the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Числа</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Дата создания</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Статус</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Ссылка</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Загружена</source>
        <translation>Downloaded</translation>
    </message>
</context>
</TS>
