<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>app</name>
    <message>
        <source>Игрок</source>
        <translation>Player</translation>
    </message>
</context>
<context>
    <name>duel</name>
    <message>
        <source>Не может быть одновременно %1 шелв(а,ы) и %2 злык(а)</source>
        <translation>There cannot be %1 stray(s) and %2 hit(s) at once</translation>
    </message>
    <message>
        <source>Числа не должны повторяться !</source>
        <translation>Digits must not repeat !</translation>
    </message>
    <message>
        <source>Загадайте число:</source>
        <translation>Think of a number:</translation>
    </message>
    <message>
        <source>Вы хотите загадать число, но не показывать его компьютеру? В этом нет нужды. Он использует его только для автоматического выставления количества шелв и злыков. Если вы хотите скрыть число, то вам придётся вручную выставлять эти цифры. Вы согласны на это?</source>
        <translation>Do you want to think of a number without showing it to the computer? There is no need: it uses the number only to set the counts of strays and hits for you. If you hide the number, you will have to set these counts by hand. Do you agree?</translation>
    </message>
    <message>
        <source>Вы хотите продолжить игру до разоблачения компьютера ?</source>
        <translation>Do you want to play on until you find the computer&apos;s number ?</translation>
    </message>
    <message>
        <source>Вы совершили ошибку при вводе количества шелв и злыков. Я вынужден остановить игру. Чтобы не возникало таких ситуаций, вводите число при запросе в начале игры.</source>
        <translation>You made a mistake when entering the counts of strays and hits. I have to stop the game. To avoid this, type your number when asked at the start of the game.</translation>
    </message>
    <message>
        <source>Компьютер загадал число %1.</source>
        <translation>The computer&apos;s number was %1.</translation>
    </message>
    <message>
        <source>Повторяющийся вариант !</source>
        <translation>You have tried this number already !</translation>
    </message>
</context>
<context>
    <name>gallery</name>
    <message>
        <source>Всё в порядке.</source>
        <translation>All is well.</translation>
    </message>
    <message>
        <source>Файлы набора картинок не найдены.</source>
        <translation>The picture set&apos;s files were not found.</translation>
    </message>
    <message>
        <source>Не удалось прочитать список размеров картинок.</source>
        <translation>The list of picture sizes could not be read.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл с картинками.</source>
        <translation>The file of pictures could not be read.</translation>
    </message>
    <message>
        <source>В списке размеров неверное число картинок.</source>
        <translation>The list of sizes gives a wrong number of pictures.</translation>
    </message>
    <message>
        <source>В списке размеров картинок есть нечисловое значение.</source>
        <translation>The list of picture sizes holds a value that is not a number.</translation>
    </message>
    <message>
        <source>В списке размеров картинок не хватает значений.</source>
        <translation>The list of picture sizes is missing values.</translation>
    </message>
    <message>
        <source>В списке размеров есть картинка размером меньше одного байта.</source>
        <translation>The list of sizes has a picture smaller than one byte.</translation>
    </message>
    <message>
        <source>В списке размеров есть слишком большая картинка.</source>
        <translation>The list of sizes has a picture that is too large.</translation>
    </message>
    <message>
        <source>В наборе нет картинки с таким номером.</source>
        <translation>The set has no picture with that number.</translation>
    </message>
    <message>
        <source>Картинка лежит слишком далеко от начала файла с картинками.</source>
        <translation>The picture lies too far from the start of the file of pictures.</translation>
    </message>
    <message>
        <source>Файл с картинками короче, чем говорит список размеров.</source>
        <translation>The file of pictures is shorter than the list of sizes says.</translation>
    </message>
    <message>
        <source>Файл не является картинкой JPEG.</source>
        <translation>The file is not a JPEG picture.</translation>
    </message>
    <message>
        <source>В наборе может быть не больше 254 картинок.</source>
        <translation>A set can hold at most 254 pictures.</translation>
    </message>
    <message>
        <source>Не удалось записать файл.</source>
        <translation>The file could not be written.</translation>
    </message>
    <message>
        <source>Картинка слишком велика: в ней больше 24 миллионов точек.</source>
        <translation>The picture is too large: it has more than 24 million pixels.</translation>
    </message>
    <message>
        <source>Неизвестная ошибка набора картинок.</source>
        <translation>Unknown error in the picture set.</translation>
    </message>
    <message>
        <source>Тесса Куорин</source>
        <translation>Tessa Quorin</translation>
    </message>
    <message>
        <source>8 ФОТО</source>
        <translation>8 PICS</translation>
    </message>
    <message>
        <source>Марла Вентобрикс</source>
        <translation>Marla Ventobrix</translation>
    </message>
    <message>
        <source>5 ФОТО</source>
        <translation>5 PICS</translation>
    </message>
    <message>
        <source>Дориа Фелстранд</source>
        <translation>Doria Felstrand</translation>
    </message>
    <message>
        <source>Луна Прессвик</source>
        <translation>Luna Pressvick</translation>
    </message>
    <message>
        <source>4 ФОТО</source>
        <translation>4 PICS</translation>
    </message>
    <message>
        <source>Нина Корвельд</source>
        <translation>Nina Corveld</translation>
    </message>
    <message>
        <source>Вы дошли до %1 каринки на другой линии.<byte value="xd"/>
Вы дейcтвительно хотите оборвать ту линию побед и перейти на другую ?</source>
        <translation>You have reached picture %1 on another line.<byte value="xd"/>
