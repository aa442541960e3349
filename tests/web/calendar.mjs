// The engine's calendar facts against two calendar libraries, lunar-javascript
// and tyme4ts (both reckon the solar terms with the 寿星天文历 algorithm):
// for every year from 1899 to 2051, Li Chun within a minute of each (China
// Standard Time), and the year's stem, branch and Na Yin as lunar-javascript
// names them.
//   node calendar.mjs NATIVE_CALENDAR_FACTS_PROGRAM
import { execFileSync } from 'node:child_process';
import lunar from 'lunar-javascript';
import { SolarTerm, SixtyCycleYear } from 'tyme4ts';
import { Tally } from './support.mjs';

const [program] = process.argv.slice(2);
const tally = new Tally();
const rows = execFileSync(program, { encoding: 'utf8' }).trim().split('\n')
  .map((line) => line.split(' '));

// Minutes since 1 January 1970 of a time in China Standard Time.
const minutes = (y, mo, d, h, mi, s = 0) => (Date.UTC(y, mo - 1, d, h, mi, s) / 1000) / 60;

const years = [];
const faults = [];
for (const [year, day, hour, minute, stem, branch, nayin] of rows) {
  const y = Number(year);
  years.push(y);
  // The table names the minute in which Li Chun falls.
  const ours = minutes(y, 2, Number(day), Number(hour), Number(minute)) + 0.5;
  const fromLunar = lunar.Solar.fromYmd(y, 6, 1).getLunar().getJieQiTable()['立春'];
  const lunarAt = minutes(fromLunar.getYear(), fromLunar.getMonth(), fromLunar.getDay(),
    fromLunar.getHour(), fromLunar.getMinute(), fromLunar.getSecond());
  const fromTyme = SolarTerm.fromName(y, '立春').getJulianDay().getSolarTime();
  const tymeAt = minutes(fromTyme.getYear(), fromTyme.getMonth(), fromTyme.getDay(),
    fromTyme.getHour(), fromTyme.getMinute(), fromTyme.getSecond());
  for (const [library, at] of [['lunar-javascript', lunarAt], ['tyme4ts', tymeAt]]) {
    if (Math.abs(at - ours) > 1) faults.push(`${y}: Li Chun ${day} Feb ${hour}:${minute}, ${library} ${(at - ours).toFixed(1)} min off`);
  }
  const lunarYear = lunar.Solar.fromYmd(y, 6, 1).getLunar();
  if (`${stem}${branch}` !== lunarYear.getYearInGanZhi()) faults.push(`${y}: ${stem}${branch}, lunar-javascript ${lunarYear.getYearInGanZhi()}`);
  if (`${stem}${branch}` !== SixtyCycleYear.fromYear(y).getSixtyCycle().getName()) faults.push(`${y}: ${stem}${branch}, tyme4ts ${SixtyCycleYear.fromYear(y).getSixtyCycle().getName()}`);
  if (nayin !== lunarYear.getYearNaYin()) faults.push(`${y}: ${nayin}, lunar-javascript ${lunarYear.getYearNaYin()}`);
}
tally.equal('the engine names every year from 1899 to 2051',
  [years[0], years.at(-1), years.length], [1899, 2051, 153]);
tally.check('Li Chun within a minute of both libraries, and the year\'s stem, branch and Na Yin as they name them',
  faults.length === 0, faults.slice(0, 10).join('\n'));
process.exitCode = tally.summary('calendar') ? 0 : 1;
