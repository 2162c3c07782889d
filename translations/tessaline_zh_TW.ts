<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>ChartTexts</name>
    <message>
        <source>我的绣图</source>
        <translation>我的繡圖</translation>
    </message>
    <message>
        <source>绣线:%1  颜色数：%2   宽x高：%3x%4</source>
        <translation>繡線:%1  顏色數：%2   寬x高：%3x%4</translation>
    </message>
    <message>
        <source>符号</source>
        <translation>符號</translation>
    </message>
    <message>
        <source>线号</source>
        <translation>色號</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>數量</translation>
    </message>
    <message>
        <source>注:全部线量总和为%1，线量不是某种长度单位，只是用来说明各颜色线所占比例.</source>
        <translation>註：全部線量總和為%1，線量不是長度單位，只用來表示各顏色線所佔的比例。</translation>
    </message>
    <message>
        <source>图中的符号代表了绣线颜色，这样就可以方便的绣图</source>
        <translation>圖中每個符號代表一種繡線顏色，方便您照圖刺繡</translation>
    </message>
    <message>
        <source>Tessaline V2008 十字绣图</source>
        <translation>Tessaline V2008 十字繡圖</translation>
    </message>
    <message>
        <source>正在生成打印文档，请等待....</source>
        <translation>正在產生列印文件，請稍候....</translation>
    </message>
    <message>
        <source>正在绘制网格，请等待....</source>
        <translation>正在繪製格線，請稍候....</translation>
    </message>
    <message>
        <source>正在绘制绣线表格，请等待....</source>
        <translation>正在繪製繡線表，請稍候....</translation>
    </message>
    <message>
        <source>正在绘制绣线符号，请等待....</source>
        <translation>正在繪製繡線符號，請稍候....</translation>
    </message>
    <message>
        <source>* 针数少于可忽略数的绣线：排在其他绣线之后，绣图上照样要绣。</source>
        <translation>* 針數少於可忽略數的繡線：排在其他繡線之後，繡圖上照樣要繡。</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>无法创建工作文件夹：</source>
        <translation>無法建立工作資料夾：</translation>
    </message>
    <message>
        <source>绣图和效果图片将保存在：</source>
        <translation>繡圖和效果圖片將儲存在：</translation>
    </message>
    <message>
        <source>这个文件夹也无法写入，绣图和效果图片无法保存：</source>
        <translation>這個資料夾也無法寫入，繡圖和效果圖片無法儲存：</translation>
    </message>