Do you really want to break off that line of wins and go over to another one ?</translation>
    </message>
    <message>
        <source>Вы достигли конца галереи. Советуем переключиться на другую красотку !!!</source>
        <translation>You have reached the end of the gallery. Switch to another beauty !!!</translation>
    </message>
    <message>
        <source>У вас нет некоторых файлов для полного набора. Их можно загрузить с сайте программы. Запустить браузер по нужному адресу ?</source>
        <translation>Some files of the full set are missing. They can be downloaded from the game&apos;s web site. Open the browser at that address ?</translation>
    </message>
</context>
<context>
    <name>journal</name>
    <message>
        <source>Дата,Режим,Итог,Ваших ходов,Ходов компьютера / соперника,Время,Ваше число,Число компьютера / соперника,Соперник</source>
        <translation>Date,Mode,Result,Your moves,Moves of the computer / opponent,Time,Your number,Number of the computer / opponent,Opponent</translation>
    </message>
    <message>
        <source>по сети</source>
        <translation>over the network</translation>
    </message>
    <message>
        <source>число скрыто, сильный</source>
        <translation>number hidden, strong</translation>
    </message>
    <message>
        <source>число открыто, сильный</source>
        <translation>number shown, strong</translation>
    </message>
    <message>
        <source>число скрыто</source>
        <translation>number hidden</translation>
    </message>
    <message>
        <source>число открыто</source>
        <translation>number shown</translation>
    </message>
    <message>
        <source>не окончена</source>
        <translation>unfinished</translation>
    </message>
    <message>
        <source>ваша победа</source>
        <translation>you won</translation>
    </message>
    <message>
        <source>победа соперника</source>
        <translation>the opponent won</translation>
    </message>
    <message>
        <source>победа компьютера</source>
        <translation>the computer won</translation>
    </message>
    <message>
        <source>победа соперника, вы нашли число позже</source>
        <translation>the opponent won, you found the number later</translation>
    </message>
    <message>
        <source>победа компьютера, вы нашли число позже</source>
        <translation>the computer won, you found the number later</translation>
    </message>
    <message>
        <source>ошибка в ответах</source>
        <translation>wrong answers</translation>
    </message>
    <message>
        <source>ничья</source>
        <translation>draw</translation>
    </message>
    <message>
        <source>ваша победа: соперник выбыл</source>
        <translation>you won: the opponent left</translation>
    </message>
    <message>
        <source>связь прервалась</source>
        <translation>connection lost</translation>
    </message>
    <message>
        <source>победа соперника: вы выбыли</source>
        <translation>the opponent won: you left</translation>
    </message>
    <message>
        <source>брошена</source>
        <translation>abandoned</translation>
    </message>
    <message numerus="yes">
        <source>%n ходов</source>
        <translation>
            <numerusform>%n move</numerusform>
            <numerusform>%n moves</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 и больше</source>
        <translation>%1 or more</translation>
    </message>
    <message numerus="yes">
        <source>%n побед</source>
        <translation>
            <numerusform>%n win</numerusform>
            <numerusform>%n wins</numerusform>
        </translation>
    </message>
    <message>
        <source>Вы: побед нет.</source>
        <translation>You: no wins.</translation>
    </message>
    <message>
        <source>Компьютер: побед нет.</source>
        <translation>Computer: no wins.</translation>
    </message>
    <message>
        <source>Вы: %1.</source>
        <translation>You: %1.</translation>
    </message>
    <message>
        <source>Компьютер: %1.</source>
        <translation>Computer: %1.</translation>
    </message>
    <message>
        <source>Файл журнала игр «%1» был повреждён. Он сохранён как «%2», а журнал начат заново.</source>
        <translation>The journal of games “%1” was damaged. It was kept as “%2” and the journal was started afresh.</translation>
    </message>
    <message>
        <source>файл «%1» повреждён</source>
        <translation>the file “%1” is damaged</translation>
    </message>
    <message>
        <source>файл был повреждён и сохранён как «%1», а новый начать не удалось</source>
        <translation>the file was damaged and kept as “%1”, and a new one could not be started</translation>
    </message>
    <message>
        <source>файл «%1» занят другой программой (это может быть другая запущенная игра)</source>
        <translation>the file “%1” is held by another program (it may be another game that is running)</translation>
    </message>
    <message>
        <source>на месте файла «%1» в папке «%2» находится папка или особый файл, а не обычный файл</source>
        <translation>in place of the file “%1” in the folder “%2” there is a folder or a special file, not a regular file</translation>
    </message>
    <message>
        <source>файл «%1» — ссылка на файл, которого нет</source>
        <translation>the file “%1” is a link to a file that does not exist</translation>
    </message>
    <message>
        <source>файл «%1» защищён от записи</source>
        <translation>the file “%1” is write-protected</translation>
    </message>
    <message>
        <source>диск заполнен</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>его записала более новая версия игры, файл оставлен как есть</source>
        <translation>a newer version of the game wrote it; the file is left as it is</translation>
    </message>
    <message>
        <source>файл «%1» в папке «%2» больше не записывается</source>
        <translation>the file “%1” in the folder “%2” can no longer be written</translation>
    </message>
    <message>
        <source>в папку «%1» нельзя писать</source>
        <translation>the folder “%1” cannot be written to</translation>
    </message>
    <message>
        <source>Запись в журнал игр остановлена: %1. Игра продолжается без журнала.</source>
        <translation>The journal of games has stopped: %1. The game goes on without the journal.</translation>
    </message>
    <message>
        <source>Журнал игр недоступен: %1. Игра продолжается без журнала.</source>
        <translation>The journal of games is not available: %1. The game goes on without the journal.</translation>
    </message>
    <message>
        <source>Игр</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Побед</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>Доля побед</source>
        <translation>Share of wins</translation>
    </message>
    <message>
        <source>Ходов до победы, в среднем</source>
        <translation>Moves to win, on average</translation>
    </message>
    <message>
        <source>Меньше всего ходов до победы</source>
        <translation>Fewest moves to win</translation>
    </message>
    <message>
        <source>Побед подряд сейчас</source>
        <translation>Wins in a row now</translation>
    </message>
    <message>
        <source>Побед подряд, больше всего</source>
        <translation>Most wins in a row</translation>
    </message>
    <message>
        <source>Нашли число после проигрыша</source>
        <translation>Found the number after losing</translation>
    </message>
    <message>
        <source>Время в игре</source>
        <translation>Time played</translation>
    </message>
    <message>
        <source>через Jabber</source>
        <translation>through Jabber</translation>
    </message>
