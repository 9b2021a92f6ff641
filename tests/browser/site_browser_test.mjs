// The parish site in a real browser. velorith-report writes a site of this year on the given
// data; a small static server on 127.0.0.1 serves it as a web server would (a folder's address
// gives its index.html); headless Chromium opens the index (which moves on to today's page),
// today's page, its month and year and the embeddable today block, at 1280 and at 360 pixels,
// in light and dark. Each page must load without console errors or failed requests, show the
// day's principal commemoration, scroll no sideways on a phone, have every link lead to a page,
// and pass an axe-core audit without serious or critical violations. Screenshots are saved in
// the artefacts folder.
//
//   node site_browser_test.mjs PROGRAM DATA_DIR ARTEFACTS_DIR
//
// Exit status 0 passed, 1 failed, 77 skipped: no Chromium or no node_modules (npm ci), unless
// VELORITH_REQUIRE_BROWSER=1, which makes their absence a failure (continuous integration).
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { extname, join, normalize, sep } from 'node:path';

const [program, dataDir, artefacts] = process.argv.slice(2);
const required = process.env.VELORITH_REQUIRE_BROWSER === '1';
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';

function skip(why) {
  if (required) {
    console.error(`FAIL: ${why} (VELORITH_REQUIRE_BROWSER=1)`);
    process.exit(1);
  }
  console.log(`SKIPPED: ${why}`);
  process.exit(77);
}

if (!program || !dataDir || !artefacts) {
  console.error('usage: site_browser_test.mjs PROGRAM DATA_DIR ARTEFACTS_DIR');
  process.exit(2);
}
if (!existsSync(chromium)) skip(`no Chromium at ${chromium} (apt install chromium)`);
const require = createRequire(import.meta.url);
let puppeteer, axeSource;
try {
  puppeteer = (await import('puppeteer-core')).default;
  axeSource = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
} catch {
  skip('puppeteer-core or axe-core not installed (npm ci in tests/browser)');
}

const failures = [];
const check = (ok, message) => {
  if (!ok) failures.push(message);
  return ok;
};

// The site of the reader's current year, so that the index opens today's page.
const now = new Date();
const year = now.getFullYear();
const two = (n) => String(n).padStart(2, '0');
const todayPath = `${year}/${two(now.getMonth() + 1)}/${two(now.getDate())}/`;
const siteDir = mkdtempSync(join(tmpdir(), 'velorith-site-'));
execFileSync(program, ['--data', dataDir, '--site', siteDir, '--range-years', `${year}-${year}`,
  '--calendar-name', 'Храм Святой Троицы', '--base-url', 'https://parish.example/']);
const today = JSON.parse(readFileSync(join(siteDir, todayPath, 'day.json'), 'utf8')).days[0];
mkdirSync(artefacts, { recursive: true });

const types = { '.html': 'text/html; charset=utf-8', '.css': 'text/css', '.json': 'application/json',
  '.ics': 'text/calendar', '.xml': 'application/xml' };
const server = createServer((request, response) => {
  const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
  let file = normalize(join(siteDir, path));
  if (!file.startsWith(siteDir + sep) && file !== siteDir) {
    response.writeHead(403).end();
    return;
  }
  if (existsSync(file) && statSync(file).isDirectory()) file = join(file, 'index.html');
  if (!existsSync(file) || !statSync(file).isFile()) {
    response.writeHead(404).end('not found');
    return;
  }
  response.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
  response.end(readFileSync(file));
});
await new Promise((done) => server.listen(0, '127.0.0.1', done));
const origin = `http://127.0.0.1:${server.address().port}/`;

const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--font-render-hinting=none'],
});

async function status(url) {
  const response = await fetch(url);
  return response.status;
}

// Opens a page at a width, with its errors counted; returns the page, open.
async function open(path, width, scheme = 'light') {
  const page = await browser.newPage();
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`script: ${error.message}`));
  page.on('requestfailed', (request) => problems.push(`failed: ${request.url()}`));
  page.on('response', (response) => {
    if (response.status() >= 400) problems.push(`${response.status()}: ${response.url()}`);
  });
  await page.setViewport({ width, height: width < 500 ? 740 : 900 });
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
  await page.goto(origin + path, { waitUntil: 'networkidle0' });
  return { page, problems };
}