</context>
<context>
    <name>PatternBook</name>
    <message>
        <source>尺寸：%1 × %2 针</source>
        <translation>尺寸：%1 × %2 格</translation>
    </message>
    <message>
        <source>绣线：%1 种&#x3000;&#x3000;针数：%2 针</source>
        <translation>繡線：%1 色&#x3000;&#x3000;針數：%2 針</translation>
    </message>
    <message>
        <source>成品尺寸：</source>
        <translation>成品尺寸：</translation>
    </message>
    <message>
        <source>%1 格布：%2 × %3 厘米（%4 × %5 英寸）</source>
        <translation>%1CT 繡布：%2 × %3 公分（%4 × %5 英寸）</translation>
    </message>
    <message>
        <source>第 %1–%2 列，第 %3–%4 行</source>
        <translation>第 %1–%2 欄，第 %3–%4 列</translation>
    </message>
    <message>
        <source>%1 — 绣线表</source>
        <translation>%1 — 繡線表</translation>
    </message>
    <message>
        <source>符号</source>
        <translation>符號</translation>
    </message>
    <message>
        <source>色块</source>
        <translation>色塊</translation>
    </message>
    <message>
        <source>针数</source>
        <translation>針數</translation>
    </message>
    <message>
        <source>支数</source>
        <translation>束數</translation>
    </message>
    <message>
        <source>第 %1 页 / 共 %2 页</source>
        <translation>第 %1 頁 / 共 %2 頁</translation>
    </message>
    <message>
        <source>%1 纱亚麻或十字布，跨两纱绣（每英寸 %2 针）</source>
        <translation>%1 紗亞麻或十字布，跨兩紗繡（每英寸 %2 針）</translation>
    </message>
    <message>
        <source>%1 格布</source>
        <translation>%1CT 繡布</translation>
    </message>
    <message>
        <source>第 %1 列</source>
        <translation>第 %1 欄</translation>
    </message>
    <message>
        <source>第 %1 与 %2 列之间</source>
        <translation>第 %1 與 %2 欄之間</translation>
    </message>
    <message>
        <source>第 %1 行</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>第 %1 与 %2 行之间</source>
        <translation>第 %1 與 %2 列之間</translation>
    </message>
    <message>
        <source>%1：%2 × %3 厘米（%4 × %5 英寸）</source>
        <translation>%1：%2 × %3 公分（%4 × %5 英寸）</translation>
    </message>
    <message>
        <source>中心：%1，%2（图表页边上的箭头所指）</source>
        <translation>中心：%1，%2（圖表頁邊上的箭頭所指）</translation>
    </message>
    <message>
        <source>图表：%1 页，每格 %2 毫米；用线按 %3、%4 股线计算</source>
        <translation>圖表：%1 頁，每格 %2 公釐；用線按 %3、%4 股線計算</translation>
    </message>
    <message>
        <source>%1，%2 股线</source>
        <translation>%1，%2 股線</translation>
    </message>
    <message>
        <source>线号和颜色</source>
        <translation>色號和顏色</translation>
    </message>
    <message>
        <source>支数：每个十字每股用线 (2×√2 + 2) × 25.4 ÷ %1 毫米（正面两条对角线，背面两条边），乘以针数和 %2 股，加 %3% 背面走线和起针收针的余量；每支绣线 8 米 × 6 股，向上取整：约 %4 针用一支（参照 Stitchmate 线量计算器与 Brodette 的估算）。</source>
        <translation>束數：每個十字每股用線 (2×√2 + 2) × 25.4 ÷ %1 公釐（正面兩條對角線，背面兩條邊），乘以針數和 %2 股，加 %3% 背面走線和起針收針的餘量；每束繡線 8 米 × 6 股，向上取整：約 %4 針用一束（參照 Stitchmate 線量計算器與 Brodette 的估算）。</translation>
    </message>
</context>
<context>
    <name>PrintChart</name>
    <message>
        <source>这张图上每格只有%1毫米，符号很难看清；要清楚的绣图，请用“保存图册”把绣图按看得清的大小分页印出，或缩小绣图尺寸，或用“局部”把图片分成几块分别生成。</source>
        <translation>這張圖每格只有%1公釐，符號很難看清楚；要清楚的繡圖，請用「儲存圖冊」把繡圖按看得清楚的大小分頁印出，或縮小繡圖尺寸，或用「局部」把圖片分成幾塊分別產生。</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>绣布：宽高%1x%2(约%3x%4厘米)</source>
        <translation>繡布：寬高%1x%2(約%3x%4公分)</translation>
    </message>
</context>
<context>
    <name>tessaline::DocumentWindow</name>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>无法显示帮助文档：%1</source>
        <translation>無法顯示說明文件：%1</translation>
    </message>