</context>
<context>
    <name>main_window</name>
    <message>
        <source>нету</source>
        <translation>0</translation>
    </message>
    <message>
        <source>нет злыков</source>
        <translation>no hits</translation>
    </message>
    <message>
        <source>один злык</source>
        <translation>one hit</translation>
    </message>
    <message>
        <source>два злыка</source>
        <translation>two hits</translation>
    </message>
    <message>
        <source>три злыка</source>
        <translation>three hits</translation>
    </message>
    <message>
        <source>четыре злыка</source>
        <translation>four hits</translation>
    </message>
    <message>
        <source>нет шелв</source>
        <translation>no strays</translation>
    </message>
    <message>
        <source>одна шелва</source>
        <translation>one stray</translation>
    </message>
    <message>
        <source>две шелвы</source>
        <translation>two strays</translation>
    </message>
    <message>
        <source>три шелвы</source>
        <translation>three strays</translation>
    </message>
    <message>
        <source>четыре шелвы</source>
        <translation>four strays</translation>
    </message>
    <message>
        <source> | Числа | Ш | З | </source>
        <translation> | Numbers | S | H | </translation>
    </message>
    <message>
        <source>Предложенные вами варианты</source>
        <translation>The numbers you have tried</translation>
    </message>
    <message>
        <source>Шелвы:</source>
        <translation>Strays:</translation>
    </message>
    <message>
        <source>Сколько шелв ... ?</source>
        <translation>How many strays ... ?</translation>
    </message>
    <message>
        <source>Злыки:</source>
        <translation>Hits:</translation>
    </message>
    <message>
        <source>Сколько злыков ... ?</source>
        <translation>How many hits ... ?</translation>
    </message>
    <message>
        <source>Вариант компьютера:</source>
        <translation>Computer&apos;s guess:</translation>
    </message>
    <message>
        <source>Мой вариант:</source>
        <translation>My guess:</translation>
    </message>
    <message>
        <source>Ваш ход</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>Ход компьютера</source>
        <translation>Computer&apos;s move</translation>
    </message>
    <message>
        <source>Вариант «%1»:</source>
        <translation>Guess of “%1”:</translation>
    </message>
    <message>
        <source>&amp;Нету</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source>&amp;Тесса Куорин</source>
        <translation>&amp;Tessa Quorin</translation>
    </message>
    <message>
        <source>&amp;Марла Вентобрикс</source>
        <translation>&amp;Marla Ventobrix</translation>
    </message>
    <message>
        <source>&amp;Дориа Фелстранд</source>
        <translation>&amp;Doria Felstrand</translation>
    </message>
    <message>
        <source>&amp;Луна Прессвик</source>
        <translation>&amp;Luna Pressvick</translation>
    </message>
    <message>
        <source>&amp;Нина Корвельд</source>
        <translation>N&amp;ina Corveld</translation>
    </message>
    <message>
        <source>&amp;Дополнительно</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>К&amp;расотка</source>
        <translation>&amp;Beauty</translation>
    </message>
    <message>
        <source>&amp;Подсказка</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Сильный соперник</source>
        <translation>&amp;Strong opponent</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Вызов справки</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>Предложение рекламодателям</source>
        <translation>Offer to advertisers</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Игра</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Новая игра</source>
        <translation>&amp;New game</translation>
    </message>
    <message>
        <source>&amp;Продолжить прошлую игру</source>
        <translation>&amp;Resume the last game</translation>
    </message>
    <message>
        <source>&amp;Дуэль по сети ...</source>
        <translation>&amp;Duel over the network ...</translation>
    </message>
    <message>
        <source>По&amp;бедители ...</source>
        <translation>&amp;Winners ...</translation>
    </message>
    <message>
        <source>&amp;Статистика ...</source>
        <translation>&amp;Statistics ...</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Соединяемся с %1 ...</source>
        <translation>Connecting to %1 ...</translation>
    </message>
    <message>
        <source>Соперник открывает число ...</source>
        <translation>The opponent is revealing the number ...</translation>
    </message>
    <message>
        <source>Есть прерванная игра: &apos;Игра&apos; --&gt; &apos;Продолжить прошлую игру&apos;</source>
        <translation>A game was broken off: &apos;Game&apos; --&gt; &apos;Resume the last game&apos;</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Больше не ждать соперника (Esc)</source>
        <translation>Stop waiting for an opponent (Esc)</translation>
    </message>
    <message>
        <source>Жми &apos;Игра&apos; --&gt; &apos;Новая игра&apos; или &apos;F2&apos;</source>
        <translation>Press &apos;Game&apos; --&gt; &apos;New game&apos; or &apos;F2&apos;</translation>
    </message>