async function audit(page, where) {
  await page.addScriptTag({ content: axeSource });
  const result = await page.evaluate(async () =>
    // eslint-disable-next-line no-undef
    axe.run(document, { resultTypes: ['violations'] }));
  for (const v of result.violations) {
    const message = `${where}: axe ${v.impact} ${v.id}: ${v.help} (${v.nodes.length}: ${v.nodes[0]?.target})`;
    if (v.impact === 'serious' || v.impact === 'critical') check(false, message);
    else console.log(`note: ${message}`);
  }
}

async function checkLinks(page, where) {
  const links = await page.$$eval('a[href]', (as) => as.map((a) => a.href));
  for (const link of new Set(links)) {
    if (!link.startsWith(origin)) continue;
    check((await status(link)) === 200, `${where}: the link ${link} leads nowhere`);
  }
}

const pages = [
  { name: 'index', path: '', expect: todayPath },
  { name: 'day', path: todayPath, expect: todayPath },
  { name: 'month', path: todayPath.slice(0, 8), expect: todayPath.slice(0, 8) },
  { name: 'year', path: `${year}/`, expect: `${year}/` },
  { name: 'today-block', path: 'today.html', expect: 'today.html' },
];

try {
  for (const { name, path, expect } of pages) {
    for (const [width, scheme] of [[1280, 'light'], [360, 'light'], [360, 'dark']]) {
      const where = `${name} at ${width} px (${scheme})`;
      const { page, problems } = await open(path, width, scheme);
      check(page.url() === origin + expect, `${where}: at ${page.url()}, not ${origin + expect}`);
      for (const problem of problems) check(false, `${where}: ${problem}`);
      const sideways = await page.evaluate(() =>
        document.documentElement.scrollWidth - document.documentElement.clientWidth);
      check(sideways <= 0, `${where}: scrolls ${sideways} px sideways`);
      if (name === 'day' || name === 'index' || name === 'today-block') {
        // The principal commemoration of today, as its JSON has it, is on the screen.
        const shown = await page.evaluate((text) => {
          const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_ELEMENT);
          for (let e = walker.currentNode; e; e = walker.nextNode()) {
            const inChild = [...e.children].some((c) => c.textContent.includes(text));
            if (e.textContent.includes(text) && !inChild) {
              const box = e.getBoundingClientRect();
              const style = getComputedStyle(e);
              return box.width > 0 && box.height > 0 && style.visibility !== 'hidden';
            }
          }
          return false;
        }, today.principal.slice(0, 40));
        check(shown, `${where}: the principal commemoration "${today.principal}" is not shown`);
      }
      if (name === 'month') {
        const cells = await page.$$eval('table.month a.num', (as) => as.length);
        check(cells >= 28, `${where}: ${cells} days in the grid`);
      }
      if (scheme === 'light') await checkLinks(page, where);
      await audit(page, where);
      if (scheme === 'light' || name === 'day') {
        await page.screenshot({ path: join(artefacts, `${name}-${width}-${scheme}.png`), fullPage: width < 500 });
      }
      await page.close();
    }
  }
  // Printing: the day fits A4 and the navigation stays off the paper.
  const { page } = await open(todayPath, 1280);
  await page.emulateMediaType('print');
  check(await page.$eval('nav.pager', (n) => getComputedStyle(n).display === 'none'),
    'print: the day page prints its navigation');
  await page.pdf({ path: join(artefacts, 'day-a4.pdf'), format: 'A4' });
  await page.close();
} finally {
  await browser.close();
  server.close();
  rmSync(siteDir, { recursive: true, force: true });
}

for (const failure of failures) console.error(`FAIL: ${failure}`);
console.log(`${failures.length} failures; screenshots in ${artefacts}`);
process.exit(failures.length ? 1 : 0);