</context>
<context>
    <name>tessaline::Form1</name>
    <message>
        <source>我的图片</source>
        <translation>我的圖片</translation>
    </message>
    <message>
        <source>绣布：宽高156x221 </source>
        <translation>繡布：寬高156x221 </translation>
    </message>
    <message>
        <source>欢迎使用Tessaline，动手把你的照片做成十字绣！</source>
        <translation>歡迎使用Tessaline，動手把你的照片做成十字繡！</translation>
    </message>
    <message>
        <source>导入图片</source>
        <translation>匯入圖片</translation>
    </message>
    <message>
        <source>绣图图库</source>
        <translation>繡圖圖庫</translation>
    </message>
    <message>
        <source>绣图设置</source>
        <translation>繡圖設定</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>局部</source>
        <translation>局部</translation>
    </message>
    <message>
        <source>全图</source>
        <translation>全圖</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>保存效果</source>
        <translation>儲存效果</translation>
    </message>
    <message>
        <source>效果预览-&gt;</source>
        <translation>效果預覽-&gt;</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>在这里输入你的文字</source>
        <translation>在這裡輸入你的文字</translation>
    </message>
    <message>
        <source>超级减色</source>
        <translation>超級減色</translation>
    </message>
    <message>
        <source>生成</source>
        <translation>產生</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>放大预览图片。</source>
        <translation>放大預覽圖片。</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>缩小预览图片</source>
        <translation>縮小預覽圖片</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>给绣图加入文字</source>
        <translation>在繡圖上加入文字</translation>
    </message>
    <message>
        <source>字体选择</source>
        <translation>字型選擇</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>字型顏色</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>导入图片文件</source>
        <translation>匯入圖片檔案</translation>
    </message>
    <message>
        <source>直接屏幕截图</source>
        <translation>直接擷取螢幕</translation>
    </message>
    <message>
        <source>生成我的绣图</source>
        <translation>產生我的繡圖</translation>
    </message>
    <message>
        <source>打印绣图</source>
        <translation>列印繡圖</translation>
    </message>
    <message>
        <source>退出Tessaline</source>
        <translation>結束Tessaline</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>軟體設定</translation>
    </message>
    <message>
        <source>关于...</source>
        <translation>關於...</translation>
    </message>
    <message>
        <source>增加颜色，得到更逼真效果。需要更多绣线</source>
        <translation>增加顏色，效果更逼真，但需要更多繡線</translation>
    </message>
    <message>
        <source>只要10种颜色就可以绣出照片般效果，大大节约绣线。这就是Quillmere的神奇科技!</source>
        <translation>只要10種顏色就能繡出照片般的效果，大大節省繡線。這就是Quillmere的神奇科技！</translation>
    </message>
    <message>
        <source>加入文字</source>
        <translation>加入文字</translation>
    </message>
    <message>
        <source>绣图设置</source>
        <comment>button</comment>
        <translation>繡圖設定</translation>
    </message>
    <message>
        <source>开始处理...</source>
        <translation>開始處理...</translation>
    </message>
    <message>
        <source>无法创建！</source>
        <translation>無法建立！</translation>
    </message>
    <message>
        <source>不能识别的位图！</source>
        <translation>無法辨識的點陣圖！</translation>
    </message>
    <message>
        <source>错误！</source>
        <translation>錯誤！</translation>
    </message>
    <message>
        <source>无法保存编辑用的图片：</source>
        <translation>無法儲存編輯用的圖片：</translation>
    </message>
    <message>
        <source>减色处理完毕</source>
        <translation>減色處理完成</translation>
    </message>
    <message>
        <source>无法保存绣图效果图：</source>
        <translation>無法儲存繡圖效果圖：</translation>
    </message>
    <message>
        <source>绣图效果图保存到</source>
        <translation>繡圖效果圖已儲存到</translation>
    </message>
    <message>
        <source>   生成绣图前请先点击效果预览键    </source>
        <translation>   產生繡圖前請先按效果預覽鍵    </translation>
    </message>
    <message>
        <source>Quillmere 你身边的好软件</source>
        <translation>Quillmere 你身邊的好軟體</translation>
    </message>
    <message>
        <source>无法截取屏幕：这个桌面不允许本程序读取屏幕画面。</source>
        <translation>無法擷取螢幕：這個桌面不允許本程式讀取螢幕畫面。</translation>
    </message>
    <message>
        <source>无法写入临时图片%1，请确认这个文件夹可以写入：%2</source>
        <translation>無法寫入暫存圖片%1，請確認這個資料夾可以寫入：%2</translation>
    </message>
    <message>
        <source>    绣图颜色太多，请减色后再生成。。。 </source>
        <translation>    繡圖顏色太多，請減色後再產生。。。 </translation>
    </message>
    <message>
        <source>Tessaline使用说明.mht</source>
        <translation>Tessaline使用說明.mht</translation>
    </message>
    <message>
        <source>原因：</source>
        <translation>原因：</translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>使用說明</translation>
    </message>
    <message>
        <source>图片比取景框大，现在按原大小显示其中一部分：拖动图片可移动取景位置，点 全图 可使用整张图片。</source>
        <translation>圖片比取景框大，現在按原大小顯示其中一部分：拖曳圖片可移動取景位置，按 全圖 可使用整張圖片。</translation>
    </message>
    <message>
        <source>编辑：在颜色替换窗口中替换颜色，点 完成 后再生成</source>
        <translation>編輯：在顏色替換視窗中替換顏色，按 完成 後再產生</translation>
    </message>
    <message>
        <source>打开绣图...</source>
        <translation>開啟繡圖...</translation>
    </message>
    <message>
        <source>绣图正在生成，请等生成结束后再打开绣图</source>
        <translation>繡圖正在生成，請等生成結束後再開啟繡圖</translation>
    </message>
    <message>
        <source>打开绣图</source>
        <translation>開啟繡圖</translation>
    </message>
    <message>
        <source>OXS 绣图文件 (*.oxs *.OXS);;所有文件 (*)</source>
        <translation>OXS 繡圖檔案 (*.oxs *.OXS);;所有檔案 (*)</translation>
    </message>