</context>
<context>
    <name>network</name>
    <message>
        <source>он занят другой программой.</source>
        <translation>another program is using it.</translation>
    </message>
    <message>
        <source>Не удалось открыть порт %1 для дуэли: %2</source>
        <translation>Could not open port %1 for the duel: %2</translation>
    </message>
    <message>
        <source>там никто не ждёт игры</source>
        <translation>nobody is waiting for a game there</translation>
    </message>
    <message>
        <source>адрес не найден</source>
        <translation>the address was not found</translation>
    </message>
    <message>
        <source>сеть недоступна</source>
        <translation>the network is unreachable</translation>
    </message>
    <message>
        <source>Не удалось подключиться к %1: %2.</source>
        <translation>Could not connect to %1: %2.</translation>
    </message>
    <message>
        <source>Соперник отказался от дуэли.</source>
        <translation>The opponent declined the duel.</translation>
    </message>
    <message>
        <source>Соперник уже играет.</source>
        <translation>The opponent is already playing.</translation>
    </message>
    <message>
        <source>У соперника другая версия игры.</source>
        <translation>The opponent has another version of the game.</translation>
    </message>
    <message>
        <source>Связь с соперником потеряна.</source>
        <translation>The connection to the opponent was lost.</translation>
    </message>
    <message>
        <source>Соперник не представился вовремя.</source>
        <translation>The opponent did not introduce itself in time.</translation>
    </message>
    <message>
        <source>Соперник не ответил на приглашение за 2 минуты.</source>
        <translation>The opponent did not answer the invitation within 2 minutes.</translation>
    </message>
    <message>
        <source>Соперник не загадал число за 2 минуты.</source>
        <translation>The opponent did not think of a number within 2 minutes.</translation>
    </message>
    <message>
        <source>соперник не отвечает</source>
        <translation>the opponent does not answer</translation>
    </message>
    <message>
        <source>Соперник покинул дуэль. Победа засчитана вам.</source>
        <translation>The opponent left the duel. The win is yours.</translation>
    </message>
    <message>
        <source>Соперник не сделал ход за 2 минуты. Победа засчитана вам.</source>
        <translation>The opponent made no move within 2 minutes. The win is yours.</translation>
    </message>
    <message>
        <source>Соперник не открыл своё число. Победа засчитана вам.</source>
        <translation>The opponent did not reveal its number. The win is yours.</translation>
    </message>
    <message>
        <source>Вы не сделали ход за 2 минуты. Победа засчитана сопернику.</source>
        <translation>You made no move within 2 minutes. The win goes to the opponent.</translation>
    </message>
    <message>
        <source>Соперник прислал непонятное сообщение.</source>
        <translation>The opponent sent a message that makes no sense.</translation>
    </message>
    <message>
        <source>Соперник прислал слишком длинное сообщение.</source>
        <translation>The opponent sent a message that is too long.</translation>
    </message>
    <message>
        <source>Соперник прислал ход не из четырёх разных цифр от 1 до 9.</source>
        <translation>The opponent sent a move that is not four different digits from 1 to 9.</translation>
    </message>
    <message>
        <source>Соперник прислал невозможный ответ.</source>
        <translation>The opponent sent an impossible answer.</translation>
    </message>
    <message>
        <source>Соперник прислал сообщение не в свою очередь.</source>
        <translation>The opponent sent a message out of turn.</translation>
    </message>
    <message>
        <source>Соперник назвался недопустимым именем.</source>
        <translation>The opponent gave a name that is not allowed.</translation>
    </message>
    <message>
        <source>Соперник открыл не то число, которое загадал.</source>
        <translation>The opponent revealed another number than the one it thought of.</translation>
    </message>
    <message>
        <source>Введите имя.</source>
        <translation>Type a name.</translation>
    </message>
    <message>
        <source>Имя должно быть не длиннее 20 знаков.</source>
        <translation>The name must be at most 20 characters long.</translation>
    </message>
    <message>
        <source>В имени есть недопустимые знаки.</source>
        <translation>The name holds characters that are not allowed.</translation>
    </message>
    <message>
        <source>Имя не должно начинаться или кончаться пробелом.</source>
        <translation>The name must not begin or end with a space.</translation>
    </message>
    <message>
        <source>Порт должен быть числом от 1 до 65535.</source>
        <translation>The port must be a number from 1 to 65535.</translation>
    </message>
    <message>
        <source>Введите адрес соперника.</source>
        <translation>Type the opponent&apos;s address.</translation>
    </message>
    <message>
        <source>порты ниже 1024 может открыть только администратор (root). Выберите порт от 1024 до 65535.</source>
        <translation>only the administrator (root) can open ports below 1024. Choose a port from 1024 to 65535.</translation>
    </message>
    <message>
        <source>Поиск игр в сети недоступен: введите адрес.</source>
        <translation>Finding games on the network is not available: type an address.</translation>
    </message>
    <message>
        <source>Ваш ход</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>Вы победили!</source>
        <translation>You won!</translation>
    </message>
    <message>
        <source>Ничья.</source>
        <translation>A draw.</translation>
    </message>
    <message>
        <source>Загадайте число:</source>
        <translation>Think of a number:</translation>
    </message>
    <message>
        <source>Ждём ответа соперника ...</source>
        <translation>Waiting for the opponent&apos;s answer ...</translation>
    </message>
    <message>
        <source>Ход соперника: %1</source>
        <translation>Opponent&apos;s move: %1</translation>
    </message>
    <message>
        <source>Победил соперник «%1».</source>
        <translation>The opponent “%1” won.</translation>
    </message>
    <message>
        <source>Число соперника: %1</source>
        <translation>The opponent&apos;s number: %1</translation>
    </message>
    <message>
        <source>Ждём соперника: порт %1</source>
        <translation>Waiting for an opponent: port %1</translation>
    </message>
    <message>
        <source>Игрок «%1» (%2) хочет сыграть с вами. Начать дуэль?</source>
        <translation>The player “%1” (%2) wants to play with you. Start the duel?</translation>
    </message>
    <message>
        <source>Игрок «%1» ушёл, не дождавшись ответа.</source>
        <translation>The player “%1” left without waiting for an answer.</translation>
    </message>
    <message>
        <source>На ход осталось %1 с</source>
        <translation>%1 s left for the move</translation>
    </message>
    <message>
        <source>Ответы соперника не сходятся с его числом (ход %1).</source>
        <translation>The opponent&apos;s answers do not fit its number (move %1).</translation>
    </message>
    <message>
        <source>Адрес — это имя компьютера или адрес IP, например 192.168.1.5.</source>
        <translation>The address is a computer&apos;s name or an IP address, such as 192.168.1.5.</translation>
    </message>
    <message>
        <source>неизвестная причина</source>
        <translation>unknown reason</translation>
    </message>
    <message>
        <source>Не удалось подключиться к серверу Jabber %1: сервер не отвечает.</source>
        <translation>Could not connect to the Jabber server %1: the server does not answer.</translation>
    </message>
    <message>
        <source>Не удалось подключиться к серверу Jabber %1.</source>
        <translation>Could not connect to the Jabber server %1.</translation>
    </message>
    <message>
        <source>Не удалось подключиться к серверу Jabber %1: адрес не найден.</source>
        <translation>Could not connect to the Jabber server %1: the address was not found.</translation>
    </message>
    <message>
        <source>Не удалось проверить сертификат сервера Jabber: %1.</source>
        <translation>Could not verify the Jabber server&apos;s certificate: %1.</translation>
    </message>
    <message>
        <source>Сервер Jabber %1 не предлагает защищённого соединения.</source>
        <translation>The Jabber server %1 offers no secure connection.</translation>
    </message>
    <message>
        <source>Сервер Jabber %1 прислал слишком много данных.</source>
        <translation>The Jabber server %1 sent too much data.</translation>
    </message>
    <message>
        <source>сервер не принимает подключений</source>
        <translation>the server refuses connections</translation>
    </message>
    <message>
        <source>сервер не отвечает</source>
        <translation>the server does not answer</translation>
    </message>
    <message>
        <source>Не удалось подключиться к серверу Jabber %1: %2.</source>
        <translation>Could not connect to the Jabber server %1: %2.</translation>
    </message>
    <message>
        <source>Соперник не ждёт приглашения.</source>
        <translation>The opponent is not waiting for an invitation.</translation>
    </message>
    <message>
        <source>Сервер Jabber не принял адрес или пароль.</source>
        <translation>The Jabber server did not accept the address or the password.</translation>
    </message>
    <message>
        <source>Связь с сервером Jabber потеряна.</source>
        <translation>The connection to the Jabber server was lost.</translation>
    </message>
    <message>
        <source>Адрес Jabber должен иметь вид имя@сервер.</source>
        <translation>A Jabber address has the form name@server.</translation>
    </message>
    <message>
        <source>Ждём приглашения: %1</source>
        <translation>Waiting for an invitation: %1</translation>
    </message>
    <message>
        <source>Связка ключей рабочего стола не отвечает.</source>
        <translation>The desktop&apos;s keyring does not answer.</translation>
    </message>
    <message>
        <source>Связка ключей рабочего стола недоступна: %1</source>
        <translation>The desktop&apos;s keyring is not available: %1</translation>
    </message>
    <message>
        <source>Введите пароль.</source>
        <translation>Type the password.</translation>
    </message>
    <message>
        <source>Сервер — это имя компьютера или адрес IP, можно с портом: jabber.example.org:5222.</source>
        <translation>The server is a computer&apos;s name or an IP address, with a port if need be: jabber.example.org:5222.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Шелвы и злыки v 2.0</source>
        <translation>Shelvy and Zlyki v 2.0</translation>
    </message>
    <message>
        <source>Шелвы и злыки</source>
        <translation>Shelvy and Zlyki</translation>
    </message>
    <message>
        <source>Ошибка !!!</source>
        <translation>Error !!!</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вперёд</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Раздел справки «%1» не найден.</source>
        <translation>The help topic “%1” was not found.</translation>
    </message>
    <message>
        <source>Не найден раздел справки %1: нет файла «%1.html» в папке «%2» ни рядом с программой, ни в папках её данных.</source>
        <translation>Help topic %1 was not found: there is no file “%1.html” in a folder “%2” beside the program or in its data folders.</translation>
    </message>
