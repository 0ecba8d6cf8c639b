// Reads a Twee file with extwee, a published Twee compiler, and prints what it made of it as
// JSON: the story's data, its passage names, and every link whose target is no passage.
// Usage: node extwee-links.mjs NODE_MODULES STORY.twee
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const [modules, file] = process.argv.slice(2);
// extwee reports metadata it cannot read on standard output, where the answer goes.
console.info = () => {};
const { parseTwee } = await import(pathToFileURL(join(modules, 'extwee', 'index.js')).href);
const story = parseTwee(readFileSync(file, 'utf-8'));
const names = new Set(story.passages.map((passage) => passage.name));
const unresolved = [];
let links = 0;
for (const passage of story.passages) {
  for (const match of passage.text.matchAll(/\[\[(.*?)\]\]/g)) {
    const inside = match[1];
    const arrow = inside.lastIndexOf('->');
    const target = arrow >= 0 ? inside.slice(arrow + 2) : inside;
    ++links;
    if (!names.has(target)) {
      unresolved.push(`${passage.name}: ${target}`);
    }
  }
}
process.stdout.write(JSON.stringify({
  name: story.name,
  ifid: story.IFID,
  format: story.format,
  formatVersion: story.formatVersion,
  start: story.start,
  passages: story.passages.map((passage) => passage.name),
  metadata: story.passages.filter((passage) => Object.keys(passage.metadata).length > 0).map((passage) => passage.name),
  links,
  unresolved,
}));