</context>
<context>
    <name>tessaline::Form2</name>
    <message>
        <source>导入图片</source>
        <translation>匯入圖片</translation>
    </message>
    <message>
        <source>选择转换成绣图的图片或则照片：</source>
        <translation>選擇要轉換成繡圖的圖片或照片：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tessaline::Form3</name>
    <message>
        <source>设置生成绣图的属性：</source>
        <translation>設定產生繡圖的屬性：</translation>
    </message>
    <message>
        <source>绣线类别：</source>
        <translation>繡線品牌：</translation>
    </message>
    <message>
        <source>减色方法：</source>
        <translation>減色方法：</translation>
    </message>
    <message>
        <source>绣格大小：</source>
        <translation>繡格大小：</translation>
    </message>
    <message>
        <source>减色强度：</source>
        <translation>減色強度：</translation>
    </message>
    <message>
        <source>更少的绣线</source>
        <translation>更少的繡線</translation>
    </message>
    <message>
        <source>更好的效果</source>
        <translation>更好的效果</translation>
    </message>
    <message>
        <source>自动减色功能：</source>
        <translation>自動減色功能：</translation>
    </message>
    <message>
        <source>绣图名称：</source>
        <translation>繡圖名稱：</translation>
    </message>
    <message>
        <source>最多绣线数：</source>
        <translation>最多繡線數：</translation>
    </message>
    <message>
        <source>颜色匹配：</source>
        <translation>顏色比對：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>是</source>
        <translation>是</translation>
    </message>
    <message>
        <source>否</source>
        <translation>否</translation>
    </message>
    <message>
        <source>灰度图片</source>
        <translation>灰階圖片</translation>
    </message>
    <message>
        <source>低分辨彩色图</source>
        <translation>低解析彩色圖</translation>
    </message>
    <message>
        <source>高清黑白图片</source>
        <translation>高解析黑白圖片</translation>
    </message>
    <message>
        <source>高分辨彩色图</source>
        <translation>高解析彩色圖</translation>
    </message>
    <message>
        <source>不做减色处理</source>
        <translation>不做減色處理</translation>
    </message>
    <message>
        <source>无限制</source>
        <translation>無限制</translation>
    </message>
    <message>
        <source>给你的绣图起个名字</source>
        <translation>幫你的繡圖取個名字</translation>
    </message>
    <message>
        <source>最多绣线数只能是“无限制”或 2 到 423 之间的整数</source>
        <translation>最多繡線數只能是「無限制」或 2 到 423 之間的整數</translation>
    </message>
    <message>
        <source>绣格大小只能是整数，请重新输入</source>
        <translation>繡格大小只能是整數，請重新輸入</translation>
    </message>
    <message>
        <source>减色强度只能是数字，请重新输入</source>
        <translation>減色強度只能是數字，請重新輸入</translation>
    </message>
    <message>
        <source>清理零散针</source>
        <translation>清理零散針</translation>
    </message>
    <message>
        <source>每种线最少针数：</source>
        <translation>每種線最少針數：</translation>
    </message>
    <message>
        <source>绣布颜色：</source>
        <translation>繡布顏色：</translation>
    </message>
    <message>
        <source>也可以输入颜色，例如 #336699</source>
        <translation>也可以輸入顏色，例如 #336699</translation>
    </message>
    <message>
        <source>背景不绣</source>
        <translation>背景不繡</translation>
    </message>
    <message>
        <source>与绣布颜色的色差（ΔE2000）在此之内的格子不绣</source>
        <translation>與繡布顏色的色差（ΔE2000）在此之內的格子不繡</translation>
    </message>
    <message>
        <source>照片推荐</source>
        <translation>照片推薦</translation>
    </message>
    <message>
        <source>照片用这些设置会有很多零散针，可点“照片推荐”。</source>
        <translation>照片用這些設定會有很多零散針，可按「照片推薦」。</translation>
    </message>
    <message>
        <source>白色</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>象牙白</source>
        <translation>象牙白</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>绣布颜色只能是白色、象牙白、黑色或 #RRGGBB 这样的颜色</source>
        <translation>繡布顏色只能是白色、象牙白、黑色或 #RRGGBB 這樣的顏色</translation>
    </message>
    <message>
        <source>最多绣线数也可选金属线等特殊绣线</source>
        <translation>最多繡線數也可選金屬線等特殊繡線</translation>
    </message>