</context>
<context>
    <name>rules</name>
    <message>
        <source>стоим</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>ход %1 (%2 из %3)</source>
        <translation>move %1 (%2 of %3)</translation>
    </message>
    <message>
        <source>ходы %1 (%2 из %3)</source>
        <translation>moves %1 (%2 of %3)</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет: противоречит ходу %1</source>
        <translation>no: contradicts move %1</translation>
    </message>
    <message>
        <source>в среднем %1 (лучший %2)</source>
        <translation>%1 on average (best %2)</translation>
    </message>
    <message>
        <source>Не могли быть числом: %1. Не хуже лучшего выбора: %2.</source>
        <translation>Could not be the number: %1. As good as the best choice: %2.</translation>
    </message>
    <message>
        <source>Ошибка !</source>
        <translation>Error !</translation>
    </message>
    <message>
        <source>Ход %1 противоречит ходу %2</source>
        <translation>Move %1 contradicts move %2</translation>
    </message>
    <message>
        <source>Подходит чисел: %1</source>
        <translation>Numbers that fit: %1</translation>
    </message>
    <message>
        <source>Необходимо ввести число из 4 состовляющих</source>
        <translation>A number of 4 digits is needed</translation>
    </message>
    <message>
        <source>Необходимо ввести число</source>
        <translation>A number is needed</translation>
    </message>
    <message>
        <source>Необходимо ввести число не содержащее нулей</source>
        <translation>A number without zeros is needed</translation>
    </message>
    <message>
        <source>Необходимо ввести число не содержащее повторяющихся компонентов</source>
        <translation>A number without repeated digits is needed</translation>
    </message>
    <message>
        <source>%1,%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>Профи</source>
        <translation>Pro</translation>
    </message>
    <message>
        <source>Бывалый</source>
        <translation>Veteran</translation>
    </message>
    <message>
        <source>Балбес</source>
        <translation>Dunce</translation>
    </message>
