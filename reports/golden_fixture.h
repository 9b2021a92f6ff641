// Test helper: a fixed data set that reaches every path of the reports (every group and sign,
// every wrapping key, titles and tails, entries placed by each table, red marks of each kind),
// and the list of documents the golden files hold for it.
#pragma once

#include <string>
#include <vector>

#include "data/test_folder.h"

namespace velorith::testing {

inline void WriteGoldenDataSet(const TempFolder& folder) {
    folder.Write("January.DAT",
                 "[1]\nRed=1\n0={1}Обрезание Господне.\n0={2}Свт. Василия Великого.\n"
                 "1=Мч. Феодота.\n2=Сщмч. Платона.\n4=Заметка о службе.\n"
                 "[6]\nRed=1\n0={1}Богоявление.\n3=Иконы «Знамение».\n"
                 "[7]\n0={5}Собор Иоанна Предтечи.\n1=Мч. Афинагена.\n"
                 "[13]\n0={6}Мчч. Ермила и Стратоника.\n"
                 "[31]\n1=Бессребреников Кира и Иоанна.\n");
    folder.Write("February28.DAT", "[2]\n0=Сретение в простом.\n[28]\n1=Прп. Кассиана.\n");
    folder.Write("February29.DAT", "[2]\n0=Сретение в високосном.\n[29]\n1=Прп. Кассиана.\n");
    folder.Write("March.DAT", "[25]\nRed=1\n0={1}Благовещение.\n4=Рыба разрешается.\n");
    folder.Write("April.DAT",
                 "[7]\n0={3}Свт. Тихона.\n1=Мч. Калиопия.\n"
                 "[23]\n0={2}Вмч. Георгия Победоносца.\n1=Мц. Александры.\nred=0\n");
    folder.Write("May.DAT", "[9]\n0={3}Свт. Николая.\n[21]\n0=Равноап. Константина и Елены.\n");
    folder.Write("September.DAT",
                 "[1]\n0=Начало индикта.\n1=Прп. Симеона Столпника.\n"
                 "[14]\nRed=1\n0={1}Воздвижение Креста.\n");
    folder.Write("October.DAT", "[26]\n0={3}Вмч. Димитрия Солунского.\n");
    folder.Write("December.DAT",
                 "[6]\n0={2}Свт. Николая Чудотворца.\n"
                 "[25]\nRed=1\n0={1}Рождество Христово.\n"
                 "[31]\n1=Прп. Мелании.\n4=Канун нового года.\n");
    folder.Write("Relocatable.DAT",
                 "[1]\ndays=0\nred=1\n0={1}СВЕТЛОЕ ХРИСТОВО ВОСКРЕСЕНИЕ.\n11=Перед.\n19=После.\n"
                 "21=Перед вторым.\n29=После второго.\n31=Перед иконой.\n39=После иконы.\n"
                 "4=Поста нет.\n"
                 "[2]\ndays=-7\nred=1\n0={1}Вход Господень в Иерусалим.\n"
                 "[3]\ndays=39\nred=1\n0={1}Вознесение Господне.\n"
                 "[4]\ndays=49\nred=1\n0={1}Пятидесятница.\n"
                 "[5]\ndays=-70\n0=Неделя о мытаре.\n4=Сплошная седмица.\n"
                 "[6]\ndays=1\n11=Второе перед.\n0=Понедельник.\n");
    folder.Write("Relocatable1.DAT",
                 "[1]\nday=13\nmonth=9\nweekday=-6\n11=Суббота пред Воздвижением.\n"
                 "[2]\nday=25\nmonth=12\nweekday=-7\nred=1\n0=Неделя пред Рождеством.\n"
                 "[3]\nday=6\nmonth=1\nweekday=7\n19=Неделя по Просвещении.\n");
    folder.Write("Weekdays.DAT",
                 "[1]\ndays=0\nred=1\n0=Светлое Христово Воскресение.\n"
                 "[2]\ndays=1\n0=, хвост.\n"
                 "[3]\ndays=-7\n0=Вход Господень.\n[4]\ndays=-70\n0=, о мытаре и фарисее.\n");
    folder.Write("Weekdays1.DAT", "[1]\nday=25\nmonth=12\nweekday=-7\n0=, пред Рождеством.\n");
    folder.Write("SpecWeekDays.DAT",
                 "[1]\n0=, мясопустная суббота.\n[2]\n0=, суббота на Сретение.\n"
                 "[3]\n0=, стояние Марии Египетской.\n[4]\n0=, Димитриевская суббота.\n"
                 "[5]\n0=, Димитриевская на 24-е.\n[6]\n0=, Димитриевская перенесённая.\n");
    folder.Write("Special.DAT",
                 "[1]\n0=Прав. Иосифа Обручника.\n[2]\n0=Предпразднство Сретения.\n"
                 "[3]\nred=1\n0={1}Сретение Господне.\n[4]\n4=Попразднство.\n"
                 "[5]\n4=Попразднство.\n[6]\n4=Попразднство.\n[7]\n4=Попразднство.\n"
                 "[8]\n4=Попразднство.\n[9]\n4=Попразднство.\n[10]\n0=Отдание Сретения.\n"
                 "[11]\n0={3}Обретение главы Предтечи.\n[12]\n0={3}Обретение главы.\n"
                 "[13]\n0={3}Сорока мучеников.\n");
    folder.Write("Abbr.DAT", "{\\rtf1\\ansi\\ansicpg1251 Мч. - мученик.\\par }");
}

}  // namespace velorith::testing