</context>
<context>
    <name>tessaline::Form4</name>
    <message>
        <source>==确定==</source>
        <translation>==確定==</translation>
    </message>
    <message>
        <source>Tessaline V2008 十字绣图案制作软件</source>
        <translation>Tessaline V2008 十字繡圖案製作軟體</translation>
    </message>
</context>
<context>
    <name>tessaline::Form6</name>
    <message>
        <source>绣图图库</source>
        <translation>繡圖圖庫</translation>
    </message>
    <message>
        <source>动漫</source>
        <translation>動漫</translation>
    </message>
    <message>
        <source>美女</source>
        <translation>美女</translation>
    </message>
    <message>
        <source>汽车</source>
        <translation>汽車</translation>
    </message>
    <message>
        <source>星座</source>
        <translation>星座</translation>
    </message>
    <message>
        <source>动物</source>
        <translation>動物</translation>
    </message>
    <message>
        <source>风景</source>
        <translation>風景</translation>
    </message>
    <message>
        <source>艺术</source>
        <translation>藝術</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>应用Apply)</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>温馨提示：对于颜色数较少的卡通类图片，可以在 绣图设置-减色方式，选择-&apos;不做减色处理&apos;，且选择 局部，不要对图形做缩放处理。可得到最佳效果</source>
        <translation>溫馨提示：顏色較少的卡通類圖片，可以在 繡圖設定-減色方法 選擇&apos;不做減色處理&apos;，並選擇 局部，不要縮放圖片，可得到最佳效果</translation>
    </message>