</context>
<context>
    <name>session</name>
    <message>
        <source>Картинку набора «%1» показать не удалось: %2</source>
        <translation>The picture of the set “%1” could not be shown: %2</translation>
    </message>
    <message>
        <source>Журнал игр не ведётся: система не назвала папку данных пользователя.</source>
        <translation>No journal of games is kept: the system named no folder for the user&apos;s data.</translation>
    </message>
    <message>
        <source>Продолжить прерванную игру от %1?</source>
        <translation>Resume the game broken off on %1?</translation>
    </message>
    <message>
        <source>Дуэль по сети недоступна: не найдена её часть, модуль «libshelvy-network.so». Переустановите игру.</source>
        <translation>The duel over the network is not available: its part, the module “libshelvy-network.so”, was not found. Reinstall the game.</translation>
    </message>
    <message>
        <source>Прерванная игра от %1 будет брошена. Начать дуэль по сети?</source>
        <translation>The game broken off on %1 will be abandoned. Start a duel over the network?</translation>
    </message>
    <message>
        <source>Прошлую игру продолжить нельзя: её уже продолжает или сменила новой другая запущенная игра.</source>
        <translation>The last game cannot be resumed: another running game has already resumed it or started a new one.</translation>
    </message>
    <message>
        <source>Не удалось сохранить результаты и настройки игры: ни папка программы, ни папка настроек пользователя не доступны для записи.</source>
        <translation>The game&apos;s results and settings could not be saved: neither the program&apos;s folder nor the user&apos;s settings folder can be written to.</translation>
    </message>
</context>
<context>
    <name>windows</name>
    <message>
        <source>О программе &quot;%1&quot;</source>
        <translation>About &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Домашняя страница, ссылка</source>
        <translation>Home page, link</translation>
    </message>
    <message>
        <source>Электронная почта, ссылка</source>
        <translation>E-mail, link</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>на диске не хватает места</source>
        <translation>the disk has no room left</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>ошибка чтения или записи на диске</source>
        <translation>a read or write error on the disk</translation>
    </message>
    <message>
        <source>файл не удалось записать до конца</source>
        <translation>the file could not be written to its end</translation>
    </message>
    <message>
        <source>папки «%1» нет</source>
        <translation>there is no folder “%1”</translation>
    </message>
    <message>
        <source>«%1» — не папка</source>
        <translation>“%1” is not a folder</translation>
    </message>
    <message>
        <source>это имя папки, а не файла</source>
        <translation>this is the name of a folder, not of a file</translation>
    </message>
    <message>
        <source>файл защищён от записи</source>
        <translation>the file is write-protected</translation>
    </message>
    <message>
        <source>в папку «%1» нельзя писать</source>
        <translation>the folder “%1” cannot be written to</translation>
    </message>
    <message>
        <source>файл не удалось открыть для записи</source>
        <translation>the file could not be opened for writing</translation>
    </message>
    <message>
        <source>один</source>
        <translation>one</translation>
    </message>
    <message>
        <source>два</source>
        <translation>two</translation>
    </message>
    <message>
        <source>три</source>
        <translation>three</translation>
    </message>
    <message>
        <source>четыре</source>
        <translation>four</translation>
    </message>
    <message>
        <source>пять</source>
        <translation>five</translation>
    </message>
    <message>
        <source>шесть</source>
        <translation>six</translation>
    </message>
    <message>
        <source>семь</source>
        <translation>seven</translation>
    </message>
    <message>
        <source>восемь</source>
        <translation>eight</translation>
    </message>
    <message>
        <source>девять</source>
        <translation>nine</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Дуэль по сети</source>
        <translation>Duel over the network</translation>
    </message>
    <message>
        <source>&amp;Создать игру</source>
        <translation>&amp;Host a game</translation>
    </message>
    <message>
        <source>&amp;Присоединиться к игре</source>
        <translation>&amp;Join a game</translation>
    </message>
    <message>
        <source>&amp;Ваше имя:</source>
        <translation>Your &amp;name:</translation>
    </message>
    <message>
        <source>&amp;Адрес:</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <source>По&amp;рт:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Игры в локальной сети:</source>
        <translation>&amp;Games on the local network:</translation>
    </message>
    <message>
        <source>&amp;Начать</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Игр в сети пока не видно.</source>
        <translation>No games seen on the network yet.</translation>
    </message>
    <message>
        <source>Сохранить картинку</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>Фото: %1, картинка %2</source>
        <translation>Photo: %1, picture %2</translation>
    </message>
    <message>
        <source>Файл «%1» уже существует. Заменить его ?</source>
        <translation>The file “%1” already exists. Replace it ?</translation>
    </message>
    <message>
        <source>Не удалось сохранить картинку в файл «%1».</source>
        <translation>The picture could not be saved to the file “%1”.</translation>
    </message>
    <message>
        <source>Выберете файл для сохранения картинки</source>
        <translation>Choose a file to save the picture in</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Ваших ходов</source>
        <translation>Your moves</translation>
    </message>
    <message>
        <source>Ходов компьютера / соперника</source>
        <translation>Moves of the computer / opponent</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Ваше число</source>
        <translation>Your number</translation>
    </message>
    <message>
        <source>Число компьютера / соперника</source>
        <translation>Number of the computer / opponent</translation>
    </message>
    <message>
        <source>Соперник</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>Когда игра началась</source>
        <translation>When the game began</translation>
    </message>
    <message>
        <source>Как было задано ваше число, и соперник</source>
        <translation>How your number was given, and the opponent</translation>
    </message>
    <message>
        <source>Чем игра кончилась</source>
        <translation>How the game ended</translation>
    </message>
    <message>
        <source>Сколько ходов сделали вы</source>
        <translation>How many moves you made</translation>
    </message>
    <message>
        <source>Сколько ходов сделал компьютер (в игре по сети — соперник)</source>
        <translation>How many moves the computer made (over the network, the opponent)</translation>
    </message>
    <message>
        <source>Время игры по её часам</source>
        <translation>The game&apos;s time by its clock</translation>
    </message>
    <message>
        <source>Ваше число, если вы его ввели</source>
        <translation>Your number, if you typed it</translation>
    </message>
    <message>
        <source>Число, загаданное компьютером (в игре по сети — соперником)</source>
        <translation>The number the computer thought of (over the network, the opponent)</translation>
    </message>
    <message>
        <source>Соперник в игре по сети: имя и адрес</source>
        <translation>The opponent over the network: name and address</translation>
    </message>
    <message>
        <source>Играть сейчас</source>
        <translation>Play now</translation>
    </message>
    <message>
        <source>Позже</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Фото: %1</source>
        <translation>Photo: %1</translation>
    </message>
    <message>
        <source>За ... попыт (ок,ки,ку)</source>
        <translation>In ... tries</translation>
    </message>
    <message>
        <source>Отгадывал вот это число</source>
        <translation>The number guessed</translation>
    </message>
    <message>
        <source>Для ввода нажмите Enter</source>
        <translation>Press Enter to confirm</translation>
    </message>
    <message>
        <source>Лучшие результаты</source>
        <translation>Best results</translation>
    </message>
    <message>
        <source>Победители :</source>
        <translation>Winners :</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Имя героя</source>
        <translation>The hero&apos;s name</translation>
    </message>
    <message>
        <source>Последние лучшие результаты :</source>
        <translation>Latest results :</translation>
    </message>
    <message>
        <source>Текущие результаты</source>
        <translation>Current results</translation>
    </message>
    <message>
        <source>Компьютер :</source>
        <translation>Computer :</translation>
    </message>
    <message>
        <source>Вы  :</source>
        <translation>You  :</translation>
    </message>
    <message>
        <source>С&amp;брос результатов</source>
        <translation>&amp;Reset results</translation>
    </message>
    <message>
        <source>Первоначальные варианты результатов</source>
        <translation>The results as they were at first</translation>
    </message>
    <message>
        <source>Вы</source>
        <translation>You</translation>
    </message>
    <message>
        <source>Компьютер</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Вы, по сети</source>
        <translation>You (network)</translation>
    </message>
    <message>
        <source>%1, вы</source>
        <translation>%1, you</translation>
    </message>
    <message>
        <source>%1, компьютер</source>
        <translation>%1, computer</translation>
    </message>
    <message>
        <source>%1, вы по сети</source>
        <translation>%1, you over the network</translation>
    </message>
    <message>
        <source>%1, соперник по сети</source>
        <translation>%1, opponent over the network</translation>
    </message>
    <message>
        <source>Экспорт списка игр</source>
        <translation>Export the list of games</translation>
    </message>
    <message>
        <source>Файлы CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Ход</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Кто</source>
        <translation>Who</translation>
    </message>
    <message>
        <source>Число</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Шелвы</source>
        <translation>Strays</translation>
    </message>
    <message>
        <source>Злыки</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Подходило чисел</source>
        <translation>Numbers fitting</translation>
    </message>
    <message>
        <source>Могло быть числом</source>
        <translation>Could be the number</translation>
    </message>
    <message>
        <source>Осталось бы</source>
        <translation>Would be left</translation>
    </message>
    <message>
        <source>Номер хода этой стороны</source>
        <translation>The number of this side&apos;s move</translation>
    </message>
    <message>
        <source>Чей ход</source>
        <translation>Whose move</translation>
    </message>
    <message>
        <source>Названное число</source>
        <translation>The number named</translation>
    </message>
    <message>
        <source>Цифры на чужих местах</source>
        <translation>Digits in other places (strays)</translation>
    </message>
    <message>
        <source>Цифры на своих местах</source>
        <translation>Digits in their places (hits)</translation>
    </message>
    <message>
        <source>Время по часам игры</source>
        <translation>Time by the game&apos;s clock</translation>
    </message>
    <message>
        <source>Сколько чисел подходило ко всем ответам до хода → и после его ответа</source>
        <translation>How many numbers fitted all answers before the move → and after its answer</translation>
    </message>
    <message>
        <source>Могло ли названное число быть загаданным, по ответам на прежние ходы</source>
        <translation>Whether the number named could have been the hidden one, by the answers to the earlier moves</translation>
    </message>
    <message>
        <source>Сколько чисел в среднем оставил бы ответ на этот ход, и сколько — на лучший ход из подходивших</source>
        <translation>How many numbers the answer to this move would leave on average, and to the best move among those that fitted</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Победы по числу ходов (против компьютера)</source>
        <translation>Wins by number of moves (against the computer)</translation>
    </message>
    <message>
        <source>&amp;Сыгранные игры, последняя сверху:</source>
        <translation>&amp;Games played, the latest on top:</translation>
    </message>
    <message>
        <source>Соперник с длинным именем</source>
        <translation>Opponent with a long name</translation>
    </message>
    <message>
        <source>Сыгранные игры</source>
        <translation>Games played</translation>
    </message>
    <message>
        <source>&amp;Ходы выбранной игры и их разбор:</source>
        <translation>&amp;Moves of the chosen game and their lesson:</translation>
    </message>
    <message>
        <source>Ход 00</source>
        <translation>Move 00</translation>
    </message>
    <message>
        <source>Ходы выбранной игры и их разбор</source>
        <translation>Moves of the chosen game and their lesson</translation>
    </message>
    <message>
        <source>&amp;Экспорт ...</source>
        <translation>&amp;Export ...</translation>
    </message>
    <message>
        <source>Записать список игр в файл CSV</source>
        <translation>Write the list of games to a CSV file</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Итоги</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Игры, в которых компьютер нашёл ваше число первым, а вы своё — потом</source>
        <translation>Games in which the computer found your number first and you found its number later</translation>
    </message>
    <message>
        <source>Журнал игр не удалось прочитать.</source>
        <translation>The journal of games could not be read.</translation>
    </message>
    <message>
        <source>Не удалось записать список игр в файл «%1»: %2.</source>
        <translation>The list of games could not be written to the file “%1”: %2.</translation>
    </message>
    <message>
        <source>Список игр записан в файл «%1».</source>
        <translation>The list of games was written to the file “%1”.</translation>
    </message>
    <message>
        <source>Думаю ...</source>
        <translation>Thinking ...</translation>
    </message>
    <message>
        <source>Ходов до победы</source>
        <translation>Moves to win</translation>
    </message>
    <message>
        <source>Побед</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>Победы по числу ходов</source>
        <translation>Wins by number of moves</translation>
    </message>
    <message>
        <source>Побед пока нет</source>
        <translation>No wins yet</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, против компьютера</source>
        <translation>%1, against the computer</translation>
    </message>
    <message>
        <source>%1, по сети</source>
        <translation>%1, over the network</translation>
    </message>
    <message>
        <source>Соперник не открыл своего числа.</source>
        <translation>The opponent did not reveal its number.</translation>
    </message>
    <message>
        <source>Компьютер не открыл своего числа.</source>
        <translation>The computer did not reveal its number.</translation>
    </message>
    <message>
        <source>Соперник загадал число %1.</source>
        <translation>The opponent&apos;s number was %1.</translation>
    </message>
    <message>
        <source>Компьютер загадал число %1.</source>
        <translation>The computer&apos;s number was %1.</translation>
    </message>
    <message>
        <source>Вашего числа игра не знала.</source>
        <translation>The game did not know your number.</translation>
    </message>
    <message>
        <source>Ваше число: %1.</source>
        <translation>Your number: %1.</translation>
    </message>
    <message>
        <source>Связка ключей рабочего стола не отвечает.</source>
        <translation>The desktop&apos;s keyring does not answer.</translation>
    </message>
    <message>
        <source>Хранить пароль в связке ключей рабочего стола</source>
        <translation>Keep the password in the desktop&apos;s keyring</translation>
    </message>
    <message>
        <source>Напр&amp;ямую (адрес и порт)</source>
        <translation>&amp;Direct (address and port)</translation>
    </message>
    <message>
        <source>Через &amp;Jabber (XMPP)</source>
        <translation>&amp;Through Jabber (XMPP)</translation>
    </message>
    <message>
        <source>&amp;Запомнить пароль</source>
        <translation>&amp;Remember the password</translation>
    </message>
    <message>
        <source>по адресу Jabber</source>
        <translation>from the Jabber address</translation>
    </message>
    <message>
        <source>Ваш а&amp;дрес Jabber:</source>
        <translation>&amp;Your Jabber address:</translation>
    </message>
    <message>
        <source>Паро&amp;ль:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>С&amp;ервер:</source>
        <translation>Ser&amp;ver:</translation>
    </message>
    <message>
        <source>Адрес Jabber с&amp;оперника:</source>
        <translation>&amp;Opponent&apos;s Jabber address:</translation>
    </message>
</context>
</TS>