</context>
<context>
    <name>tessaline::Form7</name>
    <message>
        <source>Tessaline ---Quillmere软件quillmere inc.</source>
        <translation>Tessaline ---Quillmere軟體quillmere inc.</translation>
    </message>
    <message>
        <source>生成</source>
        <translation>產生</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>保存PDF</source>
        <translation>儲存PDF</translation>
    </message>
    <message>
        <source>最终效果预览</source>
        <translation>最終效果預覽</translation>
    </message>
    <message>
        <source>可忽略颜色出现次数</source>
        <translation>可忽略顏色出現次數</translation>
    </message>
    <message>
        <source>减色设置：</source>
        <translation>減色設定：</translation>
    </message>
    <message>
        <source>更少的绣线</source>
        <translation>更少的繡線</translation>
    </message>
    <message>
        <source>更好的效果</source>
        <translation>更好的效果</translation>
    </message>
    <message>
        <source>显示全部色块</source>
        <translation>顯示全部色塊</translation>
    </message>
    <message>
        <source>绣线数量：</source>
        <translation>繡線數量：</translation>
    </message>
    <message>
        <source>准备开始生成绣图,请等待约10秒 ...</source>
        <translation>準備開始產生繡圖，請稍候約10秒 ...</translation>
    </message>
    <message>
        <source>输入有错误,只能是数字</source>
        <translation>輸入錯誤，只能輸入數字</translation>
    </message>
    <message>
        <source>Quillmere软件</source>
        <translation>Quillmere軟體</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再进行最终效果预览</source>
        <translation>請先按一次 產生 按鈕，再進行最終效果預覽</translation>
    </message>
    <message>
        <source>Quillmere 你身边的好软件</source>
        <translation>Quillmere 你身邊的好軟體</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>  绣图文件保存失败，无法写入</source>
        <translation>  繡圖檔案儲存失敗，無法寫入</translation>
    </message>
    <message>
        <source>  绣图文件保存成功在</source>
        <translation>  繡圖檔案已儲存在</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再保存PDF文件</source>
        <translation>請先按一次 產生 按鈕，再儲存PDF檔案</translation>
    </message>
    <message>
        <source>  PDF文件保存失败，无法写入</source>
        <translation>  PDF檔案儲存失敗，無法寫入</translation>
    </message>
    <message>
        <source>  绣图PDF文件保存成功在</source>
        <translation>  繡圖PDF檔案已儲存在</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再打印</source>
        <translation>請先按一次 產生 按鈕，再列印</translation>
    </message>
    <message>
        <source>    打印异常，请确认您的打印机已经就绪。     </source>
        <translation>    列印發生問題，請確認您的印表機已準備就緒。     </translation>
    </message>
    <message>
        <source>正在打印，请等待....</source>
        <translation>正在列印，請稍候....</translation>
    </message>
    <message>
        <source>打印..</source>
        <translation>列印..</translation>
    </message>
    <message>
        <source>生成绣图色块</source>
        <translation>產生繡圖色塊</translation>
    </message>
    <message>
        <source>无色块绣图</source>
        <translation>無色塊繡圖</translation>
    </message>
    <message>
        <source>仅生成色块</source>
        <translation>僅產生色塊</translation>
    </message>
    <message>
        <source>保存OXS</source>
        <translation>儲存OXS</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再保存OXS文件</source>
        <translation>請先按一次 產生 按鈕，再儲存OXS檔案</translation>
    </message>
    <message>
        <source>  OXS文件保存失败，无法写入</source>
        <translation>  OXS檔案儲存失敗，無法寫入</translation>
    </message>
    <message>
        <source>  绣图OXS文件保存成功在</source>
        <translation>  繡圖OXS檔案已儲存在</translation>
    </message>
    <message>
        <source>正在创建颜色索引......</source>
        <translation>正在建立顏色索引......</translation>
    </message>
    <message>
        <source>正在计算颜色数目等信息......</source>
        <translation>正在計算顏色數目等資訊......</translation>
    </message>
    <message>
        <source>    绣图颜色太多，请先点 效果预览 进行减色后再生成。。。 </source>
        <translation>    繡圖顏色太多，請先按 效果預覽 減色後再產生。。。 </translation>
    </message>
    <message>
        <source>保存图册</source>
        <translation>儲存圖冊</translation>
    </message>
    <message>
        <source>图册纸张</source>
        <translation>圖冊紙張</translation>
    </message>
    <message>
        <source>每格</source>
        <translation>每格</translation>
    </message>
    <message>
        <source> 毫米</source>
        <translation> 公釐</translation>
    </message>
    <message>
        <source>绣布</source>
        <translation>繡布</translation>
    </message>
    <message>
        <source>%1 格</source>
        <translation>%1CT</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再保存图册</source>
        <translation>請先按一次 產生 按鈕，再儲存圖冊</translation>
    </message>
    <message>
        <source>正在生成图册，请等待....</source>
        <translation>正在產生圖冊，請稍候....</translation>
    </message>
    <message>
        <source>  图册文件保存失败，无法写入</source>
        <translation>  圖冊檔案儲存失敗，無法寫入</translation>
    </message>
    <message>
        <source>  绣图图册保存成功在</source>
        <translation>  繡圖圖冊已儲存在</translation>
    </message>
    <message>
        <source>保存效果图</source>
        <translation>儲存效果圖</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再保存效果图</source>
        <translation>請先按一次 產生 按鈕，再儲存效果圖</translation>
    </message>
    <message>
        <source>  效果图保存失败，无法写入</source>
        <translation>  效果圖儲存失敗，無法寫入</translation>
    </message>
    <message>
        <source>  绣图效果图保存成功在</source>
        <translation>  繡圖效果圖已儲存在</translation>
    </message>
    <message>
        <source>原因：</source>
        <translation>原因：</translation>
    </message>
    <message>
        <source>打印服务（CUPS）没有运行</source>
        <translation>列印服務（CUPS）沒有執行</translation>
    </message>
    <message>
        <source>没有默认打印机</source>
        <translation>沒有預設印表機</translation>
    </message>
    <message>
        <source>打印内容</source>
        <translation>列印內容</translation>
    </message>
    <message>
        <source>单页绣图</source>
        <translation>單頁繡圖</translation>
    </message>
    <message>
        <source>图册</source>
        <translation>圖冊</translation>
    </message>
    <message>
        <source>绣图没有生成完（已中止），请再点一次 生成 按钮，生成完后再保存</source>
        <translation>繡圖沒有產生完（已中止），請再按一次 產生 按鈕，產生完後再儲存</translation>
    </message>
    <message>
        <source>效果预览已经改变，这张绣图已过时。请再点一次 生成 按钮</source>
        <translation>效果預覽已經改變，這張繡圖已過時。請再按一次 產生 按鈕</translation>
    </message>
    <message>
        <source>请先点一次 生成 按钮，再保存绣图</source>
        <translation>請先按一次 產生 按鈕，再儲存繡圖</translation>
    </message>
    <message>
        <source>找不到绣图文件。</source>
        <translation>找不到繡圖檔案。</translation>
    </message>
    <message>
        <source>无法读取绣图文件。</source>
        <translation>無法讀取繡圖檔案。</translation>
    </message>
    <message>
        <source>绣图文件太大，无法打开。</source>
        <translation>繡圖檔案太大，無法開啟。</translation>
    </message>
    <message>
        <source>这是文件夹，不是绣图文件。</source>
        <translation>這是資料夾，不是繡圖檔案。</translation>
    </message>
    <message>
        <source>这是特殊文件，不是绣图文件。</source>
        <translation>這是特殊檔案，不是繡圖檔案。</translation>
    </message>
    <message>
        <source>读取时绣图文件被改动了，请再打开一次。</source>
        <translation>讀取時繡圖檔案被改動了，請再開啟一次。</translation>
    </message>
    <message>
        <source>这不是 OXS 绣图文件（不是完好的 XML）。</source>
        <translation>這不是 OXS 繡圖檔案（不是完好的 XML）。</translation>
    </message>
    <message>
        <source>这不是 OXS 绣图文件（没有绣图的宽和高）。</source>
        <translation>這不是 OXS 繡圖檔案（沒有繡圖的寬和高）。</translation>
    </message>
    <message>
        <source>绣图大小 %1 x %2 不在 1 x 1 到 1000 x 1000 之间。</source>
        <translation>繡圖大小 %1 x %2 不在 1 x 1 到 1000 x 1000 之間。</translation>
    </message>
    <message>
        <source>绣图有 %1 x %2 格，超过了 320 x 320。</source>
        <translation>繡圖有 %1 x %2 格，超過了 320 x 320。</translation>
    </message>
    <message>
        <source>有一针没有完整的 x、y 和 palindex。</source>
        <translation>有一針沒有完整的 x、y 和 palindex。</translation>
    </message>
    <message>
        <source>第 %2 行第 %1 列的一针在绣图之外。</source>
        <translation>第 %2 列第 %1 欄的一針在繡圖之外。</translation>
    </message>
    <message>
        <source>第 %2 行第 %1 列的一针用了调色板里没有的 %3 号。</source>
        <translation>第 %2 列第 %1 欄的一針用了調色盤裡沒有的 %3 號。</translation>
    </message>
    <message>
        <source>调色板里有一项的编号不是 0 到 9999 的整数。</source>
        <translation>調色盤裡有一項的編號不是 0 到 9999 的整數。</translation>
    </message>
    <message>
        <source>绣图颜色超过 500 种。</source>
        <translation>繡圖顏色超過 500 種。</translation>
    </message>
    <message>
        <source>%1 条回针</source>
        <translation>%1 條回針</translation>
    </message>
    <message>
        <source>%1 个半针</source>
        <translation>%1 個半針</translation>
    </message>
    <message>
        <source>%1 个四分之一或四分之三针</source>
        <translation>%1 個四分之一或四分之三針</translation>
    </message>
    <message>
        <source>%1 个法式结</source>
        <translation>%1 個法式結</translation>
    </message>
    <message>
        <source>%1 颗珠子</source>
        <translation>%1 顆珠子</translation>
    </message>
    <message>
        <source>%1 个其他装饰</source>
        <translation>%1 個其他裝飾</translation>
    </message>
    <message>
        <source>%1 个注释框</source>
        <translation>%1 個註釋框</translation>
    </message>
    <message>
        <source>%1没有导入。</source>
        <translation>%1沒有匯入。</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 种混色线只取了第一种颜色。</source>
        <translation>%1 種混色線只取了第一種顏色。</translation>
    </message>
    <message>
        <source>%1 格重复出现，取最后一针。</source>
        <translation>%1 格重複出現，取最後一針。</translation>
    </message>
    <message>
        <source>不是 DMC 的绣线换成了最接近的 DMC 绣线：%1。</source>
        <translation>不是 DMC 的繡線換成了最接近的 DMC 繡線：%1。</translation>
    </message>
    <message>
        <source>，</source>
        <translation>，</translation>
    </message>
    <message>
        <source>无法打开绣图文件“%1”：%2</source>
        <translation>無法開啟繡圖檔案「%1」：%2</translation>
    </message>
    <message>
        <source>打开绣图</source>
        <translation>開啟繡圖</translation>
    </message>
</context>
<context>
    <name>tessaline::Form9</name>
    <message>
        <source>绣图颜色替换－用来减少绣图颜色</source>
        <translation>繡圖顏色替換－用來減少繡圖顏色</translation>
    </message>
    <message>
        <source>颜色总数：0 替换0处</source>
        <translation>顏色總數：0 替換0處</translation>
    </message>
    <message>
        <source>点击替换颜色</source>
        <translation>點選要替換的顏色</translation>
    </message>
    <message>
        <source>目标颜色</source>
        <translation>目標顏色</translation>
    </message>
    <message>
        <source>数量：</source>
        <translation>數量：</translation>
    </message>
    <message>
        <source>替换颜色</source>
        <translation>替換顏色</translation>
    </message>
    <message>
        <source>&lt;－替换</source>
        <translation>&lt;－替換</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>颜色总数：%1  替换%2 处</source>
        <translation>顏色總數：%1  替換%2 處</translation>
    </message>
    <message>
        <source>绣图正在生成，请等生成结束后再点 完成</source>
        <translation>繡圖正在產生，請等產生結束後再按 完成</translation>
    </message>
    <message>
        <source>效果预览或图片已经改变，这个替换窗口已过时。请重新点 编辑 再替换颜色</source>
        <translation>效果預覽或圖片已經改變，這個替換視窗已過時。請重新按 編輯 再替換顏色</translation>
    </message>
</context>
<context>
    <name>tessaline::FrmPreview</name>
    <message>
        <source>本预览图使用实际绣线颜色绘制和绣图效果完全相同，为了取得客观效果，</source>
        <translation>本預覽圖以實際繡線顏色繪製，和繡好的效果完全相同；為了看到客觀的效果，</translation>
    </message>
    <message>
        <source>请您离开电脑屏幕1-2米的距离观看</source>
        <translation>請您離開電腦螢幕1-2公尺的距離觀看</translation>
    </message>
    <message>
        <source>（点击画面任意处或按 Esc 键关闭）</source>
        <translation>（按一下畫面任意處或按 Esc 鍵關閉）</translation>
    </message>
</context>
<context>
    <name>tessaline::PictureHandOver</name>
    <message>
        <source>   错误的图形文件，无法打开，请确认是jpg,gif,bmp格式中的一种   </source>
        <translation>   錯誤的圖形檔案，無法開啟，請確認是jpg,gif,bmp格式中的一種   </translation>
    </message>
</context>
<context>
    <name>tessaline::PictureLoader</name>
    <message>
        <source>找不到图片文件。</source>
        <translation>找不到圖片檔案。</translation>
    </message>
    <message>
        <source>无法读取图片文件。</source>
        <translation>無法讀取圖片檔案。</translation>
    </message>
    <message>
        <source>这不是可以打开的图片文件。</source>
        <translation>這不是可以開啟的圖片檔案。</translation>
    </message>
    <message>
        <source>图片太大，无法打开。</source>
        <translation>圖片太大，無法開啟。</translation>
    </message>
    <message>
        <source>图片文件已损坏，无法打开。</source>
        <translation>圖片檔案已損壞，無法開啟。</translation>
    </message>
    <message>
        <source>这是文件夹，不是图片文件。</source>
        <translation>這是資料夾，不是圖片檔案。</translation>
    </message>
    <message>
        <source>这是特殊文件，不是图片文件。</source>
        <translation>這是特殊檔案，不是圖片檔案。</translation>
    </message>
</context>
<context>
    <name>tessaline::UserDialogs</name>
    <message>
        <source>字体选择</source>
        <translation>字型選擇</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>字型顏色</translation>
    </message>
</context>
</TS>
